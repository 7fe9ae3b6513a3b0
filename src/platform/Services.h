#pragma once
// The outside services the program's logic uses besides its controls.

#include <cstdint>
#include <string>
#include <vector>

#include "platform/FileSystem.h"

namespace tagrota {

// The per-user settings store: text values addressed by application, section
// and key.
class ISettingsStore {
public:
    virtual ~ISettingsStore() = default;
    // The stored text of the key, or `defaultValue` when the key is absent.
    virtual std::string GetSetting(const std::string& appName, const std::string& section,
                                   const std::string& key, const std::string& defaultValue) = 0;
    // Stores the text, creating application, section and key as needed.
    virtual void SaveSetting(const std::string& appName, const std::string& section,
                             const std::string& key, const std::string& value) = 0;

    // Where the application's settings live (a file, a registry key), for
    // messages.
    virtual std::string Where(const std::string& appName) { return appName; }
    // Whether the application's stored settings could be read whole. On
    // failure the reason: what was wrong and what became of the damaged store.
    // Settings that could not be read count as absent.
    virtual FileStatus ReadStatus(const std::string& /*appName*/) { return {}; }
    // Whether every save of the application's settings so far reached the
    // store; on failure, the reason.
    virtual FileStatus SaveStatus(const std::string& /*appName*/) { return {}; }
    // Writes the settings saved so far to where they are kept, all at once. A
    // store that keeps each save as it comes has nothing to do.
    virtual void Flush(const std::string& /*appName*/) {}
};

// Message box styles and answers, as the values the program passes and gets.
namespace MsgBoxStyle {
constexpr int OkOnly = 0;
constexpr int YesNoCancel = 3;
constexpr int YesNo = 4;
constexpr int Critical = 16;
constexpr int Question = 32;
constexpr int Exclamation = 48;
constexpr int Information = 64;
}  // namespace MsgBoxStyle

namespace MsgBoxResult {
constexpr int Ok = 1;
constexpr int Cancel = 2;
constexpr int Yes = 6;
constexpr int No = 7;
}  // namespace MsgBoxResult

// Modal message boxes.
class IMessageBox {
public:
    virtual ~IMessageBox() = default;
    // Shows the text; an empty title shows the application's title. Returns the
    // button pressed. A line that begins with a tab holds a path alone: it is
    // shown whole on a line of its own, never broken, and the tab not at all.
    virtual int MsgBox(const std::string& text, int style, const std::string& title) = 0;
    // A question whose buttons carry the program's own captions, the first one
    // the default and the last one the way out: closing the box without a
    // button (Escape, the frame) answers with it. `icon` is one of the icon
    // values of MsgBoxStyle. Returns the index of the button pressed.
    virtual int Choose(const std::string& text, int icon, const std::string& title,
                       const std::vector<std::string>& buttons) {
        (void)text, (void)icon, (void)title;
        return buttons.empty() ? 0 : static_cast<int>(buttons.size()) - 1;
    }

    // Shows the text without waiting for it: the caller goes on at once, and
    // the box stays until the user dismisses it. For reports that must not
    // hold up what reports them (a rotation that failed and keeps trying).
    virtual void ShowNotice(const std::string& text, int style, const std::string& title) {
        MsgBox(text, style, title);
    }
};

// Starts other programs.
class IProgramLauncher {
public:
    virtual ~IProgramLauncher() = default;
    // Starts the program file at the path, without arguments, in a normal,
    // focused window; it runs on its own. False when it could not be started.
    virtual bool StartProgram(const std::string& path) = 0;
};

// The time of day.
class IClock {
public:
    virtual ~IClock() = default;
    // Seconds since local midnight, with their fraction.
    virtual double SecondsSinceMidnight() = 0;
};

// A reseedable uniform pseudo-random source.
class IRandom {
public:
    virtual ~IRandom() = default;
    virtual void Reseed(double seed) = 0;
    // The next value, uniform in [0, 1).
    virtual double Next() = 0;
};

// A small, fast generator (SplitMix64). The same seed gives the same values, on
// every platform.
class SplitMixRandom final : public IRandom {
public:
    explicit SplitMixRandom(std::uint64_t seed = 0) : state_(seed) {}
    void Reseed(double seed) override;
    double Next() override;

private:
    std::uint64_t state_;
};

}  // namespace tagrota
