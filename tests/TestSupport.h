#pragma once
// Shared pieces of the tests: a temporary program folder on the real file
// system and the engine wired to headless controls in it.

#include <filesystem>
#include <string>

#include "engine/SignatureEngine.h"
#include "platform/headless/HeadlessPlatform.h"

namespace tagrota::test {

// A fresh folder under the system's temporary folder, removed afterwards.
class TempDir {
public:
    TempDir();
    ~TempDir();
    const std::filesystem::path& Path() const { return path_; }
    std::string File(const std::string& name) const { return (path_ / name).string(); }

private:
    std::filesystem::path path_;
};

std::string ReadBytes(const std::string& path);
void WriteBytes(const std::string& path, const std::string& bytes);

// The engine over headless editors, with its program folder in a TempDir.
struct EngineRig {
    EngineRig();
    // Puts the text in the Random tab and splits it, as a load does.
    void UseCollection(const std::string& text);
    // Start-up's part: the settings read, the three loads and the split.
    void StartUp(headless::SettingsStore& store);

    TempDir dir;
    headless::HeadlessPlatform platform;
    headless::FaultyFileSystem files;
    headless::MessageBox messages;
    SplitMixRandom random;
    headless::TextEditor txtFixedSig{files}, txtRandom{files}, txtCurrent{files};
    headless::TextControl txtRPath;
    ProgramState state;
    SignatureEngine engine;
    std::vector<int> tabsSelected;
};

}  // namespace tagrota::test
