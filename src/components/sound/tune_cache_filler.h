#pragma once

#include "components/sound/tune_cache.h"

#include <QByteArray>
#include <QObject>
#include <QString>
#include <QThreadPool>

#include <atomic>
#include <set>

namespace qv {

// Synthesizes tunes into the cache in the background while they first play live, on
// one thread of lowest priority, so that a frame on screen never waits for it. The
// work is dropped when the audio output shuts down.
class TuneCacheFiller : public QObject {
    Q_OBJECT

public:
    static TuneCacheFiller& instance();

    // Qt thread only. A tune already being synthesized is not started twice.
    void fill(const QString& key, const QByteArray& midi, const QString& soundFonts);
    // Waits for the work under way; for tests and shutting down.
    void finish();

signals:
    void filled(const QString& key, bool stored);

private:
    TuneCacheFiller();
    ~TuneCacheFiller() override;

    void cancelAll();

    TuneCache cache_;
    QThreadPool pool_;
    std::atomic<bool> cancelled_{false};
    std::set<QString> underWay_;
};

} // namespace qv
