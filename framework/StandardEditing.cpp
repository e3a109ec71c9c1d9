// Standard editing of the focused text control.
#include "framework/StandardEditing.h"

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QTextEdit>

namespace fw {

namespace {

QTextEdit* focusedTextEdit() { return qobject_cast<QTextEdit*>(QApplication::focusWidget()); }
QLineEdit* focusedLineEdit() { return qobject_cast<QLineEdit*>(QApplication::focusWidget()); }

bool clipboardHasText() {
    const QClipboard* clipboard = QApplication::clipboard();
    return clipboard && !clipboard->text().isEmpty();
}

} // namespace

bool IsStandardEditItem(const QString& n) {
    return n == "EditUndo" || n == "EditCut" || n == "EditCopy" || n == "EditPaste" ||
           n == "EditClear" || n == "EditSelectAll";
}

bool CanPerformEdit(const QString& n) {
    if (QTextEdit* e = focusedTextEdit()) {
        const bool selection = e->textCursor().hasSelection();
        const bool editable = !e->isReadOnly();
        if (n == "EditUndo") return editable && e->document()->isUndoAvailable();
        if (n == "EditCut" || n == "EditClear") return editable && selection;
        if (n == "EditCopy") return selection;
        if (n == "EditPaste") return editable && e->canPaste();
        if (n == "EditSelectAll") return !e->document()->isEmpty();
    }
    if (QLineEdit* e = focusedLineEdit()) {
        const bool editable = !e->isReadOnly();
        if (n == "EditUndo") return editable && e->isUndoAvailable();
        if (n == "EditCut" || n == "EditClear") return editable && e->hasSelectedText();
        if (n == "EditCopy") return e->hasSelectedText();
        if (n == "EditPaste") return editable && clipboardHasText();
        if (n == "EditSelectAll") return !e->text().isEmpty();
    }
    return false;
}

void PerformEdit(const QString& n) {
    if (!CanPerformEdit(n)) return;
    if (QTextEdit* e = focusedTextEdit()) {
        if (n == "EditUndo")
            e->undo();
        else if (n == "EditCut")
            e->cut();
        else if (n == "EditCopy")
            e->copy();
        else if (n == "EditPaste")
            e->paste();
        else if (n == "EditClear")
            e->textCursor().removeSelectedText();
        else if (n == "EditSelectAll")
            e->selectAll();
    } else if (QLineEdit* l = focusedLineEdit()) {
        if (n == "EditUndo")
            l->undo();
        else if (n == "EditCut")
            l->cut();
        else if (n == "EditCopy")
            l->copy();
        else if (n == "EditPaste")
            l->paste();
        else if (n == "EditClear")
            l->del();
        else if (n == "EditSelectAll")
            l->selectAll();
    }
}

} // namespace fw
