// A user's day with the main window, played at random: the user types, takes
// typing back, saves, goes from tab to tab, chooses files and answers the
// questions; the world lets time pass, changes, deletes and locks files, and
// ends the program, which then starts again on the same folder and settings.
// A day draws its quotations in rounds or as they come, with or without a
// limit on the signature's lines; the user sets quotations aside with Never
// This One Again and takes them back.
// A model kept beside the program says what every file and editor should
// hold; after every step:
//  1. no rotation writes over a file an editor holds or the program uses;
//  2. Save writes its editor's text to the file that text came from, and no
//     file of the user's is written otherwise;
//  3. every signature written is complete: a fixed text and a quotation of the
//     collection in use that is not set aside for it (the fixed text alone
//     where no collection holds any, or every one is set aside), never one
//     composed before the start-up has loaded the files;
//  4. unsaved text goes only after an answer, or into a recovery file that the
//     next start names while it exists;
//  5. "changed by another program" is asked only where the content changed;
//  6. `--print` composes what the next start's first rotation writes (in
//     rounds, what it could write with another entry);
//  7. a file that another program changed reaches a tab without unsaved
//     edits at once, and the rotation draws from the collection as it now
//     is; a tab with edits keeps them, and a removed file leaves the text in
//     use as it was.

#include <gtest/gtest.h>
#include <rapidcheck.h>
#include <rapidcheck/gtest.h>

#include <sys/stat.h>

#include <algorithm>
#include <array>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <optional>
#include <ostream>
#include <sstream>
#include <utility>

#include "TestSupport.h"
#include "engine/Collection.h"
#include "engine/NeverAgain.h"
#include "engine/PrintSignature.h"
#include "engine/Settings.h"

namespace tagrota {
namespace {

namespace fs = std::filesystem;

// Signal is SIGTERM, SessionEnd a session end that lets nobody be asked, and
// UserClose Exit, the close box or Ctrl+Q; after a close the program starts
// again.
enum class Kind {
    TypeFixed,
    TypeRandom,
    Undo,
    Save,
    SwitchTab,
    ChooseCollection,
    ChooseTarget,
    Tick,
    Stop,
    WorldWrite,
    WorldDelete,
    WorldChmod,
    Signal,
    SessionEnd,
    UserClose,
    NeverAgain,
    TakeBack
};

// One step. `a` and `b` pick what the step acts on; `answers` are the
// buttons pressed, in order, for the questions the step raises (Yes, Save,
// Overwrite = 0; No, Discard, Reload = 1; Cancel = 2); time passes by
// `tickWhileAsked` milliseconds while the step's first message box is open.
struct Step {
    Kind kind;
    int a = 0, b = 0;
    std::vector<int> answers;
    int tickWhileAsked = 0;
};

std::ostream& operator<<(std::ostream& out, const Step& s) {
    static const char* const names[] = {
        "TypeFixed",    "TypeRandom", "Undo",      "Save",       "SwitchTab",   "ChooseCollection",
        "ChooseTarget", "Tick",       "Stop",      "WorldWrite", "WorldDelete", "WorldChmod",
        "Signal",       "SessionEnd", "UserClose", "NeverAgain", "TakeBack"};
    out << names[static_cast<int>(s.kind)] << "(" << s.a << ", " << s.b << ") answers";
    for (int answer : s.answers) out << " " << answer;
    return out << " tick while asked " << s.tickWhileAsked;
}

// An editor: its text, the text it was loaded or saved with, what Undo takes
// back and how much of that there was at the load or save (it is unsaved
// until undone back to there, as text editors count it; typing over an undone
// save loses the way back), the file its text came from (where Save goes) and
// that file's content when the program last read or wrote it.
struct EditorModel {
    std::string text, saved;
    std::vector<std::string> undo;
    std::optional<std::size_t> clean = 0;
    std::string origin;
    std::optional<std::string> read;
    bool Dirty() const { return clean != undo.size(); }
    void Loaded(const std::string& t) {
        text = saved = t;
        undo.clear();
        clean = 0;
    }
    void Saved() {
        saved = text;
        clean = undo.size();
    }
    void Type(const std::string& t) {
        if (t == text) return;
        if (clean && *clean > undo.size()) clean.reset();
        undo.push_back(std::exchange(text, t));
    }
    void Undo() {
        if (undo.empty()) return;
        text = undo.back();
        undo.pop_back();
    }
};

enum Question { kCollectionChange, kUnsaved, kChanged };

const std::string kTyped[] = {"-- \r\nMe, typed\r\n", "-- \r\nJo\r\n", "Me\r\n",
                              "-- \r\nMe, typed at length\r\n"};
const std::string kTypedQuotes[] = {"T1\r\n%\r\nT2\r\n%\r\n", "no quotes typed",
                                    "T1\r\n%\r\nT2\r\n%\r\nT3, typed\r\n%\r\n"};

class Day {
public:
    Day() {
        fs::create_directories(sub);
        for (const std::string& p : Pool()) m.disk[p] = std::nullopt;
        Write(settingsFile, "[Settings]\r\n");
        settingsRegistration.emplace(settingsFile, "settings file");
        rig.files.onWritten = [this](const std::string& path, std::string_view bytes) {
            writes.push_back({path, std::string(bytes)});
        };
        rig.messages.whileOpen = [this] { WhileAsked(); };
    }

