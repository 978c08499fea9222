#include "engine/bad_picture_text.h"

#include "components/platform/file_names.h"

namespace qv {
namespace {

std::optional<QString> reasonFor(int code)
{
    switch (code) {
    case -1: return QStringLiteral("Cannot find the image file");
    case -2: return QStringLiteral("The image file type is unknown or unable to read file type");
    case -3: return QStringLiteral("Error locking memory");
    case -4: return QStringLiteral("Error dithering the image");
    case -5: return QStringLiteral("Error quantizing the image palette");
    case -6: return QStringLiteral("Error reading the file");
    case -7: return QStringLiteral("Cannot allocate memory for the image");
    case -8: return QString();
    default: return std::nullopt;
    }
}

} // namespace

std::optional<QString> badPictureText(const QString& path, int code, int pictureCount)
{
    if (code >= 0)
        return std::nullopt;
    const std::optional<QString> reason = reasonFor(code);
    if (!reason)
        return std::nullopt;
    if (pictureCount < 1)
        return QStringLiteral("The screen saver can not find any pictures to display.");
    return displayFileName(path) + QStringLiteral("  could not be displayed because --  ") + *reason;
}

std::optional<QString> fittedBadPictureText(const QString& path, int code, int pictureCount,
                                            const std::function<double(const QString&)>& widthOf, double room)
{
    const std::optional<QString> text = badPictureText(path, code, pictureCount);
    const QString shownPath = displayFileName(path);
    if (!text || widthOf(*text) <= room || !text->startsWith(shownPath))
        return text;
    const QString rest = text->mid(shownPath.size());
    const auto shortened = [&](qsizetype keep) {
        return shownPath.left(keep - keep / 2) + QChar(0x2026) + shownPath.right(keep / 2) + rest;
    };
    // The longest middle-shortened path that fits; the width grows with what is kept.
    qsizetype fits = 0;
    qsizetype tooLong = shownPath.size();
    while (tooLong - fits > 1) {
        const qsizetype keep = fits + (tooLong - fits) / 2;
        (widthOf(shortened(keep)) <= room ? fits : tooLong) = keep;
    }
    return shortened(fits);
}

} // namespace qv
