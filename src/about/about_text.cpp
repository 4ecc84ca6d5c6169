#include "about/about_text.h"

namespace trellan {

QStringList aboutLines() {
    return {
        QStringLiteral("This tool was created by calvorn.example"),
        QString(),
        QStringLiteral("It helps to customize your SEMC phone using setool2 by the setool team..."),
        QString(),
        QStringLiteral(
            "Just chose your phone model and filesystem flash and select whether you want "
            "the camera shutter sound to be switched on or off. Then just hit \"Update "
            "customize.xml\""),
        QStringLiteral(
            "and the next phone flashed with \"Complete phone\" checked in setool2 will be "
            "customized with these settings."),
        QString(),
        QStringLiteral("Regards,"),
        QStringLiteral("Calvorn"),
        QStringLiteral("https://calvorn.example/"),
    };
}

}  // namespace trellan