    // Every file the day may touch.
    std::vector<std::string> Pool() const {
        return {fixed, byDefault, sig, a, b, c, out, settingsFile, none};
    }

    // The folder as the day begins: fixed.txt, the default collection, a.txt,
    // b.txt and sub/c.txt each missing, made by Content, or a collection that
    // cannot be read; the files configured; the settings read whole or not.
    void Begin() {
        using rc::gen::inRange;
        const std::string files[] = {fixed, byDefault, a, b, c};
        for (const std::string& file : files) {
            const int kind = *inRange(0, 6);
            if (kind > 0) Write(file, Content(file, kind == 5 ? 1 : kind));
            if (kind == 5) Chmod(file, 2);
        }
        const std::string collections[] = {a, b, c, byDefault, none, fixed};
        const std::string targets[] = {sig, out, a};
        m.next = collections[*inRange(0, 6)];
        m.target = targets[*inRange(0, 3)];
        rig.Store(SettingKey::RandomFile, m.next);
        rig.Store(SettingKey::CurrentFile, m.target);
        // The model's files are CR LF text, as the editors show it; the LF
        // signature file is LineEndsTest's.
        rig.Store(SettingKey::SigLineEnds, "CRLF");
        // Random draws in rounds (also by default, with no value stored) or
        // as they come.
        if (const int rounds = *rc::gen::inRange(0, 3); rounds < 2)
            rig.Store(SettingKey::NoRepeats, rounds ? "True" : "False");
        // Signatures of at most four lines (the fixed part's lines included),
        // or of any length.
        if (*rc::gen::arbitrary<bool>()) rig.Store(SettingKey::MaxSigLines, "4");
        const int damagedSettings = *rc::gen::arbitrary<bool>() ? 2 : 0;
        Restart({Kind::Signal,
                 0,
                 damagedSettings,
                 {},
                 *rc::gen::weightedElement<int>({{3, 0}, {1, 25000}})});
    }

    void Do(const Step& s) {
        NewStep(s);
        switch (s.kind) {
            case Kind::TypeFixed:
            case Kind::TypeRandom: {
                const int t = s.kind == Kind::TypeRandom;
                SwitchTo(t, s.b);
                EditorModel& e = m.editor[t];
                e.Type(s.a >= 7 ? e.saved : t == 0 ? kTyped[s.a % 4] : kTypedQuotes[s.a % 3]);
                Editor(t).Type(e.text);
                break;
            }
            case Kind::Undo:
                SwitchTo(s.a % 2, s.b);
                m.editor[s.a % 2].Undo();
                Editor(s.a % 2).Undo();
                break;
            case Kind::Save: {
                const int t = rig.Tabs().Tab();
                if (t < 2 && m.editor[t].Dirty()) PredictSave(t);
                Command("Save", "mnuSave", "Ctrl+S");
                break;
            }
            case Kind::SwitchTab:
                SwitchTo(s.a % 4, s.b);
                break;
            case Kind::ChooseCollection:
            case Kind::ChooseTarget: {
                const bool target = s.kind == Kind::ChooseTarget;
                const std::vector<std::string> choices =
                    target ? std::vector{sig,    out,       fixed, m.editor[1].origin,
                                         m.next, byDefault, a,     settingsFile}
                           : std::vector{a, b, c, byDefault, none, fixed, sig};
                if (static_cast<std::size_t>(s.a) >= choices.size()) {
                    rig.dialog.Cancel();
                } else {
                    if (target) m.target = choices[s.a];
                    if (!target) PredictChoice(choices[s.a]);
                    rig.dialog.Choose(choices[s.a]);
                }
                rig.Find<headless::Button>(target ? "btnFindPath(1)" : "btnFindPath(0)").Click();
                break;
            }
            case Kind::Tick:
                rig.platform.Advance(1000 + 7000 * s.a);
                break;
            case Kind::Stop:
                Command("Stop", "mnuStop", "Ctrl+T");
                break;
            case Kind::WorldWrite:
                Write(WorldFile(s.a), Content(WorldFile(s.a), 1 + s.b % 4));
                Watched(WorldFile(s.a));
                break;
            case Kind::WorldDelete:
                fs::remove(WorldFile(s.a));
                m.disk[WorldFile(s.a)] = std::nullopt;
                Chmod(WorldFile(s.a), 0);
                Watched(WorldFile(s.a));
                break;
            case Kind::WorldChmod:
                if (s.a % 4 != 3) {
                    Chmod(WorldFile(s.a), s.b);
                    Watched(WorldFile(s.a));
                    break;
                }
                ::chmod(sub.c_str(), s.b % 2 ? 0555 : 0755);
                rig.files.readOnly.erase(sub);
                if (s.b % 2) rig.files.readOnly.insert(sub);
                break;
            case Kind::Signal:
            case Kind::SessionEnd:
                // Nobody can be asked: the unsaved texts go to recovery files.
                for (const EditorModel& e : m.editor)
                    if (e.Dirty()) recovering.push_back({"", e.text, e.origin});
                rig.Window().Close(s.kind == Kind::Signal ? UnloadMode::AppTaskManager
                                                          : UnloadMode::AppWindows);
                Check();
                Restart(s);
                return;
            case Kind::NeverAgain: {
                // The current quotation is set aside for the collection in
                // use, and the next one comes at once.
                const std::optional<std::string> q = rig.Form().CurrentQuotation();
                const std::string path = m.editor[1].origin;
                if (q) {
                    std::vector<std::string>& list = m.setAside[path];
                    if (std::find(list.begin(), list.end(), NeverAgainKey(*q)) == list.end())
                        list.push_back(NeverAgainKey(*q));
                }
                if (s.a % 2)
                    rig.Window().Menu().Click("mnuNever");
                else
                    rig.Window().PressShortcut("Ctrl+Shift+N");
                if (q) RC_ASSERT(NeverAgain(rig.SetAsideFolder()).For(path).Holds(*q));
                break;
            }
            case Kind::TakeBack: {
                rig.Window().Menu().Click("mnuSetAside");
                headless::Window* listing = nullptr;
                for (headless::Window* w : rig.ui.windows)
                    if (w->Caption() == "Set-Aside Quotations" && w->Visible()) listing = w;
                RC_ASSERT(listing != nullptr);
                auto& list = listing->Find<headless::ListBox>("lstSetAside");
                std::vector<std::string>& model = m.setAside[m.editor[1].origin];
                RC_ASSERT(static_cast<std::size_t>(list.Count()) == model.size());
                if (!model.empty()) {
                    const int i = s.b % list.Count();
                    list.Select(i);
                    listing->Find<headless::Button>("btnTakeBack").Click();
                    model.erase(model.begin() + i);
                }
                listing->Find<headless::Button>("btnClose").Click();
                break;
            }
            case Kind::UserClose: {
                // It closes once every unsaved text is saved or dropped.
                const bool settled = PredictSettle(0) && PredictSettle(1);
                Command("Exit", nullptr, "Ctrl+Q");
                Check();
                RC_ASSERT(rig.Window().Closed() == settled);
                if (settled) Restart(s);
                return;
            }
        }
        Check();
    }

private:
    struct Model {
        std::map<std::string, std::optional<std::string>> disk;
        std::array<EditorModel, 2> editor;
        std::string quotes;  // the collection text whose quotations rotate
        std::string next;    // the collection chosen for the next start
        std::string target;  // the current signature file
        // Per collection, the quotations set aside, as NeverAgainKey has them.
        std::map<std::string, std::vector<std::string>> setAside;
    };
    struct Kept {
        std::string path, bytes, origin;
    };

