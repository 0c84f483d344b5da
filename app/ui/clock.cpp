#include "ui/clock.h"

#include <ctime>

namespace verdalis::ui {

LocalDateTime SystemClock::now() const
{
    using namespace std::chrono;
    const auto moment = system_clock::now();
    const std::time_t epochSeconds = system_clock::to_time_t(moment);
    std::tm local{};
    localtime_r(&epochSeconds, &local);
    const auto millisecond = duration_cast<milliseconds>(moment.time_since_epoch()) % 1000;
    const Date date{year{local.tm_year + 1900}, month{static_cast<unsigned>(local.tm_mon + 1)},
                    day{static_cast<unsigned>(local.tm_mday)}};
    return {date, hours{local.tm_hour} + minutes{local.tm_min} + seconds{local.tm_sec} + millisecond};
}

} // namespace verdalis::ui
