#pragma once

#include "components/picture/picture.h"

#include <QSize>
#include <QString>

#include <list>
#include <optional>

namespace qv {

// What makes two loads the same: the file as it is now, decoded for the same screen.
struct PictureKey {
    QString path;
    qint64 modified = 0;  // milliseconds since the epoch
    qint64 bytes = 0;
    QSize target;
    bool operator==(const PictureKey&) const = default;
};

// The key of the file at `path` as it is now; nothing when it cannot be asked about.
std::optional<PictureKey> pictureKeyFor(const QString& path, QSize target);

// The last few decoded pictures, least recently used first out, within a memory budget.
// The show's probe decodes each picture one slide ahead; the picture on screen then
// loads the same file from here instead of decoding it again. User-interface thread only.
class PictureCache {
public:
    PictureCache(qint64 byteBudget, int maxEntries);

    PictureHandle find(const PictureKey& key);
    void insert(const PictureKey& key, PictureHandle picture);
    int size() const { return static_cast<int>(entries_.size()); }

private:
    struct Entry {
        PictureKey key;
        PictureHandle picture;
        qint64 cost = 0;
    };
    qint64 byteBudget_;
    int maxEntries_;
    qint64 bytesHeld_ = 0;
    std::list<Entry> entries_;  // most recently used first
};

PictureCache& sharedPictureCache();

} // namespace qv
