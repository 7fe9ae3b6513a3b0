#include "platform/qt/QtFileWatch.h"

#include <sys/stat.h>

#include <filesystem>
#include <set>

namespace tagrota::qt {
namespace {

// Events closer together than this are one change: an editor writes a file
// in pieces, or writes a new one and renames it.
constexpr int kSettleMs = 40;

}  // namespace

QtFileWatch::QtFileWatch() {
    settle_.setSingleShot(true);
    settle_.setInterval(kSettleMs);
    QObject::connect(&settle_, &QTimer::timeout, &context_, [this] { Settled(); });
    QObject::connect(&watcher_, &QFileSystemWatcher::fileChanged, &context_,
                     [this] { settle_.start(); });
    QObject::connect(&watcher_, &QFileSystemWatcher::directoryChanged, &context_,
                     [this] { settle_.start(); });
}

std::string QtFileWatch::Look(const std::string& path) {
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0 || !S_ISREG(st.st_mode)) return {};
    return std::to_string(st.st_dev) + ":" + std::to_string(st.st_ino) + ":" +
           std::to_string(st.st_size) + ":" + std::to_string(st.st_mtim.tv_sec) + "." +
           std::to_string(st.st_mtim.tv_nsec);
}

void QtFileWatch::Watch(const std::vector<std::string>& paths) {
    paths_ = paths;
    seen_.clear();
    for (const std::string& path : paths_) seen_[path] = Look(path);
    Arm();
}

void QtFileWatch::Arm() {
    if (!watcher_.files().isEmpty()) watcher_.removePaths(watcher_.files());
    std::set<QString> folders;
    for (const std::string& path : paths_) {
        if (path.empty()) continue;
        if (!seen_[path].empty()) watcher_.addPath(QString::fromStdString(path));
        const std::string folder = std::filesystem::path(path).parent_path().string();
        if (!folder.empty()) folders.insert(QString::fromStdString(folder));
    }
    for (const QString& folder : watcher_.directories())
        if (!folders.count(folder)) watcher_.removePath(folder);
    const QStringList now = watcher_.directories();
    for (const QString& folder : folders)
        if (!now.contains(folder) && std::filesystem::is_directory(folder.toStdString()))
            watcher_.addPath(folder);
}

void QtFileWatch::Settled() {
    std::vector<std::string> changed;
    for (const std::string& path : paths_) {
        std::string look = Look(path);
        if (look == seen_[path]) continue;
        seen_[path] = std::move(look);
        changed.push_back(path);
    }
    if (changed.empty()) return;
    Arm();
    // The handler may watch other paths: it is told of a copy.
    for (const std::string& path : changed)
        if (onChange_) onChange_(path);
}

}  // namespace tagrota::qt
