#include "platform/VersionInfo.h"

namespace tagrota {

const VersionInfo& ProgramVersion() {
    static const VersionInfo info{"Tagrota", TAGROTA_VERSION_MAJOR, TAGROTA_VERSION_MINOR,
                                  TAGROTA_VERSION_PATCH, "Tagrota Signature Changer"};
    return info;
}

}  // namespace tagrota
