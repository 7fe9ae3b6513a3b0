// Finding and loading the module of the Scintilla view.

#include "platform/qt/ScintillaModule.h"

#include <dlfcn.h>

#include <QCoreApplication>
#include <filesystem>
#include <mutex>
#include <optional>

#include "platform/ProgramFolders.h"
#include "platform/Translate.h"

namespace tagrota::qt {

namespace {

struct ModuleState {
    std::mutex lock;
    std::string path;           // asked for; empty: the one beside the executable
    std::string programFolder;  // where to look; empty: the executable's folder
    std::optional<ScintillaModuleFound> found;
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
        module.error = Format(Tr("ScintillaModule", "The module %1 could not be loaded: %2."),
                              {path, why ? why : Tr("ScintillaModule", "no reason given")});
        return module;
    }
    void* make = dlsym(handle, kMakeScintillaViewSymbol);
    if (!make) {
        module.error =
            Format(Tr("ScintillaModule", "The module %1 does not make the view (%2 is missing)."),
                   {path, kMakeScintillaViewSymbol});
        return module;
    }
    module.make = reinterpret_cast<MakeScintillaView>(make);
    return module;
}

}  // namespace

std::string ScintillaModuleDir() {
    return TAGROTA_MODULE_DIR;
}

ScintillaModuleFound FindScintillaModule(const std::string& programFolder) {
    namespace fs = std::filesystem;
    const std::string installed =
        (fs::path(programFolder) / ".." / TAGROTA_MODULE_DIR / kScintillaModuleName)
            .lexically_normal()
            .string();
    for (const std::string& candidate :
         {(fs::path(programFolder) / kScintillaModuleName).string(), installed}) {
        std::error_code ec;
        if (!fs::exists(candidate, ec)) continue;
        // The real file is checked and loaded, so that no link can be turned
        // to another one in between.
        const std::string real = RealPath(candidate);
        const std::string why = WhyNotTrusted(
            candidate,
            InstalledPlaces(std::string(TAGROTA_MODULE_DIR) + "/" + kScintillaModuleName));
        if (why.empty()) return {real, ""};
        return {real.empty() ? candidate : real,
                Format(Tr("ScintillaModule",
                          "The editor's module %1 is not loaded, since it is not in a safe "
                          "place: %2."),
                       {real.empty() ? candidate : real, why})};
    }
    return {fs::absolute(installed).lexically_normal().string(), ""};
}

namespace {

// What the state says is to be loaded; called with the lock held.
const ScintillaModuleFound& Found(ModuleState& state) {
    if (!state.found) {
        if (!state.path.empty())
            state.found = ScintillaModuleFound{state.path, ""};
        else
            state.found = FindScintillaModule(
                state.programFolder.empty() ? QCoreApplication::applicationDirPath().toStdString()
                                            : state.programFolder);
    }
    return *state.found;
}

void Reset(ModuleState& state) {
    state.found.reset();
    state.tried = false;
    state.module = {};
}

}  // namespace

const ScintillaModule& LoadScintillaModule() {
    ModuleState& state = State();
    const std::lock_guard<std::mutex> guard(state.lock);
    if (!state.tried) {
        const ScintillaModuleFound& found = Found(state);
        if (found.refused.empty())
            state.module = Load(found.path);
        else
            state.module.error = found.refused;
        state.tried = true;
    }
    return state.module;
}

std::string ScintillaModuleRefused() {
    ModuleState& state = State();
    const std::lock_guard<std::mutex> guard(state.lock);
    return Found(state).refused;
}

void UseScintillaModuleAt(std::string path) {
    ModuleState& state = State();
    const std::lock_guard<std::mutex> guard(state.lock);
    state.path = std::move(path);
    state.programFolder.clear();
    Reset(state);
}

void LookForScintillaModuleIn(std::string programFolder) {
    ModuleState& state = State();
    const std::lock_guard<std::mutex> guard(state.lock);
    state.path.clear();
    state.programFolder = std::move(programFolder);
    Reset(state);
}

}  // namespace tagrota::qt
