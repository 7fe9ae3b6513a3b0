#pragma once
// The main window: four tabs (Fixed, Random, Current, Settings), a toolbar and
// a menu bar, and the two timers that rotate the signature and animate the
// About button. It owns the program state and every control; each of its
// handlers runs on the user-interface thread, one at a time.
//
// The handlers live in one file per concern: Composition.cpp (the controls),
// Startup.cpp, Commands.cpp (toolbar, menu and tabs), Editing.cpp (dirty state
// and Save), SettingsTab.cpp, Closing.cpp, Layout.cpp, Finding.cpp (the
// find bar and the collection check) and SetAside.cpp (quotations set aside);
// tray mode is a
// TrayMode (tray/TrayMode.h) that the window owns.

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "engine/CollectionCheck.h"
#include "engine/CollectionChoice.h"
#include "engine/ProgramState.h"
#include "engine/SignatureEngine.h"
#include "platform/FileSystem.h"
#include "platform/ImageList.h"
#include "platform/Registry.h"
#include "platform/Services.h"
#include "platform/TrayShell.h"
#include "platform/Window.h"
#include "tray/TrayMode.h"

namespace tagrota {

class TextReadAhead;

// The outside services the main window uses.
struct MainWindowServices {
    IUserInterface& ui;
    ISettingsStore& settings;
    IFileSystem& files;
    IMessageBox& messages;
    IFileDialog& fileDialog;
    IClock& clock;
    IRandom& random;
    ITrayShell& trayShell;
    std::string programDir;
    // For the About box's system-information button.
    IRegistry& registry;
    IProgramLauncher& programs;
    // The folder of the help pages; "" for the program directory.
    std::string helpDir = {};
    // Where random mode keeps its rounds of draws without repeats (the
    // user's data folder); "" keeps them for the run alone.
    std::string roundsDir = {};
    // Where collection indexes are kept (see CollectionIndex): with one, the
    // first signature of a start is drawn through the collection's index
    // before the collection is read whole. Without, it waits for the read.
    std::optional<std::string> indexFolder = {};
    // Where the lists of quotations set aside are kept (see NeverAgain); ""
    // keeps them for the run alone.
    std::string setAsideDir = {};
};

// Tabs of SSTab1.
namespace TabIndex {
inline constexpr int Fixed = 0, Random = 1, Current = 2, Settings = 3;
}

class frmMain {
public:
    // Creates the window and all its controls, as the user first sees them.
    explicit frmMain(MainWindowServices services);
    ~frmMain();
    frmMain(const frmMain&) = delete;
    frmMain& operator=(const frmMain&) = delete;

    // Brings the program into its working state (settings, files, the first
    // rotation), then shows the window.
    void Form_Load();
    // A later start of the program hands over to this one: the window comes
    // back from the taskbar or the tray, as it was, in front of the others.
    void Reactivate();
    // Next Quotation (also `tagrota --rotate` from another start): one
    // rotation now, and the next tick a whole period later. A stopped rotation
    // stays stopped. Nothing rotates while the rotation is held (start-up, the
    // collection question, a collection being read).
    void NextQuotation();
    // `tagrota --print` beside this copy: a signature composed as a rotation
    // in random mode composes it, from the Fixed tab's text as it stands, the
    // collection in use and this copy's wrapping; nothing is shown, written or
    // noted as the entry last used.
    std::string ComposeForPrint();
    // The quotation of the signature last composed for the Current tab (the
    // one Never This One Again sets aside); nothing when it held none.
    const std::optional<std::string>& CurrentQuotation() const { return engine_.LastQuotation(); }

    // Runs after the window has closed (the program then ends).
    std::function<void()> onClosed;
    // Asked when the desktop session ends with unsaved edits: whether the
    // session manager lets the program ask the user now. Unset, or false: it
    // does not, and the edits go to recovery files.
    std::function<bool()> mayAskAtSessionEnd;

