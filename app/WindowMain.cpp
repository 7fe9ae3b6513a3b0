// Tagrota's window program, which `tagrota` hands over to for a usual start
// (its command-line options run without it, in a process without Qt).
//
// The run is the main window: created, loaded, shown, and ended when it
// closes. Every way of ending the program (the window, SIGTERM, SIGINT or
// SIGHUP, the end of the desktop session, the loss of the display) goes
// through the window's ordinary closing, so the settings are always written.

#include <QApplication>
#include <cstdlib>

#include "mainwindow/ProgramRun.h"
#include "mainwindow/frmMain.h"
#include "platform/PrivateCache.h"
#include "platform/ProgramFolders.h"
#include "platform/Registry.h"
#include "platform/SystemServices.h"
#include "platform/Translate.h"
#include "platform/VersionInfo.h"
#include "platform/qt/FontWarmUp.h"
#include "platform/qt/QtDisplayWatch.h"
#include "platform/qt/QtProgramEvents.h"
#include "platform/qt/QtServices.h"
#include "platform/qt/QtSingleInstance.h"
#include "platform/qt/QtTranslation.h"
#include "platform/qt/QtTrayShell.h"
#include "platform/qt/QtWindow.h"
#include "platform/qt/WorkerThreads.h"

namespace {

// The folder of the `tagrota` that handed over: the program's folder, which
// decides where its files and its help are (an installed window program lives
// in a folder of its own). Not passed on to the programs this one starts.
std::string LauncherFolder() {
    const char* given = std::getenv("TAGROTA_LAUNCHER_DIR");
    std::string folder = given ? given : "";
    ::unsetenv("TAGROTA_LAUNCHER_DIR");
    return folder;
}

// The program's run, from the start of Qt to the end of the event loop.
int Run(int argc, char* argv[]) {
    const std::string launcherFolder = LauncherFolder();

    // The fonts load while Qt starts and the window is built.
    const tagrota::qt::FontConfigWarmUp fontConfig;
    tagrota::qt::QtDisplayWatch display;
    QApplication app(argc, argv);
    display.Reached();
    const tagrota::qt::FontDatabaseWarmUp fontDatabase(fontConfig);
    QApplication::setApplicationName(QStringLiteral("Tagrota"));
    const tagrota::VersionInfo& version = tagrota::ProgramVersion();
    QApplication::setApplicationVersion(
        QStringLiteral("%1.%2.%3").arg(version.Major).arg(version.Minor).arg(version.Revision));
    // The desktop entry's name: task bars group the windows under its icon.
    QApplication::setDesktopFileName(QStringLiteral(TAGROTA_APP_ID));
    QApplication::setWindowIcon(tagrota::qt::ImageIcon("tagrota"));
    // In the user's language where the program has a catalogue for it.
    tagrota::qt::InstallTranslations();
    // The program ends when the main window has closed, not when the last
    // window of any kind goes (a tray-mode window is hidden, not closed).
    QApplication::setQuitOnLastWindowClosed(false);

    using namespace tagrota;
    qt::QtMessageBox messages;

    // One copy per settings file: a later start brings this one to the front.
    qt::QtSingleInstance instance(qt::QtSettingsStore::Location("Tagrota"));
    switch (instance.Acquire()) {
        case qt::QtSingleInstance::Claim::First:
            break;
        case qt::QtSingleInstance::Claim::HandedOver:
            return 0;
        case qt::QtSingleInstance::Claim::NoAnswer:
            messages.MsgBox(Format(Tr("WindowMain",
                                      "Tagrota is already running with the settings in %1, but "
                                      "it did not answer.\r\nClose it, or end it from a system "
                                      "monitor, then start Tagrota again."),
                                   {qt::QtSettingsStore::Location("Tagrota")}),
                            MsgBoxStyle::Exclamation, "Tagrota");
            return 1;
    }

    // Where the default files live, and where the help is.
    const ProgramFolders folders = LocateProgramFolders(
        launcherFolder.empty() ? qt::ProgramDirectory() : launcherFolder, CurrentUserEnvironment());
    if (const std::string why = EnsureFolder(folders.dataDir); !why.empty())
        messages.MsgBox(Format(Tr("WindowMain",
                                  "Tagrota cannot create the folder for its files, %1: "
                                  "%2.\r\nThe files that belong there cannot be kept."),
                               {folders.dataDir, why}),
                        MsgBoxStyle::Exclamation, "Tagrota");

    StdFileSystem files;
    qt::QtSettingsStore store;
    qt::QtFileDialog fileDialog;
    qt::QtUserInterface ui(files);
    SystemClock clock;
    SplitMixRandom random;
    qt::QtTrayShell trayShell;
    const std::unique_ptr<IRegistry> registry = SystemRegistry();
    qt::QtProgramLauncher programs;

    // The first signature comes through the collection's index, kept where
    // `tagrota --print` keeps it.
    std::optional<std::string> indexFolder;
    if (std::string cache = PrivateCacheFolder(); !cache.empty()) indexFolder = std::move(cache);
    frmMain form(MainWindowServices{
        ui, store, files, messages, fileDialog, clock, random, trayShell, folders.dataDir,
        *registry, programs, folders.helpDir, UserDataFolder(CurrentUserEnvironment()) + "/rounds",
        std::move(indexFolder), NeverAgainFolder(UserDataFolder(CurrentUserEnvironment()))});
    ProgramRun run(form);
    run.onClosed = &qt::QtProgramEvents::Quit;
    run.deliverWaiting = &qt::QtProgramEvents::DeliverWaiting;
    // Caught before the start-up, so that a signal or the end of the session
    // while it shows a message still closes with the settings written.
    qt::QtProgramEvents events;
    events.onTerminate = [&run] { run.Terminate(); };
    events.onSessionEnd = [&run](ISessionEnd& session) { run.SessionEnds(session); };
    events.onDisplayLost = [&run] { run.DisplayLost(); };
    instance.onActivate = [&] { run.Activate(); };
    instance.onRotate = [&] { run.Rotate(); };
    instance.onPrint = [&] { return run.Print(); };

    if (!run.Start()) return 0;
    const int result = QApplication::exec();
    run.LoopEnded();
    return result;
}

}  // namespace

// The process ends only once the threads Qt ended with the application
// object have gone (WorkerThreads.h).
int main(int argc, char* argv[]) {
    const int status = Run(argc, argv);
    tagrota::qt::AwaitWorkerThreadsEnd();
    return status;
}
