#include "platform/Translate.h"

#include <utility>
#include <vector>

namespace tagrota {
namespace {

Translator& Installed() {
    static Translator translator;
    return translator;
}

}  // namespace

void SetTranslator(Translator translator) {
    Installed() = std::move(translator);
}

std::string Translated(const char* context, const char* source) {
    const Translator& translator = Installed();
    return translator ? translator(context, source) : std::string(source);
}

std::string Tr(const char* context, const char* source) {
    return Translated(context, source);
}

std::string Format(const std::string& pattern, std::initializer_list<std::string> values) {
    const std::vector<std::string> args(values);
    std::string out;
    out.reserve(pattern.size());
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        const char c = pattern[i];
        if (c == '%' && i + 1 < pattern.size() && pattern[i + 1] >= '1' && pattern[i + 1] <= '9') {
            const std::size_t n = static_cast<std::size_t>(pattern[i + 1] - '1');
            if (n < args.size()) {
                out += args[n];
                ++i;
                continue;
            }
        }
        out += c;
    }
    return out;
}

}  // namespace tagrota
