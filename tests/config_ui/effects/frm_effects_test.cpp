#include "components/picture/fx_image.h"
#include "config_ui/effects/effect_grid.h"
#include "config_ui/effects/frm_effects.h"
#include "config_ui/support/message_recorder.h"
#include "showdata/effect_selection_file.h"
#include "startup/startup_state.h"

#include <memory>

namespace qv::test {
namespace {

using Flags = std::function<bool(int)>;

QByteArray selectionFile(const Flags& enabled)
{
    QByteArray bytes;
    for (int k = 1; k <= 113; ++k)
        bytes += enabled(k) ? " 1 \r\n" : " 0 \r\n";
    return bytes;
}
const Flags none = [](int) { return false; };

class EffectChooser : public ConfigWindowTest {
protected:
    void writeSelection(const QByteArray& bytes) { writeData("qvtour52.eff", bytes); }
    QByteArray savedSelection() const { return readFile(dataPath("qvtour52.eff")); }
    void open()
    {
        window_ = std::make_unique<frmEffects>();
        window_->show();
        window_->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window_.get()));
    }
    QCheckBox* box(int k) const { return control<QCheckBox>(window_.get(), QStringLiteral("Checkbox_%1").arg(k)); }
    void click(const QString& name) const { clickMark(control(window_.get(), name)); }
    void clickBox(int k) const { clickMark(box(k)); }

    // Every box of effects 1 to 113 shows `checked(k)` in the colour of its state.
    void expectBoxes(const Flags& checked) const
    {
        for (int k = 1; k <= 113; ++k) {
            EXPECT_EQ(box(k)->isChecked(), checked(k)) << k;
            EXPECT_EQ(box(k)->palette().color(QPalette::Active, QPalette::WindowText), checked(k) ? Qt::black : Qt::white) << k;
        }
    }

    std::unique_ptr<frmEffects> window_;
};

TEST_F(EffectChooser, WithoutAFileEveryEffectButTheWipeIsChecked)
{
    open();
    expectBoxes([](int k) { return k != 51; });
    EXPECT_FALSE(box(51)->isEnabled());
    for (int k = 1; k <= 113; ++k)
        EXPECT_LE(box(k)->sizeHint().width(), box(k)->width()) << "caption cut off: " << k;
}

// "Ok" writes every box, 51 always as 0; "Select All" plays no preview.
TEST_F(EffectChooser, OkWritesTheBoxesAndTheSpeed)
{
    const struct {
        const char* button;
        const char* option;
        bool checked;
        int adjuster;
    } cases[] = {{"SSCommand2", "Option1", false, 3}, {"SSCommand1", "Option3", true, 1}, {"SSCommand1", "Option2", true, 2}};
    for (const auto& c : cases) {
        writeSelection(selectionFile([](int k) { return k % 2 == 0; }));
        open();
        click(c.button);
        click(c.option);
        click(QStringLiteral("SSCommand3"));
        EXPECT_FALSE(window_->isVisible());
        EXPECT_EQ(savedSelection(), selectionFile([&](int k) { return c.checked && k != 51; })) << c.button;
        EXPECT_EQ(globalSettings().randomSpeedAdjuster, c.adjuster);
        EXPECT_EQ(window_->findChild<FXImage*>(QStringLiteral("FXImage1"))->effect(), 0) << "a bulk change previewed";
    }
    EXPECT_TRUE(messages.messages.empty());
}

TEST_F(EffectChooser, CancelLeavesTheFileAndReopeningShowsIt)
{
    const Flags onlySeven = [](int k) { return k == 7; };
    writeSelection(selectionFile(onlySeven));
    globalSettings().randomSpeedAdjuster = 2;
    open();
    EXPECT_TRUE(control<QAbstractButton>(window_.get(), "Option2")->isChecked());
    clickBox(8);
    click(QStringLiteral("Option1"));
    QTest::keyClick(box(8), Qt::Key_Escape);
    EXPECT_FALSE(window_->isVisible());
    EXPECT_EQ(savedSelection(), selectionFile(onlySeven));
    EXPECT_EQ(globalSettings().randomSpeedAdjuster, 2);
    EXPECT_EQ(configUiState().speedAdjusterEdit, 3);
    open();
    expectBoxes(onlySeven);
}

