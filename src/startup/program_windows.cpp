#include "startup/program_windows.h"

#include <QApplication>

namespace qv {
namespace {

const char* const kFormProperty = "quintavueForm";

} // namespace

void registerProgramWindow(QWidget* form) { form->setProperty(kFormProperty, true); }

bool anyProgramWindowOpen()
{
    const QWidgetList topLevels = QApplication::topLevelWidgets();
    return std::any_of(topLevels.cbegin(), topLevels.cend(),
                       [](const QWidget* widget) { return widget->property(kFormProperty).toBool(); });
}

} // namespace qv
