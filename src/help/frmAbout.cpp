#include "help/frmAbout.h"

#include <algorithm>
#include <array>
#include <stdexcept>

#include "platform/IconHandles.h"
#include "platform/Paths.h"
#include "platform/Translate.h"
#include "platform/VersionInfo.h"

namespace tagrota {
namespace {

const TextFont kLabelFont{"MS Sans Serif", 12};
const TextFont kTitleFont{"MS Sans Serif", 24};

// Where the system-information program is registered: its full path, or the
// folder that holds MSINFO32.EXE.
const char* const gREGKEYSYSINFO = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";
const char* const gREGVALSYSINFO = "PATH";
const char* const gREGKEYSYSINFOLOC = "SOFTWARE\\Microsoft\\Shared Tools Location";
const char* const gREGVALSYSINFOLOC = "MSINFO";
const char* const kSysInfoProgram = "MSINFO32.EXE";

constexpr std::size_t kValueBufferSize = 1024;

const char* const kDescription =
    TrNoop("frmAbout",
           "Tagrota keeps your mail or news signature fresh. By the Tagrota developers. Your "
           "files: beside the program, or ~/.local/share/Tagrota if installed.");
const char* const kDisclaimer = TrNoop(
    "frmAbout",
    "Tagrota's sources are free software under the MIT licence. The program as built links "
    "QScintilla and is therefore under the GNU GPL version 3.\n\n"
    "Tagrota comes with no warranty of any kind. You use it at your own risk; its authors are "
    "not liable for any loss it may cause.");

// Closes an open key when it goes out of scope.
class OpenKey {
public:
    OpenKey(IRegistry& registry, RegistryKey key) : registry_(registry), key_(key) {}
    ~OpenKey() { registry_.CloseKey(key_); }
    OpenKey(const OpenKey&) = delete;
    OpenKey& operator=(const OpenKey&) = delete;

private:
    IRegistry& registry_;
    RegistryKey key_;
};

}  // namespace

frmAbout::frmAbout(IUserInterface& ui, const IWindow& owner, AboutServices services)
    : s_(services) {
    window = ui.CreateDialogWindow(DialogFrame::Fixed, owner);
    IWindow& w = *window;
    w.SetClientSize(5730, 6120);
    picIcon =
        &w.AddPicture({"picIcon", {240, 240, 480, 480}, 1, {}}, IconImageOf(owner.IconHandle()));
    lblTitle = &w.AddLabel({"lblTitle", {2100, 60, 1785, 555}, 5, kTitleFont}, "");
    lblVersion = &w.AddLabel({"lblVersion", {1050, 690, 3885, 315}, 6, kLabelFont}, "");
    // Both are centred on the same line down the dialog.
    lblTitle->SetAlignment(LabelAlignment::Center);
    lblVersion->SetAlignment(LabelAlignment::Center);
    lblDescription = &w.AddLabel({"lblDescription", {195, 1125, 5280, 1350}, 3, kLabelFont},
                                 Translated("frmAbout", kDescription));
    w.AddLine({"Line1(1)", 90, 2580, 5654, 2580, 0x808080, 1});
    w.AddLine({"Line1(0)", 105, 2595, 5654, 2595, 0xFFFFFF, 2});
    lblDisclaimer = &w.AddLabel({"lblDisclaimer", {210, 2760, 3915, 3315}, 4, kLabelFont},
                                Translated("frmAbout", kDisclaimer));
    cmdOK = &w.AddButton({"cmdOK", {4245, 2760, 1260, 615}, 0, {}}, Tr("frmAbout", "OK"),
                         ButtonKeys::Enter | ButtonKeys::Escape);
    cmdSysInfo = &w.AddButton(ControlPlace{"cmdSysInfo", {4275, 4950, 1245, 345}, 2, {}}.Spoken(
                                  "", Tr("frmAbout", "Starts the system information program")),
                              Tr("frmAbout", "&System Info..."), 0);

    cmdOK->SetOnClick([this] { cmdOK_Click(); });
    cmdSysInfo->SetOnClick([this] { cmdSysInfo_Click(); });
}

void frmAbout::Form_Load() {
    const VersionInfo& app = ProgramVersion();
    window->SetCaption(Format(Tr("frmAbout", "About %1"), {app.Title}));
    const std::string number = std::to_string(app.Major) + "." + std::to_string(app.Minor) + "." +
                               std::to_string(app.Revision);
    lblVersion->SetCaption(Format(Tr("frmAbout", "Version %1"), {number}));
    lblTitle->SetCaption(app.Title);
}

void frmAbout::cmdOK_Click() {
    window->Close();
}

void frmAbout::cmdSysInfo_Click() {
    StartSysInfo();
}

void frmAbout::StartSysInfo() {
    try {
        std::string SysInfoPath;
        if (GetKeyValue(s_.registry, RegistryRoot::LocalMachine, gREGKEYSYSINFO, gREGVALSYSINFO,
                        SysInfoPath)) {
            if (s_.programs.StartProgram(SysInfoPath)) return;
        } else if (GetKeyValue(s_.registry, RegistryRoot::LocalMachine, gREGKEYSYSINFOLOC,
                               gREGVALSYSINFOLOC, SysInfoPath)) {
            const std::string program = SysInfoPath + kPathSeparator + kSysInfoProgram;
            if (s_.files.FileExists(program) && s_.programs.StartProgram(program)) return;
        }
    } catch (const std::exception&) {
        // Whatever went wrong, the user hears the one message below.
    }
    s_.messages.MsgBox(Tr("frmAbout", "System Information Is Unavailable At This Time"),
                       MsgBoxStyle::OkOnly, "");
}

bool GetKeyValue(IRegistry& registry, std::uint32_t KeyRoot, const std::string& KeyName,
                 const std::string& SubKeyRef, std::string& KeyVal) {
    RegistryKey hKey = 0;
    if (registry.OpenKey(KeyRoot, KeyName, RegistryAccess::ReadWrite, hKey) !=
        RegistryError::Success) {
        // Nothing was opened, so there is nothing to close.
        KeyVal.clear();
        return false;
    }
    const OpenKey closer(registry, hKey);

    std::array<std::uint8_t, kValueBufferSize> buffer{};
    std::uint32_t KeyValType = 0;
    std::uint32_t KeyValSize = kValueBufferSize;
    if (registry.QueryValue(hKey, SubKeyRef, KeyValType, buffer.data(), KeyValSize) !=
        RegistryError::Success) {
        KeyVal.clear();
        return false;
    }
    if (KeyValSize == 0) throw std::runtime_error("the registry value " + SubKeyRef + " is empty");
    const std::size_t size = std::min<std::size_t>(KeyValSize, buffer.size());
    const auto* bytes = reinterpret_cast<const char*>(buffer.data());

    switch (KeyValType) {
        case RegistryType::String:
            // Up to the terminating zero, which is the last byte when there is
            // one; a string stored without it is taken whole.
            KeyVal.assign(bytes, std::find(bytes, bytes + size, '\0'));
            break;
        case RegistryType::DoubleWord: {
            static const char kHex[] = "0123456789ABCDEF";
            KeyVal = "&h";
            for (std::size_t i = size; i-- > 0;) {
                KeyVal += kHex[buffer[i] >> 4];
                KeyVal += kHex[buffer[i] & 0xF];
            }
            break;
        }
        default:
            break;
    }
    return true;
}

}  // namespace tagrota
