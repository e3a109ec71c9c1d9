// The layout records of the window and control classes: their entries in
// each class's order and types, and what they show on the real controls.
#include "PropertyRecorder.h"
#include "TestWindow.h"
#include "framework/Canvas.h"
#include "framework/Label.h"
#include "framework/PushButton.h"
#include "framework/Records.h"
#include "framework/Rectangle.h"
#include "framework/Separator.h"
#include "framework/Timer.h"
#include "framework/Window.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>

using fw::PropertyType;

namespace {

// Every property name of the program's records with its type.
PropertyRecorder everyKnownProperty() {
    std::vector<std::pair<const char*, PropertyType>> all;
    for (const char* n :
         {"Composite",      "HasBackColor",    "Visible",      "FullScreen",     "MenuBarVisible",
          "CloseButton",    "Resizeable",      "LiveResize",   "MaximizeButton", "MinimizeButton",
          "LockLeft",       "LockTop",         "LockRight",    "LockBottom",     "TabStop",
          "AutoDeactivate", "Enabled",         "UseFocusRing", "AcceptFocus",    "AcceptTabs",
          "DoubleBuffer",   "EraseBackground", "Default",      "Cancel",         "Bold",
          "Italic",         "Underline",       "Multiline",    "Selectable",     "Transparent"})
        all.emplace_back(n, PropertyType::Boolean);
    for (const char* n :
         {"Placement", "Width", "Height", "MinWidth", "MinHeight", "MaxWidth", "MaxHeight", "Frame",
          "MacProcID", "Index", "Left", "Top", "TabIndex", "TabPanelIndex", "BorderWidth",
          "ButtonStyle", "TextAlign", "Mode", "Period"})
        all.emplace_back(n, PropertyType::Integer);
    for (const char* n :
         {"BackColor", "FillColor", "TopLeftColor", "BottomRightColor", "TextColor"})
        all.emplace_back(n, PropertyType::Color);
    for (const char* n : {"Title", "Name", "HelpTag", "InitialParent", "Caption", "TextFont",
                          "Text", "DataSource", "DataField"})
        all.emplace_back(n, PropertyType::String);
    return PropertyRecorder(std::move(all));
}

QStringList namesOf(const QStringList& log) {
    QStringList names;
    for (const QString& entry : log)
        names << entry.section('=', 0, 0);
    return names;
}

} // namespace

class TestRecords : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void recordsListTheirClassEntriesInOrder_data();
    void recordsListTheirClassEntriesInOrder();
    void recordsApplyToTheRealControls();
    void labelShowsItsRecord();
    void pushButtonShowsItsRecord();
    void controlInsideAnotherTakesWindowCoordinates();
    void buildingChecksEachControlsClass();
};

void TestRecords::recordsListTheirClassEntriesInOrder_data() {
    QTest::addColumn<QByteArray>("record");
    QTest::addColumn<QString>("names");
    const fw::ControlRow p{"X", 0, nullptr, "", 1, 2, 3, 4, "Hi", {}, 1, true, 5};
    QTest::newRow("window") << fw::WindowRecord({.width = 680, .height = 463, .title = "Quorvex"})
                            << "Placement Width Height MinWidth MinHeight MaxWidth MaxHeight "
                               "Frame Composite HasBackColor BackColor Title Visible FullScreen "
                               "MenuBarVisible CloseButton Resizeable LiveResize MaximizeButton "
                               "MinimizeButton MacProcID";
    const QString place = "Name Index Left Top Width Height LockLeft LockTop LockRight LockBottom ";
    QTest::newRow("frame") << fw::RectangleRecord(p)
                           << place + "TabIndex TabPanelIndex Visible HelpTag AutoDeactivate "
                                      "Enabled FillColor BorderWidth TopLeftColor "
                                      "BottomRightColor InitialParent";
    QTest::newRow("canvas") << fw::CanvasRecord(p)
                            << place + "TabPanelIndex TabIndex TabStop Visible HelpTag "
                                       "AutoDeactivate Enabled UseFocusRing AcceptFocus "
                                       "AcceptTabs DoubleBuffer EraseBackground InitialParent";
    QTest::newRow("separator") << fw::SeparatorRecord(p)
                               << place + "TabPanelIndex TabIndex TabStop InitialParent "
                                          "Visible HelpTag AutoDeactivate Enabled";
    QTest::newRow("push button")
        << fw::PushButtonRecord(p)
        << place + "TabPanelIndex TabIndex TabStop Caption Default Cancel Enabled Visible "
                   "HelpTag AutoDeactivate ButtonStyle TextFont Bold Italic Underline "
                   "InitialParent";
    QTest::newRow("label") << fw::LabelRecord(p)
                           << place + "TabPanelIndex TabIndex Text TextAlign TextColor "
                                      "Multiline Enabled Visible Selectable Transparent "
                                      "HelpTag AutoDeactivate TextFont Bold Italic Underline "
                                      "DataSource DataField InitialParent";
    QTest::newRow("timer") << fw::TimerRecord(p) << "Mode Period";
}

void TestRecords::recordsListTheirClassEntriesInOrder() {
    QFETCH(QByteArray, record);
    QFETCH(QString, names);
    // Read by the declared type of every name: a value written with another
    // type would throw the reading off.
    PropertyRecorder target = everyKnownProperty();
    fw::SetProperties(target, record);
    QCOMPARE(namesOf(target.log), names.split(' '));
}

