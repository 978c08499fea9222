#include "config_ui/common/accessible_names.h"

#include <QAbstractButton>
#include <QGroupBox>
#include <QHash>
#include <QLabel>
#include <QWidget>

namespace qv {
namespace {

// "&Ok" reads "Ok"; a doubled "&&" is a real ampersand.
QString withoutAccelerator(QString caption)
{
    caption.replace(QStringLiteral("&&"), QStringLiteral("\x01"));
    caption.remove(QLatin1Char('&'));
    caption.replace(QStringLiteral("\x01"), QStringLiteral("&"));
    return caption.simplified();
}

} // namespace

void nameControlsForAccessibility(QWidget* window)
{
    QHash<const QWidget*, QString> labelled;
    const QList<QLabel*> labels = window->findChildren<QLabel*>();
    for (const QLabel* label : labels) {
        if (label->buddy() != nullptr && !label->text().isEmpty())
            labelled.insert(label->buddy(), withoutAccelerator(label->text()));
    }

    const QList<QWidget*> widgets = window->findChildren<QWidget*>();
    for (QWidget* widget : widgets) {
        if (!widget->accessibleName().isEmpty() || qobject_cast<QLabel*>(widget) != nullptr)
            continue;
        QString name = labelled.value(widget);
        if (name.isEmpty()) {
            if (const auto* button = qobject_cast<QAbstractButton*>(widget))
                name = withoutAccelerator(button->text());
            else if (const auto* group = qobject_cast<QGroupBox*>(widget))
                name = withoutAccelerator(group->title());
        }
        if (name.isEmpty())
            name = widget->toolTip();
        if (!name.isEmpty())
            widget->setAccessibleName(name);
    }
}

} // namespace qv
