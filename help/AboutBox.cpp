// Building the About box, and its handlers.
#include "help/AboutBox.h"

#include "framework/Application.h"
#include "framework/Services.h"

Quorvex::AboutBox* AboutBox() { return fw::SharedInstance<Quorvex::AboutBox>(); }

namespace Quorvex {

const char* const AboutBox::AuthorMailURL = "mailto:author@quorvex.example";
const char* const AboutBox::HomePageURL = "http://www.quorvex.example/";

void AboutBox::PushButton1_Action(fw::PushButton&) { fw::ShowURL(AuthorMailURL); }

void AboutBox::PushButton2_Action(fw::PushButton&) { fw::ShowURL(HomePageURL); }

// The design text stands in until the running version is known.
void AboutBox::StaticText4_Open(fw::Label& label) {
    label.SetText(fw::GetAppObject()->LongVersion());
}

} // namespace Quorvex
