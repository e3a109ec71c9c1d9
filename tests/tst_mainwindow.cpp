// The main window as built: its size and frame, where each control stands and
// how it reads, its state before any press, its tab order and its look.
#include "FakePlatform.h"
#include "Program.h"
#include "WordCellInks.h"
#include "framework/Font.h"
#include "framework/Graphics.h"
#include "framework/Text.h"
#include "game/Module1.h"

#include <QApplication>
#include <QFontInfo>
#include <QLabel>
#include <QMenuBar>
#include <QPainter>
#include <QPushButton>
#include <QtTest>

namespace {

fw::RectControl* controlNamed(const Quorvex::Window1& w, const QString& name, int index = -1) {
    fw::Control* c = index < 0 ? w.ControlByName(name) : w.ControlByNameIndex(name, index);
    return dynamic_cast<fw::RectControl*>(c);
}

// Where a control's widget stands, measured from the content area's top left.
QRect inContent(const Quorvex::Window1& w, const fw::RectControl& control) {
    QWidget* widget = control.Widget();
    return QRect(widget->mapTo(w.Content(), QPoint(0, 0)), widget->size());
}

QImage contentPicture(const Quorvex::Window1& w) {
    return w.Content()->grab().toImage().convertToFormat(QImage::Format_RGB32);
}

constexpr QRgb White = 0xFFFFFF, Black = 0x000000;
QRgb at(const QImage& image, int x, int y) { return image.pixel(x, y) & 0xFFFFFF; }

} // namespace

class TestMainWindow : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void contentArea();
    void controlStandsWhereDesigned_data();
    void controlStandsWhereDesigned();
    void gridCellsSitInTheirFrames();
    void textControlReadsAsDesigned_data();
    void textControlReadsAsDesigned();
    void initialState();
    void tabOrderAndFocus();
    void gridFramesAndSeparatorLook();
    void wordCellsShowNineInksInsideTheirCells();
    void cellsDrawTheirTextInTheirTypeAndPlace();
    void drawStringWrapsOrCondensesToItsWidth();
    void supportButtonHandsOverTheOrderPage();
    void labelTextsArePlain();
};

void TestMainWindow::initTestCase() {
    // As in the shipped runtime, so that only the window's own Close can quit.
    QApplication::setQuitOnLastWindowClosed(false);
}

void TestMainWindow::contentArea() {
    FakePlatform fake;
    ProgramRun run;
    Quorvex::Window1& w = *run.window;
    QWidget* top = w.Widget();
    QCOMPARE(top->windowTitle(), QString("Quorvex"));
    QCOMPARE(w.Content()->size(), QSize(680, 463));

    auto* bar = top->findChild<QMenuBar*>();
    QVERIFY(bar);
    QVERIFY(bar->isVisible());
    QVERIFY(bar->height() > 0);
    QCOMPARE(w.Content()->y(), bar->geometry().bottom() + 1);
    QCOMPARE(top->size(), QSize(680, 463 + bar->height()));

    QCOMPARE(top->minimumSize(), top->maximumSize());
    QVERIFY(!(top->windowFlags() & Qt::WindowMaximizeButtonHint));
    QVERIFY(top->windowFlags() & Qt::WindowMinimizeButtonHint);
    const QSize before = top->size();
    top->resize(900, 700);
    QCoreApplication::processEvents();
    QCOMPARE(top->size(), before);
    QCOMPARE(w.Content()->size(), QSize(680, 463));
}

void TestMainWindow::controlStandsWhereDesigned_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("index");
    QTest::addColumn<QRect>("bounds");
    QTest::addColumn<QString>("container"); // empty: the content area itself

    auto row = [](const char* name, int index, int l, int t, int w, int h, const char* inside) {
        const QString tag = index < 0 ? QString(name) : QString("%1(%2)").arg(name).arg(index);
        QTest::newRow(qPrintable(tag))
            << QString(name) << index << QRect(l, t, w, h) << QString(inside);
    };
    row("Rectangle1", 1, 120, 20, 100, 100, "");
    row("Canvas2", -1, 120, 20, 100, 100, "Rectangle1$1");
    row("Rectangle1", 4, 120, 120, 100, 100, "");
    row("Canvas5", -1, 120, 120, 100, 100, "Rectangle1$4");
    row("Cover", -1, 360, 20, 300, 300, "");
    row("Rectangle2", 0, 360, 20, 100, 100, "Cover");
    row("Canvas11", -1, 360, 20, 100, 100, "Rectangle2$0");
    row("Rectangle2", 8, 560, 220, 100, 100, "Cover");
    row("Canvas19", -1, 560, 220, 100, 100, "Rectangle2$8");
    row("Separator1", -1, 339, 21, 1, 374, "");
}

