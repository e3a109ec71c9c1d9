// The HTTP client against a real server on 127.0.0.1 that host resolution
// points at: what goes over the wire, and which one event comes back.
#include "FakePlatform.h"
#include "TestWindow.h"
#include "framework/HTTPSocket.h"
#include "framework/Window.h"

#include <QPointer>
#include <QTcpServer>
#include <QTcpSocket>
#include <QtTest>
#include <sys/socket.h>

using fw::HTTPSocket;
namespace http = fw::http;

namespace {

const QString documentUrl = "http://www.quorvex.example/Updates/quorvex.xml";

// A web server that answers the first complete request as the test says.
class Peer : public QObject {
public:
    Peer() {
        server.listen(QHostAddress::LocalHost);
        connect(&server, &QTcpServer::newConnection, this, [this] {
            while (QTcpSocket* s = server.nextPendingConnection()) {
                connection = s;
                connect(s, &QTcpSocket::readyRead, this, [this, s] {
                    request += s->readAll();
                    if (!answered && request.contains("\r\n\r\n")) {
                        answered = true;
                        if (answer) answer(*s);
                    }
                });
            }
        });
    }
    fw::HostAndPort Address() const { return {"127.0.0.1", server.serverPort()}; }
    bool Gone() const {
        return connection && connection->state() == QAbstractSocket::UnconnectedState;
    }

    QTcpServer server;
    QPointer<QTcpSocket> connection;
    QByteArray request;
    bool answered = false;
    std::function<void(QTcpSocket&)> answer;
};

void Reset(QTcpSocket& s) {
    // Linger zero makes the close a reset.
    const linger hard{1, 0};
    setsockopt(int(s.socketDescriptor()), SOL_SOCKET, SO_LINGER, &hard, sizeof hard);
    s.abort();
}

// One socket in a window, with what it raised.
struct Rig {
    Rig() {
        socket = new HTTPSocket(*window);
        window->AddControl("hp", std::unique_ptr<fw::Control>(socket));
        platform.hosts["www.quorvex.example:80"] = peer.Address();
        socket->PageReceived = [this](const QString& u, int s, const fw::InternetHeaders& h,
                                      const QString& b) {
            ++pages;
            insideGet += getting;
            url = u, status = s, headers = h, body = b;
        };
        socket->Error = [this](int code) {
            ++errors;
            insideGet += getting;
            error = code;
        };
    }
    ~Rig() { delete window; }
    void Get(const QString& address) {
        getting = true;
        socket->Get(address);
        getting = false;
    }
    int Events() const { return pages + errors; }

    FakePlatform platform;
    Peer peer;
    QPointer<TestWindow> window = new TestWindow;
    HTTPSocket* socket;
    bool getting = false;
    int insideGet = 0, pages = 0, errors = 0, error = 0, status = 0;
    QString url, body;
    fw::InternetHeaders headers;
};

} // namespace

class TestHttpSocket : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void request_data();
    void request();
    void page_data();
    void page();
    void brokenReply_data();
    void brokenReply();
    void connectionRefused();
    void hostNotFound();
    void invalidAddress_data();
    void invalidAddress();
    void ownerClosedSilencesTheRequest();
    void secondGetAbandonsTheFirst();
    void secondGetDropsQueuedError();
    void closingTheWindowSilencesTheRequest();
};

void TestHttpSocket::request_data() {
    QTest::addColumn<QString>("url");
    QTest::addColumn<QString>("resolved");
    QTest::addColumn<QByteArray>("expected");
    const QByteArray tail = "\r\nAccept: */*\r\nAccept-Language: en\r\n\r\n";
    QTest::newRow("document") << documentUrl << "www.quorvex.example:80"
                              << "GET /Updates/quorvex.xml HTTP/1.0\r\nHost: www.quorvex.example" +
                                     tail;
    QTest::newRow("root without slash") << "http://www.quorvex.example"
                                        << "www.quorvex.example:80"
                                        << "GET / HTTP/1.0\r\nHost: www.quorvex.example" + tail;
    QTest::newRow("port 80 named") << "http://www.quorvex.example:80/a"
                                   << "www.quorvex.example:80"
                                   << "GET /a HTTP/1.0\r\nHost: www.quorvex.example" + tail;
    QTest::newRow("other port, query, fragment")
        << "http://other.example:8080/a/b?x=1&y=%20#part"
        << "other.example:8080"
        << "GET /a/b?x=1&y=%20 HTTP/1.0\r\nHost: other.example:8080" + tail;
}

