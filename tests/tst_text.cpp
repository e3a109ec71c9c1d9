// The text and number helpers, and the arrays' shuffle.
#include "FakePlatform.h"
#include "framework/NineArray.h"
#include "framework/Text.h"

#include <QtTest>

class TestText : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void format_data();
    void format();
};

void TestText::format_data() {
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("expected");
    QTest::newRow("zero") << 0.0 << "0.00";
    QTest::newRow("whole") << 3.0 << "3.00";
}

void TestText::format() {
    QFETCH(double, value);
    QFETCH(QString, expected);
    QCOMPARE(fw::Format(value, "0.#0"), expected);
}

QTEST_MAIN(TestText)
#include "tst_text.moc"
