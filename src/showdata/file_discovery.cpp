#include "showdata/file_discovery.h"

#include "showdata/directory_listing.h"

#include "components/platform/file_names.h"

#include <algorithm>
#include <array>
#include <set>
#include <utility>

namespace qv {
namespace {

// The eight classic formats first, so a folder of them plays in the order it always
// did; today's formats and the long spellings follow.
constexpr std::array<std::string_view, 16> pictureExtensions = {
    "gif", "jpg", "bmp", "dib", "pcx", "tga", "tif", "wmf",
    "png", "webp", "heic", "heif", "avif", "jxl", "jpeg", "tiff"};
constexpr std::array<std::string_view, 2> audioExtensions = {"wav", "mid"};

using FolderIdentity = std::pair<dev_t, ino_t>;

QByteArray encodedPath(const QString& path) { return encodeFileName(path); }

// Names in an 8-bit set (old archives, old disks) are kept by their real bytes.
QString decodeName(const std::string& name)
{
    return decodeFileName(QByteArrayView(name.data(), static_cast<qsizetype>(name.size())));
}

void addMatchingFiles(const QString& directory, const DirectoryListing& listing, FoundFileList& list,
                      MediaKind kind, EventPump& pump)
{
    const QString prefix = directory + QLatin1Char('/');
    std::vector<const std::string*> matches;
    for (const std::string_view extension : patternExtensions(kind)) {
        matches.clear();
        for (const std::string& name : listing.files) {
            if (hasExtensionIgnoringCase(name, extension))
                matches.push_back(&name);
        }
        std::sort(matches.begin(), matches.end(),
                  [](const std::string* a, const std::string* b) { return lessIgnoringCase(*a, *b); });
        for (const std::string* match : matches) {
            list.add(prefix + decodeName(*match));
            pump.poll();
        }
    }
}

// Depth first without recursion, so that a deep tree cannot exhaust the stack.
void scanBelow(const QString& directory, const DirectoryListing& top, FoundFileList& list, MediaKind kind,
               EventPump& pump)
{
    std::set<FolderIdentity> visited{{top.device, top.inode}};
    std::vector<QString> pending;
    const auto pushSubdirectories = [&pending](const QString& parent, const DirectoryListing& listing) {
        for (auto it = listing.subdirectories.rbegin(); it != listing.subdirectories.rend(); ++it)
            pending.push_back(parent + decodeName(*it));
    };
    pushSubdirectories(directory, top);
    while (!pending.empty()) {
        const QString folder = std::move(pending.back());
        pending.pop_back();
        pump.poll();
        const std::optional<DirectoryListing> listing = listDirectory(encodedPath(folder));
        if (!listing || !visited.insert({listing->device, listing->inode}).second)
            continue;
        addMatchingFiles(folder, *listing, list, kind, pump);
        pushSubdirectories(folder + QLatin1Char('/'), *listing);
    }
}

class PumpChoice {
public:
    explicit PumpChoice(EventPump* given) : pump_(given != nullptr ? *given : own_) {}
    EventPump& get() { return pump_; }

private:
    EventPump own_;
    EventPump& pump_;
};

} // namespace

std::span<const std::string_view> patternExtensions(MediaKind kind)
{
    if (kind == MediaKind::Picture)
        return pictureExtensions;
    return audioExtensions;
}

FoundFileList::FoundFileList(std::vector<QString>& column, int& count, int limit)
    : column_(column), count_(count), limit_(std::max(limit, 1))
{
}

void FoundFileList::add(const QString& path)
{
    if (count_ < limit_)
        ++count_;
    const auto position = static_cast<std::size_t>(count_);
    if (column_.size() <= position)
        column_.resize(position + 1);
    column_[position] = path;
}

void AddFound(FoundFileList& list, const QString& path) { list.add(path); }

void ScanDirectory(const QString& directory, FoundFileList& list, MediaKind kind, EventPump* pump)
{
    PumpChoice choice(pump);
    if (const auto listing = listDirectory(encodedPath(directory)))
        addMatchingFiles(directory, *listing, list, kind, choice.get());
}

void ScanSubdirectories(const QString& directory, FoundFileList& list, MediaKind kind, EventPump* pump)
{
    PumpChoice choice(pump);
    if (const auto listing = listDirectory(encodedPath(directory)))
        scanBelow(directory, *listing, list, kind, choice.get());
}

void ScanFolder(const QString& directory, bool withSubdirectories, FoundFileList& list, MediaKind kind,
                EventPump* pump)
{
    PumpChoice choice(pump);
    const auto listing = listDirectory(encodedPath(directory));
    if (!listing)
        return;
    if (withSubdirectories)
        scanBelow(directory + QLatin1Char('/'), *listing, list, kind, choice.get());
    addMatchingFiles(directory, *listing, list, kind, choice.get());
}

} // namespace qv
