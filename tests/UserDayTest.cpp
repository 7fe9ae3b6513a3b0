// A user's day with the main window, played at random: the user types, takes
// typing back, saves, goes from tab to tab, chooses files and answers the
// questions; the world lets time pass, changes, deletes and locks files, and
// ends the program, which then starts again on the same folder and settings.
// A model kept beside the program says what every file and editor should
// hold; after every step:
//  1. no rotation writes over a file an editor holds or the program uses;
//  2. Save writes its editor's text to the file that text came from, and no
//     file of the user's is written otherwise;
//  3. every signature written is complete: a fixed text and a quotation of the
//     collection in use (the fixed text alone where no collection holds any),
//     never one composed before the start-up has loaded the files;
//  4. unsaved text goes only after an answer, or into a recovery file that the
//     next start names while it exists;
//  5. "changed by another program" is asked only where the content changed;
//  6. `--print` composes what the next start's first rotation writes.

#include <gtest/gtest.h>
#include <rapidcheck.h>
#include <rapidcheck/gtest.h>

#include <sys/stat.h>

#include <array>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <optional>
#include <ostream>
#include <set>
#include <sstream>

#include "TestSupport.h"
#include "engine/Collection.h"
#include "engine/PrintSignature.h"
#include "engine/Settings.h"

namespace tagrota {
namespace {

namespace fs = std::filesystem;

// --- The pieces of a day ---

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
    Signal,      // SIGTERM, then the next start
    SessionEnd,  // a session end that lets nobody be asked, then the next start
    UserClose,   // Exit, the window's close box or Ctrl+Q; after a close, the next start
};

const char* Name(Kind kind) {
    static const char* const names[] = {
        "TypeFixed",        "TypeRandom",   "Undo",   "Save",       "SwitchTab",
        "ChooseCollection", "ChooseTarget", "Tick",   "Stop",       "WorldWrite",
        "WorldDelete",      "WorldChmod",   "Signal", "SessionEnd", "UserClose"};
    return names[static_cast<int>(kind)];
}

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
    out << Name(s.kind) << "(" << s.a << ", " << s.b << ")";
    if (!s.answers.empty()) {
        out << " answers";
        for (int answer : s.answers) out << " " << answer;
    }
    if (s.tickWhileAsked) out << " tick while asked " << s.tickWhileAsked;
    return out;
}

// The folder as the day begins: each file's content kind (see Content), the
// collection and signature files configured, and time passing while a
// start-up message is open.
struct Morning {
    // fixed.txt, default collection, a.txt, b.txt, sub/c.txt: 0 none, 1 to 4 as
    // Content makes them, 5 a collection that cannot be read.
    std::array<int, 5> kinds;
    int collection = 0, target = 0;
    bool damagedSettings = false;
    int tickWhileAsked = 0;
};

std::ostream& operator<<(std::ostream& out, const Morning& s) {
    out << "files";
    for (int kind : s.kinds) out << " " << kind;
    return out << " collection " << s.collection << " target " << s.target << " damaged "
               << s.damagedSettings << " tick while asked " << s.tickWhileAsked;
}

// --- What the program should hold ---

// An editor: its text, the text it was loaded or saved with, what Undo takes
// back and how much of that there was at the load or save (it is unsaved
// until undone back to there, as text editors count it; typing over an undone
// save loses the way back), the file its text came from (where Save goes) and
// that file's content when the program last read or wrote it (nothing for a
// file that was not there).
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
};

enum Question { kCollectionChange, kUnsaved, kChanged };

const std::string kTyped[] = {"-- \r\nMe, typed\r\n", "-- \r\nJo\r\n", "Me\r\n",
                              "-- \r\nMe, typed at length\r\n"};
const std::string kTypedQuotes[] = {"T1\r\n%\r\nT2\r\n%\r\n", "no quotes typed",
                                    "T1\r\n%\r\nT2\r\n%\r\nT3, typed\r\n%\r\n"};

