// Text and number helpers.
#include "framework/Text.h"

#include <cmath>

namespace fw {

QString Str(qint64 value) { return QString::number(value); }

double Val(const QString& text) {
    // The longest leading run that reads as a decimal number.
    int i = 0;
    const int n = text.size();
    while (i < n && text[i] == ' ')
        ++i;
    const int begin = i;
    if (i < n && (text[i] == '+' || text[i] == '-')) ++i;
    bool digits = false;
    while (i < n && text[i].isDigit() && text[i].unicode() < 128) {
        ++i;
        digits = true;
    }
    if (i < n && text[i] == '.') {
        ++i;
        while (i < n && text[i].isDigit() && text[i].unicode() < 128) {
            ++i;
            digits = true;
        }
    }
    if (!digits) return 0.0;
    if (i < n && (text[i] == 'e' || text[i] == 'E')) {
        int j = i + 1;
        if (j < n && (text[j] == '+' || text[j] == '-')) ++j;
        if (j < n && text[j].isDigit() && text[j].unicode() < 128) {
            while (j < n && text[j].isDigit() && text[j].unicode() < 128)
                ++j;
            i = j;
        }
    }
    bool ok = false;
    const double value = text.mid(begin, i - begin).toDouble(&ok);
    return ok && std::isfinite(value) ? value : 0.0;
}

QString Format(double value, const QString& pattern) {
    const int point = pattern.indexOf('.');
    const QString fraction = point < 0 ? QString() : pattern.mid(point + 1);
    const QString integer = point < 0 ? pattern : pattern.left(point);
    QString text = QString::number(value, 'f', int(fraction.size()));
    // Drop trailing zeros that stand under a '#' placeholder.
    if (!fraction.isEmpty()) {
        for (qsizetype k = fraction.size() - 1; k >= 0 && fraction[k] == '#'; --k) {
            if (!text.endsWith('0')) break;
            text.chop(1);
        }
        if (text.endsWith('.')) text.chop(1);
    }
    // A leading "0." stays only when the pattern asks for a digit before the point.
    if (!integer.contains('0')) {
        if (text.startsWith("0."))
            text.remove(0, 1);
        else if (text.startsWith("-0."))
            text.remove(1, 1);
    }
    return text;
}

QString NthField(const QString& text, const QString& separator, int n) {
    if (n < 1 || separator.isEmpty()) return {};
    const QStringList fields = text.split(separator);
    return n <= fields.size() ? fields[n - 1] : QString();
}

int InStr(int start, const QString& text, const QString& find) {
    if (start < 1) start = 1;
    if (start > text.size() + 1) return 0;
    const qsizetype at = text.indexOf(find, start - 1);
    return at < 0 ? 0 : int(at) + 1;
}

int InStr(const QString& text, const QString& find) { return InStr(1, text, find); }

QString Mid(const QString& text, int start, int count) {
    if (count <= 0 || start < 1 || start > text.size()) return {};
    return text.mid(start - 1, count);
}

int Len(const QString& text) { return int(text.size()); }

QColor RGB(int red, int green, int blue, int /*alpha*/) { return QColor(red, green, blue); }

} // namespace fw
