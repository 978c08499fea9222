#include "components/platform/file_names.h"

#include <QFile>
#include <QUrl>

#include <array>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <memory>

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace qv {
namespace {

constexpr char16_t escapeBase = 0xDC00;  // + byte, for bytes 0x80 to 0xFF

bool isEscape(QChar c) { return c.unicode() >= escapeBase + 0x80 && c.unicode() <= escapeBase + 0xFF; }

// Code points of the bytes 0x80 to 0x9F; the other bytes equal their code point.
constexpr std::array<char16_t, 32> windows1252High = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

QChar windows1252Char(unsigned char byte)
{
    const bool inHighBlock = byte >= 0x80 && byte <= 0x9F;
    return QChar(inHighBlock ? windows1252High[byte - 0x80] : char16_t{byte});
}

bool isContinuation(unsigned char byte) { return (byte & 0xC0) == 0x80; }

// The length of the valid UTF-8 sequence at `at` and its code point; 0 when the byte there
// does not start one (overlong forms, encoded surrogates and values above U+10FFFF included).
int utf8Sequence(QByteArrayView bytes, qsizetype at, char32_t& codePoint)
{
    const auto lead = static_cast<unsigned char>(bytes[at]);
    int length = 0;
    char32_t lowest = 0;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
        codePoint = lead & 0x1Fu;
        lowest = 0x80;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        codePoint = lead & 0x0Fu;
        lowest = 0x800;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        codePoint = lead & 0x07u;
        lowest = 0x10000;
    } else {
        return 0;
    }
    if (bytes.size() - at < length)
        return 0;
    for (int i = 1; i < length; ++i) {
        const auto next = static_cast<unsigned char>(bytes[at + i]);
        if (!isContinuation(next))
            return 0;
        codePoint = (codePoint << 6) | (next & 0x3Fu);
    }
    const bool surrogate = codePoint >= 0xD800 && codePoint <= 0xDFFF;
    if (codePoint < lowest || surrogate || codePoint > 0x10FFFF)
        return 0;
    return length;
}

struct DirCloser {
    void operator()(DIR* dir) const { ::closedir(dir); }
};

} // namespace

QString decodeFileName(QByteArrayView bytes)
{
    QString name;
    name.reserve(bytes.size());
    for (qsizetype at = 0; at < bytes.size();) {
        const auto byte = static_cast<unsigned char>(bytes[at]);
        if (byte < 0x80) {
            name.append(QChar(char16_t{byte}));
            ++at;
            continue;
        }
        char32_t codePoint = 0;
        const int length = utf8Sequence(bytes, at, codePoint);
        if (length == 0) {
            name.append(QChar(static_cast<char16_t>(escapeBase + byte)));
            ++at;
            continue;
        }
        if (codePoint >= 0x10000) {
            name.append(QChar(QChar::highSurrogate(codePoint)));
            name.append(QChar(QChar::lowSurrogate(codePoint)));
        } else {
            name.append(QChar(static_cast<char16_t>(codePoint)));
        }
        at += length;
    }
    return name;
}

QByteArray encodeFileName(const QString& path)
{
    QByteArray bytes;
    bytes.reserve(path.size());
    qsizetype runStart = 0;
    const auto flushRun = [&](qsizetype end) {
        if (end > runStart)
            bytes.append(QStringView(path).sliced(runStart, end - runStart).toUtf8());
    };
    for (qsizetype i = 0; i < path.size(); ++i) {
        const QChar c = path[i];
        // A low surrogate right after a high one is half of a pair, never an escape.
        const bool paired = i > 0 && path[i - 1].isHighSurrogate();
        if (!isEscape(c) || paired)
            continue;
        flushRun(i);
        bytes.append(static_cast<char>(c.unicode() - escapeBase));
        runStart = i + 1;
    }
    flushRun(path.size());
    return bytes;
}

bool hasEscapedBytes(const QString& path)
{
    for (qsizetype i = 0; i < path.size(); ++i) {
        if (isEscape(path[i]) && (i == 0 || !path[i - 1].isHighSurrogate()))
            return true;
    }
    return false;
}

QString displayFileName(const QString& path)
{
    if (!hasEscapedBytes(path))
        return path;
    QString shown = path;
    for (qsizetype i = 0; i < shown.size(); ++i) {
        if (isEscape(shown[i]) && (i == 0 || !path[i - 1].isHighSurrogate()))
            shown[i] = windows1252Char(static_cast<unsigned char>(shown[i].unicode() - escapeBase));
    }
    return shown;
}

QString currentFolder()
{
    const std::unique_ptr<char, decltype(&std::free)> folder(::getcwd(nullptr, 0), &std::free);
    return folder ? decodeFileName(folder.get()) : QString();
}

QString localPathOf(const QUrl& url)
{
    if (!url.host().isEmpty())
        return url.toLocalFile();
    return decodeFileName(QByteArray::fromPercentEncoding(url.path(QUrl::FullyEncoded).toLatin1()));
}

QString decodeWindows1252(QByteArrayView bytes)
{
    QString text;
    text.reserve(bytes.size());
    for (const char c : bytes)
        text.append(windows1252Char(static_cast<unsigned char>(c)));
    return text;
}

EntryStatus entryStatus(const QString& path)
{
    struct stat status {};
    if (path.isEmpty() || ::stat(encodeFileName(path).constData(), &status) != 0)
        return {};
    EntryStatus entry;
    entry.kind = S_ISREG(status.st_mode) ? EntryKind::File : S_ISDIR(status.st_mode) ? EntryKind::Folder : EntryKind::Other;
    entry.size = static_cast<qint64>(status.st_size);
    entry.modifiedMsecs = static_cast<qint64>(status.st_mtim.tv_sec) * 1000 + status.st_mtim.tv_nsec / 1000000;
    return entry;
}

bool entryExists(const QString& path) { return entryStatus(path).kind != EntryKind::Missing; }
bool isPlainFile(const QString& path) { return entryStatus(path).kind == EntryKind::File; }
bool isFolder(const QString& path) { return entryStatus(path).kind == EntryKind::Folder; }

bool openForReading(QFile& file, const QString& path, QString* error)
{
    const int descriptor = path.isEmpty() ? -1 : ::open(encodeFileName(path).constData(), O_RDONLY | O_CLOEXEC);
    if (descriptor < 0) {
        if (error != nullptr)
            *error = QString::fromLocal8Bit(std::strerror(path.isEmpty() ? ENOENT : errno));
        return false;
    }
    if (!file.open(descriptor, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        if (error != nullptr)
            *error = file.errorString();
        return false;
    }
    return true;
}

bool removeFile(const QString& path) { return !path.isEmpty() && ::unlink(encodeFileName(path).constData()) == 0; }

QStringList folderEntries(const QString& folder)
{
    const std::unique_ptr<DIR, DirCloser> dir(::opendir(folder.isEmpty() ? "/" : encodeFileName(folder).constData()));
    QStringList names;
    if (!dir)
        return names;
    while (const dirent* entry = ::readdir(dir.get())) {
        if (std::strcmp(entry->d_name, ".") != 0 && std::strcmp(entry->d_name, "..") != 0)
            names.append(decodeFileName(entry->d_name));
    }
    return names;
}

} // namespace qv
