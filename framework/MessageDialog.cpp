// Message dialogs, shown through the platform seam.
#include "framework/MessageDialog.h"

#include "framework/Platform.h"

namespace fw {

MessageDialogButton* MessageDialog::ShowModal() {
    MessageDialogRequest request;
    request.title = Title;
    request.message = Message;
    request.explanation = Explanation;
    request.icon = Icon;
    request.actionCaption = ActionButton.Caption;
    request.actionVisible = ActionButton.Visible;
    request.alternateCaption = AlternateActionButton.Caption;
    request.alternateVisible = AlternateActionButton.Visible;
    request.cancelCaption = CancelButton.Caption;
    request.cancelVisible = CancelButton.Visible;
    switch (Platform::Current().ShowMessageDialog(request)) {
    case DialogButton::AlternateAction:
        return &AlternateActionButton;
    case DialogButton::Cancel:
        return &CancelButton;
    case DialogButton::Action:
        break;
    }
    return &ActionButton;
}

} // namespace fw
