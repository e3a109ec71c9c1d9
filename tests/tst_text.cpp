// The text and number helpers, and the nine-element arrays with their shuffle.
#include "FakePlatform.h"
#include "framework/NineArray.h"
#include "framework/Text.h"

#include <QTest>
#include <algorithm>
#include <cmath>
#include <numeric>

class TestText : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void str_data();
    void str();
    void val_data();
    void val();
    void valNeverGivesNonFinite_data();
    void valNeverGivesNonFinite();
    void format_data();
    void format();
    void nthField_data();
    void nthField();
    void inStr_data();
    void inStr();
    void mid_data();
    void mid();
    void len_data();
    void len();
    void indexOutsideZeroToEightThrows_data();
    void indexOutsideZeroToEightThrows();
    void shuffleKeepsEveryElement();
    void shuffleIsUniform();
};

void TestText::str_data() {
    QTest::addColumn<qint64>("value");
    QTest::addColumn<QString>("expected");
    QTest::newRow("zero") << qint64(0) << "0";
    QTest::newRow("positive") << qint64(7) << "7";
    QTest::newRow("negative") << qint64(-42) << "-42";
    QTest::newRow("no group separators") << qint64(1234567) << "1234567";
    QTest::newRow("beyond 32 bits") << qint64(123456789012) << "123456789012";
    QTest::newRow("smallest") << std::numeric_limits<qint64>::min() << "-9223372036854775808";
}

void TestText::str() {
    QFETCH(qint64, value);
    QFETCH(QString, expected);
    QCOMPARE(fw::Str(value), expected);
}

void TestText::val_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("expected");
    QTest::newRow("empty") << "" << 0.0;
    QTest::newRow("no number") << "abc" << 0.0;
    QTest::newRow("integer") << "42" << 42.0;
    QTest::newRow("leading blanks") << "   42" << 42.0;
    QTest::newRow("trailing text") << "42abc" << 42.0;
    QTest::newRow("blanks both sides") << " 3.25 " << 3.25;
    QTest::newRow("stops at inner blank") << "12 34" << 12.0;
    QTest::newRow("leading zero") << "01" << 1.0;
    QTest::newRow("minus") << "-3.5" << -3.5;
    QTest::newRow("plus") << "+7" << 7.0;
    QTest::newRow("sign alone") << "-" << 0.0;
    QTest::newRow("sign then blank") << "- 5" << 0.0;
    QTest::newRow("point first") << ".5" << 0.5;
    QTest::newRow("minus point") << "-.25" << -0.25;
    QTest::newRow("point last") << "5." << 5.0;
    QTest::newRow("point alone") << "." << 0.0;
    QTest::newRow("second point ends it") << "1.2.3" << 1.2;
    QTest::newRow("comma is not a point") << "1,5" << 1.0;
    QTest::newRow("exponent") << "1e3" << 1000.0;
    QTest::newRow("negative exponent") << "1.5E-2" << 0.015;
    QTest::newRow("exponent without digits") << "2e" << 2.0;
    QTest::newRow("exponent sign without digits") << "2e+x" << 2.0;
    QTest::newRow("hex is not read") << "0x1A" << 0.0;
    QTest::newRow("inf") << "inf" << 0.0;
    QTest::newRow("nan") << "nan" << 0.0;
    QTest::newRow("Infinity") << "-Infinity" << 0.0;
}

void TestText::val() {
    QFETCH(QString, text);
    QFETCH(double, expected);
    QCOMPARE(fw::Val(text), expected);
}

void TestText::valNeverGivesNonFinite_data() {
    QTest::addColumn<QString>("text");
    QTest::newRow("inf") << "inf";
    QTest::newRow("NaN") << "NaN";
    QTest::newRow("huge exponent") << "1e999";
    QTest::newRow("huge negative exponent") << "-1e999";
    QTest::newRow("four hundred digits") << QString(400, '9');
    QTest::newRow("digits then exponent") << QString(300, '9') + "e300";
}

void TestText::valNeverGivesNonFinite() {
    QFETCH(QString, text);
    QVERIFY(std::isfinite(fw::Val(text)));
}

