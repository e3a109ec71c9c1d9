// Start-up and shut-down: the main window that start-up opens, the windows
// that the application's handlers open as assistive technology sees them, the
// application's Open event, the ways the program quits, and finalisation.
#include "FakePlatform.h"
#include "Program.h"
#include "UpdateCheck.h"
#include "app/App.h"
#include "app/MenuBars.h"
#include "framework/Application.h"
#include "game/Module1.h"
#include "help/AboutBox.h"
#include "help/Help.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QIcon>
#include <QImage>
#include <QMenuBar>
#include <QPointer>
#include <QTest>
#include <QTimer>
#include <memory>

namespace {

int visibleTopLevelWindows() {
    int count = 0;
    for (const QWidget* w : QApplication::topLevelWidgets())
        if (w->isVisible() && w->windowType() != Qt::Popup) ++count;
    return count;
}

using Announced = std::pair<QAccessible::Role, QString>;

// The role and name by which assistive technology announces a widget.
Announced announced(QWidget* widget) {
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(widget);
    return {face->role(), face->text(QAccessible::Name)};
}

int opaquePixels(const QImage& image) {
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qAlpha(image.pixel(x, y)) == 255) ++count;
    return count;
}

} // namespace

class TestStartup : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void mainWindowOpensShownAndShared();
    void windowsAnnounceTheirTitles();
    void windowsShowTheProgramIcon();
    void openEventResetsOnlyBestTimesAndStopFlag();
    void quitEndsTheEventLoop_data();
    void quitEndsTheEventLoop();
    void finalizeReleasesEverything();
};

void TestStartup::initTestCase() {
    // As the runtime sets it: only the program itself decides when to quit.
    QApplication::setQuitOnLastWindowClosed(false);
}

void TestStartup::mainWindowOpensShownAndShared() {
    FakePlatform platform;
    ProgramRun run;
    QVERIFY(run.window->IsOpen());
    QVERIFY(run.window->Widget()->isVisible());
    QCOMPARE(Window1(), run.window);
    QCOMPARE(fw::OpenWindows().size(), std::size_t(1));
    QCOMPARE(visibleTopLevelWindows(), 1);
    QVERIFY(App());
    QCOMPARE(fw::GetAppObject(), App());
}

// windowsWereAnonymous: a plain top-level widget was announced as a nameless
// filler, so a screen reader said nothing as a window came up.
void TestStartup::windowsAnnounceTheirTitles() {
    check::UpdateCheck c;
    QCOMPARE(announced(c.run.window->Widget()), Announced(QAccessible::Window, "Quorvex"));
    App()->HelpShow_Action();
    QCOMPARE(announced(Help()->Widget()), Announced(QAccessible::Window, "Help"));
    App()->HelpAbout_Action();
    QCOMPARE(announced(AboutBox()->Widget()), Announced(QAccessible::Window, "About..."));
    App()->CheckForUpdateCheckNow_Action();
    QCOMPARE(announced(selfTest()->Widget()), Announced(QAccessible::Window, "Self Test"));
    // The update window blocks the rest while it waits: a dialog.
    Announced update;
    c.answer = [&](QTcpSocket&) {
        if (Quorvex::updateWindow* w = check::OpenUpdateWindow()) {
            update = announced(w->Widget());
            QTimer::singleShot(
                0, w, [w] { QTest::mouseClick(w->PushButton1()->Widget(), Qt::LeftButton); });
        }
    };
    QVERIFY(c.Run());
    QCOMPARE(update, Announced(QAccessible::Dialog, "Update"));
    // The controls keep what they are.
    QCOMPARE(announced(c.run.window->Start1()->Widget()),
             Announced(QAccessible::Button, "Start Normal"));
    QCOMPARE(announced(c.run.window->StaticText1()->Widget()).first, QAccessible::StaticText);
}

// Without the icon in the library, or without Qt's SVG support at run time,
// the desktop shows a generic icon for the program's windows.
void TestStartup::windowsShowTheProgramIcon() {
    FakePlatform platform;
    ProgramRun run;
    for (const QIcon& icon : {QApplication::windowIcon(), run.window->Widget()->windowIcon()}) {
        QVERIFY(!icon.isNull());
        for (int size : {16, 256}) {
            const QImage image = icon.pixmap(size).toImage();
            QCOMPARE(image.size(), QSize(size, size));
            QVERIFY2(opaquePixels(image) > size * size / 2, qPrintable(QString::number(size)));
        }
    }
    // Desktops that match windows to their entry by this name show its icon;
    // message boxes take their title from the display name.
    QCOMPARE(QGuiApplication::desktopFileName(), QString("quorvex"));
    QCOMPARE(QGuiApplication::applicationDisplayName(), QString("Quorvex"));
}

