// Layout records: the bytes the encoder writes, how SetProperties reads them
// back by the types of the target's own properties, and how a malformed
// record fails.
#include "PropertyRecorder.h"
#include "framework/LayoutRecord.h"

#include <QTest>
#include <optional>

using fw::PropertyType;

namespace {

QByteArray bytes(const char* hex) { return QByteArray::fromHex(hex); }

PropertyRecorder oneOfEach() {
    return PropertyRecorder({{"Visible", PropertyType::Boolean},
                             {"Width", PropertyType::Integer},
                             {"Index", PropertyType::Integer},
                             {"TextColor", PropertyType::Color},
                             {"Caption", PropertyType::String}});
}

// The message of the LayoutRecordError that applying the record raises, or none.
std::optional<QString> failureOf(fw::PropertyTarget& target, const QByteArray& record) {
    try {
        fw::SetProperties(target, record);
    } catch (const fw::LayoutRecordError& e) {
        return QString::fromUtf8(e.what());
    }
    return std::nullopt;
}

} // namespace

class TestLayoutRecord : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void widthAndCaptionBytes();
    void encoder_data();
    void encoder();
    void decoding_data();
    void decoding();
    void declaredTypeOfTheTargetDecidesTheValueLength();
    void everyTruncationFailsOrStopsAtAnEntry_data();
    void everyTruncationFailsOrStopsAtAnEntry();
    void stringCountBeyondTheEnd_data();
    void stringCountBeyondTheEnd();
    void malformedNames_data();
    void malformedNames();
};

void TestLayoutRecord::widthAndCaptionBytes() {
    QCOMPARE(fw::LayoutRecord().Integer("Width", 680).Bytes(), "Width" + bytes("20000002a8"));
    QCOMPARE(fw::LayoutRecord().String("Caption", "Start Normal").Bytes(),
             "Caption" + bytes("200000000c") + "Start Normal");
}

void TestLayoutRecord::encoder_data() {
    QTest::addColumn<QByteArray>("record");
    QTest::addColumn<QByteArray>("expected");
    using R = fw::LayoutRecord;
    QTest::newRow("true") << R().Boolean("Visible", true).Bytes() << "Visible" + bytes("2001");
    QTest::newRow("false") << R().Boolean("Visible", false).Bytes() << "Visible" + bytes("2000");
    QTest::newRow("zero") << R().Integer("Left", 0).Bytes() << "Left" + bytes("2000000000");
    QTest::newRow("byte order") << R().Integer("Left", 0x01020304).Bytes()
                                << "Left" + bytes("2001020304");
    QTest::newRow("negative") << R().Integer("Top", -2).Bytes() << "Top" + bytes("20fffffffe");
    QTest::newRow("largest") << R().Integer("Top", 2147483647).Bytes()
                             << "Top" + bytes("207fffffff");
    QTest::newRow("NoIndex") << R().Integer("Index", fw::NoIndex).Bytes()
                             << "Index" + bytes("2080000000");
    QTest::newRow("colour channels") << R().Color("FillColor", qRgb(0x12, 0x34, 0x56)).Bytes()
                                     << "FillColor" + bytes("20123456");
    QTest::newRow("white") << R().Color("FillColor", 0xFFFFFF).Bytes()
                           << "FillColor" + bytes("20ffffff");
    QTest::newRow("empty text") << R().String("HelpTag", {}).Bytes()
                                << "HelpTag" + bytes("2000000000");
    QTest::newRow("trailing blank")
        << R().String("Text", "That took ").Bytes() << "Text" + bytes("200000000a") + "That took ";
    // The count is of UTF-8 bytes, not of characters.
    QTest::newRow("non-ASCII") << R().String("Text", QString::fromUtf8("Grün €")).Bytes()
                               << "Text" + bytes("2000000009"
                                                 "4772c3bc6e20e282ac");
    QTest::newRow("entries back to back")
        << R().Integer("Left", 1).Boolean("Enabled", false).String("Name", "B").Bytes()
        << "Left" + bytes("2000000001") + "Enabled" + bytes("2000") + "Name" +
               bytes("200000000142");
}

void TestLayoutRecord::encoder() {
    QFETCH(QByteArray, record);
    QFETCH(QByteArray, expected);
    QCOMPARE(record.toHex(' '), expected.toHex(' '));
}

