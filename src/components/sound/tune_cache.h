#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <optional>

namespace qv {

// Synthesized tunes kept between runs, one wave file per tune and soundfont, named
// by a hash of both: a screen saver plays the same few tunes for months, and each is
// then synthesized once rather than every time it plays. The files are disposable:
// one that is damaged, cut off or unreadable counts as missing and is removed; one
// that cannot be written (a full disk, a read-only folder) is simply not kept, and
// the tune goes on being synthesized live. Writes are atomic, so two programs
// storing the same tune at once leave one whole file.
//
// Besides its own folder the cache may consult shared ones, read only: the sample
// tunes are synthesized there ahead, once per machine, so that not even a new user's
// first show pays for their synthesis. A shared wave is never removed, touched or
// replaced (another user, or the package, owns it); a damaged one counts as missing,
// and the tune is then synthesized into the cache's own folder.
class TuneCache {
public:
    // All cached tunes together stay within `capacityBytes`: storing a tune removes
    // the tunes played longest ago until they fit.
    static constexpr qint64 defaultCapacityBytes = qint64{256} * 1024 * 1024;

    // `sharedFolders` are looked in after `folder`, in their order.
    explicit TuneCache(QString folder, qint64 capacityBytes = defaultCapacityBytes, QStringList sharedFolders = {});

    // The user's own cache, backed by the shared folders.
    static TuneCache ofUser();
    // $XDG_CACHE_HOME/quintavue/tunes/ (~/.cache when unset).
    static QString userFolder();
    // The folders the sample tunes are synthesized ahead into: the resources' tunes/
    // (the build tree's, or an installation's) and the machine's cache folder that
    // the package fills. Each ends in the separator.
    static QStringList sharedFolders();

    // The name the tune's wave goes under: it changes with the tune's bytes and with
    // the soundfonts (their paths, sizes and modification times), so a new soundfont
    // or an edited tune is synthesized anew.
    static QString keyFor(const QByteArray& midi, const QString& soundFonts);

    // The stored wave of `key`, whole and in the form the synthesizer writes, from
    // the cache's own folder or else a shared one. Marks one of its own as played
    // now, which keeps it longest.
    std::optional<QByteArray> find(const QString& key) const;
    // Into the cache's own folder. False when the wave could not be stored; nothing
    // is left behind then.
    bool store(const QString& key, const QByteArray& wave) const;
    // Removes the waves of the cache's own folder other than those of `keys`: a folder
    // filled ahead keeps no wave of a soundfont that has since changed.
    void removeAllBut(const QStringList& keys) const;

private:
    void makeRoomFor(qint64 bytes, const QString& keep) const;

    QString folder_;
    qint64 capacityBytes_;
    QStringList sharedFolders_;
};

} // namespace qv
