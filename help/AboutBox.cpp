// Building the About box, and its handlers.
#include "help/AboutBox.h"

#include "framework/Application.h"
#include "framework/Services.h"
#include "help/AboutBoxLayout.h"

const char* const AboutBox::AuthorMailURL = "mailto:author@quorvex.example";
const char* const AboutBox::HomePageURL = "http://www.quorvex.example/";

class AboutBox* AboutBox() {
    return fw::SharedInstance<class AboutBox>();
}

void AboutBox::Layout() { fw::SetProperties(*this, AboutBoxLayout::WindowRecord()); }

void AboutBox::CreateControls() { CreateControls0(); }

void AboutBox::CreateControls0() {
    using AboutBoxLayout::Kind;
    for (const AboutBoxLayout::Row& row : AboutBoxLayout::Controls) {
        if (row.kind == Kind::PushButton) {
            AddControl(row.name, std::make_unique<fw::PushButton>(*this));
            fw::PushButton* button = ControlAs<fw::PushButton>(row.name);
            button->SetTextUnit(0);
            if (row.size > 0) button->SetTextSize(row.size);
            fw::SetProperties(*button, AboutBoxLayout::RecordOf(row));
        } else {
            AddControl(row.name, std::make_unique<fw::Label>(*this));
            fw::Label* label = ControlAs<fw::Label>(row.name);
            label->SetTextUnit(0);
            if (row.size > 0) label->SetTextSize(row.size);
            fw::SetProperties(*label, AboutBoxLayout::RecordOf(row));
        }
        const QString name = row.name;
        if (name == "PushButton1") {
            fw::PushButton* b = PushButton1();
            b->Action = [this, b] { PushButton1_Action(*b); };
        } else if (name == "PushButton2") {
            fw::PushButton* b = PushButton2();
            b->Action = [this, b] { PushButton2_Action(*b); };
        } else if (name == "StaticText4") {
            fw::Label* l = StaticText4();
            l->Open = [this, l] { StaticText4_Open(*l); };
        }
    }
}

void AboutBox::PushButton1_Action(fw::PushButton&) { fw::ShowURL(AuthorMailURL); }

void AboutBox::PushButton2_Action(fw::PushButton&) { fw::ShowURL(HomePageURL); }

// The design text stands in until the running version is known.
void AboutBox::StaticText4_Open(fw::Label& label) {
    label.SetText(fw::GetAppObject()->LongVersion());
}
