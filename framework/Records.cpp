// Layout records of windows and controls.
#include "framework/Records.h"

namespace fw {

namespace {

void placement(LayoutRecord& r, const ControlRow& p) {
    r.String("Name", p.name)
        .Integer("Index", p.index)
        .Integer("Left", p.left)
        .Integer("Top", p.top)
        .Integer("Width", p.width)
        .Integer("Height", p.height)
        .Boolean("LockLeft", false)
        .Boolean("LockTop", false)
        .Boolean("LockRight", false)
        .Boolean("LockBottom", false);
}

void font(LayoutRecord& r, const TextType& t) {
    r.String("TextFont", t.font)
        .Boolean("Bold", t.bold)
        .Boolean("Italic", false)
        .Boolean("Underline", false);
}

// No window of the program has tab panels.
void tabOrder(LayoutRecord& r, const ControlRow& p) {
    r.Integer("TabPanelIndex", 0).Integer("TabIndex", p.tab);
}

// Every control shows, has no help tag and goes inactive with its window.
void shown(LayoutRecord& r) {
    r.Boolean("Visible", true).String("HelpTag", {}).Boolean("AutoDeactivate", true);
}

// The entries that canvases and progress bars list alike after their placement.
void focusable(LayoutRecord& r, const ControlRow& p) {
    tabOrder(r, p);
    r.Boolean("TabStop", true);
    shown(r);
    r.Boolean("Enabled", p.enabled);
}

} // namespace

QByteArray WindowRecord(const WindowSettings& s) {
    LayoutRecord r;
    r.Integer("Placement", 0)
        .Integer("Width", s.width)
        .Integer("Height", s.height)
        .Integer("MinWidth", 64)
        .Integer("MinHeight", 64)
        .Integer("MaxWidth", 32000)
        .Integer("MaxHeight", 32000)
        .Integer("Frame", s.frame)
        .Boolean("Composite", false)
        .Boolean("HasBackColor", false)
        .Color("BackColor", 0xFFFFFF)
        .String("Title", s.title)
        .Boolean("Visible", s.visible)
        .Boolean("FullScreen", false)
        .Boolean("MenuBarVisible", s.menuBarVisible)
        .Boolean("CloseButton", s.closeButton)
        .Boolean("Resizeable", s.resizeable)
        .Boolean("LiveResize", false)
        .Boolean("MaximizeButton", s.maximizeButton)
        .Boolean("MinimizeButton", s.minimizeButton)
        .Integer("MacProcID", 0);
    return r.Bytes();
}

QByteArray RectangleRecord(const ControlRow& p) {
    LayoutRecord r;
    placement(r, p);
    r.Integer("TabIndex", p.tab).Integer("TabPanelIndex", 0);
    shown(r);
    r.Boolean("Enabled", p.enabled)
        .Color("FillColor", 0xFFFFFF)
        .Integer("BorderWidth", 1)
        .Color("TopLeftColor", 0x000000)
        .Color("BottomRightColor", 0x000000)
        .String("InitialParent", p.inside);
    return r.Bytes();
}

QByteArray CanvasRecord(const ControlRow& p) {
    LayoutRecord r;
    placement(r, p);
    focusable(r, p);
    r.Boolean("UseFocusRing", true)
        .Boolean("AcceptFocus", false)
        .Boolean("AcceptTabs", false)
        .Boolean("DoubleBuffer", false)
        .Boolean("EraseBackground", true)
        .String("InitialParent", p.inside);
    return r.Bytes();
}

QByteArray SeparatorRecord(const ControlRow& p) {
    LayoutRecord r;
    placement(r, p);
    tabOrder(r, p);
    r.Boolean("TabStop", true).String("InitialParent", p.inside);
    shown(r);
    r.Boolean("Enabled", p.enabled);
    return r.Bytes();
}

QByteArray PushButtonRecord(const ControlRow& p) {
    LayoutRecord r;
    placement(r, p);
    tabOrder(r, p);
    r.Boolean("TabStop", true)
        .String("Caption", p.text)
        .Boolean("Default", p.settings.isDefault)
        .Boolean("Cancel", p.settings.isCancel)
        .Boolean("Enabled", p.enabled);
    shown(r);
    r.Integer("ButtonStyle", 0);
    font(r, p.type);
    r.String("InitialParent", p.inside);
    return r.Bytes();
}

QByteArray LabelRecord(const ControlRow& p) {
    LayoutRecord r;
    placement(r, p);
    tabOrder(r, p);
    r.String("Text", p.text)
        .Integer("TextAlign", p.align)
        .Color("TextColor", 0x000000)
        .Boolean("Multiline", p.settings.multiline)
        .Boolean("Enabled", p.enabled)
        .Boolean("Visible", true)
        .Boolean("Selectable", false)
        .Boolean("Transparent", false)
        .String("HelpTag", {})
        .Boolean("AutoDeactivate", true);
    font(r, p.type);
    r.String("DataSource", {}).String("DataField", {}).String("InitialParent", p.inside);
    return r.Bytes();
}

QByteArray ProgressBarRecord(const ControlRow& p) {
    LayoutRecord r;
    placement(r, p);
    focusable(r, p);
    r.Integer("Maximum", p.settings.maximum)
        .Integer("Value", p.settings.value)
        .String("InitialParent", p.inside);
    return r.Bytes();
}

QByteArray TimerRecord(const ControlRow& p) {
    LayoutRecord r;
    r.Integer("Mode", p.settings.mode).Integer("Period", p.settings.period);
    return r.Bytes();
}

QByteArray TextAreaRecord(const ControlRow& p) {
    LayoutRecord r;
    r.String("InitialParent", p.inside)
        .String("DataField", {})
        .String("DataSource", {})
        .Boolean("AutomaticallyCheckSpelling", true)
        .Integer("Alignment", 0)
        .Boolean("AcceptTabs", false)
        .Integer("LimitText", 0)
        .Boolean("ReadOnly", false)
        .String("Mask", {})
        .String("Text", QString::fromUtf8(p.text))
        .Boolean("Underline", false)
        .Boolean("Italic", false)
        .Boolean("Bold", p.type.bold)
        .String("TextFont", p.type.font)
        .Boolean("HideSelection", true)
        .Boolean("AutoDeactivate", true)
        .String("HelpTag", {})
        .Boolean("Visible", true)
        .Boolean("Enabled", p.enabled)
        .String("Format", {})
        .Color("BackColor", 0xFFFFFF)
        .Color("TextColor", 0x000000)
        .Boolean("UseFocusRing", true)
        .Boolean("Styled", true)
        .Boolean("ScrollbarVertical", true)
        .Boolean("ScrollbarHorizontal", false)
        .Boolean("Multiline", true)
        .Boolean("Border", true)
        .Boolean("TabStop", true)
        .Integer("TabIndex", p.tab)
        .Integer("TabPanelIndex", 0)
        .Boolean("LockBottom", false)
        .Boolean("LockRight", false)
        .Boolean("LockTop", false)
        .Boolean("LockLeft", false)
        .Integer("Height", p.height)
        .Integer("Width", p.width)
        .Integer("Top", p.top)
        .Integer("Left", p.left)
        .Integer("Index", p.index)
        .String("Name", p.name);
    return r.Bytes();
}

// The socket takes its host and port from each address it fetches.
QByteArray HTTPSocketRecord(const ControlRow&) {
    LayoutRecord r;
    r.Boolean("yield", false).Integer("Port", 0).String("Address", {});
    return r.Bytes();
}

} // namespace fw
