#include "startup/program_windows.h"

#include <QApplication>
#include <QPointer>

#include <vector>

namespace qv {
namespace {

const char* const kFormProperty = "quintavueForm";

std::vector<QPointer<QWidget>>& retiredForms()
{
    static std::vector<QPointer<QWidget>> forms;
    return forms;
}

} // namespace

void registerProgramWindow(QWidget* form) { form->setProperty(kFormProperty, true); }

bool anyProgramWindowOpen()
{
    const QWidgetList topLevels = QApplication::topLevelWidgets();
    return std::any_of(topLevels.cbegin(), topLevels.cend(),
                       [](const QWidget* widget) { return widget->property(kFormProperty).toBool(); });
}

void retireProgramWindow(QWidget* form)
{
    form->setProperty(kFormProperty, false);
    form->hide();
    retiredForms().emplace_back(form);
}

void disposeRetiredWindows()
{
    std::vector<QPointer<QWidget>> forms;
    forms.swap(retiredForms());
    for (const QPointer<QWidget>& form : forms)
        delete form.data();
}

} // namespace qv
