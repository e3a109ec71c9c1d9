// The menu bars: what the main window's bar shows, the two bar models, and
// how a chosen item finds its handler and when an item is enabled.
#include "FakePlatform.h"
#include "Program.h"
#include "app/App.h"
#include "app/MenuBars.h"
#include "framework/Application.h"
#include "framework/Records.h"

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <QTest>
#include <QTextEdit>
#include <memory>

namespace {

// Opens the menu as a click on its title does, and closes it again; opening
// is when the items look at what can act on them.
void openAndClose(QMenuBar* bar, const QString& title) {
    for (QAction* a : bar->actions()) {
        if (a->text() != title) continue;
        QTest::mouseClick(bar, Qt::LeftButton, {}, bar->actionGeometry(a).center());
        QTRY_VERIFY(a->menu()->isVisible());
        a->menu()->hide();
        return;
    }
    QFAIL(qPrintable("no menu " + title));
}

// The menus and items as the window's Qt menu bar shows them.
QStringList shownMenus(QMenuBar* bar) {
    QStringList lines;
    for (const QAction* menuAction : bar->actions()) {
        lines << "menu " + menuAction->text();
        for (const QAction* a : menuAction->menu()->actions())
            lines << a->objectName() + " | " + (a->isSeparator() ? "-" : a->text()) + " | " +
                         a->shortcut().toString(QKeySequence::PortableText);
    }
    return lines;
}

QString kindOf(const fw::MenuItem* item) {
    if (dynamic_cast<const fw::QuitMenuItem*>(item)) return "quit";
    if (dynamic_cast<const fw::AppleMenuItem*>(item)) return "about";
    return typeid(*item) == typeid(fw::MenuItem) ? "item" : "other";
}

// A menu bar model as its tables read.
QStringList modelOf(const fw::MenuBar& bar) {
    QStringList lines;
    for (int m = 0; m < bar.Count(); ++m) {
        const fw::MenuItem* menu = bar.Item(m);
        lines << "menu " + menu->Name + " " + menu->Text;
        for (int i = 0; i < menu->Count(); ++i) {
            const fw::MenuItem* item = menu->Item(i);
            lines << item->Name + " | " + item->Text + " | " + item->KeyboardShortcut + " | " +
                         kindOf(item) + (item->AutoEnable ? "" : " | not auto");
        }
    }
    return lines;
}

QStringList fileAndEditModel(const QString& firstSeparator, const QString& secondSeparator) {
    return {"menu FileMenu &File",
            "FilePrintHelp | Print Help | Cmd+Shift+P | item",
            "FileQuit | Quit | Cmd+Q | quit",
            "menu EditMenu &Edit",
            "EditUndo | &Undo | Cmd+Z | item",
            firstSeparator + " | - |  | item",
            "EditCut | Cu&t | Cmd+X | item",
            "EditCopy | &Copy | Cmd+C | item",
            "EditPaste | &Paste | Cmd+V | item",
            "EditClear | &Delete |  | item",
            secondSeparator + " | - |  | item",
            "EditSelectAll | Select &All | Cmd+A | item"};
}

// A window with a bar and a handler of its own, and no control that takes the focus.
class HandlerWindow : public fw::Window {
public:
    explicit HandlerWindow(fw::MenuBar& model) : bar(model) {}
    QString ClassName() const override { return QStringLiteral("HandlerWindow"); }
    int printed = 0;

protected:
    void Layout() override {
        SetMenuBar(&bar);
        fw::SetProperties(*this, fw::WindowRecord({200, 100, "Handler"}));
    }
    void AddMenuHandlers(fw::Window& window) override {
        window.AddMenuHandler("FilePrintHelp", [this] {
            ++printed;
            return true;
        });
    }

private:
    fw::MenuBar& bar;
};

} // namespace

class TestMenus : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void menuBarsAreSharedInstances();
    void mainWindowShowsMenuBar1();
    void menuBarModels();
    void mainWindowMenuItemAccessors();
    void itemIsEnabledWhenSomethingCanActOnIt();
    void choosingAnItemRunsTheAppHandler();
    void appHandlerAddedLaterEnablesOpenWindowsItem();
    void windowHandlerTakesPrecedence();
    void windowHandlerEnablesItsItemOnceBuilt();
    void editItemsFollowTheFocusedTextControl();
};

void TestMenus::menuBarsAreSharedInstances() {
    FakePlatform platform;
    ProgramRun run;
    QVERIFY(MenuBar1());
    QCOMPARE(MenuBar1(), MenuBar1());
    QCOMPARE(App()->MenuBar(), MenuBar1());
    QCOMPARE(run.window->MenuBar(), MenuBar1());
    QVERIFY(MenuBar2());
    QCOMPARE(MenuBar2(), MenuBar2());
    QVERIFY(static_cast<fw::MenuBar*>(MenuBar2()) != MenuBar1());
}

