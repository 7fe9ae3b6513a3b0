#pragma once
// Work on a thread of its own, whose end is posted to the event loop.

#include <functional>
#include <memory>
#include <thread>

#include "platform/Controls.h"

namespace tagrota::qt {

class QtBackgroundWork final : public IBackgroundWork {
public:
    QtBackgroundWork(std::function<void()> work, std::function<void()> then);
    ~QtBackgroundWork() override;
    QtBackgroundWork(const QtBackgroundWork&) = delete;
    QtBackgroundWork& operator=(const QtBackgroundWork&) = delete;
    bool Done() const override;

    struct Shared;

private:
    std::shared_ptr<Shared> shared_;
    std::thread thread_;
};

}  // namespace tagrota::qt
