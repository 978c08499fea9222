#include "components/picture/picture_cache.h"

#include "components/platform/file_names.h"

#include <QFileInfo>

#include <algorithm>

namespace qv {

std::optional<PictureKey> pictureKeyFor(const QString& path, QSize target)
{
    const EntryStatus entry = entryStatus(path);
    if (entry.kind != EntryKind::File)
        return std::nullopt;
    return PictureKey{QFileInfo(path).absoluteFilePath(), entry.modifiedMsecs, entry.size, target};
}

PictureCache::PictureCache(qint64 byteBudget, int maxEntries) : byteBudget_(byteBudget), maxEntries_(maxEntries) {}

PictureHandle PictureCache::find(const PictureKey& key)
{
    const auto found = std::ranges::find_if(entries_, [&](const Entry& entry) { return entry.key == key; });
    if (found == entries_.end())
        return {};
    entries_.splice(entries_.begin(), entries_, found);
    return entries_.front().picture;
}

void PictureCache::insert(const PictureKey& key, PictureHandle picture)
{
    if (!picture)
        return;
    const qint64 cost = picture->memoryCost();
    if (cost > byteBudget_)
        return;
    const auto existing = std::ranges::find_if(entries_, [&](const Entry& entry) { return entry.key == key; });
    if (existing != entries_.end()) {
        bytesHeld_ -= existing->cost;
        entries_.erase(existing);
    }
    entries_.push_front({key, std::move(picture), cost});
    bytesHeld_ += cost;
    while (bytesHeld_ > byteBudget_ || static_cast<int>(entries_.size()) > maxEntries_) {
        bytesHeld_ -= entries_.back().cost;
        entries_.pop_back();
    }
}

PictureCache& sharedPictureCache()
{
    // A few full-screen pictures: enough for the probe's one slide ahead and a
    // configuration screen's sample pictures, little for a 4K screen's memory.
    static PictureCache cache(160LL * 1024 * 1024, 4);
    return cache;
}

} // namespace qv
