// The About box on the headless platform: what it shows, how it closes, the
// system-information button through every registry location, and the
// registry reader beneath it.

#include <gtest/gtest.h>

#include <filesystem>

#include "TestSupport.h"
#include "help/frmAbout.h"
#include "platform/Paths.h"

namespace tagrota {
namespace {

using headless::Button;
using headless::Label;
using headless::Window;
using test::WriteBytes;

const RegistryKey HKLM = RegistryRoot::LocalMachine;
const char* const kInfoKey = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";
const char* const kLocationKey = "SOFTWARE\\Microsoft\\Shared Tools Location";

class About : public ::testing::Test {
protected:
    About() { rig.Start(); }
    void Open(const std::function<void()>& command, const std::function<void(Window&)>& act) {
        rig.ui.whileModal = act;
        command();
        rig.ui.whileModal = nullptr;
    }
    // System Info in an About box from the menu, which stays open afterwards.
    void SystemInfo() {
        Open([&] { rig.Window().Menu().Click("mnuAbout"); },
             [](Window& w) {
                 w.Find<Button>("cmdSysInfo").Click();
                 EXPECT_FALSE(w.Closed());
             });
    }

    test::MainRig rig;
};

TEST_F(About, TheSameBoxFromTheMenuAndTheToolbarClosedByEscapeOrEnter) {
    std::vector<std::string> seen;
    const auto look = [&](Window& w, int key) {
        EXPECT_EQ(w.Frame(), DialogFrame::Fixed);
        EXPECT_EQ(w.Find<headless::Picture>("picIcon").Image(), rig.Window().Icon());
        EXPECT_NE(w.Find<Label>("lblDisclaimer").Caption().find("warranty"), std::string::npos);
        seen.push_back(w.Caption() + "|" + w.Find<Label>("lblTitle").Caption() + "|" +
                       w.Find<Label>("lblVersion").Caption());
        EXPECT_TRUE(w.PressKey(key));
        EXPECT_TRUE(w.Closed());
    };
    Open([&] { rig.Window().Menu().Click("mnuAbout"); },
         [&](Window& w) { look(w, ButtonKeys::Escape); });
    Open([&] { rig.Toolbar().Click("About"); }, [&](Window& w) { look(w, ButtonKeys::Enter); });
    EXPECT_EQ(seen, (std::vector<std::string>(2, "About Tagrota|Tagrota|Version 1.1.0")));
    EXPECT_EQ(rig.ui.windows.size(), 1u);
}

TEST_F(About, SystemInfoThroughEachRegistryLocation) {
    const std::string folder = rig.dir.File("tools"), info = rig.dir.File("info");
    const std::string msinfo32 = folder + kPathSeparator + "MSINFO32.EXE";
    std::filesystem::create_directory(folder);
    WriteBytes(info, "#!/bin/sh\n");
    MemoryRegistry& r = rig.registry;
    struct Case {
        const char* what;
        std::function<void()> setUp;
        std::vector<std::string> asked;  // the starts tried; none succeeded when `fails`
        bool fails;
    };
    const auto key1 = [&](const std::string& path) { r.SetString(HKLM, kInfoKey, "PATH", path); };
    const auto key2 = [&] { r.SetString(HKLM, kLocationKey, "MSINFO", folder, false); };
    const std::vector<Case> cases{
        {"key 1 names a program: key 2 unused", [&] { key1(info), key2(); }, {info}, false},
        {"key 1 names no program: key 2 untried",
         [&] { key1(info + "x"), key2(); },
         {info + "x"},
         true},
        {"key 2 with MSINFO32.EXE", [&] { key2(), WriteBytes(msinfo32, "MZ"); }, {msinfo32}, false},
        {"key 2 without MSINFO32.EXE", key2, {}, true},
        {"nothing at all", [] {}, {}, true},
        {"key 1 only readable: key 2 used",
         [&] {
             key1(info), key2(), WriteBytes(msinfo32, "MZ");
             r.LimitAccess(HKLM, kInfoKey, RegistryAccess::Read);
         },
         {msinfo32},
         false},
        {"key 1 without data: no key 2",
         [&] { r.SetValue(HKLM, kInfoKey, "PATH", RegistryType::String, ""), key2(); },
         {},
         true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        std::filesystem::remove(msinfo32);
        r = MemoryRegistry();
        c.setUp();
        rig.programs.asked.clear();
        rig.messages.shown.clear();
        SystemInfo();
        EXPECT_EQ(rig.programs.asked, c.asked);
        ASSERT_EQ(rig.messages.shown.size(), c.fails ? 1u : 0u);
        if (c.fails) {
            EXPECT_EQ(rig.messages.shown[0].text, "System Information Is Unavailable At This Time");
            EXPECT_EQ(rig.messages.shown[0].style, MsgBoxStyle::OkOnly);
        }
        EXPECT_EQ(r.OpenHandles(), 0u) << "every key opened is closed";
    }
}

TEST(GetKeyValue, ReadsStringsWithOrWithoutTheirZeroIntoOneKilobyte) {
    MemoryRegistry r;
    r.SetString(HKLM, "K", "Ended", "C:\\info.exe");
    r.SetString(HKLM, "K", "Bare", "C:\\info.exe", false);
    r.SetString(HKLM, "K", "Full", std::string(1023, 'x'));  // 1024 bytes with its zero
    r.SetString(HKLM, "K", "Over", std::string(1024, 'x'));
    r.SetDoubleWord(HKLM, "K", "Number", 0x00000102);
    r.SetValue(HKLM, "K", "Bytes", RegistryType::Binary, "ab");
    std::string v = "before";
    const auto read = [&](const char* key, const char* name) {
        const bool ok = GetKeyValue(r, HKLM, key, name, v);
        return (ok ? "true " : "false ") + v;
    };
    EXPECT_EQ(read("k", "ENDED"), "true C:\\info.exe") << "names in any case";
    EXPECT_EQ(read("K", "Bare"), "true C:\\info.exe");
    EXPECT_EQ(read("K", "Full"), "true " + std::string(1023, 'x'));
    EXPECT_EQ(read("K", "Over"), "false ");
    EXPECT_EQ(read("K", "Number"), "true &h00000102");
    EXPECT_EQ(read("K", "Bytes"), "true &h00000102") << "read, but of no type that becomes text";
    EXPECT_EQ(read("K", "Missing"), "false ");
    v = "x";
    EXPECT_EQ(read("Nowhere", "Ended"), "false ");
    EXPECT_EQ(r.OpenHandles(), 0u);
}

TEST(SystemInformationView, NamesTheFirstProgramFoundOnTheSearchPath) {
    namespace fs = std::filesystem;
    test::TempDir a, b;
    const auto place = [](const std::string& path, fs::perms perms) {
        WriteBytes(path, "#!/bin/sh\n");
        fs::permissions(path, perms);
    };
    place(a.File("kinfocenter"), fs::perms::owner_read);  // not runnable: no program
    place(a.File("gnome-system-monitor"), fs::perms::owner_all);
    place(b.File("hardinfo"), fs::perms::owner_all);
    fs::create_directory(b.File("kinfocenter"));  // nor is a folder

    // Earlier names in the list win over earlier folders; relative and empty
    // entries are never searched.
    auto view = SystemInformationView("bin::" + a.Path().string() + ":" + b.Path().string());
    std::string v;
    EXPECT_TRUE(GetKeyValue(*view, HKLM, kInfoKey, "PATH", v));
    EXPECT_EQ(v, b.File("hardinfo"));
    EXPECT_FALSE(GetKeyValue(*view, HKLM, kLocationKey, "MSINFO", v)) << "nothing else exists";
}

}  // namespace
}  // namespace tagrota
