#include "platform/qt/FontWarmUp.h"

#include <QFontDatabase>
#include <QStringList>
#include <system_error>

#ifdef TAGROTA_HAVE_FONTCONFIG
#include <fontconfig/fontconfig.h>
#endif

namespace tagrota::qt {

FontConfigWarmUp::FontConfigWarmUp() {
#ifdef TAGROTA_HAVE_FONTCONFIG
    std::packaged_task<void()> load([] { FcInit(); });
    loaded_ = load.get_future().share();
    try {
        worker_ = std::thread(std::move(load));
    } catch (const std::system_error&) {
        loaded_ = {};  // no thread to spare: the first text measured loads it
    }
#endif
}

FontConfigWarmUp::~FontConfigWarmUp() {
    if (worker_.joinable()) worker_.join();
}

FontDatabaseWarmUp::FontDatabaseWarmUp(const FontConfigWarmUp& config) {
    try {
        worker_ = std::thread([loaded = config.loaded_] {
            if (loaded.valid()) loaded.wait();
            QFontDatabase::families();
        });
    } catch (const std::system_error&) {
    }
}

FontDatabaseWarmUp::~FontDatabaseWarmUp() {
    if (worker_.joinable()) worker_.join();
}

}  // namespace tagrota::qt
