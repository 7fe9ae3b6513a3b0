// Bad files and failing file systems, one row each, through the real start-up,
// rotations and closing, with the real settings file: the program keeps going,
// tells the user what went wrong where they must know (which file, why), and
// every file of the user's is byte for byte as it was. docs/robustness.md
// describes each row.

#include <gtest/gtest.h>

#include <fcntl.h>
#include <grp.h>
#include <signal.h>
#include <sys/file.h>
#include <sys/prctl.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <random>
#include <set>
#include <thread>

#include "TestSupport.h"
#include "engine/Settings.h"
#include "platform/ProgramFolders.h"
#include "platform/TextFile.h"
#include "platform/qt/QtServices.h"
#include "platform/qt/QtSingleInstance.h"

namespace tagrota {
namespace {

namespace fs = std::filesystem;
using test::ReadBytes;
using test::WriteBytes;

using test::AsAnotherUser;
using test::kOtherGroup;
using test::kOtherUser;

// A folder like /tmp: every user may write to it, and only the owner of a name
// may remove it.
void MakeSharedFolder(const std::string& path) {
    fs::create_directories(path);
    ::chmod(path.c_str(), 01777);
}

// A file of this size without the disk space for it.
void Sparse(const std::string& path, std::uintmax_t size) {
    test::WriteBytes(path, "");
    fs::resize_file(path, size);
}

// Where a test must play two users, the tests must run as root.
bool Root() {
    return ::geteuid() == 0;
}

struct Faults {
    test::MainRig& rig;
    test::TempDir& config;
    headless::FaultyFileSystem& settingsFiles;  // what the settings file is written through
    std::string At(const std::string& name) const { return rig.dir.File(name); }
    std::string Ini() const { return config.File("Tagrota/Tagrota.ini"); }
    // The settings file: [Settings] and these lines.
    void Settings(const std::string& lines) const {
        fs::create_directories(config.File("Tagrota"));
        WriteBytes(Ini(), "[Settings]\n" + lines);
    }
    // A collection of this name, made by `make` and configured.
    template <class Make>
    void RandomFile(const std::string& name, Make make) const {
        const std::string path = At(name);
        make(path);
        Settings("RandomFile=" + path + "\n");
    }
    // What another user placed in a shared folder, made by `make` as that
    // user at its path; the path.
    std::string Planted(const std::string& name,
                        const std::function<bool(const std::string&)>& make) const {
        const std::string path = At("shared/" + name);
        if (!Root()) {
            [] { GTEST_SKIP() << "needs root to play another user"; }();
            return path;
        }
        MakeSharedFolder(At("shared"));
        EXPECT_TRUE(AsAnotherUser([&] { return make(path); }));
        return path;
    }
    std::string PlantedLink(const std::string& name, const std::string& target) const {
        return Planted(name, [&](auto& p) { return ::symlink(target.c_str(), p.c_str()) == 0; });
    }
    static bool TheirFile(const std::string& path, const std::string& bytes, mode_t mode) {
        const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL, 0600);
        return fd >= 0 && ::write(fd, bytes.data(), bytes.size()) == ssize_t(bytes.size()) &&
               ::fchmod(fd, mode) == 0 && ::close(fd) == 0;
    }
    static void StillTheirs(const std::string& path, const std::string& bytes, mode_t mode) {
        struct stat st {};
        ASSERT_EQ(::lstat(path.c_str(), &st), 0) << path;
        EXPECT_EQ(st.st_uid, kOtherUser) << path;
        EXPECT_EQ(st.st_mode & 07777, mode) << path;
        EXPECT_EQ(ReadBytes(path), bytes) << path;
    }
    // A file of the user's whose last save was ended midway: cut short under
    // both its names, with the whole backup beside it.
    void CutShortWithABackup(const std::string& whole) const {
        WriteBytes(At("quotes.txt"), whole.substr(0, 7));
        fs::create_directory(At("mail"));
        fs::create_hard_link(At("quotes.txt"), At("mail/quotes"));
        WriteBytes(At("quotes.txt.tagrota-backup"), whole);
        Settings("RandomFile=" + At("quotes.txt") + "\n");
    }
    // While Tagrota runs, its settings folder moves aside and a file takes its
    // place, so that no save can reach it.
    void BlockSettingsFolder() const {
        fs::rename(config.File("Tagrota"), config.File("Tagrota-aside"));
        WriteBytes(config.File("Tagrota"), "a file in the way");
    }
};

struct Row {
    const char* name;
    std::function<void(Faults&)> arrange;
    // Each message shown, in order, as pieces of its text; "@" stands for the
    // program folder, "~" for the settings folder.
    std::vector<std::vector<std::string>> messages;
    std::function<void(Faults&)> check = nullptr;
    // Files the program may replace: the signature it writes, its settings.
    std::vector<std::string> rewritten = {"@/sig.txt", "~/Tagrota/Tagrota.ini"};
    std::function<void(Faults&)> beforeClose = nullptr;
};

void PrintTo(const Row& row, std::ostream* out) {
    *out << row.name;
}

const Row kRows[] = {
    // Files too large to hold.
    {"CollectionLargerThanMemory",
     [](Faults& f) {
         f.RandomFile("quotes.txt", [](auto& p) { Sparse(p, std::uintmax_t{40} << 30); });
     },
     {{"@/quotes.txt",
       "could not be read: it is 40.0 GiB (42949672960 bytes), more than the 256 MiB",
       "The Default is being used"}}},
    {"FixedSignatureTooLargeForASignature",
     [](Faults& f) { Sparse(f.At("fixed.txt"), kMaxSignatureBytes + 1); },
     {{"@/fixed.txt", "could not be read: it is 1.0 MiB (1048577 bytes), more than the 1 MiB"}}},
    // Another user's links in a shared folder.
    {"SignatureLinkPlantedByAnotherUser",
     [](Faults& f) {
         test::WriteBytes(f.At("victim.txt"), "a file of the user's\r\n");
         f.Settings("CurrentFile=" + f.PlantedLink("sig.txt", f.At("victim.txt")) + "\n");
     },
     {{"@/shared/sig.txt",
       "could not be written: it is a link that another user placed in "
       "the shared folder @/shared"}},
     nullptr,  // the link and the file it points at are checked as all files are
     {"~/Tagrota/Tagrota.ini"}},
    {"CollectionLinkPlantedByAnotherUser",  // pointing where a file would be created
     [](Faults& f) {
         const std::string link = f.PlantedLink("quotes.txt", f.At("created-through-the-link"));
         f.Settings("RandomFile=" + link + "\n");
     },
     {{"@/shared/quotes.txt", "it is a link that another user placed in the shared folder"}},
     [](Faults& f) {
         EXPECT_FALSE(fs::exists(f.At("created-through-the-link")));
         EXPECT_TRUE(fs::is_symlink(f.At("shared/quotes.txt")));
     }},
    // Another user's files in a shared folder.
    {"CollectionPlantedByAnotherUser",  // where the user's collection would be created
     [](Faults& f) {
         const std::string planted = f.Planted("quotes.txt", [](const std::string& p) {
             return Faults::TheirFile(p, "Their\r\n%\r\nwords\r\n%\r\n", 0644);
         });
         f.Settings("RandomFile=" + planted + "\n");
     },
     {{"@/shared/quotes.txt",
       "could not be read: it is a file that another user placed in the shared folder @/shared, "
       "and Tagrota does not take such files for the user's own",
       "The Default is being used"}},
     [](Faults& f) {
         Faults::StillTheirs(f.At("shared/quotes.txt"), "Their\r\n%\r\nwords\r\n%\r\n", 0644);
         EXPECT_EQ(f.rig.Signature().find("words"), std::string::npos);
     }},
    {"SignatureOfAnotherUserWithASecondHardLinkAndSetUserId",  // no root-owned 4777 file results
     [](Faults& f) {
         const std::string planted = f.Planted("sig.txt", [](const std::string& p) {
             return Faults::TheirFile(p, "", 04777) &&
                    ::link(p.c_str(), (p + ".their name").c_str()) == 0;
         });
         f.Settings("CurrentFile=" + planted + "\n");
     },
     {{"@/shared/sig.txt",
       "could not be written: it is a file that another user placed in the shared folder "
       "@/shared"}},
     [](Faults& f) {
         for (const char* name : {"shared/sig.txt", "shared/sig.txt.their name"})
             Faults::StillTheirs(f.At(name), "", 04777);
     }},
    {"SignatureBelowAFolderThatAnotherUserMadeALink",  // the folder was missing, then theirs
     [](Faults& f) {
         fs::create_directory(f.At("victim"));
         const std::string sub = f.Planted("sub", [&](const std::string& p) {
             return ::symlink(f.At("victim").c_str(), p.c_str()) == 0;
         });
         f.Settings("CurrentFile=" + sub + "/sig.txt\n");
     },
     {{"@/shared/sub/sig.txt",
       "could not be written: it is a link that another user placed in the shared folder "
       "@/shared, and Tagrota does not follow such links"}},
     [](Faults& f) { EXPECT_TRUE(fs::is_empty(f.At("victim"))); }},
    // What an ended run left.
    // Only this program's names go, of the user's own files, older than a few
    // seconds: not another user's, nor a backup, nor a younger one.
    {"LitterOfAnEndedRunBesideTheFiles",
     [](Faults& f) {
         const auto old = fs::file_time_type::clock::now() - std::chrono::minutes(1);
         for (const char* name :
              {".sig.txt.tagrota-a1B2c3", ".fixed.txt.tagrota-Zz99zz", "sig.txt.Ab12cd",
               ".sig.txt.x1", ".sig.txt.tagrota-seven77", ".sig.txt.tagrota-backup",
               "sig.txt.tagrota-a1B2c3", ".other.tagrota-a1B2c3", ".sig.txt.tagrota-theirs"}) {
             WriteBytes(f.At(name), "left");
             fs::last_write_time(f.At(name), old);
         }
         WriteBytes(f.At(".sig.txt.tagrota-young1"), "left");
         if (Root())
             ASSERT_EQ(::chown(f.At(".sig.txt.tagrota-theirs").c_str(), kOtherUser, kOtherGroup),
                       0);
         else
             fs::remove(f.At(".sig.txt.tagrota-theirs"));
     },
     {},
     [](Faults& f) {
         EXPECT_FALSE(fs::exists(f.At(".sig.txt.tagrota-a1B2c3")));
         EXPECT_FALSE(fs::exists(f.At(".fixed.txt.tagrota-Zz99zz"))) << "not swept at start";
     },
     {"@/sig.txt", "~/Tagrota/Tagrota.ini", "@/.sig.txt.tagrota-a1B2c3",
      "@/.fixed.txt.tagrota-Zz99zz"}},
    {"BackupLeftByAnEndedSaveKeptAside",  // the answer No
     [](Faults& f) { f.CutShortWithABackup("A\r\n%\r\nB\r\n%\r\nC\r\n%\r\n"); },
     {{"Tagrota was ended last time while it saved @/quotes.txt, so that file may have been cut "
       "short. Its text from before that save was kept whole in @/quotes.txt.tagrota-backup (18 "
       "bytes; the file now holds 7 bytes).",
       "Restore @/quotes.txt from its backup?", "@/quotes.txt.backup-"}},
     [](Faults& f) {
         EXPECT_FALSE(fs::exists(f.At("quotes.txt.tagrota-backup")));
         int kept = 0;
         for (const auto& entry : fs::directory_iterator(f.rig.dir.Path()))
             if (entry.path().filename().string().starts_with("quotes.txt.backup-"))
                 kept += ReadBytes(entry.path()) == "A\r\n%\r\nB\r\n%\r\nC\r\n%\r\n";
         EXPECT_EQ(kept, 1);
     },
     {"@/sig.txt", "~/Tagrota/Tagrota.ini", "@/quotes.txt.tagrota-backup"}},
    {"BackupLeftByAnEndedSaveRestored",  // the answer Yes
     [](Faults& f) {
         f.CutShortWithABackup("A\r\n%\r\nB\r\n%\r\nC\r\n%\r\n");
         f.rig.messages.Answer(MsgBoxResult::Yes);
     },
     {{"Restore @/quotes.txt from its backup?"}},
     [](Faults& f) {
         EXPECT_EQ(ReadBytes(f.At("mail/quotes")), "A\r\n%\r\nB\r\n%\r\nC\r\n%\r\n");
         EXPECT_EQ(fs::hard_link_count(f.At("quotes.txt")), 2u);
         EXPECT_FALSE(fs::exists(f.At("quotes.txt.tagrota-backup")));
         EXPECT_EQ(f.rig.Form().state.SigCount, 3) << "the whole collection is the one in use";
     },
     {"@/sig.txt", "~/Tagrota/Tagrota.ini", "@/quotes.txt", "@/mail/quotes",
      "@/quotes.txt.tagrota-backup"}},
    // The program's own files.
    {"SignatureIsTheSettingsFile",
     [](Faults& f) { f.Settings("SigDuration=30\nCurrentFile=" + f.Ini() + "\n"); },
     {{"~/Tagrota/Tagrota.ini", "could not be written: it is Tagrota's own settings file"}},
     [](Faults& f) {
         const std::string ini = ReadBytes(f.Ini());
         EXPECT_NE(ini.find("SigDuration=30"), std::string::npos) << ini;
         EXPECT_NE(ini.find("CurrentFile=" + f.Ini()), std::string::npos) << ini;
     },
     {"~/Tagrota/Tagrota.ini"},
     [](Faults& f) {
         EXPECT_EQ(ReadBytes(f.Ini()), "[Settings]\nSigDuration=30\nCurrentFile=" + f.Ini() + "\n")
             << "no rotation wrote into it";
     }},
    // What a rename would lose.
    {"SignatureFileHardLinked",
     [](Faults& f) {
         test::WriteBytes(f.At("sig.txt"), "the last signature\r\n");
         fs::create_directory(f.At("mail"));
         fs::create_hard_link(f.At("sig.txt"), f.At("mail/signature"));
     },
     {},
     [](Faults& f) {
         EXPECT_EQ(fs::hard_link_count(f.At("sig.txt")), 2u);
         EXPECT_EQ(ReadBytes(f.At("mail/signature")), f.rig.Signature());
         EXPECT_TRUE(f.rig.Signature().starts_with("---\n"));
     },
     {"@/sig.txt", "@/mail/signature", "~/Tagrota/Tagrota.ini"}},
    // Files that are no collection.
    {"CollectionIsAFolder",
     [](Faults& f) { f.RandomFile("quotes", [](auto& p) { fs::create_directory(p); }); },
     {{"@/quotes", "could not be read: Is a directory", "The Default is being used"}}},
    {"CollectionNotUtf8",  // read as Windows-1252, written as UTF-8
     [](Faults& f) {
         f.RandomFile("quotes.txt",
                      [](auto& p) { WriteBytes(p, "Caf\xE9\r\n%\r\nna\xEFve\r\n%\r\n"); });
     },
     {},
     [](Faults& f) {
         const std::string sig = f.rig.Signature();
         EXPECT_TRUE(IsValidUtf8(sig));
         EXPECT_TRUE(sig.ends_with("Caf\xC3\xA9\n") || sig.ends_with("na\xC3\xAFve\n")) << sig;
     }},
    // Places a signature cannot be written to.
    {"SignatureInAMissingFolder",
     [](Faults& f) { f.Settings("CurrentFile=" + f.At("gone/sig.txt") + "\n"); },
     {{"@/gone/sig.txt", "could not be written: No such file or directory", "keeps trying"}}},
    // Settings files.
    {"SettingsTruncated",  // cut in the middle of a key
     [](Faults& f) { f.Settings("SigDuration=30\nWrapCount=70\nDoWr"); },
     {{"~/Tagrota/Tagrota.ini", "not a valid settings file", "~/Tagrota/Tagrota.ini.damaged"}},
     [](Faults& f) {
         EXPECT_EQ(f.rig.Form().state.SigDuration, 30) << "what could be read is used";
         EXPECT_EQ(ReadBytes(f.Ini() + ".damaged"),
                   "[Settings]\nSigDuration=30\nWrapCount=70\nDoWr");
     }},
    {"SettingsNotIniAndUnwritableAtClose",
     [](Faults& f) { f.Settings("SigDuration=30\n[Sett"); },
     {{"~/Tagrota/Tagrota.ini", "not a valid settings file"},
      {"could not save its settings to ~/Tagrota/Tagrota.ini", "Not a directory"}},
     [](Faults& f) {
         for (const char* kept : {"Tagrota.ini", "Tagrota.ini.damaged"})
             EXPECT_EQ(ReadBytes(f.config.File("Tagrota-aside/") + kept),
                       "[Settings]\nSigDuration=30\n[Sett");
     },
     {"@/sig.txt", "~/Tagrota/Tagrota.ini"},
     [](Faults& f) { f.BlockSettingsFolder(); }},
    {"SettingsDiskFullAtClose",
     [](Faults& f) {
         f.Settings("SigDuration=30\n");
         f.settingsFiles.failWrites.insert(f.Ini());
     },
     {{"could not save its settings to ~/Tagrota/Tagrota.ini", "No space left on device"}},
     [](Faults& f) { EXPECT_EQ(ReadBytes(f.Ini()), "[Settings]\nSigDuration=30\n"); },
     {"@/sig.txt"}},
    {"ProgramFolderReadOnly",
     [](Faults& f) { f.rig.files.readOnly.insert(f.rig.dir.Path().string()); },
     {{"@/collections-political.txt", "could not be created: Permission denied"},
      {"@/sig.txt", "could not be written: Permission denied"}}},
    // Reasons given right.
    {"CollectionIsAPipe",
     [](Faults& f) {
         f.RandomFile("quotes", [](auto& p) { ASSERT_EQ(::mkfifo(p.c_str(), 0600), 0); });
     },
     {{"@/quotes", "could not be read: Not a regular file", "The Default is being used"}},
     [](Faults& f) { EXPECT_TRUE(fs::is_fifo(f.At("quotes"))); }},
    {"CollectionIsALinkLoop",
     [](Faults& f) {
         f.RandomFile("quotes.txt", [](auto& p) { fs::create_symlink("quotes.txt", p); });
     },
     {{"@/quotes.txt", "could not be read: Too many levels of symbolic links",
       "The Default is being used"}},
     [](Faults& f) { EXPECT_TRUE(fs::is_symlink(f.At("quotes.txt"))) << "the link is kept"; }},
    {"FixedSignatureIsAFolder",
     [](Faults& f) { fs::create_directory(f.At("fixed.txt")); },
     {{"@/fixed.txt", "could not be read: Is a directory", "default fixed signature"}}},
    {"RelativePathInTheSettings",  // an unquoted comma, too
     [](Faults& f) {
         fs::remove(fs::current_path() / "a,b");
         f.Settings("CurrentFile=a,b\n");
     },
     {},
     [](Faults& f) {
         EXPECT_TRUE(f.rig.Signature().empty()) << "no sig.txt: the setting names another file";
         EXPECT_TRUE(ReadBytes(f.At("a,b")).starts_with("---\n"));
         EXPECT_FALSE(fs::exists(fs::current_path() / "a,b")) << "nothing where the program ran";
         fs::remove(fs::current_path() / "a,b");
     },
     {"@/a,b", "~/Tagrota/Tagrota.ini"}},
};

// The real start-up, rotations and closing, with the real settings store.
class FaultRun : public ::testing::Test {
protected:
    FaultRun() { ::setenv("XDG_CONFIG_HOME", config.Path().c_str(), 1); }
    ~FaultRun() override { ::unsetenv("XDG_CONFIG_HOME"); }

