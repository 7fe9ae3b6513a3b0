#include <bit>

#include "platform/Services.h"

namespace tagrota {

void SplitMixRandom::Reseed(double seed) {
    // Every bit of the seed matters, so two clock readings a millisecond apart
    // start far apart.
    state_ = std::bit_cast<std::uint64_t>(seed);
}

double SplitMixRandom::Next() {
    std::uint64_t z = (state_ += 0x9e3779b97f4a7c15ULL);
    z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ULL;
    z = (z ^ (z >> 27)) * 0x94d049bb133111ebULL;
    z ^= z >> 31;
    return static_cast<double>(z >> 11) * 0x1.0p-53;  // 53 bits: [0, 1)
}

}  // namespace tagrota