void TestText::format_data() {
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("expected");
    QTest::newRow("zero") << 0.0 << "0.00";
    QTest::newRow("whole") << 3.0 << "3.00";
    QTest::newRow("one decimal") << 1.5 << "1.50";
    QTest::newRow("half") << 0.5 << "0.50";
    QTest::newRow("two decimals") << 59.99 << "59.99";
    // Run times are ticks over 60: one tick rounds up, not down.
    QTest::newRow("one tick") << 1.0 / 60 << "0.02";
    QTest::newRow("five ticks") << 5.0 / 60 << "0.08";
    QTest::newRow("sixty-one ticks") << 61.0 / 60 << "1.02";
    QTest::newRow("rounds half up") << 12.345 << "12.35";
    // Rounding is of the stored value, which lies just below 2.675.
    QTest::newRow("stored below half") << 2.675 << "2.67";
    QTest::newRow("rounds to zero") << 0.004 << "0.00";
    QTest::newRow("carry") << 2.999 << "3.00";
    QTest::newRow("carry into a new digit") << 9.999 << "10.00";
    QTest::newRow("hundred") << 100.0 << "100.00";
    QTest::newRow("no group separators") << 1234567.0 << "1234567.00";
    QTest::newRow("negative") << -1.5 << "-1.50";
    QTest::newRow("negative below one") << -0.25 << "-0.25";
}

void TestText::format() {
    QFETCH(double, value);
    QFETCH(QString, expected);
    QCOMPARE(fw::Format(value, "0.#0"), expected);
}

void TestText::nthField_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("separator");
    QTest::addColumn<int>("n");
    QTest::addColumn<QString>("expected");
    QTest::newRow("first") << "1.3.0"
                           << "." << 1 << "1";
    QTest::newRow("second") << "1.3.0"
                            << "." << 2 << "3";
    QTest::newRow("third") << "1.3.0"
                           << "." << 3 << "0";
    QTest::newRow("past the last") << "1.3.0"
                                   << "." << 4 << "";
    QTest::newRow("missing third") << "1.3"
                                   << "." << 3 << "";
    QTest::newRow("fourth ignored") << "1.3.0.7"
                                    << "." << 3 << "0";
    QTest::newRow("no separator") << "abc"
                                  << "." << 1 << "abc";
    QTest::newRow("no separator, second") << "abc"
                                          << "." << 2 << "";
    QTest::newRow("empty between") << "a..b"
                                   << "." << 2 << "";
    QTest::newRow("after empty") << "a..b"
                                 << "." << 3 << "b";
    QTest::newRow("leading separator") << ".5"
                                       << "." << 1 << "";
    QTest::newRow("trailing separator") << "5."
                                        << "." << 2 << "";
    QTest::newRow("longer separator") << "a<>b<>c"
                                      << "<>" << 2 << "b";
    QTest::newRow("empty text") << ""
                                << "." << 1 << "";
    QTest::newRow("empty text, second") << ""
                                        << "." << 2 << "";
    QTest::newRow("zero") << "1.3.0"
                          << "." << 0 << "";
    QTest::newRow("negative") << "1.3.0"
                              << "." << -1 << "";
}

void TestText::nthField() {
    QFETCH(QString, text);
    QFETCH(QString, separator);
    QFETCH(int, n);
    QFETCH(QString, expected);
    QCOMPARE(fw::NthField(text, separator, n), expected);
}

void TestText::inStr_data() {
    QTest::addColumn<int>("start");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("find");
    QTest::addColumn<int>("expected");
    QTest::newRow("first character") << 1 << "hello"
                                     << "h" << 1;
    QTest::newRow("positions from 1") << 1 << "hello"
                                      << "l" << 3;
    QTest::newRow("several characters") << 1 << "hello"
                                        << "lo" << 4;
    QTest::newRow("found at start") << 4 << "hello"
                                    << "l" << 4;
    QTest::newRow("start after the last") << 5 << "hello"
                                          << "l" << 0;
    QTest::newRow("last character") << 5 << "hello"
                                    << "o" << 5;
    QTest::newRow("start just past the end") << 6 << "hello"
                                             << "o" << 0;
    QTest::newRow("start far past the end") << 100 << "hello"
                                            << "o" << 0;
    QTest::newRow("not found") << 1 << "hello"
                               << "z" << 0;
    QTest::newRow("longer than the text") << 1 << "hi"
                                          << "high" << 0;
    QTest::newRow("empty text") << 1 << ""
                                << "x" << 0;
    QTest::newRow("start zero") << 0 << "hello"
                                << "h" << 1;
    QTest::newRow("start negative") << -5 << "hello"
                                    << "e" << 2;
    QTest::newRow("second occurrence") << 2 << "<a><a>"
                                       << "<a>" << 4;
    QTest::newRow("end tag after value") << 4 << "<a>x</a>"
                                         << "</a>" << 5;
}

