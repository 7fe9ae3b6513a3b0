#include "platform/qt/QtBackgroundWork.h"

#include <QCoreApplication>
#include <QMetaObject>
#include <mutex>

namespace tagrota::qt {

// What the thread and the event loop share: the end to run, until the work
// object goes.
struct QtBackgroundWork::Shared {
    std::mutex lock;
    std::function<void()> then;
    bool done = false;
};

QtBackgroundWork::QtBackgroundWork(std::function<void()> work, std::function<void()> then)
    : shared_(std::make_shared<Shared>()) {
    shared_->then = std::move(then);
    thread_ = std::thread([shared = shared_, work = std::move(work)] {
        work();
        QMetaObject::invokeMethod(
            QCoreApplication::instance(),
            [shared] {
                std::function<void()> then;
                {
                    const std::lock_guard<std::mutex> guard(shared->lock);
                    then = std::move(shared->then);
                    shared->then = nullptr;
                    shared->done = true;
                }
                if (then) then();
            },
            Qt::QueuedConnection);
    });
}

QtBackgroundWork::~QtBackgroundWork() {
    {
        const std::lock_guard<std::mutex> guard(shared_->lock);
        shared_->then = nullptr;
    }
    thread_.join();
}

bool QtBackgroundWork::Done() const {
    const std::lock_guard<std::mutex> guard(shared_->lock);
    return shared_->done;
}

}  // namespace tagrota::qt