class Day {
public:
    Day() {
        fs::create_directories(rig.dir.Path() / "sub");
        fixed = rig.dir.File("fixed.txt");
        byDefault = DefaultCollectionPath(rig.dir.Path().string());
        sig = rig.dir.File("sig.txt");
        a = rig.dir.File("a.txt");
        b = rig.dir.File("b.txt");
        c = (rig.dir.Path() / "sub" / "c.txt").string();
        out = rig.dir.File("out.txt");
        settingsFile = rig.dir.File("settings.ini");
        none = rig.dir.File("none.txt");
        sub = (rig.dir.Path() / "sub").string();
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

    void Begin(const Morning& morning) {
        const std::string files[] = {fixed, byDefault, a, b, c};
        for (int i = 0; i < 5; ++i) {
            const int kind = morning.kinds[i];
            if (kind == 0) continue;
            Write(files[i], Content(files[i], kind == 5 ? 1 : kind));
            if (kind == 5) Chmod(files[i], 2);
        }
        const std::string collections[] = {a, b, c, byDefault, none};
        const std::string targets[] = {sig, out, a};
        m.next = collections[morning.collection % 5];
        m.target = targets[morning.target % 3];
        rig.Store(SettingKey::RandomFile, m.next);
        rig.Store(SettingKey::CurrentFile, m.target);
        StartNext(morning.damagedSettings, morning.tickWhileAsked);
    }

    void Do(const Step& s) {
        step = s;
        predicted = given = 0;
        firstBox = true;
        writes.clear();
        expectedWrites.clear();
        expectedQuestions.clear();
        asked.clear();
        before = m;
        switch (s.kind) {
            case Kind::TypeFixed:
            case Kind::TypeRandom: {
                const int t = s.kind == Kind::TypeFixed ? 0 : 1;
                SwitchTo(t, s.b);
                EditorModel& e = m.editor[t];
                const std::string text =
                    s.a >= 7 ? e.saved : (t == 0 ? kTyped[s.a % 4] : kTypedQuotes[s.a % 3]);
                if (text != e.text) {
                    if (e.clean && *e.clean > e.undo.size()) e.clean.reset();
                    e.undo.push_back(e.text);
                    e.text = text;
                }
                Editor(t).Type(text);
                break;
            }
            case Kind::Undo: {
                const int t = s.a % 2;
                SwitchTo(t, s.b);
                EditorModel& e = m.editor[t];
                if (!e.undo.empty()) {
                    e.text = e.undo.back();
                    e.undo.pop_back();
                }
                Editor(t).Undo();
                break;
            }
            case Kind::Save: {
                const int t = rig.Tabs().Tab();
                if (t < 2 && m.editor[t].Dirty()) PredictSave(t);
                if (s.a % 3 == 0) rig.Toolbar().Click("Save");
                if (s.a % 3 == 1) rig.Window().Menu().Click("mnuSave");
                if (s.a % 3 == 2) rig.Window().PressShortcut("Ctrl+S");
                break;
            }
            case Kind::SwitchTab:
                SwitchTo(s.a % 4, s.b);
                break;
            case Kind::ChooseCollection:
                ChooseCollection();
                break;
            case Kind::ChooseTarget: {
                const std::string choices[] = {sig,    out,       fixed, m.editor[1].origin,
                                               m.next, byDefault, a,     settingsFile};
                if (s.a == 8) {
                    rig.dialog.Cancel();
                } else {
                    const std::string chosen = choices[s.a % 8];
                    m.target = chosen;
                    rig.dialog.Choose(chosen);
                }
                rig.Find<headless::Button>("btnFindPath(1)").Click();
                break;
            }
            case Kind::Tick:
                rig.platform.Advance(1000 + 7000 * s.a);
                break;
            case Kind::Stop:
                if (s.a % 3 == 0) rig.Toolbar().Click("Stop");
                if (s.a % 3 == 1) rig.Window().Menu().Click("mnuStop");
                if (s.a % 3 == 2) rig.Window().PressShortcut("Ctrl+T");
                break;
            case Kind::WorldWrite: {
                const std::string& path = WorldFile(s.a);
                std::string bytes = Content(path, 1 + s.b % 4);
                Write(path, bytes);
                break;
            }
            case Kind::WorldDelete: {
                const std::string& path = WorldFile(s.a);
                fs::remove(path);
                m.disk[path] = std::nullopt;
                Chmod(path, 0);
                break;
            }
            case Kind::WorldChmod:
                if (s.a % 4 == 3) {
                    ChmodFolder(s.b % 2 == 1);
                } else {
                    const std::string& path = WorldFile(s.a);
                    Chmod(path, s.b);
                }
                break;
            case Kind::Signal:
            case Kind::SessionEnd:
                Recover();
                rig.Window().Close(s.kind == Kind::Signal ? UnloadMode::AppTaskManager
                                                          : UnloadMode::AppWindows);
                Check();
                Restart(s);
                return;
            case Kind::UserClose:
                recovering.clear();
                PredictClose();
                if (s.a % 3 == 0) rig.Toolbar().Click("Exit");
                if (s.a % 3 == 1) rig.Window().UserClose();
                if (s.a % 3 == 2) rig.Window().PressShortcut("Ctrl+Q");
                Check();
                if (rig.Window().Closed()) Restart(s);
                return;
        }
        Check();
    }

private:
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
        ++made;
        const std::string n = std::to_string(made);
        std::string bytes;
        if (kind == 4) return Sparse((path == fixed ? kMaxSignatureBytes : kMaxFileBytes) + made);
        if (path == fixed)
            bytes = kind == 1 ? "-- \r\nFrom disk " + n + "\r\n" : "Plain " + n;
        else if (kind == 1)
            bytes = "Q" + n + " one\r\n%\r\nQ" + n + " two\r\n%\r\n";
        else if (kind == 2)
            bytes = "nothing to quote " + n;
        if (m.disk[path] && m.disk[path]->size() == bytes.size()) bytes += " ";
        return bytes;
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

    void ChmodFolder(bool readOnly) {
        ::chmod(sub.c_str(), readOnly ? 0555 : 0755);
        if (readOnly)
            rig.files.readOnly.insert(sub);
        else
            rig.files.readOnly.erase(sub);
    }

    bool Exists(const std::string& p) { return m.disk[p].has_value(); }
    bool Readable(const std::string& p) {
        return Exists(p) && !rig.files.failReads.count(p) && !SparseSize(*m.disk[p]);
    }
    bool Writable(const std::string& p) {
        return !rig.files.readOnly.count(p) &&
               (Exists(p) || !rig.files.readOnly.count(fs::path(p).parent_path().string()));
    }
    static bool HoldsQuotations(const std::string& text) {
        return SplitCollection(text).size() >= 2;
    }

    // --- The user ---

    headless::Editor& Editor(int t) { return rig.Editor(t == 0 ? "txtFixedSig" : "txtRandom"); }

    // The tab brought to the front, in one of the user's ways.
    void SwitchTo(int tab, int way) {
        const int from = rig.Tabs().Tab();
        if (from == tab) return;
        const char* keys[] = {"Fixed", "Random", "Current", "Settings"};
        if (way % 4 == 0) rig.Toolbar().Click(keys[tab]);
        if (way % 4 == 1) rig.Tabs().ClickTab(tab);
        if (way % 4 == 2) {
            if (tab == 3) {
                rig.Window().Menu().Click("mnuSettings");
            } else {
                while (rig.Tabs().Tab() != tab) rig.Window().PressShortcut("Ctrl+Tab");
            }
        }
        if (way % 4 == 3) {
            while (rig.Tabs().Tab() != tab) rig.Window().PressShortcut("Ctrl+PgUp");
        }
        // Each tab passed on the way shows its file anew when it has no edits.
        const int stride = way % 4 == 3 ? 3 : way % 4 == 2 && tab != 3 ? 1 : 0;
        if (stride == 0) {
            PredictRefresh(tab);
            return;
        }
        for (int t = from; t != tab;) {
            t = (t + stride) % 4;
            PredictRefresh(t);
        }
    }

    // The button pressed at the next question: as the model sees it, or as
    // the program asks it.
    int NextAnswer(std::size_t& next) const {
        return next < step.answers.size() ? step.answers[next++] : 2;
    }
    int NextAnswer() { return NextAnswer(predicted); }

    // What the program does: a tab without edits shows its file as it is now.
    void PredictRefresh(int t) {
        if (t > 1) return;
        EditorModel& e = m.editor[t];
        if (e.Dirty() || !Readable(e.origin) || m.disk[e.origin] == e.read) return;
        e.Loaded(*m.disk[e.origin]);
        e.read = m.disk[e.origin];
    }

    bool Changed(const EditorModel& e) { return Exists(e.origin) && m.disk[e.origin] != e.read; }

    // Save of the tab: asks first where the file changed since it was read.
    // True when the edits are gone (saved, or dropped by a reload).
    bool PredictSave(int t) {
        EditorModel& e = m.editor[t];
        if (Changed(e)) {
            expectedQuestions.push_back({kChanged, e.origin});
            const int pressed = NextAnswer();
            if (pressed == 1) {
                if (!Readable(e.origin)) return false;
                e.Loaded(*m.disk[e.origin]);
                e.read = m.disk[e.origin];
                return true;
            }
            if (pressed != 0) return false;
        }
        if (!Writable(e.origin)) return false;
        expectedWrites.push_back({e.origin, e.text});
        m.disk[e.origin] = e.text;
        e.Saved();
        e.read = e.text;
        return true;
    }

    bool PredictSettle(int t) {
        EditorModel& e = m.editor[t];
        if (!e.Dirty()) return true;
        expectedQuestions.push_back({kUnsaved, e.origin});
        const int pressed = NextAnswer();
        if (pressed == 0) return PredictSave(t) && !e.Dirty();
        return pressed == 1;
    }

    // True when the window closes.
    bool PredictClose() {
        for (int t : {0, 1})
            if (!PredictSettle(t)) return false;
        return true;
    }

    void ChooseCollection() {
        const std::string choices[] = {a, b, c, byDefault, none, fixed, sig};
        if (step.a >= 7) {
            rig.dialog.Cancel();
            rig.Find<headless::Button>("btnFindPath(0)").Click();
            return;
        }
        const std::string chosen = choices[step.a];
        PredictChoice(chosen);
        rig.dialog.Choose(chosen);
        rig.Find<headless::Button>("btnFindPath(0)").Click();
    }

    // True when a reload was tried and did not take the chosen file.
    bool PredictChoice(const std::string& chosen) {
        const std::string old = m.next;
        m.next = chosen;
        if (chosen == old) return false;
        expectedQuestions.push_back({kCollectionChange, ""});
        if (NextAnswer() != 0) return false;  // No: chosen for the next start
        if (!PredictSettle(1)) {
            m.next = old;
            return false;
        }
        if (!Readable(chosen) || !HoldsQuotations(*m.disk[chosen])) {
            m.next = old;
            return true;
        }
        EditorModel& r = m.editor[1];
        r.Loaded(*m.disk[chosen]);
        r.origin = chosen;
        r.read = m.disk[chosen];
        m.quotes = r.text;
        return false;
    }

    // --- Closing and the next start ---

    struct Kept {
        std::string path, bytes, origin;
    };

    // Where nobody can be asked: what should go to recovery files.
    void Recover() {
        recovering.clear();
        for (int t : {0, 1})
            if (m.editor[t].Dirty())
                recovering.push_back({"", m.editor[t].text, m.editor[t].origin});
    }

    void Restart(const Step& s) {
        // The recovery files written at the close; the world may delete them.
        for (Kept& k : recovering) {
            for (const auto& [path, bytes] : writes)
                if (bytes == k.bytes && path.find(".recovered-") != std::string::npos &&
                    fs::path(path).filename().string().starts_with(
                        fs::path(k.origin).filename().string() + ".recovered-"))
                    k.path = path;
            RC_ASSERT_FALSE(k.path.empty());  // 4: unsaved text kept
        }
        noted = recovering;
        if (s.b % 2 == 1)
            for (const Kept& k : noted) fs::remove(k.path);
        StartNext(s.b / 2 % 2 == 1, s.tickWhileAsked);
    }

    void StartNext(bool damagedSettings, int tickWhileAsked) {
        writes.clear();
        expectedWrites.clear();
        expectedQuestions.clear();
        asked.clear();
        step = Step{Kind::Signal, 0, 0, {}, tickWhileAsked};
        firstBox = true;
        predicted = given = 0;
        before = m;
        const std::size_t shownBefore = rig.messages.shown.size();

        // What `--print` says now.
        SplitMixRandom random;
        const PrintedSignature printed = ComposePrintedSignature(
            rig.store, rig.files, rig.platform.clock, random, rig.dir.Path().string());
        const std::int64_t now = rig.platform.Now();
        bool comparable = true;

        PredictStart();
        rig.store.readStatus =
            damagedSettings ? FileStatus::Failure("cut off in the middle") : FileStatus{};
        starting = true;
        rig.form.reset();
        rig.Start();
        starting = false;
        rig.store.readStatus = {};
        Check();

        // 3: the first rotation has written a complete signature.
        if (Writable(m.target) && !Protected(m.target))
            RC_ASSERT(m.disk[m.target] && Complete(*m.disk[m.target]));
        // 6: what `--print` composed is what the first rotation wrote.
        if (comparable && rig.platform.Now() == now &&
            printed.text != rig.Editor("txtCurrent").GetText())
            RC_FAIL("6: --print gives " + Quote(printed.text.substr(0, 200)) +
                    ", the first rotation " + Quote(rig.Editor("txtCurrent").GetText()));
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
            const std::size_t colon = line.find(": ");
            if (line.starts_with("Your ") && colon != std::string::npos)
                RC_ASSERT(fs::exists(line.substr(colon + 2)));
        }
        noted.clear();
    }

