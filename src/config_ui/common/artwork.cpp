#include "config_ui/common/artwork.h"

#include "components/platform/paths.h"

#include <QFileInfo>

namespace qv {

QString titlePicturePath()
{
    const QString artwork = resourceFolder() + QStringLiteral("artwork/title.jpg");
    if (QFileInfo(artwork).isFile())
        return artwork;
    return sampleMediaFolder() + QStringLiteral("sunset.jpg");
}

} // namespace qv
