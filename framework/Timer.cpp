// Timers.
#include "framework/Timer.h"

namespace fw {

namespace {
// A long wait in the event loop ends late by about 0.1% of its length (over a
// millisecond for one second), a short one by far less. So the timer wakes
// this much before its deadline and waits out the rest afresh.
constexpr qint64 EarlyWakeNs = 20'000'000;
constexpr qint64 NsPerMs = 1'000'000;
} // namespace

Timer::Timer(Window& ownerWindow) : Control(ownerWindow) {
    timer.setTimerType(Qt::PreciseTimer);
    timer.setSingleShot(true);
    clock.start();
    QObject::connect(&timer, &QTimer::timeout, [this] { Wake(); });
}

void Timer::SetMode(int newMode) {
    mode = newMode;
    timer.stop();
    if (mode == ModeSingle || mode == ModeMultiple) Arm(clock.nsecsElapsed() + period * NsPerMs);
}

void Timer::SetPeriod(int milliseconds) {
    period = milliseconds;
    if (timer.isActive()) Arm(clock.nsecsElapsed() + period * NsPerMs);
}

void Timer::Arm(qint64 deadlineNs) {
    deadline = deadlineNs;
    const qint64 wait = deadline - clock.nsecsElapsed();
    const qint64 early = wait > 2 * EarlyWakeNs ? wait - EarlyWakeNs : wait;
    // Round up: waking a little late is fine, firing early is not.
    timer.start(int(std::max<qint64>(0, (early + NsPerMs - 1) / NsPerMs)));
}

void Timer::Wake() {
    // Woken early on purpose, or late by a busy loop that let go just short of
    // the deadline: either way wait out the rest, however little is left.
    if (clock.nsecsElapsed() < deadline) {
        Arm(deadline);
        return;
    }
    Fire();
}

void Timer::ElapseNow() {
    if (!timer.isActive()) return;
    timer.stop();
    Fire();
}

void Timer::Fire() {
    if (mode == ModeSingle)
        mode = ModeOff;
    else if (mode == ModeMultiple)
        Arm(std::max(deadline + period * NsPerMs, clock.nsecsElapsed()));
    if (Action) Action();
}

std::vector<Property> Timer::Properties() {
    std::vector<Property> p = Control::Properties();
    p.push_back(IntProperty("Mode", [this](qint32 v) { SetMode(v); }));
    p.push_back(IntProperty("Period", [this](qint32 v) { SetPeriod(v); }));
    return p;
}

} // namespace fw
