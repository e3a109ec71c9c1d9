// A window of no class of the program's, to hold the controls a test builds by hand.
#pragma once

#include "framework/Window.h"

class TestWindow : public fw::Window {
public:
    QString ClassName() const override { return QStringLiteral("TestWindow"); }
};
