// The whole update check against a web server on 127.0.0.1 that misbehaves:
// it resets, trickles, never finishes, lies about lengths, floods, and serves
// garbage. Every check must end as its outcome says, and nothing but a web
// address may ever reach the browser.
#include "UpdateCheck.h"
#include "framework/HTTPSocket.h"

#include <QLabel>
#include <QMessageBox>
#include <QUrl>
#include <QtTest>
#include <random>

using check::UpdateCheck;

namespace {

const QString currentMessage = "You are using the current version. No update is available.";
const QByteArray ok = "HTTP/1.0 200 OK\r\n";

// Bytes no HTTP reply starts with; deterministic, with neither ':' nor '\n',
// so that any line of them is one malformed line.
QByteArray garbage(qsizetype size, unsigned seed) {
    std::mt19937 random(seed);
    QByteArray bytes(size, Qt::Uninitialized);
    for (char& b : bytes) {
        b = char(random() & 0xFF);
        if (b == ':' || b == '\n') b = '\x7F';
    }
    bytes[0] = '\x80';
    return bytes;
}

// Nothing but an http or https address with a host may reach the browser.
void verifyOnlyWebAddresses(const QStringList& urls) {
    for (const QString& u : urls) {
        const QUrl url(u, QUrl::StrictMode);
        const bool web = u.startsWith("http://") || u.startsWith("https://");
        QVERIFY2(web && url.isValid() && !url.host().isEmpty(), qPrintable("handed on: " + u));
    }
}

void cancel() {
    if (Quorvex::updateWindow* w = check::OpenUpdateWindow())
        QTest::mouseClick(w->PushButton1()->Widget(), Qt::LeftButton);
}

// Writes one byte of the reply every period until it is all out or the
// client has gone; then closes, if told to.
struct Trickle {
    Trickle(QTcpSocket& s, QByteArray reply, int period, bool closeAtEnd)
        : socket(&s), bytes(std::move(reply)) {
        timer.callOnTimeout([this, closeAtEnd] {
            if (!socket || socket->state() != QAbstractSocket::ConnectedState) return timer.stop();
            if (sent == bytes.size()) {
                timer.stop();
                if (closeAtEnd) socket->disconnectFromHost();
                return;
            }
            socket->write(bytes.mid(sent++, 1));
            socket->flush();
        });
        timer.start(period);
    }
    QPointer<QTcpSocket> socket;
    QByteArray bytes;
    qsizetype sent = 0;
    QTimer timer;
};

} // namespace

class TestHostilePeers : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void hostileReply_data();
    void hostileReply();
    void unfinishedReplyWaitsForCancel_data();
    void unfinishedReplyWaitsForCancel();
    void slowTrickleCompletes();
    void trickleCancelledMidway();
    void floodIsRefusedEarly_data();
    void floodIsRefusedEarly();
    void invalidUtf8IsShownAsReplacementCharacters();
};