    // --- Handlers of the window's events ---
    void Form_Resize();
    void Form_QueryUnload(bool& cancel, UnloadMode unloadMode);
    void Form_Unload();
    void Toolbar1_ButtonClick(const std::string& key);
    void Menu_Click(const std::string& name);
    void SSTab1_Click(int previousTab);
    void Timer1_Timer();
    void Timer2_Timer();
    void txtFixedSig_Change();
    void txtRandom_Change();
    void HScroll1_Change();
    void HScroll2_Change();
    void chkWordWrap_Click();
    void chkMin_Click();
    void chkSysTray_Click();
    void chkNoRepeats_Click();
    void chkWrapStrict_Click();
    void HScroll3_Change();
    void HScroll4_Change();
    void btnLimitPreset_Click();
    void btnFindPath_Click(int index);
    // A file dropped on the window (an editor included) is offered as the
    // collection, as if chosen with the collection's browse button.
    void Form_FileDrop(const std::string& path);
    // Another program changed, replaced or removed a watched file.
    void FileWatch_Change(const std::string& path);

    // --- Commands ---
    void SaveCommand();
    void StopCommand();
    void BulletsCommand();
    void AboutCommand();
    // The help on the tab in front, and the whole user guide.
    void BriefHelpCommand();
    void FullHelpCommand();
    // The next (1) or previous (-1) tab, round from the last to the first.
    void StepTab(int step);
    // The find bar, on the Fixed and Random tabs: opened with the keyboard in
    // its box; a step to the next or previous match in the tab in front, also
    // with the bar closed (which opens when there is nothing to find yet, or
    // nothing found); closed with the keyboard back in the editor.
    void FindCommand();
    void FindStep(bool forward);
    void CloseFindBar();
    // Lists what a check of the Random tab's collection finds, in a window
    // of its own that stays open beside the main window; a double click on a
    // line selects its place in the Random tab.
    void CheckCollectionCommand();
    // Never This One Again: the current signature's quotation is set aside
    // for the collection in use (see NeverAgain), and the next one comes at
    // once, as with Next Quotation.
    void NeverAgainCommand();
    // The quotations set aside for the collection in use, in a window of
    // their own beside the main window, each to be taken back.
    void SetAsideListCommand();

    // --- State and controls ---
    ProgramState state;
    std::unique_ptr<IWindow> window;
    ImageList ImageList1, Dirty;
    IToolbar* Toolbar1 = nullptr;
    ITabControl* SSTab1 = nullptr;
    IEditor* txtFixedSig = nullptr;
    IEditor* txtRandom = nullptr;
    IEditor* txtCurrent = nullptr;
    ICheckBox* chkSysTray = nullptr;
    ICheckBox* chkMin = nullptr;
    ICheckBox* chkWordWrap = nullptr;
    ICheckBox* chkNoRepeats = nullptr;
    ICheckBox* chkWrapStrict = nullptr;
    // The length limits: lines and columns, their values, and the preset.
    IScrollBar* HScroll3 = nullptr;
    IScrollBar* HScroll4 = nullptr;
    ILabel* lblMaxLines = nullptr;
    ILabel* lblMaxColumns = nullptr;
    IButton* btnLimitPreset = nullptr;
    IScrollBar* HScroll1 = nullptr;
    IScrollBar* HScroll2 = nullptr;
    ILabel* lblWordWrap = nullptr;
    ILabel* lblDur = nullptr;
    std::array<ILabel*, 4> Label1{};
    ITextBox* txtRPath = nullptr;
    ITextBox* txtCPath = nullptr;
    std::array<IButton*, 2> btnFindPath{};
    IMenuBar* menu = nullptr;
    // Below the tab control while it is open.
    IFindBar* findBar = nullptr;
    std::unique_ptr<ITimer> Timer1, Timer2;
    // Tray mode, with the tray icon while it is on.
    std::unique_ptr<TrayMode> trayMode;

private:
    void Compose();
    void ComposeSettingsTab();
    void PlacePathRows();
    // The editor the find bar searches: that of the tab in front, if it has
    // one to search.
    IEditor* SearchedEditor() const;

