// The slide dialogs driven through their controls, offscreen.
#include "components/picture/fx_image.h"
#include "components/sound/fx_snd.h"
#include "config_ui/slide_dialogs/cpic.h"
#include "config_ui/slide_dialogs/delays.h"
#include "config_ui/slide_dialogs/desc.h"
#include "config_ui/slide_dialogs/desc_2.h"
#include "config_ui/slide_dialogs/effects.h"
#include "config_ui/slide_dialogs/preview_box.h"
#include "config_ui/slide_dialogs/wav.h"
#include "config_ui/support/message_recorder.h"
#include "showdata/effect_catalogue.h"
#include "startup/startup_state.h"

namespace qv {
namespace {

class SlideDialogTest : public test::ConfigWindowTest {
protected:
    void SetUp() override
    {
        test::ConfigWindowTest::SetUp();
        ASSERT_TRUE(test::savePlainPicture(dataPath(QStringLiteral("wide.bmp")), Qt::darkCyan, 200, 100));
    }

    // Slides 1 to `count`, each with the test picture, delay 10 and effect 1 at speed 2.
    void makeShow(int count)
    {
        CustomShow& show = customShow();
        show.resizeSlides(count);
        for (int i = 1; i <= count; ++i)
            show.setSlide(i, {dataPath(QStringLiteral("wide.bmp")), QStringLiteral("slide %1").arg(i), 10, 1, 2, {}, 1});
        configUiState().currentSlide = 2;
    }

