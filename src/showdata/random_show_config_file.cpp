#include "showdata/random_show_config_file.h"

#include "components/platform/file_errors.h"
#include "components/platform/message_box.h"
#include "settings/global_settings.h"
#include "showdata/field_reader.h"
#include "showdata/field_writer.h"
#include "showdata/file_replacement.h"
#include "showdata/file_stamps.h"
#include "components/platform/file_names.h"
#include "showdata/name_lookup.h"
#include "startup/startup_state.h"

namespace qv {
namespace {

int readDirectoryList(FieldReader& reader, std::int16_t count, std::vector<QString>& list)
{
    list.assign(1, QString());
    for (int i = 1; i <= count; ++i) {
        QString directory;
        if (const int error = reader.readPath(directory); error != FileError::None)
            return error;
        list.push_back(directory);
    }
    return FileError::None;
}

} // namespace

QByteArray formatRandomShowConfig(const RandomShowConfig& config, const QString& appName)
{
    FieldWriter writer;
    writer.text(appName);
    for (const std::int16_t number : {config.loopAudio, config.showFileNames, config.reserved, config.delaySeconds,
                                      config.pictureSubdirs, config.audioSubdirs})
        writer.number(number);
    writer.number(config.pictureDirCount());
    writer.number(config.audioDirCount());
    writer.endLine();
    for (int i = 1; i <= config.pictureDirCount(); ++i) {
        writer.text(config.pictureDirs[static_cast<std::size_t>(i)]);
        writer.endLine();
    }
    for (int i = 1; i <= config.audioDirCount(); ++i) {
        writer.text(config.audioDirs[static_cast<std::size_t>(i)]);
        writer.endLine();
    }
    return writer.bytes();
}

int readRandomShowConfig(ByteSource& source, RandomShowConfig& config, QString& appName)
{
    FieldReader reader(source);
    if (const int error = reader.readText(appName); error != FileError::None)
        return error;
    for (std::int16_t* field : {&config.loopAudio, &config.showFileNames, &config.reserved, &config.delaySeconds,
                                &config.pictureSubdirs, &config.audioSubdirs}) {
        if (const int error = reader.readInt16(*field); error != FileError::None)
            return error;
    }
    // A negative count reads no entries, as a loop up to it would.
    std::int16_t pictureDirCount = 0;
    std::int16_t audioDirCount = 0;
    if (const int error = reader.readInt16(pictureDirCount); error != FileError::None)
        return error;
    if (const int error = reader.readInt16(audioDirCount); error != FileError::None)
        return error;
    if (const int error = readDirectoryList(reader, pictureDirCount, config.pictureDirs); error != FileError::None)
        return error;
    return readDirectoryList(reader, audioDirCount, config.audioDirs);
}

namespace {
QString& redirectedPath()
{
    static QString path;
    return path;
}
} // namespace

QString randomShowConfigPath()
{
    if (!redirectedPath().isEmpty())
        return redirectedPath();
    return globalSettings().slideshowPath + randomShowConfigFileName;
}

RandomShowConfigRedirect::RandomShowConfigRedirect(const QString& path) : previous_(redirectedPath())
{
    redirectedPath() = path;
}

RandomShowConfigRedirect::~RandomShowConfigRedirect() { redirectedPath() = previous_; }

int LoadRandomShowConfig()
{
    FileByteSource file;
    const QString path = resolvePathIgnoringCase(randomShowConfigPath());
    int error = file.open(path);
    rememberFileStamp(path);
    if (error == FileError::FileNotFound) {
        randomShowConfig() = defaultRandomShowConfig(startupState().windowsDir);
        globalSettings().picinfoFlag = 1;
        return FileError::None;
    }
    if (error == FileError::None)
        error = readRandomShowConfig(file, randomShowConfig(), startupState().appName);
    if (error != FileError::None) {
        showMessage(fileErrorText(error) + QLatin1Char('\n') + displayFileName(path));
        return error;
    }
    globalSettings().picinfoFlag = randomShowConfig().showFileNames;
    return FileError::None;
}

int SaveRandomShowConfig()
{
    return saveFileChecked(resolvePathIgnoringCase(randomShowConfigPath()),
                           formatRandomShowConfig(randomShowConfig(), startupState().appName), QString());
}

} // namespace qv
