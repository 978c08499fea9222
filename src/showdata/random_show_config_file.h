#pragma once

#include "showdata/byte_source.h"
#include "showdata/random_show_config.h"

#include <QByteArray>
#include <QString>

namespace qv {

// "quintavu.rss": line 1 holds the application name and eight numbers (loopAudio,
// showFileNames, reserved, delaySeconds, pictureSubdirs, audioSubdirs and the two
// directory counts), then one line per picture directory, then one per sound
// directory. The same field syntax as the ".css" files.

inline const QString randomShowConfigFileName = QStringLiteral("quintavu.rss");

QByteArray formatRandomShowConfig(const RandomShowConfig& config, const QString& appName);

// Reads into `config` field by field; returns 0 or the error code. On failure the
// fields read so far hold the file's values and the rest their previous ones; a
// directory list being read holds the entries read so far.
int readRandomShowConfig(ByteSource& source, RandomShowConfig& config, QString& appName);

// "slideshow_path" + "quintavu.rss", or the file a RandomShowConfigRedirect names
// while one lives.
QString randomShowConfigPath();

// While it lives, loads and saves of the random configuration in this process use
// `path` instead: the random setup's test run hands its edited settings to the show
// so, and the user's saved file is never touched.
class RandomShowConfigRedirect {
public:
    explicit RandomShowConfigRedirect(const QString& path);
    ~RandomShowConfigRedirect();
    RandomShowConfigRedirect(const RandomShowConfigRedirect&) = delete;
    RandomShowConfigRedirect& operator=(const RandomShowConfigRedirect&) = delete;

private:
    QString previous_;
};

// Loads the process-wide configuration: the defaults when the file does not exist,
// a message for any other failure. Sets "picinfoFlag" as the configuration says
// (1 for the defaults; unchanged after a failure). Returns 0 (also for the
// defaults) or the error code of the failure.
int LoadRandomShowConfig();
// Writes the process-wide configuration; 0 or the error code (after its message).
int SaveRandomShowConfig();

} // namespace qv
