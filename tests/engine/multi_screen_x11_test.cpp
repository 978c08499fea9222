// The show on an X desktop of two monitors of different sizes, as a user with a
// laptop and a second screen meets it (tests/support/with_two_monitor_x.sh gives the
// server: DUMMY0 1280x800 at 0,0 and DUMMY1 1024x768 at 1280,0): every monitor shows
// a picture fitted to its own size, a random show different pictures, a custom show
// the same slide, and a monitor unplugged or plugged in during a show is followed.
#include <gtest/gtest.h>

#include <QFile>
#include <QProcess>
#include <QSettings>
#include <QThread>

#include <algorithm>
#include <cstdlib>
#include <vector>

#include "support/x_program.h"  // last: Xlib macros

namespace {

using qv::test::within;

const QRect kLaptop(0, 0, 1280, 800);
const QRect kSecond(1280, 0, 1024, 768);

bool xrandr(const QString& arguments)
{
    QProcess tool;
    tool.setProcessChannelMode(QProcess::ForwardedChannels);
    tool.start(QStringLiteral("xrandr"), arguments.split(u' '));
    return tool.waitForFinished(10000) && tool.exitStatus() == QProcess::NormalExit && tool.exitCode() == 0;
}

// The part of a monitor that is not black: the picture with its border.
QRect lit(const QImage& desk, const QRect& monitor)
{
    QRect found;
    const QRect area = monitor.intersected(desk.rect());
    for (int y = area.top(); y <= area.bottom(); y += 2)
        for (int x = area.left(); x <= area.right(); ++x)
            if (qGray(desk.pixel(x, y)) > 12)
                found |= QRect(x, y, 1, 1);
    return found;
}

// Fitted to this monitor: whole, centred, and as large as the monitor allows one
// way. A picture fitted to another monitor's size is cut off or off-centre here.
bool fittedTo(const QImage& desk, const QRect& monitor)
{
    const QRect shown = lit(desk, monitor);
    if (shown.width() < 16 || shown.height() < 16)
        return false;
    const int left = shown.left() - monitor.left();
    const int right = monitor.right() - shown.right();
    const int top = shown.top() - monitor.top();
    const int bottom = monitor.bottom() - shown.bottom();
    return std::abs(left - right) <= 3 && std::abs(top - bottom) <= 3 && std::min(left, top) <= 3;
}

// The server's bare root, black and white pixels side by side, shows at the centre:
// no window covers the monitor.
bool bareRootAt(const QImage& desk, const QRect& monitor)
{
    int black = 0;
    int white = 0;
    const QRect middle = QRect(monitor.center() - QPoint(8, 8), QSize(16, 16)).intersected(desk.rect());
    for (int y = middle.top(); y <= middle.bottom(); ++y)
        for (int x = middle.left(); x <= middle.right(); ++x) {
            const QRgb pixel = desk.pixel(x, y) & 0xffffffU;
            black += pixel == 0 ? 1 : 0;
            white += pixel == 0xffffffU ? 1 : 0;
        }
    return middle.isEmpty() || (black > 16 && white > 16);
}

QRgb colourAt(const QImage& desk, const QRect& monitor)
{
    return desk.rect().contains(monitor.center()) ? desk.pixel(monitor.center()) & 0xffffffU : 0;
}

QString describe(const QImage& desk, const QRect& monitor)
{
    const QRect shown = lit(desk, monitor);
    return QStringLiteral("lit %1x%2+%3+%4, centre #%5")
        .arg(shown.width())
        .arg(shown.height())
        .arg(shown.x())
        .arg(shown.y())
        .arg(colourAt(desk, monitor), 6, 16, QLatin1Char('0'));
}

class MultiScreenX11 : public qv::test::XProgramTest {
protected:
    void SetUp() override
    {
        XProgramTest::SetUp();
        if (IsSkipped())
            return;
        // The two monitors as the harness set them up, whatever an earlier test changed.
        ASSERT_TRUE(xrandr(QStringLiteral("--output DUMMY2 --off --output DUMMY0 --mode 1280x800 --pos 0x0 "
                                          "--output DUMMY1 --mode 1024x768 --pos 1280x0")))
            << "not the two-monitor server of tests/support/with_two_monitor_x.sh";
    }

    // Plain 640x480 pictures (4:3, so the laptop's 16:10 shows bars at the sides).
    QString writePictures(const std::vector<QColor>& colours)
    {
        const QString folder = data_ + QStringLiteral("pictures/");
        QDir().mkpath(folder);
        for (std::size_t i = 0; i < colours.size(); ++i)
            EXPECT_TRUE(qv::test::savePlainPicture(folder + QString::number(i) + QStringLiteral(".bmp"), colours[i], 640, 480));
        return folder;
    }

    // The viewable windows that reach outside every monitor listed.
    int windowsOutside(const std::vector<QRect>& monitors) const
    {
        int outside = 0;
        for (const auto& [window, name] : program_.windows()) {
            XWindowAttributes attributes;
            if (XGetWindowAttributes(program_.display(), window, &attributes) == 0)
                continue;
            const QRect area(attributes.x, attributes.y, attributes.width, attributes.height);
            bool inside = false;
            for (const QRect& monitor : monitors)
                inside = inside || monitor.contains(area);
            outside += inside ? 0 : 1;
        }
        return outside;
    }

