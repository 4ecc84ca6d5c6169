#pragma once

#include "app/ui/app_context.h"

namespace trellan {

class TForm1;
class TForm2;
class TForm3;
class TForm4;

// The four long-lived windows.
struct WindowSet {
    TForm1* form1 = nullptr;
    TForm2* form2 = nullptr;
    TForm3* form3 = nullptr;
    TForm4* form4 = nullptr;
};

// Owns the four windows for the life of the program, and carries out who shows
// whom: the windows only announce what the user asked of them.
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
    void connectWindows();

    WindowSet set_;
};

}  // namespace trellan
