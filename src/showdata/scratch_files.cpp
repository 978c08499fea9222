#include "showdata/scratch_files.h"

#include "components/platform/file_names.h"
#include "components/platform/paths.h"
#include "settings/global_settings.h"
#include "showdata/name_lookup.h"
#include "showdata/random_show_config_file.h"

#include <QFileInfo>
#include <QRegularExpression>

#include <cerrno>
#include <filesystem>
#include <limits>

#include <signal.h>
#include <unistd.h>

namespace qv {
namespace {

QString ownCopy(const char* stem, const char* extension)
{
    return QStringLiteral(".%1-%2.%3").arg(QLatin1String(stem)).arg(::getpid()).arg(QLatin1String(extension));
}

// The process number a left-over name carries, or 0 when the name is no leftover.
qint64 ownerOfLeftover(const QString& name)
{
    static const QRegularExpression saveTemporary(QStringLiteral("^\\..+\\.tmp-(\\d+)-\\d+$"));
    static const QRegularExpression scratchCopy(QStringLiteral("^\\.(?:tdz|zxz)-(\\d+)\\.(?:css|rss)$"));
    for (const QRegularExpression* pattern : {&saveTemporary, &scratchCopy}) {
        const QRegularExpressionMatch match = pattern->match(name);
        if (match.hasMatch())
            return match.captured(1).toLongLong();
    }
    return 0;
}

// A process that exists but is not ours still runs (EPERM).
bool processRuns(qint64 pid)
{
    if (pid <= 0 || pid > std::numeric_limits<pid_t>::max())
        return false;
    return ::kill(static_cast<pid_t>(pid), 0) == 0 || errno == EPERM;
}

} // namespace

namespace ScratchFile {
QString singleSlideCopy() { return ownCopy("zxz", "css"); }
QString testRunCopy() { return ownCopy("tdz", "css"); }
QString randomConfigCopy() { return ownCopy("zxz", "rss"); }
} // namespace ScratchFile

bool isScratchShowName(const QString& fileName)
{
    for (const char* name : {"tdz.css", "zxz.css", "zxz2.css"}) {
        if (fileName.compare(QLatin1String(name), Qt::CaseInsensitive) == 0)
            return true;
    }
    return false;
}

void DeleteScratchFiles()
{
    // "zxz.rss" is no copy but the user's own random show configuration, set aside by an
    // older version's test run that never finished: it goes back, not away.
    restoreRandomConfigAfterInterruptedTest();
    const QString& folder = globalSettings().slideshowPath;
    for (const char* name : {"zxz.rss", "zxz.css", "zxz2.css"}) {
        // A case-sensitive folder may hold one leftover per spelling: all are ours.
        for (const QString& existing : namesMatchingIgnoringCase(folder, QLatin1String(name)))
            removeFile(folder + existing);
    }
    for (const QString& own : {ScratchFile::singleSlideCopy(), ScratchFile::testRunCopy(), ScratchFile::randomConfigCopy()})
        removeFile(folder + own);
    removeLeftoversOfEndedProcesses(folder);
}

bool restoreRandomConfigAfterInterruptedTest()
{
    const QString& folder = globalSettings().slideshowPath;
    const QStringList leftovers = namesMatchingIgnoringCase(folder, QStringLiteral("zxz.rss"));
    if (leftovers.isEmpty())
        return false;
    // Renaming over the target replaces it in one step, so a second interruption here
    // cannot lose both files.
    std::error_code error;
    std::filesystem::rename(encodeFileName(folder + leftovers.first()).toStdString(),
                            encodeFileName(resolvePathIgnoringCase(folder + randomShowConfigFileName)).toStdString(), error);
    return !error;
}

void removeLeftoversOfEndedProcesses(const QString& folder)
{
    const QString base = withTrailingSeparator(folder);
    for (const QString& name : folderEntries(base)) {
        const qint64 owner = ownerOfLeftover(name);
        if (owner > 0 && owner != ::getpid() && !processRuns(owner) && isPlainFile(base + name))
            removeFile(base + name);
    }
}

void removeLeftoversOfEndedProcesses()
{
    removeLeftoversOfEndedProcesses(globalSettings().slideshowPath);
    removeLeftoversOfEndedProcesses(QFileInfo(settingsFilePath()).absolutePath());
}

} // namespace qv
