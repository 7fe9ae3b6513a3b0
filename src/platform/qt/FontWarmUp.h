#pragma once
// Fonts made ready on threads of their own while the program starts.
//
// Loading the system's font configuration (parsing its files and the font
// caches they name) and filling Qt's font database from it is most of what the
// first measured text costs, and the main window measures text as it is built.
// These two objects do that work beside the start-up instead, in two steps,
// the second waiting for the first. Whoever asks for a font meanwhile is
// served all the same: Qt's font database may be used from any thread and
// waits for itself, and at worst fontconfig loads its configuration twice.

#include <future>
#include <thread>

namespace tagrota::qt {

// Made first thing in main, before the application object: loads the font
// configuration while Qt starts. Where Qt does not use fontconfig, it does
// nothing.
class FontConfigWarmUp {
public:
    FontConfigWarmUp();
    ~FontConfigWarmUp();  // waits for the loading to end
    FontConfigWarmUp(const FontConfigWarmUp&) = delete;
    FontConfigWarmUp& operator=(const FontConfigWarmUp&) = delete;

private:
    friend class FontDatabaseWarmUp;
    std::shared_future<void> loaded_;
    std::thread worker_;
};

// Made right after the application object, so that it ends before that does:
// fills Qt's font database once the configuration has loaded.
class FontDatabaseWarmUp {
public:
    explicit FontDatabaseWarmUp(const FontConfigWarmUp& config);
    ~FontDatabaseWarmUp();  // waits for the filling to end
    FontDatabaseWarmUp(const FontDatabaseWarmUp&) = delete;
    FontDatabaseWarmUp& operator=(const FontDatabaseWarmUp&) = delete;

private:
    std::thread worker_;
};

}  // namespace tagrota::qt
