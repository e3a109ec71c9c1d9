// The incremental HTTP reply reader.
#include "framework/HttpReplyReader.h"

#include "framework/HttpErrors.h"

#include <algorithm>

namespace fw {

namespace {

// A plain non-negative decimal, or -1. Values past the reply limit stop
// growing there, so no digit string can overflow.
qint64 DecimalLength(QByteArrayView text) {
    if (text.isEmpty()) return -1;
    qint64 n = 0;
    for (const char c : text) {
        if (c < '0' || c > '9') return -1;
        n = std::min<qint64>(n * 10 + (c - '0'), http::MaximumReplySize + 1);
    }
    return n;
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

} // namespace

void HttpReplyReader::Feed(QByteArrayView bytes) {
    if (state == State::Incomplete && !headersRead) bytes = FeedHeader(bytes);
    if (state == State::Incomplete && headersRead) FeedBody(bytes);
}

void HttpReplyReader::ServerClosed() {
    if (state != State::Incomplete) return;
    // Without a length only the close ends the body; with one, the close
    // came too early.
    if (!headersRead || contentLength >= 0)
        Fail(http::ConnectionLost);
    else
        state = State::Complete;
}

QByteArrayView HttpReplyReader::FeedHeader(QByteArrayView bytes) {
    static constexpr QByteArrayView protocol("HTTP/");
    while (!bytes.isEmpty() && state == State::Incomplete && !headersRead) {
        const qsizetype newline = bytes.indexOf('\n');
        const qsizetype take = newline < 0 ? bytes.size() : newline + 1;
        if (take > MaximumHeaderSize - headerSize) {
            Fail(http::ReplyTooLarge);
            return {};
        }
        headerSize += take;
        line.append(bytes.first(take));
        bytes = bytes.sliced(take);
        // Something that is no HTTP reply fails at once, not at 64 KiB.
        if (!statusRead && !protocol.startsWith(
                               QByteArrayView(line).first(std::min(line.size(), protocol.size()))))
            Fail(http::BadReply);
        else if (newline >= 0)
            EndOfLine();
    }
    return bytes;
}

void HttpReplyReader::FeedBody(QByteArrayView bytes) {
    if (contentLength >= 0) {
        const qint64 missing = contentLength - body.size();
        body.append(bytes.first(std::min<qint64>(bytes.size(), missing)));
        if (body.size() == contentLength) state = State::Complete;
    } else if (bytes.size() > http::MaximumReplySize - body.size()) {
        Fail(http::ReplyTooLarge);
    } else {
        body.append(bytes);
    }
}

void HttpReplyReader::EndOfLine() {
    QByteArrayView text(line);
    text.chop(1);
    if (text.endsWith('\r')) text.chop(1);
    bool good = true;
    if (!statusRead)
        good = statusRead = ReadStatusLine(text);
    else if (text.isEmpty())
        headersRead = true;
    else
        good = ReadHeaderLine(text);
    line.clear();
    if (!good)
        Fail(http::BadReply);
    else if (headersRead)
        EndOfHeaders();
}

bool HttpReplyReader::ReadStatusLine(QByteArrayView text) {
    // "HTTP/1.x NNN reason"; the reason may be empty or missing.
    static constexpr QByteArrayView version("HTTP/1.");
    if (!text.startsWith(version)) return false;
    qsizetype i = version.size();
    const qsizetype minorStart = i;
    while (i < text.size() && IsDigit(text[i]))
        ++i;
    if (i == minorStart || i + 4 > text.size() || text[i] != ' ') return false;
    const QByteArrayView code = text.sliced(i + 1, 3);
    if (!std::all_of(code.begin(), code.end(), IsDigit)) return false;
    i += 4;
    if (i < text.size() && text[i] != ' ') return false;
    status = code.toInt();
    return true;
}

bool HttpReplyReader::ReadHeaderLine(QByteArrayView text) {
    // A line that starts with a blank continues the one before it.
    if (text.startsWith(' ') || text.startsWith('\t')) {
        if (headers.Count() == 0) return false;
        headers.ExtendLast(QString::fromLatin1(text.trimmed()));
        return true;
    }
    const qsizetype colon = text.indexOf(':');
    if (colon <= 0) return false;
    const QByteArrayView name = text.first(colon).trimmed();
    if (name.isEmpty()) return false;
    headers.Append(QString::fromLatin1(name),
                   QString::fromLatin1(text.sliced(colon + 1).trimmed()));
    return true;
}

void HttpReplyReader::EndOfHeaders() {
    for (int i = 0; i < headers.Count(); ++i) {
        const QString name = headers.Name(i);
        const QByteArray value = headers.Value(i).toLatin1();
        // A chunked body cannot be told from its framing here; HTTP/1.0 has none.
        if (name.compare("Transfer-Encoding", Qt::CaseInsensitive) == 0 &&
            value.compare("identity", Qt::CaseInsensitive) != 0)
            return Fail(http::BadReply);
        if (name.compare("Content-Length", Qt::CaseInsensitive) == 0) {
            const qint64 length = DecimalLength(value);
            if (length < 0 || (contentLength >= 0 && length != contentLength))
                return Fail(http::BadReply);
            contentLength = length;
        }
    }
    if (contentLength > http::MaximumReplySize) return Fail(http::ReplyTooLarge);
    if (contentLength >= 0) body.reserve(contentLength);
    if (contentLength == 0) state = State::Complete;
}

void HttpReplyReader::Fail(int code) {
    state = State::Failed;
    failure = code;
    line.clear();
    body.clear();
}

} // namespace fw
