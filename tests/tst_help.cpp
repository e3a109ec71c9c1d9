// The help window: its text, its menu bar, editing, and what becomes of edits.
#include "FakePlatform.h"
#include "PrintedPdf.h"
#include "Program.h"
#include "app/App.h"
#include "help/Help.h"

#include <QAction>
#include <QClipboard>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QTextEdit>
#include <QtTest>

namespace {

QString helpText() { return QString::fromUtf8(Quorvex::Help::HelpText); }

int openHelpWindows() { return OpenWindowsOf(Quorvex::Help::RegisteredName); }

QAction* item(fw::Window& window, const char* name) {
    return window.Widget()->findChild<QAction*>(name);
}

// Chooses "Show Help" in the main window and waits until the help window is active.
Quorvex::Help* showHelp(ProgramRun& run) {
    item(*run.window, "HelpShow")->trigger();
    Quorvex::Help* help = Help();
    if (!QTest::qWaitForWindowActive(help->Widget())) return nullptr;
    return help;
}

// Clicks into the text area, as the user does before typing.
QTextEdit* focusText(Quorvex::Help& help) {
    QTextEdit* edit = help.TextArea1()->Editor();
    QTest::mouseClick(edit->viewport(), Qt::LeftButton, {}, QPoint(5, 5));
    return edit;
}

// Whether the Edit item is enabled when the user opens the menu.
bool enabledOnOpen(Quorvex::Help& help, const char* name) {
    Q_EMIT help.Widget()->findChild<QMenu*>("EditMenu")->aboutToShow();
    return item(help, name)->isEnabled();
}

// Opens the Edit menu and chooses the item, when it is enabled.
void choose(Quorvex::Help& help, const char* name) {
    if (enabledOnOpen(help, name)) item(help, name)->trigger();
}

// What the text area shows: pixels in a selection highlight (focused or not), and dark ones.
struct Inks {
    int highlight = 0;
    int dark = 0;
};

Inks inksOf(QTextEdit* edit) {
    const QPalette palette = QApplication::palette(edit);
    const QRgb highlights[] = {palette.color(QPalette::Active, QPalette::Highlight).rgb(),
                               palette.color(QPalette::Inactive, QPalette::Highlight).rgb()};
    const QImage image = edit->viewport()->grab().toImage();
    Inks inks;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QRgb pixel = image.pixel(x, y);
            inks.highlight += pixel == highlights[0] || pixel == highlights[1];
            inks.dark += qGray(pixel) < 100;
        }
    return inks;
}

} // namespace

class TestHelp : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void helpTextHasItsForm();
    void captionIsQuoted_data();
    void captionIsQuoted();
    void showHelpTwiceGivesOneWindow();
    void windowShowsTheHelpTextInsideItsMargins();
    void markupIsNeverInterpreted();
    void typedTextIsPrintedThenLost();
    void closingDiscardsEdits();
    void menuBarHasFileAndEditOnly();
    void editItemsActOnTheTextArea();
    void selectionIsHiddenWhileTextAreaHasNoFocus();
};

void TestHelp::helpTextHasItsForm() {
    const QString text = helpText();
    QVERIFY(!text.contains('\n'));
    QVERIFY2(text.size() >= 1600 && text.size() <= 1900, qPrintable(QString::number(text.size())));
    const QStringList paragraphs = text.split("\r\r");
    QCOMPARE(paragraphs.size(), 4);
    QVERIFY(paragraphs[0].startsWith("Quorvex "));
    // Sentences are separated by exactly two blanks, and nothing else breaks a paragraph.
    static const QRegularExpression sentenceEnd("[.!?]\"?  (?=\\S)");
    static const QRegularExpression oneBlankAfterSentence("[.!?]\"? (?=[A-Z\"])");
    const int sentences[] = {1, 10, 9, 1};
    for (int p = 0; p < 4; ++p) {
        QVERIFY(!paragraphs[p].contains('\r'));
        QVERIFY(!paragraphs[p].contains("   "));
        QVERIFY(!paragraphs[p].contains(oneBlankAfterSentence));
        QCOMPARE(paragraphs[p].count(sentenceEnd) + 1, sentences[p]);
        QVERIFY(paragraphs[p].endsWith('.'));
    }
}

