#pragma once
// What the fuzz targets share: a check that stops the run with a report, which
// libFuzzer then keeps as a crash with the input that caused it.

#include <cstdio>
#include <cstdlib>
#include <string_view>
#include <vector>

#define FUZZ_CHECK(condition)                                                                  \
    do {                                                                                       \
        if (!(condition)) {                                                                    \
            std::fprintf(stderr, "%s:%d: check failed: %s\n", __FILE__, __LINE__, #condition); \
            std::abort();                                                                      \
        }                                                                                      \
    } while (false)

// The text cut at every occurrence of `at`, left to right, the plain way: the
// reference the program's own cutting is checked against. n occurrences give
// n + 1 parts.
inline std::vector<std::string_view> PlainSplit(std::string_view text, std::string_view at) {
    std::vector<std::string_view> parts;
    std::size_t start = 0;
    for (std::size_t hit; (hit = text.find(at, start)) != std::string_view::npos;
         start = hit + at.size())
        parts.push_back(text.substr(start, hit - start));
    parts.push_back(text.substr(start));
    return parts;
}