void TestLayoutRecord::decoding_data() {
    QTest::addColumn<QByteArray>("record");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("empty record") << QByteArray() << QStringList();
    QTest::newRow("boolean") << "Visible" + bytes("2001") << QStringList{"Visible=true"};
    QTest::newRow("any non-zero byte is true")
        << "Visible" + bytes("2000") + "Visible" + bytes("2002")
        << QStringList{"Visible=false", "Visible=true"};
    QTest::newRow("width 680") << "Width" + bytes("20000002a8") << QStringList{"Width=680"};
    QTest::newRow("negative") << "Width" + bytes("20ffffff9c") << QStringList{"Width=-100"};
    QTest::newRow("NoIndex") << "Index" + bytes("2080000000") << QStringList{"Index=-2147483648"};
    QTest::newRow("colour r,g,b") << "TextColor" + bytes("20336699")
                                  << QStringList{"TextColor=#336699"};
    QTest::newRow("caption") << "Caption" + bytes("200000000c") + "Start Normal"
                             << QStringList{"Caption=Start Normal"};
    QTest::newRow("utf-8") << "Caption" + bytes("2000000009"
                                                "4772c3bc6e20e282ac")
                           << QStringList{QString::fromUtf8("Caption=Grün €")};
    // 0x20 inside a value is a byte of the value, not the blank after a name.
    QTest::newRow("blank bytes in values")
        << "Width" + bytes("2000000020") + "Caption" + bytes("2000000003") + "a b" + "Visible" +
               bytes("2001")
        << QStringList{"Width=32", "Caption=a b", "Visible=true"};
    QTest::newRow("record order, repeats included")
        << fw::LayoutRecord()
               .String("Caption", "one")
               .Integer("Width", 5)
               .Color("TextColor", 0xFF0000)
               .String("Caption", "two")
               .Bytes()
        << QStringList{"Caption=one", "Width=5", "TextColor=#ff0000", "Caption=two"};
}

void TestLayoutRecord::decoding() {
    QFETCH(QByteArray, record);
    QFETCH(QStringList, expected);
    PropertyRecorder target = oneOfEach();
    fw::SetProperties(target, record);
    QCOMPARE(target.log, expected);
}

void TestLayoutRecord::declaredTypeOfTheTargetDecidesTheValueLength() {
    const QByteArray record = "V" + bytes("2001") + "W" + bytes("2000");
    PropertyRecorder asBoolean({{"V", PropertyType::Boolean}, {"W", PropertyType::Boolean}});
    fw::SetProperties(asBoolean, record);
    QCOMPARE(asBoolean.log, (QStringList{"V=true", "W=false"}));
    // The same bytes, read for a target whose V is an Integer: one entry of four bytes.
    PropertyRecorder asInteger({{"V", PropertyType::Integer}, {"W", PropertyType::Boolean}});
    fw::SetProperties(asInteger, record);
    QCOMPARE(asInteger.log, QStringList{"V=" + QString::number(0x01572000)});
}

namespace {

// A record of every type, with where each entry ends and what it applies.
struct Sample {
    QByteArray bytes;
    QList<int> ends;
    QStringList applied;
    QStringList names;
};

Sample everyType() {
    Sample s;
    fw::LayoutRecord r;
    auto add = [&](const char* name, const QString& applied) {
        s.bytes = r.Bytes();
        s.ends << int(s.bytes.size());
        s.applied << applied;
        s.names << name;
    };
    r.Integer("Width", 680);
    add("Width", "Width=680");
    r.String("Caption", QString::fromUtf8("Grün €"));
    add("Caption", QString::fromUtf8("Caption=Grün €"));
    r.Boolean("Visible", true);
    add("Visible", "Visible=true");
    r.Integer("Index", fw::NoIndex);
    add("Index", "Index=-2147483648");
    r.Color("TextColor", 0x0A0B0C);
    add("TextColor", "TextColor=#0a0b0c");
    r.String("Caption", {});
    add("Caption", "Caption=");
    return s;
}

// The sample followed by a text entry whose count claims more than is left.
Sample withOverlongText(const QByteArray& count) {
    Sample s = everyType();
    s.bytes += "Caption " + count + "Hello";
    s.names << "Caption";
    return s;
}

} // namespace

