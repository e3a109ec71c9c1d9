// Fuzz entry: a reply body read as the version description document, its four
// tags and the comparison of the version it names with 1.2.0.
#include "FuzzEntries.h"
#include "update/updateWindow.h"

namespace fuzz {

void VersionDocument(QByteArrayView bytes) {
    const QString document = QString::fromUtf8(bytes);
    for (const char* tag : {"CurrentVersion", "Description", "Free", "DownloadURLOSX"})
        Expect(document.contains(Quorvex::updateWindow::returnValue(document, tag)),
               "a tag's value is a piece of the document");
    const QString version = Quorvex::updateWindow::returnValue(document, "CurrentVersion");
    // A version text names one version at most.
    Expect(!(Quorvex::updateWindow::SameVersion(version, 1, 2, 0) &&
             Quorvex::updateWindow::SameVersion(version, 1, 2, 1)),
           "a version equals both 1.2.0 and 1.2.1");
    // The whole document too, so the comparison sees texts without tags.
    Quorvex::updateWindow::SameVersion(document, 1, 2, 0);
}

} // namespace fuzz
