#pragma once

#include <QString>

#include <functional>

class QWidget;

namespace qv {

// Opens the program's manual at the section of a help keyword ("Contents",
// "Global Options", "Custom", ...), beside the window it explains (the active one).
// The manual is HTML: a user's own "qvmanual.hlp" in the data folder comes first,
// else the manual installed with the program.
void open_help(const QString& keyword);

// F1 anywhere in `window` opens the manual at `keyword`'s section.
void bindHelpKey(QWidget* window, const QString& keyword);

// The manual open_help shows, and the anchor of a keyword's section in it
// ("Global Options" is "global-options").
QString manualPath();
QString helpAnchor(const QString& keyword);

// Tests record the keywords asked for instead of opening the viewer (nullptr
// restores the viewer).
void setHelpOpener(std::function<void(const QString& keyword)> opener);

} // namespace qv