void TestMainWindow::controlStandsWhereDesigned() {
    QFETCH(QString, name);
    QFETCH(int, index);
    QFETCH(QRect, bounds);
    QFETCH(QString, container);
    FakePlatform fake;
    ProgramRun run;
    const Quorvex::Window1& w = *run.window;

    const fw::RectControl* control = controlNamed(w, name, index);
    QVERIFY(control);
    QCOMPARE(inContent(w, *control), bounds);
    QVERIFY(control->Widget()->isVisibleTo(w.Content()));

    const QStringList parts = container.split('$');
    const fw::RectControl* parent =
        container.isEmpty() ? nullptr
                            : controlNamed(w, parts[0], parts.size() > 1 ? parts[1].toInt() : -1);
    QCOMPARE(control->Widget()->parentWidget(), parent ? parent->Widget() : w.Content());
}

// Frame i of each grid and the cell it holds, for all nine of both grids.
void TestMainWindow::gridCellsSitInTheirFrames() {
    FakePlatform fake;
    ProgramRun run;
    const Quorvex::Window1& w = *run.window;
    for (int i = 0; i <= 8; ++i) {
        const QRect word(20 + 100 * (i % 3), 20 + 100 * (i / 3), 100, 100);
        const QRect memory = word.translated(340, 0);
        const fw::Rectangle* frame1 = w.Rectangle1(i);
        const fw::Rectangle* frame2 = w.Rectangle2(i);
        QCOMPARE(inContent(w, *frame1), word);
        QCOMPARE(inContent(w, *frame2), memory);
        QCOMPARE(frame1->Widget()->parentWidget(), w.Content());
        QCOMPARE(frame2->Widget()->parentWidget(), w.Cover()->Widget());
        QCOMPARE(inContent(w, *w.WordCell(i)), word);
        QCOMPARE(inContent(w, *w.MemoryCell(i)), memory);
        QCOMPARE(w.WordCell(i)->Widget()->parentWidget(), frame1->Widget());
        QCOMPARE(w.MemoryCell(i)->Widget()->parentWidget(), frame2->Widget());
    }
}

void TestMainWindow::textControlReadsAsDesigned_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("bounds");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("align"); // Qt's horizontal alignment; 0 for a button
    QTest::addColumn<int>("pixelSize");

    const int left = Qt::AlignLeft, centre = Qt::AlignHCenter, right = Qt::AlignRight;
    auto row = [](const char* name, QRect bounds, const char* text, int align, int size) {
        QTest::newRow(name) << QString(name) << bounds << QString(text) << align << size;
    };
    row("Start1", {20, 342, 130, 20}, "Start Normal", 0, 12);
    row("Start2", {360, 342, 130, 20}, "Start Memory Test", 0, 12);
    row("Start1a", {190, 342, 130, 20}, "Start Scrambled", 0, 12);
    row("ShowAnswer", {530, 342, 130, 20}, "Show Answer", 0, 12);
    row("SupportButton", {284, 415, 110, 20}, "Support Vesk", 0, 12);
    row("StaticText1", {93, 368, 60, 20}, "That took ", right, 12);
    row("MySeconds", {155, 368, 30, 20}, "", centre, 12);
    row("StaticText3", {191, 368, 57, 20}, "seconds.", left, 12);
    row("MyScore", {432, 368, 22, 20}, "", centre, 12);
    row("StaticText6", {460, 368, 134, 20}, "numbers were correct.", left, 12);
    row("StaticText7", {72, 413, 196, 30}, "Word Recognition", centre, 20);
    row("StaticText8", {420, 413, 181, 30}, "Memory Test", centre, 20);
    row("StaticText9", {426, 390, 146, 20}, "Best score this session:", right, 12);
    row("BestScore", {581, 390, 13, 20}, "0", centre, 12);
    row("StaticText10", {88, 390, 165, 20}, "<= Best times this session =>", centre, 12);
    row("ScrambledTime", {255, 390, 30, 20}, "", centre, 12);
    row("NormalTime", {52, 390, 30, 20}, "", centre, 12);
    row("Status1", {120, 321, 100, 20}, "", centre, 12);
    row("Status2", {460, 321, 100, 20}, "", centre, 12);
}

