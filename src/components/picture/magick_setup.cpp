#include "components/picture/magick_setup.h"

#include "components/picture/decode_limits.h"
#include "components/platform/paths.h"

#include <QFile>
#include <QFileInfo>
#include <QStringList>

#include <Magick++/Include.h>

#include <mutex>

namespace qv {
namespace {

// Debian's own font map names Type 1 files that the distribution no longer ships, and
// GraphicsMagick fails a whole metafile over one missing font. Ours names the same
// fonts from the URW base 35 package; GraphicsMagick reads configuration folders in
// the order MAGICK_CONFIGURE_PATH gives, so ours is put first.
QString ourFontMapFolder()
{
    const QStringList resources = resourceFolderCandidates();
    for (const QString& resource : resources) {
        const QString folder = resource + QStringLiteral("wmf-fonts");
        if (QFileInfo::exists(folder + QStringLiteral("/type.mgk")))
            return QFileInfo(folder).absoluteFilePath();
    }
    return {};
}

void putFontMapFirst()
{
    const QString folder = ourFontMapFolder();
    if (folder.isEmpty())
        return;
    QByteArray path = QFile::encodeName(folder);
    const QByteArray existing = qgetenv("MAGICK_CONFIGURE_PATH");
    if (!existing.isEmpty())
        path += ':' + existing;
    qputenv("MAGICK_CONFIGURE_PATH", path);
}

} // namespace

void prepareMagick()
{
    static std::once_flag once;
    std::call_once(once, [] {
        putFontMapFirst();
        MagickLib::ExceptionInfo exception;
        MagickLib::GetExceptionInfo(&exception);
        MagickLib::InitializeMagickEx(nullptr, MAGICK_OPT_NO_SIGNAL_HANDER, &exception);
        MagickLib::DestroyExceptionInfo(&exception);
        MagickLib::SetMagickResourceLimit(MagickLib::PixelsResource, DecodeLimits::kMaxDecodedPixels);
        MagickLib::SetMagickResourceLimit(MagickLib::WidthResource, DecodeLimits::kMaxSide);
        MagickLib::SetMagickResourceLimit(MagickLib::HeightResource, DecodeLimits::kMaxSide);
        // Decoding runs beside the transitions on a machine with few cores.
        MagickLib::SetMagickResourceLimit(MagickLib::ThreadsResource, 1);
    });
}

} // namespace qv
