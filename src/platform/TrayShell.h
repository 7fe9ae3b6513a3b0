#pragma once
// The desktop's notification area (the system tray), as the shell's notify-icon
// service sees it: one record per icon, sent with a message that adds, changes
// or deletes the icon; a hidden window per icon that receives the icon's
// notifications and owns its popup menu.
//
// The records keep the shell's own layout (its version-5 form), field by field,
// with handles as 32-bit values, so the code that fills them reads like the
// shell's documentation and the sizes the shell checks are the real ones.

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace tagrota {

// Messages of the notify-icon call.
namespace Nim {
inline constexpr std::uint32_t Add = 0, Modify = 1, Delete = 2, SetVersion = 4;
}
// Which fields of the record a call updates.
namespace Nif {
inline constexpr std::uint32_t Message = 1, Icon = 2, Tip = 4, Info = 16;
}
// The callback message the shell sends to the hidden window: the mouse-move
// message, with the notification code in the low word of its parameter.
inline constexpr std::uint32_t kWmMouseMove = 0x200;
// The notification codes, as the shell puts them into the callback message:
// the mouse messages it saw on the icon and the balloon's happenings.
namespace NotifyCode {
inline constexpr long WM_MOUSEMOVE = 512, WM_LBUTTONDOWN = 513, WM_LBUTTONUP = 514,
                      WM_LBUTTONDBLCLK = 515, WM_RBUTTONDOWN = 516, WM_RBUTTONUP = 517,
                      WM_RBUTTONDBLCLK = 518, WM_MBUTTONDOWN = 519, WM_MBUTTONUP = 520,
                      NIN_SELECT = 1024, NIN_BALLOONSHOW = 1026, NIN_BALLOONHIDE = 1027,
                      NIN_BALLOONTIMEOUT = 1028, NIN_BALLOONUSERCLICK = 1029;
}
inline constexpr std::uint32_t kNotifyIconVersion = 3;

// NOTIFYICONDATAA, version-5 layout.
struct NotifyIconDataA {
    std::uint32_t cbSize;
    std::uint32_t hWnd;
    std::uint32_t uID;
    std::uint32_t uFlags;
    std::uint32_t uCallbackMessage;
    std::uint32_t hIcon;
    char szTip[128];
    std::uint32_t dwState;
    std::uint32_t dwStateMask;
    char szInfo[256];
    std::uint32_t uTimeoutOrVersion;
    char szInfoTitle[64];
    std::uint32_t dwInfoFlags;
};

// NOTIFYICONDATAW, version-5 layout.
struct NotifyIconDataW {
    std::uint32_t cbSize;
    std::uint32_t hWnd;
    std::uint32_t uID;
    std::uint32_t uFlags;
    std::uint32_t uCallbackMessage;
    std::uint32_t hIcon;
    char16_t szTip[128];
    std::uint32_t dwState;
    std::uint32_t dwStateMask;
    char16_t szInfo[256];
    std::uint32_t uTimeoutOrVersion;
    char16_t szInfoTitle[64];
    std::uint32_t dwInfoFlags;
};

static_assert(sizeof(NotifyIconDataA) == 488);
static_assert(sizeof(NotifyIconDataW) == 936);
// The shell's first sizes end after the first 64 characters of the tip.
inline constexpr std::uint32_t kNotifyIconDataAV1Size = 88, kNotifyIconDataWV1Size = 152;
static_assert(offsetof(NotifyIconDataA, szTip) + 64 * sizeof(char) == kNotifyIconDataAV1Size);
static_assert(offsetof(NotifyIconDataW, szTip) + 64 * sizeof(char16_t) == kNotifyIconDataWV1Size);

// The text of a record's field, up to its first NUL or after `chars`
// characters; the ANSI form is in Windows-1252.
std::string FieldText(const char* field, std::size_t chars);
std::string FieldText(const char16_t* field, std::size_t chars);

// What a record says, as the shell reads it: no further than its cbSize
// reaches, texts up to their first NUL (the ANSI form in Windows-1252).
struct NotifyIconView {
    bool wide = false;
    std::uint32_t cbSize = 0, hWnd = 0, uID = 0, uFlags = 0, uCallbackMessage = 0, hIcon = 0;
    std::string tip;
    bool hasInfo = false;  // the record is long enough for balloons
    std::string info, infoTitle;
    std::uint32_t timeoutOrVersion = 0, infoFlags = 0;
};
NotifyIconView ReadNotifyIconData(const NotifyIconDataA& data);
NotifyIconView ReadNotifyIconData(const NotifyIconDataW& data);

// An item of a popup menu. A caption of exactly "-" is a separator line.
struct TrayMenuItem {
    std::string Caption;
    bool Visible = true;
    bool Enabled = true;
};

struct TrayPopupMenu {
    std::string Caption;
    std::vector<TrayMenuItem> Items;
    int DefaultIndex = -1;  // the item shown as the default one; -1 for none
};

// The hidden window behind one tray icon. It is never shown.
class ITrayWindow {
public:
    virtual ~ITrayWindow() = default;
    virtual std::uint32_t Handle() const = 0;
    // The window's own icon; a hidden window has none (0).
    virtual std::int32_t IconHandle() const = 0;
    // The window's scale unit: twips per pixel across.
    virtual double TwipsPerPixelX() const = 0;
    // Runs when the window receives the mouse-move message, with the pointer's
    // place in twips.
    virtual void SetOnMouseMove(std::function<void(double x, double y)> handler) = 0;
    // Pops the menu up at the pointer, its left edge there, and returns when it
    // has closed: the chosen item's index, or -1 when none was chosen.
    virtual int PopupMenu(const TrayPopupMenu& menu) = 0;
    // The menu the desktop keeps beside the icon and shows by itself, where it
    // shows menus of its own (a StatusNotifierItem host reads it over D-Bus).
    // Offered again whenever an item changes; `chosen` runs with the index of
    // the item the user picks there. Where the desktop only asks for the popup,
    // the offer is dropped.
    virtual void OfferMenu(const TrayPopupMenu& /*menu*/,
                           const std::function<void(int index)>& /*chosen*/) {}
    // Takes the window off the desktop. The object itself may live on until its
    // last user lets go of it; it then receives nothing more.
    virtual void Destroy() = 0;
};

class ITrayShell {
public:
    virtual ~ITrayShell() = default;
    // The system's version: bits 0 to 7 the major, 8 to 15 the minor version;
    // bit 31 clear on an NT-family system.
    virtual std::uint32_t GetVersion() = 0;
    virtual bool Shell_NotifyIconA(std::uint32_t dwMessage, const NotifyIconDataA& data) = 0;
    virtual bool Shell_NotifyIconW(std::uint32_t dwMessage, const NotifyIconDataW& data) = 0;
    virtual bool SetForegroundWindow(std::uint32_t hWnd) = 0;
    virtual std::shared_ptr<ITrayWindow> CreateHiddenWindow(const std::string& caption) = 0;
    // False on a desktop without a notification area, where no icon would be
    // seen.
    virtual bool IsAvailable() const = 0;
};

}  // namespace tagrota
