#pragma once
// Shared pieces of the tests: a temporary program folder on the real file
// system, a file system that fails on request, and the engine wired to headless
// controls.

#include <filesystem>
#include <functional>
#include <set>
#include <string>

#include "engine/ProgramState.h"
#include "engine/SignatureEngine.h"
#include "platform/FileSystem.h"
#include "platform/headless/HeadlessPlatform.h"

namespace tagrota::test {

// A fresh folder under the system's temporary folder, removed afterwards.
class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::filesystem::path& Path() const { return path_; }
    std::string File(const std::string& name) const { return (path_ / name).string(); }

private:
    std::filesystem::path path_;
};

std::string ReadBytes(const std::string& path);
void WriteBytes(const std::string& path, const std::string& bytes);

// The real file system, with reads and writes of chosen paths made to fail.
class FaultyFileSystem final : public IFileSystem {
public:
    bool FileExists(const std::string& path) override { return real.FileExists(path); }
    bool FolderExists(const std::string& path) override { return real.FolderExists(path); }
    FileContents ReadFile(const std::string& path) override;
    FileStatus WriteFileAtomic(const std::string& path, std::string_view bytes,
                               Durability durability) override;

    std::set<std::string> failReads, failWrites;
    bool failAllWrites = false;
    int writes = 0;
    StdFileSystem real;
};

// The engine over headless editors in a temporary program folder.
struct EngineRig {
    EngineRig();

    // Sets the collection the rotation draws from, as a load and split would.
    void UseCollection(const std::string& text);

    // Start-up's part: paths from the settings, the three loads and the split.
    void StartUp(headless::SettingsStore& store);

    TempDir dir;
    headless::HeadlessPlatform platform;
    FaultyFileSystem files;
    headless::MessageBox messages;
    SplitMixRandom random;
    headless::TextEditor txtFixedSig{files}, txtRandom{files}, txtCurrent{files};
    headless::TextControl txtRPath;
    ProgramState state;
    SignatureEngine engine;
    std::vector<int> tabsSelected;
};

}  // namespace tagrota::test
