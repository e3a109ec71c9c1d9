// The Print Help routine.
#include "help/PrintHelp.h"

#include "framework/Date.h"
#include "framework/Printing.h"
#include "framework/Services.h"
#include "framework/StyledTextPrinter.h"
#include "framework/Text.h"
#include "help/Help.h"

namespace {

// The printable page, and the text block inside it.
constexpr int PageWidth = 540;
constexpr int PageHeight = 720;
constexpr int BlockLeft = 36, BlockTop = 36;
constexpr int BlockWidth = PageWidth - 48;
constexpr int BlockHeight = PageHeight - 48;

void footer(fw::Graphics& g, int page, const QString& stamp) {
    g.TextFont = QStringLiteral("Arial");
    g.Bold = false;
    g.DrawString("page " + fw::Str(page), 40, PageHeight);
    g.DrawString(stamp, 100, PageHeight);
}

} // namespace

bool PrintHelp() {
    // Taken once, before the dialog: every page carries the moment the user asked.
    const fw::Date now;
    const QString stamp = now.ShortTime() + ", " + now.ShortDate();
    int page = 1;

    // The job is complete when this goes, as the routine returns.
    std::unique_ptr<fw::Graphics> g;
    try {
        g = fw::OpenPrinterDialog();
    } catch (const fw::PrintJobError&) {
        // Unlike a cancel, the user asked for a printout and would otherwise wait for it.
        fw::MsgBox(QStringLiteral("The help text could not be printed."));
    }
    if (g) {
        g->TextFont = QStringLiteral("Courier");
        g->TextSize = 10;
        g->ForeColor = fw::RGB(0, 0, 0, 0);
        g->Bold = true;

        const auto printer = Help()->TextArea1()->styledTextPrinter(*g, BlockWidth);
        while (!printer->Eof()) {
            printer->DrawBlock(BlockLeft, BlockTop, BlockHeight);
            if (!printer->Eof()) {
                footer(*g, page, stamp);
                g->TextFont = QStringLiteral("Courier");
                g->Bold = true;
                page += 1;
                g->NextPage();
            }
        }
        // The last page's footer; no page follows it.
        footer(*g, page, stamp);
    }

    Help()->Close();
    return true;
}
