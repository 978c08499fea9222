#include "contact_sheet.h"

#include "components/transitions/effect_registry.h"
#include "components/transitions/transition_renderer.h"

#include <QFont>
#include <QPainter>

namespace qv::gallery {

namespace {

constexpr int kLabelWidth = 360;
constexpr int kGap = 6;
constexpr double kProgressShown[] = {0.25, 0.5, 0.75};

QString text(std::string_view view)
{
    return QString::fromUtf8(view.data(), static_cast<qsizetype>(view.size()));
}

// Large enough to see the shape, as the show would use it on a full screen.
int sheetGrain(QSize frame)
{
    return std::max(1, frame.height() / 27);
}

} // namespace

QImage contactSheet(const SheetLayout& layout, const QImage& older, const QImage& newer)
{
    const QSize frame = layout.frame;
    const int rowHeight = frame.height() + kGap;
    const int width = kLabelWidth + 3 * (frame.width() + kGap);
    QImage sheet(width, rowHeight * static_cast<int>(layout.effects.size()) + kGap, QImage::Format_RGB32);
    sheet.fill(QColor(32, 32, 32));
    QPainter painter(&sheet);
    QFont font("Liberation Sans");
    font.setPixelSize(14);
    painter.setFont(font);

    QImage composed(frame, QImage::Format_RGB32);
    int top = kGap;
    for (const int effect : layout.effects) {
        const EffectInfo* info = transitionEffect(effect);
        const TransitionRenderer renderer({effect, sheetGrain(frame), 1, frame});
        int left = kLabelWidth;
        for (const double progress : kProgressShown) {
            renderer.render(older, newer, progress, composed);
            painter.drawImage(left, top, composed);
            left += frame.width() + kGap;
        }
        const QString name = layout.effectName ? layout.effectName(effect) : QString();
        QString label = QString::number(effect);
        if (!name.isEmpty())
            label += "  " + name;
        if (info != nullptr)
            label += QString("  [%1]\n%2").arg(text(familyName(info->family)), text(info->description));
        painter.setPen(Qt::white);
        painter.drawText(QRect(kGap, top, kLabelWidth - 2 * kGap, frame.height()),
                         Qt::AlignVCenter | Qt::TextWordWrap, label);
        top += rowHeight;
    }
    return sheet;
}

} // namespace qv::gallery
