#include "showdata/random_file_lists.h"

#include "components/platform/file_names.h"
#include "components/platform/message_box.h"
#include "startup/shared_routines.h"

namespace qv {

void findRandomShowFiles(const RandomShowConfig& config, CustomShow& show, int limit, EventPump* pump)
{
    show.resizeSlides(0);
    show.picture.assign(1, QString());
    show.audio.assign(1, QString());
    show.pictureCount = 0;
    show.audioCount = 0;

    FoundFileList pictures(show.picture, show.pictureCount, limit);
    for (int i = 1; i <= config.pictureDirCount(); ++i)
        ScanFolder(config.pictureDirs[static_cast<std::size_t>(i)], config.pictureSubdirs == 1, pictures,
                   MediaKind::Picture, pump);
    FoundFileList sounds(show.audio, show.audioCount, limit);
    for (int i = 1; i <= config.audioDirCount(); ++i)
        ScanFolder(config.audioDirs[static_cast<std::size_t>(i)], config.audioSubdirs == 1, sounds,
                   MediaKind::Audio, pump);
}

void BuildRandomFileLists()
{
    // A copy: event handlers run during the search and may change the configuration.
    const RandomShowConfig config = randomShowConfig();
    findRandomShowFiles(config, customShow());
    if (customShow().pictureCount >= 1)
        return;
    const QString firstFolder = config.pictureDirCount() >= 1 ? config.pictureDirs[1] : QString();
    showMessage(QStringLiteral("No picture files were found in ") + displayFileName(firstFolder)
                    + QStringLiteral("   Please go to the screen saver setup screen and specify a correct directory."),
                MessageButtons::OkCancel);
    finish_program();
}

} // namespace qv
