#include "components/sound/sound_fonts.h"

#include <QFileInfo>
#include <QStringList>
#include <QtDebug>

namespace qv {

QString chooseSoundFonts()
{
    const QString userChoice = qEnvironmentVariable("QUINTAVUE_SOUNDFONT");
    if (!userChoice.isEmpty()) {
        if (QFileInfo::exists(userChoice.section(QLatin1Char(';'), 0, 0)))
            return userChoice;
        qWarning("QUINTAVUE_SOUNDFONT names no existing file (%s); using the system's soundfont",
                 qPrintable(userChoice));
    }
    const QStringList installed{
        QStringLiteral("/usr/share/sounds/sf2/default-GM.sf2"),
        QStringLiteral("/usr/share/sounds/sf2/TimGM6mb.sf2"),
        QStringLiteral("/usr/share/sounds/sf2/FluidR3_GM.sf2"),
    };
    for (const QString& font : installed) {
        if (QFileInfo::exists(font))
            return font;
    }
    return {};
}

} // namespace qv