void TestMenus::mainWindowShowsMenuBar1() {
    FakePlatform platform;
    ProgramRun run;
    QMenuBar* bar = BarOf(run.window);
    QVERIFY(bar);
    // "Cmd" is the Control key here.
    const QStringList expected{"menu &File",
                               "FilePrintHelp | Print Help | Ctrl+Shift+P",
                               "FileQuit | Quit | Ctrl+Q",
                               "menu &Edit",
                               "EditUndo | &Undo | Ctrl+Z",
                               "UntitledMenu1 | - | ",
                               "EditCut | Cu&t | Ctrl+X",
                               "EditCopy | &Copy | Ctrl+C",
                               "EditPaste | &Paste | Ctrl+V",
                               "EditClear | &Delete | ",
                               "UntitledMenu0 | - | ",
                               "EditSelectAll | Select &All | Ctrl+A",
                               "menu Check For Update",
                               "CheckForUpdateCheckNow | Check Now | ",
                               "menu Quorvex Help",
                               "HelpShow | Show Help | ",
                               "HelpAbout | About... | "};
    QCOMPARE(shownMenus(bar), expected);
}

void TestMenus::menuBarModels() {
    FakePlatform platform;
    ProgramRun run;
    QStringList one = fileAndEditModel("UntitledMenu1", "UntitledMenu0");
    one << "menu CheckForUpdateMenu Check For Update"
        << "CheckForUpdateCheckNow | Check Now |  | item"
        << "menu HelpMenu Quorvex Help"
        << "HelpShow | Show Help |  | item"
        << "HelpAbout | About... |  | about";
    QCOMPARE(modelOf(*MenuBar1()), one);
    QCOMPARE(modelOf(*MenuBar2()), fileAndEditModel("EditSeparator1", "EditSeparator2"));
}

void TestMenus::mainWindowMenuItemAccessors() {
    FakePlatform platform;
    ProgramRun run;
    const Quorvex::Window1* w = run.window;
    const std::vector<std::pair<fw::MenuItem*, const char*>> accessors{
        {w->HelpMenu(), "HelpMenu"},
        {w->HelpAbout(), "HelpAbout"},
        {w->HelpShow(), "HelpShow"},
        {w->CheckForUpdateMenu(), "CheckForUpdateMenu"},
        {w->CheckForUpdateCheckNow(), "CheckForUpdateCheckNow"},
        {w->EditMenu(), "EditMenu"},
        {w->EditSelectAll(), "EditSelectAll"},
        {w->UntitledMenu0(), "UntitledMenu0"},
        {w->EditClear(), "EditClear"},
        {w->EditPaste(), "EditPaste"},
        {w->EditCopy(), "EditCopy"},
        {w->EditCut(), "EditCut"},
        {w->UntitledMenu1(), "UntitledMenu1"},
        {w->EditUndo(), "EditUndo"},
        {w->FileMenu(), "FileMenu"},
        {w->FileQuit(), "FileQuit"},
        {w->FilePrintHelp(), "FilePrintHelp"}};
    for (const auto& [item, name] : accessors) {
        QVERIFY2(item, name);
        QCOMPARE(item->Name, QString::fromLatin1(name));
        QCOMPARE(item, MenuBar1()->Lookup(name));
    }
    QVERIFY(dynamic_cast<fw::AppleMenuItem*>(w->HelpAbout()));
    QVERIFY(dynamic_cast<fw::QuitMenuItem*>(w->FileQuit()));
    QCOMPARE(kindOf(w->UntitledMenu0()), QStringLiteral("item"));
    QCOMPARE(kindOf(w->UntitledMenu1()), QStringLiteral("item"));

    // A missing item, or one of another class, is the framework's lookup error, never null.
    fw::MenuItem* undo = MenuBar1()->Lookup("EditUndo");
    undo->Name = "Gone";
    QVERIFY_THROWS_EXCEPTION(fw::LookupError, w->EditUndo());
    undo->Name = "EditUndo";
    fw::MenuItem* show = MenuBar1()->Lookup("HelpShow"); // found before the real one
    show->Name = "HelpAbout";
    QVERIFY_THROWS_EXCEPTION(fw::LookupError, w->HelpAbout());
    show->Name = "HelpShow";
}

void TestMenus::itemIsEnabledWhenSomethingCanActOnIt() {
    FakePlatform platform;
    ProgramRun run;
    // Without opening a menu: a shortcut works from the state the items are in.
    // The main window has no text control, so no Edit item can act.
    int checked = 0;
    for (QAction* a : BarOf(run.window)->findChildren<QAction*>()) {
        const QString name = a->objectName();
        if (a->isSeparator() || a->menu() || name.isEmpty()) continue;
        const bool canAct =
            run.window->HasMenuHandler(name) || App()->HasMenuHandler(name) || name == "FileQuit";
        QVERIFY2(a->isEnabled() == canAct, qPrintable(name));
        ++checked;
    }
    QCOMPARE(checked, 11);
    QVERIFY(ActionNamed(run.window, "FileQuit")->isEnabled());
    QVERIFY(!ActionNamed(run.window, "EditCopy")->isEnabled());
}

