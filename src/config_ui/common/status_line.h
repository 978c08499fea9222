#pragma once

#include <QString>

class QLabel;
class QWidget;

namespace qv {

// The status line of a configuration window: one label that explains whatever the
// pointer rests on, and a single space over the window's background. Keyboard users
// get the same help for the control that takes the focus.
void installStatusLine(QWidget* window, QLabel* line);

// The text shown while the pointer is over `control` (or over any child of it that
// has no text of its own).
void setStatusText(QWidget* control, const QString& text);
QString statusText(const QWidget* control);

} // namespace qv
