// The update window: building it, the check, and its outcomes.
#include "update/updateWindow.h"

#include "framework/Application.h"
#include "framework/MessageDialog.h"
#include "framework/Records.h"
#include "framework/Services.h"
#include "framework/Text.h"
#include "update/selfTest.h"

#include <QUrl>

const char* const updateWindow::DocumentURL = "http://www.quorvex.example/Updates/quorvex.xml";
const char* const updateWindow::HomePageURL = "http://www.quorvex.example/";

class updateWindow* updateWindow() {
    return fw::SharedInstance<class updateWindow>();
}

void updateWindow::Layout() {
    fw::WindowSettings s;
    s.width = 300;
    s.height = 120;
    s.title = QStringLiteral("Update");
    s.frame = 1;
    fw::SetProperties(*this, fw::WindowRecord(s));
}

void updateWindow::CreateControls() { CreateControls0(); }

void updateWindow::CreateControls0() {
    AddControl("StaticText1", std::make_unique<fw::Label>(*this));
    StaticText1()->SetTextUnit(0);
    StaticText1()->SetTextSize(12);
    fw::SetProperties(*StaticText1(), fw::LabelRecord(fw::At("StaticText1", 20, 19, 266, 20, 0),
                                                      "Checking for updates...", 0,
                                                      {QStringLiteral("Arial"), false}));

    AddControl("ProgressBar1", std::make_unique<fw::ProgressBar>(*this));
    fw::SetProperties(*ProgressBar1(),
                      fw::ProgressBarRecord(fw::At("ProgressBar1", 20, 46, 260, 12, 1), 100, 0));

    AddControl("hp", std::make_unique<fw::HTTPSocket>(*this));
    fw::SetProperties(*hp(), fw::LayoutRecord()
                                 .Boolean("yield", false)
                                 .Integer("Port", 0)
                                 .String("Address", {})
                                 .Bytes());
    fw::HTTPSocket* socket = hp();
    socket->PageReceived = [this, socket](const QString& url, int status,
                                          const fw::InternetHeaders& headers, const QString& body) {
        hp_PageReceived(*socket, url, status, headers, body);
    };
    socket->Error = [this, socket](int code) { hp_Error(*socket, code); };

    AddControl("PushButton1", std::make_unique<fw::PushButton>(*this));
    PushButton1()->SetTextUnit(0);
    fw::SetProperties(*PushButton1(),
                      fw::PushButtonRecord(fw::At("PushButton1", 208, 80, 72, 20, 3), "Cancel",
                                           {QStringLiteral("System"), false}, true, true));
    fw::PushButton* cancel = PushButton1();
    cancel->Action = [this, cancel] { PushButton1_Action(*cancel); };
}

void updateWindow::Event_Open() {
    ProgressBar1()->SetMaximum(0);
    hp()->Get(DocumentURL);
    selfTest()->Close();
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
        hp_Error(socket, NotAVersionDocument);
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
        hp_Error(socket, NotAVersionDocument);
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
