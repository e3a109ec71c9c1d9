// Timers.
#include "framework/Timer.h"

namespace fw {

Timer::Timer(Window& ownerWindow) : Control(ownerWindow) {
    // The coarse default fires up to 5% late; a one-second display needs better.
    timer.setTimerType(Qt::PreciseTimer);
    QObject::connect(&timer, &QTimer::timeout, [this] { Fire(); });
}

void Timer::SetMode(int newMode) {
    mode = newMode;
    timer.stop();
    if (mode == ModeSingle || mode == ModeMultiple) {
        timer.setSingleShot(mode == ModeSingle);
        timer.start(period);
    }
}

void Timer::SetPeriod(int milliseconds) {
    period = milliseconds;
    if (timer.isActive())
        timer.start(period);
}

void Timer::ElapseNow() {
    if (!timer.isActive())
        return;
    if (mode == ModeSingle)
        timer.stop();
    Fire();
}

void Timer::Fire() {
    if (mode == ModeSingle)
        mode = ModeOff;
    if (Action)
        Action();
}

std::vector<Property> Timer::Properties() {
    std::vector<Property> p = Control::Properties();
    p.push_back(IntProperty("Mode", [this](qint32 v) { SetMode(v); }));
    p.push_back(IntProperty("Period", [this](qint32 v) { SetPeriod(v); }));
    return p;
}

} // namespace fw
