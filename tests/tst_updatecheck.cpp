// The update check through its windows: the version window, the request, the
// current version, failures, and ending the check while it waits.
#include "UpdateCheck.h"
#include "app/App.h"
#include "game/Window1.h"

#include <QtTest>

using check::UpdateCheck;

namespace {

const QString currentMessage = "You are using the current version. No update is available.";

QAction* checkNow(ProgramRun& run) {
    return run.window->Widget()->findChild<QAction*>("CheckForUpdateCheckNow");
}

// What the user does to end a check that waits.
void cancel(const QString& how) {
    Quorvex::updateWindow* w = check::OpenUpdateWindow();
    if (!w) return;
    if (how == "Cancel button")
        QTest::mouseClick(w->PushButton1()->Widget(), Qt::LeftButton);
    else if (how == "Return")
        QTest::keyClick(w->Widget(), Qt::Key_Return);
    else if (how == "Enter")
        QTest::keyClick(w->Widget(), Qt::Key_Enter, Qt::KeypadModifier);
    else if (how == "Escape")
        QTest::keyClick(w->Widget(), Qt::Key_Escape);
    else if (how == "close box")
        w->Widget()->close();
}

// A click as the window system delivers it, which a modal window blocks.
void clickThroughWindowSystem(fw::PushButton& button) {
    QWidget* widget = button.Widget();
    QWindow* window = widget->window()->windowHandle();
    const QPoint at = window->mapFromGlobal(widget->mapToGlobal(widget->rect().center()));
    QTest::mouseClick(window, Qt::LeftButton, Qt::NoModifier, at);
}

// Pads a document with blanks to exactly `size` bytes.
QByteArray padded(QByteArray document, qsizetype size) {
    return document + QByteArray(size - document.size(), ' ');
}

// The server writes the reply, then keeps the connection open ("keep"), closes
// it ("close") or resets it ("reset"); with "refuse" nothing connects at all.
void replyWith(UpdateCheck& c, const QByteArray& reply, const QString& then) {
    if (then == "refuse") c.Refuse();
    c.answer = [reply, then](QTcpSocket& s) {
        s.write(reply);
        if (then == "close") s.disconnectFromHost();
        if (then == "reset") check::Reset(s);
    };
}

} // namespace

class TestUpdateCheck : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void versionWindowShowsTheRunningVersion();
    void checkNowTwiceShowsOneVersionWindow();
    void currentVersion_data();
    void currentVersion();
    void automaticCheckLeavesOutTheMessage();
    void emptyBodyClosesSilently_data();
    void emptyBodyClosesSilently();
    void communicationError_data();
    void communicationError();
    void cancelWhileWaiting_data();
    void cancelWhileWaiting();
    void lateReplyAfterCancelHasNoEffect_data();
    void lateReplyAfterCancelHasNoEffect();
    void updateWindowIsModalWhileWaiting();
};

void TestUpdateCheck::versionWindowShowsTheRunningVersion() {
    FakePlatform platform;
    ProgramRun run;
    QVERIFY(checkNow(run));
    checkNow(run)->trigger();
    Quorvex::selfTest* version = check::OpenVersionWindow();
    QVERIFY(version);
    QVERIFY(QTest::qWaitForWindowExposed(version->Widget()));
    QCOMPARE(version->Widget()->windowTitle(), "Self Test");
    QCOMPARE(check::LabelText(*version->StaticText1()), "Version:");
    QCOMPARE(check::LabelText(*version->StaticText2()), App()->LongVersion());
    QVERIFY(check::LabelText(*version->StaticText2()) != "1.2.0 Intel");
    // versionLabelCutOff: the right-aligned label once showed only "..2.0 Linux".
    QWidget* versionLabel = version->StaticText2()->Widget();
    QVERIFY(versionLabel->fontMetrics().horizontalAdvance(App()->LongVersion()) <=
            versionLabel->contentsRect().width());
    QCOMPARE(static_cast<QPushButton*>(version->PushButton1()->Widget())->text(),
             "Check for Updates");

    // Closed by its close box, the next choice builds a new one and sets its label again.
    version->Widget()->close();
    QVERIFY(!check::OpenVersionWindow());
    QCOMPARE(App()->CheckForUpdateCheckNow_Action(), false);
    version = check::OpenVersionWindow();
    QVERIFY(version);
    QVERIFY(QTest::qWaitForWindowExposed(version->Widget()));
    QCOMPARE(check::LabelText(*version->StaticText2()), App()->LongVersion());
    QCOMPARE(check::VisibleWindowsTitled("Self Test"), 1);
    QVERIFY(platform.messages.isEmpty());
}

