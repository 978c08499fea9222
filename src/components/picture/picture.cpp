#include "components/picture/picture.h"

#include "components/picture/magick_picture_reader.h"

namespace qv {

PictureHandle Picture::raster(QImage image, QSize naturalSize)
{
    return std::make_shared<const Picture>(Passkey{}, std::move(image), naturalSize, QByteArray());
}

PictureHandle Picture::metafile(QByteArray data, QSize naturalSize, QImage firstRendering)
{
    return std::make_shared<const Picture>(Passkey{}, std::move(firstRendering), naturalSize, std::move(data));
}

Picture::Picture(Passkey, QImage image, QSize naturalSize, QByteArray metafileData)
    : naturalSize_(naturalSize), metafileData_(std::move(metafileData)), image_(std::move(image))
{
}

QImage Picture::imageAt(QSize size) const
{
    if (size.isEmpty())
        return {};
    const std::lock_guard lock(renderingMutex_);
    if (image_.size() == size)
        return image_;
    if (isMetafile()) {
        QImage rendering = renderMetafile(metafileData_, size);
        if (!rendering.isNull()) {
            image_ = rendering;
            return rendering;
        }
    }
    if (image_.isNull()) {
        QImage blank(size, QImage::Format_RGB32);
        blank.fill(Qt::white);
        return blank;
    }
    return image_.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

qint64 Picture::memoryCost() const
{
    const std::lock_guard lock(renderingMutex_);
    return image_.sizeInBytes() + metafileData_.size();
}

} // namespace qv
