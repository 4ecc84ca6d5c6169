#pragma once

#include <QPixmap>
#include <QString>
#include <QWidget>

namespace trellan {

// A picture stored with the program as a JPEG resource, decoded with libjpeg.
// Decoding waits for the first paint, so pictures hidden or covered at start-up
// cost nothing; the picture paints its whole rectangle, so Qt skips what lies
// under it. A picture that cannot be decoded leaves the place empty. On a
// screen scaled above 100% it is drawn from its double-size source, so it
// stays sharp. A screen reader finds it as a graphic.
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
    mutable qreal loadedRatio_ = 0;  // 0: not decoded yet
    mutable QPixmap pixmap_;
};

// A picture in `parent`, named, at the design's place.
JpegPicture* placedPicture(QWidget* parent, const QString& name, const QString& resource,
                           const QRect& place);

// The decoded picture, or a null pixmap. Above a device pixel ratio of 1 it is
// decoded from "<name>@2x.jpg" where that exists, at a pixel ratio of 2, so
// it covers the same place in the window.
QPixmap loadJpegPixmap(const QString& resource, qreal devicePixelRatio = 1.0);

}  // namespace trellan
