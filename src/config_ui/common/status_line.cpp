#include "config_ui/common/status_line.h"

#include <QEvent>
#include <QLabel>
#include <QPointer>
#include <QVariant>
#include <QWidget>

namespace qv {
namespace {

constexpr char kStatusProperty[] = "qvStatusText";

// The text of the control itself or of the nearest ancestor below the window that
// has one; a single space over the window's background.
QString textFor(const QWidget* widget, const QWidget* window)
{
    for (const QWidget* w = widget; w != nullptr && w != window; w = w->parentWidget()) {
        const QVariant text = w->property(kStatusProperty);
        if (text.isValid())
            return text.toString();
    }
    return QStringLiteral(" ");
}

class StatusLineFilter final : public QObject {
public:
    StatusLineFilter(QWidget* window, QLabel* line) : QObject(window), window_(window), line_(line) {}

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        switch (event->type()) {
        case QEvent::Enter:
        case QEvent::FocusIn:
            if (auto* widget = qobject_cast<QWidget*>(watched))
                show(widget);
            break;
        case QEvent::ChildAdded:
            // Controls made after the status line was installed explain themselves too.
            if (auto* child = qobject_cast<QWidget*>(static_cast<QChildEvent*>(event)->child()))
                watch(child);
            break;
        default:
            break;
        }
        return false;
    }

    void watch(QWidget* widget)
    {
        widget->installEventFilter(this);
        const QList<QWidget*> children = widget->findChildren<QWidget*>();
        for (QWidget* child : children)
            child->installEventFilter(this);
    }

private:
    void show(const QWidget* widget)
    {
        if (line_ != nullptr && widget->window() == window_)
            line_->setText(textFor(widget, window_));
    }

    QPointer<QWidget> window_;
    QPointer<QLabel> line_;
};

} // namespace

void installStatusLine(QWidget* window, QLabel* line)
{
    auto* filter = new StatusLineFilter(window, line);  // owned by the window
    filter->watch(window);
    line->setText(QStringLiteral(" "));
}

void setStatusText(QWidget* control, const QString& text) { control->setProperty(kStatusProperty, text); }

QString statusText(const QWidget* control) { return control->property(kStatusProperty).toString(); }

} // namespace qv
