#pragma once

#include <QString>
#include <functional>
#include <optional>

#include "common/write_step.h"

namespace trellan {

// While it lives, `step` of every replacement fails with `reason`; or `action`
// runs before the step, with the file the step acts on, and makes it fail with
// the fault it gives, if any. The newest fault of a step is asked first.
class ScopedWriteFault {
public:
    using Action = std::function<std::optional<StepFault>(const QString& file)>;
    ScopedWriteFault(WriteStep step, const QString& reason);
    ScopedWriteFault(WriteStep step, Action action);
    // The folder refuses new files: an existing file is rewritten in place.
    static ScopedWriteFault refusingNewFiles() {
        return ScopedWriteFault(WriteStep::CreateTemporary, [](const QString&) {
            return std::optional<StepFault>(
                StepFault{QStringLiteral("Permission denied"), true, {}});
        });
    }
    ~ScopedWriteFault();
    ScopedWriteFault(const ScopedWriteFault&) = delete;
    ScopedWriteFault& operator=(const ScopedWriteFault&) = delete;

    WriteStep step() const { return step_; }
    std::optional<StepFault> operator()(const QString& file) const { return action_(file); }

private:
    WriteStep step_;
    Action action_;
};

}  // namespace trellan
