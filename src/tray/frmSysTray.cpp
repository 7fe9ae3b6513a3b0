// The tray icon component: the record it keeps for the shell, its menu, and the
// decoding of the shell's notifications into events.

#include "tray/frmSysTray.h"

#include <algorithm>
#include <cmath>
#include <cstring>

#include "platform/Unicode.h"

namespace tagrota {
namespace {

constexpr std::int32_t kHighestMenuIndex = 32767;
constexpr std::size_t kTipCapacity = 128, kOldTipCapacity = 64;

struct WindowsVersion {
    int major = 0, minor = 0, third = 0, fourth = 0;
    bool nt = false;
};

WindowsVersion ReadWindowsVersion(std::uint32_t value) {
    return {static_cast<int>(value & 0xFF), static_cast<int>((value >> 8) & 0xFF),
            static_cast<int>((value >> 16) & 0xFF), static_cast<int>((value >> 24) & 0xFF),
            (value & 0x80000000u) == 0};
}

// The text rule in the wide record: at most capacity - 1 units, never half of a
// surrogate pair, and zeros after them to the end of the field.
void CopyToWideField(const std::string& text, char16_t* field, std::size_t fieldChars,
                     std::size_t capacity) {
    std::fill(field, field + fieldChars, u'\0');
    if (text.empty()) return;
    const std::u16string units = ToUtf16(text);
    std::size_t n = std::min(units.size(), std::min(capacity, fieldChars) - 1);
    if (n < units.size() && n > 0 && units[n - 1] >= 0xD800 && units[n - 1] < 0xDC00) --n;
    std::copy_n(units.begin(), n, field);
}

// The same rule in the ANSI record, whose texts go to the shell in the system's
// 8-bit code page; a character the code page lacks becomes "?".
void CopyToAnsiField(const std::string& text, char* field, std::size_t fieldChars,
                     std::size_t capacity) {
    std::fill(field, field + fieldChars, '\0');
    const std::size_t limit = std::min(capacity, fieldChars) - 1;
    std::size_t n = 0;
    for (std::size_t i = 0; i < text.size() && n < limit; ++n) {
        const int b = Cp1252Byte(NextCodePoint(text, i));
        field[n] = static_cast<char>(b < 0 ? '?' : b);
    }
}

// Runs an event handler from a copy, so that the owner may replace or drop the
// component's handlers while it runs.
template <class Handler, class... Args>
void Raise(const Handler& handler, Args&&... args) {
    if (Handler copy = handler) copy(std::forward<Args>(args)...);
}

}  // namespace

frmSysTray::frmSysTray(ITrayShell& shell, Events events)
    : shell_(shell), events_(std::move(events)) {}

std::shared_ptr<frmSysTray> frmSysTray::Create(ITrayShell& shell, Events events,
                                               const std::string& fileDescription) {
    std::shared_ptr<frmSysTray> tray(new frmSysTray(shell, std::move(events)));
    tray->window_ = shell.CreateHiddenWindow("Sys Tray Interface");
    std::weak_ptr<frmSysTray> weak = tray;
    tray->window_->SetOnMouseMove([weak](double x, double y) {
        if (auto self = weak.lock()) self->Form_MouseMove(x, y);
    });
    tray->Form_Load(fileDescription);
    return tray;
}

frmSysTray::~frmSysTray() {
    Unload();
}

void frmSysTray::Form_Load(const std::string& fileDescription) {
    const WindowsVersion version = ReadWindowsVersion(shell_.GetVersion());
    UseWide = version.nt;
    CanBalloon = version.nt ? version.major >= 5 : (version.major == 4 && version.minor == 90);

    const std::uint32_t hWnd = window_->Handle();
    const auto icon = static_cast<std::uint32_t>(window_->IconHandle());
    const std::size_t tipCapacity = CanBalloon ? kTipCapacity : kOldTipCapacity;
    if (UseWide) {
        NotifyW.hWnd = hWnd;
        NotifyW.uID = icon;
        NotifyW.uCallbackMessage = kWmMouseMove;
        NotifyW.hIcon = icon;
        CopyToWideField(fileDescription, NotifyW.szTip, std::size(NotifyW.szTip), tipCapacity);
        if (CanBalloon) NotifyW.uTimeoutOrVersion = kNotifyIconVersion;
        NotifyW.cbSize = NotifyRecordSize();
    } else {
        NotifyA.hWnd = hWnd;
        NotifyA.uID = icon;
        NotifyA.uCallbackMessage = kWmMouseMove;
        NotifyA.hIcon = icon;
        CopyToAnsiField(fileDescription, NotifyA.szTip, std::size(NotifyA.szTip), kTipCapacity);
        if (CanBalloon) NotifyA.uTimeoutOrVersion = kNotifyIconVersion;
        NotifyA.cbSize = NotifyRecordSize();
    }
    Notify(Nim::Add, Nif::Message | Nif::Icon | Nif::Tip);
    if (CanBalloon) Notify(Nim::SetVersion, Nif::Message | Nif::Icon | Nif::Tip);
}

std::uint32_t frmSysTray::NotifyRecordSize() const {
    if (CanBalloon) return UseWide ? sizeof(NotifyIconDataW) : sizeof(NotifyIconDataA);
    return UseWide ? kNotifyIconDataWV1Size : kNotifyIconDataAV1Size;
}

void frmSysTray::Notify(std::uint32_t message, std::uint32_t flags) {
    if (UseWide) {
        NotifyW.uFlags = flags;
        shell_.Shell_NotifyIconW(message, NotifyW);
    } else {
        NotifyA.uFlags = flags;
        shell_.Shell_NotifyIconA(message, NotifyA);
    }
}

void frmSysTray::StoreText(char16_t* wideField, std::size_t wideChars, char* ansiField,
                           std::size_t ansiChars, const std::string& text) {
    if (UseWide)
        CopyToWideField(text, wideField, wideChars, wideChars);
    else
        CopyToAnsiField(text, ansiField, ansiChars, ansiChars);
}

void frmSysTray::ShowBalloonTip(const std::string& sMessage, const std::string& sTitle,
                                std::int32_t eIcon, std::int32_t lTimeOutMs) {
    auto self = shared_from_this();
    if (unloaded_ || !CanBalloon) return;
    StoreText(NotifyW.szInfo, std::size(NotifyW.szInfo), NotifyA.szInfo, std::size(NotifyA.szInfo),
              sMessage);
    StoreText(NotifyW.szInfoTitle, std::size(NotifyW.szInfoTitle), NotifyA.szInfoTitle,
              std::size(NotifyA.szInfoTitle), sTitle);
    const auto timeout = static_cast<std::uint32_t>(lTimeOutMs);
    const auto icon = static_cast<std::uint32_t>(eIcon);
    (UseWide ? NotifyW.uTimeoutOrVersion : NotifyA.uTimeoutOrVersion) = timeout;
    (UseWide ? NotifyW.dwInfoFlags : NotifyA.dwInfoFlags) = icon;
    Notify(Nim::Modify, Nif::Info);
}

std::string frmSysTray::ToolTip() const {
    return UseWide ? FieldText(NotifyW.szTip, std::size(NotifyW.szTip))
                   : FieldText(NotifyA.szTip, std::size(NotifyA.szTip));
}

void frmSysTray::ToolTip(const std::string& sTip) {
    auto self = shared_from_this();
    if (unloaded_) return;
    if (UseWide)
        CopyToWideField(sTip, NotifyW.szTip, std::size(NotifyW.szTip),
                        CanBalloon ? kTipCapacity : kOldTipCapacity);
    else
        CopyToAnsiField(sTip, NotifyA.szTip, std::size(NotifyA.szTip), kTipCapacity);
    Notify(Nim::Modify, Nif::Tip);
}

std::int32_t frmSysTray::IconHandle() const {
    return static_cast<std::int32_t>(UseWide ? NotifyW.hIcon : NotifyA.hIcon);
}

void frmSysTray::IconHandle(std::int32_t hIcon) {
    auto self = shared_from_this();
    if (unloaded_ || hIcon == IconHandle()) return;
    (UseWide ? NotifyW.hIcon : NotifyA.hIcon) = static_cast<std::uint32_t>(hIcon);
    Notify(Nim::Modify, Nif::Icon);
}

bool frmSysTray::IsValidMenuIndex(std::int32_t index) const {
    return index >= 0 && index < static_cast<std::int32_t>(mnuSysTray.size());
}

std::int32_t frmSysTray::AddMenuItem(const std::string& sCaption, const std::string& sKey,
                                     bool bDefault) {
    auto self = shared_from_this();
    if (unloaded_) return -1;
    std::int32_t index = 0;
    if (!FirstItemUsed) {
        FirstItemUsed = true;
    } else {
        if (static_cast<std::int32_t>(mnuSysTray.size()) > kHighestMenuIndex) return -1;
        index = static_cast<std::int32_t>(mnuSysTray.size());
        mnuSysTray.emplace_back();
    }
    MenuItem& item = mnuSysTray[static_cast<std::size_t>(index)];
    item.Visible = true;
    item.Tag = sKey;
    item.Caption = sCaption;
    if (bDefault) DefaultIndex = index;
    OfferMenu();
    return index;
}

void frmSysTray::EnableMenuItem(std::int32_t lIndex, bool bState) {
    auto self = shared_from_this();
    if (unloaded_ || !IsValidMenuIndex(lIndex)) return;
    mnuSysTray[static_cast<std::size_t>(lIndex)].Enabled = bState;
    OfferMenu();
}

std::int32_t frmSysTray::RemoveMenuItem(std::int32_t iIndex) {
    auto self = shared_from_this();
    if (unloaded_ || !IsValidMenuIndex(iIndex)) return 0;
    if (iIndex == 0) {
        mnuSysTray[0].Caption.clear();
        OfferMenu();
        return 0;
    }
    // Captions and keys move down one place; enabled and visible states stay
    // with their places.
    for (std::size_t i = static_cast<std::size_t>(iIndex) + 1; i < mnuSysTray.size(); ++i) {
        mnuSysTray[i - 1].Caption = mnuSysTray[i].Caption;
        mnuSysTray[i - 1].Tag = mnuSysTray[i].Tag;
    }
    mnuSysTray.pop_back();
    OfferMenu();
    return 0;
}

std::int32_t frmSysTray::DefaultMenuIndex() const {
    return DefaultIndex;
}

void frmSysTray::DefaultMenuIndex(std::int32_t lIndex) {
    auto self = shared_from_this();
    DefaultIndex = IsValidMenuIndex(lIndex) ? lIndex : 0;
    if (!unloaded_) OfferMenu();
}

TrayPopupMenu frmSysTray::Popup() const {
    TrayPopupMenu menu;
    menu.Caption = "&Popup";
    for (const MenuItem& item : mnuSysTray)
        menu.Items.push_back({item.Caption, item.Visible, item.Enabled});
    // A default index whose item has been removed marks no item.
    menu.DefaultIndex = IsValidMenuIndex(DefaultIndex) ? DefaultIndex : -1;
    return menu;
}

void frmSysTray::ShowMenu() {
    auto self = shared_from_this();
    if (unloaded_) return;
    shell_.SetForegroundWindow(window_->Handle());
    const int chosen = window_->PopupMenu(Popup());
    if (unloaded_ || !IsValidMenuIndex(chosen)) return;
    mnuSysTray_Click(chosen);
}

void frmSysTray::OfferMenu() {
    // A choice in the standing menu comes later, from the desktop, when the
    // component may be gone or its items fewer.
    window_->OfferMenu(Popup(), [weak = weak_from_this()](int chosen) {
        auto self = weak.lock();
        if (!self || self->unloaded_ || !self->IsValidMenuIndex(chosen)) return;
        self->mnuSysTray_Click(chosen);
    });
}

void frmSysTray::mnuSysTray_Click(std::int32_t index) {
    const std::string key = mnuSysTray[static_cast<std::size_t>(index)].Tag;
    Raise(events_.MenuClick, index, key);
}

void frmSysTray::Form_MouseMove(double x, double /*y*/) {
    auto self = shared_from_this();
    if (unloaded_) return;
    const double pixels = x / window_->TwipsPerPixelX();
    if (!std::isfinite(pixels) || std::abs(pixels) > 1e6) return;
    using namespace NotifyCode;
    switch (std::lround(pixels)) {
        case WM_MOUSEMOVE:
            Raise(events_.SysTrayMouseMove);
            break;
        case WM_LBUTTONDOWN:
            Raise(events_.SysTrayMouseDown, 1);
            break;
        case WM_LBUTTONUP:
            Raise(events_.SysTrayMouseUp, 1);
            break;
        case WM_LBUTTONDBLCLK:
            Raise(events_.SysTrayDoubleClick, 1);
            break;
        case WM_RBUTTONDOWN:
            Raise(events_.SysTrayMouseDown, 2);
            break;
        case WM_RBUTTONUP:
            Raise(events_.SysTrayMouseUp, 2);
            break;
        case WM_RBUTTONDBLCLK:
            Raise(events_.SysTrayDoubleClick, 2);
            break;
        case NIN_BALLOONSHOW:
            Raise(events_.BalloonShow);
            break;
        case NIN_BALLOONHIDE:
            Raise(events_.BalloonHide);
            break;
        case NIN_BALLOONTIMEOUT:
            Raise(events_.BalloonTimeOut);
            break;
        case NIN_BALLOONUSERCLICK:
            Raise(events_.BalloonClicked);
            break;
        default:
            break;
    }
}

void frmSysTray::Unload() {
    auto self = weak_from_this().lock();  // none while the component is being destroyed
    if (unloaded_) return;
    unloaded_ = true;
    Notify(Nim::Delete, UseWide ? NotifyW.uFlags : NotifyA.uFlags);
    window_->Destroy();
}

}  // namespace tagrota
