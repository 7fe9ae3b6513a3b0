#include "platform/headless/HeadlessPlatform.h"

#include <algorithm>
#include <cmath>
#include <filesystem>

namespace tagrota::headless {

void TextControl::SetText(const std::string& text) {
    Assign(text);
}

void TextControl::Type(const std::string& text) {
    if (!locked_) Assign(text);
}

void TextControl::Assign(const std::string& text) {
    if (text == text_) return;
    text_ = text;
    if (onChange_) onChange_();
}

void TextEditor::SetText(const std::string& text) {
    std::string wanted = ToCrLf(text);
    if (wanted == GetText()) return;
    history_.assign(1, wanted);
    step_ = 0;
    clean_ = 0;
    Assign(wanted);
}

void TextEditor::Type(const std::string& text) {
    std::string typed = ToCrLf(text);
    if (Locked() || typed == GetText()) return;
    history_.resize(step_ + 1);
    if (clean_ && *clean_ > step_) clean_.reset();
    history_.push_back(typed);
    ++step_;
    Assign(typed);
}

void TextEditor::Undo() {
    if (Locked() || step_ == 0) return;
    --step_;
    Assign(history_[step_]);
}

void TextEditor::Redo() {
    if (Locked() || step_ + 1 == history_.size()) return;
    ++step_;
    Assign(history_[step_]);
}

FileStatus TextEditor::LoadFile(const std::string& path, std::optional<PrefetchedText> prefetched) {
    return backing_.Load(
        path,
        [this](const std::string& text) {
            SetText(text);
            history_.assign(1, GetText());
            step_ = 0;
            clean_ = 0;
        },
        std::move(prefetched));
}

FileStatus TextEditor::SaveFile(const std::string& path) {
    return backing_.Save(path, GetText());
}

Timer::Timer(HeadlessPlatform& platform) : platform_(platform) {
    platform_.timers_.push_back(this);
}

Timer::~Timer() {
    std::erase(platform_.timers_, this);
}

void Timer::Restart() {
    due_ = platform_.now_ + interval_;
}

std::optional<std::int64_t> Timer::Remaining() const {
    if (!enabled_ || interval_ <= 0) return std::nullopt;
    return due_ - platform_.now_;
}

void Timer::SetInterval(int milliseconds) {
    interval_ = milliseconds;
    if (enabled_) Restart();
}

void Timer::SetEnabled(bool enabled) {
    if (enabled && !enabled_) Restart();
    enabled_ = enabled;
}

void HeadlessPlatform::Advance(std::int64_t milliseconds) {
    const std::int64_t end = now_ + milliseconds;
    for (;;) {
        Timer* next = nullptr;
        for (Timer* t : timers_)
            if (t->enabled_ && t->interval_ > 0 && !t->ticking_ && t->due_ <= end &&
                (!next || t->due_ < next->due_))
                next = t;
        if (!next) break;
        now_ = std::max(now_, next->due_);
        next->due_ += next->interval_;
        next->ticking_ = true;
        if (next->onTick_) next->onTick_();
        // The handler may have ended the timer with its window.
        if (std::ranges::find(timers_, next) != timers_.end()) next->ticking_ = false;
    }
    for (Timer* t : timers_)
        if (t->ticking_ && t->interval_ > 0)
            while (t->due_ <= end) t->due_ += t->interval_;
    now_ = std::max(now_, end);
}

double Clock::SecondsSinceMidnight() {
    return std::fmod(platform_.StartOfDay() + static_cast<double>(platform_.Now()) / 1000.0,
                     86400.0);
}

int MessageBox::MsgBox(const std::string& text, int style, const std::string& title) {
    shown.push_back({text, style, title});
    if (whileOpen) whileOpen();
    if (!answers_.empty()) {
        int answer = answers_.front();
        answers_.pop_front();
        return answer;
    }
    switch (style & 7) {
        case MsgBoxStyle::YesNo:
            return MsgBoxResult::No;
        case MsgBoxStyle::OkOnly:
            return MsgBoxResult::Ok;
        default:
            return MsgBoxResult::Cancel;
    }
}

int MessageBox::Choose(const std::string& text, int icon, const std::string& title,
                       const std::vector<std::string>& buttons) {
    shown.push_back({text, icon, title, buttons});
    if (whileOpen) whileOpen();
    const int last = static_cast<int>(buttons.size()) - 1;
    if (answers_.empty()) return last;
    const int answer = answers_.front();
    answers_.pop_front();
    return answer >= 0 && answer <= last ? answer : last;
}

void MessageBox::ShowNotice(const std::string& text, int style, const std::string& title) {
    shown.push_back({text, style, title, {}, false});
}

bool ProgramLauncher::StartProgram(const std::string& path) {
    asked.push_back(path);
    if (failAll || !files_.FileExists(path)) return false;
    started.push_back(path);
    return true;
}

FileContents FaultyFileSystem::ReadFile(const std::string& path) {
    {
        const std::lock_guard lock(readsGuard_);
        ++reads_[path];
    }
    if (failReads.count(path)) return {FileStatus::Failure("Input/output error"), {}};
    return real.ReadFile(path);
}

int FaultyFileSystem::Reads(const std::string& path) const {
    const std::lock_guard lock(readsGuard_);
    const auto found = reads_.find(path);
    return found == reads_.end() ? 0 : found->second;
}

FileStatus FaultyFileSystem::WriteFileAtomic(const std::string& path, std::string_view bytes,
                                             Durability durability) {
    ++writes;
    if (failAllWrites || failWrites.count(path)) return FileStatus::Failure(failWriteReason);
    const std::string folder = std::filesystem::path(path).parent_path().string();
    if (readOnly.count(path)) return FileStatus::Failure("Permission denied");
    FileStatus written;
    if (readOnly.count(folder)) {
        if (!real.FileExists(path)) return FileStatus::Failure("Permission denied");
        written = real.WriteFileInPlace(path, bytes, durability, false);
    } else {
        written = real.WriteFileAtomic(path, bytes, durability);
    }
    if (written && onWritten) onWritten(path, bytes);
    return written;
}

FileStatus FaultyFileSystem::CreateNewFile(const std::string& path, std::string_view bytes) {
    ++writes;
    if (failAllWrites || failWrites.count(path))
        return FileStatus::Failure("No space left on device");
    const std::string folder = std::filesystem::path(path).parent_path().string();
    if (readOnly.count(folder)) return FileStatus::Failure("Permission denied");
    FileStatus written = real.CreateNewFile(path, bytes);
    if (written && onWritten) onWritten(path, bytes);
    return written;
}

std::string SettingsStore::GetSetting(const std::string& appName, const std::string& section,
                                      const std::string& key, const std::string& defaultValue) {
    auto it = values.find({appName, section, key});
    return it == values.end() ? defaultValue : it->second;
}

void SettingsStore::SaveSetting(const std::string& appName, const std::string& section,
                                const std::string& key, const std::string& value) {
    if (!failSaves.empty()) {
        saveStatus_ = FileStatus::Failure(failSaves);
        return;
    }
    values[{appName, section, key}] = value;
    saves.push_back(key);
}

TextSpan TextEditor::Selection() const {
    // Within the text as it is now.
    const std::size_t size = GetText().size();
    const std::size_t start = std::min(selection_.Start, size);
    return {start, std::min(selection_.Length, size - start)};
}

}  // namespace tagrota::headless