    // Start-up's loads: the fixed signature, the collection (with its
    // fall-back), the last current signature. The collection's messages wait
    // for ShowCollectionProblems.
    void LoadFixedSignature();
    // The first signature drawn through the collection's index, written before
    // the collection is read whole; false when it could not be.
    bool WriteFirstSignatureThroughIndex();
    void LoadCollectionAtStartUp();
    void LoadCurrentSignature();
    // Tells what became of the configured collection; true after a fall-back.
    bool ShowCollectionProblems();
    // One rotation: the engine's next signature into the Current tab and the
    // current signature file; a failed write is told once per run of failures.
    void Rotate();
    void ShowAndWrite(const std::string& signature);
    // After a rotation: tells, once, that no entry fits the length limits,
    // or that every one is set aside.
    void TellIfNoneFits();
    void TellIfAllSetAside();
    // The set-aside window's list, as the collection in use has it now.
    void FillSetAsideList();
    // The set-aside window's quotation `which` goes back into the rotation.
    void TakeBackSetAside(int which);
    // The collection chosen on the Settings tab (by browsing or a drop): for
    // the next start, or after Yes loaded now.
    void UseCollectionFile(const std::string& fileName, const std::string& oldPath);
    // Reads and checks the new collection beside the event loop; the rotation
    // waits until FinishReload has put it in place.
    void ReloadCollection(const std::string& oldPath);
    struct ReadCollection;
    void ReadBeside(std::uint64_t generation, const std::shared_ptr<ReadCollection>& read);
    void FinishReload(std::uint64_t generation, const std::shared_ptr<ReadCollection>& read);
    // Watches the files the editors show, as they are now.
    void WatchFiles();
    // A watched file of the tab changed: a tab without edits shows it anew,
    // one with edits is marked; a removed file is told of once.
    void TakeOutsideChange(int tab);
    void ReportSaveFailure(const std::string& path, const std::string& reason);

    // The editor of tab 0 or 1 and the file behind it.
    struct TabFile {
        IEditor* editor;
        bool* dirty;
        EditedRole role;
        std::string path;  // where its text came from and its Save goes
    };
    TabFile FileOfTab(int tab);
    FileStatus Fits(const TabFile& f);
    // The dirty flag and the tab's picture made to follow the editor's text.
    void ShowDirtyState(int tab);
    // Notes the stamp of the file an editor now holds unchanged.
    void RememberStamp(int tab);
    // Saves the editor of the tab, asking first when another program has
    // changed its file since. False when the edits are still unsaved.
    bool SaveTab(int tab);
    // The file read into the editor again, its edits dropped.
    bool ReloadTab(int tab);
    // After the editor of the tab took its file's text: the rotation's
    // quotations follow the collection's.
    void TookFileText(int tab);
    // A tab without edits shows its file as it is now; true when it read it.
    bool RefreshFromDisk(int tab);
    // Save, Discard or Cancel for the tab's unsaved edits; `question` asks
    // it with the file's path as %1 and says what is about to happen. False
    // for Cancel (or a save that did not happen).
    bool SettleUnsaved(int tab, const std::string& question);
    // Before the window closes: asks, or where nobody can be asked writes the
    // unsaved texts to recovery files. False when the user keeps the program.
    bool SettleUnsavedAtClosing(UnloadMode mode);
    void WriteRecoveryFiles();
    // Tells the user of recovery files written when the program last ended.
    void TellOfRecoveryFiles();
    // Before the files are read: offers to restore each one that a save ended
    // midway may have cut short from the backup that save kept.
    void OfferLeftBackups();

    // Takes the user to a finding of the last check.
    void ShowFinding(std::size_t index);

    MainWindowServices s_;
    // The last check's listing and what it found.
    std::unique_ptr<IWindow> checkWindow_;
    std::vector<CollectionFinding> findings_;
    // The window of quotations set aside, while it is open.
    std::unique_ptr<IWindow> setAsideWindow_;
    ILabel* lblSetAside_ = nullptr;
    IListBox* setAsideList_ = nullptr;
    // The collection, read on a thread of its own while the window is built
    // (unless its index is kept); the start-up hands the result to the
    // collection load.
    std::unique_ptr<TextReadAhead> collectionAhead_;
    SignatureEngine engine_;
    // What start-up's collection load found, until its messages are shown.
    std::optional<CollectionChoice> startUpCollection_;
    // No tick rotates until start-up has loaded everything and rotated once,
    // nor while a collection is being reloaded.
    bool holdRotation_ = true;
    bool writeFailureShown_ = false;
    // No entry fitting the length limits has been told since one last fit.
    bool noneFitShown_ = false;
    // Every quotation set aside has been told since one was last drawn.
    bool allSetAsideShown_ = false;
    std::unique_ptr<IFileWatch> watch_;
    // Per tab: its file's removal, and a change under unsaved edits, told.
    std::array<bool, 2> goneTold_{}, changedTold_{};
    // Collections read beside the event loop; only the newest is put in place.
    std::vector<std::unique_ptr<IBackgroundWork>> reloads_;
    std::uint64_t reloadGeneration_ = 0;
};

}  // namespace tagrota
