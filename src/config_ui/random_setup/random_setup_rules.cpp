#include "config_ui/random_setup/random_setup_rules.h"

#include "components/platform/file_errors.h"
#include "components/platform/file_names.h"
#include "components/platform/message_box.h"
#include "settings/global_settings.h"
#include "showdata/name_lookup.h"
#include "showdata/file_discovery.h"
#include "showdata/random_show_config_file.h"
#include "showdata/scratch_files.h"


#include <cerrno>
#include <cstdio>

namespace qv {
namespace {

std::vector<QString> oneBased(const QStringList& entries)
{
    std::vector<QString> list(1);
    list.insert(list.end(), entries.begin(), entries.end());
    return list;
}

// rename(2) replaces an existing target in one step; 0 or the error code.
int moveFile(const QString& from, const QString& to)
{
    if (std::rename(encodeFileName(from).constData(), encodeFileName(to).constData()) == 0)
        return FileError::None;
    return fileErrorFromErrno(errno);
}

} // namespace

QString folderListEntry(const QString& folder)
{
    if (folder.size() > 1 && folder.endsWith(u'/'))
        return folder.left(folder.size() - 1);
    return folder;
}

bool addFolderEntry(QStringList& entries, const QString& folder)
{
    const QString entry = folderListEntry(folder);
    if (entries.contains(entry))
        return false;
    entries.append(entry);
    return true;
}

void takeSettings(const RandomSetupValues& values, RandomShowConfig& config)
{
    config.delaySeconds = static_cast<std::int16_t>(values.delaySeconds);
    config.loopAudio = values.loopAudio ? 1 : 0;
    config.showFileNames = values.showFileNames ? 1 : 0;
    config.pictureDirs = oneBased(values.pictureDirs);
    config.audioDirs = oneBased(values.audioDirs);
}

bool findsAnyPicture(const RandomShowConfig& config)
{
    // The show's own search, so that names that are not UTF-8 count as it counts them; no
    // events run meanwhile. Each folder's own files first: the usual answer comes without a
    // walk through a tree.
    std::vector<QString> found;
    int count = 0;
    FoundFileList list(found, count, 1);
    EventPump noEvents(std::chrono::hours(24));
    for (const bool deep : {false, true}) {
        if (deep && config.pictureSubdirs != 1)
            break;
        for (int i = 1; i <= config.pictureDirCount(); ++i) {
            const QString folder = config.pictureDirs[static_cast<std::size_t>(i)];
            if (deep)
                ScanSubdirectories(folder + u'/', list, MediaKind::Picture, &noEvents);
            else
                ScanDirectory(folder, list, MediaKind::Picture, &noEvents);
            if (count > 0)
                return true;
        }
    }
    return false;
}

TestRunOutcome runWithEditedRandomConfig(const std::function<void()>& runShow)
{
    const QString& folder = globalSettings().slideshowPath;
    // A "zxz.rss" left by a run that died is the user's real file: bring it back before the
    // scratch files are cleared, or the clearing would delete it.
    restoreRandomConfigAfterInterruptedTest();
    DeleteScratchFiles();

    const QString savedFile = resolvePathIgnoringCase(randomShowConfigPath());
    const QString waitingFile = folder + ScratchFile::randomConfigCopy;
    const bool hadSavedFile = FileExistsIn(folder, randomShowConfigFileName);
    if (hadSavedFile) {
        if (const int error = moveFile(savedFile, waitingFile); error != FileError::None) {
            showMessage(fileErrorText(error));
            return TestRunOutcome::NotSetAside;
        }
    }

    const bool saved = SaveRandomShowConfig() == FileError::None;
    if (saved) {
        runShow();
        // A show started meanwhile by another process (a desktop's saver daemon) may have put
        // the waiting file back already: then "quintavu.rss" is the user's own again.
        if (!hadSavedFile || FileExistsIn(folder, ScratchFile::randomConfigCopy))
            removeFile(resolvePathIgnoringCase(randomShowConfigPath()));
    }
    // Should the way back fail, the user's file stays where it waits (never cleared as a
    // scratch file) and the next opening or show start moves it back.
    if (!hadSavedFile || moveFile(waitingFile, savedFile) == FileError::None)
        DeleteScratchFiles();
    return saved ? TestRunOutcome::Ran : TestRunOutcome::SaveFailed;
}

} // namespace qv
