#include "TestSupport.h"

#include "engine/Collection.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <random>

#include <grp.h>
#include <sys/wait.h>
#include <unistd.h>

#include "engine/Settings.h"
#include "platform/ProgramFolders.h"

namespace tagrota::test {
namespace fs = std::filesystem;

TempDir::TempDir() : TempDir(fs::temp_directory_path()) {}

TempDir::TempDir(const fs::path& under) {
    std::random_device rd;
    path_ = under / ("tagrota-test-" + std::to_string(rd()) + std::to_string(rd()));
    fs::create_directories(path_);
    fs::permissions(path_, fs::perms::owner_all | fs::perms::group_read | fs::perms::group_exec |
                               fs::perms::others_read | fs::perms::others_exec);
}

std::string TrustedFolder() {
    return WhyNotTrusted(TAGROTA_TEST_BINARY_DIR).empty() ? TAGROTA_TEST_BINARY_DIR : "";
}

TempDir::~TempDir() {
    std::error_code ec;
    fs::remove_all(path_, ec);
}

bool AsAnotherUser(const std::function<bool()>& act) {
    const pid_t pid = ::fork();
    if (pid == 0) {
        if (::setgroups(0, nullptr) != 0 || ::setgid(kOtherGroup) != 0 || ::setuid(kOtherUser) != 0)
            ::_exit(2);
        ::_exit(act() ? 0 : 1);
    }
    int status = 0;
    return pid > 0 && ::waitpid(pid, &status, 0) == pid && WIFEXITED(status) &&
           WEXITSTATUS(status) == 0;
}

std::string AsSignatureFile(const std::string& shown) {
    return SignatureFileText(shown, LineEnding::Lf);
}

std::string ReadBytes(const std::string& path) {
    // The bytes as they are, whoever placed the file: the program's own
    // reading refuses some.
    std::error_code ec;
    if (!fs::is_regular_file(path, ec)) return {};
    std::ifstream in(path, std::ios::binary);
    std::string bytes(fs::file_size(path, ec), '\0');
    in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    bytes.resize(static_cast<std::size_t>(std::max<std::streamsize>(in.gcount(), 0)));
    return bytes;
}

void WriteBytes(const std::string& path, const std::string& bytes) {
    ASSERT_TRUE(StdFileSystem().WriteFileAtomic(path, bytes, Durability::NoFlush)) << path;
}

::testing::AssertionResult Holds(const std::string& text, const std::vector<std::string>& pieces) {
    std::string lacking;
    for (const std::string& piece : pieces)
        if (text.find(piece) == std::string::npos) lacking += "\n  lacks: " + piece;
    if (lacking.empty()) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << text << lacking;
}

EngineRig::EngineRig() : engine(state, files, platform.clock, random) {
    files.real.SetBackupFolder(backups.Path().string());
    state.Files.ChooseCurrentPath(dir.File("sig.txt"));
    state.WrapCount = 65;
}

void EngineRig::UseCollection(const std::string& text) {
    txtRandom.SetText(text);
    SplitInto(state, txtRandom.SharedText());
}

FileStatus EngineRig::Rotate() {
    const std::string s = engine.NextSignature(txtFixedSig.GetText());
    txtCurrent.SetText(s);
    return engine.WriteSignature(state.Files, s);
}

MainRig::MainRig() {
    files.real.SetBackupFolder(backups.Path().string());
}
MainRig::~MainRig() = default;

void MainRig::Start() {
    Create();
    form->Form_Load();
}

void MainRig::Create() {
    form = std::make_unique<frmMain>(MainWindowServices{
        ui, *settings, files, messages, dialog, platform.clock, random, tray, dir.Path().string(),
        registry, programs, "", data.File("rounds"), indexFolder, SetAsideFolder()});
    form->onClosed = [this] { ++closed; };
}

std::string MainRig::SetAsideFolder() const {
    return NeverAgainFolder(data.Path().string());
}

void MainRig::Store(const char* key, const std::string& value) {
    store.values[{kAppName, kSettingsSection, key}] = value;
}

std::string MainRig::Stored(const char* key) const {
    auto it = store.values.find({kAppName, kSettingsSection, key});
    return it == store.values.end() ? "(absent)" : it->second;
}

}  // namespace tagrota::test