TEST_F(EffectChooser, CheckingPreviewsWithTheEditedSpeed)
{
    const struct {
        const char* option;
        int effect, mgrain, speed, grain;
    } cases[] = {{"Option1", 50, 0, 0, 8},    {"Option1", 22, 0, 210, 8}, {"Option3", 22, 0, 10, 8},
                 {"Option2", 94, 0, 198, 20}, {"Option1", 94, 0, 255, 20}, {"Option1", 1, 1, 42, 1}};
    writeSelection(selectionFile(none));
    for (const auto& c : cases) {
        globalSettings().mgrainMode = static_cast<std::int16_t>(c.mgrain);
        open();
        click(c.option);
        clickBox(c.effect);
        const auto* sample = window_->findChild<FXImage*>(QStringLiteral("FXImage1"));
        EXPECT_EQ(sample->effect(), c.effect);
        EXPECT_EQ(sample->effectSpeed(), c.speed) << c.effect << " " << c.option;
        EXPECT_EQ(sample->effectGrain(), c.grain);
        EXPECT_EQ(box(c.effect)->palette().color(QPalette::WindowText), Qt::black);
    }
}

// Down to 2, right to 26, down to 27, right past the disabled 51 to 75; Return is Ok.
TEST_F(EffectChooser, KeyboardMovesTogglesAndSaves)
{
    writeSelection(selectionFile(none));
    open();
    box(1)->setFocus();
    for (const Qt::Key key : {Qt::Key_Down, Qt::Key_Space, Qt::Key_Right, Qt::Key_Space, Qt::Key_Down, Qt::Key_Right,
                              Qt::Key_Space, Qt::Key_Return})
        QTest::keyClick(QApplication::focusWidget(), key);
    EXPECT_FALSE(window_->isVisible());
    EXPECT_EQ(savedSelection(), selectionFile([](int k) { return k == 2 || k == 26 || k == 75; }));
}

TEST_F(EffectChooser, UnwritableFolderIsReportedAndTheWindowStays)
{
    const QByteArray before = selectionFile([](int k) { return k == 3; });
    writeSelection(before);
    const QString folder = dataPath(QString()).chopped(1);
    ASSERT_TRUE(QFile::setPermissions(folder, QFile::ReadOwner | QFile::ExeOwner));
    open();
    click(QStringLiteral("SSCommand2"));
    click(QStringLiteral("SSCommand3"));
    QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    EXPECT_TRUE(messages.shownOnce("Error Saving data Permission denied\n" + effectSelectionPath()));
    EXPECT_TRUE(window_->isVisible());
    EXPECT_EQ(savedSelection(), before);
}

// Neighbouring boxes never overlap, at 96, 180 and 192 dpi and beyond.
TEST(EffectGrid, BoxesNeverOverlap)
{
    for (const int twipsPerPixel : {15, 8, 7, 1}) {
        startupState().twipsPerPixelX = startupState().twipsPerPixelY = static_cast<std::int16_t>(twipsPerPixel);
        for (int k = 1; k <= effectGridCells; ++k) {
            EXPECT_TRUE(QRect(QPoint(0, 0), effectGridPixels()).contains(effectBoxPixels(k))) << k;
            for (int next : {k + 1, k + effectGridRows}) {
                const bool neighbour = next <= effectGridCells && (next - 1) % effectGridRows != 0;
                EXPECT_FALSE(neighbour && effectBoxPixels(k).intersects(effectBoxPixels(next))) << k << " " << twipsPerPixel;
            }
        }
    }
    startupState().twipsPerPixelX = startupState().twipsPerPixelY = 15;
    EXPECT_EQ(effectBoxPixels(113).topLeft(), QPoint(460, 275));
}

} // namespace
} // namespace qv::test
