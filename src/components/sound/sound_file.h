#pragma once

#include <QByteArray>
#include <QString>

namespace qv {

// `path` itself when it names an existing file; otherwise the existing file whose
// path differs from it only in letter case, folder by folder; otherwise `path`.
// Show files and the editor pass names upper-cased or typed in any case, as the
// system the shows were made on ignored case.
QString resolveCaseInsensitively(const QString& path);

struct SoundFileContents {
    QByteArray bytes;
    QString problem; // empty when the bytes were read
};

// The whole file, resolved as above, or the reason it could not be read. Files
// larger than `maxBytes` are refused unread, so a huge or hostile file cannot take
// the memory the decoded sound would need.
SoundFileContents readSoundFile(const QString& path, qint64 maxBytes);

} // namespace qv
