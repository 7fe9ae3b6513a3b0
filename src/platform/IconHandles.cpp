#include "platform/IconHandles.h"

#include <vector>

namespace tagrota {

namespace {
// Handle n names names()[n - 1]. Only the user-interface thread uses it.
std::vector<std::string>& names() {
    static std::vector<std::string> list;
    return list;
}
}  // namespace

std::int32_t IconHandleOf(const std::string& image) {
    if (image.empty()) return 0;
    auto& list = names();
    for (std::size_t i = 0; i < list.size(); ++i)
        if (list[i] == image) return static_cast<std::int32_t>(i + 1);
    list.push_back(image);
    return static_cast<std::int32_t>(list.size());
}

std::string IconImageOf(std::int32_t handle) {
    const auto& list = names();
    if (handle <= 0 || static_cast<std::size_t>(handle) > list.size()) return {};
    return list[static_cast<std::size_t>(handle) - 1];
}

}  // namespace tagrota