    std::string Expand(std::string text) const {
        for (auto [mark, path] : {std::pair{'@', rig.dir.Path()}, std::pair{'~', config.Path()}})
            for (std::size_t at; (at = text.find(mark)) != std::string::npos;)
                text.replace(at, 1, path.string());
        return text;
    }
    std::map<std::string, std::string> Files() const {
        std::map<std::string, std::string> files;
        for (const fs::path& root : {rig.dir.Path(), config.Path()})
            for (const auto& entry : fs::recursive_directory_iterator(root)) {
                std::error_code ec;  // a link loop is no file
                if (entry.is_regular_file(ec))
                    files[entry.path().string()] = Contents(entry.path());
            }
        return files;
    }
    // A file's bytes, or its size where it is too large to compare.
    static std::string Contents(const fs::path& path) {
        const std::uintmax_t size = fs::file_size(path);
        return size > kMaxFileBytes ? "(" + std::to_string(size) + " bytes)"
                                    : ReadBytes(path.string());
    }

    test::TempDir config;
    headless::FaultyFileSystem settingsFiles;
    qt::QtSettingsStore store{&settingsFiles};
    test::MainRig rig;
};

class FaultTable : public FaultRun, public ::testing::WithParamInterface<Row> {};

TEST_P(FaultTable, KeepsGoingSaysWhatAndLeavesTheUsersFilesAlone) {
    const Row& row = GetParam();
    Faults faults{rig, config, settingsFiles};
    row.arrange(faults);
    if (::testing::Test::IsSkipped() || ::testing::Test::HasFatalFailure()) return;
    const auto before = Files();

    rig.settings = &store;
    rig.Start();
    rig.platform.Advance(65000);  // three more rotations
    if (row.beforeClose) row.beforeClose(faults);
    rig.Window().UserClose();
    EXPECT_EQ(rig.closed, 1);

    ASSERT_EQ(rig.messages.shown.size(), row.messages.size());
    for (std::size_t i = 0; i < row.messages.size(); ++i)
        for (const std::string& piece : row.messages[i])
            EXPECT_NE(rig.messages.shown[i].text.find(Expand(piece)), std::string::npos)
                << rig.messages.shown[i].text << "\nlacks: " << Expand(piece);

    std::set<std::string> rewritten;
    for (const std::string& file : row.rewritten) rewritten.insert(Expand(file));
    for (const auto& [path, bytes] : before)
        EXPECT_TRUE(rewritten.count(path) || Contents(path) == bytes) << path << " changed";
    // A damaged settings file is kept whole beside the new one.
    const std::string copy = faults.Ini() + ".damaged";
    EXPECT_TRUE(!fs::exists(copy) || ReadBytes(copy) == before.at(faults.Ini()));
    if (row.check) row.check(faults);
}

INSTANTIATE_TEST_SUITE_P(Rows, FaultTable, ::testing::ValuesIn(kRows),
                         [](const auto& info) { return std::string(info.param.name); });

// The rows that need more than one run of the program.

TEST_F(FaultRun, TheRotationGoesOnWhileAFailedWriteIsShown) {
    fs::create_directory(rig.dir.File("out"));
    const std::string sig = rig.dir.File("out/sig.txt");
    Faults{rig, config, settingsFiles}.Settings("CurrentFile=" + sig + "\n");
    rig.settings = &store;
    rig.Start();
    ASSERT_TRUE(fs::exists(sig));

    // The folder goes: the next tick fails. While its message is open, the
    // folder comes back and the rotations must go on.
    fs::remove_all(rig.dir.File("out"));
    rig.messages.whileOpen = [&] {
        fs::create_directory(rig.dir.File("out"));
        rig.platform.Advance(25000);
        EXPECT_TRUE(fs::exists(sig)) << "no rotation while the message was open";
    };
    rig.platform.Advance(20000);
    ASSERT_EQ(rig.messages.shown.size(), 1u);
    EXPECT_NE(rig.messages.shown[0].text.find(sig + " could not be written"), std::string::npos);
    EXPECT_FALSE(rig.messages.shown[0].modal) << "it must not hold up the timer";
    // RotationTest holds the run of failures that one message stands for.
    rig.Window().UserClose();
    EXPECT_EQ(rig.closed, 1);
}

// Forwards to the real store, and keeps what the settings file held at each
// save.
class WatchedStore final : public ISettingsStore {
public:
    WatchedStore(ISettingsStore& real, std::string file) : real_(real), file_(std::move(file)) {}
    std::string GetSetting(const std::string& a, const std::string& s, const std::string& k,
                           const std::string& d) override {
        return real_.GetSetting(a, s, k, d);
    }
    void SaveSetting(const std::string& a, const std::string& s, const std::string& k,
                     const std::string& v) override {
        real_.SaveSetting(a, s, k, v);
        seen.push_back(ReadBytes(file_));
    }
    std::string Where(const std::string& a) override { return real_.Where(a); }
    FileStatus ReadStatus(const std::string& a) override { return real_.ReadStatus(a); }
    FileStatus SaveStatus(const std::string& a) override { return real_.SaveStatus(a); }
    void Flush(const std::string& a) override {
        real_.Flush(a);
        ++flushes;
    }
    std::vector<std::string> seen;
    int flushes = 0;

private:
    ISettingsStore& real_;
    std::string file_;
};

TEST_F(FaultRun, ClosingWritesTheSettingsFileOnceWholeAndLeavesNoLock) {
    const Faults faults{rig, config, settingsFiles};
    faults.Settings("SigDuration=30\nWrapCount=70\n");
    const std::string ini = faults.Ini();
    WatchedStore watched(store, ini);
    rig.settings = &watched;
    rig.Start();
    rig.platform.Advance(65000);
    rig.Window().UserClose();

    ASSERT_EQ(watched.seen.size(), 18u);
    for (const std::string& seen : watched.seen)
        EXPECT_EQ(seen, "[Settings]\nSigDuration=30\nWrapCount=70\n")
            << "a kill while closing would leave a mix of old and new keys";
    EXPECT_EQ(watched.flushes, 1);
    EXPECT_EQ(settingsFiles.writes, 1) << "one replacement of the file";
    EXPECT_NE(ReadBytes(ini).find("SigDuration=30"), std::string::npos);
    std::vector<std::string> left;
    for (const auto& entry : fs::directory_iterator(config.File("Tagrota")))
        left.push_back(entry.path().filename().string());
    EXPECT_EQ(left, std::vector<std::string>{"Tagrota.ini"}) << "no lock file, no temporary file";
}

// The single-instance lock and socket where XDG_RUNTIME_DIR is unset.
class FaultInstance : public ::testing::Test {
protected:
    FaultInstance() {
        MakeSharedFolder(tmp.File("tmp"));
        const char* runtime = std::getenv("XDG_RUNTIME_DIR");
        if (runtime) savedRuntime_ = runtime;
        ::unsetenv("XDG_RUNTIME_DIR");
        ::setenv("TMPDIR", tmp.File("tmp").c_str(), 1);
    }
    ~FaultInstance() override {
        ::unsetenv("TMPDIR");
        if (!savedRuntime_.empty()) ::setenv("XDG_RUNTIME_DIR", savedRuntime_.c_str(), 1);
        if (holder_ > 0) {
            ::kill(holder_, SIGKILL);
            ::waitpid(holder_, nullptr, 0);
        }
    }
    // Another user holds the lock at the path, and answers every request on
    // the socket at the other path, until the test ends.
    void AnotherUserHolds(const std::string& lock, const std::string& socketPath) {
        int ready[2];
        ASSERT_EQ(::pipe(ready), 0);
        holder_ = ::fork();
        if (holder_ == 0) {
            // It goes with the test, and keeps none of the test's output open.
            ::prctl(PR_SET_PDEATHSIG, SIGKILL);
            const int null = ::open("/dev/null", O_RDWR);
            ::dup2(null, STDOUT_FILENO);
            ::dup2(null, STDERR_FILENO);
            if (::setgroups(0, nullptr) != 0 || ::setgid(kOtherGroup) != 0 ||
                ::setuid(kOtherUser) != 0)
                ::_exit(2);
            const int fd = ::open(lock.c_str(), O_RDWR | O_CREAT, 0600);
            if (fd < 0 || ::flock(fd, LOCK_EX) != 0) ::_exit(3);
            const int listener = ::socket(AF_UNIX, SOCK_STREAM, 0);
            sockaddr_un address{};
            address.sun_family = AF_UNIX;
            std::strncpy(address.sun_path, socketPath.c_str(), sizeof address.sun_path - 1);
            if (::bind(listener, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 ||
                ::chmod(socketPath.c_str(), 0666) != 0 || ::listen(listener, 4) != 0)
                ::_exit(4);
            [[maybe_unused]] auto n = ::write(ready[1], "R", 1);
            for (int c; (c = ::accept(listener, nullptr, nullptr)) >= 0;) ::close(c);
            ::_exit(0);
        }
        ::close(ready[1]);
        char byte = 0;
        ASSERT_EQ(::read(ready[0], &byte, 1), 1) << "the other user's copy did not start";
        ::close(ready[0]);
    }
    test::TempDir tmp;
    const std::string settings = "/home/me/.config/Tagrota/Tagrota.ini";
    pid_t holder_ = 0;

private:
    std::string savedRuntime_;
};

TEST_F(FaultInstance, AnotherUserHoldingTheLockInTheTemporaryFolderBlocksNothing) {
    if (!Root()) GTEST_SKIP() << "needs root to play another user";
    // Where the names used to be: in the temporary folder itself.
    const std::string base =
        tmp.File("tmp/" + qt::QtSingleInstance::KeyFor(settings).toStdString());
    AnotherUserHolds(base + ".lock", base + ".socket");
    qt::QtSingleInstance instance(settings);
    EXPECT_EQ(instance.Acquire(), qt::QtSingleInstance::Claim::First);
    // The lock lives in a private folder instead.
    const std::string folder = tmp.File("tmp/tagrota-" + std::to_string(::geteuid()));
    EXPECT_EQ(fs::symlink_status(folder).permissions(), fs::perms::owner_all);  // a folder, no link
    EXPECT_EQ(instance.LockPath(),
              folder + "/" + qt::QtSingleInstance::ShortKeyFor(settings).toStdString() + ".lock");
    EXPECT_TRUE(fs::exists(instance.LockPath()));
}

TEST_F(FaultInstance, AFolderOfAnotherUsersInPlaceOfThePrivateOneIsNotUsed) {
    if (!Root()) GTEST_SKIP() << "needs root to play another user";
    const std::string planted = tmp.File("tmp/tagrota-" + std::to_string(::geteuid()));
    ASSERT_TRUE(AsAnotherUser([&] { return ::mkdir(planted.c_str(), 0777) == 0; }));
    ::chmod(planted.c_str(), 0777);
    const std::string base =
        planted + "/" + qt::QtSingleInstance::ShortKeyFor(settings).toStdString();
    AnotherUserHolds(base + ".lock", base + ".socket");
    {
        // The next name of the user's own takes its place.
        qt::QtSingleInstance instance(settings);
        EXPECT_EQ(instance.Acquire(), qt::QtSingleInstance::Claim::First);
        EXPECT_EQ(fs::path(instance.LockPath()).parent_path(), planted + "-1");
        qt::QtSingleInstance later(settings);
        EXPECT_EQ(later.LockPath(), instance.LockPath()) << "every start finds the same";
    }
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(planted)) {
        struct stat st {};
        ASSERT_EQ(::lstat(entry.path().c_str(), &st), 0);
        EXPECT_EQ(st.st_uid, kOtherUser) << entry.path() << " is not the other user's";
        names.push_back(entry.path().filename().string());
    }
    EXPECT_EQ(names.size(), 2u) << "only the other user's lock and socket";
}

// The data folder and the settings folder under a home the user cannot write
// to: the reason is that of the folder that could not be made.
TEST(FaultFolders, FoldersUnderAReadOnlyHomeSayPermissionDenied) {
    if (!Root()) GTEST_SKIP() << "needs root to play another user";
    test::TempDir home;  // the root user's: the other user cannot write to it
    int answer[2];
    ASSERT_EQ(::pipe(answer), 0);
    AsAnotherUser([&] {
        ::setenv("XDG_CONFIG_HOME", home.File(".config").c_str(), 1);
        qt::QtSettingsStore store;
        store.SaveSetting("Tagrota", "Settings", "SigDuration", "7");
        store.Flush("Tagrota");
        const std::string why = EnsureFolder(home.File(".local/share/Tagrota")) + ", " +
                                store.SaveStatus("Tagrota").reason;
        return ::write(answer[1], why.data(), why.size()) >= 0;
    });
    ::close(answer[1]);
    char why[200] = {};
    [[maybe_unused]] auto n = ::read(answer[0], why, sizeof why - 1);
    ::close(answer[0]);
    EXPECT_STREQ(why, "Permission denied, Permission denied");
}

TEST(FaultFolders, AReplacementEndedByAKillLeavesNoTemporaryFile) {
    test::TempDir dir;
    const std::string sig = dir.File("sig.txt");
    const std::string bytes(60u << 20, 'x');
    const pid_t pid = ::fork();
    if (pid == 0) {
        StdFileSystem files;
        for (;;) files.WriteFileAtomic(sig, bytes, Durability::NoFlush);
    }
    ASSERT_GT(pid, 0);
    std::this_thread::sleep_for(std::chrono::milliseconds(400));
    ::kill(pid, SIGKILL);
    ::waitpid(pid, nullptr, 0);
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(dir.Path()))
        names.push_back(entry.path().filename().string());
    EXPECT_TRUE(names.empty() || names == std::vector<std::string>{"sig.txt"})
        << names.size() << " files, the first " << names.front();
}

