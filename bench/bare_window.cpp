// The floor for the start-up, memory and idle figures: a plain Qt program with
// a window shaped like Quorvex's main one (a menu bar over a 680 by 463 content
// area, nine painted 100-pixel word cells, a few buttons and labels) and nothing else.
#include <QApplication>
#include <QLabel>
#include <QMenuBar>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>
#include <QWidget>

namespace {

class WordCell : public QWidget {
public:
    WordCell(QWidget* parent, const QString& word, QColor ink)
        : QWidget(parent), text(word), colour(ink) {}

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        p.fillRect(rect(), Qt::white);
        p.setPen(Qt::black);
        p.drawRect(rect().adjusted(0, 0, -1, -1));
        QFont font(QStringLiteral("Arial"));
        font.setPixelSize(26);
        font.setBold(true);
        p.setFont(font);
        p.setPen(colour);
        p.drawText(3, 60, text);
    }

private:
    QString text;
    QColor colour;
};

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Bare"));
    auto* frame = new QVBoxLayout(&window);
    frame->setContentsMargins(0, 0, 0, 0);
    frame->setSpacing(0);

    auto* bar = new QMenuBar;
    QMenu* file = bar->addMenu(QStringLiteral("File"));
    file->addAction(QStringLiteral("Quit"), &app, &QApplication::quit);
    QMenu* edit = bar->addMenu(QStringLiteral("Edit"));
    for (const char* item : {"Undo", "Cut", "Copy", "Paste", "Clear", "Select All"})
        edit->addAction(QString::fromLatin1(item));
    bar->addMenu(QStringLiteral("Help"))->addAction(QStringLiteral("About"));
    frame->setMenuBar(bar);

    auto* content = new QWidget;
    content->setFixedSize(680, 463);
    frame->addWidget(content);

    const char* words[] = {"Red",  "Green", "Blue", "Black", "Gray",
                           "Pink", "Brown", "Gold", "Orange"};
    const QRgb inks[] = {0xFF0000, 0x00FF00, 0x0000FF, 0x000000, 0x9696B2,
                         0xFFA8C5, 0x6A4609, 0xEDCB43, 0xFF6003};
    for (int i = 0; i < 9; ++i) {
        auto* cell = new WordCell(content, QString::fromLatin1(words[i]), QColor(inks[i]));
        cell->setGeometry(20 + 100 * (i % 3), 20 + 100 * (i / 3), 100, 100);
    }
    int left = 20;
    for (const char* caption : {"Start Normal", "Start Scrambled", "Start Memory Test"}) {
        auto* button = new QPushButton(QString::fromLatin1(caption), content);
        button->setGeometry(left, 342, 130, 20);
        left += 170;
    }
    auto* took = new QLabel(QStringLiteral("That took "), content);
    took->setGeometry(93, 368, 60, 20);
    auto* seconds = new QLabel(QStringLiteral("seconds."), content);
    seconds->setGeometry(191, 368, 57, 20);
    auto* title = new QLabel(QStringLiteral("Word Recognition"), content);
    title->setGeometry(72, 413, 196, 30);

    window.show();
    return QApplication::exec();
}
