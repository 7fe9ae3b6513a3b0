#include "TestSupport.h"

#include <gtest/gtest.h>

#include <random>

#include "engine/Settings.h"

namespace tagrota::test {
namespace fs = std::filesystem;

TempDir::TempDir() {
    std::random_device rd;
    path_ =
        fs::temp_directory_path() / ("tagrota-test-" + std::to_string(rd()) + std::to_string(rd()));
    fs::create_directories(path_);
}

TempDir::~TempDir() {
    std::error_code ec;
    fs::remove_all(path_, ec);
}

std::string ReadBytes(const std::string& path) {
    return StdFileSystem().ReadFile(path).bytes;
}

void WriteBytes(const std::string& path, const std::string& bytes) {
    ASSERT_TRUE(StdFileSystem().WriteFileAtomic(path, bytes, Durability::NoFlush)) << path;
}

EngineRig::EngineRig()
    : engine(state, {txtFixedSig, txtRandom, txtCurrent, txtRPath},
             {files, messages, platform.clock, random, dir.Path().string()}) {
    state.CurrentPath = dir.File("sig.txt");
    state.WrapCount = 65;
}

void EngineRig::UseCollection(const std::string& text) {
    txtRandom.SetText(text);
    engine.SplitCollection();
}

void EngineRig::StartUp(headless::SettingsStore& store) {
    SettingsReader reader(store, dir.Path().string());
    reader.ReadGeometry();
    reader.ReadProgramSettings(state);
    txtRPath.SetText(state.RandomPath);
    state.IgnoreEvent = true;
    engine.LoadFixedSignature();
    engine.LoadCollectionFirstHalf();
    engine.LoadCurrentSignature(state.CurrentPath);
    state.IgnoreEvent = false;
    engine.Randomize();
    engine.SplitAndFallBack([this](int tab) { tabsSelected.push_back(tab); });
}

}  // namespace tagrota::test
