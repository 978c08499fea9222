#pragma once

#include <QWidget>

namespace qv {

// The program's forms. The waiting loops of start-up end when none is left, hidden
// ones included: a form stays "open" from its creation until it is retired, like the
// preview host, which is never shown.
void registerProgramWindow(QWidget* form);
bool anyProgramWindowOpen();

// A form that has closed: it no longer counts as open and is hidden, but lives on
// until disposeRetiredWindows(), because its own handlers may still be running
// below the event loop that closed it (every wait of the program lets events run).
void retireProgramWindow(QWidget* form);

// Deletes the retired forms. Call only where none of their handlers can be on the
// stack: after a waiting loop has ended.
void disposeRetiredWindows();

} // namespace qv
