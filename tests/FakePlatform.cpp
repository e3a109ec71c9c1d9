// The test platform.
#include "FakePlatform.h"

#include <QPagedPaintDevice>

FakePlatform::FakePlatform() { fw::Platform::Install(this); }
FakePlatform::~FakePlatform() { fw::Platform::Install(nullptr); }

void FakePlatform::MsgBox(const QString& text) {
    messages << text;
    if (whileModal) whileModal();
}

fw::DialogButton FakePlatform::ShowMessageDialog(const fw::MessageDialogRequest& request) {
    dialogs.push_back(request);
    if (whileModal) whileModal();
    if (dialogAnswers.empty()) return fw::DialogButton::Cancel;
    const fw::DialogButton answer = dialogAnswers.front();
    dialogAnswers.pop_front();
    return answer;
}

std::unique_ptr<QPagedPaintDevice> FakePlatform::OpenPrinterDialog() {
    ++printerDialogs;
    return printer ? printer() : nullptr;
}

std::uint32_t FakePlatform::RandomBelow(std::uint32_t bound) {
    return std::uniform_int_distribution<std::uint32_t>(0, bound - 1)(random);
}

fw::HostAndPort FakePlatform::Resolve(const QString& host, quint16 port) {
    const QString key = host + ':' + QString::number(port);
    return hosts.contains(key) ? hosts.value(key) : fw::HostAndPort{host, port};
}
