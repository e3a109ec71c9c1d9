// The application's menu bar, which the main window shows too, and the help
// window's menu bar. Each has one shared instance, built on first use.
#pragma once

#include "framework/MenuItem.h"

namespace Quorvex {

class MenuBar1 : public fw::MenuBar {
public:
    MenuBar1();

private:
    void Untitled0(); // File
    void Untitled1(); // Edit
    void Untitled2(); // Check For Update
    void Untitled3(); // Help
};

class MenuBar2 : public fw::MenuBar {
public:
    MenuBar2();

private:
    void Untitled0(); // File
    void Untitled1(); // Edit
};

} // namespace Quorvex

Quorvex::MenuBar1* MenuBar1();
Quorvex::MenuBar2* MenuBar2();
// Lets the shared instances go, MenuBar1 first; at program end.
void ReleaseMenuBars();
