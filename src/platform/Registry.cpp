#include "platform/Registry.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <cstring>
#include <filesystem>

namespace tagrota {
namespace {

std::string Upper(std::string text) {
    for (char& c : text) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return text;
}

bool IsRoot(RegistryKey key) {
    return key >= RegistryRoot::ClassesRoot && key <= 0x80000006;
}

// A file that someone may run.
bool IsProgram(const std::filesystem::path& path) {
    namespace fs = std::filesystem;
    std::error_code ec;
    const fs::file_status status = fs::status(path, ec);
    if (ec || !fs::is_regular_file(status)) return false;
    const fs::perms exec = fs::perms::owner_exec | fs::perms::group_exec | fs::perms::others_exec;
    return (status.permissions() & exec) != fs::perms::none;
}

}  // namespace

// ---- The registry in memory ----

std::string MemoryRegistry::PathOf(RegistryKey root, const std::string& key) {
    std::string path = std::to_string(root);
    if (!key.empty()) {
        path += '\\';
        path += Upper(key);
    }
    return path;
}

MemoryRegistry::Key& MemoryRegistry::Create(const std::string& path) {
    for (std::size_t at = path.find('\\'); at != std::string::npos; at = path.find('\\', at + 1))
        keys_.try_emplace(path.substr(0, at));
    return keys_[path];
}

void MemoryRegistry::SetValue(RegistryKey root, const std::string& key, const std::string& name,
                              std::uint32_t type, std::string data) {
    Create(PathOf(root, key)).values[Upper(name)] = {type, std::move(data)};
}

void MemoryRegistry::SetString(RegistryKey root, const std::string& key, const std::string& name,
                               const std::string& text, bool terminated) {
    SetValue(root, key, name, RegistryType::String, terminated ? text + '\0' : text);
}

void MemoryRegistry::SetDoubleWord(RegistryKey root, const std::string& key,
                                   const std::string& name, std::uint32_t value) {
    std::string data(4, '\0');
    for (int i = 0; i < 4; ++i) data[i] = static_cast<char>((value >> (8 * i)) & 0xFF);
    SetValue(root, key, name, RegistryType::DoubleWord, std::move(data));
}

void MemoryRegistry::LimitAccess(RegistryKey root, const std::string& key, std::uint32_t allowed) {
    Create(PathOf(root, key)).allowed = allowed;
}

long MemoryRegistry::OpenKey(RegistryKey root, const std::string& subKey, std::uint32_t access,
                             RegistryKey& key) {
    std::string path;
    if (IsRoot(root)) {
        path = PathOf(root, subKey);
    } else {
        auto parent = open_.find(root);
        if (parent == open_.end()) return RegistryError::InvalidHandle;
        path = subKey.empty() ? parent->second : parent->second + "\\" + Upper(subKey);
    }
    auto found = keys_.find(path);
    if (found == keys_.end()) {
        // A root exists without anything stored under it.
        if (!(IsRoot(root) && subKey.empty())) return RegistryError::FileNotFound;
    } else if ((access & ~found->second.allowed) != 0) {
        return RegistryError::AccessDenied;
    }
    key = nextHandle_++;
    open_[key] = path;
    return RegistryError::Success;
}

long MemoryRegistry::QueryValue(RegistryKey key, const std::string& valueName, std::uint32_t& type,
                                std::uint8_t* data, std::uint32_t& length) {
    auto handle = open_.find(key);
    if (handle == open_.end()) return RegistryError::InvalidHandle;
    auto found = keys_.find(handle->second);
    if (found == keys_.end()) return RegistryError::FileNotFound;
    auto value = found->second.values.find(Upper(valueName));
    if (value == found->second.values.end()) return RegistryError::FileNotFound;
    const std::string& bytes = value->second.data;
    const std::uint32_t room = length;
    type = value->second.type;
    length = static_cast<std::uint32_t>(bytes.size());
    if (data == nullptr) return RegistryError::Success;
    if (bytes.size() > room) return RegistryError::MoreData;
    // Raw bytes; a string value's bytes end in its own terminating zero.
    std::memcpy(data, bytes.data(), bytes.size());  // NOLINT(bugprone-not-null-terminated-result)
    return RegistryError::Success;
}

long MemoryRegistry::CloseKey(RegistryKey key) {
    return open_.erase(key) == 1 ? RegistryError::Success : RegistryError::InvalidHandle;
}

// ---- The stand-in for systems without a registry ----

const std::vector<std::string>& SystemInformationPrograms() {
    static const std::vector<std::string> programs{"kinfocenter", "hardinfo",
                                                   "gnome-system-monitor", "mate-system-monitor",
                                                   "xfce4-taskmanager"};
    return programs;
}

std::unique_ptr<IRegistry> SystemInformationView(const std::string& searchPath) {
    namespace fs = std::filesystem;
    auto view = std::make_unique<MemoryRegistry>();
    std::vector<fs::path> folders;
    for (std::size_t start = 0; start <= searchPath.size();) {
        std::size_t end = searchPath.find(':', start);
        if (end == std::string::npos) end = searchPath.size();
        // An empty or relative entry would run whatever lies in the current
        // folder; only absolute folders count.
        const fs::path folder(searchPath.substr(start, end - start));
        if (folder.is_absolute()) folders.push_back(folder);
        start = end + 1;
    }
    for (const std::string& program : SystemInformationPrograms()) {
        for (const fs::path& folder : folders) {
            if (!IsProgram(folder / program)) continue;
            view->SetString(RegistryRoot::LocalMachine, "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO",
                            "PATH", (folder / program).string());
            return view;
        }
    }
    return view;
}

namespace {

// The view on this process's PATH, looked at when a key is opened rather than
// at start-up: nothing is searched unless the user asks for system
// information, and a program installed meanwhile is found.
class SearchPathRegistry final : public IRegistry {
public:
    long OpenKey(RegistryKey root, const std::string& subKey, std::uint32_t access,
                 RegistryKey& key) override {
        if (open_ == 0) {
            const char* path = std::getenv("PATH");
            view_ = SystemInformationView(path ? path : "");
        }
        const long result = view_->OpenKey(root, subKey, access, key);
        if (result == RegistryError::Success) ++open_;
        return result;
    }
    long QueryValue(RegistryKey key, const std::string& valueName, std::uint32_t& type,
                    std::uint8_t* data, std::uint32_t& length) override {
        return view_ ? view_->QueryValue(key, valueName, type, data, length)
                     : RegistryError::InvalidHandle;
    }
    long CloseKey(RegistryKey key) override {
        const long result = view_ ? view_->CloseKey(key) : RegistryError::InvalidHandle;
        if (result == RegistryError::Success) --open_;
        return result;
    }

private:
    std::unique_ptr<IRegistry> view_;
    int open_ = 0;  // keys open in view_, which must live while any is
};

}  // namespace

std::unique_ptr<IRegistry> SystemRegistry() {
    return std::make_unique<SearchPathRegistry>();
}

}  // namespace tagrota
