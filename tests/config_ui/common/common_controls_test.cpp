// The small shared pieces of the configuration windows: delay entries, the status
// line, accessible names and help look-ups.
#include "config_ui/common/accessible_names.h"
#include "config_ui/common/delay_entry.h"
#include "config_ui/common/help.h"
#include "config_ui/common/status_line.h"
#include "config_ui/common/window_placement.h"
#include "config_ui/support/message_recorder.h"

#include <QVBoxLayout>

namespace qv {
namespace {

TEST(DelayFromText, ReadsLeadingDigitsWithinTheLimit)
{
    const std::pair<const char*, int> cases[] = {
        {"", 0}, {"15", 15}, {"007", 7}, {"12a", 12}, {"a12", 0}, {"999", 999}, {"1234", 999},
        {"99999999999999999999", 999},
    };
    for (const auto& [text, value] : cases)
        EXPECT_EQ(delayFromText(QString::fromLatin1(text)), value) << text;
}

TEST(StatusLine, ExplainsTheControlUnderThePointerAndSpaceOverTheBackground)
{
    QWidget window;
    auto* layout = new QVBoxLayout(&window);
    auto* button = new QPushButton(QStringLiteral("&Ok"), &window);
    auto* line = new QLabel(&window);
    layout->addWidget(button);
    layout->addWidget(line);
    setStatusText(button, QStringLiteral("Click here to accept"));
    installStatusLine(&window, line);
    auto* later = new QCheckBox(QStringLiteral("Made later"), &window);  // after installing
    setStatusText(later, QStringLiteral("A late control"));

    QEvent enter(QEvent::Enter);
    QApplication::sendEvent(button, &enter);
    EXPECT_EQ(line->text(), QStringLiteral("Click here to accept"));
    QApplication::sendEvent(later, &enter);
    EXPECT_EQ(line->text(), QStringLiteral("A late control"));
    QApplication::sendEvent(&window, &enter);
    EXPECT_EQ(line->text(), QStringLiteral(" "));
}

TEST(AccessibleNames, ComeFromCaptionsLabelsAndTips)
{
    QWidget window;
    auto* button = new QPushButton(QStringLiteral("Save && E&xit"), &window);
    auto* label = new QLabel(QStringLiteral("Picture(s) &delay:"), &window);
    auto* entry = new QLineEdit(&window);
    label->setBuddy(entry);
    auto* tipped = new QPushButton(&window);
    tipped->setToolTip(QStringLiteral("Print a data sheet"));
    auto* named = new QPushButton(QStringLiteral("Kept"), &window);
    named->setAccessibleName(QStringLiteral("Own name"));

    nameControlsForAccessibility(&window);
    EXPECT_EQ(button->accessibleName(), QStringLiteral("Save & Exit"));
    EXPECT_EQ(entry->accessibleName(), QStringLiteral("Picture(s) delay:"));
    EXPECT_EQ(tipped->accessibleName(), QStringLiteral("Print a data sheet"));
    EXPECT_EQ(named->accessibleName(), QStringLiteral("Own name"));
}

// The help window stands beside the window it explains, on the side with room.
TEST(HelpPlacement, BesideTheExplainedWindowOnTheSideWithRoom)
{
    const QRect screen(0, 0, 1920, 1080);
    const struct {
        QRect explained;
        QRect expected;
    } cases[] = {
        {{100, 200, 600, 400}, {700, 200, 760, 620}},  // room on the right
        {{1200, 100, 600, 400}, {440, 100, 760, 620}},  // room on the left only
        {{500, 700, 900, 380}, {1400, 460, 520, 620}},  // narrowed to the room, kept on screen
        {{300, 0, 1400, 500}, {0, 0, 420, 620}},        // no side wide enough: narrow, at the edge
    };
    for (const auto& c : cases)
        EXPECT_EQ(besideRect(c.explained, QSize(760, 620), screen), c.expected) << c.explained.x();
}

TEST(Help, AUsersOwnManualInTheDataFolderComesFirst)
{
    QTemporaryDir data;
    globalSettings().slideshowPath = data.path() + QLatin1Char('/');
    EXPECT_TRUE(manualPath().endsWith(QStringLiteral("manual/qvmanual.html")));
    ASSERT_TRUE(test::writeFile(data.filePath(QStringLiteral("qvmanual.hlp"))));
    EXPECT_EQ(manualPath(), data.filePath(QStringLiteral("qvmanual.hlp")));
}

} // namespace
} // namespace qv
