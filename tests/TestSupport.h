#pragma once
// Shared pieces of the tests: a temporary program folder on the real file
// system and the engine wired to headless controls in it.

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "engine/SignatureEngine.h"
#include "mainwindow/frmMain.h"
#include "platform/headless/HeadlessPlatform.h"
#include "platform/headless/HeadlessTray.h"
#include "platform/headless/HeadlessWindow.h"

namespace tagrota::test {

// A fresh folder under the system's temporary folder, removed afterwards.
class TempDir {
public:
    TempDir();
    // A fresh folder in this folder.
    explicit TempDir(const std::filesystem::path& under);
    ~TempDir();
    const std::filesystem::path& Path() const { return path_; }
    std::string File(const std::string& name) const { return (path_ / name).string(); }

private:
    std::filesystem::path path_;
};

// A folder of the build tree, where every folder up to the root belongs to
// root or the user and is closed to other writers (as where the program is
// installed); "" where the build tree is not such a place.
std::string TrustedFolder();

std::string ReadBytes(const std::string& path);
// The bytes of the signature file, with its default line ends, for a signature
// as the Current tab shows it.
std::string AsSignatureFile(const std::string& shown);
void WriteBytes(const std::string& path, const std::string& bytes);
// Whether the text holds each of the pieces; names those it lacks.
::testing::AssertionResult Holds(const std::string& text, const std::vector<std::string>& pieces);

// The unprivileged user that plays another local user where the tests run as
// root.
constexpr unsigned kOtherUser = 65534;  // nobody
constexpr unsigned kOtherGroup = 65534;

// Runs `act` in a child process as the other user; true when it returned true.
// Only where the tests run as root.
bool AsAnotherUser(const std::function<bool()>& act);

// The engine over headless editors, with its program folder in a TempDir.
struct EngineRig {
    EngineRig();
    // Puts the text in the Random tab and splits it, as a load does.
    void UseCollection(const std::string& text);
    // One rotation as the main window runs it: the next signature into the
    // Current tab and the current signature file.
    FileStatus Rotate();

    TempDir dir;
    TempDir backups;  // the backup folder, not the user's data folder
    TempDir cache;    // where collection indexes are kept
    // The window's index folder, as the program has it; reset for a start that
    // reads the collection whole before its first signature.
    std::optional<std::string> indexFolder = cache.File("tagrota");
    headless::HeadlessPlatform platform;
    headless::FaultyFileSystem files;
    SplitMixRandom random;
    headless::TextEditor txtFixedSig{files}, txtRandom{files}, txtCurrent{files};
    ProgramState state;
    SignatureEngine engine;
};

// The main window on the headless platform, its program folder in a TempDir.
struct MainRig {
    MainRig();
    ~MainRig();
    // Creates the main window and runs its start-up with the stored settings.
    void Start();
    // Creates the main window only.
    void Create();
    void Store(const char* key, const std::string& value);
    std::string Stored(const char* key) const;
    // Where the window keeps its lists of quotations set aside.
    std::string SetAsideFolder() const;

    frmMain& Form() { return *form; }
    headless::Window& Window() { return dynamic_cast<headless::Window&>(*form->window); }
    template <class T>
    T& Find(const std::string& name) {
        return Window().Find<T>(name);
    }
    headless::Toolbar& Toolbar() { return Find<headless::Toolbar>("Toolbar1"); }
    headless::TabControl& Tabs() { return Find<headless::TabControl>("SSTab1"); }
    headless::Editor& Editor(const char* name) { return Find<headless::Editor>(name); }
    std::string Signature() const { return ReadBytes(dir.File("sig.txt")); }

    TempDir dir;
    TempDir backups;  // the backup folder, not the user's data folder
    TempDir data;     // the user's data folder: rounds, quotations set aside
    TempDir cache;    // where collection indexes are kept
    // The window's index folder, as the program has it; reset for a start that
    // reads the collection whole before its first signature.
    std::optional<std::string> indexFolder = cache.File("tagrota");
    headless::HeadlessPlatform platform;
    headless::FaultyFileSystem files;
    headless::MessageBox messages;
    headless::FileDialog dialog;
    headless::SettingsStore store;
    ISettingsStore* settings = &store;  // the store the window uses: `store` unless changed
    SplitMixRandom random;
    headless::TrayShell tray;
    headless::UserInterface ui{platform, files};
    MemoryRegistry registry;
    headless::ProgramLauncher programs{files};
    std::unique_ptr<frmMain> form;
    int closed = 0;
};

}  // namespace tagrota::test
