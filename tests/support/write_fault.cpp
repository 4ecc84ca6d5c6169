#include "support/write_fault.h"

#include <algorithm>
#include <vector>

namespace trellan {

namespace {
std::vector<const ScopedWriteFault*> faults;
}

ScopedWriteFault::ScopedWriteFault(WriteStep step, const QString& reason)
    : ScopedWriteFault(step, [reason](const QString&) {
          return std::optional<StepFault>(StepFault{reason, false, {}});
      }) {}

ScopedWriteFault::ScopedWriteFault(WriteStep step, Action action)
    : step_(step), action_(std::move(action)) {
    faults.push_back(this);
}

ScopedWriteFault::~ScopedWriteFault() { std::erase(faults, this); }

// Takes the place of the program's own, which lets every step go.
std::optional<StepFault> writeStepFault(WriteStep step, const QString& file) {
    for (auto fault = faults.rbegin(); fault != faults.rend(); ++fault) {
        if ((*fault)->step() == step) {
            if (std::optional<StepFault> failure = (**fault)(file)) {
                return failure;
            }
        }
    }
    return std::nullopt;
}

}  // namespace trellan
