#include "engine/Settings.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <filesystem>

#include "platform/Paths.h"

namespace tagrota {
namespace {

std::string_view Trimmed(const std::string& text) {
    std::string_view s = text;
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t')) s.remove_suffix(1);
    return s;
}

template <typename Number>
std::optional<Number> ParseWhole(const std::string& text) {
    std::string_view s = Trimmed(text);
    if (!s.empty() && s.front() == '+') s.remove_prefix(1);
    Number value{};
    auto [end, error] = std::from_chars(s.data(), s.data() + s.size(), value);
    if (s.empty() || error != std::errc() || end != s.data() + s.size() || !std::isfinite(value))
        return std::nullopt;
    return value;
}

bool EqualsIgnoringCase(std::string_view a, std::string_view b) {
    return std::ranges::equal(a, b, [](char x, char y) {
        auto lower = [](char c) {
            return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
        };
        return lower(x) == lower(y);
    });
}

Integer Clamp(Integer value, Integer low, Integer high) {
    return std::clamp(value, low, high);
}

}  // namespace

std::optional<float> ParseSingle(const std::string& text) {
    return ParseWhole<float>(text);
}

std::optional<Integer> ParseInteger(const std::string& text) {
    auto value = ParseWhole<double>(text);
    if (!value) return std::nullopt;
    double rounded = std::nearbyint(*value);  // halves to even, as a conversion to Integer does
    if (rounded < -32768.0 || rounded > 32767.0) return std::nullopt;
    return static_cast<Integer>(rounded);
}

std::optional<Boolean> ParseBoolean(const std::string& text) {
    std::string_view s = Trimmed(text);
    if (EqualsIgnoringCase(s, "True") || s == "-1" || s == "1") return true;
    if (EqualsIgnoringCase(s, "False") || s == "0") return false;
    return std::nullopt;
}

std::string FormatSingle(float value) {
    char buffer[64];
    auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    return std::string(buffer, result.ptr);
}

std::string FormatInteger(long value) {
    return std::to_string(value);
}

std::string FormatBoolean(Boolean value) {
    return value ? "True" : "False";
}

LineEnding ParseLineEnds(const std::string& text) {
    return EqualsIgnoringCase(Trimmed(text), "CRLF") ? LineEnding::CrLf : LineEnding::Lf;
}

std::string FormatLineEnds(LineEnding ends) {
    return ends == LineEnding::CrLf ? "CRLF" : "LF";
}

std::string DefaultCollectionPath(const std::string& programDir) {
    return ProgramFolderFile(programDir, kDefaultCollectionName);
}

std::string DefaultCurrentPath(const std::string& programDir) {
    return ProgramFolderFile(programDir, kDefaultCurrentName);
}

std::string FixedSignaturePath(const std::string& programDir) {
    return EndsWithSeparator(programDir) ? programDir + kFixedFileName
                                         : programDir + kPathSeparator + kFixedFileName;
}

std::string SettingsReader::Get(const char* key, const std::string& defaultText) {
    return store_.GetSetting(kAppName, kSettingsSection, key, defaultText);
}

float SettingsReader::ReadSingle(const char* key, float defaultValue) {
    return ParseSingle(Get(key, FormatSingle(defaultValue))).value_or(defaultValue);
}

Integer SettingsReader::ReadInteger(const char* key, Integer defaultValue) {
    return ParseInteger(Get(key, FormatInteger(defaultValue))).value_or(defaultValue);
}

Boolean SettingsReader::ReadBoolean(const char* key, Boolean defaultValue) {
    return ParseBoolean(Get(key, FormatBoolean(defaultValue))).value_or(defaultValue);
}

std::string SettingsReader::ReadText(const char* key, const std::string& defaultValue) {
    return Get(key, defaultValue);
}

std::string SettingsReader::ReadPath(const char* key, const std::string& defaultValue) {
    std::string path = ReadText(key, defaultValue);
    if (path.empty()) return defaultValue;
    // A path without its folder (typed by hand into the settings file) names a
    // file in the program folder, not in whatever folder the program was
    // started from.
    if (std::filesystem::path(path).is_relative()) return ProgramFolderFile(programDir_, path);
    return path;
}

WindowGeometry SettingsReader::ReadGeometry() {
    WindowGeometry g;
    g.Left = ReadSingle(SettingKey::MainLeft, 1000);
    g.Top = ReadSingle(SettingKey::MainTop, 1000);
    g.Width = ReadSingle(SettingKey::MainWidth, 5000);
    g.Height = ReadSingle(SettingKey::MainHeight, 5000);
    return g;
}

void SettingsReader::ReadProgramSettings(ProgramState& state) {
    state.SigPath = ReadText(SettingKey::SigPath, programDir_);
    state.WrapCount = Clamp(ReadInteger(SettingKey::WrapCount, 65), kMinWrapCount, kMaxWrapCount);
    state.DoWrap = ReadBoolean(SettingKey::DoWrap, false);
    state.InSysTray = ReadBoolean(SettingKey::InSysTray, false);
    state.Files.ChooseNextCollection(
        ReadPath(SettingKey::RandomFile, DefaultCollectionPath(programDir_)));
    state.Files.ChooseCurrentPath(
        ReadPath(SettingKey::CurrentFile, DefaultCurrentPath(programDir_)));
    state.SigDuration =
        Clamp(ReadInteger(SettingKey::SigDuration, 20), kMinSigDuration, kMaxSigDuration);
    state.StartMin = ReadBoolean(SettingKey::StartMin, false);
    state.UseSeq = ReadBoolean(SettingKey::UseSeq, false);
    state.SigLineEnds = ParseLineEnds(Get(SettingKey::SigLineEnds, FormatLineEnds(LineEnding::Lf)));
    state.NoRepeats = ReadBoolean(SettingKey::NoRepeats, true);
    state.MaxSigLines = Clamp(ReadInteger(SettingKey::MaxSigLines, 0), 0, kMaxSigLinesLimit);
    state.MaxSigColumns = Clamp(ReadInteger(SettingKey::MaxSigColumns, 0), 0, kMaxSigColumnsLimit);
    state.WrapStrict = ReadBoolean(SettingKey::WrapStrict, false);
}

void WriteSettings(ISettingsStore& store, const ProgramState& state,
                   const std::optional<WindowGeometry>& geometry) {
    auto save = [&](const char* key, const std::string& value) {
        store.SaveSetting(kAppName, kSettingsSection, key, value);
    };
    if (geometry) {
        save(SettingKey::MainLeft, FormatSingle(geometry->Left));
        save(SettingKey::MainTop, FormatSingle(geometry->Top));
        save(SettingKey::MainWidth, FormatSingle(geometry->Width));
        save(SettingKey::MainHeight, FormatSingle(geometry->Height));
    }
    save(SettingKey::WrapCount, FormatInteger(state.WrapCount));
    save(SettingKey::InSysTray, FormatBoolean(state.InSysTray));
    save(SettingKey::SigPath, state.SigPath);
    save(SettingKey::DoWrap, FormatBoolean(state.DoWrap));
    save(SettingKey::RandomFile, state.Files.RandomPath());
    save(SettingKey::CurrentFile, state.Files.CurrentPath());
    save(SettingKey::SigDuration, FormatInteger(state.SigDuration));
    save(SettingKey::StartMin, FormatBoolean(state.StartMin));
    save(SettingKey::UseSeq, FormatBoolean(state.UseSeq));
    save(SettingKey::SigLineEnds, FormatLineEnds(state.SigLineEnds));
    save(SettingKey::NoRepeats, FormatBoolean(state.NoRepeats));
    save(SettingKey::MaxSigLines, FormatInteger(state.MaxSigLines));
    save(SettingKey::MaxSigColumns, FormatInteger(state.MaxSigColumns));
    save(SettingKey::WrapStrict, FormatBoolean(state.WrapStrict));
}

}  // namespace tagrota