    // The whole desk as it is now (the root grows and shrinks with the monitors).
    QImage desk() const
    {
        XWindowAttributes root;
        if (XGetWindowAttributes(program_.display(), program_.root(), &root) == 0)
            return {};
        return program_.shot(program_.root(), 0, 0, root.width, root.height);
    }
};

TEST_F(MultiScreenX11, RandomShowGivesEachMonitorItsOwnPictureAndFollowsMonitorsThatComeAndGo)
{
    const QString folder = writePictures({Qt::red, Qt::blue, Qt::yellow, Qt::magenta, Qt::cyan, QColor(255, 128, 0)});
    ASSERT_TRUE(qv::test::makeRandomShowOf(data_, folder.chopped(1)));
    ASSERT_TRUE(program_.start({QStringLiteral("/s")}));

    // Both pictures in place once the first transitions are over.
    within(20000, [&] {
        const QImage shot = desk();
        return fittedTo(shot, kLaptop) && fittedTo(shot, kSecond) && colourAt(shot, kLaptop) != colourAt(shot, kSecond);
    });
    QImage shot = desk();
    EXPECT_TRUE(fittedTo(shot, kLaptop)) << "laptop: " << describe(shot, kLaptop).toStdString();
    EXPECT_TRUE(fittedTo(shot, kSecond)) << "second monitor: " << describe(shot, kSecond).toStdString();
    EXPECT_NE(colourAt(shot, kLaptop), colourAt(shot, kSecond)) << "the same picture on both monitors";

    // Unplugged: its window goes with it, the show goes on.
    ASSERT_TRUE(xrandr(QStringLiteral("--output DUMMY1 --off")));
    EXPECT_TRUE(within(3000, [&] { return windowsOutside({kLaptop}) == 0; })) << "a window stays where the monitor was";
    EXPECT_TRUE(program_.running());
    EXPECT_TRUE(fittedTo(desk(), kLaptop));

    // Plugged in (another output, another size): covered within a moment, then its
    // own picture fitted to its size.
    const QRect plugged(1280, 0, 800, 600);
    ASSERT_TRUE(xrandr(QStringLiteral("--addmode DUMMY2 800x600")));
    ASSERT_TRUE(xrandr(QStringLiteral("--output DUMMY2 --mode 800x600 --pos 1280x0")));
    EXPECT_TRUE(within(3000, [&] { return !bareRootAt(desk(), plugged); })) << "the plugged-in monitor stays bare";
    within(10000, [&] { return fittedTo(desk(), plugged); });  // its first transition included
    shot = desk();
    EXPECT_TRUE(fittedTo(shot, plugged)) << "plugged-in monitor: " << describe(shot, plugged).toStdString();
    EXPECT_TRUE(fittedTo(shot, kLaptop)) << "laptop: " << describe(shot, kLaptop).toStdString();

    program_.pressKeys(QStringLiteral("space"));
    EXPECT_TRUE(program_.endsCleanlyWithin(15000));
}

// The same slide on every monitor, and a mouse jump over either ends the show; with
// the option `screens` at 1 the show keeps to the main monitor and the others stay
// black.
TEST_F(MultiScreenX11, CustomShowShowsTheSameSlideOnEveryMonitorOrOnlyOnTheMainOne)
{
    const QString folder = writePictures({Qt::red, Qt::blue});
    const QString show = data_ + QStringLiteral("Two.css");
    ASSERT_TRUE(qv::test::writeFile(show, qv::test::customShowText({{folder + QStringLiteral("0.bmp"), 30},
                                                                     {folder + QStringLiteral("1.bmp"), 30}})));
    for (const bool mainOnly : {false, true}) {
        SCOPED_TRACE(mainOnly ? "main screen only" : "every screen");
        QSettings store(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("Quintavue"), QStringLiteral("Quintavue"));
        store.setValue(QStringLiteral("data/screens"), mainOnly ? 1 : 0);
        store.sync();
        ASSERT_TRUE(program_.start({show}));

        within(20000, [&] {
            const QImage shot = desk();
            return colourAt(shot, kLaptop) == 0xff0000 && (mainOnly || colourAt(shot, kSecond) == 0xff0000);
        });
        if (mainOnly)
            QThread::msleep(1500);  // time for a second monitor's slide to come, were it coming
        const QImage shot = desk();
        EXPECT_EQ(colourAt(shot, kLaptop), 0xff0000U) << "laptop: " << describe(shot, kLaptop).toStdString();
        if (mainOnly) {
            EXPECT_TRUE(lit(shot, kSecond).isEmpty()) << "second monitor: " << describe(shot, kSecond).toStdString();
            program_.pressKeys(QStringLiteral("space"));
        } else {
            EXPECT_EQ(colourAt(shot, kSecond), 0xff0000U) << "second monitor: " << describe(shot, kSecond).toStdString();
            EXPECT_TRUE(fittedTo(shot, kSecond)) << "second monitor: " << describe(shot, kSecond).toStdString();
            // A clear jump of the mouse over the second monitor ends the show too.
            for (const QPoint at : {QPoint(1400, 100), QPoint(1420, 110), QPoint(1900, 600)}) {
                XTestFakeMotionEvent(program_.display(), -1, at.x(), at.y(), CurrentTime);
                XSync(program_.display(), False);
                QThread::msleep(300);
            }
        }
        EXPECT_TRUE(program_.endsCleanlyWithin(15000)) << (mainOnly ? "a key" : "a mouse jump") << " did not end the show";
    }
}

} // namespace