void TestLayoutRecord::everyTruncationFailsOrStopsAtAnEntry_data() {
    QTest::addColumn<QByteArray>("full");
    QTest::addColumn<QList<int>>("ends");
    QTest::addColumn<QStringList>("applied");
    QTest::addColumn<QStringList>("names");
    const auto row = [](const char* tag, const Sample& s) {
        QTest::newRow(tag) << s.bytes << s.ends << s.applied << s.names;
    };
    row("valid record", everyType());
    row("count one past the end", withOverlongText(bytes("00000006")));
    row("count 0xFFFFFFFF", withOverlongText(bytes("ffffffff")));
}

void TestLayoutRecord::everyTruncationFailsOrStopsAtAnEntry() {
    QFETCH(QByteArray, full);
    QFETCH(QList<int>, ends);
    QFETCH(QStringList, applied);
    QFETCH(QStringList, names);
    for (int length = 0; length <= full.size(); ++length) {
        // The rest of the record stays in memory right behind the prefix: a
        // reader that looks past the end finds plausible bytes there.
        const QByteArray prefix = QByteArray::fromRawData(full.constData(), length);
        PropertyRecorder target = oneOfEach();
        const auto failure = failureOf(target, prefix);
        const QString where = QString("length %1: %2").arg(length).arg(failure.value_or("none"));
        const qsizetype complete = ends.indexOf(length);
        if (length == 0 || complete >= 0) {
            QVERIFY2(!failure, qPrintable(where));
            QCOMPARE(target.log, applied.mid(0, length == 0 ? 0 : complete + 1));
            continue;
        }
        QVERIFY2(failure, qPrintable(where));
        // The entry the cut falls in: its name, or as much of it as is left.
        const qsizetype entry = std::upper_bound(ends.begin(), ends.end(), length) - ends.begin();
        const int start = entry == 0 ? 0 : ends[entry - 1];
        const QString named = names[entry].left(length - start);
        QVERIFY2(named.isEmpty() || failure->contains(named), qPrintable(where));
    }
}

void TestLayoutRecord::stringCountBeyondTheEnd_data() {
    QTest::addColumn<QByteArray>("count");
    QTest::newRow("one more than remains") << bytes("00000006");
    QTest::newRow("many more") << bytes("00000100");
    QTest::newRow("largest signed") << bytes("7fffffff");
    QTest::newRow("negative if signed") << bytes("80000000");
    QTest::newRow("wraps a 32-bit position") << bytes("fffffffb");
    QTest::newRow("0xFFFFFFFF") << bytes("ffffffff");
}

void TestLayoutRecord::stringCountBeyondTheEnd() {
    QFETCH(QByteArray, count);
    // Five bytes of text remain, and behind the record in memory a valid entry
    // that an over-reading decoder would happily take.
    const QByteArray memory =
        "Width" + bytes("2000000001") + "Caption " + count + "Hello" + "Visible" + bytes("2001");
    const qsizetype recordEnd = memory.indexOf("Hello") + 5;
    PropertyRecorder target = oneOfEach();
    const auto failure = failureOf(target, QByteArray::fromRawData(memory.constData(), recordEnd));
    QVERIFY(failure);
    QVERIFY2(failure->contains("Caption"), qPrintable(*failure));
}

void TestLayoutRecord::malformedNames_data() {
    QTest::addColumn<QByteArray>("record");
    QTest::addColumn<QString>("named");
    QTest::newRow("unknown property") << "Colour" + bytes("20000000") << "Colour";
    QTest::newRow("unknown after good entries")
        << "Width" + bytes("2000000001") + "Height" + bytes("2000000002") << "Height";
    QTest::newRow("name of another class") << "Period" + bytes("20000003e8") << "Period";
    QTest::newRow("name without blank") << QByteArray("Width") << "Width";
    QTest::newRow("value without blank") << "Visible" + bytes("01") << "Visible";
    QTest::newRow("blank missing after good entry")
        << "Visible" + bytes("2001") + "Caption" + bytes("00000001") + "x"
        << "Caption";
}

void TestLayoutRecord::malformedNames() {
    QFETCH(QByteArray, record);
    QFETCH(QString, named);
    PropertyRecorder target = oneOfEach();
    const auto failure = failureOf(target, record);
    QVERIFY(failure);
    QVERIFY2(failure->contains(named), qPrintable(*failure));
}

QTEST_MAIN(TestLayoutRecord)
#include "tst_layoutrecord.moc"