void TestRecords::recordsApplyToTheRealControls() {
    // Every entry a builder writes is a property of the class it is for.
    TestWindow host;
    const fw::ControlRow p{"X", fw::NoIndex, nullptr, "",   10,
                           10,  50,          20,      "Go", {},
                           0,   true,        1,       {},   {.mode = 1, .period = 250}};
    fw::SetProperties(host, fw::WindowRecord({.width = 300, .height = 200, .title = "Host"}));
    fw::Rectangle rectangle(host);
    fw::SetProperties(rectangle, fw::RectangleRecord(p));
    fw::Canvas canvas(host);
    fw::SetProperties(canvas, fw::CanvasRecord(p));
    fw::Separator separator(host);
    fw::SetProperties(separator, fw::SeparatorRecord(p));
    fw::PushButton button(host);
    fw::SetProperties(button, fw::PushButtonRecord(p));
    fw::Label label(host);
    fw::SetProperties(label, fw::LabelRecord(p));
    fw::Timer timer(host);
    fw::SetProperties(timer, fw::TimerRecord(p));
    QCOMPARE(host.Title(), QStringLiteral("Host"));
    QCOMPARE(host.Content()->size(), QSize(300, 200));
    QCOMPARE(timer.Mode(), 1);
    QCOMPARE(timer.Period(), 250);
}

void TestRecords::labelShowsItsRecord() {
    TestWindow host;
    fw::Label label(host);
    const fw::ControlRow p{"Greeting",     fw::NoIndex,        nullptr, "",    12, 34, 150, 20,
                           "<b>5 & 6</b>", {"Arial", 0, true}, 2,       false, 3};
    fw::SetProperties(label, fw::LabelRecord(p));
    auto* shown = qobject_cast<QLabel*>(label.Widget());
    QVERIFY(shown);
    QCOMPARE(label.Name, QStringLiteral("Greeting"));
    QCOMPARE(label.Index, fw::NoIndex);
    QCOMPARE(shown->text(), QStringLiteral("<b>5 & 6</b>"));
    QCOMPARE(shown->textFormat(), Qt::PlainText);
    QCOMPARE(shown->geometry(), QRect(12, 34, 150, 20));
    QCOMPARE(shown->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignRight);
    QVERIFY(!shown->isEnabled());
    QVERIFY(shown->font().bold());
    QCOMPARE(label.TabIndex(), 3);
}

void TestRecords::pushButtonShowsItsRecord() {
    TestWindow host;
    fw::PushButton button(host);
    const fw::ControlRow p{"Start1",
                           fw::NoIndex,
                           nullptr,
                           "",
                           20,
                           342,
                           130,
                           20,
                           "Start & Stop",
                           {"Arial", 0, true},
                           0,
                           true,
                           20,
                           {},
                           {.isDefault = true}};
    fw::SetProperties(button, fw::PushButtonRecord(p));
    auto* shown = qobject_cast<QPushButton*>(button.Widget());
    QVERIFY(shown);
    QCOMPARE(button.Caption(), QStringLiteral("Start & Stop"));
    // The ampersand is shown, not taken as a mnemonic mark.
    QCOMPARE(shown->text(), QStringLiteral("Start && Stop"));
    QCOMPARE(shown->geometry(), QRect(20, 342, 130, 20));
    QVERIFY(shown->isEnabled());
    QVERIFY(button.Default());
    QVERIFY(!button.Cancel());
    QVERIFY(shown->font().bold());
}

void TestRecords::controlInsideAnotherTakesWindowCoordinates() {
    TestWindow host;
    auto frame = std::make_unique<fw::Rectangle>(host);
    fw::SetProperties(
        *frame,
        fw::RectangleRecord({"Rectangle1", 1, nullptr, "", 120, 20, 100, 100, "", {}, 0, true, 0}));
    host.AddControl("Rectangle1", std::move(frame));
    fw::Label label(host);
    fw::SetProperties(
        label,
        fw::LabelRecord(
            {"L", fw::NoIndex, nullptr, "Rectangle1$1", 130, 60, 50, 20, "x", {}, 0, true, 0}));
    auto* container = dynamic_cast<fw::RectControl*>(host.ControlByNameIndex("Rectangle1", 1));
    QVERIFY(container);
    QCOMPARE(label.Widget()->parentWidget(), container->Widget());
    QCOMPARE(label.Widget()->geometry(), QRect(10, 40, 50, 20));
}

// The builder fetches each control back by its name: one that turns out to be
// of another class than its row says is named in the failure.
void TestRecords::buildingChecksEachControlsClass() {
    TestWindow host;
    const fw::ControlRow rows[] = {
        {"X", fw::NoIndex, &fw::classes::Label, "", 0, 0, 10, 10, "", {}, 0, true, 0},
        {"X", fw::NoIndex, &fw::classes::PushButton, "", 0, 0, 10, 10, "", {}, 0, true, 1}};
    QString failure;
    try {
        fw::CreateControlsFrom(host, rows);
    } catch (const fw::LookupError& e) {
        failure = e.what();
    }
    QVERIFY2(failure.contains("PushButton 'X'"), qPrintable(failure));
}

QTEST_MAIN(TestRecords)
#include "tst_records.moc"
