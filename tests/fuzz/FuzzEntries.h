// The fuzz targets' entries: each reads one input as its reader would and
// throws Finding when an invariant of that reader breaks. The fuzzers and the
// regression test run inputs through them alike.
#pragma once

#include <QByteArrayView>
#include <stdexcept>

namespace fuzz {

class Finding : public std::logic_error {
public:
    using std::logic_error::logic_error;
};

inline void Expect(bool holds, const char* invariant) {
    if (!holds) throw Finding(invariant);
}

// The version document's tag reading and the version comparison.
void VersionDocument(QByteArrayView bytes);
// The HTTP reply reader, fed in pieces that the input chooses.
void HttpReply(QByteArrayView bytes);
// The layout record decoder on a plain target and on a label in a window;
// needs a QApplication.
void LayoutRecord(QByteArrayView bytes);

} // namespace fuzz
