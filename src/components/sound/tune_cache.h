#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

namespace qv {

// Synthesized tunes kept between runs, one wave file per tune and soundfont, named
// by a hash of both: a screen saver plays the same few tunes for months, and each is
// then synthesized once rather than every time it plays. The files are disposable:
// one that is damaged, cut off or unreadable counts as missing and is removed; one
// that cannot be written (a full disk, a read-only folder) is simply not kept, and
// the tune goes on being synthesized live. Writes are atomic, so two programs
// storing the same tune at once leave one whole file.
class TuneCache {
public:
    // All cached tunes together stay within `capacityBytes`: storing a tune removes
    // the tunes played longest ago until they fit.
    static constexpr qint64 defaultCapacityBytes = qint64{256} * 1024 * 1024;

    explicit TuneCache(QString folder, qint64 capacityBytes = defaultCapacityBytes);

    // $XDG_CACHE_HOME/quintavue/tunes/ (~/.cache when unset).
    static QString userFolder();

    // The name the tune's wave goes under: it changes with the tune's bytes and with
    // the soundfonts (their paths, sizes and modification times), so a new soundfont
    // or an edited tune is synthesized anew.
    static QString keyFor(const QByteArray& midi, const QString& soundFonts);

    // The stored wave of `key`, whole and in the form the synthesizer writes. Marks
    // it as played now, which keeps it longest.
    std::optional<QByteArray> find(const QString& key) const;
    // False when the wave could not be stored; nothing is left behind then.
    bool store(const QString& key, const QByteArray& wave) const;

private:
    QString pathOf(const QString& key) const;
    void makeRoomFor(qint64 bytes, const QString& keep) const;

    QString folder_;
    qint64 capacityBytes_;
};

} // namespace qv
