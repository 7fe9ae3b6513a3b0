#pragma once
// A check of the collection for entries a user would rather fix: duplicates,
// empty ones, lines with trailing white space, and a file that mixes its line
// ends. Each finding says where it lies in the Random tab's text, so that the
// listing can take the user there.

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/SignatureEngine.h"
#include "platform/TextSearch.h"

namespace tagrota {

enum class FindingKind {
    Duplicate,
    Empty,
    TrailingSpace,
    MixedLineEnds,
    // An entry the signature's length limits leave out (CheckRules::overLimits).
    OverLimits,
};

struct CollectionFinding {
    FindingKind kind;
    std::size_t entry = 0;  // from 1, as the listing counts; 0 for the file itself
    std::size_t line = 0;   // from 1
    TextSpan span;          // what to select in the text
    std::string message;    // the listing's line
};

struct CheckRules {
    // Why an entry goes over the signature's length limits; "" when it fits.
    // Unset: no limits, no such findings.
    std::function<std::string(std::string_view entry)> overLimits;
};

// The rule that finds the entries whose signature goes over `limits`: each
// entry put under `fixedText` and wrapped as `wrap` says, measured as the
// rotation measures it. No limits set: no rule.
CheckRules LengthLimitRules(std::string fixedText, const WrapSettings& wrap,
                            const SignatureLimits& limits);

// The limits as the listing names them, e.g. "4 lines, 80 columns"; "" when
// none is set.
std::string LimitsText(const SignatureLimits& limits);

// The findings in the collection `text` (CR LF line ends, as the Random tab
// holds it), by line; `fileBytes` is the collection file as it lies on disk,
// for its line ends (empty: not checked).
std::vector<CollectionFinding> CheckCollection(std::string_view text, std::string_view fileBytes,
                                               const CheckRules& rules = {});

}  // namespace tagrota