    static void open(QDialog& dialog) { test::showActive(&dialog); }
    static void click(QDialog& dialog, const char* button)
    {
        QTest::mouseClick(test::control<QPushButton>(&dialog, button), Qt::LeftButton);
    }
};

// What is typed in a delay entry: the keyboard test, for every delay entry.
TEST_F(SlideDialogTest, SpinBarStepsTheDelayBothWaysAndOkCanSetEverySlide)
{
    makeShow(3);
    delays dialog;
    open(dialog);
    auto* entry = test::control<QLineEdit>(&dialog, "Text1");
    EXPECT_EQ(entry->text(), QStringLiteral("10"));
    auto* spin = test::control<QScrollBar>(&dialog, "VScroll1");
    for (const auto& [before, after] : {std::pair{"15", "14"}, std::pair{"0", "0"}}) {
        entry->setText(QLatin1String(before));
        spin->triggerAction(QAbstractSlider::SliderSingleStepAdd);
        EXPECT_EQ(entry->text(), QLatin1String(after)) << before;
        EXPECT_EQ(spin->value(), 50) << "the spin bar must come back to rest";
    }
    entry->setText(QStringLiteral("10"));
    const QPoint upperArrow(spin->width() / 2, 3);
    QTest::mouseClick(spin, Qt::LeftButton, {}, upperArrow);
    QTest::mouseClick(spin, Qt::LeftButton, {}, upperArrow);
    EXPECT_EQ(entry->text(), QStringLiteral("12"));

    test::control<QCheckBox>(&dialog, "Check1")->setChecked(true);
    click(dialog, "SSCommand1_0");
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(customShow().delay, (std::vector<std::int16_t>{0, 12, 12, 12}));
}

// The preview shows the speed of its draw; Ok with nothing changed keeps the slide's own
// speed, a speed the user sets is stored.
TEST_F(SlideDialogTest, RandomEffectPreviewsADrawnEffectAndIsKeptOnOk)
{
    makeShow(2);
    customShow().effect[2] = randomEffect;
    customShow().effectSpeed[2] = 77;
    effects dialog;
    open(dialog);
    EXPECT_EQ(test::control<QListWidget>(&dialog, "List1")->currentRow(), 0);
    const int drawn = test::control<FXImage>(&dialog, "FXImage1")->effect();
    EXPECT_TRUE(drawn >= 1 && drawn <= 113 && drawn != wipeAwayEffect) << drawn;
    const int speed = effectCatalogue().effectBaseSpeed[0][std::size_t(drawn)];
    EXPECT_EQ(test::control<QScrollBar>(&dialog, "HScroll1")->value(), speed);

    click(dialog, "SSCommand1_2");
    EXPECT_EQ(customShow().effect, (std::vector<std::int16_t>{0, 1, randomEffect}));
    EXPECT_EQ(customShow().effectSpeed[2], 77);

    effects changed;
    open(changed);
    auto* bar = test::control<QScrollBar>(&changed, "HScroll1");
    bar->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    const int chosen = bar->value();
    click(changed, "SSCommand1_2");
    EXPECT_EQ(customShow().effectSpeed[2], chosen);
}

TEST_F(SlideDialogTest, NoneProposesItsBaseSpeedAndPreviewKeepsAChosenSpeed)
{
    makeShow(2);
    globalSettings().mgrainMode = 1;  // super fine: "None" has base speed 1 there
    effects dialog;
    open(dialog);
    auto* list = test::control<QListWidget>(&dialog, "List1");
    auto* bar = test::control<QScrollBar>(&dialog, "HScroll1");
    EXPECT_EQ(list->currentRow(), 2);
    EXPECT_EQ(bar->value(), 2);

    click(dialog, "SSCommand1_0");  // the slide's own speed stays
    EXPECT_EQ(bar->value(), 2);

    list->setCurrentRow(1);
    QTest::qWait(50);
    EXPECT_EQ(bar->value(), 1);
    bar->setValue(9);
    click(dialog, "SSCommand1_0");
    EXPECT_EQ(bar->value(), 9);

    list->setCurrentRow(0);  // "Random Effect" previews a drawn effect ...
    QTest::qWait(50);
    list->setCurrentRow(1);  // ... which must not stay when "None" is picked again
    QTest::qWait(50);
    EXPECT_EQ(dialog.findChild<FXImage*>()->effect(), 0);

    test::control<QCheckBox>(&dialog, "Check1")->setChecked(true);
    click(dialog, "SSCommand1_2");
    const auto speed = std::int16_t(bar->value());
    EXPECT_EQ(customShow().effect, (std::vector<std::int16_t>{0, 0, 0}));
    EXPECT_EQ(customShow().effectSpeed, (std::vector<std::int16_t>{0, speed, speed}));
}

TEST_F(SlideDialogTest, EscapeCutsAPreviewShortAndOtherwiseCancels)
{
    makeShow(2);
    customShow().effectSpeed[2] = 200;  // a long wipe
    effects dialog;
    bool previewWasRunning = false;
    QTimer::singleShot(300, &dialog, [&] {
        previewWasRunning = dialog.previewRunning();
        QTest::keyClick(&dialog, Qt::Key_Escape);
    });
    open(dialog);
    QTest::qWait(400);
    EXPECT_TRUE(previewWasRunning);
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_FALSE(dialog.previewRunning());

    test::control<QListWidget>(&dialog, "List1")->setCurrentRow(5);
    QTest::qWait(50);
    QTest::keyClick(&dialog, Qt::Key_Escape);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(customShow().effect[2], 1);
    EXPECT_EQ(customShow().effectSpeed[2], 200);
}

TEST_F(SlideDialogTest, DescriptionWalkThroughThreeAddedSlides)
{
    makeShow(5);
    configUiState().newSlideFirst = 3;
    configUiState().newSlideLast = 5;
    desc dialog;
    open(dialog);
    auto* position = test::control<QLabel>(&dialog, "Label3");
    auto* entry = test::control<QLineEdit>(&dialog, "Text1");
    auto* next = test::control<QPushButton>(&dialog, "SSCommand1_1");
    EXPECT_EQ(position->text(), QStringLiteral("Editing 1 / 3"));
    EXPECT_TRUE(entry->text().isEmpty());

    QTest::keyClicks(entry, QStringLiteral("first"));
    QTest::keyClick(entry, Qt::Key_Return);
    EXPECT_EQ(position->text(), QStringLiteral("Editing 2 / 3"));
    EXPECT_TRUE(entry->text().isEmpty());
    QTest::keyClicks(entry, QStringLiteral("second"));
    QTest::mouseClick(next, Qt::LeftButton);
    EXPECT_EQ(position->text(), QStringLiteral("Editing 3 / 3"));
    EXPECT_EQ(next->text(), QStringLiteral("&Ok"));

    QTest::keyClicks(entry, QStringLiteral("all \"of\" them"));
    click(dialog, "SSCommand1_3");
    EXPECT_FALSE(dialog.isVisible());
    for (int i = 1; i <= 5; ++i)
        EXPECT_EQ(customShow().description[std::size_t(i)], QStringLiteral("all of them")) << i;
}

TEST_F(SlideDialogTest, EnterStoresTheDescriptionWithoutDoubleQuotes)
{
    makeShow(3);
    configUiState().editDescAutoPreview = 1;
    desc_2 dialog;
    open(dialog);
    auto* entry = test::control<QLineEdit>(&dialog, "Text1");
    EXPECT_EQ(entry->text(), QStringLiteral("slide 2"));
    EXPECT_FALSE(test::control<QPushButton>(&dialog, "SSCommand1_0")->isEnabled());
    EXPECT_TRUE(dialog.findChild<FXImage*>()->isVisible());

    entry->selectAll();
    QTest::keyClicks(entry, QStringLiteral("\"Sunset\""));
    entry->insert(QStringLiteral(" at \"sea\""));  // pasted
    EXPECT_EQ(entry->text(), QStringLiteral("Sunset at sea"));
    QTest::keyClick(entry, Qt::Key_Enter);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(customShow().description[2], QStringLiteral("Sunset at sea"));
    EXPECT_EQ(customShow().description[3], QStringLiteral("slide 3"));
}

TEST_F(SlideDialogTest, SoundOffClearSoundAndAClickedSoundThatPlaysAndIsKept)
{
    makeShow(3);
    for (const char* name : {"bell.wav", "tune.mid", "\"quoted\".wav"})
        writeData(QLatin1String(name));
    startupState().soundBrowseDir = dataPath(QString());
    {
        wav dialog;
        open(dialog);
        EXPECT_TRUE(test::control<QCheckBox>(&dialog, "Check2")->isChecked());
        click(dialog, "SSCommand1_0");
        EXPECT_FALSE(dialog.isVisible());
    }
    EXPECT_EQ(customShow().audio, (std::vector<QString>{{}, {}, QStringLiteral("Sound Off"), {}}));
    EXPECT_EQ(customShow().audioLoop, (std::vector<std::int16_t>{0, 1, 0, 1}));
    {
        wav dialog;
        open(dialog);
        test::control<QCheckBox>(&dialog, "Check1")->setChecked(true);
        click(dialog, "SSCommand1_1");
    }
    EXPECT_EQ(customShow().audio, (std::vector<QString>(4)));
    EXPECT_EQ(customShow().audioLoop, (std::vector<std::int16_t>{0, 0, 0, 0}));
    {
        wav dialog;  // Ok without a chosen file stores nothing
        open(dialog);
        customShow().audio[2] = QStringLiteral("/kept.wav");
        click(dialog, "SSCommand1_3");
    }
    EXPECT_EQ(customShow().audio[2], QStringLiteral("/kept.wav"));
    EXPECT_EQ(QDir(startupState().soundBrowseDir), QDir(dataPath(QString())));
    {
        wav dialog;  // a name a show file cannot hold is refused, naming it; the dialog stays
        open(dialog);
        test::clickRow(&dialog, QStringLiteral("File1"), QStringLiteral("\"quoted\".wav"));
        messages.messages.clear();
        click(dialog, "SSCommand1_3");
        EXPECT_TRUE(messages.shownOnce(dataPath(QStringLiteral("\"quoted\".wav\n"))));
        EXPECT_TRUE(dialog.isVisible());
    }
    EXPECT_EQ(customShow().audio[2], QStringLiteral("/kept.wav"));

    wav dialog;  // a clicked sound plays as the slide would play it, and Ok gives it to the slide
    open(dialog);
    test::control<QCheckBox>(&dialog, "Check2")->setChecked(true);
    test::clickRow(&dialog, QStringLiteral("File1"), QStringLiteral("tune.mid"));
    ASSERT_NE(dialog.player(), nullptr);
    EXPECT_EQ(dialog.player()->fileName(), dataPath(QStringLiteral("tune.mid")));
    EXPECT_EQ(dialog.player()->deviceType(), FXSnd::deviceMidi);
    EXPECT_TRUE(dialog.player()->loop());
    click(dialog, "SSCommand1_3");
    EXPECT_TRUE(dialog.player()->fileName().isEmpty());
    EXPECT_EQ(customShow().audio, (std::vector<QString>{{}, {}, dataPath(QStringLiteral("tune.mid")), {}}));
    EXPECT_EQ(customShow().audioLoop[2], 1);
}

TEST_F(SlideDialogTest, PictureViewerFitsThePictureOrSaysWhyNot)
{
    customShow().picture[0] = dataPath(QStringLiteral("wide.bmp"));  // as the random setup hands it over
    {
        cpic dialog;
        open(dialog);
        const auto* box = dialog.findChild<PreviewBox*>();
        const FXImage* image = box->image();
        EXPECT_TRUE(image->isVisible());
        EXPECT_EQ(image->width(), box->box().width());
        EXPECT_NEAR(image->height(), box->box().width() / 2, 1);
        EXPECT_NEAR(image->geometry().center().y(), box->box().center().y(), 1);
        EXPECT_TRUE(messages.messages.empty());
    }
    customShow().picture[0] = dataPath(QStringLiteral("missing.jpg"));
    cpic dialog;
    open(dialog);
    EXPECT_TRUE(messages.shownOnce("Picture file not found.\n" + dataPath(QStringLiteral("missing.jpg"))));
    EXPECT_FALSE(dialog.findChild<FXImage*>()->isVisible());
}

} // namespace
} // namespace qv
