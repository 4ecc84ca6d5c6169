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
    // Closing the written file, on either path.
    Close,
};

// A step made to fail: the system's reason, and for CreateTemporary whether that
// is the folder refusing new files (as it does a user without the right to add
// one), for which an existing file is rewritten in place.
struct StepFault {
    QString reason;
    bool refused = false;
    // For Rename: where the old file went (native::Replaced::oldFile).
    QString oldFile;
};

// Asked before each step with the file the step acts on; a fault makes the step
// fail. The program's own answer (write_step.cpp, alone in its object file) lets
// every step go. Tests link their own in its place (tests/support/write_fault.h),
// so the program carries no way to make a step fail.
std::optional<StepFault> writeStepFault(WriteStep step, const QString& file);

}  // namespace trellan
