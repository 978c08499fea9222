#pragma once

#include <QString>

namespace qv {

// Desktop-wide switches that the show honours but does not own, such as
// "ScreenSaveUsePassword" of "Control Panel\Desktop". On Linux they live in the
// per-user file $XDG_CONFIG_HOME/Quintavue/desktop.conf:
//
//     [Desktop]
//     ScreenSaveUsePassword=1
//
// The last part of the key path names the group. The text of the value, or the
// empty text when the file, the group or the value is missing.
QString readDesktopSetting(const QString& keyPath, const QString& valueName);

} // namespace qv