void TestUpdateCheck::checkNowTwiceShowsOneVersionWindow() {
    FakePlatform platform;
    ProgramRun run;
    checkNow(run)->trigger();
    Quorvex::selfTest* first = check::OpenVersionWindow();
    QVERIFY(first);
    QVERIFY(QTest::qWaitForWindowExposed(first->Widget()));
    checkNow(run)->trigger();
    QCoreApplication::processEvents();
    QCOMPARE(OpenWindowsOf(Quorvex::selfTest::RegisteredName), 1);
    QCOMPARE(check::OpenVersionWindow(), first);
    QCOMPARE(check::VisibleWindowsTitled("Self Test"), 1);
}

void TestUpdateCheck::currentVersion_data() {
    QTest::addColumn<QByteArray>("reply");
    QTest::addColumn<QString>("then");
    QTest::newRow("1.2.0") << check::Reply(check::Document("1.2.0")) << "keep";
    QTest::newRow("1.2 reads as 1.2.0") << check::Reply(check::Document("1.2")) << "keep";
    QTest::newRow("1.2.0.5 reads as 1.2.0") << check::Reply(check::Document("1.2.0.5")) << "keep";
    QTest::newRow("01.2.0 reads as 1.2.0") << check::Reply(check::Document("01.2.0")) << "keep";
    QTest::newRow("paid, with a file: address nobody opens")
        << check::Reply(check::Document("1.2.0", "No", "file:///etc/passwd")) << "keep";
    QTest::newRow("no length, ended by the close")
        << "HTTP/1.0 200 OK\r\n\r\n" + check::Document("1.2.0") << "close";
    QTest::newRow("exactly 1 MiB, no length")
        << "HTTP/1.0 200 OK\r\n\r\n" + padded(check::Document("1.2.0"), 1024 * 1024) << "close";
}

void TestUpdateCheck::currentVersion() {
    QFETCH(QByteArray, reply);
    QFETCH(QString, then);
    UpdateCheck c;
    replyWith(c, reply, then);
    QVERIFY(c.Run());

    QCOMPARE(c.request, check::Request);
    QCOMPARE(c.connections, 1);
    QVERIFY(c.waiting.visible);
    QCOMPARE(c.platform.messages, QStringList{currentMessage});
    QCOMPARE(c.modal.size(), 1u);
    // The label changes before the message box, and the window waits for it.
    QVERIFY(c.modal[0].visible);
    QCOMPARE(c.modal[0].label, "This version is current.");
    QVERIFY(!c.modal[0].progressShown);
    QCOMPARE(c.closing.label, "This version is current.");
    QCOMPARE(c.platform.dialogs.size(), 0u);
    QCOMPARE(c.platform.urls, QStringList());
    QCOMPARE(c.platform.beeps, 0);
    check::VerifyEnded(c);
}

void TestUpdateCheck::automaticCheckLeavesOutTheMessage() {
    UpdateCheck c;
    c.answer = [](QTcpSocket& s) {
        check::OpenUpdateWindow()->automaticCheck = true;
        s.write(check::Reply(check::Document("1.2.0")));
    };
    QVERIFY(c.Run());
    QCOMPARE(c.closing.label, "This version is current.");
    QVERIFY(!c.closing.progressShown);
    QVERIFY(c.modal.empty());
    check::VerifyNothingShown(c);
    check::VerifyEnded(c);
}

