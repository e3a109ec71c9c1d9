// One update check driven through the real windows, against a web server on
// 127.0.0.1 that the document's host resolves to; and what the user saw.
#pragma once

#include "FakePlatform.h"
#include "Program.h"
#include "update/selfTest.h"
#include "update/updateWindow.h"

#include <QAction>
#include <QApplication>
#include <QEvent>
#include <QLabel>
#include <QPointer>
#include <QProgressBar>
#include <QPushButton>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTest>
#include <QTimer>
#include <sys/socket.h>

namespace check {

inline const QByteArray Request = "GET /Updates/quorvex.xml HTTP/1.0\r\n"
                                  "Host: www.quorvex.example\r\n"
                                  "Accept: */*\r\n"
                                  "Accept-Language: en\r\n"
                                  "\r\n";
inline const QString Waiting = QStringLiteral("Checking for updates...");
inline const QString HomePage = QStringLiteral("http://www.quorvex.example/");
inline const QString Download = QStringLiteral("http://www.quorvex.example/Downloads/quorvex.zip");

inline QString CommunicationError(int code) {
    return "There was a communication error with the website. Please try again later. (Code: " +
           QString::number(code) + ")";
}

// A version description document as the maker's site serves it.
inline QByteArray Document(const QByteArray& version, const QByteArray& free = "Yes",
                           const QString& download = Download,
                           const QString& description = "Faster grids.") {
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<Update>\n  <CurrentVersion>" + version +
           "</CurrentVersion>\n  <Description>" + description.toUtf8() +
           "</Description>\n  <Free>" + free + "</Free>\n  <DownloadURLOSX>" + download.toUtf8() +
           "</DownloadURLOSX>\n</Update>\n";
}

inline QByteArray Reply(const QByteArray& body, const QByteArray& statusLine = "HTTP/1.0 200 OK",
                        const QByteArray& type = "text/xml") {
    return statusLine + "\r\nContent-Type: " + type +
           "\r\nContent-Length: " + QByteArray::number(body.size()) + "\r\n\r\n" + body;
}

// Linger zero makes the close a reset.
inline void Reset(QTcpSocket& s) {
    s.flush();
    const linger hard{1, 0};
    setsockopt(int(s.socketDescriptor()), SOL_SOCKET, SO_LINGER, &hard, sizeof hard);
    s.abort();
}

inline std::function<void(QTcpSocket&)> AnswerAndClose(const QByteArray& bytes) {
    return [bytes](QTcpSocket& s) {
        s.write(bytes);
        s.disconnectFromHost();
    };
}

inline Quorvex::updateWindow* OpenUpdateWindow() {
    return static_cast<Quorvex::updateWindow*>(
        fw::GetImplicitWindow(Quorvex::updateWindow::RegisteredName));
}

inline Quorvex::selfTest* OpenVersionWindow() {
    return static_cast<Quorvex::selfTest*>(
        fw::GetImplicitWindow(Quorvex::selfTest::RegisteredName));
}

inline QString LabelText(fw::Label& label) { return static_cast<QLabel*>(label.Widget())->text(); }

inline int VisibleWindowsTitled(const QString& title) {
    int count = 0;
    for (QWidget* w : QApplication::topLevelWidgets())
        count += w->isVisible() && w->windowTitle() == title;
    return count;
}

// The update window at one moment, read off its widgets.
struct Look {
    bool taken = false;
    bool visible = false;
    bool modal = false;
    bool versionWindowOpen = false;
    QString label;
    bool progressShown = false;
    int progressMaximum = -1;
    QString cancelCaption;
    bool cancelShown = false;
    int beeps = 0;
};

// The open update window, unless another is named.
inline Look LookAt(const FakePlatform& platform, Quorvex::updateWindow* w = OpenUpdateWindow()) {
    Look look;
    look.beeps = platform.beeps;
    look.versionWindowOpen = OpenVersionWindow() != nullptr;
    if (!w) return look;
    look.taken = true;
    look.visible = w->Widget()->isVisible();
    look.modal = QApplication::activeModalWidget() == w->Widget();
    look.label = LabelText(*w->StaticText1());
    const auto* bar = static_cast<QProgressBar*>(w->ProgressBar1()->Widget());
    look.progressShown = !bar->isHidden();
    look.progressMaximum = bar->maximum();
    const auto* cancel = static_cast<QPushButton*>(w->PushButton1()->Widget());
    look.cancelCaption = cancel->text();
    look.cancelShown = !cancel->isHidden();
    return look;
}

class UpdateCheck : public QObject {
public:
    UpdateCheck() {
        server.listen(QHostAddress::LocalHost);
        platform.hosts["www.quorvex.example:80"] = {"127.0.0.1", server.serverPort()};
        connect(&server, &QTcpServer::newConnection, this, [this] {
            while (QTcpSocket* s = server.nextPendingConnection()) {
                ++connections;
                connection = s;
                connect(s, &QTcpSocket::readyRead, this, [this, s] {
                    request += s->readAll();
                    if (!requested && request.contains("\r\n\r\n")) {
                        requested = true;
                        waiting = LookAt(platform);
                        if (answer) answer(*s);
                    }
                });
            }
        });
        platform.whileModal = [this] {
            modal.push_back(LookAt(platform));
            if (onModal) onModal();
        };
        safety.setSingleShot(true);
        connect(&safety, &QTimer::timeout, this, [this] {
            timedOut = true;
            if (Quorvex::updateWindow* w = OpenUpdateWindow()) w->Close();
        });
    }
    ~UpdateCheck() override { qApp->removeEventFilter(this); }

