#include "platform/IniSettings.h"

#include <sys/stat.h>

#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <system_error>
#include <vector>

#include "platform/ProgramFolders.h"
#include "platform/Translate.h"
#include "platform/Unicode.h"

namespace tagrota {
namespace {

namespace fs = std::filesystem;

int HexValue(char ch) {
    if (ch >= '0' && ch <= '9') return ch - '0';
    if (ch >= 'a' && ch <= 'f') return ch - 'a' + 10;
    if (ch >= 'A' && ch <= 'F') return ch - 'A' + 10;
    return -1;
}

// A key or group name as written: %XX and %UXXXX for other characters, "\"
// for "/".
std::string UnescapedKey(std::string_view key) {
    std::string out;
    for (std::size_t i = 0; i < key.size(); ++i) {
        if (key[i] == '\\') {
            out += '/';
        } else if (key[i] == '%' && i + 2 < key.size() && key[i + 1] == 'U' && i + 5 < key.size() &&
                   HexValue(key[i + 2]) >= 0 && HexValue(key[i + 3]) >= 0 &&
                   HexValue(key[i + 4]) >= 0 && HexValue(key[i + 5]) >= 0) {
            char32_t ch = 0;
            for (int d = 2; d < 6; ++d) ch = ch * 16 + static_cast<char32_t>(HexValue(key[i + d]));
            AppendUtf8(out, ch);
            i += 5;
        } else if (key[i] == '%' && i + 2 < key.size() + 0 && HexValue(key[i + 1]) >= 0 &&
                   HexValue(key[i + 2]) >= 0) {
            AppendUtf8(out,
                       static_cast<char32_t>(HexValue(key[i + 1]) * 16 + HexValue(key[i + 2])));
            i += 2;
        } else {
            out += key[i];
        }
    }
    return out;
}

bool IsSpace(char ch) {
    return ch == ' ' || ch == '\t' || ch == '\r' || ch == '\n' || ch == '\f' || ch == '\v';
}

std::string_view Trimmed(std::string_view s) {
    while (!s.empty() && IsSpace(s.front())) s.remove_prefix(1);
    while (!s.empty() && IsSpace(s.back())) s.remove_suffix(1);
    return s;
}

// A value as written: items split at commas outside quotes, each with its
// escapes undone, quotes removed and the spaces around it dropped (spaces
// inside quotes kept); a ";" outside quotes starts a comment.
std::vector<std::string> ValueItems(std::string_view text) {
    std::vector<std::string> items(1);
    bool quoted = false;
    std::size_t kept = 0;  // length of the current item up to its last kept character
    for (std::size_t i = 0; i < text.size(); ++i) {
        std::string& item = items.back();
        const char ch = text[i];
        if (ch == '"') {
            quoted = !quoted;
            kept = item.size();
            continue;
        }
        if (!quoted && ch == ';') break;
        if (!quoted && ch == ',') {
            item.resize(kept);
            items.emplace_back();
            kept = 0;
            continue;
        }
        if (ch == '\\' && i + 1 < text.size()) {
            const char e = text[++i];
            switch (e) {
                case 'a':
                    item += '\a';
                    break;
                case 'b':
                    item += '\b';
                    break;
                case 'f':
                    item += '\f';
                    break;
                case 'n':
                    item += '\n';
                    break;
                case 'r':
                    item += '\r';
                    break;
                case 't':
                    item += '\t';
                    break;
                case 'v':
                    item += '\v';
                    break;
                case 'x': {
                    char32_t code = 0;
                    while (i + 1 < text.size() && HexValue(text[i + 1]) >= 0)
                        code = code * 16 + static_cast<char32_t>(HexValue(text[++i]));
                    AppendUtf8(item, code);
                    break;
                }
                default:
                    if (e >= '0' && e <= '7') {
                        char32_t code = static_cast<char32_t>(e - '0');
                        while (i + 1 < text.size() && text[i + 1] >= '0' && text[i + 1] <= '7')
                            code = code * 8 + static_cast<char32_t>(text[++i] - '0');
                        AppendUtf8(item, code);
                    } else {
                        item += e;  // \\, \", \' and the like: the character itself
                    }
            }
            kept = item.size();
            continue;
        }
        if (!quoted && IsSpace(ch)) {
            if (item.empty()) continue;  // spaces before an item
            item += ch;                  // kept only if more follows
            continue;
        }
        item += ch;
        kept = item.size();
    }
    items.back().resize(kept);
    return items;
}

// A value's text as the window's store gives it: a list joined with commas,
// "@@" for a text that starts with "@".
std::string ValueText(std::string_view raw) {
    const std::vector<std::string> items = ValueItems(raw);
    std::string text;
    for (std::size_t i = 0; i < items.size(); ++i) {
        if (i) text += ',';
        text += items[i];
    }
    if (items.size() == 1 && text.starts_with("@@")) text.erase(0, 1);
    return text;
}

std::string ConfigHome() {
    const char* xdg = std::getenv("XDG_CONFIG_HOME");
    if (xdg && *xdg && fs::path(xdg).is_absolute()) return xdg;
    return UserHome() + "/.config";
}

}  // namespace

IniSettingsReader::Parsed IniSettingsReader::Parse(std::string_view text) {
    Parsed parsed;
    std::string group;
    // Lines, with a "\" at the end joining the next one.
    std::string line;
    std::size_t at = 0;
    while (at < text.size()) {
        std::size_t end = text.find_first_of("\r\n", at);
        if (end == std::string_view::npos) end = text.size();
        std::string_view part = text.substr(at, end - at);
        at = end;
        while (at < text.size() && (text[at] == '\r' || text[at] == '\n')) ++at;
        // A "\\" escapes the character after it: only one left alone at
        // the end (an odd run of them) joins the lines.
        const std::size_t lastOther = part.find_last_not_of('\\');
        const std::size_t run =
            part.size() - (lastOther == std::string_view::npos ? 0 : lastOther + 1);
        if (run % 2 == 1 && at < text.size()) {
            line.append(part.substr(0, part.size() - 1));
            continue;
        }
        line.append(part);
        const std::string_view trimmed = Trimmed(line);
        if (trimmed.empty() || trimmed.front() == ';') {
        } else if (trimmed.front() == '[') {
            const std::size_t close = trimmed.find(']');
            if (close == std::string_view::npos) {
                parsed.valid = false;
            } else {
                group = UnescapedKey(trimmed.substr(1, close - 1));
                if (group == "General") group.clear();
            }
        } else if (const std::size_t eq = trimmed.find('='); eq == std::string_view::npos) {
            parsed.valid = false;
        } else {
            const std::string key = UnescapedKey(Trimmed(trimmed.substr(0, eq)));
            if (key.empty()) {
                parsed.valid = false;
            } else {
                std::string name = group;
                if (!name.empty()) name += '/';
                name += key;
                parsed.values[name] = ValueText(trimmed.substr(eq + 1));
            }
        }
        line.clear();
    }
    return parsed;
}

std::string IniSettingsReader::Location(const std::string& appName) {
    return ConfigHome() + "/" + appName + "/" + appName + ".ini";
}

IniSettingsReader::Store& IniSettingsReader::For(const std::string& appName) {
    if (const auto found = stores_.find(appName); found != stores_.end()) return found->second;
    Store& store = stores_[appName];
    const std::string file = Location(appName);
    std::error_code ec;
    if (!fs::exists(file, ec)) return store;  // no settings yet: every one at its default
    std::string why;
    if (fs::is_directory(file, ec)) {
        why = std::generic_category().message(EISDIR);
    } else {
        std::ifstream in(file, std::ios::binary);
        if (!in) {
            why = std::generic_category().message(errno ? errno : EACCES);
        } else {
            std::ostringstream bytes;
            bytes << in.rdbuf();
            store.parsed = Parse(bytes.str());
            if (!store.parsed.valid)
                store.read =
                    FileStatus::Failure(Tr("IniSettings", "it is not a valid settings file"));
            return store;
        }
    }
    store.read = FileStatus::Failure(
        Format(Tr("IniSettings", "%1; Tagrota leaves it as it is and saves no settings"), {why}));
    return store;
}

std::string IniSettingsReader::GetSetting(const std::string& appName, const std::string& section,
                                          const std::string& key, const std::string& defaultValue) {
    const Store& store = For(appName);
    const auto found = store.parsed.values.find(section + "/" + key);
    return found == store.parsed.values.end() ? defaultValue : found->second;
}

FileStatus IniSettingsReader::ReadStatus(const std::string& appName) {
    return For(appName).read;
}

}  // namespace tagrota
