// The help windows and the About box from the main window on the headless
// platform; the registry and rich text readers beneath them; the help pages as
// shipped.

#include <gtest/gtest.h>

#include <filesystem>
#include <regex>

#include "TestSupport.h"
#include "help/HelpCommands.h"
#include "help/RichText.h"
#include "help/frmAbout.h"
#include "platform/Paths.h"
#include "platform/TextFile.h"

namespace tagrota {
namespace {

using headless::Button;
using headless::Label;
using headless::Window;
using test::WriteBytes;

class HelpWindows : public ::testing::Test {
protected:
    HelpWindows() { rig.Start(); }
    // Runs the command, handing the window it shows to `act` while it is open;
    // how many windows were shown.
    int Show(const std::function<void()>& command, const std::function<void(Window&)>& act) {
        const int before = rig.ui.modalShows;
        rig.ui.whileModal = act;
        command();
        rig.ui.whileModal = nullptr;
        return rig.ui.modalShows - before;
    }
    void Help() { rig.Toolbar().Click("Help"); }
    void Guide() { rig.Window().Menu().Click("mnuHelp"); }
    std::string Message(std::size_t i) const { return rig.messages.shown.at(i).text; }
    // System Info in an About box from the menu, which stays open afterwards.
    void SystemInfo() {
        Show([&] { rig.Window().Menu().Click("mnuAbout"); },
             [](Window& w) {
                 w.Find<Button>("cmdSysInfo").Click();
                 EXPECT_FALSE(w.Closed());
             });
    }

