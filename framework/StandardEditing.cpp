// Standard editing of the focused text control.
#include "framework/StandardEditing.h"

#include <QApplication>
#include <QTextEdit>

namespace fw {

namespace {

QTextEdit* focusedTextEdit() { return qobject_cast<QTextEdit*>(QApplication::focusWidget()); }

} // namespace

bool IsStandardEditItem(const QString& n) {
    return n == "EditUndo" || n == "EditCut" || n == "EditCopy" || n == "EditPaste" ||
           n == "EditClear" || n == "EditSelectAll";
}

bool CanPerformEdit(const QString& n) {
    QTextEdit* e = focusedTextEdit();
    if (!e) return false;
    const bool selection = e->textCursor().hasSelection();
    const bool editable = !e->isReadOnly();
    if (n == "EditUndo") return editable && e->document()->isUndoAvailable();
    if (n == "EditCut" || n == "EditClear") return editable && selection;
    if (n == "EditCopy") return selection;
    if (n == "EditPaste") return editable && e->canPaste();
    if (n == "EditSelectAll") return !e->document()->isEmpty();
    return false;
}

void PerformEdit(const QString& n) {
    if (!CanPerformEdit(n)) return;
    QTextEdit* e = focusedTextEdit();
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
}

} // namespace fw
