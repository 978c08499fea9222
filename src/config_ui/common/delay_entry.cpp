#include "config_ui/common/delay_entry.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QScrollBar>
#include <QSignalBlocker>

#include <algorithm>

namespace qv {
namespace {

constexpr int kSpinRest = 50;

// Discards typed characters that are not digits; editing keys pass.
class DigitsOnly final : public QObject {
public:
    using QObject::QObject;

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() != QEvent::KeyPress)
            return QObject::eventFilter(watched, event);
        const QString text = static_cast<QKeyEvent*>(event)->text();
        if (text.isEmpty() || text.at(0).unicode() < 32)
            return false;
        return std::any_of(text.cbegin(), text.cend(), [](QChar c) { return c < u'0' || c > u'9'; });
    }
};

void writeValue(QLineEdit* entry, int value)
{
    const QString text = QString::number(std::clamp(value, 0, kLongestDelay));
    if (entry->text() != text)
        entry->setText(text);
}

} // namespace

int delayFromText(const QString& text)
{
    long long value = 0;
    for (const QChar c : text) {
        if (c < u'0' || c > u'9')
            break;
        value = std::min<long long>(value * 10 + (c.unicode() - u'0'), kLongestDelay + 1);
    }
    return static_cast<int>(std::min<long long>(value, kLongestDelay));
}

int delayEntryValue(const QLineEdit* entry) { return delayFromText(entry->text()); }

void attachDelayEntry(QLineEdit* entry, QScrollBar* spin)
{
    entry->installEventFilter(new DigitsOnly(entry));
    QObject::connect(entry, &QLineEdit::textChanged, entry, [entry](const QString& text) {
        // Written back after the change has finished, so the cursor ends at the end.
        writeValue(entry, delayFromText(text));
    });
    if (spin == nullptr)
        return;
    spin->setRange(0, 2 * kSpinRest);
    spin->setSingleStep(1);
    spin->setPageStep(1);
    {
        const QSignalBlocker quiet(spin);
        spin->setValue(kSpinRest);
    }
    QObject::connect(spin, &QScrollBar::valueChanged, entry, [entry, spin](int position) {
        if (position == kSpinRest)
            return;
        const int step = position < kSpinRest ? 1 : -1;
        writeValue(entry, delayEntryValue(entry) + step);
        {
            const QSignalBlocker quiet(spin);
            spin->setValue(kSpinRest);
        }
        entry->setFocus(Qt::OtherFocusReason);
    });
}

} // namespace qv
