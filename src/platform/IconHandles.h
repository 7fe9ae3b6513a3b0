#pragma once
// Icons named by number, as the tray service and the windows pass them around.
// Each image name gets one stable, non-zero handle for the life of the process;
// handle 0 is "no icon".

#include <cstdint>
#include <string>

namespace tagrota {

std::int32_t IconHandleOf(const std::string& image);
// The image name of a handle; empty for 0 and for handles never given out.
std::string IconImageOf(std::int32_t handle);

}  // namespace tagrota