    void PredictStart() {
        EditorModel& f = m.editor[0];
        f = {};
        f.origin = fixed;
        f.Loaded(Readable(fixed) ? *m.disk[fixed] : DefaultFixedText());
        f.read = m.disk[fixed];

        EditorModel& r = m.editor[1];
        r = {};
        r.origin = m.next;
        bool fallBack = false;
        if (!Exists(m.next)) {
            r.text = PlaceholderCollectionText();
            if (Writable(m.next)) {
                expectedWrites.push_back({m.next, r.text});
                m.disk[m.next] = r.text;
            }
        } else if (!Readable(m.next) || !HoldsQuotations(*m.disk[m.next])) {
            fallBack = true;
        } else {
            r.text = *m.disk[m.next];
        }
        if (fallBack) {
            m.next = r.origin = byDefault;
            if (Exists(byDefault)) {
                r.text = Readable(byDefault) ? *m.disk[byDefault] : "";
            } else {
                r.text = DefaultCollectionText();
                if (Writable(byDefault)) {
                    expectedWrites.push_back({byDefault, r.text});
                    m.disk[byDefault] = r.text;
                }
            }
        }
        r.saved = r.text;
        r.read = m.disk[r.origin];
        m.quotes = r.text;
        // The start-up notes the files as they are once both are loaded (the
        // collection may be fixed.txt itself).
        f.read = m.disk[fixed];
    }

