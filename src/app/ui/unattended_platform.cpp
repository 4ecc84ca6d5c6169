#include "app/ui/unattended_platform.h"

#include <cstdio>

namespace trellan {

void UnattendedPlatform::runMessageBox(QWidget*, const QString& title, const QString& text,
                                       MessageIcon) {
    ++boxesShown_;
    std::fprintf(stderr, "message box \"%s\": %s\n", qPrintable(title), qPrintable(text));
    std::fflush(stderr);
}

}  // namespace trellan
