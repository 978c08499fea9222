#include "config_ui/common/picture_preview.h"

#include "components/picture/fx_image.h"
#include "components/picture/load_result.h"
#include "components/platform/file_names.h"
#include "components/platform/message_box.h"
#include "engine/picture_fitting.h"

#include <algorithm>
#include <cmath>

namespace qv {

int placePicture(FXImage& image, const QString& path, const QRect& box)
{
    image.hide();
    const int code = image.load(path);
    if (code != LoadResult::Loaded) {
        ShowPictureLoadError(code, path);
        return code;
    }
    const QSize natural = image.naturalSize();
    const PictureFit fit = FitPictureInBox(box.top(), box.left(), box.height(), box.width(), natural.height(),
                                           natural.width(), 100.0);
    const int left = int(std::lround(fit.left));
    const int top = int(std::lround(fit.top));
    const int width = std::max(1, int(std::lround(fit.width)));
    const int height = std::max(1, int(std::lround(fit.height)));
    image.setGeometry(left, top, width, height);
    return code;
}

int previewPicture(FXImage& image, const QString& path, const QRect& box)
{
    const int code = placePicture(image, path, box);
    if (code == LoadResult::Loaded)
        image.show();
    return code;
}

QString pictureLoadErrorText(int code)
{
    switch (code) {
    case LoadResult::FileNotFound:
        return QStringLiteral("Picture file not found.");
    case LoadResult::UnknownType:
        return QStringLiteral("Image file type unknown.");
    case LoadResult::MemoryLockFailed:
        return QStringLiteral("Cannot lock memory.");
    default:
        return QStringLiteral("Error reading the file.");
    }
}

void ShowPictureLoadError(int code, const QString& path)
{
    showMessage(Message{pictureLoadErrorText(code) + QLatin1Char('\n') + displayFileName(path),
                        QStringLiteral("File error."), MessageButtons::Ok, MessageIcon::None});
}

} // namespace qv
