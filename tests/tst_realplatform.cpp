// The real Qt side of the platform seam, with no fake installed: message boxes
// that show text as text and come up as alerts, the dialog's buttons, the tick
// clock and the shuffle.
#include "framework/MessageDialog.h"
#include "framework/NineArray.h"
#include "framework/Runtime.h"
#include "framework/Services.h"

#include <QAccessible>
#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTextDocument>
#include <QTimer>
#include <QtTest>
#include <chrono>
#include <set>
#include <thread>

namespace {

// Acts on the first modal window that comes up, from the event loop that
// shows it; closes whatever is still up after five seconds so that a broken
// box fails the test instead of hanging it.
class WhenModal {
public:
    explicit WhenModal(std::function<void(QMessageBox&)> act) {
        poll.setInterval(10);
        QObject::connect(&poll, &QTimer::timeout, [this, act] {
            QWidget* modal = QApplication::activeModalWidget();
            if (modal && !acted) {
                acted = true;
                if (auto* box = qobject_cast<QMessageBox*>(modal)) act(*box);
            } else if (modal && waited.elapsed() > 5000) {
                stuck = true;
                modal->close();
            }
        });
        waited.start();
        poll.start();
    }

    bool acted = false;
    bool stuck = false;

private:
    QTimer poll;
    QElapsedTimer waited;
};

// What each label of the box shows, read as its reader sees it: a label
// that takes its text as markup shows what the markup renders to.
QStringList shownTexts(QMessageBox& box) {
    QStringList shown;
    for (QLabel* label : box.findChildren<QLabel*>()) {
        const bool markup = label->textFormat() == Qt::RichText ||
                            (label->textFormat() == Qt::AutoText && Qt::mightBeRichText(label->text()));
        QTextDocument rendered;
        rendered.setHtml(label->text());
        const QString text = markup ? rendered.toPlainText() : label->text();
        if (!text.isEmpty()) shown << text;
    }
    return shown;
}

QStringList visibleButtons(QMessageBox& box) {
    QStringList captions;
    for (QAbstractButton* b : box.buttons())
        if (b->isVisible()) captions << b->text().remove('&');
    return captions;
}

QAbstractButton* buttonCaptioned(QMessageBox& box, const QString& caption) {
    for (QAbstractButton* b : box.buttons())
        if (b->isVisible() && b->text().remove('&') == caption) return b;
    return nullptr;
}

QAccessible::Role roleOf(QWidget* widget) {
    return QAccessible::queryAccessibleInterface(widget)->role();
}

} // namespace

class TestRealPlatform : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void msgBoxShowsPlainText();
    void messageDialogReturnsTheButtonPressed_data();
    void messageDialogReturnsTheButtonPressed();
    void ticksCountSixtyASecond();
    void ticksNeverGoBack();
    void shuffleWithTheRealSourceGivesPermutations();
};

// With the framework's own accessible interfaces, as the program runs.
void TestRealPlatform::initTestCase() {
    fw::RunFrameworkInitialization([] {});
}

// A message box stays what Qt makes it, an alert that a screen reader reads
// out whole, and is not taken for one of the program's windows.
void TestRealPlatform::msgBoxShowsPlainText() {
    const QString text = "<b>x</b> & <i>y</i>";
    QStringList shown;
    QAccessible::Role role = QAccessible::NoRole;
    WhenModal watch([&](QMessageBox& box) {
        role = roleOf(&box);
        shown = shownTexts(box);
        if (QAbstractButton* ok = box.button(QMessageBox::Ok))
            QTest::mouseClick(ok, Qt::LeftButton);
    });
    fw::MsgBox(text);
    QVERIFY(watch.acted);
    QVERIFY(!watch.stuck);
    QCOMPARE(shown, QStringList{text});
    QCOMPARE(role, QAccessible::AlertMessage);
    QVERIFY(!QApplication::activeModalWidget());
}

void TestRealPlatform::messageDialogReturnsTheButtonPressed_data() {
    QTest::addColumn<bool>("withCancel");
    QTest::addColumn<QString>("press");
    QTest::addColumn<int>("expected"); // 0 action, 1 alternate, 2 cancel
    QTest::newRow("action") << true << "OK" << 0;
    QTest::newRow("Go to Website") << true << "Go to Website" << 1;
    QTest::newRow("cancel") << true << "Cancel" << 2;
    QTest::newRow("Return presses the action") << true << "Return" << 0;
    QTest::newRow("Escape presses cancel") << true << "Escape" << 2;
    QTest::newRow("Escape without a cancel button") << false << "Escape" << 0;
}

