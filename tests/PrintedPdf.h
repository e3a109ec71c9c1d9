// Printing into a real PDF, and reading it back with poppler's tools: its
// pages, their text, where each word stands and which fonts it embeds.
#pragma once

#include "FakePlatform.h"

#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

struct PdfWord {
    QString text;
    double xMin, yMin, xMax, yMax; // points from the page's top left
};

class PrintedPdf {
public:
    // From now on the printer dialog answers with a printer into this PDF.
    explicit PrintedPdf(FakePlatform& fake) {
        fake.printer = [file = Path()]() -> std::unique_ptr<QPagedPaintDevice> {
            auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
            printer->setOutputFormat(QPrinter::PdfFormat);
            printer->setOutputFileName(file);
            return printer;
        };
    }

    QString Path() const { return dir.filePath("printed.pdf"); }

    int PageCount() const {
        const QRegularExpressionMatch m =
            QRegularExpression("^Pages:\\s+(\\d+)", QRegularExpression::MultilineOption)
                .match(Run("pdfinfo", {Path()}));
        return m.hasMatch() ? m.captured(1).toInt() : -1;
    }

    // The text of each page, laid out as printed.
    QStringList PageTexts() const {
        QStringList pages = Run("pdftotext", {"-layout", Path(), "-"}).split('\f');
        if (!pages.isEmpty() && pages.last().trimmed().isEmpty())
            pages.removeLast(); // pdftotext ends every page with a form feed
        return pages;
    }

    // The words of each page with their boxes.
    QList<QList<PdfWord>> PageWords() const {
        QList<QList<PdfWord>> pages;
        static const QRegularExpression word(
            "<word xMin=\"([\\d.]+)\" yMin=\"([\\d.]+)\" xMax=\"([\\d.]+)\" "
            "yMax=\"([\\d.]+)\">([^<]*)</word>");
        for (const QString& page :
             Run("pdftotext", {"-bbox", Path(), "-"}).split("<page ").mid(1)) {
            QList<PdfWord> words;
            for (const QRegularExpressionMatch& m : word.globalMatch(page))
                words.push_back({Unescaped(m.captured(5)), m.captured(1).toDouble(),
                                 m.captured(2).toDouble(), m.captured(3).toDouble(),
                                 m.captured(4).toDouble()});
            pages.push_back(words);
        }
        return pages;
    }

    QString Fonts() const { return Run("pdffonts", {Path()}); }

private:
    // -bbox writes XHTML.
    static QString Unescaped(QString text) {
        return text.replace("&quot;", "\"")
            .replace("&apos;", "'")
            .replace("&lt;", "<")
            .replace("&gt;", ">")
            .replace("&amp;", "&");
    }

    static QString Run(const QString& program, const QStringList& arguments) {
        QProcess process;
        process.start(program, arguments);
        if (!process.waitForFinished(30000) || process.exitCode() != 0)
            qWarning() << program << "failed:" << process.readAllStandardError();
        return QString::fromUtf8(process.readAllStandardOutput());
    }

    QTemporaryDir dir;
};
