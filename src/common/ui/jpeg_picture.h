#pragma once

#include <QLabel>

namespace trellan {

// A picture stored with the program as a JPEG resource, decoded with libjpeg.
// A picture that cannot be decoded leaves the place empty.
class JpegPicture : public QLabel {
    Q_OBJECT
public:
    JpegPicture(const QString& resource, QWidget* parent);
    bool decoded() const { return decoded_; }

private:
    bool decoded_ = false;
};

// The decoded picture, or a null pixmap.
QPixmap loadJpegPixmap(const QString& resource);

}  // namespace trellan
