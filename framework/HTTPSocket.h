// An asynchronous HTTP/1.0 client for one GET at a time. Get() returns at
// once; later exactly one of PageReceived or Error is raised on the main
// thread (neither while a reply stays incomplete), Error with one of the
// codes in HttpErrors.h. Host names resolve through the platform seam, so
// tests can point them at a local server.
#pragma once

#include "framework/Control.h"
#include "framework/HttpErrors.h"
#include "framework/InternetHeaders.h"

#include <QByteArray>
#include <QObject>
#include <memory>

class QTcpSocket;

namespace fw {

class HttpReplyReader;

class HTTPSocket : public Control {
public:
    explicit HTTPSocket(Window& ownerWindow);
    ~HTTPSocket() override;

    // Starts a GET of the address; a request still under way is abandoned.
    void Get(const QString& url);

    // The address requested, the status code, the headers and the body (UTF-8).
    std::function<void(const QString& url, int status, const InternetHeaders& headers,
                       const QString& body)>
        PageReceived;
    std::function<void(int code)> Error;

    std::vector<Property> Properties() override;
    void OwnerClosed() override;

private:
    // The request exactly as it is sent.
    static QByteArray RequestFor(const QString& host, const QString& path);
    void Abandon();
    void Finish();
    void Fail(int code);
    // Closes the connection and forgets the reply; a queued event stays.
    void Drop();
    // Raises an event later from the event loop, unless the request is abandoned first.
    void Post(std::function<void()> event);
    void Received();
    void SocketFailed(int error);
    void Judge();

    std::unique_ptr<QTcpSocket> socket;
    std::unique_ptr<HttpReplyReader> reader;
    QString requestedUrl;
    // The context of the socket's signals and of queued events.
    QObject events;
    // Counts requests, so that a queued event of an abandoned one is dropped.
    quint64 requestNumber = 0;
    bool connected = false;
};

} // namespace fw
