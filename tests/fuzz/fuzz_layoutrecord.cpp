// Fuzz entry: a layout record applied to a plain target with a property of
// each type, and to a label in a window. A malformed record may only fail
// with LayoutRecordError.
#include "FuzzEntries.h"
#include "framework/Label.h"
#include "framework/Rectangle.h"
#include "framework/Window.h"

#include <memory>
#include <utility>

namespace fuzz {

namespace {

using fw::PropertyType;
using Entries = std::vector<std::pair<const char*, fw::PropertyValue>>;

class PlainTarget : public fw::PropertyTarget {
public:
    std::vector<fw::Property> Properties() override {
        std::vector<fw::Property> p;
        for (const auto& [name, type] : declared)
            p.push_back({name, type, [this, n = name](const fw::PropertyValue& v) {
                             entries.emplace_back(n, v);
                         }});
        p.push_back(fw::IgnoredProperty("Transparent", PropertyType::Boolean));
        return p;
    }

    Entries entries;

private:
    // Named like the label's own, so that one record reaches into both targets.
    static constexpr std::pair<const char*, PropertyType> declared[] = {
        {"Visible", PropertyType::Boolean},
        {"Left", PropertyType::Integer},
        {"TextColor", PropertyType::Color},
        {"Text", PropertyType::String}};
};

QByteArray Encode(const Entries& entries) {
    fw::LayoutRecord record;
    for (const auto& [name, value] : entries) {
        if (const bool* b = std::get_if<bool>(&value))
            record.Boolean(name, *b);
        else if (const qint32* i = std::get_if<qint32>(&value))
            record.Integer(name, *i);
        else if (const QColor* c = std::get_if<QColor>(&value))
            record.Color(name, c->rgb());
        else
            record.String(name, std::get<QString>(value));
    }
    return record.Bytes();
}

class FuzzWindow : public fw::Window {
public:
    QString ClassName() const override { return QStringLiteral("FuzzWindow"); }
};

// Whether the record applied; false when it failed as a malformed record.
bool Apply(fw::PropertyTarget& target, const QByteArray& record) {
    try {
        fw::SetProperties(target, record);
        return true;
    } catch (const fw::LayoutRecordError&) {
        return false;
    }
}

} // namespace

void LayoutRecord(QByteArrayView bytes) {
    const QByteArray record = bytes.toByteArray();

    PlainTarget plain;
    if (Apply(plain, record)) {
        // What was read, written again, reads the same.
        PlainTarget again;
        Expect(Apply(again, Encode(plain.entries)), "a re-encoded record applies");
        Expect(again.entries == plain.entries, "a re-encoded record reads the same values");
    }

    // A container for InitialParent to name, and the label itself.
    FuzzWindow window;
    window.AddControl(QStringLiteral("Frame1"), std::make_unique<fw::Rectangle>(window));
    auto owned = std::make_unique<fw::Label>(window);
    fw::Label& label = *owned;
    window.AddControl(QStringLiteral("Label1"), std::move(owned));
    Apply(label, record);
}

} // namespace fuzz