void TestMainWindow::textControlReadsAsDesigned() {
    QFETCH(QString, name);
    QFETCH(QRect, bounds);
    QFETCH(QString, text);
    QFETCH(int, align);
    QFETCH(int, pixelSize);
    FakePlatform fake;
    ProgramRun run;
    const fw::RectControl* control = controlNamed(*run.window, name);
    QVERIFY(control);
    QWidget* widget = control->Widget();
    QCOMPARE(inContent(*run.window, *control), bounds);
    QCOMPARE(widget->parentWidget(), run.window->Content());
    QVERIFY(widget->isVisibleTo(run.window->Content()));

    if (auto* button = qobject_cast<QPushButton*>(widget)) {
        QCOMPARE(align, 0);
        QCOMPARE(button->text(), text);
    } else {
        auto* label = qobject_cast<QLabel*>(widget);
        QVERIFY(label);
        QCOMPARE(label->text(), text);
        QCOMPARE(int(label->alignment() & Qt::AlignHorizontal_Mask), align);
        QVERIFY(!label->wordWrap());
    }
    // Sizes are pixels: as points at 96 dpi the texts would not fit their boxes.
    const QFontInfo shown(widget->font());
    QCOMPARE(shown.pixelSize(), pixelSize);
    QVERIFY(shown.bold());
    QVERIFY(!shown.italic());
    QCOMPARE(shown.family(), QFontInfo(QFont("Arial")).family());
}

void TestMainWindow::initialState() {
    FakePlatform fake;
    ProgramRun run;
    const Quorvex::Window1& w = *run.window;
    QVERIFY(!w.ShowAnswer()->Widget()->isEnabled());
    QVERIFY(w.Start1()->Widget()->isEnabled());
    QVERIFY(w.Start1a()->Widget()->isEnabled());
    QVERIFY(w.Start2()->Widget()->isEnabled());
    QVERIFY(w.SupportButton()->Widget()->isEnabled());
    QVERIFY(!w.Separator1()->Widget()->isEnabled());

    QCOMPARE(w.BestScore()->Text(), QString("0"));
    for (fw::Label* empty : {w.MySeconds(), w.MyScore(), w.NormalTime(), w.ScrambledTime(),
                             w.Status1(), w.Status2()}) {
        QVERIFY2(empty->Text().isEmpty(), qPrintable(empty->Name));
        QVERIFY(qobject_cast<QLabel*>(empty->Widget())->text().isEmpty());
    }

    QCOMPARE(w.Timer1()->Mode(), int(fw::Timer::ModeOff));
    QCOMPARE(w.Timer1()->Period(), 1000);
    QVERIFY(!w.Timer1()->IsArmed());
}

void TestMainWindow::tabOrderAndFocus() {
    FakePlatform fake;
    ProgramRun run;
    const Quorvex::Window1& w = *run.window;

    // The push buttons in focus-chain order, from Start1 round to it again.
    QWidget* first = w.Start1()->Widget();
    QList<QWidget*> chain{first};
    for (QWidget* next = first->nextInFocusChain(); next != first; next = next->nextInFocusChain())
        if (qobject_cast<QPushButton*>(next)) chain << next;
    const QList<QWidget*> expected{first, w.Start2()->Widget(), w.Start1a()->Widget(),
                                   w.ShowAnswer()->Widget(), w.SupportButton()->Widget()};
    QCOMPARE(chain, expected);

    for (int i = 0; i <= 8; ++i) {
        QCOMPARE(w.WordCell(i)->Widget()->focusPolicy(), Qt::NoFocus);
        QCOMPARE(w.MemoryCell(i)->Widget()->focusPolicy(), Qt::NoFocus);
    }
    QCOMPARE(w.Cover()->Widget()->focusPolicy(), Qt::NoFocus);

    // Tab moves on along the chain, past the disabled "Show Answer".
    QApplication::setActiveWindow(w.Widget());
    first->setFocus();
    QCOMPARE(QApplication::focusWidget(), first);
    QTest::keyClick(first, Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), w.Start2()->Widget());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), w.Start1a()->Widget());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), w.SupportButton()->Widget());
}

