#include "components/sound/sound_file.h"

#include "components/platform/file_names.h"

#include <QFile>
#include <QFileInfo>

namespace qv {

namespace {

// The entry of `folder` named `name` in any letter case, or the empty text.
QString entryInAnyCase(const QString& folder, const QString& name)
{
    if (entryExists(folder + name))
        return name;
    QStringList entries = folderEntries(folder);
    entries.sort();
    for (const QString& entry : entries) {
        if (entry.compare(name, Qt::CaseInsensitive) == 0)
            return entry;
    }
    return {};
}

} // namespace

// By the names' real bytes throughout (file_names.h), so a name that is not UTF-8 plays.
QString resolveCaseInsensitively(const QString& path)
{
    if (path.isEmpty() || entryExists(path))
        return path;
    const QString absolute = QFileInfo(path).absoluteFilePath();
    const QStringList parts = absolute.split(QLatin1Char('/'), Qt::SkipEmptyParts);
    QString resolved;
    for (const QString& part : parts) {
        const QString entry = entryInAnyCase(resolved + QLatin1Char('/'), part);
        if (entry.isEmpty())
            return path;
        resolved += QLatin1Char('/') + entry;
    }
    return resolved;
}

SoundFileContents readSoundFile(const QString& path, qint64 maxBytes)
{
    const QString resolved = resolveCaseInsensitively(path);
    const EntryStatus entry = entryStatus(resolved);
    if (entry.kind != EntryKind::File)
        return {{}, QStringLiteral("no such file")};
    const qint64 size = entry.size;
    if (size > maxBytes)
        return {{}, QStringLiteral("larger than %1 bytes").arg(maxBytes)};
    QFile file;
    QString error;
    if (!openForReading(file, resolved, &error))
        return {{}, error};
    // A file that grows meanwhile is read only up to the size that passed the check.
    QByteArray bytes = file.read(size);
    if (file.error() != QFileDevice::NoError)
        return {{}, file.errorString()};
    return {bytes, {}};
}

} // namespace qv
