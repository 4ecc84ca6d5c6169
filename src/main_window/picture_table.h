#pragma once

#include <QByteArrayView>
#include <QString>

namespace trellan {

// The phone pictures of the main window, in their stacking order from bottom to top.
enum class PhonePicture { K750, K700, K500, S700, V800, Z1010, Z800, NoImage };

inline constexpr int kPhonePictureCount = 8;

// The picture for a model name, compared whole and case-sensitively.
PhonePicture pictureForModel(QByteArrayView model);

// What a screen reader is told the picture frame shows once `model` is chosen.
QString phonePictureDescription(PhonePicture picture, const QString& model);

}  // namespace trellan