// Kills at random moments of a save that must rewrite the file in place:
// afterwards the file holds the old text or the new one whole, or else a whole
// backup of the old text is left, which the next start finds. TAGROTA_KILLS
// and TAGROTA_KILL_MB make the run longer and the file larger.
class KilledSaves {
public:
    KilledSaves(std::string file, std::string backupFolder, bool asAnotherUser)
        : file_(std::move(file)), backups_(std::move(backupFolder)), other_(asAnotherUser) {
        const char* mb = std::getenv("TAGROTA_KILL_MB");
        const std::size_t size = (mb ? std::stoul(mb) : 4) << 20;
        old_.assign(size, 'o');
        new_.assign(size + 4096, 'n');
    }
    const std::string& Old() const { return old_; }
    // One save in a child process, killed after `after` (never, when zero);
    // the time it ran.
    std::chrono::microseconds Save(std::chrono::microseconds after) {
        int ready[2];
        EXPECT_EQ(::pipe(ready), 0);
        const pid_t child = ::fork();
        if (child == 0) {
            if (other_ && (::setgroups(0, nullptr) != 0 || ::setgid(kOtherGroup) != 0 ||
                           ::setuid(kOtherUser) != 0))
                ::_exit(2);
            StdFileSystem files;
            files.SetBackupFolder(backups_);
            [[maybe_unused]] auto n = ::write(ready[1], "R", 1);
            ::_exit(files.WriteFileAtomic(file_, new_, Durability::Flush) ? 0 : 1);
        }
        ::close(ready[1]);
        char byte = 0;
        EXPECT_EQ(::read(ready[0], &byte, 1), 1);
        ::close(ready[0]);
        const auto start = std::chrono::steady_clock::now();
        if (after.count() > 0) {
            std::this_thread::sleep_for(after);
            ::kill(child, SIGKILL);
        }
        int status = 0;
        ::waitpid(child, &status, 0);
        EXPECT_TRUE(WIFSIGNALED(status) || (WIFEXITED(status) && WEXITSTATUS(status) == 0));
        return std::chrono::duration_cast<std::chrono::microseconds>(
            std::chrono::steady_clock::now() - start);
    }