    void NewStep(const Step& s) {
        step = s;
        predicted = given = 0;
        firstBox = true;
        writes.clear();
        expectedWrites.clear();
        expectedQuestions.clear();
        asked.clear();
        before = m;
    }

    // --- The world ---

    // Another program writes the file in place, whatever its mode.
    void Write(const std::string& path, const std::string& bytes) {
        if (const std::optional<std::uintmax_t> size = SparseSize(bytes)) {
            std::ofstream(path, std::ios::binary | std::ios::trunc).close();
            fs::resize_file(path, *size);
        } else {
            std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
        }
        m.disk[path] = bytes;
    }

    // A file too large to be read stands in the model as its size.
    static std::string Sparse(std::uintmax_t size) {
        return "(" + std::to_string(size) + " bytes)";
    }
    static std::optional<std::uintmax_t> SparseSize(const std::string& bytes) {
        if (!bytes.starts_with("(") || !bytes.ends_with(" bytes)")) return std::nullopt;
        return std::stoull(bytes.substr(1));
    }

    // A new content for the file, of another size than it has: 1 a collection
    // with quotations, 2 a text without any, 3 an empty file (for the fixed
    // signature: a signature of its own), 4 a file larger than the program
    // reads.
    std::string Content(const std::string& path, int kind) {
        const std::string n = std::to_string(++made);
        if (kind == 4) return Sparse((path == fixed ? kMaxSignatureBytes : kMaxFileBytes) + made);
        std::string bytes;
        if (path == fixed)
            bytes = kind == 1 ? "-- \r\nFrom disk " + n + "\r\n" : "Plain " + n;
        else if (kind == 1)
            bytes = "Q" + n + " one\r\n%\r\nQ" + n + " two\r\n%\r\n";
        else if (kind == 2)
            bytes = "nothing to quote " + n;
        if (m.disk[path] && m.disk[path]->size() == bytes.size()) bytes += " ";
        return bytes;
    }

    // The program's watch tells of the change (some of which the day makes
    // while the file is locked, where the program cannot read it): a tab
    // without edits takes its file anew.
    void Watched(const std::string& path) {
        for (int t : {0, 1}) {
            const EditorModel& e = m.editor[t];
            if (e.origin == path && !e.Dirty() && Readable(path) && m.disk[path] != e.read)
                TakeFromDisk(t);
        }
        rig.ui.FileChanged(path);
    }

    const std::string& WorldFile(int i) const {
        const std::string* files[] = {&fixed, &byDefault, &sig, &a, &b, &c, &out};
        return *files[i % 7];
    }

