// Layout records of windows and controls.
#include "framework/Records.h"

namespace fw {

namespace {

void placement(LayoutRecord& r, const Placement& p) {
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

void font(LayoutRecord& r, const TextSettings& t) {
    r.String("TextFont", t.font)
        .Boolean("Bold", t.bold)
        .Boolean("Italic", false)
        .Boolean("Underline", false);
}

// The entries that canvases and progress bars list alike after their placement.
void focusable(LayoutRecord& r, const Placement& p) {
    r.Integer("TabPanelIndex", 0)
        .Integer("TabIndex", p.tabIndex)
        .Boolean("TabStop", true)
        .Boolean("Visible", true)
        .String("HelpTag", {})
        .Boolean("AutoDeactivate", true)
        .Boolean("Enabled", p.enabled);
}

} // namespace

Placement At(const QString& name, int left, int top, int width, int height, int tabIndex) {
    Placement p;
    p.name = name;
    p.left = left;
    p.top = top;
    p.width = width;
    p.height = height;
    p.tabIndex = tabIndex;
    return p;
}

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

QByteArray RectangleRecord(const Placement& p) {
    LayoutRecord r;
    placement(r, p);
    r.Integer("TabIndex", p.tabIndex)
        .Integer("TabPanelIndex", 0)
        .Boolean("Visible", true)
        .String("HelpTag", {})
        .Boolean("AutoDeactivate", true)
        .Boolean("Enabled", p.enabled)
        .Color("FillColor", 0xFFFFFF)
        .Integer("BorderWidth", 1)
        .Color("TopLeftColor", 0x000000)
        .Color("BottomRightColor", 0x000000)
        .String("InitialParent", p.inside);
    return r.Bytes();
}

QByteArray CanvasRecord(const Placement& p) {
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

QByteArray SeparatorRecord(const Placement& p) {
    LayoutRecord r;
    placement(r, p);
    r.Integer("TabPanelIndex", 0)
        .Integer("TabIndex", p.tabIndex)
        .Boolean("TabStop", true)
        .String("InitialParent", p.inside)
        .Boolean("Visible", true)
        .String("HelpTag", {})
        .Boolean("AutoDeactivate", true)
        .Boolean("Enabled", p.enabled);
    return r.Bytes();
}

QByteArray PushButtonRecord(const Placement& p, const QString& caption, const TextSettings& text,
                            bool isDefault, bool isCancel) {
    LayoutRecord r;
    placement(r, p);
    r.Integer("TabPanelIndex", 0)
        .Integer("TabIndex", p.tabIndex)
        .Boolean("TabStop", true)
        .String("Caption", caption)
        .Boolean("Default", isDefault)
        .Boolean("Cancel", isCancel)
        .Boolean("Enabled", p.enabled)
        .Boolean("Visible", true)
        .String("HelpTag", {})
        .Boolean("AutoDeactivate", true)
        .Integer("ButtonStyle", 0);
    font(r, text);
    r.String("InitialParent", p.inside);
    return r.Bytes();
}

QByteArray LabelRecord(const Placement& p, const QString& text, int align,
                       const TextSettings& style, bool multiline) {
    LayoutRecord r;
    placement(r, p);
    r.Integer("TabPanelIndex", 0)
        .Integer("TabIndex", p.tabIndex)
        .String("Text", text)
        .Integer("TextAlign", align)
        .Color("TextColor", 0x000000)
        .Boolean("Multiline", multiline)
        .Boolean("Enabled", p.enabled)
        .Boolean("Visible", true)
        .Boolean("Selectable", false)
        .Boolean("Transparent", false)
        .String("HelpTag", {})
        .Boolean("AutoDeactivate", true);
    font(r, style);
    r.String("DataSource", {}).String("DataField", {}).String("InitialParent", p.inside);
    return r.Bytes();
}

QByteArray ProgressBarRecord(const Placement& p, int maximum, int value) {
    LayoutRecord r;
    placement(r, p);
    focusable(r, p);
    r.Integer("Maximum", maximum).Integer("Value", value).String("InitialParent", p.inside);
    return r.Bytes();
}

QByteArray TimerRecord(int mode, int period) {
    LayoutRecord r;
    r.Integer("Mode", mode).Integer("Period", period);
    return r.Bytes();
}

QByteArray TextAreaRecord(const Placement& p, const QString& text, const TextSettings& style) {
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
        .String("Text", text)
        .Boolean("Underline", false)
        .Boolean("Italic", false)
        .Boolean("Bold", style.bold)
        .String("TextFont", style.font)
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
        .Integer("TabIndex", p.tabIndex)
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

} // namespace fw