    // What the kill left: "old", "new" or "backup" (the file cut, a whole
    // backup left), "" for a loss. Then the old text again, and no backup.
    std::string Outcome() {
        const std::string now = ReadBytes(file_);
        const auto find = [&] {
            StdFileSystem files;
            files.SetBackupFolder(backups_);
            const std::optional<std::string> backup = files.FindLeftBackup(file_);
            return !backup || (ReadBytes(*backup) == old_ && files.RestoreFromBackup(file_) &&
                               ReadBytes(file_) == old_);
        };
        const bool whole = other_ ? AsAnotherUser(find) : find();
        const char* outcome = !whole                     ? ""
                              : now == old_              ? "old"
                              : now == new_              ? "new"
                              : ReadBytes(file_) == old_ ? "backup"
                                                         : "";
        std::ofstream(file_, std::ios::binary | std::ios::trunc) << old_;  // in place: links kept
        return outcome;
    }

private:
    std::string file_, backups_;
    bool other_;
    std::string old_, new_;
};

void KillSavesAtRandom(KilledSaves& saves, const std::string& what) {
    const char* env = std::getenv("TAGROTA_KILLS");
    const int kills = env ? std::atoi(env) : 50;
    // How long a save takes, whole, here.
    std::chrono::microseconds whole{0};
    for (int i = 0; i < 2; ++i) {
        whole = std::max(whole, saves.Save(std::chrono::microseconds(0)));
        ASSERT_EQ(saves.Outcome(), "new") << what;
    }
    std::mt19937 random{std::random_device{}()};
    std::map<std::string, int> outcomes;
    for (int i = 0; i < kills; ++i) {
        std::uniform_int_distribution<long> moment(1, whole.count() * 11 / 10);
        saves.Save(std::chrono::microseconds(moment(random)));
        const std::string outcome = saves.Outcome();
        EXPECT_NE(outcome, "") << what << ": kill " << i << " lost the text";
        ++outcomes[outcome];
    }
    std::printf("%s: %d kills within %lld ms: %d old, %d new, %d cut with a whole backup\n",
                what.c_str(), kills, static_cast<long long>(whole.count() / 1000), outcomes["old"],
                outcomes["new"], outcomes["backup"]);
}

