// The header lines of an HTTP reply, in the order they came, looked up by
// name without regard to case.
#pragma once

#include <QString>
#include <utility>
#include <vector>

namespace fw {

class InternetHeaders {
public:
    void Append(const QString& name, const QString& value);
    // Continues the last line's value (a folded header line).
    void ExtendLast(const QString& more);

    int Count() const { return int(lines.size()); }
    QString Name(int index) const;
    QString Value(int index) const;
    // The value of the first line of that name; empty when there is none.
    QString Value(const QString& name) const;

private:
    std::vector<std::pair<QString, QString>> lines;
};

} // namespace fw
