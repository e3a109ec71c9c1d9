// Printing the help text into a real PDF, read back with poppler's tools.
#include "FakePlatform.h"
#include "PrintedPdf.h"
#include "Program.h"
#include "framework/Date.h"
#include "framework/Printing.h"
#include "help/Help.h"

#include <QAction>
#include <QtTest>

namespace {

// Points on the paper: the printable area starts half an inch in, and the
// text block another 36 in from there.
constexpr double Margin = 36, BlockLeft = Margin + 36, BlockTop = Margin + 36;
constexpr double BlockBottom = BlockTop + 672;

QString numberedLine(int n) {
    return QString("Line %1 of the help text").arg(n, 3, 10, QChar('0'));
}

QString numberedLines(int count) {
    QStringList lines;
    for (int n = 1; n <= count; ++n)
        lines << numberedLine(n);
    return lines.join('\r');
}

QString stampNow() {
    const fw::Date now;
    return now.ShortTime() + ", " + now.ShortDate();
}

bool helpIsOpen() { return fw::GetImplicitWindow(Quorvex::Help::RegisteredName) != nullptr; }

// How many lines one text block takes, found by feeding the printer one line
// more each time until a block no longer takes them all.
int linesPerBlock(FakePlatform& fake) {
    PrintedPdf scratch(fake);
    const std::unique_ptr<fw::Graphics> g = fw::OpenPrinterDialog();
    g->TextFont = "Courier";
    g->TextSize = 10;
    g->Bold = true;
    for (int n = 1; n < 200; ++n) {
        Help()->TextArea1()->SetText(numberedLines(n));
        const auto printer = Help()->TextArea1()->styledTextPrinter(*g, 492);
        printer->DrawBlock(36, 36, 672);
        if (!printer->Eof()) return n - 1;
    }
    return -1;
}

// The footer's page number and stamp, from a page's last printed line.
QPair<int, QString> footerOf(const QString& pageText) {
    static const QRegularExpression footer("^page (\\d+)\\s+(\\S.*\\S)\\s*$",
                                           QRegularExpression::MultilineOption);
    QRegularExpressionMatch last;
    for (const QRegularExpressionMatch& m : footer.globalMatch(pageText))
        last = m;
    return {last.hasMatch() ? last.captured(1).toInt() : -1, last.captured(2)};
}

} // namespace

class TestPrinting : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void printsEveryPageWithItsFooter_data();
    void printsEveryPageWithItsFooter();
    void printsTheDesignTextWhenNoHelpWindowIsOpen();
    void emptyTextPrintsOnePageWithOnlyItsFooter();
    void noEmptyPageWhenTextEndsAtFootOfPage_data();
    void noEmptyPageWhenTextEndsAtFootOfPage();
    void bodyIsCourierTenPointInsideTheTextBlock();
    void printHelpItemPrintsFromEitherWindow_data();
    void printHelpItemPrintsFromEitherWindow();
    void cancelPrintsNothingAndClosesHelp_data();
    void cancelPrintsNothingAndClosesHelp();
    void refusedJobSaysSoPrintsNothingAndClosesHelp();
};

void TestPrinting::printsEveryPageWithItsFooter_data() {
    QTest::addColumn<bool>("fromHelpWindow");
    QTest::newRow("main window") << false;
    QTest::newRow("help window") << true;
}

// Also: printing from the main window prints the open help window's text.
void TestPrinting::printsEveryPageWithItsFooter() {
    QFETCH(bool, fromHelpWindow);
    FakePlatform fake;
    ProgramRun run;
    const int perPage = linesPerBlock(fake);
    QVERIFY(perPage > 10);
    const int lineCount = 2 * perPage + perPage / 2;
    PrintedPdf pdf(fake);
    Help()->TextArea1()->SetText(numberedLines(lineCount));

    const QString before = stampNow();
    const bool result =
        fromHelpWindow ? Help()->FilePrintHelp_Action() : run.window->FilePrintHelp_Action();
    const QString after = stampNow();

    QVERIFY(result);
    QVERIFY(!helpIsOpen());
    QCOMPARE(pdf.PageCount(), 3);
    const QStringList pages = pdf.PageTexts();
    QCOMPARE(pages.size(), 3);
    const QString stamp = footerOf(pages[0]).second;
    QVERIFY2(stamp == before || stamp == after, qPrintable(stamp));
    int nextLine = 1;
    for (int p = 0; p < pages.size(); ++p) {
        QCOMPARE(footerOf(pages[p]), qMakePair(p + 1, stamp));
        QCOMPARE(pages[p].count(QRegularExpression("\\bpage \\d+\\b")), 1);
        // Every line whole, once, in order: none is cut between two pages.
        static const QRegularExpression line("^Line (\\d+) of the help text$",
                                             QRegularExpression::MultilineOption);
        for (const QRegularExpressionMatch& m : line.globalMatch(pages[p]))
            QCOMPARE(m.captured(1).toInt(), nextLine++);
    }
    QCOMPARE(nextLine, lineCount + 1);
}

