#pragma once
// The commands of the Help and About windows, as the main window's toolbar and
// menu run them. Each creates its window, shows it modally and destroys it
// when the user has closed it.

#include <string>

#include "platform/FileSystem.h"
#include "platform/Registry.h"
#include "platform/Services.h"
#include "platform/Window.h"

namespace tagrota {

struct HelpServices {
    IUserInterface& ui;
    IFileSystem& files;
    IMessageBox& messages;
    IRegistry& registry;
    IProgramLauncher& programs;
    std::string helpDir;  // the folder of the help pages
};

// The user guide "index.html" in frmHelp (menu "&Help").
void ShowFullHelp(const HelpServices& services, const IWindow& owner);
// The brief help of a tab, "tab0.rtf" to "tab3.rtf", in Dialog (toolbar
// "Help").
void ShowBriefHelp(const HelpServices& services, const IWindow& owner, int tab);
// The About box (menu "&About", toolbar "About").
void ShowAbout(const HelpServices& services, const IWindow& owner);

}  // namespace tagrota
