#pragma once

#include <QByteArray>
#include <QImage>
#include <QSize>

#include <memory>
#include <mutex>

namespace qv {

class Picture;
// Pictures are immutable once decoded, so two components (the probe and the image on
// screen) share one without copying it.
using PictureHandle = std::shared_ptr<const Picture>;

// One decoded picture: a raster image (possibly decoded smaller than its own size,
// for the screen it is shown on) or a metafile, which is drawn anew at every size it
// is shown at.
class Picture {
    struct Passkey {};

public:
    // `naturalSize`: the picture's own size in logical pixels, upright.
    static PictureHandle raster(QImage image, QSize naturalSize);
    static PictureHandle metafile(QByteArray data, QSize naturalSize, QImage firstRendering);

    Picture(Passkey, QImage image, QSize naturalSize, QByteArray metafileData);

    QSize naturalSize() const { return naturalSize_; }
    bool isMetafile() const { return !metafileData_.isEmpty(); }

    // The picture at exactly `size` device pixels (RGB32, or premultiplied ARGB32 when
    // it has transparent parts). Never null for a non-empty size.
    QImage imageAt(QSize size) const;

    // Bytes held, for bounding caches.
    qint64 memoryCost() const;

private:
    QSize naturalSize_;
    QByteArray metafileData_;
    mutable std::mutex renderingMutex_;
    // The raster picture, or the latest rendering of the metafile.
    mutable QImage image_;
};

} // namespace qv
