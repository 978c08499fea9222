#include "components/sound/tune_cache.h"

#include "components/platform/paths.h"
#include "components/sound/tune_synthesis.h"
#include "components/sound/tune_wave.h"

#include <QCryptographicHash>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringList>

namespace qv {

namespace {

// Bumped whenever the synthesis changes what it writes, so older waves are not used.
constexpr char formatVersion[] = "tune wave 1";
constexpr char suffix[] = ".wav";

} // namespace

TuneCache::TuneCache(QString folder, qint64 capacityBytes)
    : folder_(withTrailingSeparator(std::move(folder))), capacityBytes_(capacityBytes)
{
}

QString TuneCache::userFolder()
{
    QString base = qEnvironmentVariable("XDG_CACHE_HOME");
    if (base.isEmpty())
        base = QDir::homePath() + QStringLiteral("/.cache");
    return withTrailingSeparator(base) + QStringLiteral("quintavue/tunes/");
}

QString TuneCache::keyFor(const QByteArray& midi, const QString& soundFonts)
{
    QCryptographicHash hash(QCryptographicHash::Sha256);
    hash.addData(formatVersion);
    hash.addData(QByteArray::number(tuneSampleRate));
    for (const QString& font : soundFonts.split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
        const QFileInfo info(font);
        hash.addData(info.canonicalFilePath().toUtf8());
        hash.addData(QByteArray::number(info.size()));
        hash.addData(QByteArray::number(info.lastModified().toMSecsSinceEpoch()));
        hash.addData(QByteArrayView("\0", 1));
    }
    hash.addData(midi);
    return QString::fromLatin1(hash.result().toHex());
}

QString TuneCache::pathOf(const QString& key) const
{
    return folder_ + key + QLatin1String(suffix);
}

std::optional<QByteArray> TuneCache::find(const QString& key) const
{
    // Only a plain file: a link to a device or a pipe would never end.
    QFile file(pathOf(key));
    if (!QFileInfo(file).isFile() || !file.open(QIODevice::ReadOnly))
        return std::nullopt;
    const qint64 mostBytes = std::chrono::milliseconds(longestSynthesizedTune).count() * tuneSampleRate / 1000
                           * tuneBytesPerFrame + tuneWaveHeaderBytes;
    const QByteArray wave = file.size() <= mostBytes ? file.readAll() : QByteArray();
    if (!tuneWaveDataBytes(wave)) {
        file.close();
        file.remove();
        return std::nullopt;
    }
    file.setFileTime(QDateTime::currentDateTimeUtc(), QFileDevice::FileModificationTime);
    return wave;
}

bool TuneCache::store(const QString& key, const QByteArray& wave) const
{
    if (wave.size() > capacityBytes_ || !QDir().mkpath(folder_))
        return false;
    makeRoomFor(wave.size(), key);
    QSaveFile file(pathOf(key));
    return file.open(QIODevice::WriteOnly) && file.write(wave) == wave.size() && file.commit();
}

void TuneCache::makeRoomFor(qint64 bytes, const QString& keep) const
{
    const QFileInfoList stored =
        QDir(folder_).entryInfoList({QStringLiteral("*") + QLatin1String(suffix)}, QDir::Files, QDir::Time);
    qint64 total = bytes;
    for (const QFileInfo& file : stored)
        total += file.size();
    // Newest first: the ones played longest ago go first.
    for (auto file = stored.crbegin(); file != stored.crend() && total > capacityBytes_; ++file) {
        if (file->completeBaseName() == keep)
            continue;
        if (QFile::remove(file->filePath()))
            total -= file->size();
    }
}

} // namespace qv