void TestMainWindow::gridFramesAndSeparatorLook() {
    FakePlatform fake;
    ProgramRun run;
    const QImage image = contentPicture(*run.window);
    QCOMPARE(image.size(), QSize(680, 463));

    for (int gridLeft : {20, 360}) {
        const int right = gridLeft + 299;
        // Outer frame lines, and the two lines where neighbouring frames meet.
        for (int k = 0; k < 300; ++k) {
            for (int line :
                 {gridLeft, gridLeft + 99, gridLeft + 100, gridLeft + 199, gridLeft + 200, right})
                QVERIFY2(at(image, line, 20 + k) == Black,
                         qPrintable(QString("x=%1 y=%2").arg(line).arg(20 + k)));
            for (int line : {20, 119, 120, 219, 220, 319})
                QVERIFY2(at(image, gridLeft + k, line) == Black,
                         qPrintable(QString("x=%1 y=%2").arg(gridLeft + k).arg(line)));
        }
        // No frame line beyond the grid.
        QVERIFY(at(image, gridLeft - 1, 100) != Black);
        QVERIFY(at(image, right + 1, 100) != Black);
        QVERIFY(at(image, gridLeft + 50, 19) != Black);
        QVERIFY(at(image, gridLeft + 50, 320) != Black);
    }
    // Cell interiors are white away from the words (drawn about y = 40..66 in a cell).
    for (int cell = 0; cell <= 8; ++cell) {
        for (int gridLeft : {20, 360}) {
            const QRect frame(gridLeft + 100 * (cell % 3), 20 + 100 * (cell / 3), 100, 100);
            for (int dy : {1, 10, 30, 75, 90, 98})
                for (int dx = 1; dx <= 98; ++dx)
                    QVERIFY2(at(image, frame.left() + dx, frame.top() + dy) == White,
                             qPrintable(QString("cell %1 at %2,%3").arg(cell).arg(dx).arg(dy)));
        }
    }

    const QRgb background = at(image, 338, 200);
    QVERIFY(background != Black);
    for (int y = 21; y <= 394; ++y) {
        QVERIFY2(at(image, 339, y) != background, qPrintable(QString("y=%1").arg(y)));
        QCOMPARE(at(image, 338, y), background);
        QCOMPARE(at(image, 340, y), background);
    }
    QCOMPARE(at(image, 339, 20), background);
    QCOMPARE(at(image, 339, 395), background);
}

void TestMainWindow::wordCellsShowNineInksInsideTheirCells() {
    FakePlatform fake;
    ProgramRun run;
    const QImage image = contentPicture(*run.window);

    QSet<QRgb> inks;
    for (int i = 0; i <= 8; ++i) {
        const QRect cell = WordCellRect(i);
        const CellInk ink = ReadCell(image, cell);
        const QString where = QString("cell %1").arg(i);
        QVERIFY2(ShowsInk(ink, Module1::MyColor(i)), qPrintable(where));
        inks.insert(Module1::MyColor(i).rgb());
        // The word ends well inside its cell and leaves the frame's right edge alone.
        QVERIFY2(ink.rightmostInk >= 0 && ink.rightmostInk < 97, qPrintable(where));
        for (int y = cell.top(); y <= cell.bottom(); ++y)
            QVERIFY2(at(image, cell.right(), y) == Black, qPrintable(where));
    }
    QCOMPARE(inks.size(), 9);
}

// A word in "Arial" 26 bold with its baseline at (3, 60) in its ink; a digit in
// the default face at 50 bold at (35, 65) in black. Another size, weight,
// face or position draws other pixels.
void TestMainWindow::cellsDrawTheirTextInTheirTypeAndPlace() {
    FakePlatform fake;
    ProgramRun run;
    const Quorvex::Window1& w = *run.window;
    const auto cell = [](const std::function<void(QPainter&)>& draw) {
        QImage image(100, 100, QImage::Format_RGB32);
        image.fill(Qt::white);
        QPainter painter(&image);
        painter.setRenderHint(QPainter::TextAntialiasing);
        draw(painter);
        return image;
    };
    const auto painted = [&](fw::Canvas* canvas) {
        return cell([&](QPainter& p) {
            fw::Graphics g(p);
            canvas->Paint(g, {QRect(0, 0, 100, 100)});
        });
    };
    const auto typeset = [&](const QString& text, const fw::FontSpec& font, QColor ink, QPoint at) {
        return cell([&](QPainter& p) {
            p.setFont(fw::MakeFont(font));
            p.setPen(ink);
            p.drawText(at, text);
        });
    };
    fw::Canvas* const words[] = {w.Canvas1(), w.Canvas2(), w.Canvas3(), w.Canvas4(), w.Canvas5(),
                                 w.Canvas6(), w.Canvas7(), w.Canvas8(), w.Canvas9()};
    fw::Canvas* const digits[] = {w.Canvas11(), w.Canvas12(), w.Canvas13(),
                                  w.Canvas14(), w.Canvas15(), w.Canvas16(),
                                  w.Canvas17(), w.Canvas18(), w.Canvas19()};
    for (int i = 0; i <= 8; ++i) {
        const QString where = QString("cell %1").arg(i);
        const QImage word =
            typeset(Module1::ColorName(i), {"Arial", 26, true}, Module1::MyColor(i), QPoint(3, 60));
        QVERIFY2(word != cell([](QPainter&) {}), qPrintable(where));
        QVERIFY2(painted(words[i]) == word, qPrintable(where));

        Module1::DisplayNumber(i) = fw::Str(i + 1);
        const QImage digit =
            typeset(fw::Str(i + 1), {"System", 50, true}, Qt::black, QPoint(35, 65));
        QVERIFY2(painted(digits[i]) == digit, qPrintable(where));
    }
}

