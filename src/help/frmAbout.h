#pragma once
// The About box: the program's icon, title, version, what it is for and the
// conditions of use, with OK and a button that starts the system's
// system-information program.

#include <cstdint>
#include <memory>
#include <string>

#include "platform/FileSystem.h"
#include "platform/Registry.h"
#include "platform/Services.h"
#include "platform/Window.h"

namespace tagrota {

struct AboutServices {
    IFileSystem& files;
    IMessageBox& messages;
    IRegistry& registry;
    IProgramLauncher& programs;
};

class frmAbout {
public:
    // Creates the window, hidden; its picture is the owner's icon.
    frmAbout(IUserInterface& ui, const IWindow& owner, AboutServices services);

    // Fills in the caption, the title and the version before the first show.
    void Form_Load();
    void cmdOK_Click();
    void cmdSysInfo_Click();
    // Starts the system-information program that the registry names, or says
    // that there is none.
    void StartSysInfo();

    std::unique_ptr<IWindow> window;
    IControl* picIcon = nullptr;
    ILabel* lblTitle = nullptr;
    ILabel* lblVersion = nullptr;
    ILabel* lblDescription = nullptr;
    ILabel* lblDisclaimer = nullptr;
    IButton* cmdOK = nullptr;
    IButton* cmdSysInfo = nullptr;

private:
    AboutServices s_;
};

// Reads the value `SubKeyRef` of the key `KeyName` below `KeyRoot` into
// `KeyVal`: a string as it is (without the terminating zero), a double word as
// "&h" and eight hexadecimal digits, any other type leaving `KeyVal` as it
// was. False, with `KeyVal` empty, when the key cannot be opened with full
// access or the value cannot be read into 1024 bytes. A value without any data
// throws std::runtime_error. Every key opened is closed again.
bool GetKeyValue(IRegistry& registry, std::uint32_t KeyRoot, const std::string& KeyName,
                 const std::string& SubKeyRef, std::string& KeyVal);

}  // namespace tagrota
