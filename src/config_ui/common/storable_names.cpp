#include "config_ui/common/storable_names.h"

#include "components/platform/file_names.h"
#include "components/platform/message_box.h"

namespace qv {

bool storableInShowFile(const QString& path) { return !path.contains(QLatin1Char('"')); }

QStringList keepStorableNames(const QStringList& paths)
{
    QStringList kept;
    QStringList refused;
    for (const QString& path : paths)
        (storableInShowFile(path) ? kept : refused) << path;
    if (!refused.isEmpty()) {
        QStringList shown;
        for (const QString& path : refused)
            shown << displayFileName(path);
        showMessage(Message{shown.join(QLatin1Char('\n'))
                                + QStringLiteral("\n\nA name that holds a double quote (\") cannot be stored in a "
                                                 "slide show: rename the file to use it."),
                            QString(), MessageButtons::Ok, MessageIcon::Warning});
    }
    return kept;
}

} // namespace qv
