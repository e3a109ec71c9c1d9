// Reads an HTTP reply from the bytes as they arrive, with no networking of its
// own: the status line, the header lines, then a body of Content-Length bytes
// or, without one, whatever comes until the server closes. Its buffers are
// bounded, so a hostile server can make it fail but not grow.
#pragma once

#include "framework/InternetHeaders.h"

#include <QByteArray>
#include <QByteArrayView>

namespace fw {

class HttpReplyReader {
public:
    enum class State { Incomplete, Complete, Failed };
    // The status line, the header lines and the blank line together.
    static constexpr qsizetype MaximumHeaderSize = 64 * 1024;

    void Feed(QByteArrayView bytes);
    void ServerClosed();

    State Progress() const { return state; }
    // One of the error codes of HttpErrors.h once Failed.
    int FailureCode() const { return failure; }
    int Status() const { return status; }
    const InternetHeaders& Headers() const { return headers; }
    const QByteArray& Body() const { return body; }

private:
    QByteArrayView FeedHeader(QByteArrayView bytes);
    void FeedBody(QByteArrayView bytes);
    void EndOfLine();
    bool ReadStatusLine(QByteArrayView line);
    bool ReadHeaderLine(QByteArrayView line);
    void EndOfHeaders();
    void Fail(int code);

    State state = State::Incomplete;
    int failure = 0;
    bool statusRead = false;
    bool headersRead = false;
    qsizetype headerSize = 0;
    QByteArray line; // the header line being read
    int status = 0;
    InternetHeaders headers;
    qint64 contentLength = -1; // none announced
    QByteArray body;
};

} // namespace fw