void TestUpdateCheck::emptyBodyClosesSilently_data() {
    QTest::addColumn<QByteArray>("reply");
    QTest::addColumn<QString>("then");
    QTest::newRow("length 0") << check::Reply({}) << "keep";
    QTest::newRow("no length, closed at once")
        << QByteArray("HTTP/1.0 200 OK\r\nContent-Type: text/xml\r\n\r\n") << "close";
}

void TestUpdateCheck::emptyBodyClosesSilently() {
    QFETCH(QByteArray, reply);
    QFETCH(QString, then);
    UpdateCheck c;
    replyWith(c, reply, then);
    QVERIFY(c.Run());
    QCOMPARE(c.request, check::Request);
    QVERIFY(c.modal.empty());
    check::VerifyNothingShown(c);
    QCOMPARE(c.closing.label, check::Waiting);
    check::VerifyEnded(c);
}

void TestUpdateCheck::communicationError_data() {
    QTest::addColumn<QByteArray>("reply");
    QTest::addColumn<QString>("then");
    QTest::addColumn<int>("code");
    const QByteArray cut = "HTTP/1.0 200 OK\r\nContent-Length: 300\r\n\r\n<?xml version";
    const QByteArray html = "<html><head><title>404 Not Found</title></head>"
                            "<body><h1>Not Found</h1></body></html>";
    QTest::newRow("connection refused") << QByteArray() << "refuse" << 104;
    QTest::newRow("reset in the middle of the reply") << cut << "reset" << 102;
    QTest::newRow("closed in the middle of the reply") << cut << "close" << 102;
    QTest::newRow("closed before a reply") << QByteArray() << "close" << 102;
    QTest::newRow("not an HTTP reply") << QByteArray("SSH-2.0-OpenSSH_9.2\r\n") << "keep" << 106;
    QTest::newRow("404 with an HTML page")
        << check::Reply(html, "HTTP/1.0 404 Not Found", "text/html") << "keep" << 404;
    QTest::newRow("500 carrying a newer version")
        << check::Reply(check::Document("1.3.0"), "HTTP/1.1 500 Internal Server Error") << "keep"
        << 500;
    QTest::newRow("200 page without tags")
        << check::Reply("<html><body>Welcome</body></html>", "HTTP/1.0 200 OK", "text/html")
        << "keep" << int(fw::http::NotAVersionDocument);
    QTest::newRow("empty CurrentVersion")
        << check::Reply(check::Document("")) << "keep" << int(fw::http::NotAVersionDocument);
    // Read literally, the value would run from the 16th character to the end tag.
    QTest::newRow("misspelt CurrentVersion start tag")
        << check::Reply(check::Document("1.3.0").replace("<CurrentVersion>", "<CurentVersion>"))
        << "keep" << int(fw::http::NotAVersionDocument);
    QTest::newRow("body over 1 MiB, no length")
        << "HTTP/1.0 200 OK\r\n\r\n" + padded(check::Document("1.3.0"), 1024 * 1024 + 1) << "close"
        << int(fw::http::ReplyTooLarge);
    QTest::newRow("length over 1 MiB")
        << QByteArray("HTTP/1.0 200 OK\r\nContent-Length: 1048577\r\n\r\n<?xml") << "keep"
        << int(fw::http::ReplyTooLarge);
}

void TestUpdateCheck::communicationError() {
    QFETCH(QByteArray, reply);
    QFETCH(QString, then);
    QFETCH(int, code);
    UpdateCheck c;
    replyWith(c, reply, then);
    QVERIFY(c.Run());

    QCOMPARE(c.request, then == "refuse" ? QByteArray() : check::Request);
    QCOMPARE(c.platform.messages, QStringList{check::CommunicationError(code)});
    QCOMPARE(c.platform.beeps, 1);
    QCOMPARE(c.modal.size(), 1u);
    // The beep comes first, and the window stays until the message is read.
    QCOMPARE(c.modal[0].beeps, 1);
    QVERIFY(c.modal[0].visible);
    QCOMPARE(c.platform.dialogs.size(), 0u);
    QCOMPARE(c.platform.urls, QStringList());
    check::VerifyEnded(c);
}

