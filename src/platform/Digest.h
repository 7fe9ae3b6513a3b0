#pragma once
// A digest of a text, for names that stand for a longer one (a path).

#include <string>
#include <string_view>

namespace tagrota {

// The SHA-256 digest of the bytes, as 64 lower-case hex digits.
std::string Sha256Hex(std::string_view bytes);

}  // namespace tagrota