TEST(FaultFolders, ASaveKilledAtAnyMomentLeavesTheOldOrTheNewTextOrAWholeBackup) {
    test::TempDir dir;
    {
        const std::string file = dir.File("quotes.txt");
        KilledSaves saves(file, dir.File("data"), false);
        std::ofstream(file, std::ios::binary) << saves.Old();
        fs::create_directory(dir.File("mail"));
        fs::create_hard_link(file, dir.File("mail/quotes"));
        KillSavesAtRandom(saves, "a second hard link");
        EXPECT_EQ(fs::hard_link_count(file), 2u);
    }
    if (!Root()) return;  // the folder below needs another user to refuse them
    ::chmod(dir.Path().c_str(), 0755);
    fs::create_directory(dir.File("locked"));
    fs::create_directory(dir.File("theirs"));
    const std::string file = dir.File("locked/quotes.txt");
    KilledSaves saves(file, dir.File("theirs/data"), true);
    std::ofstream(file, std::ios::binary) << saves.Old();
    for (const char* p : {"locked/quotes.txt", "theirs"})
        ASSERT_EQ(::chown(dir.File(p).c_str(), kOtherUser, kOtherGroup), 0);
    KillSavesAtRandom(saves, "a folder the user cannot write");
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.File("locked")), fs::directory_iterator()),
              1);
}

}  // namespace
}  // namespace tagrota
