#include "platform/qt/WorkerThreads.h"

#include <dirent.h>
#include <array>
#include <fstream>
#include <string>
#include <string_view>
#include <thread>

namespace tagrota::qt {

namespace {

// The names Qt gives those threads, as the system keeps them (15 bytes at
// most).
constexpr std::array<std::string_view, 2> kWorkerNames = {"Thread (pooled)", "QXcbEventQueue"};

}  // namespace

int WorkerThreadCount() {
    DIR* tasks = ::opendir("/proc/self/task");
    if (!tasks) return 0;  // no way to tell: nothing to wait for
    int count = 0;
    while (const dirent* task = ::readdir(tasks)) {
        if (task->d_name[0] == '.') continue;
        std::ifstream comm(std::string("/proc/self/task/") + task->d_name + "/comm");
        std::string name;
        if (!std::getline(comm, name)) continue;  // ended while we looked
        for (std::string_view worker : kWorkerNames)
            if (name == worker) ++count;
    }
    ::closedir(tasks);
    return count;
}

void AwaitWorkerThreadsEnd(std::chrono::milliseconds limit) {
    const auto deadline = std::chrono::steady_clock::now() + limit;
    while (WorkerThreadCount() > 0 && std::chrono::steady_clock::now() < deadline)
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
}

}  // namespace tagrota::qt
