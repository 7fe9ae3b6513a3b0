#pragma once
// The settings file read without Qt, for the command line: the INI file the
// window's store writes (QtSettingsStore), read as Qt reads it, with its
// escapes, quotes and typed values. Read only: saves are dropped, and nothing
// is ever written, not even a copy of a damaged file.

#include <map>
#include <string>
#include <string_view>

#include "platform/Services.h"

namespace tagrota {

class IniSettingsReader final : public ISettingsStore {
public:
    std::string GetSetting(const std::string& appName, const std::string& section,
                           const std::string& key, const std::string& defaultValue) override;
    void SaveSetting(const std::string&, const std::string&, const std::string&,
                     const std::string&) override {}
    std::string Where(const std::string& appName) override { return Location(appName); }
    FileStatus ReadStatus(const std::string& appName) override;

    // $XDG_CONFIG_HOME/<app>/<app>.ini (~/.config where that is unset or not
    // an absolute path), as the window's store keeps it.
    static std::string Location(const std::string& appName);

    struct Parsed {
        // "section/key" to its text; a key of the [General] group alone.
        std::map<std::string, std::string> values;
        bool valid = true;  // every line read as the format has it
    };
    // The text of an INI file as Qt reads it.
    static Parsed Parse(std::string_view text);

private:
    struct Store {
        Parsed parsed;
        FileStatus read;
    };
    Store& For(const std::string& appName);
    std::map<std::string, Store> stores_;
};

}  // namespace tagrota