void TestText::inStr() {
    QFETCH(int, start);
    QFETCH(QString, text);
    QFETCH(QString, find);
    QFETCH(int, expected);
    QCOMPARE(fw::InStr(start, text, find), expected);
    if (start == 1) QCOMPARE(fw::InStr(text, find), expected);
}

void TestText::mid_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("start");
    QTest::addColumn<int>("count");
    QTest::addColumn<QString>("expected");
    QTest::newRow("inside") << "hello" << 2 << 3 << "ell";
    QTest::newRow("whole") << "hello" << 1 << 5 << "hello";
    QTest::newRow("last character") << "hello" << 5 << 1 << "o";
    QTest::newRow("count past the end") << "hello" << 4 << 10 << "lo";
    QTest::newRow("start past the end") << "hello" << 6 << 1 << "";
    QTest::newRow("start far past the end") << "hello" << 50 << 3 << "";
    QTest::newRow("zero count") << "hello" << 2 << 0 << "";
    QTest::newRow("negative count") << "hello" << 2 << -1 << "";
    QTest::newRow("very negative count") << "hello" << 4 << -8 << "";
    QTest::newRow("empty text") << "" << 1 << 1 << "";
    QTest::newRow("characters, not bytes")
        << QString::fromUtf8("Grün") << 3 << 2 << QString::fromUtf8("ün");
}

void TestText::mid() {
    QFETCH(QString, text);
    QFETCH(int, start);
    QFETCH(int, count);
    QFETCH(QString, expected);
    QCOMPARE(fw::Mid(text, start, count), expected);
}

void TestText::len_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("expected");
    QTest::newRow("empty") << "" << 0;
    QTest::newRow("ascii") << "That took " << 10;
    QTest::newRow("characters, not bytes") << QString::fromUtf8("Grün €") << 6;
}

void TestText::len() {
    QFETCH(QString, text);
    QFETCH(int, expected);
    QCOMPARE(fw::Len(text), expected);
}

void TestText::indexOutsideZeroToEightThrows_data() {
    QTest::addColumn<int>("index");
    QTest::newRow("-1") << -1;
    QTest::newRow("9") << 9;
    QTest::newRow("100") << 100;
    QTest::newRow("smallest int") << std::numeric_limits<int>::min();
}

void TestText::indexOutsideZeroToEightThrows() {
    QFETCH(int, index);
    fw::NineArray<QString> array;
    const fw::NineArray<QString>& readOnly = array;
    QVERIFY_THROWS_EXCEPTION(fw::OutOfBoundsException, array(index) = "x");
    QVERIFY_THROWS_EXCEPTION(fw::OutOfBoundsException, (void)readOnly(index));
    // The neighbours inside the range stay usable.
    array(0) = "first";
    array(8) = "last";
    QCOMPARE(readOnly(0), QStringLiteral("first"));
    QCOMPARE(readOnly(8), QStringLiteral("last"));
}

void TestText::shuffleKeepsEveryElement() {
    FakePlatform platform;
    fw::NineArray<QString> array;
    for (int i = 0; i <= 8; ++i)
        array(i) = QString::number(i + 1);
    const QStringList before(array.begin(), array.end());
    bool moved = false;
    for (int round = 0; round < 100; ++round) {
        array.Shuffle();
        QStringList after(array.begin(), array.end());
        moved = moved || after != before;
        after.sort();
        QCOMPARE(after, before);
    }
    QVERIFY(moved);
}

void TestText::shuffleIsUniform() {
    FakePlatform platform;
    constexpr int shuffles = 90000;
    int counts[9][9] = {};
    for (int round = 0; round < shuffles; ++round) {
        fw::NineArray<int> array;
        for (int i = 0; i <= 8; ++i)
            array(i) = i;
        array.Shuffle();
        for (int position = 0; position <= 8; ++position)
            ++counts[position][array(position)];
    }
    // Each value should stand at each position a ninth of the time. With the
    // fixed seed the sum is fixed; 120 lies far out in the tail for 64 degrees
    // of freedom, while a biased shuffle gives thousands.
    const double expected = shuffles / 9.0;
    double chiSquare = 0;
    for (const auto& row : counts)
        for (int observed : row)
            chiSquare += (observed - expected) * (observed - expected) / expected;
    QVERIFY2(chiSquare < 120, qPrintable(QString("chi-square %1").arg(chiSquare)));
}

QTEST_MAIN(TestText)
#include "tst_text.moc"