void TestPrinting::printsTheDesignTextWhenNoHelpWindowIsOpen() {
    FakePlatform fake;
    ProgramRun run;
    PrintedPdf pdf(fake);
    QVERIFY(!helpIsOpen());

    QVERIFY(run.window->FilePrintHelp_Action());

    QVERIFY(!helpIsOpen());
    QCOMPARE(pdf.PageCount(), 1);
    const QList<PdfWord> words = pdf.PageWords().value(0);
    QStringList body;
    for (const PdfWord& w : words)
        if (w.yMax < BlockBottom) body << w.text;
    QCOMPARE(body.join(' '), QString::fromUtf8(Quorvex::Help::HelpText).simplified());
    QCOMPARE(footerOf(pdf.PageTexts().value(0)).first, 1);
}

void TestPrinting::emptyTextPrintsOnePageWithOnlyItsFooter() {
    FakePlatform fake;
    ProgramRun run;
    PrintedPdf pdf(fake);
    Help()->TextArea1()->SetText(QString());
    const QString before = stampNow();

    QVERIFY(Help()->FilePrintHelp_Action());

    QCOMPARE(pdf.PageCount(), 1);
    QStringList printed;
    for (const PdfWord& w : pdf.PageWords().value(0))
        printed << w.text;
    const QString expected = "page 1 " + before;
    QVERIFY2(printed.join(' ') == expected || printed.join(' ') == "page 1 " + stampNow(),
             qPrintable(printed.join(' ')));
}

void TestPrinting::noEmptyPageWhenTextEndsAtFootOfPage_data() {
    QTest::addColumn<int>("fullPages");
    QTest::addColumn<int>("extraLines");
    QTest::addColumn<int>("expectedPages");
    QTest::newRow("one full page") << 1 << 0 << 1;
    QTest::newRow("two full pages") << 2 << 0 << 2;
    QTest::newRow("two full pages and a line") << 2 << 1 << 3;
}

// Without the check after each block the loop would end every full last page
// with NextPage and print an empty page with a footer of its own.
void TestPrinting::noEmptyPageWhenTextEndsAtFootOfPage() {
    QFETCH(int, fullPages);
    QFETCH(int, extraLines);
    QFETCH(int, expectedPages);
    FakePlatform fake;
    ProgramRun run;
    const int perPage = linesPerBlock(fake);
    PrintedPdf pdf(fake);
    // A trailing line break, as typing leaves one, must not cost a page either.
    Help()->TextArea1()->SetText(numberedLines(fullPages * perPage + extraLines) + "\r");

    QVERIFY(Help()->FilePrintHelp_Action());

    QCOMPARE(pdf.PageCount(), expectedPages);
    const QStringList pages = pdf.PageTexts();
    QCOMPARE(footerOf(pages.last()).first, expectedPages);
    QVERIFY(pages.last().contains(numberedLine(fullPages * perPage + extraLines)));
}

