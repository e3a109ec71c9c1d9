// A property target for tests: it declares the properties it is given and
// logs every value that a layout record assigns to them, in order.
#pragma once

#include "framework/LayoutRecord.h"

#include <QStringList>
#include <utility>
#include <vector>

// Declares the given properties and logs every assignment, in order.
class PropertyRecorder : public fw::PropertyTarget {
public:
    explicit PropertyRecorder(std::vector<std::pair<const char*, fw::PropertyType>> declared)
        : types(std::move(declared)) {}

    std::vector<fw::Property> Properties() override {
        std::vector<fw::Property> p;
        for (const auto& [name, type] : types) {
            const QString n = QString::fromLatin1(name);
            p.push_back(
                {name, type, [this, n](const fw::PropertyValue& v) { log << n + '=' + text(v); }});
        }
        return p;
    }

    QStringList log;

private:
    static QString text(const fw::PropertyValue& v) {
        if (const bool* b = std::get_if<bool>(&v)) return *b ? "true" : "false";
        if (const qint32* i = std::get_if<qint32>(&v)) return QString::number(*i);
        if (const QColor* c = std::get_if<QColor>(&v)) return c->name();
        return std::get<QString>(v);
    }

    std::vector<std::pair<const char*, fw::PropertyType>> types;
};
