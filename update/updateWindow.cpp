// The update window: building it, the check, and its outcomes.
#include "update/updateWindow.h"

#include "framework/Application.h"
#include "framework/HttpErrors.h"
#include "framework/MessageDialog.h"
#include "framework/Services.h"
#include "framework/Text.h"
#include "update/selfTest.h"

#include <QUrl>

Quorvex::updateWindow* updateWindow() { return fw::SharedInstance<Quorvex::updateWindow>(); }

namespace Quorvex {

const char* const updateWindow::DocumentURL = "http://www.quorvex.example/Updates/quorvex.xml";
const char* const updateWindow::HomePageURL = "http://www.quorvex.example/";

void updateWindow::Event_Open() {
    ProgressBar1()->SetMaximum(0);
    hp()->Get(DocumentURL);
    ::selfTest()->Close();
}

namespace {

bool isWebAddress(const QString& address) {
    const QUrl url(address, QUrl::StrictMode);
    return url.isValid() && !url.host().isEmpty() &&
           (url.scheme() == QLatin1String("http") || url.scheme() == QLatin1String("https"));
}

} // namespace

void updateWindow::hp_PageReceived(fw::HTTPSocket& socket, const QString&, int status,
                                   const fw::InternetHeaders&, const QString& document) {
    // Only a successful reply can be a version document; anything else is a
    // failure to report, not an update to offer.
    if (status != 200) {
        hp_Error(socket, status);
        return;
    }
    if (document.isEmpty()) {
        Close();
        return;
    }
    const QString version = returnValue(document, "CurrentVersion");
    const QString description = returnValue(document, "Description");
    const bool free = returnValue(document, "Free") == QLatin1String("Yes");
    const QString download = returnValue(document, "DownloadURLOSX");
    // Without its start tag the version would be whatever text stands before
    // the end tag: that is no version to offer.
    if (version.isEmpty() || fw::InStr(document, startTag("CurrentVersion")) == 0) {
        hp_Error(socket, fw::http::NotAVersionDocument);
        return;
    }
    ProgressBar1()->SetVisible(false);
    const fw::Application* app = fw::GetAppObject();
    // Any difference counts, whichever way it goes: an older version is offered too.
    if (SameVersion(version, app->MajorVersion(), app->MinorVersion(), app->BugVersion())) {
        StaticText1()->SetText("This version is current.");
        StaticText1()->Refresh(true);
        if (!automaticCheck)
            fw::MsgBox("You are using the current version. No update is available.");
        Close();
        return;
    }
    // Only a web address may go to the browser.
    if (!isWebAddress(download)) {
        hp_Error(socket, fw::http::NotAVersionDocument);
        return;
    }
    askUpgrade(version, description, download, free);
}

void updateWindow::askUpgrade(const QString& version, const QString& description,
                              const QString& url, bool free) {
    fw::MessageDialog d;
    d.Title = "New version available!";
    QString message = "Version " + version + " is now available. ";
    message += "(You are using version " + fw::GetAppObject()->ShortVersion() + ".) ";
    if (free)
        message += QStringLiteral("This is a free upgrade. ") +
                   "Would you like to automatically download " +
                   "this update (using your web browser)?";
    else
        message += QStringLiteral("This is a paid upgrade. ") +
                   "Would you like to automatically download " +
                   "the trial version (using your web browser)?";
    d.Message = message;
    d.Explanation = description;
    d.CancelButton.Visible = true;
    d.AlternateActionButton.Caption = "Go to Website";
    d.AlternateActionButton.Visible = true;
    d.Icon = 3;
    fw::MessageDialogButton* pressed = d.ShowModal();
    if (pressed == &d.CancelButton) {
        Close();
    } else if (pressed == &d.ActionButton) {
        fw::ShowURL(url);
        Close();
    } else if (pressed == &d.AlternateActionButton) {
        fw::ShowURL(HomePageURL);
    }
}

void updateWindow::hp_Error(fw::HTTPSocket&, int code) {
    fw::Beep();
    fw::MsgBox(QStringLiteral("There was a communication error ") +
               "with the website. Please try " + "again later. (Code: " + fw::Str(code) + ")");
    Close();
}

void updateWindow::PushButton1_Action(fw::PushButton&) { Close(); }

} // namespace Quorvex
