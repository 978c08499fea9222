#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringList>

class QFile;
class QUrl;

namespace qv {

// File names are bytes. Most are UTF-8, but photo archives unpacked from old zip files or
// copied from old disks hold names in an 8-bit set. Such a name is kept in a QString with
// each byte that is not part of valid UTF-8 stored as the lone surrogate U+DC80 + byte, so
// every name turns back into exactly its bytes. Qt's own conversion (QFile::encodeName) would
// put U+FFFD in their place and open nothing, and cannot be replaced; so every path that may
// come from disk is tested, opened and listed through the functions below.

// The bytes as a path: UTF-8 where valid, each other byte escaped as above.
QString decodeFileName(QByteArrayView bytes);
// The inverse: escaped bytes back to themselves, everything else as UTF-8.
QByteArray encodeFileName(const QString& path);
// Whether `path` holds escaped bytes.
bool hasEscapedBytes(const QString& path);
// The path as a person reads it: escaped bytes shown as the Windows-1252 characters they
// most likely were, so "caf\xe9.jpg" shows "café.jpg".
QString displayFileName(const QString& path);

// The working folder, by its real bytes ("" when it cannot be had).
QString currentFolder();

// The path of a dropped local file: QUrl::toLocalFile() would lose bytes that are not UTF-8.
QString localPathOf(const QUrl& url);

// Windows-1252 to Unicode, byte by byte (the five unassigned bytes map to the C1 controls
// of the same number, as Windows itself does).
QString decodeWindows1252(QByteArrayView bytes);

// What a path names, following symbolic links.
enum class EntryKind { Missing, File, Folder, Other };
struct EntryStatus {
    EntryKind kind = EntryKind::Missing;
    qint64 size = 0;
    qint64 modifiedMsecs = 0;  // since the epoch
};
EntryStatus entryStatus(const QString& path);
bool entryExists(const QString& path);
bool isPlainFile(const QString& path);
bool isFolder(const QString& path);

// Opens `file` for reading on `path`'s real bytes; on failure `error` (when given) says why.
bool openForReading(QFile& file, const QString& path, QString* error = nullptr);
bool removeFile(const QString& path);
// The names of everything in `folder` but "." and "..", in the order the folder lists them;
// empty when it cannot be read.
QStringList folderEntries(const QString& folder);

} // namespace qv