void TestHostilePeers::hostileReply_data() {
    QTest::addColumn<QByteArray>("reply");
    // keep: leave the connection open; close; reset at once; reset once the
    // client has read what came.
    QTest::addColumn<QString>("then");
    // The message box expected, if any; and the address opened by the offer,
    // which is always answered "download", if any.
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("opened");

    const auto error = [](int code) { return check::CommunicationError(code); };
    const int notADocument = fw::http::NotAVersionDocument;
    const int tooLarge = fw::http::ReplyTooLarge;
    const QByteArray newer = check::Document("1.3.0");
    const QByteArray noDownload = newer.left(newer.indexOf("<Description>") + 20);

    QTest::newRow("reset before the status line")
        << QByteArray() << "reset" << error(102) << QString();
    QTest::newRow("reset inside the status line")
        << QByteArray("HTTP/1.0 20") << "reset" << error(102) << QString();
    QTest::newRow("reset inside the headers") << ok + "Content-Type: text/xml\r\nContent-Le"
                                              << "reset" << error(102) << QString();
    // A reset reads like a close, which ends a body without a length; what
    // came lacks the download address.
    QTest::newRow("reset in the middle of a body without a length")
        << ok + "\r\n" + noDownload << "reset later" << error(notADocument) << QString();

    QTest::newRow("length larger than the body, then closed")
        << ok + "Content-Length: " + QByteArray::number(newer.size() + 100) + "\r\n\r\n" + newer
        << "close" << error(102) << QString();
    const QByteArray versionOnly = "<CurrentVersion>1.3.0</CurrentVersion>";
    QTest::newRow("length smaller than the body: the download address past it is not read")
        << ok + "Content-Length: " + QByteArray::number(versionOnly.size()) + "\r\n\r\n" +
               versionOnly + "<DownloadURLOSX>" + check::Download.toUtf8() + "</DownloadURLOSX>"
        << "keep" << error(notADocument) << QString();
    const QByteArray current = "<CurrentVersion>1.2.0</CurrentVersion>";
    QTest::newRow("length smaller than the body: a current version, then a newer one")
        << ok + "Content-Length: " + QByteArray::number(current.size()) + "\r\n\r\n" + current +
               newer
        << "keep" << currentMessage << QString();
    QTest::newRow("no length, closed")
        << ok + "\r\n" + newer << "close" << QString() << check::Download;

    QTest::newRow("binary garbage instead of a reply")
        << garbage(4096, 1) << "keep" << error(106) << QString();
    QTest::newRow("binary garbage for the headers") << ok + garbage(4096, 2) + "\r\n\r\n"
                                                    << "keep" << error(106) << QString();
    QTest::newRow("binary garbage for the body")
        << check::Reply(garbage(64 * 1024, 3)) << "keep" << error(notADocument) << QString();
    QTest::newRow("NUL bytes in the status code")
        << QByteArray("HTTP/1.0 2\0\0 OK\r\n\r\n", 20) << "keep" << error(106) << QString();
    QTest::newRow("status line that never ends")
        << "HTTP/1.0 200 " + QByteArray(70 * 1024, 'x') << "keep" << error(tooLarge) << QString();
    QTest::newRow("header line that never ends")
        << ok + "X-Filler: " + QByteArray(70 * 1024, 'a') << "keep" << error(tooLarge) << QString();
    QTest::newRow("length beyond any number")
        << ok + "Content-Length: 99999999999999999999999999\r\n\r\n" + newer << "keep"
        << error(tooLarge) << QString();
    QTest::newRow("negative length")
        << ok + "Content-Length: -5\r\n\r\n" + newer << "keep" << error(106) << QString();
    QTest::newRow("two lengths that disagree")
        << ok + "Content-Length: 10\r\nContent-Length: 11\r\n\r\n" + newer << "keep" << error(106)
        << QString();
    QTest::newRow("chunked body") << ok +
                                         "Transfer-Encoding: chunked\r\n\r\n5\r\nhello\r\n0\r\n\r\n"
                                  << "keep" << error(106) << QString();
    QTest::newRow("redirect to a file address")
        << QByteArray("HTTP/1.0 301 Moved Permanently\r\nLocation: file:///etc/passwd\r\n"
                      "Content-Length: 0\r\n\r\n")
        << "keep" << error(301) << QString();

    QTest::newRow("tags only, repeated")
        << check::Reply(QByteArray("<CurrentVersion></CurrentVersion><Free>").repeated(2000))
        << "keep" << error(notADocument) << QString();
    QTest::newRow("start tags only, repeated")
        << check::Reply(QByteArray("<CurrentVersion><DownloadURLOSX>").repeated(2000)) << "keep"
        << error(notADocument) << QString();
    QTest::newRow("end tags only, repeated")
        << check::Reply(QByteArray("</CurrentVersion></DownloadURLOSX>").repeated(2000)) << "keep"
        << error(notADocument) << QString();
    QTest::newRow("nested tags")
        << check::Reply("<CurrentVersion><CurrentVersion>1.3.0</CurrentVersion></CurrentVersion>"
                        "<DownloadURLOSX><DownloadURLOSX>" +
                        check::Download.toUtf8() + "</DownloadURLOSX></DownloadURLOSX>")
        << "keep" << error(notADocument) << QString();
    QTest::newRow("overlapping tags")
        << check::Reply("<CurrentVersion>1.3<DownloadURLOSX>.0</CurrentVersion>"
                        "javascript:alert(1)</DownloadURLOSX>")
        << "keep" << error(notADocument) << QString();
    QTest::newRow("a download address but no version")
        << check::Reply("<DownloadURLOSX>" + check::Download.toUtf8() + "</DownloadURLOSX>")
        << "keep" << error(notADocument) << QString();
    const QByteArray badAddress = "http://www.quorvex.example/\xff\xfe.zip";
    QTest::newRow("download address with bytes that are not UTF-8")
        << check::Reply(versionOnly + "<DownloadURLOSX>" + badAddress + "</DownloadURLOSX>")
        << "keep" << QString() << QString::fromUtf8(badAddress);
    QTest::newRow("download scheme with a byte that is not UTF-8")
        << check::Reply(versionOnly +
                        "<DownloadURLOSX>ht\xfftp://www.quorvex.example/</DownloadURLOSX>")
        << "keep" << error(notADocument) << QString();
}

