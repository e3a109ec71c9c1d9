// The fuzzers' seed inputs and every input they found a fault with, replayed
// through the same entries; and the malformed label records those faults came from.
#include "TestWindow.h"
#include "framework/Label.h"
#include "framework/Rectangle.h"
#include "framework/Window.h"
#include "fuzz/FuzzEntries.h"

#include <QDir>
#include <QFile>
#include <QTest>
#include <limits>
#include <map>

namespace {

using Entry = void (*)(QByteArrayView);

const std::map<QString, Entry> entries = {
    {"versiondocument", &fuzz::VersionDocument},
    {"httpreply", &fuzz::HttpReply},
    {"layoutrecord", &fuzz::LayoutRecord},
};

} // namespace

class TestFuzzRegressions : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void replay_data();
    void replay();
    void malformedLabelRecordFails_data();
    void malformedLabelRecordFails();
};

void TestFuzzRegressions::replay_data() {
    QTest::addColumn<QString>("target");
    QTest::addColumn<QByteArray>("input");
    int rows = 0;
    for (const char* kind : {"corpus", "regressions"}) {
        for (const auto& [target, entry] : entries) {
            const QDir dir(QStringLiteral(QUORVEX_FUZZ_DIR "/%1/%2").arg(kind, target));
            for (const QFileInfo& file : dir.entryInfoList(QDir::Files, QDir::Name)) {
                QFile f(file.filePath());
                QVERIFY(f.open(QIODevice::ReadOnly));
                QTest::addRow("%s/%s/%s", kind, qPrintable(target), qPrintable(file.fileName()))
                    << target << f.readAll();
                ++rows;
            }
        }
    }
    QVERIFY2(rows > 0, "no fuzz inputs found under " QUORVEX_FUZZ_DIR);
}

void TestFuzzRegressions::replay() {
    QFETCH(QString, target);
    QFETCH(QByteArray, input);
    try {
        entries.at(target)(input);
    } catch (const fuzz::Finding& finding) {
        QFAIL(finding.what());
    } catch (const std::exception& e) {
        QFAIL(qPrintable(QStringLiteral("unexpected exception: ") + e.what()));
    }
}

void TestFuzzRegressions::malformedLabelRecordFails_data() {
    QTest::addColumn<QByteArray>("frameRecord");
    QTest::addColumn<QByteArray>("labelRecord");
    QTest::addColumn<bool>("applies");
    using R = fw::LayoutRecord;
    const QByteArray none;
    const qint32 widest = QWIDGETSIZE_MAX;

    QTest::newRow("left at the widest a widget can be")
        << none << R().Integer("Left", widest).Bytes() << true;
    QTest::newRow("left one past it") << none << R().Integer("Left", widest + 1).Bytes() << false;
    QTest::newRow("top at minus the widest") << none << R().Integer("Top", -widest).Bytes() << true;
    QTest::newRow("top one below it") << none << R().Integer("Top", -widest - 1).Bytes() << false;
    QTest::newRow("width of the largest integer")
        << none << R().Integer("Width", std::numeric_limits<qint32>::max()).Bytes() << false;
    // Found by the fuzzer: the bounds' arithmetic overflowed.
    QTest::newRow("top and height overflow the bounds")
        << none << R().Integer("Height", 0x4000200a).Integer("Top", 0x4d752001).Bytes() << false;

    QTest::newRow("label inside the frame")
        << none << R().String("InitialParent", "Frame1").Bytes() << true;
    // Each of these made a widget its own ancestor, and Qt looped for ever.
    QTest::newRow("label inside itself")
        << none << R().String("InitialParent", "Label1").Bytes() << false;
    QTest::newRow("label inside the frame inside it")
        << R().String("InitialParent", "Label1").Bytes()
        << R().String("InitialParent", "Frame1").Bytes() << false;
}

void TestFuzzRegressions::malformedLabelRecordFails() {
    QFETCH(QByteArray, frameRecord);
    QFETCH(QByteArray, labelRecord);
    QFETCH(bool, applies);

    TestWindow window;
    auto ownedFrame = std::make_unique<fw::Rectangle>(window);
    auto ownedLabel = std::make_unique<fw::Label>(window);
    fw::Rectangle& frame = *ownedFrame;
    fw::Label& label = *ownedLabel;
    window.AddControl("Frame1", std::move(ownedFrame));
    window.AddControl("Label1", std::move(ownedLabel));
    fw::SetProperties(frame, frameRecord);
    QWidget* const parentBefore = label.Widget()->parentWidget();

    if (applies) {
        fw::SetProperties(label, labelRecord);
    } else {
        QVERIFY_THROWS_EXCEPTION(fw::LayoutRecordError, fw::SetProperties(label, labelRecord));
        QCOMPARE(label.Widget()->parentWidget(), parentBefore);
    }
    QVERIFY(!label.Widget()->isAncestorOf(label.Widget()->parentWidget()));
}

QTEST_MAIN(TestFuzzRegressions)
#include "tst_fuzzregressions.moc"