    // Nothing listens at the document's address any more.
    void Refuse() { server.close(); }

    // Chooses "Check Now" in the main window and presses "Check for Updates";
    // returns once the update window has closed.
    bool Run() {
        auto* checkNow = run.window->Widget()->findChild<QAction*>("CheckForUpdateCheckNow");
        if (!checkNow) return false;
        checkNow->trigger();
        Quorvex::selfTest* version = OpenVersionWindow();
        if (!version || !QTest::qWaitForWindowExposed(version->Widget())) return false;
        versionWidget = version->Widget();
        qApp->installEventFilter(this);
        safety.start(10000);
        QTest::mouseClick(version->PushButton1()->Widget(), Qt::LeftButton);
        safety.stop();
        qApp->removeEventFilter(this);
        QCoreApplication::processEvents();
        return true;
    }

    // Lets whatever the late server stirs up happen.
    void Settle() {
        if (connection)
            QTRY_VERIFY_WITH_TIMEOUT(connection->state() == QAbstractSocket::UnconnectedState,
                                     5000);
        QTest::qWait(50);
    }

    FakePlatform platform;
    ProgramRun run;
    QTcpServer server;
    QPointer<QTcpSocket> connection;
    int connections = 0;
    QByteArray request;
    bool requested = false;
    // Runs once the whole request is in; no answer leaves the client waiting.
    std::function<void(QTcpSocket&)> answer;
    // Runs while each message box or the dialog is up.
    std::function<void()> onModal;

    QPointer<QWidget> versionWidget;
    QPointer<Quorvex::updateWindow> window; // once shown
    bool versionShownWithUpdate = true;
    Look shown;   // as the update window appeared
    Look waiting; // as the request arrived
    Look closing; // as the update window went away
    std::vector<Look> modal;
    bool timedOut = false;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::Show && event->type() != QEvent::Hide) return false;
        if (event->type() == QEvent::Show && !window) {
            Quorvex::updateWindow* w = OpenUpdateWindow();
            if (!w || watched != w->Widget()) return false;
            window = w;
            shown = LookAt(platform, w);
            versionShownWithUpdate = versionWidget && versionWidget->isVisible();
        } else if (event->type() == QEvent::Hide && window && watched == window->Widget()) {
            // By now the window has stopped being the open one.
            closing = LookAt(platform, window);
        }
        return false;
    }

private:
    QTimer safety;
};

// The check showed the user nothing, opened nothing and made no sound.
inline void VerifyNothingShown(const UpdateCheck& c) {
    QCOMPARE(c.platform.messages, QStringList());
    QCOMPARE(c.platform.dialogs.size(), 0u);
    QCOMPARE(c.platform.urls, QStringList());
    QCOMPARE(c.platform.beeps, 0);
}

// The check ran its course: the update window appeared with the version
// window gone, then closed, and neither window is left.
inline void VerifyEnded(const UpdateCheck& c) {
    QVERIFY(!c.timedOut);
    QVERIFY(c.shown.taken);
    QVERIFY(c.shown.visible);
    QVERIFY(!c.shown.versionWindowOpen);
    QVERIFY(!c.versionShownWithUpdate);
    QVERIFY(!OpenUpdateWindow());
    QVERIFY(!OpenVersionWindow());
    QCOMPARE(VisibleWindowsTitled("Update"), 0);
    QCOMPARE(VisibleWindowsTitled("Self Test"), 0);
}

} // namespace check