void TestUpdateCheck::cancelWhileWaiting_data() {
    QTest::addColumn<QString>("how");
    for (const char* how : {"Cancel button", "Return", "Enter", "Escape", "close box"})
        QTest::newRow(how) << QString(how);
}

// The server never answers; only the user ends the wait.
void TestUpdateCheck::cancelWhileWaiting() {
    QFETCH(QString, how);
    UpdateCheck c;
    c.answer = [&](QTcpSocket&) { QTimer::singleShot(0, [&] { cancel(how); }); };
    QVERIFY(c.Run());

    QCOMPARE(c.request, check::Request);
    QVERIFY(c.waiting.taken);
    QVERIFY(c.waiting.visible);
    QVERIFY(!c.waiting.versionWindowOpen);
    QCOMPARE(c.waiting.label, check::Waiting);
    QVERIFY(c.waiting.progressShown);
    QCOMPARE(c.waiting.progressMaximum, 0);
    QCOMPARE(c.waiting.cancelCaption, "Cancel");
    QVERIFY(c.waiting.cancelShown);
    QCOMPARE(c.closing.label, check::Waiting);
    check::VerifyNothingShown(c);
    check::VerifyEnded(c);
}

void TestUpdateCheck::lateReplyAfterCancelHasNoEffect_data() {
    QTest::addColumn<QByteArray>("reply");
    QTest::addColumn<bool>("replyFirst");
    QTest::addColumn<bool>("reset");
    const QByteArray newer = check::Reply(check::Document("1.3.0"));
    QTest::newRow("newer version, unread at Cancel") << newer << true << false;
    QTest::newRow("newer version after Cancel") << newer << false << false;
    QTest::newRow("current version after Cancel")
        << check::Reply(check::Document("1.2.0")) << false << false;
    QTest::newRow("404 after Cancel")
        << check::Reply("gone", "HTTP/1.0 404 Not Found") << false << false;
    QTest::newRow("reset after Cancel") << QByteArray("HTTP/1.0 200") << false << true;
}

void TestUpdateCheck::lateReplyAfterCancelHasNoEffect() {
    QFETCH(QByteArray, reply);
    QFETCH(bool, replyFirst);
    QFETCH(bool, reset);
    UpdateCheck c;
    // All at once: the client reads nothing before the Cancel. Then the reply
    // has time to arrive while the closed window still exists.
    c.answer = [&](QTcpSocket& s) {
        if (replyFirst) s.write(reply);
        s.flush();
        cancel("Cancel button");
        if (!replyFirst) s.write(reply);
        s.flush();
        if (reset)
            check::Reset(s);
        else
            s.disconnectFromHost();
        QEventLoop loop;
        QTimer::singleShot(100, &loop, &QEventLoop::quit);
        loop.exec();
    };
    QVERIFY(c.Run());
    c.Settle();
    check::VerifyNothingShown(c);
    check::VerifyEnded(c);
}

// Setting the modality of a window that is already on screen changes nothing:
// the main window went on taking clicks while the check waited.
void TestUpdateCheck::updateWindowIsModalWhileWaiting() {
    UpdateCheck c;
    fw::PushButton* start = c.run.window->Start1();
    QString captionWhileWaiting;
    c.answer = [&](QTcpSocket&) {
        QTimer::singleShot(0, [&] {
            clickThroughWindowSystem(*start);
            captionWhileWaiting = start->Caption();
            cancel("Cancel button");
        });
    };
    QVERIFY(c.Run());
    QCOMPARE(captionWhileWaiting, "Start Normal");
    QVERIFY(c.waiting.modal);
    // The same click reaches the button once the check is over.
    clickThroughWindowSystem(*start);
    QCOMPARE(start->Caption(), "Stop");
}

QTEST_MAIN(TestUpdateCheck)
#include "tst_updatecheck.moc"
