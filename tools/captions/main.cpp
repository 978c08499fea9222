// Renders every caption effect at a few moments of its run into one PNG, so that the
// effects can be judged side by side without running a show.
#include "components/label/caption_renderer.h"
#include "components/label/font_substitutions.h"

#include <QGuiApplication>
#include <QLinearGradient>
#include <QPainter>

#include <array>
#include <cstdio>

namespace {

constexpr std::array kMoments{0.1, 0.25, 0.4, 0.55, 0.7, 0.85, 1.0};
constexpr int kNameWidth = 190;
constexpr QSize kCell(300, 64);

// A busy, bright-and-dark backdrop, like a photograph, to show the captions stay readable.
void paintBackdrop(QPainter& painter, const QRect& cell, int row)
{
    QLinearGradient gradient(cell.topLeft(), cell.bottomRight());
    gradient.setColorAt(0.0, QColor::fromHsv((row * 37) % 360, 120, 230));
    gradient.setColorAt(0.5, QColor(250, 250, 240));
    gradient.setColorAt(1.0, QColor::fromHsv((row * 37 + 180) % 360, 200, 60));
    painter.fillRect(cell, gradient);
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    qv::installFontSubstitutions();

    const QString output = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("captions.png");
    const QString text = argc > 2 ? QString::fromLocal8Bit(argv[2]) : QStringLiteral("Quintavue");

    const qv::CaptionLayout layout =
        qv::layoutCaption(text, QFont(QStringLiteral("Arial"), 18, QFont::Bold), QSizeF(kCell), 96.0);
    const qv::CaptionLook look;
    const int columns = static_cast<int>(kMoments.size());
    QImage sheet(kNameWidth + columns * kCell.width(), (qv::kTextEffectCount + 1) * kCell.height(),
                 QImage::Format_ARGB32_Premultiplied);
    sheet.fill(QColor(40, 40, 40));
    QPainter painter(&sheet);
    painter.setPen(Qt::white);
    painter.setFont(QFont(QStringLiteral("Arial"), 10));
    for (int column = 0; column < columns; ++column)
        painter.drawText(QRect(kNameWidth + column * kCell.width(), 0, kCell.width(), kCell.height()), Qt::AlignCenter,
                         QStringLiteral("progress %1").arg(kMoments[static_cast<std::size_t>(column)]));

    for (int number = 1; number <= qv::kTextEffectCount; ++number) {
        const int top = number * kCell.height();
        const qv::TextEffectSettings settings{number, 2, 10};
        painter.setPen(Qt::white);
        painter.drawText(QRect(6, top, kNameWidth - 6, kCell.height()), Qt::AlignVCenter | Qt::AlignLeft,
                         QStringLiteral("%1 %2\n%3 ms").arg(number).arg(qv::textEffectName(number))
                             .arg(qv::textEffectDuration(settings).count()));
        for (int column = 0; column < columns; ++column) {
            const QRect cell(kNameWidth + column * kCell.width(), top, kCell.width(), kCell.height());
            paintBackdrop(painter, cell.adjusted(1, 1, -1, -1), number);
            painter.drawImage(cell.topLeft(),
                              qv::renderCaptionFrame(layout, look, settings, kMoments[static_cast<std::size_t>(column)]));
        }
    }
    painter.end();
    if (!sheet.save(output)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(output));
        return 1;
    }
    std::printf("%s\n", qPrintable(output));
    return 0;
}
