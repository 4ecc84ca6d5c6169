#pragma once

#include "common/ui/app_context.h"

namespace trellan {

// Owns the four windows for the life of the program.
class Windows {
public:
    // Creates the main window, About, the script generator and the advanced
    // window in that order, each creation handler running at its moment. A
    // failing handler shows the error box and creation goes on with the next.
    explicit Windows(AppContext& context);
    ~Windows();
    Windows(const Windows&) = delete;
    Windows& operator=(const Windows&) = delete;

    WindowSet& set() { return set_; }

private:
    WindowSet set_;
};

}  // namespace trellan
