#include "components/sound/sound_file.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace qv {

namespace {

// The entry of `folder` named `name` in any letter case, or the empty text.
QString entryInAnyCase(const QDir& folder, const QString& name)
{
    if (folder.exists(name))
        return name;
    const QStringList entries = folder.entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                                                 QDir::Name);
    for (const QString& entry : entries) {
        if (entry.compare(name, Qt::CaseInsensitive) == 0)
            return entry;
    }
    return {};
}

} // namespace

QString resolveCaseInsensitively(const QString& path)
{
    if (path.isEmpty() || QFileInfo::exists(path))
        return path;
    const QString absolute = QFileInfo(path).absoluteFilePath();
    const QStringList parts = absolute.split(QLatin1Char('/'), Qt::SkipEmptyParts);
    QDir folder = QDir::root();
    QString resolved;
    for (qsizetype i = 0; i < parts.size(); ++i) {
        const QString entry = entryInAnyCase(folder, parts[i]);
        if (entry.isEmpty())
            return path;
        resolved += QLatin1Char('/') + entry;
        if (i + 1 < parts.size() && !folder.cd(entry))
            return path;
    }
    return resolved;
}

SoundFileContents readSoundFile(const QString& path, qint64 maxBytes)
{
    QFile file(resolveCaseInsensitively(path));
    if (!QFileInfo(file.fileName()).isFile())
        return {{}, QStringLiteral("no such file")};
    const qint64 size = file.size();
    if (size > maxBytes)
        return {{}, QStringLiteral("larger than %1 bytes").arg(maxBytes)};
    if (!file.open(QIODevice::ReadOnly))
        return {{}, file.errorString()};
    // A file that grows meanwhile is read only up to the size that passed the check.
    QByteArray bytes = file.read(size);
    if (file.error() != QFileDevice::NoError)
        return {{}, file.errorString()};
    return {bytes, {}};
}

} // namespace qv
