#include "common/ui/jpeg_picture.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QPixmap>

#include "common/jpeg.h"

namespace trellan {
namespace {

QPixmap decodeResource(const QString& resource) {
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

QAccessibleInterface* pictureAccessible(const QString&, QObject* object) {
    auto* picture = qobject_cast<JpegPicture*>(object);
    return picture != nullptr ? new QAccessibleWidget(picture, QAccessible::Graphic) : nullptr;
}

}  // namespace

QPixmap loadJpegPixmap(const QString& resource, qreal devicePixelRatio) {
    if (devicePixelRatio > 1.0 && resource.endsWith(QLatin1String(".jpg"))) {
        QPixmap doubled = decodeResource(resource.chopped(4) + QLatin1String("@2x.jpg"));
        if (!doubled.isNull()) {
            doubled.setDevicePixelRatio(2.0);
            return doubled;
        }
    }
    return decodeResource(resource);
}

JpegPicture::JpegPicture(const QString& resource, QWidget* parent)
    : QWidget(parent), resource_(resource) {
    static const bool factoryInstalled = [] {
        QAccessible::installFactory(pictureAccessible);
        return true;
    }();
    Q_UNUSED(factoryInstalled)
    setAttribute(Qt::WA_OpaquePaintEvent);
}

const QPixmap& JpegPicture::pixmap() const {
    // Decoded again only when the window moves to a screen of another scale.
    const qreal ratio = devicePixelRatioF();
    if (loadedRatio_ != ratio) {
        loadedRatio_ = ratio;
        pixmap_ = loadJpegPixmap(resource_, ratio);
    }
    return pixmap_;
}

bool JpegPicture::decoded() const { return !pixmap().isNull(); }

JpegPicture* placedPicture(QWidget* parent, const QString& name, const QString& resource,
                           const QRect& place) {
    auto* picture = new JpegPicture(resource, parent);
    picture->setObjectName(name);
    picture->setGeometry(place);
    return picture;
}

void JpegPicture::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), palette().window());
    // Only a scale between the two sources resamples; smoothly, not in blocks.
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawPixmap(0, 0, pixmap());
}

}  // namespace trellan