    // --- The checks ---

    // Files that no rotation may write: those the editors hold, the collection
    // chosen for the next start, the program's own.
    bool Protected(const std::string& p) const {
        return p == fixed || p == m.editor[1].origin || p == m.next || p == settingsFile;
    }

    static std::vector<std::string> Quotations(const std::string& text) {
        ProgramState state;
        SplitInto(state, text);
        std::vector<std::string> quotations;
        for (Long i = 0; i < UsableEntryCount(state); ++i)
            quotations.push_back(state.Sigs[static_cast<std::size_t>(i)]);
        return quotations;
    }

    // A signature from the fixed text and the collection in use, as they were
    // before the step or are after it.
    bool Complete(const std::string& bytes) const {
        for (const Model* state : {&before, &m})
            for (const Model* fixedFrom : {&before, &m}) {
                const std::string& fixedText = fixedFrom->editor[0].text;
                const auto quotations = Quotations(state->quotes);
                if (quotations.empty() && bytes == fixedText) return true;
                for (const std::string& q : quotations)
                    if (bytes == fixedText + "\r\n" + q) return true;
            }
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
        const bool tick = firstBox && step.tickWhileAsked > 0;
        firstBox = false;
        std::optional<Question> question;
        if (box.title == "Collection Change") question = kCollectionChange;
        if (!box.buttons.empty() && box.buttons[0] == "Save") question = kUnsaved;
        if (!box.buttons.empty() && box.buttons[0] == "Overwrite") question = kChanged;
        if (question) {
            asked.push_back({*question, box.text});
            const int pressed = NextAnswer(given);
            if (*question == kCollectionChange)
                rig.messages.Answer(pressed == 0 ? MsgBoxResult::Yes : MsgBoxResult::No);
            else
                rig.messages.Answer(pressed);
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

    struct Model {
        std::map<std::string, std::optional<std::string>> disk;
        std::array<EditorModel, 2> editor;
        std::string quotes;  // the collection text whose quotations rotate
        std::string next;    // the collection chosen for the next start
        std::string target;  // the current signature file
    };

public:
    test::MainRig rig;

private:
    std::string fixed, byDefault, sig, a, b, c, out, settingsFile, none, sub;
    std::optional<OwnFile> settingsRegistration;
    Model m, before;
    Step step{Kind::Tick, 0, 0, {}, 0};
    std::size_t predicted = 0, given = 0;
    bool firstBox = true, starting = false;
    int made = 0;
    std::vector<std::pair<std::string, std::string>> writes, expectedWrites;
    std::vector<std::pair<Question, std::string>> expectedQuestions, asked;
    std::vector<Kept> recovering, noted;
};

// The days' folders in memory where there is such a file system: the saves
// flush to the disk, which would make thousands of days slow.
class InMemoryFolders {
public:
    InMemoryFolders() {
        if (const char* tmp = std::getenv("TMPDIR")) before_ = tmp;
        if (fs::is_directory("/dev/shm")) ::setenv("TMPDIR", "/dev/shm", 1);
    }
    ~InMemoryFolders() {
        if (before_)
            ::setenv("TMPDIR", before_->c_str(), 1);
        else
            ::unsetenv("TMPDIR");
    }
    InMemoryFolders(const InMemoryFolders&) = delete;
    InMemoryFolders& operator=(const InMemoryFolders&) = delete;

private:
    std::optional<std::string> before_;
};

rc::Gen<Step> AStep() {
    using rc::gen::inRange;
    return rc::gen::apply(
        [](Kind kind, int a, int b, std::vector<int> answers, int tick) {
            return Step{kind, a, b, std::move(answers), tick};
        },
        rc::gen::weightedElement<Kind>({{6, Kind::TypeFixed},
                                        {6, Kind::TypeRandom},
                                        {3, Kind::Undo},
                                        {6, Kind::Save},
                                        {5, Kind::SwitchTab},
                                        {6, Kind::ChooseCollection},
                                        {3, Kind::ChooseTarget},
                                        {5, Kind::Tick},
                                        {1, Kind::Stop},
                                        {5, Kind::WorldWrite},
                                        {2, Kind::WorldDelete},
                                        {3, Kind::WorldChmod},
                                        {2, Kind::Signal},
                                        {1, Kind::SessionEnd},
                                        {2, Kind::UserClose}}),
        inRange(0, 9), inRange(0, 4), rc::gen::container<std::vector<int>>(3, inRange(0, 3)),
        rc::gen::weightedElement<int>({{5, 0}, {1, 25000}}));
}

rc::Gen<Morning> AMorning() {
    using rc::gen::inRange;
    return rc::gen::apply(
        [](std::vector<int> kinds, int collection, int target, bool damaged, int tick) {
            Morning s;
            std::copy(kinds.begin(), kinds.end(), s.kinds.begin());
            s.collection = collection;
            s.target = target;
            s.damagedSettings = damaged;
            s.tickWhileAsked = tick;
            return s;
        },
        rc::gen::container<std::vector<int>>(5, inRange(0, 6)), inRange(0, 5), inRange(0, 3),
        rc::gen::arbitrary<bool>(), rc::gen::weightedElement<int>({{3, 0}, {1, 25000}}));
}

// 2,500 days of up to 30 steps, in rounds of RapidCheck's usual hundred, each
// round from a seed of its own; a failure names the seed that replays it.
TEST(UserDay, KeepsEveryFileWhereItBelongs) {
    for (int round = 0; round < 25; ++round)
        ASSERT_TRUE(rc::check("a user's day keeps every file where it belongs", [] {
            const Morning morning = *AMorning();
            InMemoryFolders inMemory;
            const std::vector<Step> steps =
                *rc::gen::resize(30, rc::gen::container<std::vector<Step>>(AStep()));
            Day day;
            day.Begin(morning);
            for (const Step& s : steps) day.Do(s);
        }));
}

// --- The faults the days found, each as its shortest day ---

class UserDayFault : public ::testing::Test {
protected:
    std::string File(const std::string& name, const std::string& bytes) {
        const std::string path = rig.dir.File(name);
        test::WriteBytes(path, bytes);
        return path;
    }
    void Choose(int button, const std::string& path) {
        rig.dialog.Choose(path);
        rig.Find<headless::Button>(button == 0 ? "btnFindPath(0)" : "btnFindPath(1)").Click();
    }
    // Every signature written to sig.txt, as it was written.
    std::vector<std::string> Signatures() {
        std::vector<std::string> written;
        for (const auto& [path, bytes] : writes)
            if (path == rig.dir.File("sig.txt")) written.push_back(bytes);
        return written;
    }
    void SetUp() override {
        rig.files.onWritten = [this](const std::string& path, std::string_view bytes) {
            writes.push_back({path, std::string(bytes)});
        };
    }
    test::MainRig rig;
    std::vector<std::pair<std::string, std::string>> writes;
};

const std::string kQuotesA = "A1\r\n%\r\nA2\r\n%\r\n", kQuotesB = "B1\r\n%\r\nB2\r\n%\r\n";

// 6: the configured collection is missing (the start-up writes the placeholder).
TEST_F(UserDayFault, PrintComposesWhatTheStartWritesWhereTheCollectionIsMissing) {
    rig.Store(SettingKey::RandomFile, rig.dir.File("missing.txt"));
    SplitMixRandom random;
    const PrintedSignature printed = ComposePrintedSignature(
        rig.store, rig.files, rig.platform.clock, random, rig.dir.Path().string());
    rig.Start();
    EXPECT_EQ(printed.text, rig.Signature());
}

// 6: a fixed signature too large to be one.
TEST_F(UserDayFault, PrintComposesWhatTheStartWritesWhereTheFixedSignatureIsTooLarge) {
    test::WriteBytes(rig.dir.File("fixed.txt"), "");
    fs::resize_file(rig.dir.File("fixed.txt"), kMaxSignatureBytes + 1);
    SplitMixRandom random;
    const PrintedSignature printed = ComposePrintedSignature(
        rig.store, rig.files, rig.platform.clock, random, rig.dir.Path().string());
    rig.Start();
    EXPECT_TRUE(printed.text == rig.Signature()) << "the start-up wrote " << rig.Signature();
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
    const std::string a = File("a.txt", kQuotesA);
    rig.Store(SettingKey::RandomFile, a);
    rig.Start();
    test::WriteBytes(a, kQuotesB + "B3\r\n%\r\n");
    rig.messages.Answer(MsgBoxResult::Yes);
    Choose(0, rig.dir.File("missing.txt"));
    rig.Toolbar().Click("Random");
    EXPECT_EQ(rig.Editor("txtRandom").GetText(), kQuotesB + "B3\r\n%\r\n");
}

}  // namespace
}  // namespace tagrota