void TestPrinting::bodyIsCourierTenPointInsideTheTextBlock() {
    FakePlatform fake;
    ProgramRun run;
    PrintedPdf pdf(fake);
    Help()->TextArea1()->SetText(numberedLines(200));

    QVERIFY(Help()->FilePrintHelp_Action());

    // Courier bold for the body (fontconfig may name its stand-in), Arial for the footer.
    const QString fonts = pdf.Fonts();
    QVERIFY2(fonts.contains(QRegularExpression("(Courier|NimbusMono)\\S*-Bold")),
             qPrintable(fonts));
    QVERIFY2(fonts.contains(QRegularExpression("(Arial|LiberationSans)\\s")), qPrintable(fonts));
    const int stampWords = int(stampNow().split(' ').size());
    for (const QList<PdfWord>& page : pdf.PageWords()) {
        QList<PdfWord> body, footer;
        for (const PdfWord& w : page)
            (w.yMax <= BlockBottom ? body : footer) << w;
        QVERIFY(!body.isEmpty());
        for (const PdfWord& w : body) {
            // Courier's glyphs are 0.6 em wide, so 10 pt text advances 6 pt a character.
            QCOMPARE(qRound((w.xMax - w.xMin) * 10), int(w.text.size()) * 60);
            QVERIFY(w.yMin >= BlockTop);
            if (w.text == "Line") QCOMPARE(w.xMin, BlockLeft);
        }
        // "page n" at (40, 720) with its baseline there, the stamp at (100, 720).
        QCOMPARE(footer.size(), 2 + stampWords);
        QCOMPARE(footer[0].text, QString("page"));
        QCOMPARE(footer[0].xMin, Margin + 40);
        QVERIFY(footer[0].yMin < Margin + 720 && footer[0].yMax > Margin + 720);
        QCOMPARE(footer[2].xMin, Margin + 100);
    }
}

void TestPrinting::printHelpItemPrintsFromEitherWindow_data() {
    printsEveryPageWithItsFooter_data();
}

void TestPrinting::printHelpItemPrintsFromEitherWindow() {
    QFETCH(bool, fromHelpWindow);
    FakePlatform fake;
    ProgramRun run;
    PrintedPdf pdf(fake);
    fw::Window* window = fromHelpWindow ? static_cast<fw::Window*>(Help()) : run.window;
    QVERIFY(QTest::qWaitForWindowActive(window->Widget()));
    auto* item = window->Widget()->findChild<QAction*>("FilePrintHelp");
    QVERIFY(item);
    QCOMPARE(item->shortcut(), QKeySequence("Ctrl+Shift+P"));

    item->trigger();

    QCOMPARE(fake.printerDialogs, 1);
    QCOMPARE(pdf.PageCount(), 1);
    QVERIFY(!helpIsOpen());
}

void TestPrinting::cancelPrintsNothingAndClosesHelp_data() {
    QTest::addColumn<bool>("fromHelpWindow");
    QTest::addColumn<bool>("helpOpenBefore");
    QTest::newRow("main window, help open") << false << true;
    QTest::newRow("main window, no help open") << false << false;
    QTest::newRow("help window") << true << true;
}

void TestPrinting::cancelPrintsNothingAndClosesHelp() {
    QFETCH(bool, fromHelpWindow);
    QFETCH(bool, helpOpenBefore);
    FakePlatform fake; // no printer: the user cancels
    ProgramRun run;
    if (helpOpenBefore) Help()->TextArea1()->SetText("Something to print");
    QCOMPARE(helpIsOpen(), helpOpenBefore);

    const bool result =
        fromHelpWindow ? Help()->FilePrintHelp_Action() : run.window->FilePrintHelp_Action();

    QVERIFY(result);
    QCOMPARE(fake.printerDialogs, 1);
    QVERIFY(fake.messages.isEmpty()); // the user chose this; nothing to tell
    QVERIFY(!helpIsOpen());
    for (QWidget* w : QApplication::topLevelWidgets())
        QVERIFY(w->windowTitle() != "Help" || !w->isVisible());
}

// Without the message a job that the printer refuses ends as silently as a cancel.
void TestPrinting::refusedJobSaysSoPrintsNothingAndClosesHelp() {
    FakePlatform fake;
    ProgramRun run;
    QTemporaryDir dir;
    const QString file = dir.filePath("no such folder/printed.pdf");
    fake.printer = [file]() -> std::unique_ptr<QPagedPaintDevice> {
        auto printer = std::make_unique<QPrinter>();
        printer->setOutputFormat(QPrinter::PdfFormat);
        printer->setOutputFileName(file);
        return printer;
    };
    QVERIFY(!helpIsOpen());

    QVERIFY(run.window->FilePrintHelp_Action());

    QCOMPARE(fake.messages, QStringList{"The help text could not be printed."});
    QVERIFY(!helpIsOpen());
    QVERIFY(!QFile::exists(file));
}

QTEST_MAIN(TestPrinting)
#include "tst_printing.moc"
