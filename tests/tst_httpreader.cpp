// The HTTP reply reader, fed whole, byte by byte and split in two at many points.
#include "framework/HttpErrors.h"
#include "framework/HttpReplyReader.h"

#include <QtTest>

using fw::HttpReplyReader;
namespace http = fw::http;

namespace {

QString Failed(int code) { return "failed " + QString::number(code); }

QString Describe(const HttpReplyReader& reader) {
    switch (reader.Progress()) {
    case HttpReplyReader::State::Incomplete:
        return "incomplete";
    case HttpReplyReader::State::Failed:
        return Failed(reader.FailureCode());
    case HttpReplyReader::State::Complete:
        break;
    }
    const QByteArray& body = reader.Body();
    return "complete " + QString::number(reader.Status()) + ' ' +
           (body.size() <= 64 ? QString::fromLatin1(body)
                              : '<' + QString::number(body.size()) + " bytes>");
}

const QByteArray ok = "HTTP/1.0 200 OK\r\n";

// A header section of exactly the given size, without Content-Length.
QByteArray HeaderOfSize(qsizetype size) {
    const QByteArray start = ok + "X-Padding: ";
    return start + QByteArray(size - start.size() - 4, 'a') + "\r\n\r\n";
}

} // namespace

class TestHttpReader : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void reply_data();
    void reply();
    void headersKeepOrderAndIgnoreCase();
};

void TestHttpReader::reply_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("closes");
    QTest::addColumn<QString>("expected");

    const QString lost = Failed(http::ConnectionLost);
    const QString bad = Failed(http::BadReply);
    const QString tooLarge = Failed(http::ReplyTooLarge);
    const qsizetype max = http::MaximumReplySize;

    QTest::newRow("length, left open")
        << ok + "Content-Length: 5\r\n\r\nhello" << false << "complete 200 hello";
    QTest::newRow("length, then closed")
        << ok + "Content-Length: 5\r\n\r\nhello" << true << "complete 200 hello";
    QTest::newRow("length, body still coming")
        << ok + "Content-Length: 10\r\n\r\nhello" << false << "incomplete";
    QTest::newRow("length larger than body, closed")
        << ok + "Content-Length: 10\r\n\r\nhello" << true << lost;
    QTest::newRow("length smaller than body: extra ignored")
        << ok + "Content-Length: 3\r\n\r\nhello" << false << "complete 200 hel";
    QTest::newRow("length zero") << ok + "Content-Length: 0\r\n\r\n" << false << "complete 200 ";
    QTest::newRow("length in any case")
        << ok + "content-LENGTH: 2\r\n\r\nhi!" << false << "complete 200 hi";
    QTest::newRow("same length twice")
        << ok + "Content-Length: 2\r\nContent-Length: 2\r\n\r\nhi" << false << "complete 200 hi";
    QTest::newRow("no length, closed")
        << ok + "Content-Type: text/xml\r\n\r\n<a/>" << true << "complete 200 <a/>";
    QTest::newRow("no length, left open")
        << ok + "Content-Type: text/xml\r\n\r\n<a/>" << false << "incomplete";
    QTest::newRow("no length, no body, closed") << ok + "\r\n" << true << "complete 200 ";
    QTest::newRow("bare LF lines")
        << QByteArray("HTTP/1.1 200 OK\nContent-Length: 2\n\nhi") << false << "complete 200 hi";
    QTest::newRow("mixed line ends") << ok + "Server: x\n\r\nhi" << true << "complete 200 hi";
    QTest::newRow("404 page") << QByteArray("HTTP/1.0 404 Not Found\r\nContent-Type: text/html\r\n"
                                            "\r\n<html>gone</html>")
                              << true << "complete 404 <html>gone</html>";
    QTest::newRow("status without reason")
        << QByteArray("HTTP/1.1 503\r\n\r\n") << true << "complete 503 ";

    QTest::newRow("closed before anything") << QByteArray() << true << lost;
    QTest::newRow("closed inside the status line") << QByteArray("HTTP/1.0 20") << true << lost;
    QTest::newRow("closed before headers end") << ok + "Content-Type: te" << true << lost;
    QTest::newRow("closed before the blank line") << ok + "Content-Length: 0\r\n" << true << lost;

    QTest::newRow("garbage without a line end") << QByteArray("<html><body>") << false << bad;
    QTest::newRow("garbage line") << QByteArray("SSH-2.0-OpenSSH_9.2\r\n") << false << bad;
    QTest::newRow("empty first line") << QByteArray("\r\nHTTP/1.0 200 OK\r\n\r\n") << false << bad;
    QTest::newRow("HTTP/2 status line") << QByteArray("HTTP/2 200 OK\r\n\r\n") << true << bad;
    QTest::newRow("letters in the code") << QByteArray("HTTP/1.0 2x0 OK\r\n\r\n") << true << bad;
    QTest::newRow("code too long") << QByteArray("HTTP/1.0 2000 OK\r\n\r\n") << true << bad;
    QTest::newRow("header without colon") << ok + "Server x\r\n\r\n" << true << bad;
    QTest::newRow("header without name") << ok + ": x\r\n\r\n" << true << bad;
    QTest::newRow("fold before any header") << ok + " x\r\n\r\n" << true << bad;
    QTest::newRow("chunked body") << ok + "Transfer-Encoding: chunked\r\n\r\n2\r\nhi\r\n0\r\n\r\n"
                                  << true << bad;
    for (const char* length : {"", "-1", "+5", "0x10", "5 5", "5,5", "five", "1e3"})
        QTest::addRow("bad length '%s'", length)
            << ok + "Content-Length: " + length + "\r\n\r\nhello" << true << bad;
    QTest::newRow("conflicting lengths")
        << ok + "Content-Length: 2\r\nContent-Length: 3\r\n\r\nhello" << false << bad;

    QTest::newRow("header section at the limit")
        << HeaderOfSize(HttpReplyReader::MaximumHeaderSize) + "hi" << true << "complete 200 hi";
    QTest::newRow("header section over the limit")
        << HeaderOfSize(HttpReplyReader::MaximumHeaderSize + 1) << false << tooLarge;
    QTest::newRow("header line that never ends")
        << ok + "X: " + QByteArray(HttpReplyReader::MaximumHeaderSize, 'a') << true << tooLarge;
    QTest::newRow("body at the limit, announced")
        << ok + "Content-Length: " + QByteArray::number(max) + "\r\n\r\n" + QByteArray(max, 'b')
        << false << "complete 200 <1048576 bytes>";
    QTest::newRow("body over the limit, announced")
        << ok + "Content-Length: " + QByteArray::number(max + 1) + "\r\n\r\n"
        << true << tooLarge;
    QTest::newRow("length beyond any integer")
        << ok + "Content-Length: 99999999999999999999999999\r\n\r\n"
        << false << tooLarge;
    QTest::newRow("body at the limit, streamed")
        << ok + "\r\n" + QByteArray(max, 'b') << true << "complete 200 <1048576 bytes>";
    QTest::newRow("body over the limit, streamed")
        << ok + "\r\n" + QByteArray(max + 1, 'b') << false << tooLarge;
}