    // 0 and 3 read and write, 1 read only, 2 neither. The tests run as root,
    // which no mode stops; the file system plays what it would do to a user.
    void Chmod(const std::string& path, int mode) {
        static const ::mode_t modes[] = {0644, 0444, 0000, 0600};
        if (m.disk[path]) ::chmod(path.c_str(), modes[mode % 4]);
        rig.files.readOnly.erase(path);
        rig.files.failReads.erase(path);
        if (mode % 4 == 1 || mode % 4 == 2) rig.files.readOnly.insert(path);
        if (mode % 4 == 2) rig.files.failReads.insert(path);
    }

    bool Exists(const std::string& p) { return m.disk[p].has_value(); }
    bool Readable(const std::string& p) {
        return Exists(p) && !rig.files.failReads.count(p) && !SparseSize(*m.disk[p]);
    }
    bool Writable(const std::string& p) {
        return !rig.files.readOnly.count(p) &&
               (Exists(p) || !rig.files.readOnly.count(fs::path(p).parent_path().string()));
    }
    bool Usable(const std::string& p) {
        return Readable(p) && SplitCollection(*m.disk[p]).size() >= 2;
    }

    // --- The user ---

    headless::Editor& Editor(int t) { return rig.Editor(t == 0 ? "txtFixedSig" : "txtRandom"); }

    // A command from the toolbar, the menu (the close box where there is
    // none) or the keyboard.
    void Command(const char* button, const char* menu, const char* keys) {
        const int way = step.a % 3;
        if (way == 0) rig.Toolbar().Click(button);
        if (way == 1 && menu) rig.Window().Menu().Click(menu);
        if (way == 1 && !menu) rig.Window().UserClose();
        if (way == 2) rig.Window().PressShortcut(keys);
    }

    // The tab brought to the front, in one of the user's ways. Ctrl+Tab and
    // Ctrl+PgUp pass the tabs on the way, and each tab shown shows its file
    // anew when it has no edits.
    void SwitchTo(int tab, int way) {
        const int from = rig.Tabs().Tab();
        if (from == tab) return;
        way %= 4;
        const int stride = way == 3 ? 3 : way == 2 && tab != 3 ? 1 : 0;
        const char* buttons[] = {"Fixed", "Random", "Current", "Settings"};
        if (way == 0) rig.Toolbar().Click(buttons[tab]);
        if (way == 1) rig.Tabs().ClickTab(tab);
        if (way == 2 && tab == 3) rig.Window().Menu().Click("mnuSettings");
        while (stride && rig.Tabs().Tab() != tab)
            rig.Window().PressShortcut(stride == 1 ? "Ctrl+Tab" : "Ctrl+PgUp");
        for (int t = from; t != tab;) {
            t = stride ? (t + stride) % 4 : tab;
            if (t < 2 && !m.editor[t].Dirty() && Readable(m.editor[t].origin) &&
                m.disk[m.editor[t].origin] != m.editor[t].read)
                TakeFromDisk(t);
        }
    }

    // The button pressed at the next question: as the model sees it, or as
    // the program asks it.
    int NextAnswer(std::size_t& next) const {
        return next < step.answers.size() ? step.answers[next++] : 2;
    }
    int NextAnswer() { return NextAnswer(predicted); }

    // The editor takes its file as it is now.
    void Reload(EditorModel& e) {
        e.Loaded(*m.disk[e.origin]);
        e.read = m.disk[e.origin];
    }

    // The tab takes its file as it is now, and the rotation the quotations
    // of the collection's, where it holds any.
    void TakeFromDisk(int t) {
        Reload(m.editor[t]);
        if (t == 1 && Usable(m.editor[1].origin)) m.quotes = m.editor[1].text;
    }

    // Save of the tab: asks first where the file changed since it was read.
    // True when the edits are gone (saved, or dropped by a reload).
    bool PredictSave(int t) {
        EditorModel& e = m.editor[t];
        if (Exists(e.origin) && m.disk[e.origin] != e.read) {
            expectedQuestions.push_back({kChanged, e.origin});
            const int pressed = NextAnswer();
            if (pressed == 1 && Readable(e.origin)) TakeFromDisk(t);
            if (pressed != 0) return pressed == 1 && Readable(e.origin);
        }
        if (!Writable(e.origin)) return false;
        expectedWrites.push_back({e.origin, e.text});
        m.disk[e.origin] = e.read = e.text;
        e.Saved();
        return true;
    }

    // The question about unsaved text: true when it is settled.
    bool PredictSettle(int t) {
        if (!m.editor[t].Dirty()) return true;
        expectedQuestions.push_back({kUnsaved, m.editor[t].origin});
        const int pressed = NextAnswer();
        return pressed == 0 ? PredictSave(t) && !m.editor[t].Dirty() : pressed == 1;
    }

    void PredictChoice(const std::string& chosen) {
        if (chosen == fixed) return;  // refused: the Fixed tab holds it
        const std::string old = std::exchange(m.next, chosen);
        if (chosen == old) return;
        expectedQuestions.push_back({kCollectionChange, ""});
        if (NextAnswer() != 0) return;  // No: chosen for the next start
        if (!PredictSettle(1) || !Usable(chosen)) {
            m.next = old;
            return;
        }
        m.editor[1].origin = chosen;
        Reload(m.editor[1]);
        m.quotes = m.editor[1].text;
    }