    const std::string sep{kPathSeparator};
    test::MainRig rig;
};

TEST_F(HelpWindows, BriefHelpShowsThePageOfTheTabInFront) {
    for (int tab = 0; tab < 4; ++tab)
        WriteBytes(rig.dir.File("tab" + std::to_string(tab) + ".rtf"),
                   "Page " + std::to_string(tab));
    rig.Toolbar().Click("Bullets");  // the Random tab is now captioned Sequential
    std::string shown;
    bool byKeyboard = false;
    const auto look = [&](Window& w) {
        EXPECT_EQ(w.Caption(), "Tagrota Brief Help");
        // Centred over the main window.
        const Rect main = rig.Window().Bounds(), own = w.Bounds();
        EXPECT_LE(std::abs(2 * own.Left + own.Width - 2 * main.Left - main.Width), 1);
        shown = PlainText(w.Find<headless::RichTextBox>("RichTextBox1").Document());
        if (byKeyboard)
            EXPECT_TRUE(w.PressKey(ButtonKeys::Escape)) << "Escape closes it";
        else
            w.Find<Button>("OKButton").Click();
        EXPECT_TRUE(w.Closed());
    };
    const char* keys[] = {"Fixed", "Random", "Current", "Settings"};
    for (int tab = 0; tab < 4; ++tab) {
        rig.Toolbar().Click(keys[tab]);
        EXPECT_EQ(Show([&] { Help(); }, look), 1);
        EXPECT_EQ(shown, "Page " + std::to_string(tab)) << keys[tab];
    }
    EXPECT_EQ(rig.ui.windows.size(), 1u) << "the dialog is gone when closed";
    // F1 for the tab in front, Escape to close.
    byKeyboard = true;
    EXPECT_TRUE(rig.Window().PressShortcut("Ctrl+Tab"));
    EXPECT_EQ(Show([&] { EXPECT_TRUE(rig.Window().PressShortcut("F1")); }, look), 1);
    EXPECT_EQ(shown, "Page 0");
    EXPECT_TRUE(rig.messages.shown.empty());
}

TEST_F(HelpWindows, MissingFilesAreReportedWithTheirFullPathAndOpenNothing) {
    const auto none = [](Window&) { ADD_FAILURE() << "no window opens"; };
    rig.Toolbar().Click("Current");
    EXPECT_EQ(Show([&] { Help(); }, none), 0);
    EXPECT_EQ(Show([&] { Guide(); }, none), 0);
    std::filesystem::create_directory(rig.dir.File("tab2.rtf"));  // a folder is no file
    EXPECT_EQ(Show([&] { Help(); }, none), 0);

    // In a root folder the paths hold two separators.
    const HelpServices atRoot{rig.ui, rig.files, rig.messages, rig.registry, rig.programs, sep};
    ShowFullHelp(atRoot, *rig.form->window);
    ShowBriefHelp(atRoot, *rig.form->window, 1);

    // A page that is there but cannot be read is reported, not shown empty.
    rig.Toolbar().Click("Fixed");
    const std::string page = rig.dir.File("tab0.rtf");
    WriteBytes(page, "{\\rtf1 Fixed}");
    rig.files.failReads.insert(page);
    EXPECT_EQ(Show([&] { Help(); }, none), 0);

    const std::string dir = rig.dir.Path().string();
    EXPECT_EQ(Message(0), "The help file " + dir + sep + "tab2.rtf was not found.");
    EXPECT_EQ(Message(1), "The help file " + dir + sep + "index.html is missing.");
    EXPECT_EQ(Message(2), Message(0));
    EXPECT_EQ(Message(3), "The help file " + sep + sep + "index.html is missing.");
    EXPECT_EQ(Message(4), "The help file " + sep + sep + "tab1.rtf was not found.");
    EXPECT_EQ(Message(5), "The help file " + page + " cannot be read: Input/output error.");
    for (const auto& m : rig.messages.shown) {
        EXPECT_EQ(m.style, MsgBoxStyle::OkOnly);
        EXPECT_EQ(m.title, "") << "the application's title";
    }
}

const RegistryKey HKLM = RegistryRoot::LocalMachine;
const char* const kInfoKey = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";
const char* const kLocationKey = "SOFTWARE\\Microsoft\\Shared Tools Location";

TEST_F(HelpWindows, AboutIsTheSameBoxFromTheMenuAndTheToolbarClosedByEscapeOrEnter) {
    std::vector<std::string> seen;
    const auto look = [&](Window& w, int key) {
        EXPECT_EQ(w.Find<headless::Picture>("picIcon").Image(), rig.Window().Icon());
        seen.push_back(w.Caption() + "|" + w.Find<Label>("lblTitle").Caption() + "|" +
                       w.Find<Label>("lblVersion").Caption());
        EXPECT_TRUE(w.PressKey(key));
        EXPECT_TRUE(w.Closed());
    };
    Show([&] { rig.Window().Menu().Click("mnuAbout"); },
         [&](Window& w) { look(w, ButtonKeys::Escape); });
    Show([&] { rig.Toolbar().Click("About"); }, [&](Window& w) { look(w, ButtonKeys::Enter); });
    EXPECT_EQ(seen, (std::vector<std::string>(2, "About Tagrota|Tagrota|Version 1.1.0")));
    EXPECT_EQ(rig.ui.windows.size(), 1u);
}

TEST_F(HelpWindows, AboutSystemInfoThroughEachRegistryLocation) {
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
        {"key 1 names no program: key 2 untried, its program there or not",
         [&] { key1(info + "x"), key2(), WriteBytes(msinfo32, "MZ"); },
         {info + "x"},
         true},
        {"key 2 with MSINFO32.EXE", [&] { key2(), WriteBytes(msinfo32, "MZ"); }, {msinfo32}, false},
        {"key 2 without MSINFO32.EXE", key2, {}, true},
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
        std::string told;
        for (const auto& m : rig.messages.shown) told += m.text;
        EXPECT_EQ(told, c.fails ? "System Information Is Unavailable At This Time" : "");
        EXPECT_EQ(r.OpenHandles(), 0u) << "every key opened is closed";
    }
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

RichDocument Rtf(const std::string& body) {
    return ReadRichText("{\\rtf1\\ansi " + body + "}");
}
std::string RtfText(const std::string& body) {
    return PlainText(Rtf(body));
}

RichSpan Span(std::string text, std::string_view style = "", double size = 0) {
    return {std::move(text), style.find('b') != style.npos, style.find('i') != style.npos,
            style.find('u') != style.npos, size};
}

TEST(RichText, KeepsFormattingPerSpanAndMergesAlikeNeighbours) {
    EXPECT_EQ(Rtf("plain {\\b bold \\i both\\b0  it}\\ul un\\ulnone  \\fs31 big\\plain  x")
                  .Paragraphs.at(0)
                  .Spans,
              (std::vector{Span("plain "), Span("bold ", "b"), Span("both", "bi"), Span(" it", "i"),
                           Span("un", "u"), Span(" "), Span("big", "", 15.5), Span(" x")}));
    EXPECT_EQ(Rtf("{\\b a}{\\b1 b}\\ul0\\i0 c").Paragraphs.at(0).Spans,
              (std::vector{Span("ab", "b"), Span("c")}));
}

TEST(RichText, EndsParagraphsAtParAndAlignsThemUntilPard) {
    RichDocument d =
        Rtf("\\qc a\\line b\\tab c\\par\\par\\pard d\\\r\n{\\qr e\\par}\\qj f\\par\\qc g");
    std::vector<std::pair<std::string, RichAlignment>> got;
    for (const RichParagraph& p : d.Paragraphs)
        got.emplace_back(PlainText(RichDocument{{p}}), p.Alignment);
    using enum RichAlignment;
    EXPECT_EQ(got, (decltype(got){{"a\nb\tc", Center},
                                  {"", Center},
                                  {"d", Left},
                                  {"e", Right},
                                  {"f", Justify},
                                  {"g", Center}}));
    EXPECT_EQ(Rtf("last\\par\r\n").Paragraphs.size(), 1u);  // no empty paragraph after it
    EXPECT_TRUE(Rtf("").Paragraphs.empty());
}

TEST(RichText, ReadsEscapesUnicodeAndSkipsWhatIsNotText) {
    const std::pair<std::string, std::string> cases[] = {
        {"caf\\'e9 \\'80\\'93q\\'94 \\\\\\{\\}", "caf\u00e9 \u20ac\u201cq\u201d \\{}"},
        {"a\\~b co\\-op x\\_y\\emdash\\endash\\bullet\\lquote\\rquote\\ldblquote\\rdblquote",
         "a\u00a0b coop x\u2011y\u2014\u2013\u2022\u2018\u2019\u201c\u201d"},
        {"\\u8226?x \\u-30050?\\uc2\\u8364EUy \\uc0\\u8364 z", "\u2022x \u8a9e\u20acy \u20acz"},
        {"\\u233\\'e9! {\\uc3\\u233}ab \\u-10179?\\u-8704?", "\u00e9! \u00e9ab \U0001F600"},
        {"\\u-10179?x\\u-8704?", "\uFFFDx\uFFFD"},  // surrogates without their partner
        {"{\\fonttbl{\\f0 Arial;}}{\\colortbl;\\red0;}{\\stylesheet{\\s0 N;}}{\\info{\\title T}}"
         "{\\header h\\par}a{\\pict\\pngblip 8950}{\\*\\newdest x{\\b y}}{\\footnote n}b",
         "ab"},
        {"{\\field{\\*\\fldinst HYPERLINK \"u\"}{\\fldrslt link}} {\\v hidden}x\\bin3 {{{y",
         "link xy"},
        {"raw\r\nlines \xE2\x80\xA2 \x95", "rawlines \u2022 \u2022"},
        // Broken input comes back as the text it holds.
        {"a\\'zz", "azz"},
        {std::string("a\0b", 3), "ab"},
        {"\\" + std::string(40, 'q') + " x\\unknown y\\u99999999999?z\\uc99999999999\\u66 abc",
         "xy\uFFFDzB"},
    };
    for (const auto& [rtf, text] : cases) EXPECT_EQ(RtfText(rtf), text) << rtf;
    EXPECT_EQ(Rtf("\\fs99999999999999999999 x").Paragraphs.at(0).Spans.at(0).FontSize, 1638);
}

TEST(RichText, SurvivesBrokenStructureAndDeepNesting) {
    EXPECT_EQ(ReadRichText("{\\rtf1 {\\b bold").Paragraphs.at(0).Spans,
              (std::vector{Span("bold", "b")}));
    const std::pair<const char*, const char*> cut[] = {{"{\\rtf1 a}} b", "a"},
                                                       {"{\\rtf1 a\\", "a"},
                                                       {"{\\rtf1 a\\'4", "a"},
                                                       {"{\\rtf1 a\\u-", "a-"}};
    for (const auto& [rtf, text] : cut) EXPECT_EQ(PlainText(ReadRichText(rtf)), text) << rtf;
    EXPECT_EQ(PlainText(ReadRichText("{\\rtf1 " + std::string(100000, '{') + "deep")), "deep");
    const std::string deep(300, '{'), back(300, '}');
    EXPECT_EQ(RtfText(deep + "{\\*\\x hidden}shown" + back + "end"), "shownend");
    // Any bytes giving well-formed spans is the fuzzer's (richtext).
}

TEST(RichText, ReadsOtherTextAsPlainParagraphs) {
    RichDocument d = ReadRichText("caf\xE9\r\n\nthird\rfourth\n");
    EXPECT_EQ(d.Paragraphs, (std::vector<RichParagraph>{
                                {{Span("caf\u00e9")}}, {}, {{Span("third")}}, {{Span("fourth")}}}));
    EXPECT_EQ(PlainText(ReadRichText("\xEF\xBB\xBF{\\rtx \xC3\xA9")), "{\\rtx \u00e9");
    EXPECT_EQ(PlainText(ReadRichText(" \r\n{\\rtf1 x}")), "x");
    EXPECT_TRUE(ReadRichText("").Paragraphs.empty());
}

// The help files as shipped, and as copied beside the program; how each tab's
// page reads is QtHelpWindowsTest's.
std::string HelpPage(const std::string& dir, const std::string& name) {
    return test::ReadBytes(dir + "/" + name);
}

TEST(ShippedHelp, GuideLinksOnlyToItsOwnAnchorsAndEveryPageIsBesideTheProgram) {
    const std::string guide = HelpPage(TAGROTA_SOURCE_DIR "/resources/help", "index.html");
    const std::regex link("href=\"#([^\"]+)\"");
    for (std::sregex_iterator m(guide.begin(), guide.end(), link), end; m != end; ++m)
        EXPECT_NE(guide.find("name=\"" + (*m)[1].str() + "\""), std::string::npos) << (*m)[1];
    for (const char* page : {"index.html", "tab0.rtf", "tab1.rtf", "tab2.rtf", "tab3.rtf"})
        EXPECT_EQ(HelpPage(TAGROTA_PROGRAM_DIR, page),
                  HelpPage(TAGROTA_SOURCE_DIR "/resources/help", page))
            << page;
}

}  // namespace
}  // namespace tagrota