void TestHostilePeers::hostileReply() {
    QFETCH(QByteArray, reply);
    QFETCH(QString, then);
    QFETCH(QString, message);
    QFETCH(QString, opened);
    UpdateCheck c;
    c.platform.dialogAnswers = {fw::DialogButton::Action};
    c.answer = [&](QTcpSocket& s) {
        s.write(reply);
        s.flush();
        if (then == "close") s.disconnectFromHost();
        if (then == "reset") check::Reset(s);
        if (then == "reset later") QTimer::singleShot(100, &s, [&s] { check::Reset(s); });
    };
    QVERIFY(c.Run());

    QCOMPARE(c.request, check::Request);
    QCOMPARE(c.platform.messages, message.isEmpty() ? QStringList() : QStringList{message});
    QCOMPARE(c.platform.beeps, message.startsWith("There was a communication error") ? 1 : 0);
    QCOMPARE(c.platform.dialogs.size(), opened.isEmpty() ? 0u : 1u);
    QCOMPARE(c.platform.urls, opened.isEmpty() ? QStringList() : QStringList{opened});
    verifyOnlyWebAddresses(c.platform.urls);
    check::VerifyEnded(c);
}

void TestHostilePeers::unfinishedReplyWaitsForCancel_data() {
    QTest::addColumn<QByteArray>("reply");
    const QByteArray newer = check::Document("1.3.0");
    QTest::newRow("status line only") << ok;
    QTest::newRow("headers without their blank line") << ok + "Content-Type: text/xml\r\n";
    QTest::newRow("a whole document without a length, never closed") << ok + "\r\n" + newer;
    QTest::newRow("a whole document, but a larger length")
        << ok + "Content-Length: " + QByteArray::number(newer.size() + 1) + "\r\n\r\n" + newer;
}

// The server keeps the connection open and says no more: only Cancel ends the
// wait, and the client lets go of the connection then.
void TestHostilePeers::unfinishedReplyWaitsForCancel() {
    QFETCH(QByteArray, reply);
    UpdateCheck c;
    c.platform.dialogAnswers = {fw::DialogButton::Action};
    check::Look later;
    c.answer = [&](QTcpSocket& s) {
        s.write(reply);
        QTimer::singleShot(200, [&] {
            later = check::LookAt(c.platform);
            cancel();
        });
    };
    QVERIFY(c.Run());
    QVERIFY(later.visible);
    QCOMPARE(later.label, check::Waiting);
    QVERIFY(later.progressShown);
    QCOMPARE(later.progressMaximum, 0);
    c.Settle();
    check::VerifyNothingShown(c);
    check::VerifyEnded(c);
}

// One byte at a time, each in a read of its own: the reply is put together
// whole, and judged only once the server has closed.
void TestHostilePeers::slowTrickleCompletes() {
    UpdateCheck c;
    const QByteArray reply = ok + "\r\n<CurrentVersion>1.2</CurrentVersion>";
    std::unique_ptr<Trickle> trickle;
    qsizetype sentAtMessage = -1;
    c.answer = [&](QTcpSocket& s) { trickle = std::make_unique<Trickle>(s, reply, 40, true); };
    c.onModal = [&] { sentAtMessage = trickle->sent; };
    QVERIFY(c.Run());
    QCOMPARE(sentAtMessage, reply.size());
    QCOMPARE(c.platform.messages, QStringList{currentMessage});
    QCOMPARE(c.platform.beeps, 0);
    QCOMPARE(c.platform.urls, QStringList());
    check::VerifyEnded(c);
}

void TestHostilePeers::trickleCancelledMidway() {
    UpdateCheck c;
    const QByteArray reply = ok + "Content-Length: 5000\r\n\r\n" + QByteArray(5000, '<');
    std::unique_ptr<Trickle> trickle;
    c.answer = [&](QTcpSocket& s) {
        trickle = std::make_unique<Trickle>(s, reply, 20, false);
        trickle->timer.callOnTimeout([&] {
            if (trickle->sent == 10) cancel();
        });
    };
    QVERIFY(c.Run());
    c.Settle();
    // The server found the connection gone long before its reply was out.
    QVERIFY(trickle->sent < reply.size());
    QVERIFY(!trickle->timer.isActive());
    check::VerifyNothingShown(c);
    check::VerifyEnded(c);
}

