// The Clock service: today's date and the local time, so that tests can set
// both.
#pragma once

#include <chrono>

namespace verdalis::ui {

using Date = std::chrono::year_month_day;

struct LocalDateTime {
    Date date;
    std::chrono::milliseconds timeOfDay{0};

    friend bool operator==(const LocalDateTime&, const LocalDateTime&) = default;
};

class Clock {
public:
    virtual ~Clock() = default;
    virtual LocalDateTime now() const = 0;
    Date today() const { return now().date; }
};

// The computer's clock in its local time zone.
class SystemClock : public Clock {
public:
    LocalDateTime now() const override;
};

// A clock that shows what the test set; it starts at 1 January 2000, midnight.
class ScriptedClock : public Clock {
public:
    void set(LocalDateTime now) { now_ = now; }
    void setToday(Date today) { now_ = {today, std::chrono::milliseconds{0}}; }
    LocalDateTime now() const override { return now_; }

private:
    LocalDateTime now_{Date{std::chrono::year{2000}, std::chrono::January, std::chrono::day{1}}};
};

} // namespace verdalis::ui