void TestRealPlatform::messageDialogReturnsTheButtonPressed() {
    QFETCH(bool, withCancel);
    QFETCH(QString, press);
    QFETCH(int, expected);
    fw::MessageDialog d;
    d.Title = "New version available!";
    d.Message = "Version <b>1.3.0</b> is now available.";
    d.Explanation = "<a href=\"http://evil.example/\">Faster</a>\nGrids &amp; timers";
    d.Icon = 3;
    d.CancelButton.Visible = withCancel;
    d.AlternateActionButton.Caption = "Go to Website";
    d.AlternateActionButton.Visible = true;

    QString title;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QStringList buttons, shown;
    QAccessible::Role role = QAccessible::NoRole;
    WhenModal watch([&](QMessageBox& box) {
        title = box.windowTitle();
        role = roleOf(&box);
        icon = box.icon();
        shown = shownTexts(box);
        buttons = visibleButtons(box);
        if (press == "Return")
            QTest::keyClick(&box, Qt::Key_Return);
        else if (press == "Escape")
            QTest::keyClick(&box, Qt::Key_Escape);
        else if (QAbstractButton* b = buttonCaptioned(box, press))
            QTest::mouseClick(b, Qt::LeftButton);
    });
    fw::MessageDialogButton* pressed = d.ShowModal();
    QVERIFY(watch.acted);
    QVERIFY(!watch.stuck);

    fw::MessageDialogButton* const all[] = {&d.ActionButton, &d.AlternateActionButton,
                                            &d.CancelButton};
    QCOMPARE(pressed, all[expected]);
    QCOMPARE(title, d.Title);
    QCOMPARE(icon, QMessageBox::Question);
    QCOMPARE(role, QAccessible::AlertMessage);
    QCOMPARE(shown, (QStringList{d.Message, d.Explanation}));
    QStringList expectedButtons{"OK", "Go to Website"};
    if (withCancel) expectedButtons << "Cancel";
    buttons.sort();
    expectedButtons.sort();
    QCOMPARE(buttons, expectedButtons);
}

// Checks the unit against an independent clock read around it, so a slow
// machine widens the bounds instead of failing.
void TestRealPlatform::ticksCountSixtyASecond() {
    using namespace std::chrono;
    const auto before = steady_clock::now();
    const std::int64_t first = fw::Ticks();
    std::this_thread::sleep_for(milliseconds(200));
    const std::int64_t last = fw::Ticks();
    const auto outer = duration_cast<milliseconds>(steady_clock::now() - before).count();
    const std::int64_t ticks = last - first;
    // At least 200 ms lie between the two readings: 12 ticks, less one for rounding.
    QVERIFY2(ticks >= 11, qPrintable(QString::number(ticks)));
    QVERIFY2(ticks <= outer * 60 / 1000 + 1,
             qPrintable(QString("%1 ticks in %2 ms").arg(ticks).arg(outer)));
}

void TestRealPlatform::ticksNeverGoBack() {
    std::int64_t previous = fw::Ticks();
    const std::int64_t start = previous;
    // Long enough to see the counter step several times.
    while (previous - start < 3) {
        const std::int64_t now = fw::Ticks();
        QVERIFY(now >= previous);
        previous = now;
    }
}

void TestRealPlatform::shuffleWithTheRealSourceGivesPermutations() {
    std::set<std::vector<int>> orders;
    bool seen[9][9] = {};
    for (int round = 0; round < 300; ++round) {
        fw::NineArray<int> cells;
        for (int i = 0; i <= 8; ++i)
            cells(i) = i;
        cells.Shuffle();
        std::vector<int> order(cells.begin(), cells.end());
        std::vector<int> sorted = order;
        std::sort(sorted.begin(), sorted.end());
        QCOMPARE(sorted, (std::vector<int>{0, 1, 2, 3, 4, 5, 6, 7, 8}));
        orders.insert(order);
        for (int i = 0; i <= 8; ++i)
            seen[i][order[std::size_t(i)]] = true;
    }
    // 300 draws from 9! orders almost never repeat, and every cell takes every
    // value, its own included.
    QVERIFY2(orders.size() > 290, qPrintable(QString::number(orders.size())));
    for (int cell = 0; cell <= 8; ++cell)
        for (int value = 0; value <= 8; ++value)
            QVERIFY2(seen[cell][value], qPrintable(QString("%1 in %2").arg(value).arg(cell)));
}

QTEST_MAIN(TestRealPlatform)
#include "tst_realplatform.moc"
