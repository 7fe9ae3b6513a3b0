#pragma once
// The watch over files that other programs change, on QFileSystemWatcher
// (inotify on Linux). A file's own watch follows its inode, which an editor
// that renames a new file over it leaves behind, and which a removed file
// takes with it; so the folder of each file is watched as well, and after
// every change each file's watch is set again on what is at its path now.

#include <QFileSystemWatcher>
#include <QObject>
#include <QTimer>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "platform/FileWatch.h"

namespace tagrota::qt {

class QtFileWatch final : public IFileWatch {
public:
    QtFileWatch();
    void Watch(const std::vector<std::string>& paths) override;
    void SetOnChange(std::function<void(const std::string&)> handler) override {
        onChange_ = std::move(handler);
    }

private:
    // What tells one version of a file from another, as the folder shows it:
    // empty for no file.
    static std::string Look(const std::string& path);
    // The watches set again on the files at the paths now.
    void Arm();
    // After a burst of events has settled: each path whose file looks
    // different is told.
    void Settled();

    QObject context_;
    QFileSystemWatcher watcher_;
    QTimer settle_;
    std::vector<std::string> paths_;
    std::map<std::string, std::string> seen_;
    std::function<void(const std::string&)> onChange_;
};

}  // namespace tagrota::qt
