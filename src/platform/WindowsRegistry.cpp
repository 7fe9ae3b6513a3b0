// The real registry on Windows, through the ANSI calls of advapi32.

#ifdef _WIN32

#include "platform/Registry.h"

#define WIN32_LEAN_AND_MEAN
#include <windows.h>

namespace tagrota {
namespace {

// The predefined roots by their numbers; on a 64-bit system the handles are
// the same numbers sign-extended, so they are named, not converted.
HKEY Native(RegistryKey key) {
    switch (key) {
        case RegistryRoot::ClassesRoot:
            return HKEY_CLASSES_ROOT;
        case RegistryRoot::CurrentUser:
            return HKEY_CURRENT_USER;
        case RegistryRoot::LocalMachine:
            return HKEY_LOCAL_MACHINE;
        case RegistryRoot::Users:
            return HKEY_USERS;
        default:
            return reinterpret_cast<HKEY>(key);
    }
}

class WindowsRegistry final : public IRegistry {
public:
    long OpenKey(RegistryKey root, const std::string& subKey, std::uint32_t access,
                 RegistryKey& key) override {
        HKEY opened = nullptr;
        const LONG rc = ::RegOpenKeyExA(Native(root), subKey.c_str(), 0, access, &opened);
        if (rc == ERROR_SUCCESS) key = reinterpret_cast<RegistryKey>(opened);
        return rc;
    }

    long QueryValue(RegistryKey key, const std::string& valueName, std::uint32_t& type,
                    std::uint8_t* data, std::uint32_t& length) override {
        DWORD kind = 0, size = length;
        const LONG rc =
            ::RegQueryValueExA(Native(key), valueName.c_str(), nullptr, &kind, data, &size);
        type = kind;
        length = size;
        return rc;
    }

    long CloseKey(RegistryKey key) override { return ::RegCloseKey(Native(key)); }
};

}  // namespace

std::unique_ptr<IRegistry> SystemRegistry() {
    return std::make_unique<WindowsRegistry>();
}

}  // namespace tagrota

#endif  // _WIN32
