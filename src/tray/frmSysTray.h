#pragma once
// One icon in the desktop's notification area, with a tool tip, balloon tips
// where the shell has them, a popup menu whose items the owner defines, and
// events for the mouse on the icon, menu choices and balloons.
//
// The component is held by shared pointers. Its owner may unload and release it
// from inside one of its events: every operation and every event dispatch holds
// a reference to the component while it runs, and after the unload the calls
// still running only return.

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/TrayShell.h"

namespace tagrota {

class frmSysTray : public std::enable_shared_from_this<frmSysTray> {
public:
    // The events, raised synchronously in this order of the component's
    // interface. Buttons: 1 left, 2 right.
    struct Events {
        std::function<void(std::int32_t eButton)> SysTrayMouseDown;
        std::function<void(std::int32_t eButton)> SysTrayMouseUp;
        std::function<void()> SysTrayMouseMove;
        std::function<void(std::int32_t eButton)> SysTrayDoubleClick;
        std::function<void(std::int32_t lIndex, const std::string& sKey)> MenuClick;
        std::function<void()> BalloonShow;
        std::function<void()> BalloonHide;
        std::function<void()> BalloonTimeOut;
        std::function<void()> BalloonClicked;
    };

    // Creates the hidden window and registers the icon. `fileDescription` is
    // the tip the icon starts with.
    static std::shared_ptr<frmSysTray> Create(ITrayShell& shell, Events events,
                                              const std::string& fileDescription);
    ~frmSysTray();
    frmSysTray(const frmSysTray&) = delete;
    frmSysTray& operator=(const frmSysTray&) = delete;

    // Balloon icons: 0 none, 1 information, 2 warning, 3 error.
    void ShowBalloonTip(const std::string& sMessage, const std::string& sTitle = "",
                        std::int32_t eIcon = 0, std::int32_t lTimeOutMs = 30000);
    std::string ToolTip() const;
    void ToolTip(const std::string& sTip);
    std::int32_t IconHandle() const;
    void IconHandle(std::int32_t hIcon);
    // Appends an item and returns its index; -1 when the menu is full.
    std::int32_t AddMenuItem(const std::string& sCaption, const std::string& sKey = "",
                             bool bDefault = false);
    void EnableMenuItem(std::int32_t lIndex, bool bState);
    std::int32_t RemoveMenuItem(std::int32_t iIndex);
    std::int32_t DefaultMenuIndex() const;
    void DefaultMenuIndex(std::int32_t lIndex);
    // Pops up the menu at the pointer; returns when it has closed, after the
    // chosen item's MenuClick has been handled. The same menu stands offered to
    // desktops that show it by themselves, from the first change of its items
    // on; a choice there raises the same MenuClick.
    void ShowMenu();

    // Deletes the icon and takes the hidden window away. Never refused; a
    // second call does nothing.
    void Unload();

private:
    struct MenuItem {
        std::string Caption;
        std::string Tag;
        bool Visible = true;
        bool Enabled = true;
    };

    frmSysTray(ITrayShell& shell, Events events);
    void Form_Load(const std::string& fileDescription);
    void Form_MouseMove(double x, double y);
    void mnuSysTray_Click(std::int32_t index);
    // The menu as the desktop shows it, and its offer after a change.
    TrayPopupMenu Popup() const;
    void OfferMenu();

    bool IsValidMenuIndex(std::int32_t index) const;
    std::uint32_t NotifyRecordSize() const;
    // Sends the record in use with the given flags.
    void Notify(std::uint32_t message, std::uint32_t flags);
    void StoreText(char16_t* wideField, std::size_t wideChars, char* ansiField,
                   std::size_t ansiChars, const std::string& text);

    ITrayShell& shell_;
    Events events_;
    std::shared_ptr<ITrayWindow> window_;
    bool unloaded_ = false;

    bool UseWide = false;
    bool CanBalloon = false;
    NotifyIconDataA NotifyA{};
    NotifyIconDataW NotifyW{};
    bool FirstItemUsed = false;
    std::int32_t DefaultIndex = 0;
    // mnuSysTray: element 0 exists from the start, with an empty caption.
    std::vector<MenuItem> mnuSysTray{MenuItem{}};
};

}  // namespace tagrota
