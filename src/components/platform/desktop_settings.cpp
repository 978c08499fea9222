#include "components/platform/desktop_settings.h"

#include <QDir>
#include <QSettings>

namespace qv {

QString readDesktopSetting(const QString& keyPath, const QString& valueName)
{
    QString configHome = qEnvironmentVariable("XDG_CONFIG_HOME");
    if (configHome.isEmpty())
        configHome = QDir::homePath() + QStringLiteral("/.config");
    const QSettings file(configHome + QStringLiteral("/Quintavue/desktop.conf"), QSettings::IniFormat);
    QString group = keyPath;
    group.replace(QLatin1Char('\\'), QLatin1Char('/'));
    group = group.section(QLatin1Char('/'), -1);
    const QVariant value = file.value(group + QLatin1Char('/') + valueName);
    if (!value.isValid())
        return {};
    return value.toString();
}

} // namespace qv
