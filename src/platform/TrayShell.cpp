#include "platform/TrayShell.h"

#include <algorithm>
#include <string_view>

#include "platform/Unicode.h"

namespace tagrota {
namespace {

// The shell copies a text field as a string of the field's size: at most one
// character less than the field holds.
template <class Char, std::size_t N>
std::string Text(const Char (&field)[N], std::size_t capacity = N) {
    return FieldText(field, capacity - 1);
}

template <class Record>
NotifyIconView Read(const Record& data, bool wide) {
    NotifyIconView v;
    v.wide = wide;
    v.cbSize = data.cbSize;
    v.hWnd = data.hWnd;
    v.uID = data.uID;
    v.uFlags = data.uFlags;
    v.uCallbackMessage = data.uCallbackMessage;
    v.hIcon = data.hIcon;
    // A record of the first size ends after the tip's first 64 characters.
    v.hasInfo = data.cbSize >= sizeof(Record);
    v.tip = Text(data.szTip, v.hasInfo ? std::size(data.szTip) : 64);
    if (v.hasInfo) {
        v.info = Text(data.szInfo);
        v.infoTitle = Text(data.szInfoTitle);
        v.timeoutOrVersion = data.uTimeoutOrVersion;
        v.infoFlags = data.dwInfoFlags;
    }
    return v;
}

}  // namespace

std::string FieldText(const char* field, std::size_t chars) {
    std::string out;
    for (std::size_t i = 0; i < chars && field[i] != '\0'; ++i)
        AppendUtf8(out, Cp1252Char(static_cast<unsigned char>(field[i])));
    return out;
}

std::string FieldText(const char16_t* field, std::size_t chars) {
    std::size_t n = 0;
    while (n < chars && field[n] != u'\0') ++n;
    return FromUtf16(std::u16string_view(field, n));
}

NotifyIconView ReadNotifyIconData(const NotifyIconDataA& data) {
    return Read(data, false);
}

NotifyIconView ReadNotifyIconData(const NotifyIconDataW& data) {
    return Read(data, true);
}

}  // namespace tagrota
