// Reply header lines.
#include "framework/InternetHeaders.h"

namespace fw {

void InternetHeaders::Append(const QString& name, const QString& value) {
    lines.emplace_back(name, value);
}

void InternetHeaders::ExtendLast(const QString& more) {
    if (lines.empty()) return;
    QString& value = lines.back().second;
    value = value.isEmpty() ? more : value + ' ' + more;
}

QString InternetHeaders::Name(int index) const {
    return index >= 0 && index < Count() ? lines[size_t(index)].first : QString();
}

QString InternetHeaders::Value(int index) const {
    return index >= 0 && index < Count() ? lines[size_t(index)].second : QString();
}

QString InternetHeaders::Value(const QString& name) const {
    for (const auto& [n, v] : lines)
        if (n.compare(name, Qt::CaseInsensitive) == 0) return v;
    return QString();
}

} // namespace fw
