#pragma once

#include <QString>
#include <cstdint>

// What tests do to files that Qt has no call for.
namespace trellan::testing {

// Gives `existing` the second name `link`; false where the system refuses.
bool makeHardLink(const QString& existing, const QString& link);

// Holds a file open as another program would. On Windows it shares nothing, so
// that the file cannot be replaced, removed or written while held, as when a
// virus scanner or setool2 has it open.
class HeldFile {
public:
    explicit HeldFile(const QString& path);
    ~HeldFile() { release(); }
    HeldFile(const HeldFile&) = delete;
    HeldFile& operator=(const HeldFile&) = delete;
    bool held() const { return handle_ != -1; }
    void release();

private:
    std::intptr_t handle_ = -1;
};

}  // namespace trellan::testing