// The cells never pass a wrap width; a text wider than one given goes onto
// more lines, or, condensed, onto one line of that width.
void TestMainWindow::drawStringWrapsOrCondensesToItsWidth() {
    const auto inked = [](int wrapWidth, bool condense) {
        QImage image(200, 100, QImage::Format_RGB32);
        image.fill(Qt::white);
        QPainter painter(&image);
        fw::Graphics g(painter);
        g.TextFont = "Arial";
        g.TextSize = 12;
        g.DrawString("one two three four", 10, 20, wrapWidth, condense);
        painter.end();
        QRect ink;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                if (at(image, x, y) != White) ink |= QRect(x, y, 1, 1);
        return ink;
    };
    const QRect line = inked(0, false);
    QVERIFY(line.width() > 60 && line.bottom() <= 23);
    const QRect wrapped = inked(60, false);
    QVERIFY(wrapped.bottom() > line.bottom() + 10 && wrapped.right() < 10 + 60);
    const QRect condensed = inked(60, true);
    QVERIFY(condensed.bottom() <= line.bottom() + 1 && condensed.right() < 10 + 60);
}

void TestMainWindow::supportButtonHandsOverTheOrderPage() {
    FakePlatform fake;
    ProgramRun run;
    const Quorvex::Window1& w = *run.window;

    auto snapshot = [&w] {
        QStringList s;
        for (fw::Label* l : {w.MySeconds(), w.MyScore(), w.BestScore(), w.NormalTime(),
                             w.ScrambledTime(), w.Status1(), w.Status2()})
            s << l->Text();
        for (fw::PushButton* b :
             {w.Start1(), w.Start1a(), w.Start2(), w.ShowAnswer(), w.SupportButton()})
            s << b->Caption() << QString::number(b->Enabled());
        for (int i = 0; i <= 8; ++i)
            s << Module1::ColorName(i) << Module1::MyColor(i).name() << Module1::DisplayNumber(i)
              << Module1::MyAnswer(i);
        s << QString::number(Module1::MyNormalTime) << QString::number(Module1::AnswerNo)
          << QString::number(w.Timer1()->Mode());
        return s;
    };
    const QStringList before = snapshot();

    QTest::mouseClick(w.SupportButton()->Widget(), Qt::LeftButton);
    QTest::mouseClick(w.SupportButton()->Widget(), Qt::LeftButton);

    const QString address = Quorvex::Window1::OrderPageURL;
    QCOMPARE(fake.urls, QStringList({address, address}));
    const QUrl url(address);
    QVERIFY(url.isValid());
    QCOMPARE(url.scheme(), QString("https"));
    QVERIFY(url.query().endsWith("lang=en"));
    QCOMPARE(snapshot(), before);
    QVERIFY(fake.messages.isEmpty());
    QCOMPARE(fake.beeps, 0);
}

void TestMainWindow::labelTextsArePlain() {
    FakePlatform fake;
    ProgramRun run;
    const Quorvex::Window1& w = *run.window;
    fw::Label* label = w.StaticText10();
    auto* shown = qobject_cast<QLabel*>(label->Widget());
    QCOMPARE(shown->textFormat(), Qt::PlainText);

    // Read off the screen: the markup's brackets and letters are drawn, not
    // one bold "x".
    label->SetText("<b>x</b>");
    QCOMPARE(shown->text(), QString("<b>x</b>"));
    const QImage image = shown->grab().toImage().convertToFormat(QImage::Format_RGB32);
    const QRgb background = at(image, 0, 0);
    int leftmost = image.width(), rightmost = -1;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (at(image, x, y) != background) {
                leftmost = std::min(leftmost, x);
                rightmost = std::max(rightmost, x);
            }
    QVERIFY2(rightmost - leftmost > 30, qPrintable(QString::number(rightmost - leftmost)));
}

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
