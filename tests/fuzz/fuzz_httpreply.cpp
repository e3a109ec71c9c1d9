// Fuzz entry: an HTTP reply fed to the reply reader in pieces that the input
// chooses, then the server's close.
//
// Input: a count n, a repeat r, n piece lengths, then the reply's bytes. The
// reader gets n pieces of those lengths, then what is left, 1 + 4 r times
// over, so that a small input can still pass the reply size limit.
#include "FuzzEntries.h"
#include "framework/HTTPSocket.h"
#include "framework/HttpReplyReader.h"

#include <algorithm>
#include <optional>

namespace fuzz {

namespace {

using fw::HttpReplyReader;
using State = HttpReplyReader::State;

struct Outcome {
    State state;
    int failure;
    int status;
    QByteArray body;
    bool operator==(const Outcome& o) const {
        // A body the reader left alone is still shared: no need to compare a megabyte per step.
        return state == o.state && failure == o.failure && status == o.status &&
               (body.constData() == o.body.constData() ? body.size() == o.body.size()
                                                       : body == o.body);
    }
};

Outcome OutcomeOf(const HttpReplyReader& reader) {
    return {reader.Progress(), reader.FailureCode(), reader.Status(), reader.Body()};
}

// Checks what must hold after every step, and that an outcome, once reached, stays.
void Step(HttpReplyReader& reader, std::optional<Outcome>& reached) {
    Expect(reader.Body().size() <= fw::http::MaximumReplySize,
           "the body stays within the reply size limit");
    const Outcome now = OutcomeOf(reader);
    if (reached)
        Expect(now == *reached, "an outcome never changes once reached");
    else if (now.state != State::Incomplete)
        reached = now;
    Expect((now.state == State::Failed) == (now.failure != 0),
           "a failure code comes with a failure and only with one");
}

bool SameHeaders(const fw::InternetHeaders& a, const fw::InternetHeaders& b) {
    if (a.Count() != b.Count()) return false;
    for (int i = 0; i < a.Count(); ++i)
        if (a.Name(i) != b.Name(i) || a.Value(i) != b.Value(i)) return false;
    return true;
}

} // namespace

void HttpReply(QByteArrayView bytes) {
    if (bytes.size() < 2) return;
    const qsizetype count = std::min<qsizetype>(quint8(bytes[0]), bytes.size() - 2);
    const int repeat = quint8(bytes[1]);
    const QByteArrayView lengths = bytes.sliced(2, count);
    QByteArrayView reply = bytes.sliced(2 + count);

    HttpReplyReader reader;
    std::optional<Outcome> reached;
    QByteArray stream;
    for (const char length : lengths) {
        const QByteArrayView piece = reply.first(std::min<qsizetype>(quint8(length), reply.size()));
        reply = reply.sliced(piece.size());
        stream += piece;
        reader.Feed(piece);
        Step(reader, reached);
    }
    // Enough repeats to pass the limit, and not so many that one input takes long.
    const qsizetype cap = 2 * fw::http::MaximumReplySize;
    const qsizetype times =
        reply.isEmpty() ? 1 : std::min<qsizetype>(1 + 4 * repeat, 1 + cap / reply.size());
    for (qsizetype i = 0; i < times; ++i) {
        stream += reply;
        reader.Feed(reply);
        Step(reader, reached);
    }
    reader.ServerClosed();
    Step(reader, reached);
    Expect(reader.Progress() != State::Incomplete, "the server's close ends every reply");

    // How the bytes were split cannot decide whether the reply is good, nor what it holds.
    HttpReplyReader whole;
    whole.Feed(stream);
    whole.ServerClosed();
    Expect(whole.Progress() == reader.Progress(), "the split does not change the outcome");
    if (whole.Progress() == State::Complete) {
        Expect(whole.Status() == reader.Status() && whole.Body() == reader.Body(),
               "the split does not change the status or the body");
        Expect(SameHeaders(whole.Headers(), reader.Headers()),
               "the split does not change the headers");
    }
}

} // namespace fuzz
