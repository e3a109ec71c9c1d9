// The real platform over Qt, and the switch that lets a test replace it.
#include "framework/Platform.h"

#include <QApplication>
#include <QDesktopServices>
#include <QElapsedTimer>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QRandomGenerator>
#include <QUrl>

namespace fw {

namespace {
Platform* installed = nullptr;

QMessageBox::Icon iconFor(int icon) {
    switch (icon) {
    case 1:
        return QMessageBox::Warning;
    case 2:
        return QMessageBox::Critical;
    case 3:
        return QMessageBox::Question;
    default:
        return QMessageBox::Information;
    }
}
} // namespace

Platform& Platform::Current() {
    static QtPlatform real;
    return installed ? *installed : real;
}

void Platform::Install(Platform* platform) { installed = platform; }

void QtPlatform::MsgBox(const QString& text) {
    QMessageBox box(QMessageBox::NoIcon, QApplication::applicationDisplayName(), text,
                    QMessageBox::Ok);
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

DialogButton QtPlatform::ShowMessageDialog(const MessageDialogRequest& request) {
    QMessageBox box(iconFor(request.icon), request.title, request.message);
    box.setTextFormat(Qt::PlainText);
    // The explanation may come from the network: it is shown as the text it is,
    // blanks and line breaks included, never read as markup (which the box
    // would guess it to be).
    if (!request.explanation.isEmpty())
        box.setInformativeText("<p style=\"white-space:pre-wrap\">" +
                               request.explanation.toHtmlEscaped() + "</p>");
    QPushButton* action = box.addButton(request.actionCaption.isEmpty() ? QStringLiteral("OK")
                                                                        : request.actionCaption,
                                        QMessageBox::AcceptRole);
    QPushButton* alternate = box.addButton(request.alternateCaption, QMessageBox::ActionRole);
    QPushButton* cancel = box.addButton(request.cancelCaption.isEmpty() ? QStringLiteral("Cancel")
                                                                        : request.cancelCaption,
                                        QMessageBox::RejectRole);
    action->setVisible(request.actionVisible);
    alternate->setVisible(request.alternateVisible);
    cancel->setVisible(request.cancelVisible);
    box.setDefaultButton(action);
    box.setEscapeButton(request.cancelVisible ? cancel : action);
    box.exec();
    if (box.clickedButton() == alternate) return DialogButton::AlternateAction;
    if (box.clickedButton() == cancel) return DialogButton::Cancel;
    return DialogButton::Action;
}

std::unique_ptr<QPagedPaintDevice> QtPlatform::OpenPrinterDialog() {
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    QPrintDialog dialog(printer.get());
    if (dialog.exec() != QDialog::Accepted) return nullptr;
    return printer;
}

void QtPlatform::Beep() { QApplication::beep(); }

void QtPlatform::ShowURL(const QString& url) { QDesktopServices::openUrl(QUrl(url)); }

std::int64_t QtPlatform::Ticks() {
    static QElapsedTimer clock = [] {
        QElapsedTimer t;
        t.start();
        return t;
    }();
    return clock.nsecsElapsed() * 60 / 1'000'000'000;
}

std::uint32_t QtPlatform::RandomBelow(std::uint32_t bound) {
    return QRandomGenerator::global()->bounded(bound);
}

HostAndPort QtPlatform::Resolve(const QString& host, quint16 port) { return {host, port}; }

} // namespace fw