void TestHelp::captionIsQuoted_data() {
    QTest::addColumn<QString>("caption");
    for (const char* caption :
         {"Start Normal", "Stop", "Start Scrambled", "Start Memory Test", "Show Answer"})
        QTest::newRow(caption) << QString(caption);
}

void TestHelp::captionIsQuoted() {
    QFETCH(QString, caption);
    const QString text = helpText();
    QVERIFY(text.contains(caption));
    QCOMPARE(text.count(caption), text.count('"' + caption + '"'));
}

void TestHelp::showHelpTwiceGivesOneWindow() {
    FakePlatform fake;
    ProgramRun run;
    Quorvex::Help* first = showHelp(run);
    QVERIFY(first);

    item(*run.window, "HelpShow")->trigger();
    QCOMPARE(App()->HelpShow_Action(), false);

    QCOMPARE(openHelpWindows(), 1);
    QCOMPARE(Help(), first);
    QVERIFY(first->Widget()->isVisible());
}

void TestHelp::windowShowsTheHelpTextInsideItsMargins() {
    FakePlatform fake;
    ProgramRun run;
    Quorvex::Help* help = showHelp(run);
    QVERIFY(help);
    QTextEdit* edit = help->TextArea1()->Editor();

    QCOMPARE(help->TextArea1()->Text(), helpText());
    QCOMPARE(help->Content()->size(), QSize(400, 364));
    QCOMPARE(edit->geometry(), QRect(20, 20, 360, 324));
    QCOMPARE(help->Widget()->minimumSize(), help->Widget()->maximumSize());
    const Qt::WindowFlags flags = help->Widget()->windowFlags();
    QVERIFY(flags & Qt::WindowCloseButtonHint);
    QVERIFY(!(flags & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));

    // The margins are plain window background; the text is drawn inside.
    const QImage image = help->Content()->grab().toImage();
    const QRgb background = image.pixel(5, 5);
    for (const QPoint at : {QPoint(395, 5), QPoint(5, 359), QPoint(395, 359), QPoint(10, 180)})
        QCOMPARE(image.pixel(at), background);
    int dark = 0;
    for (int y = 25; y < 340; ++y)
        for (int x = 25; x < 360; ++x)
            dark += qGray(image.pixel(x, y)) < 100;
    QVERIFY2(dark > 2000, qPrintable(QString::number(dark)));
}

// QTextEdit::setText guesses rich text: "<b>" would vanish and embolden.
void TestHelp::markupIsNeverInterpreted() {
    FakePlatform fake;
    ProgramRun run;
    Quorvex::Help* help = showHelp(run);
    QVERIFY(help);
    const QString markup = "<b>bold</b> &amp; <i>more</i>";

    help->TextArea1()->SetText(markup);
    QCOMPARE(help->TextArea1()->Editor()->toPlainText(), markup);

    QTextEdit* edit = focusText(*help);
    edit->moveCursor(QTextCursor::End);
    auto* data = new QMimeData;
    data->setHtml("<p><b>Pasted</b></p>");
    data->setText("<b>Pasted</b>");
    QApplication::clipboard()->setMimeData(data);
    choose(*help, "EditPaste");
    QCOMPARE(help->TextArea1()->Text(), markup + "<b>Pasted</b>");
}

void TestHelp::typedTextIsPrintedThenLost() {
    FakePlatform fake;
    ProgramRun run;
    PrintedPdf pdf(fake);
    Quorvex::Help* help = showHelp(run);
    QVERIFY(help);
    QTextEdit* edit = focusText(*help);
    QTest::keyClick(edit, Qt::Key_Home, Qt::ControlModifier);
    QTest::keyClicks(edit, "Zebra notes typed here.  ");

    item(*help, "FilePrintHelp")->trigger();

    QCOMPARE(openHelpWindows(), 0);
    QVERIFY(pdf.PageTexts().value(0).simplified().startsWith(
        "Zebra notes typed here. Quorvex was made"));
    Quorvex::Help* again = showHelp(run);
    QVERIFY(again);
    QCOMPARE(again->TextArea1()->Text(), helpText());
}

