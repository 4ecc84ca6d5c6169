#include "common/ui/jpeg_picture.h"

#include <QFile>
#include <QImage>
#include <QPixmap>

#include "common/jpeg.h"

namespace trellan {

QPixmap loadJpegPixmap(const QString& resource) {
    QFile file(resource);
    if (!file.open(QIODevice::ReadOnly)) {
        return {};
    }
    const auto decoded = decodeJpeg(file.readAll());
    if (!decoded) {
        return {};
    }
    const QImage image(decoded->rgb.data(), decoded->width, decoded->height, decoded->width * 3,
                       QImage::Format_RGB888);
    return QPixmap::fromImage(image.copy());
}

JpegPicture::JpegPicture(const QString& resource, QWidget* parent) : QLabel(parent) {
    const QPixmap pixmap = loadJpegPixmap(resource);
    decoded_ = !pixmap.isNull();
    setPixmap(pixmap);
}

}  // namespace trellan
