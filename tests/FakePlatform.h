// A platform for tests: it records what the program asked of the system and
// answers dialogs as the test says. Installed for its lifetime.
#pragma once

#include "framework/Platform.h"

#include <QHash>
#include <QStringList>
#include <deque>
#include <functional>
#include <random>

class FakePlatform : public fw::Platform {
public:
    FakePlatform();
    ~FakePlatform() override;

    void MsgBox(const QString& text) override;
    fw::DialogButton ShowMessageDialog(const fw::MessageDialogRequest& request) override;
    std::unique_ptr<QPagedPaintDevice> OpenPrinterDialog() override;
    void Beep() override { ++beeps; }
    void ShowURL(const QString& url) override { urls << url; }
    std::int64_t Ticks() override { return ticks; }
    std::uint32_t RandomBelow(std::uint32_t bound) override;
    fw::HostAndPort Resolve(const QString& host, quint16 port) override;

    // What the program did.
    QStringList messages;
    std::vector<fw::MessageDialogRequest> dialogs;
    QStringList urls;
    int beeps = 0;
    int printerDialogs = 0;

    // How the test answers.
    std::int64_t ticks = 1000;
    std::deque<fw::DialogButton> dialogAnswers;                  // Cancel when empty
    std::function<std::unique_ptr<QPagedPaintDevice>()> printer; // none: the user cancels
    QHash<QString, fw::HostAndPort> hosts;
    // Runs inside each message box or dialog, while it is "on screen".
    std::function<void()> whileModal;
    std::mt19937 random{12345};
};
