// Reading a value of the version description document: the text between the
// first start tag of its name and the next end tag of the same name, as
// written. The document only looks like XML and is not parsed as such.
#include "framework/Text.h"
#include "update/updateWindow.h"

namespace Quorvex {

QString updateWindow::startTag(const QString& name) { return "<" + name + ">"; }

QString updateWindow::endTag(const QString& name) { return "</" + name + ">"; }

QString updateWindow::returnValue(const QString& document, const QString& name) {
    const int p = fw::InStr(document, startTag(name));
    const int s = p + fw::Len(startTag(name));
    const int e = fw::InStr(s, document, endTag(name));
    // A missing end tag makes the count negative, which gives the empty value.
    return fw::Mid(document, s, e - s);
}

bool updateWindow::SameVersion(const QString& version, int major, int minor, int bug) {
    const int running[3] = {major, minor, bug};
    for (int field = 1; field <= 3; ++field)
        if (fw::Val(fw::NthField(version, ".", field)) != double(running[field - 1])) return false;
    return true;
}

} // namespace Quorvex
