#include "engine/slide_look.h"

#include "components/label/fx_label.h"
#include "components/picture/frame_stats.h"
#include "components/picture/fx_image.h"
#include "components/picture/transition_timing.h"
#include "components/standard_palette.h"
#include "engine/bad_picture_text.h"
#include "settings/global_settings.h"
#include "showdata/custom_show.h"
#include "showdata/effect_catalogue.h"

#include <QFontMetricsF>
#include <QScreen>

#include <algorithm>
#include <cstdio>
#include <optional>

namespace qv {
namespace {

// The erase of "Block" dissolves: a double blind.
constexpr int kBlockDissolveEffect = 36;

} // namespace

int effectGrainFor(int effect)
{
    const EffectCatalogue& catalogue = effectCatalogue();
    const int row = grainModeRow(globalSettings().mgrainMode);
    if (effect < 0 || effect >= effectTableSize)
        return 1;
    return catalogue.effectGrain[static_cast<std::size_t>(row)][static_cast<std::size_t>(effect)];
}

void applyShowBorder(FXImage& image)
{
    const GlobalSettings& s = globalSettings();
    BorderStyle border = image.border();
    if (s.showBorder == 0) {
        border.width = 0;
        border.inner.style = 0;
        border.outer.style = 0;
        image.setBorder(border);
        return;
    }
    border.inner = Bevel{s.innerBevelSize.toInt(), s.innerBevelStyle.toInt(), standardColour(s.innerBevelColor1),
                         standardColour(s.innerBevelColor2)};
    border.outer = Bevel{s.outerBevelSize.toInt(), s.outerBevelStyle.toInt(), standardColour(s.outerBevelColor1),
                         standardColour(s.outerBevelColor2)};
    border.width = s.borderSize.toInt();
    border.colour = standardColour(s.borderColor.toInt());
    image.setBorder(border);
}

bool prepareErase(FXImage& image)
{
    const GlobalSettings& settings = globalSettings();
    if (settings.cDissolve == 0)
        return false;
    // The wipe: no border, and the erase that the dissolve setting names.
    BorderStyle noBorder = image.border();
    noBorder.width = 0;
    noBorder.inner.style = 0;
    noBorder.outer.style = 0;
    image.setBorder(noBorder);
    if (settings.cDissolve == 1) {
        image.setEraseEffect(kBlockDissolveEffect);
        image.setEraseGrain(settings.mgrainMode == 1 ? 10 : 16);
        image.setEraseSpeed(settings.dissolveSpeed);
    } else {
        image.setEraseEffect(image.effect());
        image.setEraseGrain(image.effectGrain());
        image.setEraseSpeed(image.effectSpeed());
    }
    image.setEraseEnabled(true);
    return true;
}

QFont captionFont(int areaHeight)
{
    QFont font(QStringLiteral("Times New Roman"));
    font.setPixelSize(std::max(18, areaHeight / 28));
    return font;
}

void styleCaption(FXLabel& caption)
{
    caption.setCaption(QStringLiteral("Picture filepath or description"));
    caption.setTransparentBackground(true);
    caption.setForeColour(QColor(255, 255, 240));
    caption.setAutoSize(true);
    caption.setFocusPolicy(Qt::NoFocus);
    caption.setAttribute(Qt::WA_TransparentForMouseEvents);
}

void placeCaption(FXLabel& caption, const QString& text, QSize area)
{
    caption.setCaption(QLatin1Char(' ') + text + QLatin1Char(' '));
    caption.setFont(captionFont(area.height()));
    caption.resize(caption.sizeHint());
    caption.move((area.width() - caption.width()) / 2, area.height() - caption.height());
}

bool placeBadPictureMessage(FXLabel& message, const QString& path, int code, QSize area)
{
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(std::max(14, area.height() / 45));
    const QFontMetricsF metrics(font);
    const std::optional<QString> text = fittedBadPictureText(
        path, code, customShow().pictureCount, [&metrics](const QString& s) { return metrics.horizontalAdvance(s); },
        0.9 * area.width());
    if (!text)
        return false;
    message.setFont(font);
    message.setCaption(*text);
    message.resize(message.sizeHint().boundedTo(area));
    message.move((area.width() - message.width()) / 2, (area.height() - message.height()) / 2);
    return true;
}

void reportTransitionScreen(const FXImage& image)
{
    if (!frameStatsWanted())
        return;
    const QWidget& window = *image.window();
    const QScreen* screen = window.screen();
    const long long planned = transitionDuration(image.effectSpeed(), image.effectGrain(), image.size()).count();
    std::fprintf(stderr, "Screen %dx%d at %.0f Hz: effect %d planned %lld ms\n", window.width(), window.height(),
                 screen != nullptr ? screen->refreshRate() : 60.0, image.effect(), planned);
}

} // namespace qv
