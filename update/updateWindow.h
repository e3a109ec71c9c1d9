// The update window: fetches the version description document, compares the
// version it names with the running one, and reports or offers the other one.
#pragma once

#include "framework/DesignTable.h"
#include "framework/ProgressBar.h"

namespace Quorvex {

class updateWindow : public fw::Window {
public:
    static constexpr const char* RegisteredName = "updateWindow.updateWindow";

    static const char* const DocumentURL;
    static const char* const HomePageURL;

    // When set, a current version closes the window without a message box.
    bool automaticCheck = false;

    fw::Label* StaticText1() const { return ControlAs<fw::Label>("StaticText1"); }
    fw::ProgressBar* ProgressBar1() const { return ControlAs<fw::ProgressBar>("ProgressBar1"); }
    fw::HTTPSocket* hp() const { return ControlAs<fw::HTTPSocket>("hp"); }
    fw::PushButton* PushButton1() const { return ControlAs<fw::PushButton>("PushButton1"); }

    void hp_PageReceived(fw::HTTPSocket& socket, const QString& url, int status,
                         const fw::InternetHeaders& headers, const QString& document);
    void hp_Error(fw::HTTPSocket& socket, int code);
    void PushButton1_Action(fw::PushButton& button);
    void askUpgrade(const QString& version, const QString& description, const QString& url,
                    bool free);

    // Reading the tagged values of the version description document.
    static QString startTag(const QString& name);
    static QString endTag(const QString& name);
    static QString returnValue(const QString& document, const QString& name);
    // Whether a version text names major.minor.bug: its first three
    // dot-separated fields, read as numbers (a missing field reads as 0).
    static bool SameVersion(const QString& version, int major, int minor, int bug);

protected:
    void Layout() override;
    void CreateControls() override;
    void Event_Open() override;

private:
    void CreateControls0();
};

} // namespace Quorvex

// The one shared update window: the open one, or a new one, which starts a check.
Quorvex::updateWindow* updateWindow();