void TestHttpReader::reply() {
    QFETCH(QByteArray, bytes);
    QFETCH(bool, closes);
    QFETCH(QString, expected);

    // Every way of cutting the bytes must give the same outcome.
    std::vector<std::pair<QString, std::vector<QByteArrayView>>> plans;
    plans.push_back({"whole", {bytes}});
    std::vector<QByteArrayView> single;
    for (qsizetype i = 0; i < bytes.size(); ++i)
        single.push_back(QByteArrayView(bytes).sliced(i, 1));
    plans.push_back({"byte by byte", single});
    const qsizetype step = std::max<qsizetype>(1, bytes.size() / 64);
    for (qsizetype at = 1; at < bytes.size(); at += step)
        plans.push_back({"split at " + QString::number(at),
                         {QByteArrayView(bytes).first(at), QByteArrayView(bytes).sliced(at)}});

    for (const auto& [how, chunks] : plans) {
        HttpReplyReader reader;
        for (const QByteArrayView chunk : chunks)
            reader.Feed(chunk);
        if (closes) reader.ServerClosed();
        QCOMPARE(how + ": " + Describe(reader), how + ": " + expected);
        if (reader.Progress() == HttpReplyReader::State::Failed)
            QVERIFY2(reader.Body().isEmpty(), "a failed reply keeps no body");
    }
}

void TestHttpReader::headersKeepOrderAndIgnoreCase() {
    HttpReplyReader reader;
    reader.Feed("HTTP/1.0 200 OK\r\nServer:  Test  \r\nset-cookie: a=1\r\nSet-Cookie: b=2\r\n"
                "X-Long: one\r\n\t two\r\nContent-Length: 0\r\n\r\n");
    QCOMPARE(reader.Progress(), HttpReplyReader::State::Complete);
    const fw::InternetHeaders& headers = reader.Headers();
    QCOMPARE(headers.Count(), 5);
    QStringList lines;
    for (int i = 0; i < headers.Count(); ++i)
        lines << headers.Name(i) + '=' + headers.Value(i);
    QCOMPARE(lines, QStringList({"Server=Test", "set-cookie=a=1", "Set-Cookie=b=2",
                                 "X-Long=one two", "Content-Length=0"}));
    QCOMPARE(headers.Value("SERVER"), "Test");
    QCOMPARE(headers.Value("Set-Cookie"), "a=1");
    QCOMPARE(headers.Value("Content-Type"), QString());
}

QTEST_MAIN(TestHttpReader)
#include "tst_httpreader.moc"
