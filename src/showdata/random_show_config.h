#pragma once

#include <QString>

#include <cstdint>
#include <vector>

namespace qv {

// The settings of the random show. The directory lists are 1-based: entry 0 is
// present and never used, so the counts are the lists' lengths less one.
struct RandomShowConfig {
    std::int16_t loopAudio = 0;       // 1 = each sound repeats while it plays
    std::int16_t showFileNames = 1;   // copied into "picinfoFlag" at each load
    std::int16_t reserved = 0;        // kept from load to save, never used
    std::int16_t delaySeconds = 15;
    std::int16_t pictureSubdirs = 0;  // 1 = search the picture folders' sub-folders too
    std::int16_t audioSubdirs = 0;
    std::vector<QString> pictureDirs = std::vector<QString>(1);  // paths without a trailing "/"
    std::vector<QString> audioDirs = std::vector<QString>(1);

    int pictureDirCount() const { return static_cast<int>(pictureDirs.size()) - 1; }
    int audioDirCount() const { return static_cast<int>(audioDirs.size()) - 1; }

    friend bool operator==(const RandomShowConfig&, const RandomShowConfig&) = default;
};

// The configuration of a new user: one picture and one sound folder, both the
// stock media folder `windowsDir` without its final "/".
RandomShowConfig defaultRandomShowConfig(const QString& windowsDir);

// The process-wide configuration.
RandomShowConfig& randomShowConfig();

} // namespace qv
