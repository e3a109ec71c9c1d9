// Text and number helpers with the program's conventions: character
// positions count from 1, and a search that finds nothing gives 0.
#pragma once

#include <QColor>
#include <QString>

namespace fw {

// Decimal text of an integer.
QString Str(qint64 value);
// The number at the start of the text (after leading blanks); 0 when there is none.
double Val(const QString& text);
// Formats by a pattern of '0' (digit always shown) and '#' (digit shown when
// not a trailing zero) placeholders around one optional '.'; "0.#0" gives 1.50.
QString Format(double value, const QString& pattern);
// Field n (from 1) of text split at separator; empty when there is no such field.
QString NthField(const QString& text, const QString& separator, int n);
// Position (from 1) of the first find at or after start, or 0.
int InStr(int start, const QString& text, const QString& find);
int InStr(const QString& text, const QString& find);
// count characters from position start (from 1); a negative count gives empty text.
QString Mid(const QString& text, int start, int count);
int Len(const QString& text);
// An opaque colour; the alpha argument is kept for the callers' form and must be 0.
QColor RGB(int red, int green, int blue, int alpha = 0);

} // namespace fw
