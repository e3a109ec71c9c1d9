// A timer: Mode 0 is off, 1 fires once Period milliseconds after it is set,
// 2 fires every Period milliseconds. Setting Mode again restarts the period.
#pragma once

#include "framework/Control.h"

#include <QElapsedTimer>
#include <QTimer>

namespace fw {

class Timer : public Control {
public:
    enum { ModeOff = 0, ModeSingle = 1, ModeMultiple = 2 };

    explicit Timer(Window& ownerWindow);

    int Mode() const { return mode; }
    void SetMode(int mode);
    int Period() const { return period; }
    void SetPeriod(int milliseconds);
    bool IsArmed() const { return timer.isActive(); }
    // Fires now, as if the period had run out; does nothing when the timer is off.
    void ElapseNow();

    std::function<void()> Action;

    std::vector<Property> Properties() override;
    void OwnerClosed() override { timer.stop(); }

private:
    void Arm(qint64 deadlineNs);
    void Wake();
    void Fire();
    QTimer timer;
    QElapsedTimer clock;
    qint64 deadline = 0; // in clock's nanoseconds
    int mode = ModeOff;
    int period = 1000;
};

} // namespace fw
