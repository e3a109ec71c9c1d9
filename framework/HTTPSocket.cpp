// The HTTP client: our own HTTP/1.0 GET over a TCP socket.
#include "framework/HTTPSocket.h"

#include "framework/HttpReplyReader.h"
#include "framework/Platform.h"

#include <QTcpSocket>
#include <QUrl>

namespace fw {

HTTPSocket::HTTPSocket(Window& ownerWindow) : Control(ownerWindow) {}

HTTPSocket::~HTTPSocket() {
    // Never called from inside one of the socket's signals: events reach
    // user code only through the event loop.
    if (socket) socket->disconnect();
    socket.reset();
}

void HTTPSocket::Get(const QString& url) {
    Abandon();
    requestedUrl = url;
    const QUrl address(url);
    if (!address.isValid() || address.scheme() != "http" || address.host().isEmpty())
        return Fail(http::InvalidAddress);

    const int port = address.port(80);
    QString host = address.host(QUrl::FullyEncoded);
    if (host.contains(':')) host = '[' + host + ']';
    if (port != 80) host += ':' + QString::number(port);
    QString path = address.path(QUrl::FullyEncoded);
    if (path.isEmpty()) path = "/";
    if (address.hasQuery()) path += '?' + address.query(QUrl::FullyEncoded);

    reader = std::make_unique<HttpReplyReader>();
    socket = std::make_unique<QTcpSocket>();
    QObject::connect(socket.get(), &QTcpSocket::connected, &events,
                     [this, request = RequestFor(host, path)] {
                         connected = true;
                         socket->write(request);
                     });
    QObject::connect(socket.get(), &QTcpSocket::readyRead, &events, [this] { Received(); });
    QObject::connect(socket.get(), &QTcpSocket::errorOccurred, &events,
                     [this](QAbstractSocket::SocketError error) { SocketFailed(error); });
    const HostAndPort target = Platform::Current().Resolve(address.host(), quint16(port));
    // Qt may report a failure from inside connectToHost; that only queues the event.
    socket->connectToHost(target.host, target.port);
}

QByteArray HTTPSocket::RequestFor(const QString& host, const QString& path) {
    return "GET " + path.toLatin1() + " HTTP/1.0\r\nHost: " + host.toLatin1() +
           "\r\nAccept: */*\r\nAccept-Language: en\r\n\r\n";
}

void HTTPSocket::Abandon() {
    ++requestNumber;
    Drop();
}

void HTTPSocket::Drop() {
    reader.reset();
    connected = false;
    if (!socket) return;
    socket->disconnect();
    socket->abort();
    // We may be inside one of its signals.
    socket.release()->deleteLater();
}

void HTTPSocket::Post(std::function<void()> event) {
    QMetaObject::invokeMethod(
        &events,
        [this, number = requestNumber, event = std::move(event)] {
            if (number == requestNumber) event();
        },
        Qt::QueuedConnection);
}

void HTTPSocket::Finish() {
    Post([this, status = reader->Status(), headers = reader->Headers(),
          body = QString::fromUtf8(reader->Body())] {
        // The handler may replace the handler.
        if (auto handler = PageReceived) handler(requestedUrl, status, headers, body);
    });
    Drop();
}

void HTTPSocket::Fail(int code) {
    Drop();
    Post([this, code] {
        if (auto handler = Error) handler(code);
    });
}

void HTTPSocket::Received() {
    reader->Feed(socket->readAll());
    Judge();
}

void HTTPSocket::Judge() {
    switch (reader->Progress()) {
    case HttpReplyReader::State::Complete:
        return Finish();
    case HttpReplyReader::State::Failed:
        return Fail(reader->FailureCode());
    case HttpReplyReader::State::Incomplete:
        return;
    }
}

void HTTPSocket::SocketFailed(int error) {
    switch (error) {
    case QAbstractSocket::HostNotFoundError:
        return Fail(http::HostNotFound);
    case QAbstractSocket::ConnectionRefusedError:
        return Fail(http::ConnectionRefused);
    case QAbstractSocket::RemoteHostClosedError:
        reader->Feed(socket->readAll());
        reader->ServerClosed();
        return Judge();
    default:
        return Fail(connected ? http::ConnectionLost : http::NetworkFailure);
    }
}

std::vector<Property> HTTPSocket::Properties() {
    std::vector<Property> p = Control::Properties();
    // Get takes the host and the port from its address.
    p.push_back(IgnoredProperty("yield", PropertyType::Boolean));
    p.push_back(IgnoredProperty("Port", PropertyType::Integer));
    p.push_back(IgnoredProperty("Address", PropertyType::String));
    return p;
}

void HTTPSocket::OwnerClosed() { Abandon(); }

} // namespace fw
