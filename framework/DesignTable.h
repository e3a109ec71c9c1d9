// A window's design table: one row per control, in the order in which the
// window creates them, with its class, place, texts and the handlers that its
// events go to; and the one routine that builds a window's controls from it.
//
// A row, as the main window's table has it:
//   {"Start1", None, Button, "", 20, 342, 130, 20, "Start Normal", Arial12, NoAlign, true, 20,
//    {Action<&Window1::Start1_Action>}}
// is the push button Start1 at (20, 342), 130 by 20, captioned "Start Normal" in
// bold 12-pixel Arial, enabled, tab index 20, whose Action event goes to the
// window's Start1_Action.
#pragma once

#include "framework/Canvas.h"
#include "framework/HTTPSocket.h"
#include "framework/Label.h"
#include "framework/LayoutRecord.h"
#include "framework/PushButton.h"
#include "framework/Timer.h"
#include "framework/Window.h"

#include <array>
#include <span>
#include <utility>

namespace fw {

struct ControlClass;
// The classes a table can name.
namespace classes {
extern const ControlClass Rectangle, Canvas, Separator, PushButton, Label, Timer, TextArea,
    ProgressBar, HTTPSocket;
}

// The face, size and weight of a control's text; size 0 leaves the face's own size.
struct TextType {
    const char* font = "System";
    int size = 0;
    bool bold = false;
};

// What only some classes take from the table.
struct ClassSettings {
    bool multiline = false;     // labels
    bool isDefault = false;     // push buttons: Return and Enter press it
    bool isCancel = false;      // push buttons: Escape presses it
    int maximum = 0, value = 0; // progress bars
    int mode = 0, period = 0;   // timers
    double lineSpacing = 1.0;   // text areas
};

// Attaches one event of a row's control to one handler of its window; made by
// the templates below, which take the event's name.
using Wiring = void (*)(Window& window, Control& control);

struct ControlRow {
    const char* name;
    qint32 index; // its place in a control array, or NoIndex
    const ControlClass* kind;
    // The control that contains it, "Name" or "Name$index"; empty for the window.
    const char* inside;
    int left, top, width, height; // window coordinates, also inside another control
    const char* text;             // caption or label text
    TextType type;
    int align; // labels: 0 left, 1 centre, 2 right
    bool enabled;
    int tab;
    std::array<Wiring, 2> events = {};
    ClassSettings settings = {};
};

// The main window's design sets a text's size before its unit; the others the unit first.
enum class TextOrder { UnitThenSize, SizeThenUnit };

// Builds the rows' controls in the window, row by row: creates the control,
// registers it under its name, fetches it back and checks its class, sets its
// text unit and size, applies its layout record, and attaches its events.
// A control of another class than its row says is a LookupError.
void CreateControlsFrom(Window& window, std::span<const ControlRow> rows,
                        TextOrder order = TextOrder::UnitThenSize);

namespace wiring {
template <class> struct Handler;
template <class W, class R, class Source, class... Args>
struct Handler<R (W::*)(Source&, Args...)> {
    using Window = W;
    using Control = Source;
};
// The control class that the handler takes first.
template <auto handler> using From = typename Handler<decltype(handler)>::Control;

// Sets the control's event to the handler bound to its window, which receives
// the control first, then the event's own arguments.
template <auto event, auto handler> void Attach(fw::Window& window, fw::Control& control) {
    using H = Handler<decltype(handler)>;
    auto& owner = static_cast<typename H::Window&>(window);
    auto& source = dynamic_cast<typename H::Control&>(control);
    source.*event = [&owner, &source](auto&&... args) {
        return (owner.*handler)(source, std::forward<decltype(args)>(args)...);
    };
}
} // namespace wiring

// The events, each named as its control has it: Action<&Window1::Start1_Action>.
template <auto h> constexpr Wiring Action = wiring::Attach<&wiring::From<h>::Action, h>;
template <auto h> constexpr Wiring Open = wiring::Attach<&wiring::From<h>::Open, h>;
template <auto h> constexpr Wiring Paint = wiring::Attach<&wiring::From<h>::Paint, h>;
template <auto h> constexpr Wiring MouseDown = wiring::Attach<&wiring::From<h>::MouseDown, h>;
template <auto h> constexpr Wiring PageReceived = wiring::Attach<&wiring::From<h>::PageReceived, h>;
template <auto h> constexpr Wiring Error = wiring::Attach<&wiring::From<h>::Error, h>;

// Short names for the columns of a table, for the files that hold one.
namespace table {
inline constexpr const ControlClass *Rect = &classes::Rectangle, *Canv = &classes::Canvas,
                                    *Sep = &classes::Separator, *Button = &classes::PushButton,
                                    *Text = &classes::Label, *Tmr = &classes::Timer,
                                    *Area = &classes::TextArea, *Bar = &classes::ProgressBar,
                                    *Socket = &classes::HTTPSocket;
inline constexpr qint32 None = NoIndex; // the index column's short name for NoIndex
inline constexpr int L = 0, C = 1, R = 2, NoAlign = 0;
inline constexpr TextType NoText = {};
using fw::Action, fw::Error, fw::MouseDown, fw::Open, fw::PageReceived, fw::Paint;
} // namespace table

} // namespace fw
