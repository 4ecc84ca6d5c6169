#include "common/ui/jpeg_picture.h"

#include <QFile>
#include <QImage>
#include <QPainter>
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

JpegPicture::JpegPicture(const QString& resource, QWidget* parent)
    : QWidget(parent), resource_(resource) {
    setAttribute(Qt::WA_OpaquePaintEvent);
}

const QPixmap& JpegPicture::pixmap() const {
    if (!loaded_) {
        loaded_ = true;
        pixmap_ = loadJpegPixmap(resource_);
    }
    return pixmap_;
}

bool JpegPicture::decoded() const { return !pixmap().isNull(); }

void JpegPicture::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), palette().window());
    painter.drawPixmap(0, 0, pixmap());
}

}  // namespace trellan
