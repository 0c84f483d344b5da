// A timer: while enabled, the application calls elapse() every interval.
// Timers are created stopped (disabled).
#pragma once

#include "ui/control.h"

namespace verdalis::ui {

class Timer : public Control {
public:
    explicit Timer(std::string name) : Control(ControlKind::Timer, std::move(name))
    {
        setVisible(false);
        setEnabled(false);
    }

    int intervalMs() const { return intervalMs_; }
    void setIntervalMs(int interval);
    // Enables the timer and starts a new interval, also when it was running.
    void start();
    void stop() { setEnabled(false); }

    // The interval has passed: onTimer runs through the form's dispatcher if
    // the timer is enabled. False when it was not.
    bool elapse();

    Handler onTimer;

private:
    int intervalMs_ = 1000;
};

} // namespace verdalis::ui
