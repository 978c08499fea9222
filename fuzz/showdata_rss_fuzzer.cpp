// Any bytes as a random show configuration file.
#include "showdata/random_show_config_file.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    qv::MemoryByteSource source(QByteArrayView(data, static_cast<qsizetype>(size)));
    qv::RandomShowConfig config;
    QString appName;
    const int error = qv::readRandomShowConfig(source, config, appName);
    if (config.pictureDirs.empty() || config.audioDirs.empty())
        std::abort();
    if (error == 0) {
        const QByteArray written = qv::formatRandomShowConfig(config, appName);
        if (!written.endsWith("\r\n"))
            std::abort();
    }
    return 0;
}
