#pragma once
// The persisted settings: the keys under application "Tagrota", section
// "Settings", read once at start-up and written once at closing.

#include <optional>
#include <string>

#include "engine/ProgramState.h"
#include "platform/Services.h"

namespace tagrota {

inline constexpr const char* kAppName = "Tagrota";
inline constexpr const char* kSettingsSection = "Settings";

namespace SettingKey {
inline constexpr const char* MainLeft = "MainLeft";
inline constexpr const char* MainTop = "MainTop";
inline constexpr const char* MainWidth = "MainWidth";
inline constexpr const char* MainHeight = "MainHeight";
inline constexpr const char* SigPath = "SigPath";
inline constexpr const char* WrapCount = "WrapCount";
inline constexpr const char* DoWrap = "DoWrap";
inline constexpr const char* InSysTray = "InSysTray";
inline constexpr const char* RandomFile = "RandomFile";
inline constexpr const char* CurrentFile = "CurrentFile";
inline constexpr const char* SigDuration = "SigDuration";
inline constexpr const char* StartMin = "StartMin";
inline constexpr const char* UseSeq = "UseSeq";
// The line ends of the signature file and of `tagrota --print`: "LF" or "CRLF".
// Kept in the settings file only; the Settings tab has no control for it.
inline constexpr const char* SigLineEnds = "SigLineEnds";
// Random mode in rounds without repeats: True or False.
inline constexpr const char* NoRepeats = "NoRepeats";
// The longest signature, in lines and in columns: 0 for no limit.
inline constexpr const char* MaxSigLines = "MaxSigLines";
inline constexpr const char* MaxSigColumns = "MaxSigColumns";
// Wrapping strictly within the width: True or False.
inline constexpr const char* WrapStrict = "WrapStrict";
}  // namespace SettingKey

// The ranges of the duration and wrap-width controls.
inline constexpr Integer kMinSigDuration = 5, kMaxSigDuration = 60;
inline constexpr Integer kMinWrapCount = 32, kMaxWrapCount = 128;
inline constexpr Integer kMaxSigLinesLimit = 40, kMaxSigColumnsLimit = 200;

// Default file names in the program directory.
inline constexpr const char* kFixedFileName = "fixed.txt";
inline constexpr const char* kDefaultCollectionName = "collections-political.txt";
inline constexpr const char* kDefaultCurrentName = "sig.txt";

// The main window's place and size in twips.
struct WindowGeometry {
    float Left = 0, Top = 0, Width = 0, Height = 0;
};

// Text conversions of the stored values. A text that does not convert gives
// std::nullopt; the readers below then use the key's default.
std::optional<float> ParseSingle(const std::string& text);
std::optional<Integer> ParseInteger(const std::string& text);
// True and False in any letter case, and -1, 0 and 1.
std::optional<Boolean> ParseBoolean(const std::string& text);
std::string FormatSingle(float value);
std::string FormatInteger(long value);
std::string FormatBoolean(Boolean value);  // "True" or "False"
// "CRLF" in any letter case reads as CR LF; anything else, "LF" included, as LF.
LineEnding ParseLineEnds(const std::string& text);
std::string FormatLineEnds(LineEnding ends);  // "LF" or "CRLF"

// The default paths, from the program directory. The collection and current
// file defaults append their suffix to the directory unchanged (so a root gives
// a doubled separator); the fixed-signature path adds a separator only when the
// directory lacks one.
std::string DefaultCollectionPath(const std::string& programDir);
std::string DefaultCurrentPath(const std::string& programDir);
std::string FixedSignaturePath(const std::string& programDir);

// Reading, one key at a time and in order, as start-up does.
class SettingsReader {
public:
    SettingsReader(ISettingsStore& store, std::string programDir)
        : store_(store), programDir_(std::move(programDir)) {}

    float ReadSingle(const char* key, float defaultValue);
    Integer ReadInteger(const char* key, Integer defaultValue);
    Boolean ReadBoolean(const char* key, Boolean defaultValue);
    std::string ReadText(const char* key, const std::string& defaultValue);
    // A file path: an empty one names no file, so it reads as the default.
    std::string ReadPath(const char* key, const std::string& defaultValue);

    // "MainLeft", "MainTop", "MainWidth", "MainHeight", in that order.
    WindowGeometry ReadGeometry();
    // The other keys, in table order, into the state. A stored duration, wrap
    // width or length limit outside its control's range is brought to the
    // nearest end.
    void ReadProgramSettings(ProgramState& state);

private:
    std::string Get(const char* key, const std::string& defaultText);
    ISettingsStore& store_;
    std::string programDir_;
};

// Writes the settings in closing order: the geometry first when there is one
// (none while the window is minimised), then the nine program keys, then
// "SigLineEnds" and the keys added after it.
void WriteSettings(ISettingsStore& store, const ProgramState& state,
                   const std::optional<WindowGeometry>& geometry);

}  // namespace tagrota
