#pragma once
// Twips, the unit of every place and size the program gives its windows and
// controls: 1/1440 of an inch. On a standard screen of 96 dots per inch a
// pixel is 15 twips; each platform converts at its screen's own resolution
// and falls back on these figures where it knows none.

namespace tagrota {

inline constexpr double kTwipsPerInch = 1440;
inline constexpr double kStandardDpi = 96;
inline constexpr int kTwipsPerStandardPixel = 15;

static_assert(kTwipsPerInch / kStandardDpi == kTwipsPerStandardPixel);

}  // namespace tagrota