void TestHttpSocket::request() {
    QFETCH(QString, url);
    QFETCH(QString, resolved);
    QFETCH(QByteArray, expected);
    Rig rig;
    rig.platform.hosts[resolved] = rig.peer.Address();
    rig.Get(url);
    QTRY_VERIFY(rig.peer.answered);
    QCOMPARE(rig.peer.request, expected);
    QCOMPARE(rig.Events(), 0);
}

void TestHttpSocket::page_data() {
    QTest::addColumn<QByteArray>("reply");
    QTest::addColumn<bool>("serverCloses");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("body");
    QTest::addColumn<QString>("contentType");
    QTest::newRow("length, left open")
        << QByteArray("HTTP/1.0 200 OK\r\nContent-Type: text/xml\r\nContent-Length: 14\r\n\r\n"
                      "<v>1.3.0</v>\r\n")
        << false << 200 << "<v>1.3.0</v>\r\n"
        << "text/xml";
    QTest::newRow("no length, closed")
        << QByteArray("HTTP/1.0 200 OK\r\ncontent-type: text/xml\r\n\r\n<v>1.3.0</v>") << true
        << 200 << "<v>1.3.0</v>"
        << "text/xml";
    QTest::newRow("404 page")
        << QByteArray("HTTP/1.0 404 Not Found\r\nContent-Type: text/html\r\n\r\n<h1>Gone</h1>")
        << true << 404 << "<h1>Gone</h1>"
        << "text/html";
    QTest::newRow("UTF-8 body")
        << QByteArray("HTTP/1.1 200 OK\r\nContent-Length: 7\r\n\r\nS\xc3\xbc\xc3\x9f!!") << false
        << 200 << QString::fromUtf8("Süß!!") << QString();
    QTest::newRow("empty body") << QByteArray("HTTP/1.0 200 OK\r\nContent-Length: 0\r\n\r\n")
                                << false << 200 << QString() << QString();
}

void TestHttpSocket::page() {
    QFETCH(QByteArray, reply);
    QFETCH(bool, serverCloses);
    QFETCH(int, status);
    QFETCH(QString, body);
    QFETCH(QString, contentType);
    Rig rig;
    rig.peer.answer = [&](QTcpSocket& s) {
        s.write(reply);
        if (serverCloses) s.disconnectFromHost();
    };
    rig.Get(documentUrl);
    QCOMPARE(rig.Events(), 0);
    QTRY_COMPARE(rig.pages, 1);
    QCOMPARE(rig.url, documentUrl);
    QCOMPARE(rig.status, status);
    QCOMPARE(rig.body, body);
    QCOMPARE(rig.headers.Value("Content-Type"), contentType);
    // Once the page is in, the client hangs up; nothing more may come.
    QTRY_VERIFY(rig.peer.Gone());
    QCoreApplication::processEvents();
    QCOMPARE(rig.Events(), 1);
    QCOMPARE(rig.insideGet, 0);
}

void TestHttpSocket::brokenReply_data() {
    QTest::addColumn<QByteArray>("reply");
    QTest::addColumn<QString>("then");
    QTest::addColumn<int>("error");
    const QByteArray header = "HTTP/1.0 200 OK\r\nContent-Length: 100\r\n\r\n";
    QTest::newRow("closed mid-body") << header + "<v>1."
                                     << "close" << int(http::ConnectionLost);
    QTest::newRow("reset mid-body") << header + "<v>1."
                                    << "reset" << int(http::ConnectionLost);
    QTest::newRow("closed mid-header")
        << QByteArray("HTTP/1.0 200 OK\r\nContent-") << "close" << int(http::ConnectionLost);
    QTest::newRow("closed without a word") << QByteArray() << "close" << int(http::ConnectionLost);
    QTest::newRow("not HTTP") << QByteArray("SSH-2.0-OpenSSH_9.2\r\n") << "keep"
                              << int(http::BadReply);
    QTest::newRow("announced too large")
        << QByteArray("HTTP/1.0 200 OK\r\nContent-Length: 2000000\r\n\r\n") << "keep"
        << int(http::ReplyTooLarge);
}

void TestHttpSocket::brokenReply() {
    QFETCH(QByteArray, reply);
    QFETCH(QString, then);
    QFETCH(int, error);
    Rig rig;
    rig.peer.answer = [&](QTcpSocket& s) {
        s.write(reply);
        s.flush();
        if (then == "close")
            s.disconnectFromHost();
        else if (then == "reset")
            Reset(s);
    };
    rig.Get(documentUrl);
    QTRY_COMPARE(rig.errors, 1);
    QCOMPARE(rig.error, error);
    QTRY_VERIFY(rig.peer.Gone());
    QCoreApplication::processEvents();
    QCOMPARE(rig.Events(), 1);
    QCOMPARE(rig.insideGet, 0);
}

