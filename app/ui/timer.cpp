#include "ui/timer.h"

namespace verdalis::ui {

void Timer::setIntervalMs(int interval)
{
    assign(intervalMs_, interval, Property::Timer);
}

void Timer::start()
{
    setEnabled(true);
    changed(Property::Timer);
}

bool Timer::elapse()
{
    if (!enabled()) {
        return false;
    }
    fireUserEvent(onTimer);
    return true;
}

} // namespace verdalis::ui
