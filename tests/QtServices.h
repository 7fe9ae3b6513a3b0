#pragma once
// The main window's outside services for the programs that run it on the
// real widgets (the Qt tests, the editor bench): the real file system and
// user interface, and in-memory settings, message boxes, file dialog, clock,
// tray and launcher that they script.

#include <string>

#include "mainwindow/frmMain.h"
#include "platform/headless/HeadlessPlatform.h"
#include "platform/headless/HeadlessTray.h"
#include "platform/headless/HeadlessWindow.h"
#include "platform/qt/QtTranslation.h"
#include "platform/qt/QtWindow.h"

namespace tagrota::test {

struct QtServices {
    MainWindowServices For(const std::string& programDir) {
        return {ui,     store, files,      messages, dialog,  platform.clock,
                random, tray,  programDir, registry, programs};
    }

    StdFileSystem files;
    headless::SettingsStore store;
    headless::MessageBox messages;
    headless::FileDialog dialog;
    headless::HeadlessPlatform platform;
    SplitMixRandom random;
    headless::TrayShell tray;
    qt::QtUserInterface ui{files};
    MemoryRegistry registry;
    headless::ProgramLauncher programs{files};
};

// Puts the program back into English when a test that switched languages
// ends, however it ends.
struct EnglishAfterwards {
    ~EnglishAfterwards() { qt::InstallTranslations(QLocale(QLocale::English)); }
};

}  // namespace tagrota::test
