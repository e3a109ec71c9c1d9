// Layout records: the byte strings that carry a window's or a control's fixed
// design settings. Each entry is an ASCII property name, one blank, and the
// value encoded by the type of the target's property of that name:
//   Boolean  1 byte (0 or 1)
//   Integer  4 bytes, signed, big-endian
//   Color    3 bytes: red, green, blue
//   String   4-byte unsigned big-endian byte count, then that many UTF-8 bytes
// The record holds nothing but entries: no count, separator or terminator.
#pragma once

#include <QByteArray>
#include <QColor>
#include <QString>
#include <functional>
#include <limits>
#include <stdexcept>
#include <variant>
#include <vector>

namespace fw {

enum class PropertyType { Boolean, Integer, Color, String };
using PropertyValue = std::variant<bool, qint32, QColor, QString>;

// The smallest Int32: an Index that says "not an element of a control array".
inline constexpr qint32 NoIndex = std::numeric_limits<qint32>::min();

struct Property {
    const char* name;
    PropertyType type;
    std::function<void(const PropertyValue&)> assign;
};

Property BoolProperty(const char* name, std::function<void(bool)> assign);
Property IntProperty(const char* name, std::function<void(qint32)> assign);
Property ColorProperty(const char* name, std::function<void(const QColor&)> assign);
Property StringProperty(const char* name, std::function<void(const QString&)> assign);
// A setting that only an original platform interpreted: decoded and dropped.
Property IgnoredProperty(const char* name, PropertyType type);

// Anything a layout record can be applied to.
class PropertyTarget {
public:
    virtual ~PropertyTarget() = default;
    virtual std::vector<Property> Properties() = 0;
};

// A malformed record is a programming error; the message names the property.
class LayoutRecordError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Builds a record entry by entry.
class LayoutRecord {
public:
    LayoutRecord& Boolean(const char* name, bool value);
    LayoutRecord& Integer(const char* name, qint32 value);
    LayoutRecord& Color(const char* name, QRgb value);
    LayoutRecord& String(const char* name, const QString& value);
    const QByteArray& Bytes() const { return bytes; }

private:
    void name(const char* propertyName);
    QByteArray bytes;
};

// Applies the record's entries to the target, first to last.
void SetProperties(PropertyTarget& target, const QByteArray& record);

} // namespace fw
