// The one seam between the program and what a test cannot drive by itself:
// modal dialogs, the printer dialog, the beep, URL hand-off, the tick clock,
// randomness and host resolution. The real Qt implementation is the default;
// a test installs its own with Platform::Install.
#pragma once

#include <QString>
#include <cstdint>
#include <memory>

class QPagedPaintDevice;

namespace fw {

// What the update dialog asks; see MessageDialog.
struct MessageDialogRequest {
    QString title;
    QString message;
    QString explanation;
    int icon = 0;
    QString actionCaption;
    QString alternateCaption;
    QString cancelCaption;
    bool actionVisible = true;
    bool alternateVisible = false;
    bool cancelVisible = false;
};

enum class DialogButton { Action, AlternateAction, Cancel };

struct HostAndPort {
    QString host;
    quint16 port = 0;
};

class Platform {
public:
    virtual ~Platform() = default;

    virtual void MsgBox(const QString& text) = 0;
    virtual DialogButton ShowMessageDialog(const MessageDialogRequest& request) = 0;
    // A paint device for a new print job, or null when the user cancels.
    virtual std::unique_ptr<QPagedPaintDevice> OpenPrinterDialog() = 0;
    virtual void Beep() = 0;
    virtual void ShowURL(const QString& url) = 0;
    // Ticks of 1/60 second from a monotonic clock.
    virtual std::int64_t Ticks() = 0;
    // A uniformly random integer in [0, bound).
    virtual std::uint32_t RandomBelow(std::uint32_t bound) = 0;
    // Where a connection to host:port really goes.
    virtual HostAndPort Resolve(const QString& host, quint16 port) = 0;

    // The platform in force: the installed one, else the real Qt one.
    static Platform& Current();
    // Installs a replacement (null restores the real one); the caller keeps ownership.
    static void Install(Platform* platform);
};

// The real implementation over Qt.
class QtPlatform : public Platform {
public:
    void MsgBox(const QString& text) override;
    DialogButton ShowMessageDialog(const MessageDialogRequest& request) override;
    std::unique_ptr<QPagedPaintDevice> OpenPrinterDialog() override;
    void Beep() override;
    void ShowURL(const QString& url) override;
    std::int64_t Ticks() override;
    std::uint32_t RandomBelow(std::uint32_t bound) override;
    HostAndPort Resolve(const QString& host, quint16 port) override;
};

} // namespace fw