void TestHelp::closingDiscardsEdits() {
    FakePlatform fake;
    ProgramRun run;
    Quorvex::Help* help = showHelp(run);
    QVERIFY(help);
    QTest::keyClicks(focusText(*help), "scribbles");
    QVERIFY(help->TextArea1()->Text() != helpText());

    help->Widget()->close(); // the title bar's close button

    QCOMPARE(openHelpWindows(), 0);
    QVERIFY(run.window->IsOpen()); // closing help ends nothing else
    Quorvex::Help* again = showHelp(run);
    QVERIFY(again);
    QCOMPARE(again->TextArea1()->Text(), helpText());
}

void TestHelp::menuBarHasFileAndEditOnly() {
    FakePlatform fake;
    ProgramRun run;
    Quorvex::Help* help = showHelp(run);
    QVERIFY(help);

    QStringList menus;
    for (QAction* menu : help->Widget()->findChild<QMenuBar*>()->actions())
        menus << menu->text();
    QCOMPARE(menus, QStringList({"&File", "&Edit"}));
    for (const char* appOnly : {"HelpShow", "HelpAbout", "CheckForUpdateCheckNow"})
        QVERIFY2(!item(*help, appOnly), appOnly);
    QVERIFY(help->FileQuit());
    QVERIFY(help->EditSeparator1()->IsSeparator() && help->EditSeparator2()->IsSeparator());
    QVERIFY(item(*help, "FilePrintHelp")->isEnabled());
}

void TestHelp::editItemsActOnTheTextArea() {
    FakePlatform fake;
    ProgramRun run;
    Quorvex::Help* help = showHelp(run);
    QVERIFY(help);
    QTextEdit* edit = focusText(*help);
    QClipboard* clipboard = QApplication::clipboard();
    clipboard->setText("Pasted words.  ");

    // Nothing selected and nothing done yet.
    QVERIFY(!enabledOnOpen(*help, "EditUndo"));
    QVERIFY(!enabledOnOpen(*help, "EditCut"));
    QVERIFY(!enabledOnOpen(*help, "EditCopy"));
    QVERIFY(!enabledOnOpen(*help, "EditClear"));
    QVERIFY(enabledOnOpen(*help, "EditPaste"));
    QVERIFY(enabledOnOpen(*help, "EditSelectAll"));

    choose(*help, "EditSelectAll");
    QCOMPARE(edit->textCursor().selectedText().size(), helpText().size());
    QVERIFY(enabledOnOpen(*help, "EditCopy"));
    QVERIFY(enabledOnOpen(*help, "EditCut"));
    QVERIFY(enabledOnOpen(*help, "EditClear"));

    choose(*help, "EditCopy");
    QCOMPARE(clipboard->text(), edit->toPlainText());
    choose(*help, "EditCut");
    QCOMPARE(help->TextArea1()->Text(), QString());

    QVERIFY(enabledOnOpen(*help, "EditUndo"));
    choose(*help, "EditUndo");
    QCOMPARE(help->TextArea1()->Text(), helpText());

    edit->moveCursor(QTextCursor::Start);
    clipboard->setText("Pasted words.  ");
    choose(*help, "EditPaste");
    QCOMPARE(help->TextArea1()->Text(), "Pasted words.  " + helpText());

    choose(*help, "EditSelectAll");
    choose(*help, "EditClear");
    QCOMPARE(help->TextArea1()->Text(), QString());
    // Deleting is not cutting: what the user copied is still there.
    QCOMPARE(clipboard->text(), QString("Pasted words.  "));
}

// Without HideSelection the selection stays highlighted while the focus is elsewhere.
void TestHelp::selectionIsHiddenWhileTextAreaHasNoFocus() {
    FakePlatform fake;
    ProgramRun run;
    Quorvex::Help* help = showHelp(run);
    QVERIFY(help);
    QTextEdit* edit = focusText(*help);
    choose(*help, "EditSelectAll");
    QVERIFY(inksOf(edit).highlight > 10000);

    edit->clearFocus();
    const Inks unfocused = inksOf(edit);
    QCOMPARE(unfocused.highlight, 0);
    QVERIFY2(unfocused.dark > 2000, qPrintable(QString::number(unfocused.dark)));
    QVERIFY(edit->textCursor().hasSelection());

    edit->setFocus();
    QVERIFY(edit->hasFocus());
    QVERIFY(inksOf(edit).highlight > 10000);
}

QTEST_MAIN(TestHelp)
#include "tst_help.moc"
