// A modal question with a title, a message, an explanation, an icon and up
// to three buttons; ShowModal returns the button pressed.
#pragma once

#include <QString>

namespace fw {

struct MessageDialogButton {
    QString Caption;
    bool Visible = false;
};

class MessageDialog {
public:
    QString Title;
    QString Message;
    QString Explanation;
    int Icon = 0; // 0 note, 1 caution, 2 stop, 3 question
    MessageDialogButton ActionButton{QStringLiteral("OK"), true};
    MessageDialogButton AlternateActionButton{QString(), false};
    MessageDialogButton CancelButton{QStringLiteral("Cancel"), false};

    // One of the three buttons above.
    MessageDialogButton* ShowModal();
};

} // namespace fw