void TestHttpSocket::connectionRefused() {
    Rig rig;
    // A port that was free a moment ago.
    rig.peer.server.close();
    rig.Get(documentUrl);
    QCOMPARE(rig.Events(), 0);
    QTRY_COMPARE(rig.errors, 1);
    QCOMPARE(rig.error, int(http::ConnectionRefused));
    QCoreApplication::processEvents();
    QCOMPARE(rig.Events(), 1);
}

void TestHttpSocket::hostNotFound() {
    Rig rig;
    rig.platform.hosts["www.quorvex.example:80"] = {"no-such-host.invalid", 80};
    rig.Get(documentUrl);
    QCOMPARE(rig.Events(), 0);
    QTRY_COMPARE_WITH_TIMEOUT(rig.errors, 1, 30000);
    QCOMPARE(rig.error, int(http::HostNotFound));
}

void TestHttpSocket::invalidAddress_data() {
    QTest::addColumn<QString>("url");
    QTest::newRow("https") << "https://www.quorvex.example/Updates/quorvex.xml";
    QTest::newRow("ftp") << "ftp://www.quorvex.example/";
    QTest::newRow("no scheme") << "www.quorvex.example/Updates/quorvex.xml";
    QTest::newRow("no host") << "http:///Updates/quorvex.xml";
    QTest::newRow("mail") << "mailto:author@quorvex.example";
    QTest::newRow("empty") << "";
    QTest::newRow("bad port") << "http://www.quorvex.example:99999/";
}

void TestHttpSocket::invalidAddress() {
    QFETCH(QString, url);
    Rig rig;
    rig.Get(url);
    QCOMPARE(rig.Events(), 0);
    QTRY_COMPARE(rig.errors, 1);
    QCOMPARE(rig.error, int(http::InvalidAddress));
    QCOMPARE(rig.insideGet, 0);
    QCOMPARE(rig.peer.connection, nullptr);
}

void TestHttpSocket::ownerClosedSilencesTheRequest() {
    Rig rig;
    rig.Get(documentUrl);
    QTRY_VERIFY(rig.peer.answered);
    rig.socket->OwnerClosed();
    rig.peer.connection->write("HTTP/1.0 200 OK\r\nContent-Length: 2\r\n\r\nhi");
    rig.peer.connection->disconnectFromHost();
    QTRY_VERIFY(rig.peer.Gone());
    QTest::qWait(50);
    QCOMPARE(rig.Events(), 0);
}

void TestHttpSocket::secondGetAbandonsTheFirst() {
    Rig rig;
    Peer second;
    rig.platform.hosts["second.example:80"] = second.Address();
    second.answer = [](QTcpSocket& s) {
        s.write("HTTP/1.0 200 OK\r\n\r\nsecond");
        s.disconnectFromHost();
    };
    rig.Get(documentUrl);
    QTRY_VERIFY(rig.peer.answered);
    rig.Get("http://second.example/");
    QTRY_COMPARE(rig.pages, 1);
    QCOMPARE(rig.url, "http://second.example/");
    QCOMPARE(rig.body, "second");
    // The first server answers late, to a client that has hung up.
    rig.peer.connection->write("HTTP/1.0 200 OK\r\n\r\nfirst");
    rig.peer.connection->disconnectFromHost();
    QTRY_VERIFY(rig.peer.Gone());
    QTest::qWait(50);
    QCOMPARE(rig.Events(), 1);
}

// An error queued for an abandoned request must not reach the handler.
void TestHttpSocket::secondGetDropsQueuedError() {
    Rig rig;
    rig.peer.answer = [](QTcpSocket& s) {
        s.write("HTTP/1.0 200 OK\r\n\r\nok");
        s.disconnectFromHost();
    };
    rig.Get("ftp://www.quorvex.example/");
    rig.Get(documentUrl);
    QTRY_COMPARE(rig.pages, 1);
    QCOMPARE(rig.errors, 0);

    rig.Get("ftp://www.quorvex.example/");
    rig.socket->OwnerClosed();
    QCoreApplication::processEvents();
    QTest::qWait(50);
    QCOMPARE(rig.Events(), 1);
}

// Closing the update window while its request runs must have no later effect.
void TestHttpSocket::closingTheWindowSilencesTheRequest() {
    Rig rig;
    rig.window->Constructor();
    rig.Get(documentUrl);
    QTRY_VERIFY(rig.peer.answered);
    rig.window->Close();
    rig.peer.connection->write("HTTP/1.0 200 OK\r\n\r\nlate");
    rig.peer.connection->disconnectFromHost();
    QTRY_VERIFY(rig.peer.Gone());
    QTRY_VERIFY(!rig.window);
    QCOMPARE(rig.Events(), 0);
}

QTEST_MAIN(TestHttpSocket)
#include "tst_httpsocket.moc"