void TestStartup::openEventResetsOnlyBestTimesAndStopFlag() {
    FakePlatform platform;
    const auto dirty = [] {
        Module1::MyNormalTime = 4.5;
        Module1::MyScrambledTime = 6.5;
        Module1::StopFlag = true;
        Module1::AnswerNo = 3;
        Module1::CorrectAnswers = 7;
        Module1::StartTime = 11;
        Module1::TotalTime1 = 2;
        Module1::TakeThis = "5";
    };
    const auto checkOnlyTheThreeWereReset = [] {
        QCOMPARE(Module1::MyNormalTime, 0.0);
        QCOMPARE(Module1::MyScrambledTime, 0.0);
        QCOMPARE(Module1::StopFlag, false);
        QCOMPARE(Module1::AnswerNo, 3);
        QCOMPARE(Module1::CorrectAnswers, 7);
        QCOMPARE(Module1::StartTime, 11.0);
        QCOMPARE(Module1::TotalTime1, 2.0);
        QCOMPARE(Module1::TakeThis, QStringLiteral("5"));
    };
    // Start-up delivers the application's Open event.
    dirty();
    ProgramRun run;
    checkOnlyTheThreeWereReset();

    dirty();
    Module1::MyAnswer(2) = "1";
    Module1::DisplayNumber(4) = "7";
    Module1::Jumble(3) = 5;
    fw::GetAppObject()->CallOpen();
    checkOnlyTheThreeWereReset();
    QCOMPARE(Module1::MyAnswer(2), QStringLiteral("1"));
    QCOMPARE(Module1::DisplayNumber(4), QStringLiteral("7"));
    QCOMPARE(Module1::Jumble(3), 5);
}

void TestStartup::quitEndsTheEventLoop_data() {
    QTest::addColumn<QString>("how");
    QTest::newRow("File > Quit") << "menu";
    QTest::newRow("Cmd+Q") << "shortcut";
    QTest::newRow("closing the main window") << "close";
}

void TestStartup::quitEndsTheEventLoop() {
    QFETCH(QString, how);
    FakePlatform platform;
    ProgramRun run;
    QVERIFY(QTest::qWaitForWindowActive(run.window->Widget()));
    QPointer<fw::Window> window = run.window;
    QTimer::singleShot(0, [&] {
        if (how == "menu")
            ActionNamed(window, "FileQuit")->trigger();
        else if (how == "shortcut")
            QTest::keyClick(window->Widget(), Qt::Key_Q, Qt::ControlModifier);
        else
            window->Widget()->close();
    });
    // Only a safety net against a hang: a loop that quits does so at once.
    QTimer hang;
    hang.setSingleShot(true);
    connect(&hang, &QTimer::timeout, [] { QCoreApplication::exit(99); });
    hang.start(10000);
    QCOMPARE(QApplication::exec(), 0);
    if (how == "close") QVERIFY(fw::OpenWindows().empty());
}

void TestStartup::finalizeReleasesEverything() {
    FakePlatform platform;
    auto run = std::make_unique<ProgramRun>();
    QPointer<fw::Window> first = run->window;
    Module1::TakeThis = "7";
    Module1::DisplayNumber(3) = "2";
    Module1::MyAnswer(0) = "1";
    Module1::NumberSet(2) = "9";
    Module1::CorrectAnswer(5) = "6";
    Module1::Jumble(1) = 3;
    // Marks on the shared bars show whether the next run builds them anew.
    auto mark = std::make_unique<fw::MenuItem>();
    mark->Name = "Mark";
    MenuBar1()->Append(std::move(mark));
    mark = std::make_unique<fw::MenuItem>();
    mark->Name = "Mark";
    MenuBar2()->Append(std::move(mark));

    run.reset();
    QVERIFY(first.isNull());
    QVERIFY(fw::OpenWindows().empty());
    QCOMPARE(visibleTopLevelWindows(), 0);
    QCOMPARE(fw::GetAppObject(), nullptr);
    for (int i = 0; i <= 8; ++i) {
        QCOMPARE(Module1::MyColor(i), QColor());
        QCOMPARE(Module1::ColorSet(i), 0);
        QCOMPARE(Module1::Jumble(i), 0);
        for (const auto* strings :
             {&Module1::ColorName, &Module1::NumberSet, &Module1::DisplayNumber,
              &Module1::CorrectAnswer, &Module1::MyAnswer, &Module1::ClearAnswer})
            QVERIFY((*strings)(i).isEmpty());
    }
    QVERIFY(Module1::TakeThis.isEmpty());
    // The numbers and the flag have no finaliser.
    Module1::AnswerNo = 4;
    Module1::StopFlag = true;
    Module1::EndTime = 100;
    Module1::Exit();
    QCOMPARE(Module1::AnswerNo, 4);
    QCOMPARE(Module1::StopFlag, true);
    QCOMPARE(Module1::EndTime, 100.0);
    Module1::AnswerNo = 0;
    Module1::StopFlag = false;
    Module1::EndTime = 0;

    run = std::make_unique<ProgramRun>();
    QVERIFY(run->window->IsOpen());
    QCOMPARE(fw::OpenWindows().size(), std::size_t(1));
    QVERIFY(!MenuBar1()->Lookup("Mark"));
    QVERIFY(!MenuBar2()->Lookup("Mark"));
    QCOMPARE(BarOf(run->window)->actions().size(), 4);
}

QTEST_MAIN(TestStartup)
#include "tst_startup.moc"
