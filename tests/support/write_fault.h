#pragma once

#include <QString>
#include <functional>
#include <optional>

#include "common/write_step.h"

namespace trellan {

// While it lives, `step` of every replacement fails with `reason`; or `action`
// runs before the step, with the file the step acts on, and makes it fail with
// the reason it gives, if any. The newest fault of a step is asked first.
class ScopedWriteFault {
public:
    using Action = std::function<std::optional<QString>(const QString& file)>;
    ScopedWriteFault(WriteStep step, const QString& reason);
    ScopedWriteFault(WriteStep step, Action action);
    ~ScopedWriteFault();
    ScopedWriteFault(const ScopedWriteFault&) = delete;
    ScopedWriteFault& operator=(const ScopedWriteFault&) = delete;

    WriteStep step() const { return step_; }
    std::optional<QString> operator()(const QString& file) const { return action_(file); }

private:
    WriteStep step_;
    Action action_;
};

}  // namespace trellan
