#pragma once

#include "components/sound/sound_preparation.h"

#include <QObject>
#include <QString>
#include <QThreadPool>

#include <functional>
#include <map>
#include <mutex>

namespace qv {

// Prepares sound files on a thread of its own, one at a time, and hands each result
// to whoever asked, on the Qt thread, unless they have cancelled meanwhile.
class SoundLoader : public QObject {
    Q_OBJECT

public:
    using Ready = std::function<void(PreparedSound)>;

    static SoundLoader& instance();

    // A ticket for `cancel`. `onReady` runs from the event loop, never inside this call.
    quint64 prepare(const QString& path, Ready onReady);
    void cancel(quint64 ticket);

private:
    SoundLoader();
    ~SoundLoader() override;

    void deliver();
    // Waits for the loader thread and frees what it prepared, while the audio
    // output that decoded it is still open.
    void drain();

    const TuneCache tunes_{TuneCache::ofUser()};
    QThreadPool pool_;
    quint64 lastTicket_ = 0;
    std::map<quint64, Ready> waiting_;
    // Keep the output open while the loader thread decodes for it, cancelled or not.
    std::map<quint64, AudioEngine::Hold> working_;
    std::mutex preparedMutex_;
    std::map<quint64, PreparedSound> prepared_; // filled on the loader thread
};

} // namespace qv
