#pragma once
// The system registry as the About box reads it: open a key, read one value
// into the caller's buffer, close the key. The calls and their results are
// those of the Windows registry; elsewhere a small view stands in for it.

#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace tagrota {

// A key handle: one of the predefined roots, or a key that OpenKey opened.
using RegistryKey = std::uintptr_t;

namespace RegistryRoot {
inline constexpr RegistryKey ClassesRoot = 0x80000000, CurrentUser = 0x80000001,
                             LocalMachine = 0x80000002, Users = 0x80000003;
}

// Types of values.
namespace RegistryType {
inline constexpr std::uint32_t None = 0, String = 1, ExpandString = 2, Binary = 3, DoubleWord = 4;
}

// Access masks. ReadWrite: query value, set value, create subkey, enumerate
// subkeys, notify, create link, read control.
namespace RegistryAccess {
inline constexpr std::uint32_t Read = 0x20019, ReadWrite = 0x2003F;
}

// The results of the calls: 0 for success, otherwise the system's error code.
namespace RegistryError {
inline constexpr long Success = 0, FileNotFound = 2, AccessDenied = 5, InvalidHandle = 6,
                      MoreData = 234;
}

class IRegistry {
public:
    virtual ~IRegistry() = default;
    // Opens the key at the path `subKey` below `root` (a predefined root or an
    // open key) with the access asked for; on success `key` is the new handle.
    virtual long OpenKey(RegistryKey root, const std::string& subKey, std::uint32_t access,
                         RegistryKey& key) = 0;
    // Reads the named value of an open key. `length` comes in as the size of
    // `data` and goes out as the length of the value's data, including any
    // terminating zero; when that is more than the buffer holds, nothing is
    // copied and the result is MoreData. `type` receives the value's type.
    virtual long QueryValue(RegistryKey key, const std::string& valueName, std::uint32_t& type,
                            std::uint8_t* data, std::uint32_t& length) = 0;
    virtual long CloseKey(RegistryKey key) = 0;
};

// A registry held in memory, with the rules of the real calls: names of keys
// and values in any letter case, the caller's buffer limit, and refusals of
// more access than a key allows.
class MemoryRegistry final : public IRegistry {
public:
    long OpenKey(RegistryKey root, const std::string& subKey, std::uint32_t access,
                 RegistryKey& key) override;
    long QueryValue(RegistryKey key, const std::string& valueName, std::uint32_t& type,
                    std::uint8_t* data, std::uint32_t& length) override;
    long CloseKey(RegistryKey key) override;

    // Stores a value, creating its key (and the keys above it).
    void SetValue(RegistryKey root, const std::string& key, const std::string& name,
                  std::uint32_t type, std::string data);
    // A string value; with its terminating zero, as the system stores them, or
    // without one, as some programs write them.
    void SetString(RegistryKey root, const std::string& key, const std::string& name,
                   const std::string& text, bool terminated = true);
    void SetDoubleWord(RegistryKey root, const std::string& key, const std::string& name,
                       std::uint32_t value);
    // Opening the key with access beyond `allowed` fails with AccessDenied, as
    // for an account without the rights to change it.
    void LimitAccess(RegistryKey root, const std::string& key, std::uint32_t allowed);

    // The keys opened and not yet closed.
    std::size_t OpenHandles() const { return open_.size(); }

private:
    struct Value {
        std::uint32_t type;
        std::string data;
    };
    struct Key {
        std::map<std::string, Value> values;  // by upper-case name
        std::uint32_t allowed = ~0u;
    };
    // The full path of a key in upper case: root number, then the names.
    static std::string PathOf(RegistryKey root, const std::string& key);
    Key& Create(const std::string& path);

    std::map<std::string, Key> keys_;
    std::map<RegistryKey, std::string> open_;
    RegistryKey nextHandle_ = 0x100;
};

// Where no system registry exists: a view that holds nothing but the place
// where the system-information program is found, HKEY_LOCAL_MACHINE
// "SOFTWARE\Microsoft\Shared Tools\MSINFO", value "PATH", naming the first of
// the desktop's system-information programs found in the folders of
// `searchPath` (a PATH-style list; empty and relative entries are skipped).
// Without any of them installed the key does not exist.
std::unique_ptr<IRegistry> SystemInformationView(const std::string& searchPath);

// The programs that view looks for, in order.
const std::vector<std::string>& SystemInformationPrograms();

// The registry of this system: the view above, on the PATH of this process as
// it is when a key is opened. A platform with a real registry returns that.
std::unique_ptr<IRegistry> SystemRegistry();

}  // namespace tagrota
