#include "main_window/picture_table.h"

namespace trellan {
namespace {

struct PictureName {
    const char* model;
    PhonePicture picture;
};

constexpr PictureName kPictureTable[] = {
    {"K700i", PhonePicture::K700}, {"K700", PhonePicture::K700},  {"K700c", PhonePicture::K700},
    {"K500", PhonePicture::K500},  {"K500i", PhonePicture::K500}, {"F500", PhonePicture::K500},
    {"F500i", PhonePicture::K500}, {"S700i", PhonePicture::S700}, {"S700", PhonePicture::S700},
    {"V800", PhonePicture::V800},  {"V802", PhonePicture::V800},  {"V802SE", PhonePicture::V800},
    {"Z800i", PhonePicture::Z800}, {"Z800", PhonePicture::Z800},  {"Z1010", PhonePicture::Z1010},
    {"K750", PhonePicture::K750},  {"K750i", PhonePicture::K750},
};

// The phones photographed, in the order of PhonePicture.
constexpr const char* kPhoneNames[] = {"K750", "K700", "K500", "S700", "V800", "Z1010", "Z800"};

}  // namespace

PhonePicture pictureForModel(QByteArrayView model) {
    for (const PictureName& entry : kPictureTable) {
        if (model == QByteArrayView(entry.model)) {
            return entry.picture;
        }
    }
    return PhonePicture::NoImage;
}

QString phonePictureDescription(PhonePicture picture, const QString& model) {
    if (picture == PhonePicture::NoImage) {
        return QStringLiteral("No picture of the ") + model;
    }
    const QString phone = QLatin1String(kPhoneNames[static_cast<int>(picture)]);
    // Several models share a photograph: say which one it stands in for.
    return phone == model ? QStringLiteral("Picture of the ") + phone
                          : QStringLiteral("Picture of the %1, shown for the %2").arg(phone, model);
}

}  // namespace trellan