    // --- The next start ---

    // The next start; `s.b` says whether the world deletes the recovery files
    // first and whether the settings read are damaged.
    void Restart(const Step& s) {
        for (Kept& k : recovering) {
            const std::string prefix = fs::path(k.origin).filename().string() + ".recovered-";
            for (const auto& [path, bytes] : writes)
                if (bytes == k.bytes && fs::path(path).filename().string().starts_with(prefix))
                    k.path = path;
            RC_ASSERT_FALSE(k.path.empty());  // 4: unsaved text kept
        }
        const std::vector<Kept> noted = std::exchange(recovering, {});
        if (s.b % 2 == 1)
            for (const Kept& k : noted) fs::remove(k.path);
        NewStep(Step{Kind::Signal, 0, 0, {}, s.tickWhileAsked});
        const std::size_t shownBefore = rig.messages.shown.size();
        SplitMixRandom random;
        const std::string printed =
            ComposePrintedSignature(rig.store, rig.files, rig.platform.clock, random,
                                    rig.dir.Path().string(), std::nullopt, rig.SetAsideFolder())
                .text;
        const std::int64_t now = rig.platform.Now();
        PredictStart();
        rig.store.readStatus =
            s.b / 2 % 2 == 1 ? FileStatus::Failure("cut off in the middle") : FileStatus{};
        rig.form.reset();
        rig.Start();
        rig.store.readStatus = {};
        Check();

        // 3: the first rotation has written a complete signature.
        if (Writable(m.target) && !Protected(m.target))
            RC_ASSERT(m.disk[m.target] && Complete(*m.disk[m.target]));
        // 6: what `--print` composed is what the first rotation wrote; with
        // draws in rounds, which `--print` leaves alone, what it could have
        // written with another entry of the same collection.
        const std::string first = rig.Editor("txtCurrent").GetText();
        if (rig.platform.Now() == now && printed != first &&
            !(rig.Form().state.NoRepeats && AnotherEntryGives(printed)))
            RC_FAIL("6: --print gives " + Quote(printed.substr(0, 200)) + ", the first rotation " +
                    Quote(first));
        // 4: the note names the recovery files, and only those that exist,
        // and says they are beside their files only where they are.
        std::string note;
        for (std::size_t i = shownBefore; i < rig.messages.shown.size(); ++i)
            if (rig.messages.shown[i].text.starts_with("Tagrota was ended last time"))
                note = rig.messages.shown[i].text;
        for (const Kept& k : noted) {
            if (fs::exists(k.path)) RC_ASSERT(note.find(k.path) != std::string::npos);
            if (fs::path(k.path).parent_path() != fs::path(k.origin).parent_path())
                RC_ASSERT(note.find("beside the files they belong to") == std::string::npos);
        }
        std::istringstream lines(note);
        for (std::string line; std::getline(lines, line);) {
            if (!line.empty() && line.back() == '\r') line.pop_back();
            if (line.starts_with('\t')) RC_ASSERT(fs::exists(line.substr(1)));
        }
    }

    // The start-up writes a placeholder where a file is missing, if it can.
    std::string Placeholder(const std::string& p, const std::string& text) {
        if (Writable(p)) {
            expectedWrites.push_back({p, text});
            m.disk[p] = text;
        }
        return text;
    }

    void PredictStart() {
        EditorModel& f = m.editor[0];
        f = {};
        f.origin = fixed;
        f.Loaded(Readable(fixed) ? *m.disk[fixed] : DefaultFixedText());
        EditorModel& r = m.editor[1];
        r = {};
        r.origin = m.next;
        // The fixed signature's file is never a collection.
        if (m.next != fixed && !Exists(m.next)) {
            r.text = Placeholder(m.next, PlaceholderCollectionText());
        } else if (m.next != fixed && Usable(m.next)) {
            r.text = *m.disk[m.next];
        } else {
            m.next = r.origin = byDefault;
            if (!Exists(byDefault))
                r.text = Placeholder(byDefault, DefaultCollectionText());
            else
                r.text = Readable(byDefault) ? *m.disk[byDefault] : "";
        }
        r.saved = m.quotes = r.text;
        r.read = m.disk[r.origin];
        // Noted once both are loaded: the collection may be fixed.txt itself.
        f.read = m.disk[fixed];
    }

    // --- The checks ---

    // Files that no rotation may write: those the editors hold, the collection
    // chosen for the next start, the program's own.
    bool Protected(const std::string& p) const {
        return p == fixed || p == m.editor[1].origin || p == m.next || p == settingsFile;
    }

