#pragma once

#include <QPixmap>
#include <QString>
#include <QWidget>

namespace trellan {

// A picture stored with the program as a JPEG resource, decoded with libjpeg.
// Decoding waits for the first paint, so pictures hidden or covered at start-up
// cost nothing; the picture paints its whole rectangle, so Qt skips what lies
// under it. A picture that cannot be decoded leaves the place empty.
class JpegPicture : public QWidget {
    Q_OBJECT
public:
    JpegPicture(const QString& resource, QWidget* parent);
    // Decodes now if it has not been, and tells whether it worked.
    bool decoded() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    const QPixmap& pixmap() const;

    QString resource_;
    mutable bool loaded_ = false;
    mutable QPixmap pixmap_;
};

// The decoded picture, or a null pixmap.
QPixmap loadJpegPixmap(const QString& resource);

}  // namespace trellan
