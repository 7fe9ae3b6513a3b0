#pragma once
// Real services that need only the standard library, shared by both platforms.

#include "platform/Services.h"

namespace tagrota {

// The local time of day.
class SystemClock final : public IClock {
public:
    double SecondsSinceMidnight() override;
};

}  // namespace tagrota
