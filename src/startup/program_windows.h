#pragma once

#include <QWidget>

namespace qv {

// The program's forms. The waiting loops of start-up end when none is left, hidden
// ones included: a form stays "open" from its creation until it is destroyed, like
// the preview host, which is never shown.
void registerProgramWindow(QWidget* form);
bool anyProgramWindowOpen();

} // namespace qv
