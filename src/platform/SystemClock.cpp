#include <chrono>
#include <ctime>

#include "platform/SystemServices.h"

namespace tagrota {

double SystemClock::SecondsSinceMidnight() {
    using namespace std::chrono;
    const auto now = system_clock::now();
    const std::time_t t = system_clock::to_time_t(now);
    std::tm local{};
    localtime_r(&t, &local);
    const double fraction =
        duration<double>(now - system_clock::from_time_t(t)).count();  // below one second
    return local.tm_hour * 3600.0 + local.tm_min * 60.0 + local.tm_sec + fraction;
}

}  // namespace tagrota