void TestMenus::choosingAnItemRunsTheAppHandler() {
    FakePlatform platform;
    ProgramRun run;
    int ran = 0;
    App()->AddMenuHandler("CheckForUpdateCheckNow", [&ran] {
        ++ran;
        return false;
    });
    openAndClose(BarOf(run.window), "Check For Update");
    QAction* checkNow = ActionNamed(run.window, "CheckForUpdateCheckNow");
    QVERIFY(checkNow->isEnabled());
    checkNow->trigger();
    QCOMPARE(ran, 1);
}

// appHandlerLeftItemDisabled: an item stayed disabled, shortcut and all, until
// its menu was opened, when the App's handler came after the window.
void TestMenus::appHandlerAddedLaterEnablesOpenWindowsItem() {
    FakePlatform platform;
    ProgramRun run;
    QAction* undo = ActionNamed(run.window, "EditUndo");
    QVERIFY(!undo->isEnabled());
    int ran = 0;
    App()->AddMenuHandler("EditUndo", [&ran] {
        ++ran;
        return true;
    });
    QVERIFY(undo->isEnabled());
    undo->trigger();
    QCOMPARE(ran, 1);
}

void TestMenus::windowHandlerTakesPrecedence() {
    FakePlatform platform;
    ProgramRun run;
    int byApp = 0, byWindow = 0;
    App()->AddMenuHandler("CheckForUpdateCheckNow", [&byApp] {
        ++byApp;
        return false;
    });
    run.window->AddMenuHandler("CheckForUpdateCheckNow", [&byWindow] {
        ++byWindow;
        return true;
    });
    openAndClose(BarOf(run.window), "Check For Update");
    ActionNamed(run.window, "CheckForUpdateCheckNow")->trigger();
    QCOMPARE(byWindow, 1);
    QCOMPARE(byApp, 0);
}

void TestMenus::windowHandlerEnablesItsItemOnceBuilt() {
    // The bar is set in Layout, before AddMenuHandlers: unless the items are
    // looked at again once the window is built, a window's own items stay
    // disabled, and their shortcuts dead, until the focus moves.
    Quorvex::MenuBar2 model;
    auto window = std::make_unique<HandlerWindow>(model);
    window->Constructor();
    QVERIFY(QTest::qWaitForWindowActive(window->Widget()));
    QVERIFY(ActionNamed(window.get(), "FilePrintHelp")->isEnabled());
    QTest::keyClick(window->Widget(), Qt::Key_P, Qt::ControlModifier | Qt::ShiftModifier);
    QCOMPARE(window->printed, 1);
}

void TestMenus::editItemsFollowTheFocusedTextControl() {
    FakePlatform platform;
    ProgramRun run;
    QVERIFY(QTest::qWaitForWindowActive(run.window->Widget()));
    auto* edit = new QTextEdit(run.window->Content());
    edit->setPlainText("hello world");
    edit->show();
    edit->setFocus();
    QTRY_COMPARE(QApplication::focusWidget(), edit);
    QMenuBar* bar = BarOf(run.window);
    const auto enabled = [&](const char* name) {
        return ActionNamed(run.window, name)->isEnabled();
    };

    openAndClose(bar, "&Edit");
    QVERIFY(enabled("EditSelectAll"));
    QVERIFY(!enabled("EditCopy"));
    QVERIFY(!enabled("EditCut"));
    QVERIFY(!enabled("EditClear"));
    QVERIFY(!enabled("EditUndo"));

    ActionNamed(run.window, "EditSelectAll")->trigger();
    QCOMPARE(edit->textCursor().selectedText(), QStringLiteral("hello world"));
    openAndClose(bar, "&Edit");
    QVERIFY(enabled("EditCopy"));
    QVERIFY(enabled("EditCut"));
    QVERIFY(enabled("EditClear"));

    ActionNamed(run.window, "EditClear")->trigger();
    QCOMPARE(edit->toPlainText(), QString());
    openAndClose(bar, "&Edit");
    QVERIFY(enabled("EditUndo"));
    QVERIFY(!enabled("EditSelectAll"));

    ActionNamed(run.window, "EditUndo")->trigger();
    QCOMPARE(edit->toPlainText(), QStringLiteral("hello world"));

    // A read-only text control can be copied from but not changed.
    edit->setReadOnly(true);
    edit->selectAll();
    openAndClose(bar, "&Edit");
    QVERIFY(enabled("EditCopy"));
    QVERIFY(!enabled("EditCut"));
    QVERIFY(!enabled("EditClear"));
}

QTEST_MAIN(TestMenus)
#include "tst_menus.moc"
