// The stored settings as start-up converts them: any texts under the fourteen
// keys (a piece of the input each, ended by a backslash and one more byte; a
// piece that starts with DEL, or one past the input's end, is an absent key),
// and the conversions of one more text.
//
// Checked: a number or flag that converts reads back as itself after being
// written in the program's own form; the settings read lie in their ranges
// (durations 5 to 60, widths 32 to 128, paths never empty), and writing them as
// closing does and reading them again gives the same settings.

#include <fuzzer/FuzzedDataProvider.h>

#include <map>

#include "Check.h"
#include "engine/Settings.h"

namespace {
using namespace tagrota;

class MemoryStore final : public ISettingsStore {
public:
    std::string GetSetting(const std::string&, const std::string&, const std::string& key,
                           const std::string& defaultValue) override {
        auto it = values.find(key);
        return it == values.end() ? defaultValue : it->second;
    }
    void SaveSetting(const std::string&, const std::string&, const std::string& key,
                     const std::string& value) override {
        values[key] = value;
    }
    std::map<std::string, std::string> values;
};

constexpr const char* kKeys[] = {
    SettingKey::MainLeft,    SettingKey::MainTop,     SettingKey::MainWidth,
    SettingKey::MainHeight,  SettingKey::SigPath,     SettingKey::WrapCount,
    SettingKey::DoWrap,      SettingKey::InSysTray,   SettingKey::RandomFile,
    SettingKey::CurrentFile, SettingKey::SigDuration, SettingKey::StartMin,
    SettingKey::UseSeq,      SettingKey::SigLineEnds};

struct Read {
    WindowGeometry geometry;
    ProgramState state;
};

Read ReadAll(ISettingsStore& store) {
    SettingsReader reader(store, "/opt/Tagrota");
    Read r;
    r.geometry = reader.ReadGeometry();
    reader.ReadProgramSettings(r.state);
    return r;
}

bool Same(const Read& a, const Read& b) {
    const WindowGeometry &g = a.geometry, &h = b.geometry;
    const ProgramState &s = a.state, &t = b.state;
    return g.Left == h.Left && g.Top == h.Top && g.Width == h.Width && g.Height == h.Height &&
           s.SigPath == t.SigPath && s.WrapCount == t.WrapCount && s.DoWrap == t.DoWrap &&
           s.InSysTray == t.InSysTray && s.Files.RandomPath() == t.Files.RandomPath() &&
           s.Files.CurrentPath() == t.Files.CurrentPath() && s.SigDuration == t.SigDuration &&
           s.StartMin == t.StartMin && s.UseSeq == t.UseSeq && s.SigLineEnds == t.SigLineEnds;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider in(data, size);
    MemoryStore stored;
    for (const char* key : kKeys) {
        if (in.remaining_bytes() == 0) break;
        std::string value = in.ConsumeRandomLengthString(256);
        if (!value.empty() && value[0] == '\x7f') continue;  // an absent key
        stored.values[key] = value;
    }
    const std::string single = in.ConsumeRemainingBytesAsString();

    if (auto f = ParseSingle(single)) FUZZ_CHECK(ParseSingle(FormatSingle(*f)) == *f);
    if (auto i = ParseInteger(single)) FUZZ_CHECK(ParseInteger(FormatInteger(*i)) == *i);
    if (auto b = ParseBoolean(single)) FUZZ_CHECK(ParseBoolean(FormatBoolean(*b)) == *b);

    const Read first = ReadAll(stored);
    const ProgramState& s = first.state;
    FUZZ_CHECK(s.SigDuration >= kMinSigDuration && s.SigDuration <= kMaxSigDuration);
    FUZZ_CHECK(s.WrapCount >= kMinWrapCount && s.WrapCount <= kMaxWrapCount);
    FUZZ_CHECK(!s.Files.RandomPath().empty() && !s.Files.CurrentPath().empty());

    MemoryStore written;
    WriteSettings(written, s, first.geometry);
    FUZZ_CHECK(Same(ReadAll(written), first));
    return 0;
}
