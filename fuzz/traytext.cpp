// The tray icon's texts: any tip, balloon message and title, on each of the
// shells the icon knows (the wide record with and without balloons, the ANSI
// record with and without them).
//
// Checked: what the shell is handed, read as the shell reads it, is the start
// of the text as the record can hold it (cut at a NUL, letters the ANSI code
// page lacks as "?"), no longer than its field allows (a tip 127 characters, 63
// on a shell without balloons; a message 255; a title 63), and cut only where
// the field is full; reading the tip back gives what the record holds.

#include <fuzzer/FuzzedDataProvider.h>

#include "Check.h"
#include "platform/TextFile.h"
#include "platform/Unicode.h"
#include "tray/frmSysTray.h"

namespace {
using namespace tagrota;

class Window final : public ITrayWindow {
public:
    std::uint32_t Handle() const override { return 7; }
    std::int32_t IconHandle() const override { return 0; }
    double TwipsPerPixelX() const override { return 15; }
    void SetOnMouseMove(std::function<void(double, double)>) override {}
    int PopupMenu(const TrayPopupMenu&) override { return -1; }
    void Destroy() override {}
};

// Keeps the last record it was sent, as the shell reads it.
class Shell final : public ITrayShell {
public:
    explicit Shell(std::uint32_t version) : version_(version) {}
    std::uint32_t GetVersion() override { return version_; }
    bool Shell_NotifyIconA(std::uint32_t, const NotifyIconDataA& data) override {
        last = ReadNotifyIconData(data);
        return true;
    }
    bool Shell_NotifyIconW(std::uint32_t, const NotifyIconDataW& data) override {
        last = ReadNotifyIconData(data);
        return true;
    }
    bool SetForegroundWindow(std::uint32_t) override { return true; }
    std::shared_ptr<ITrayWindow> CreateHiddenWindow(const std::string&) override {
        return std::make_shared<Window>();
    }
    bool IsAvailable() const override { return true; }
    NotifyIconView last;

private:
    std::uint32_t version_;
};

// The text as a record of that form holds it whole: up to its first NUL, and
// in the ANSI form every letter the code page lacks as "?".
std::string Holdable(const std::string& text, bool wide) {
    std::string out;
    if (wide) {
        out = FromUtf16(ToUtf16(text));
    } else {
        for (std::size_t i = 0; i < text.size();) {
            const int b = Cp1252Byte(NextCodePoint(text, i));
            AppendUtf8(out, Cp1252Char(static_cast<unsigned char>(b < 0 ? '?' : b)));
        }
    }
    return out.substr(0, out.find('\0'));
}

// Characters as the field counts them: UTF-16 units in the wide form, letters
// in the ANSI one.
std::size_t Length(const std::string& text, bool wide) {
    if (wide) return ToUtf16(text).size();
    std::size_t n = 0;
    for (std::size_t i = 0; i < text.size(); ++n) NextCodePoint(text, i);
    return n;
}

// `shown` is `text` cut to at most `limit` characters, and cut only when the
// field is full (one unit short in the wide form, where half a pair is dropped).
void CheckCut(const std::string& shown, const std::string& text, bool wide, std::size_t limit) {
    const std::string whole = Holdable(text, wide);
    FUZZ_CHECK(IsValidUtf8(shown));
    FUZZ_CHECK(whole.starts_with(shown));
    const std::size_t length = Length(shown, wide);
    FUZZ_CHECK(length <= limit);
    if (shown != whole) FUZZ_CHECK(length + (wide ? 1 : 0) >= limit);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider in(data, size);
    // NT 10.0, NT 4.0, 4.90 and 4.10 of the other family.
    constexpr std::uint32_t kVersions[] = {0x0000000A, 0x00000004, 0x80005A04, 0x80000A04};
    const std::uint32_t version = kVersions[in.ConsumeIntegralInRange(0, 3)];
    const bool wide = (version & 0x80000000u) == 0;
    const bool balloons = version == 0x0000000A || version == 0x80005A04;
    const std::string tip = in.ConsumeRandomLengthString(600);
    const std::string title = in.ConsumeRandomLengthString(300);
    const std::string message = in.ConsumeRemainingBytesAsString();

    Shell shell(version);
    auto tray = frmSysTray::Create(shell, {}, "Tagrota! Signature Changer");
    tray->ToolTip(tip);
    FUZZ_CHECK(shell.last.wide == wide);
    CheckCut(shell.last.tip, tip, wide, balloons ? 127 : 63);
    // The ANSI record holds 127 letters of the tip even where the shell reads 63.
    CheckCut(tray->ToolTip(), tip, wide, wide && !balloons ? 63 : 127);
    FUZZ_CHECK(tray->ToolTip().starts_with(shell.last.tip));

    tray->ShowBalloonTip(message, title);
    if (balloons) {
        FUZZ_CHECK(shell.last.hasInfo);
        CheckCut(shell.last.info, message, wide, 255);
        CheckCut(shell.last.infoTitle, title, wide, 63);
    }
    tray->Unload();
    return 0;
}
