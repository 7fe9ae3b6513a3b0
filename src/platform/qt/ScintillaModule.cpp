// Finding and loading the module of the Scintilla view.

#include "platform/qt/ScintillaModule.h"

#include <dlfcn.h>

#include <QCoreApplication>
#include <QFileInfo>
#include <mutex>

namespace tagrota::qt {

namespace {

struct ModuleState {
    std::mutex lock;
    std::string path;  // asked for; empty: the one beside the executable
    bool tried = false;
    ScintillaModule module;
};

ModuleState& State() {
    static ModuleState state;
    return state;
}

ScintillaModule Load(const std::string& path) {
    ScintillaModule module;
    // Kept loaded for the rest of the run: its views may live until the end.
    void* handle = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!handle) {
        const char* why = dlerror();
        module.error =
            "The module " + path + " could not be loaded: " + (why ? why : "no reason given") + ".";
        return module;
    }
    void* make = dlsym(handle, kMakeScintillaViewSymbol);
    if (!make) {
        module.error = "The module " + path + " does not make the view (" +
                       kMakeScintillaViewSymbol + " is missing).";
        return module;
    }
    module.make = reinterpret_cast<MakeScintillaView>(make);
    return module;
}

}  // namespace

std::string ScintillaModuleDir() {
    return TAGROTA_MODULE_DIR;
}

std::string ScintillaModulePath(const std::string& programFolder) {
    const QString folder = QString::fromStdString(programFolder);
    const QString beside = folder + QLatin1Char('/') + QLatin1String(kScintillaModuleName);
    if (QFileInfo::exists(beside)) return beside.toStdString();
    return QFileInfo(folder + QLatin1String("/../") + QLatin1String(TAGROTA_MODULE_DIR) +
                     QLatin1Char('/') + QLatin1String(kScintillaModuleName))
        .absoluteFilePath()
        .toStdString();
}

const ScintillaModule& LoadScintillaModule() {
    ModuleState& state = State();
    const std::lock_guard<std::mutex> guard(state.lock);
    if (!state.tried) {
        state.module =
            Load(state.path.empty()
                     ? ScintillaModulePath(QCoreApplication::applicationDirPath().toStdString())
                     : state.path);
        state.tried = true;
    }
    return state.module;
}

void UseScintillaModuleAt(std::string path) {
    ModuleState& state = State();
    const std::lock_guard<std::mutex> guard(state.lock);
    state.path = std::move(path);
    state.tried = false;
    state.module = {};
}

}  // namespace tagrota::qt
