#include "config_ui/common/window_conventions.h"

#include <QApplication>
#include <QFocusFrame>
#include <QKeyEvent>
#include <QPainter>
#include <QPointer>
#include <QProxyStyle>
#include <QPushButton>

namespace qv {
namespace {

// How far the ring reaches outside the focused control.
constexpr int kRingWidth = 3;

// Gives the ring its width: a focus frame takes its margins from its style.
class RingStyle final : public QProxyStyle {
public:
    int pixelMetric(PixelMetric metric, const QStyleOption* option, const QWidget* widget) const override
    {
        if (metric == PM_FocusFrameHMargin || metric == PM_FocusFrameVMargin)
            return kRingWidth;
        return QProxyStyle::pixelMetric(metric, option, widget);
    }
};

// Amber inside a thin dark edge: the amber reads on dark backgrounds, the edge on
// light ones.
class FocusRing final : public QFocusFrame {
public:
    explicit FocusRing(QWidget* parent) : QFocusFrame(parent) {}

protected:
    void paintEvent(QPaintEvent*) override
    {
        if (widget() == nullptr)
            return;
        QPainter painter(this);
        painter.fillRect(rect(), QColor(20, 20, 20));
        painter.fillRect(rect().adjusted(1, 1, -1, -1), QColor(255, 176, 0));
    }
};

QStyle& ringStyle()
{
    static auto* style = new RingStyle;  // lives as long as the program
    return *style;
}

class Conventions final : public QObject {
public:
    explicit Conventions(QObject* parent) : QObject(parent)
    {
        connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) { follow(now); });
    }

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() != QEvent::KeyPress)
            return false;
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() != Qt::Key_Return && key->key() != Qt::Key_Enter)
            return false;
        if ((key->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier)
            return false;
        auto* button = qobject_cast<QPushButton*>(watched);
        if (button == nullptr || !button->hasFocus() || !button->isEnabled() || !button->isVisible())
            return false;
        // A held key presses once, as Space does.
        if (!key->isAutoRepeat())
            button->click();
        return true;
    }

private:
    void follow(QWidget* focused)
    {
        if (focused == nullptr || focused->isWindow() || focused->focusPolicy() == Qt::NoFocus) {
            if (ring_ != nullptr)
                ring_->setWidget(nullptr);
            return;
        }
        if (ring_ == nullptr) {
            ring_ = new FocusRing(focused);  // then owned by the focused control's parent
            ring_->setStyle(&ringStyle());
        }
        ring_->setWidget(focused);
    }

    QPointer<FocusRing> ring_;
};

} // namespace

void installWindowConventions()
{
    static QPointer<Conventions> installed;
    if (installed != nullptr || qApp == nullptr)
        return;
    installed = new Conventions(qApp);
    qApp->installEventFilter(installed);
}

} // namespace qv
