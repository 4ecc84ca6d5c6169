#pragma once

#include <QString>
#include <optional>

namespace trellan {

// The steps of a replacement (file_io.h), each of which a real disk can fail.
enum class WriteStep {
    CreateTemporary,
    Write,
    Flush,
    Sync,
    Rename,
    RemoveTemporary,
    // Rewriting in place:
    Lock,
    Backup,
    Truncate,
    Restore,
};

// Asked before each step with the file the step acts on; a reason makes the step
// fail with it. The program's own answer (write_step.cpp, alone in its object file)
// lets every step go. Tests link their own in its place (tests/support/write_fault.h),
// so the program carries no way to make a step fail.
std::optional<QString> writeStepFault(WriteStep step, const QString& file);

}  // namespace trellan