    // A signature from the fixed text and the collection in use, as they were
    // before the step or are after it.
    bool Complete(const std::string& bytes) const {
        for (const Model* state : {&before, &m}) {
            ProgramState program;
            SplitInto(program, state->quotes);
            const auto list = state->setAside.find(state->editor[1].origin);
            auto setAside = [&](Long i) {
                return list != state->setAside.end() &&
                       std::find(list->second.begin(), list->second.end(),
                                 NeverAgainKey(program.Sigs[static_cast<std::size_t>(i)])) !=
                           list->second.end();
            };
            bool anyKept = false;
            for (Long i = 0; i < UsableEntryCount(program); ++i) anyKept = anyKept || !setAside(i);
            for (const Model* fixedFrom : {&before, &m}) {
                const std::string& fixedText = fixedFrom->editor[0].text;
                if (!anyKept && bytes == fixedText) return true;
                for (Long i = 0; i < UsableEntryCount(program); ++i)
                    if (!setAside(i) &&
                        bytes == fixedText + "\r\n" + program.Sigs[static_cast<std::size_t>(i)])
                        return true;
            }
        }
        return false;
    }

    // Whether the first rotation, drawing another entry, would have written
    // the signature: the same fixed text, collection, wrapping and line ends.
    bool AnotherEntryGives(const std::string& printed) {
        const ProgramState& st = rig.Form().state;
        const std::string fixedText = rig.Editor("txtFixedSig").GetText();
        for (Long i = 0; i < UsableEntryCount(st); ++i)
            if (printed ==
                SignatureFileText(
                    ComposeSignature(fixedText, st.Sigs.Piece(static_cast<std::size_t>(i)),
                                     {st.DoWrap, st.WrapCount, st.WrapStrict}),
                    st.SigLineEnds))
                return true;
        return false;
    }

    static std::string Quote(const std::optional<std::string>& text) {
        if (!text) return "(no file)";
        std::string quoted = "\"";
        for (char ch : *text)
            quoted += ch == '\r' ? "\\r" : ch == '\n' ? "\\n" : std::string(1, ch);
        return quoted + "\"";
    }

    std::optional<std::string> OnDisk(const std::string& p) {
        if (!fs::exists(p)) return std::nullopt;
        if (const std::uintmax_t size = fs::file_size(p); size > kMaxSignatureBytes)
            return Sparse(size);
        return test::ReadBytes(p);
    }

    void WhileAsked() {
        const headless::MessageBox::Shown& box = rig.messages.shown.back();
        const bool tick = std::exchange(firstBox, false) && step.tickWhileAsked > 0;
        const std::string button = box.buttons.empty() ? "" : box.buttons[0];
        std::optional<Question> question;
        if (box.title == "Collection Change") question = kCollectionChange;
        if (button == "&Save") question = kUnsaved;
        if (button == "&Overwrite") question = kChanged;
        if (question) {
            // Each question shows its buttons, and a question about a tab's
            // text at Save or closing has that tab in front.
            if (*question != kCollectionChange) {
                static const std::vector<std::string> buttons[] = {
                    {}, {"&Save", "&Discard", "Cancel"}, {"&Overwrite", "&Reload", "Cancel"}};
                RC_ASSERT(box.buttons == buttons[*question]);
                const int tab = rig.Tabs().Tab();
                if (step.kind == Kind::Save || step.kind == Kind::UserClose)
                    RC_ASSERT(tab < 2 && box.text.find(m.editor[tab].origin) != std::string::npos);
            }
            asked.push_back({*question, box.text});
            const int pressed = NextAnswer(given);
            rig.messages.Answer(*question != kCollectionChange ? pressed
                                : pressed == 0                 ? MsgBoxResult::Yes
                                                               : MsgBoxResult::No);
        }
        if (tick) rig.platform.Advance(step.tickWhileAsked);
    }

    void Check() {
        // 1, 2, 3: every file written was written by Save, by the start-up's
        // placeholders, or by a rotation that may write there.
        for (const auto& [path, bytes] : writes) {
            if (path.find(".recovered-") != std::string::npos) continue;
            const auto expected =
                std::find(expectedWrites.begin(), expectedWrites.end(), std::pair{path, bytes});
            if (expected != expectedWrites.end()) {
                expectedWrites.erase(expected);
                continue;
            }
            if (path != m.target)
                RC_FAIL("2: written without Save: " + path + " = " + Quote(bytes));
            if (Protected(path)) RC_FAIL("1: a rotation wrote over " + path);
            if (!Complete(bytes)) RC_FAIL("3: not a complete signature: " + Quote(bytes));
            m.disk[path] = bytes;
        }
        if (!expectedWrites.empty())
            RC_FAIL("2: not written: " + expectedWrites[0].first + " = " +
                    Quote(expectedWrites[0].second));
        // 5 (and 4): the questions asked are those that should come.
        RC_ASSERT(asked.size() == expectedQuestions.size());
        for (std::size_t i = 0; i < asked.size(); ++i) {
            RC_ASSERT(asked[i].first == expectedQuestions[i].first);
            RC_ASSERT(asked[i].second.find(expectedQuestions[i].second) != std::string::npos);
        }
        // 2: every file holds what it should.
        for (const std::string& p : Pool())
            if (OnDisk(p) != m.disk[p])
                RC_FAIL("2: " + p + " holds " + Quote(OnDisk(p)) + ", not " + Quote(m.disk[p]));
        // 4: the editors hold what they should; nothing unsaved has gone.
        if (rig.Window().Closed()) return;
        for (int t : {0, 1}) {
            if (Editor(t).GetText() != m.editor[t].text)
                RC_FAIL("4: editor " + std::to_string(t) + " holds " + Quote(Editor(t).GetText()) +
                        ", not " + Quote(m.editor[t].text));
            const bool dirty = t == 0 ? rig.Form().state.FixedDirty : rig.Form().state.RandomDirty;
            RC_ASSERT(dirty == m.editor[t].Dirty());
        }
    }

