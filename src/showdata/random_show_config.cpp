#include "showdata/random_show_config.h"

namespace qv {

RandomShowConfig defaultRandomShowConfig(const QString& windowsDir)
{
    QString folder = windowsDir;
    if (folder.endsWith(QLatin1Char('/')))
        folder.chop(1);
    RandomShowConfig config;
    config.pictureDirs.push_back(folder);
    config.audioDirs.push_back(folder);
    return config;
}

RandomShowConfig& randomShowConfig()
{
    static RandomShowConfig config;
    return config;
}

} // namespace qv
