#include "config_ui/random_setup/random_setup_rules.h"

#include "components/platform/file_errors.h"
#include "components/platform/file_names.h"
#include "components/platform/message_box.h"
#include "settings/global_settings.h"
#include "settings/replaceable_file.h"
#include "showdata/name_lookup.h"
#include "showdata/file_discovery.h"
#include "showdata/random_show_config_file.h"
#include "showdata/scratch_files.h"
#include "startup/startup_state.h"

namespace qv {
namespace {

std::vector<QString> oneBased(const QStringList& entries)
{
    std::vector<QString> list(1);
    list.insert(list.end(), entries.begin(), entries.end());
    return list;
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
    DeleteScratchFiles();
    const QString copy = globalSettings().slideshowPath + ScratchFile::randomConfigCopy();
    if (const int error = replaceFileContents(copy, formatRandomShowConfig(randomShowConfig(), startupState().appName));
        error != FileError::None) {
        showMessage(fileErrorText(error) + QLatin1Char('\n') + displayFileName(copy));
        return TestRunOutcome::SaveFailed;
    }
    {
        const RandomShowConfigRedirect redirect(copy);
        runShow();
    }
    removeFile(copy);
    return TestRunOutcome::Ran;
}

} // namespace qv