void TestHostilePeers::floodIsRefusedEarly_data() {
    QTest::addColumn<bool>("lengthAnnounced");
    QTest::newRow("10 MB, its length announced") << true;
    QTest::newRow("10 MB, no length") << false;
}

// 10 MB streamed in chunks as fast as the client takes them: the client must
// give up once past 1 MiB and drop the connection, so the server sees it go
// long before the 10 MB are out.
void TestHostilePeers::floodIsRefusedEarly() {
    QFETCH(bool, lengthAnnounced);
    const qint64 total = 10 * 1000 * 1000;
    const QByteArray chunk = QByteArray("<CurrentVersion></CurrentVersion>").repeated(2000);
    UpdateCheck c;
    qint64 queued = 0, sent = 0, sentWhenDropped = -1;
    c.answer = [&](QTcpSocket& s) {
        const auto more = [&, socket = &s] {
            // Keep only a little queued, so what was sent is what the client took.
            while (sentWhenDropped < 0 && queued < total && socket->bytesToWrite() < chunk.size()) {
                const QByteArray piece =
                    chunk.left(qsizetype(std::min<qint64>(chunk.size(), total - queued)));
                socket->write(piece);
                queued += piece.size();
            }
        };
        const auto dropped = [&] {
            if (sentWhenDropped < 0) sentWhenDropped = sent;
        };
        connect(&s, &QTcpSocket::bytesWritten, &s, [&, more](qint64 n) {
            sent += n;
            more();
        });
        connect(&s, &QTcpSocket::errorOccurred, &s, dropped);
        connect(&s, &QTcpSocket::disconnected, &s, dropped);
        s.write(ok +
                (lengthAnnounced ? "Content-Length: " + QByteArray::number(total) + "\r\n"
                                 : QByteArray()) +
                "\r\n");
        more();
    };
    QVERIFY(c.Run());
    c.Settle();
    QCOMPARE(c.platform.messages, QStringList{check::CommunicationError(fw::http::ReplyTooLarge)});
    QCOMPARE(c.platform.beeps, 1);
    QCOMPARE(c.platform.urls, QStringList());
    QVERIFY(sentWhenDropped >= 0);
    QVERIFY2(sentWhenDropped < 3 * fw::http::MaximumReplySize,
             qPrintable(QString("%1 bytes were sent").arg(sentWhenDropped)));
    QVERIFY(queued < total);
    check::VerifyEnded(c);
}

// Bytes that are not UTF-8 become replacement characters, and the dialog
// shows them as plain text.
void TestHostilePeers::invalidUtf8IsShownAsReplacementCharacters() {
    // A lone continuation byte, an overlong '/', a cut sequence, a byte that is
    // never UTF-8 and an encoded surrogate, between good words.
    const QByteArray description =
        "Faster \x80 grids \xC0\xAF and \xE2\x82 timers \xFF and \xED\xA0\x80 more <b>.";
    UpdateCheck c;
    c.platform.dialogAnswers = {fw::DialogButton::Action};
    c.answer = check::AnswerAndClose(
        check::Reply("<CurrentVersion>1.3.0</CurrentVersion><Description>" + description +
                     "</Description><Free>Yes</Free><DownloadURLOSX>" + check::Download.toUtf8() +
                     "</DownloadURLOSX>"));
    QVERIFY(c.Run());
    QCOMPARE(c.platform.dialogs.size(), 1u);
    const QString explanation = c.platform.dialogs[0].explanation;
    QCOMPARE(explanation, QString::fromUtf8(description));
    QVERIFY(explanation.contains(QChar::ReplacementCharacter));
    QVERIFY(explanation.startsWith("Faster "));
    QVERIFY(explanation.endsWith(" more <b>."));
    QCOMPARE(c.platform.urls, QStringList{check::Download});
    verifyOnlyWebAddresses(c.platform.urls);
    check::VerifyEnded(c);

    // The real dialog, given the same request, shows the text as it is.
    QStringList shown;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box) return;
        for (QLabel* label : box->findChildren<QLabel*>()) {
            QTextDocument rendered;
            rendered.setHtml(label->text());
            shown << (label->textFormat() == Qt::PlainText ? label->text()
                                                           : rendered.toPlainText());
        }
        box->reject();
    });
    fw::QtPlatform().ShowMessageDialog(c.platform.dialogs[0]);
    QVERIFY(shown.contains(explanation));
}

QTEST_MAIN(TestHostilePeers)
#include "tst_hostilepeers.moc"
