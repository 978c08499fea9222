#include "components/label/caption_renderer.h"
#include "components/label/font_substitutions.h"
#include "engine/caption_effects.h"
#include "image_compare.h"

#include <QFontInfo>
#include <QPainter>

#include <gtest/gtest.h>

#include <climits>
#include <cmath>

namespace qv {
namespace {

const QSizeF kArea(420, 72);

QFont captionTestFont() { return QFont(QStringLiteral("Arial"), 22, QFont::Bold); }

CaptionLayout testLayout(const QString& text = QStringLiteral("Quintavue shows"), double devicePixelRatio = 1.0)
{
    installFontSubstitutions();
    return layoutCaption(text, captionTestFont(), kArea, 96.0, devicePixelRatio);
}

class EveryEffect : public ::testing::TestWithParam<int> {};

INSTANTIATE_TEST_SUITE_P(Numbers, EveryEffect, ::testing::Range(1, kTextEffectCount + 1));

// Where plain drawText puts solid ink, the last frame must show the fore colour:
// independent of our own layout. (The label's tests check every effect starts away
// from its resting image and ends on it.)
TEST_P(EveryEffect, LastFrameCoversPlainlyDrawnText)
{
    const QString text = QStringLiteral("Wavy Quilt");
    const QFont font = captionFont(captionTestFont(), 192.0);   // large, so strokes are thick
    const CaptionLayout layout = layoutCaption(text, font, kArea * 2, 96.0);
    const QImage last = renderCaptionFrame(layout, CaptionLook{}, {GetParam(), 2, 10}, 1.0).convertToFormat(QImage::Format_ARGB32);

    QImage plain(last.size(), QImage::Format_ARGB32);
    plain.fill(Qt::transparent);
    {
        QPainter painter(&plain);
        painter.setFont(font);
        painter.setPen(Qt::white);
        painter.drawText(plain.rect(), Qt::AlignCenter, text);
    }
    int solid = 0;
    int missed = 0;
    for (int y = 1; y < plain.height() - 1; ++y) {
        for (int x = 1; x < plain.width() - 1; ++x) {
            const auto inked = [&](int px, int py) { return qAlpha(plain.pixel(px, py)) > 250; };
            if (!(inked(x, y) && inked(x - 1, y) && inked(x + 1, y) && inked(x, y - 1) && inked(x, y + 1)))
                continue;
            ++solid;
            const QRgb shown = last.pixel(x, y);
            missed += (qAlpha(shown) < 200 || qRed(shown) < 200 || qGreen(shown) < 200 || qBlue(shown) < 200) ? 1 : 0;
        }
    }
    ASSERT_GT(solid, 500);
    EXPECT_LT(missed, solid / 50) << textEffectName(GetParam()).toStdString();
}

// The label skips drawing a step that poses every letter as the last frame did: that
// frame must then be the step's frame, pixel for pixel. Across all effects some steps
// must be skipped, or the check saves nothing.
TEST(CaptionEffects, MomentsThatPoseAlikeDrawAlike)
{
    const CaptionLayout layout = testLayout();
    int alike = 0;
    for (int effect = 1; effect <= kTextEffectCount; ++effect) {
        const TextEffectSettings settings{effect, 2, 10};
        double drawn = 0.0;
        QImage frame = renderCaptionFrame(layout, CaptionLook{}, settings, drawn);
        for (int step = 1; step <= 40; ++step) {
            const double progress = step / 40.0;
            if (!sameCaptionFrame(layout, settings, drawn, progress)) {
                drawn = progress;
                frame = renderCaptionFrame(layout, CaptionLook{}, settings, drawn);
                continue;
            }
            ++alike;
            ASSERT_EQ(frame, renderCaptionFrame(layout, CaptionLook{}, settings, progress))
                << textEffectName(effect).toStdString() << " at " << progress;
        }
    }
    EXPECT_GT(alike, 20);
}

TEST(CaptionEffects, MiddleFramesOfAnyTwoEffectsDiffer)
{
    const CaptionLayout layout = testLayout();
    std::vector<QImage> middles;
    for (int number = 1; number <= kTextEffectCount; ++number)
        middles.push_back(renderCaptionFrame(layout, CaptionLook{}, {number, 2, 10}, 0.5));
    for (int i = 0; i < kTextEffectCount; ++i)
        for (int j = i + 1; j < kTextEffectCount; ++j)
            EXPECT_GT(test::differingShare(middles[i], middles[j]), 0.01)
                << textEffectName(i + 1).toStdString() << " looks like " << textEffectName(j + 1).toStdString();
}

TEST(CaptionEffects, NumbersOutsideTheRangeWrapRound)
{
    const struct {
        int given;
        int played;
    } cases[] = {{1, 1}, {36, 36}, {37, 1}, {39, 3}, {41, 5}, {47, 11}, {49, 13}, {72, 36}, {73, 1},
                 {0, 36}, {-1, 35}, {-36, 36}, {INT_MAX, 19}, {INT_MIN, 16}};
    for (const auto& c : cases) {
        EXPECT_EQ(normaliseTextEffect(c.given), c.played) << c.given;
        EXPECT_EQ(textEffectName(c.given), textEffectName(c.played)) << c.given;
    }
    const CaptionLayout layout = testLayout();
    EXPECT_EQ(renderCaptionFrame(layout, CaptionLook{}, {49, 2, 10}, 0.4),
              renderCaptionFrame(layout, CaptionLook{}, {13, 2, 10}, 0.4));
}

TEST(CaptionEffects, TheShowsCaptionSettingsLastOneToThreeSeconds)
{
    const CaptionLayout layout = testLayout();
    for (const CaptionEffect& effect : init_label_effects()) {
        const TextEffectSettings row{effect.effect, effect.settingA, effect.settingB};
        const auto length = textEffectDuration(row).count();
        EXPECT_GE(length, 1000) << row.number;
        EXPECT_LE(length, 3000) << row.number;
        EXPECT_LT(test::differingShare(renderCaptionFrame(layout, CaptionLook{}, row, 1.0),
                                       renderRestingCaption(layout, CaptionLook{})),
                  0.002)
            << row.number;
    }
    // Tempo and shape values nobody should send still give a bounded, finished run.
    for (const int a : {INT_MIN, -3, 0, 9, INT_MAX}) {
        const auto length = textEffectDuration({1, a, INT_MAX}).count();
        EXPECT_GT(length, 0);
        EXPECT_LT(length, 6000);
        EXPECT_FALSE(renderCaptionFrame(layout, CaptionLook{}, {1, a, INT_MIN}, 0.5).isNull());
    }
}

TEST(CaptionLayoutTest, HostileTextStaysOnOneBoundedLine)
{
    const QString huge(200000, QLatin1Char('W'));
    const CaptionLayout wide = testLayout(huge);
    EXPECT_LE(wide.text.size(), kMaxCaptionLength);
    EXPECT_TRUE(wide.text.contains(QChar(0x2026))) << "shortened text shows an ellipsis";
    EXPECT_LE(wide.textBounds.width(), kArea.width());

    const CaptionLayout lines = testLayout(QStringLiteral("one\ntwo\r\nthree\tfour"));
    EXPECT_FALSE(lines.text.contains(QLatin1Char('\n')));
    EXPECT_FALSE(lines.text.contains(QLatin1Char('\t')));

    // An accent stays with its letter; a character outside the basic plane is one letter.
    const CaptionLayout accents = testLayout(QStringLiteral("e\u0301\U0001F600x"));
    EXPECT_EQ(accents.glyphs.size(), 3u);

    // Cutting at the length limit never leaves half a surrogate pair behind.
    QString emoji = QString(kMaxCaptionLength - 1, QLatin1Char('a')) + QStringLiteral("\U0001F600");
    EXPECT_FALSE(cleanCaptionText(emoji).back().isHighSurrogate());

    for (const QString& text : {QString(), QStringLiteral("   ")}) {
        const CaptionLayout empty = testLayout(text);
        for (int number = 1; number <= kTextEffectCount; ++number)
            EXPECT_EQ(test::inkedShare(renderCaptionFrame(empty, CaptionLook{}, {number, 2, 10}, 0.5), 0), 0.0) << number;
    }
}

TEST(CaptionLayoutTest, UnusableAreasAndProgressGiveNoCrash)
{
    installFontSubstitutions();
    for (const QSizeF area : {QSizeF(0, 40), QSizeF(100000, 100000), QSizeF(-5, -5)})
        EXPECT_TRUE(renderCaptionFrame(layoutCaption(QStringLiteral("x"), captionTestFont(), area, 96.0), CaptionLook{},
                                       {}, 0.5).isNull());
    const CaptionLayout layout = testLayout();
    const QImage rest = renderRestingCaption(layout, CaptionLook{});
    for (const double odd : {std::nan(""), 7.5, -3.0, static_cast<double>(INFINITY)}) {
        const QImage frame = renderCaptionFrame(layout, CaptionLook{}, {18, 2, 10}, odd);
        EXPECT_FALSE(frame.isNull());
        if (odd > 1.0 || std::isnan(odd)) {
            EXPECT_LT(test::differingShare(frame, rest), 0.002) << odd;
        }
    }
}

TEST(CaptionLayoutTest, DenseScreensGetFramesInDevicePixels)
{
    const CaptionLayout dense = testLayout(QStringLiteral("Quintavue"), 2.0);
    const CaptionLayout plain = testLayout(QStringLiteral("Quintavue"));
    for (const int number : {3, 17, 31, 36}) {
        const QImage last = renderCaptionFrame(dense, CaptionLook{}, {number, 2, 10}, 1.0);
        EXPECT_EQ(last.size(), (kArea * 2).toSize());
        EXPECT_LT(test::differingShare(last, renderRestingCaption(dense, CaptionLook{})), 0.002) << number;
        // The same caption, only finer: it covers about the same share of the area.
        const double denseInk = test::inkedShare(last, 0);
        const double plainInk = test::inkedShare(renderCaptionFrame(plain, CaptionLook{}, {number, 2, 10}, 1.0), 0);
        EXPECT_NEAR(denseInk, plainInk, plainInk * 0.2) << number;
    }
}

TEST(CaptionFonts, PointSizesFollowTheScreenAndWindowsFontsResolve)
{
    installFontSubstitutions();
    EXPECT_EQ(captionFont(QFont(QStringLiteral("Arial"), 18), 96.0).pixelSize(), 24);
    EXPECT_EQ(captionFont(QFont(QStringLiteral("Arial"), 18), 192.0).pixelSize(), 48);
    QFont pixels(QStringLiteral("Arial"));
    pixels.setPixelSize(30);
    EXPECT_EQ(captionFont(pixels, 192.0).pixelSize(), 30);
    EXPECT_EQ(captionFont(QFont(QStringLiteral("Arial"), 5000), 96.0).pixelSize(), 1024);

    const struct {
        const char* asked;
        const char* resolved;
    } fonts[] = {{"Arial", "Liberation Sans"}, {"Times New Roman", "Liberation Serif"}, {"Courier New", "Liberation Mono"}};
    for (const auto& f : fonts)
        EXPECT_EQ(QFontInfo(QFont(QString::fromLatin1(f.asked), 18)).family(), QString::fromLatin1(f.resolved));
}

} // namespace
} // namespace qv
