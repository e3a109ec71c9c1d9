// Encoding and decoding of layout records.
#include "framework/LayoutRecord.h"

#include <QtEndian>

namespace fw {

Property BoolProperty(const char* name, std::function<void(bool)> assign) {
    return {name, PropertyType::Boolean,
            [assign](const PropertyValue& v) { assign(std::get<bool>(v)); }};
}

Property IntProperty(const char* name, std::function<void(qint32)> assign) {
    return {name, PropertyType::Integer,
            [assign](const PropertyValue& v) { assign(std::get<qint32>(v)); }};
}

Property ColorProperty(const char* name, std::function<void(const QColor&)> assign) {
    return {name, PropertyType::Color,
            [assign](const PropertyValue& v) { assign(std::get<QColor>(v)); }};
}

Property StringProperty(const char* name, std::function<void(const QString&)> assign) {
    return {name, PropertyType::String,
            [assign](const PropertyValue& v) { assign(std::get<QString>(v)); }};
}

Property IgnoredProperty(const char* name, PropertyType type) {
    return {name, type, [](const PropertyValue&) {}};
}

void LayoutRecord::name(const char* propertyName) {
    bytes.append(propertyName);
    bytes.append(' ');
}

LayoutRecord& LayoutRecord::Boolean(const char* propertyName, bool value) {
    name(propertyName);
    bytes.append(char(value ? 1 : 0));
    return *this;
}

LayoutRecord& LayoutRecord::Integer(const char* propertyName, qint32 value) {
    name(propertyName);
    char be[4];
    qToBigEndian(value, be);
    bytes.append(be, 4);
    return *this;
}

LayoutRecord& LayoutRecord::Color(const char* propertyName, QRgb value) {
    name(propertyName);
    bytes.append(char(qRed(value)));
    bytes.append(char(qGreen(value)));
    bytes.append(char(qBlue(value)));
    return *this;
}

LayoutRecord& LayoutRecord::String(const char* propertyName, const QString& value) {
    name(propertyName);
    const QByteArray utf8 = value.toUtf8();
    char be[4];
    qToBigEndian(quint32(utf8.size()), be);
    bytes.append(be, 4);
    bytes.append(utf8);
    return *this;
}

namespace {

class Reader {
public:
    explicit Reader(const QByteArray& record) : data(record) {}

    bool atEnd() const { return pos >= data.size(); }

    QByteArray name() {
        const qsizetype blank = data.indexOf(' ', pos);
        if (blank < 0)
            throw LayoutRecordError("layout record ends inside a property name: '" +
                                    data.mid(pos).toStdString() + "'");
        QByteArray n = data.mid(pos, blank - pos);
        pos = blank + 1;
        return n;
    }

    PropertyValue value(PropertyType type, const QByteArray& property) {
        switch (type) {
        case PropertyType::Boolean:
            return take(1, property).at(0) != 0;
        case PropertyType::Integer:
            return qFromBigEndian<qint32>(take(4, property).constData());
        case PropertyType::Color: {
            const QByteArray c = take(3, property);
            return QColor(quint8(c[0]), quint8(c[1]), quint8(c[2]));
        }
        case PropertyType::String: {
            const quint32 size = qFromBigEndian<quint32>(take(4, property).constData());
            return QString::fromUtf8(take(size, property));
        }
        }
        throw LayoutRecordError("unknown property type of '" + property.toStdString() + "'");
    }

private:
    QByteArray take(quint64 count, const QByteArray& property) {
        if (count > quint64(data.size() - pos))
            throw LayoutRecordError("layout record ends inside the value of '" +
                                    property.toStdString() + "'");
        QByteArray bytes = data.mid(pos, qsizetype(count));
        pos += qsizetype(count);
        return bytes;
    }

    const QByteArray& data;
    qsizetype pos = 0;
};

} // namespace

void SetProperties(PropertyTarget& target, const QByteArray& record) {
    const std::vector<Property> properties = target.Properties();
    Reader reader(record);
    while (!reader.atEnd()) {
        const QByteArray name = reader.name();
        auto found = std::find_if(properties.begin(), properties.end(),
                                  [&](const Property& p) { return name == p.name; });
        if (found == properties.end())
            throw LayoutRecordError("layout record names an unknown property '" +
                                    name.toStdString() + "'");
        found->assign(reader.value(found->type, name));
    }
}

} // namespace fw
