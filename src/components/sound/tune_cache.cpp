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

// Set by the build: the folder the package synthesizes the sample tunes into.
#ifndef QV_MACHINE_TUNE_FOLDER
#define QV_MACHINE_TUNE_FOLDER "/var/cache/quintavue/tunes"
#endif

// Bumped whenever the synthesis changes what it writes, so older waves are not used.
constexpr char formatVersion[] = "tune wave 1";
constexpr char suffix[] = ".wav";

QString fileName(const QString& key)
{
    return key + QLatin1String(suffix);
}

// A wave of the cache's own is marked as played, or removed when damaged; a shared
// one is only read.
std::optional<QByteArray> readWave(const QString& path, bool own)
{
    // Only a plain file: a link to a device or a pipe would never end.
    QFile file(path);
    if (!QFileInfo(file).isFile() || !file.open(QIODevice::ReadOnly))
        return std::nullopt;
    const qint64 mostBytes = std::chrono::milliseconds(longestSynthesizedTune).count() * tuneSampleRate / 1000
                           * tuneBytesPerFrame + tuneWaveHeaderBytes;
    const QByteArray wave = file.size() <= mostBytes ? file.readAll() : QByteArray();
    if (!tuneWaveDataBytes(wave)) {
        file.close();
        if (own)
            file.remove();
        return std::nullopt;
    }
    if (own)
        file.setFileTime(QDateTime::currentDateTimeUtc(), QFileDevice::FileModificationTime);
    return wave;
}

} // namespace

TuneCache::TuneCache(QString folder, qint64 capacityBytes, QStringList sharedFolders)
    : folder_(withTrailingSeparator(std::move(folder))), capacityBytes_(capacityBytes),
      sharedFolders_(std::move(sharedFolders))
{
    for (QString& shared : sharedFolders_)
        shared = withTrailingSeparator(shared);
}

TuneCache TuneCache::ofUser()
{
    return TuneCache(userFolder(), defaultCapacityBytes, sharedFolders());
}

QString TuneCache::userFolder()
{
    QString base = qEnvironmentVariable("XDG_CACHE_HOME");
    if (base.isEmpty())
        base = QDir::homePath() + QStringLiteral("/.cache");
    return withTrailingSeparator(base) + QStringLiteral("quintavue/tunes/");
}

QStringList TuneCache::sharedFolders()
{
    return {resourceFolder() + QStringLiteral("tunes/"), withTrailingSeparator(QStringLiteral(QV_MACHINE_TUNE_FOLDER))};
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

std::optional<QByteArray> TuneCache::find(const QString& key) const
{
    if (std::optional<QByteArray> wave = readWave(folder_ + fileName(key), true))
        return wave;
    for (const QString& shared : sharedFolders_) {
        if (std::optional<QByteArray> wave = readWave(shared + fileName(key), false))
            return wave;
    }
    return std::nullopt;
}

bool TuneCache::store(const QString& key, const QByteArray& wave) const
{
    if (wave.size() > capacityBytes_ || !QDir().mkpath(folder_))
        return false;
    makeRoomFor(wave.size(), key);
    QSaveFile file(folder_ + fileName(key));
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

void TuneCache::removeAllBut(const QStringList& keys) const
{
    const QFileInfoList stored = QDir(folder_).entryInfoList({QStringLiteral("*") + QLatin1String(suffix)}, QDir::Files);
    for (const QFileInfo& file : stored) {
        if (!keys.contains(file.completeBaseName()))
            QFile::remove(file.filePath());
    }
}

} // namespace qv