    test::MainRig rig;
    const std::string fixed = rig.dir.File("fixed.txt"), sig = rig.dir.File("sig.txt"),
                      a = rig.dir.File("a.txt"), b = rig.dir.File("b.txt"),
                      out = rig.dir.File("out.txt"), none = rig.dir.File("none.txt"),
                      settingsFile = rig.dir.File("settings.ini"), sub = rig.dir.File("sub"),
                      c = sub + "/c.txt",
                      byDefault = DefaultCollectionPath(rig.dir.Path().string());
    std::optional<OwnFile> settingsRegistration;
    Model m, before;
    Step step{Kind::Tick, 0, 0, {}, 0};
    std::size_t predicted = 0, given = 0;
    bool firstBox = true;
    int made = 0;
    std::vector<std::pair<std::string, std::string>> writes, expectedWrites;
    std::vector<std::pair<Question, std::string>> expectedQuestions, asked;
    std::vector<Kept> recovering;  // what the close should keep in recovery files
};

// The kinds of step, each as often as its weight (in the order of Kind).
std::vector<Kind> KindPool() {
    const int weights[] = {6, 6, 3, 6, 5, 6, 3, 5, 1, 5, 2, 3, 2, 1, 2, 3, 2};
    std::vector<Kind> pool;
    for (int k = 0; k < 17; ++k) pool.insert(pool.end(), weights[k], static_cast<Kind>(k));
    return pool;
}

rc::Gen<Step> AStep() {
    using rc::gen::inRange;
    return rc::gen::apply(
        [](Kind kind, int a, int b, std::vector<int> answers, int tick) {
            return Step{kind, a, b, std::move(answers), tick};
        },
        rc::gen::elementOf(KindPool()), inRange(0, 9), inRange(0, 4),
        rc::gen::container<std::vector<int>>(3, inRange(0, 3)),
        rc::gen::weightedElement<int>({{5, 0}, {1, 25000}}));
}

// 2,500 days of up to 30 steps, in rounds of RapidCheck's usual hundred, each
// round from a seed of its own; a failure names the seed that replays it. The
// days' folders are in memory where there is such a file system: the saves
// flush to the disk, which would make thousands of days slow.
TEST(UserDay, KeepsEveryFileWhereItBelongs) {
    const char* tmp = std::getenv("TMPDIR");
    const std::optional<std::string> tmpWas = tmp ? std::optional<std::string>(tmp) : std::nullopt;
    if (fs::is_directory("/dev/shm")) ::setenv("TMPDIR", "/dev/shm", 1);
    bool kept = true;
    for (int round = 0; kept && round < 25; ++round)
        kept = rc::check("a user's day keeps every file where it belongs", [] {
            Day day;
            day.Begin();
            for (const Step& s : *rc::gen::resize(
                     30, rc::gen::container<std::vector<Step>>(rc::gen::resize(100, AStep()))))
                day.Do(s);
        });
    if (tmpWas)
        ::setenv("TMPDIR", tmpWas->c_str(), 1);
    else
        ::unsetenv("TMPDIR");
    EXPECT_TRUE(kept);
}

// --- The faults the days found, each as its shortest day ---

class UserDayFault : public ::testing::Test {
protected:
    std::string File(const std::string& name, const std::string& bytes) {
        test::WriteBytes(rig.dir.File(name), bytes);
        return rig.dir.File(name);
    }
    // What `--print` composes, then the start-up.
    std::string PrintThenStart() {
        rig.Store(SettingKey::NoRepeats, "False");  // the start draws as `--print` does
        SplitMixRandom random;
        const PrintedSignature printed = ComposePrintedSignature(
            rig.store, rig.files, rig.platform.clock, random, rig.dir.Path().string());
        rig.Start();
        return printed.text;
    }
    test::MainRig rig;
};

// 6: the configured collection is missing (the start-up writes the
// placeholder).
TEST_F(UserDayFault, PrintComposesWhatTheStartWritesWhereTheCollectionIsMissing) {
    rig.Store(SettingKey::RandomFile, rig.dir.File("missing.txt"));
    const std::string printed = PrintThenStart();
    EXPECT_EQ(printed, rig.Signature());
}

// 6: a fixed signature too large to be one.
TEST_F(UserDayFault, PrintComposesWhatTheStartWritesWhereTheFixedSignatureIsTooLarge) {
    fs::resize_file(File("fixed.txt", ""), kMaxSignatureBytes + 1);
    const std::string printed = PrintThenStart();
    EXPECT_TRUE(printed == rig.Signature()) << "the start-up wrote " << rig.Signature();
}

// 5: TypeFixed, WorldChmod(fixed.txt), Save.
TEST_F(UserDayFault, AModeChangeAloneIsNoChangeByAnotherProgram) {
    const std::string fixed = File("fixed.txt", "-- \r\nMe\r\n");
    rig.Start();
    rig.Editor("txtFixedSig").Type("-- \r\nJo\r\n");
    ASSERT_EQ(::chmod(fixed.c_str(), 0600), 0);
    rig.Toolbar().Click("Save");
    EXPECT_TRUE(rig.messages.shown.empty());
    EXPECT_EQ(test::ReadBytes(fixed), "-- \r\nJo\r\n");
}

// 5 and 2: WorldWrite(collection in use), ChooseCollection(missing file, Yes),
// then the Random tab, which must show the other program's change.
TEST_F(UserDayFault, AReloadThatFailsTakesNoChangeOfTheOldFileAsRead) {
    const std::string a = File("a.txt", "A1\r\n%\r\nA2\r\n%\r\n");
    rig.Store(SettingKey::RandomFile, a);
    rig.Start();
    test::WriteBytes(a, "B1\r\n%\r\nB2\r\n%\r\nB3\r\n%\r\n");
    rig.messages.Answer(MsgBoxResult::Yes);
    rig.dialog.Choose(rig.dir.File("missing.txt"));
    rig.Find<headless::Button>("btnFindPath(0)").Click();
    rig.Toolbar().Click("Random");
    EXPECT_EQ(rig.Editor("txtRandom").GetText(), "B1\r\n%\r\nB2\r\n%\r\nB3\r\n%\r\n");
}

// 5: with the Random tab in front, a collection dropped and loaded with Yes,
// TypeRandom, Save: the collection just read is saved without a question,
// since nobody else changed it.
TEST_F(UserDayFault, ACollectionJustLoadedIsSavedWithoutAQuestion) {
    const std::string a = File("a.txt", "A1\r\n%\r\nA2\r\n%\r\n");
    const std::string b = File("b.txt", "B1\r\n%\r\nB2\r\n%\r\n");
    rig.Store(SettingKey::RandomFile, a);
    rig.Start();
    rig.Toolbar().Click("Random");
    rig.messages.Answer(MsgBoxResult::Yes);
    ASSERT_TRUE(rig.Window().DropFile(b));
    rig.messages.shown.clear();
    rig.Editor("txtRandom").Type("T1\r\n%\r\nT2\r\n%\r\n");
    rig.Toolbar().Click("Save");
    EXPECT_TRUE(rig.messages.shown.empty());
    EXPECT_EQ(test::ReadBytes(b), "T1\r\n%\r\nT2\r\n%\r\n");
    EXPECT_EQ(test::ReadBytes(a), "A1\r\n%\r\nA2\r\n%\r\n");
}

// 4: TypeRandom, Save, TypeRandom twice (back to the saved text, which
// counts as an edit), ChooseCollection(another, No), then the one in use
// again with Yes and Discard: the file loaded is the text shown, unedited.
TEST_F(UserDayFault, ALoadOfTheTextShownLeavesNoEditBehind) {
    const std::string a = File("a.txt", "A1\r\n%\r\nA2\r\n%\r\n");
    const std::string b = File("b.txt", "B1\r\n%\r\nB2\r\n%\r\n");
    rig.Store(SettingKey::RandomFile, b);
    rig.Start();
    headless::Editor& random = rig.Editor("txtRandom");
    random.Type("T1\r\n%\r\nT2\r\n%\r\n");
    rig.Toolbar().Click("Save");
    random.Type("no quotes typed");
    random.Type("T1\r\n%\r\nT2\r\n%\r\n");
    for (const auto& [path, answers] :
         {std::pair{a, std::vector<int>{MsgBoxResult::No}},
          std::pair{b, std::vector<int>{MsgBoxResult::Yes, 1 /* Discard */}}}) {
        for (int answer : answers) rig.messages.Answer(answer);
        rig.dialog.Choose(path);
        rig.Find<headless::Button>("btnFindPath(0)").Click();
    }
    EXPECT_FALSE(rig.Form().state.RandomDirty);
    EXPECT_EQ(rig.Tabs().TabPicture(1), "Clean");
}

// 1: ChooseTarget(a), ChooseCollection(a, No), then ChooseCollection(b) with
// a tick while its question waits: a is still the collection chosen, and no
// signature goes into it.
TEST_F(UserDayFault, NoTickWritesWhileTheCollectionQuestionWaits) {
    const std::string a = File("a.txt", "A1\r\n%\r\nA2\r\n%\r\n");
    const std::string b = File("b.txt", "B1\r\n%\r\nB2\r\n%\r\n");
    rig.Start();
    rig.dialog.Choose(a);
    rig.messages.Answer(MsgBoxResult::No);
    rig.Find<headless::Button>("btnFindPath(0)").Click();
    rig.dialog.Choose(a);
    rig.Find<headless::Button>("btnFindPath(1)").Click();
    std::string whileAsked;
    rig.messages.whileOpen = [&] {
        rig.platform.Advance(25000);
        whileAsked = test::ReadBytes(a);
    };
    rig.dialog.Choose(b);
    rig.messages.Answer(MsgBoxResult::Yes);
    rig.Find<headless::Button>("btnFindPath(0)").Click();
    EXPECT_EQ(whileAsked, "A1\r\n%\r\nA2\r\n%\r\n");
}

}  // namespace
}  // namespace tagrota
