// The About box: one box, the running version, and its two buttons.
#include "FakePlatform.h"
#include "Program.h"
#include "app/App.h"
#include "help/AboutBox.h"

#include <QAction>
#include <QLabel>
#include <QPushButton>
#include <QtTest>

namespace {

int openAboutBoxes() { return OpenWindowsOf(Quorvex::AboutBox::RegisteredName); }

// Chooses "About..." in the main window's menu bar.
Quorvex::AboutBox* chooseAbout(ProgramRun& run) {
    run.window->Widget()->findChild<QAction*>("HelpAbout")->trigger();
    Quorvex::AboutBox* box = AboutBox();
    return QTest::qWaitForWindowExposed(box->Widget()) ? box : nullptr;
}

QLabel* labelOf(fw::Label* label) { return static_cast<QLabel*>(label->Widget()); }

} // namespace

class TestAbout : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void aboutTwiceGivesOneBox();
    void versionLabelShowsTheRunningVersion();
    void buttonHandsItsAddressOver_data();
    void buttonHandsItsAddressOver();
    void boxShowsNameVersionAndCredits();
};

void TestAbout::aboutTwiceGivesOneBox() {
    FakePlatform fake;
    ProgramRun run;
    Quorvex::AboutBox* first = chooseAbout(run);
    QVERIFY(first);

    run.window->Widget()->findChild<QAction*>("HelpAbout")->trigger();
    QCOMPARE(App()->HelpAbout_Action(), false);

    QCOMPARE(openAboutBoxes(), 1);
    QCOMPARE(AboutBox(), first);
    QVERIFY(first->Widget()->isVisible());
}

// The design text "1.2.0 Intel" stands only until the box opens, also when it is built anew.
void TestAbout::versionLabelShowsTheRunningVersion() {
    FakePlatform fake;
    ProgramRun run;
    const QString running = fw::GetAppObject()->LongVersion();
    QVERIFY(running != "1.2.0 Intel");

    for (int opening = 0; opening < 2; ++opening) {
        Quorvex::AboutBox* box = chooseAbout(run);
        QVERIFY(box);
        QCOMPARE(labelOf(box->StaticText4())->text(), running);
        box->Widget()->close();
        QCOMPARE(openAboutBoxes(), 0);
    }
}

void TestAbout::buttonHandsItsAddressOver_data() {
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("url");
    QTest::newRow("Email Author") << "PushButton1"
                                  << "Email Author"
                                  << "mailto:author@quorvex.example";
    QTest::newRow("Visit Web Site") << "PushButton2"
                                    << "Visit Web Site"
                                    << "http://www.quorvex.example/";
}

void TestAbout::buttonHandsItsAddressOver() {
    QFETCH(QString, button);
    QFETCH(QString, caption);
    QFETCH(QString, url);
    FakePlatform fake;
    ProgramRun run;
    Quorvex::AboutBox* box = chooseAbout(run);
    QVERIFY(box);
    auto* pushButton = static_cast<QPushButton*>(box->ControlAs<fw::PushButton>(button)->Widget());
    QCOMPARE(pushButton->text(), caption);

    QTest::mouseClick(pushButton, Qt::LeftButton);
    QTest::mouseClick(pushButton, Qt::LeftButton);

    QCOMPARE(fake.urls, QStringList({url, url}));
    QVERIFY(box->IsOpen() && box->Widget()->isVisible());
    QCOMPARE(openAboutBoxes(), 1);
}

void TestAbout::boxShowsNameVersionAndCredits() {
    FakePlatform fake;
    ProgramRun run;
    Quorvex::AboutBox* box = chooseAbout(run);
    QVERIFY(box);

    QCOMPARE(box->Widget()->windowTitle(), QString("About..."));
    QCOMPARE(box->Content()->size(), QSize(264, 258));
    QCOMPARE(labelOf(box->StaticText1())->text(), QString("Quorvex"));
    // Five lines: two credits with an empty line between them.
    const QStringList credits = labelOf(box->StaticText2())->text().split('\n');
    QCOMPARE(credits.size(), 5);
    QCOMPARE(credits[0], QString("Developed by"));
    QVERIFY(credits[2].isEmpty());
    QCOMPARE(credits[3], QString("Sr. Beta Tester"));
    QCOMPARE(labelOf(box->StaticText2())->textFormat(), Qt::PlainText);

    // The running version fits its label, which is right-aligned up to its edge.
    QLabel* version = labelOf(box->StaticText4());
    QVERIFY2(
        version->fontMetrics().horizontalAdvance(version->text()) <= version->width(),
        qPrintable(QString::number(version->fontMetrics().horizontalAdvance(version->text()))));
    // Every line of the credits fits its label too, which wraps nothing.
    QLabel* creditsLabel = labelOf(box->StaticText2());
    for (const QString& line : credits)
        QVERIFY2(creditsLabel->fontMetrics().horizontalAdvance(line) <= creditsLabel->width(),
                 qPrintable(line));
    QVERIFY(creditsLabel->sizeHint().height() <= creditsLabel->height());
}

QTEST_MAIN(TestAbout)
#include "tst_about.moc"
