// Building a window's controls from its design table.
#include "framework/DesignTable.h"

#include "framework/ProgressBar.h"
#include "framework/Records.h"
#include "framework/Rectangle.h"
#include "framework/Separator.h"
#include "framework/TextArea.h"

#include <memory>

namespace fw {

// What the builder needs of a class: how to make one, how to tell one, what
// it sets before its record (text unit and size; a text area's line spacing),
// and its record.
struct ControlClass {
    const char* name;
    std::unique_ptr<Control> (*create)(Window& owner);
    bool (*isInstance)(const Control& control);
    void (*beforeRecord)(Control& control, const ControlRow& row, TextOrder order);
    QByteArray (*record)(const ControlRow& row);
};

namespace {

template <class C> std::unique_ptr<Control> create(Window& owner) {
    return std::make_unique<C>(owner);
}

template <class C> bool isInstance(const Control& control) {
    return dynamic_cast<const C*>(&control) != nullptr;
}

void nothingBeforeRecord(Control&, const ControlRow&, TextOrder) {}

template <class C> void textUnitAndSize(Control& control, const ControlRow& row, TextOrder order) {
    auto& text = static_cast<C&>(control);
    if (order == TextOrder::SizeThenUnit && row.type.size > 0) text.SetTextSize(row.type.size);
    text.SetTextUnit(0);
    if (order == TextOrder::UnitThenSize && row.type.size > 0) text.SetTextSize(row.type.size);
}

void textUnitAndSpacing(Control& control, const ControlRow& row, TextOrder) {
    auto& area = static_cast<TextArea&>(control);
    area.SetTextUnit(0);
    area.SetLineSpacing(row.settings.lineSpacing);
}

Control& fetch(Window& window, const ControlRow& row) {
    Control* control = row.index == NoIndex ? window.ControlByName(row.name)
                                            : window.ControlByNameIndex(row.name, row.index);
    if (!control || !row.kind->isInstance(*control))
        throw LookupError("window " + window.ClassName().toStdString() + " has no " +
                          row.kind->name + " '" + row.name + "'");
    return *control;
}

} // namespace

namespace classes {
const ControlClass Rectangle{"Rectangle", create<fw::Rectangle>, isInstance<fw::Rectangle>,
                             nothingBeforeRecord, RectangleRecord};
const ControlClass Canvas{"Canvas", create<fw::Canvas>, isInstance<fw::Canvas>, nothingBeforeRecord,
                          CanvasRecord};
const ControlClass Separator{"Separator", create<fw::Separator>, isInstance<fw::Separator>,
                             nothingBeforeRecord, SeparatorRecord};
const ControlClass PushButton{"PushButton", create<fw::PushButton>, isInstance<fw::PushButton>,
                              textUnitAndSize<fw::PushButton>, PushButtonRecord};
const ControlClass Label{"Label", create<fw::Label>, isInstance<fw::Label>,
                         textUnitAndSize<fw::Label>, LabelRecord};
const ControlClass Timer{"Timer", create<fw::Timer>, isInstance<fw::Timer>, nothingBeforeRecord,
                         TimerRecord};
const ControlClass TextArea{"TextArea", create<fw::TextArea>, isInstance<fw::TextArea>,
                            textUnitAndSpacing, TextAreaRecord};
const ControlClass ProgressBar{"ProgressBar", create<fw::ProgressBar>, isInstance<fw::ProgressBar>,
                               nothingBeforeRecord, ProgressBarRecord};
const ControlClass HTTPSocket{"HTTPSocket", create<fw::HTTPSocket>, isInstance<fw::HTTPSocket>,
                              nothingBeforeRecord, HTTPSocketRecord};
} // namespace classes

void CreateControlsFrom(Window& window, std::span<const ControlRow> rows, TextOrder order) {
    for (const ControlRow& row : rows) {
        std::unique_ptr<Control> made = row.kind->create(window);
        made->Index = row.index;
        window.AddControl(row.name, std::move(made));
        Control& control = fetch(window, row);
        row.kind->beforeRecord(control, row, order);
        SetProperties(control, row.kind->record(row));
        for (const Wiring wire : row.events)
            if (wire) wire(window, fetch(window, row));
    }
}

} // namespace fw
