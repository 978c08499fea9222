// The show on a Wayland desktop of two outputs, run natively (the sway without a
// screen of tests/support/with_headless_sway.sh, whose uncovered outputs are solid
// green): every output covered, a key ends the show, a second show and the X11-only
// switches are refused, outputs plugged in and out are followed, and only a
// presentation holds the desktop awake.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QSettings>
#include <QThread>

#include <algorithm>
#include <functional>
#include <map>
#include <vector>

#include "support/test_files.h"

namespace {

using qv::test::within;

// A tool of the desktop, run to its end; its output, or nothing if it failed.
QByteArray run(const QString& tool, const QStringList& arguments)
{
    QProcess process;
    process.start(tool, arguments);
    if (!process.waitForFinished(10000) || process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0)
        return {};
    return process.readAllStandardOutput();
}

// Whether sway carried the command out.
bool sway(const QStringList& arguments) { return !run(QStringLiteral("swaymsg"), arguments).isNull(); }

// What sway answers, as JSON.
QJsonDocument swaymsg(const QStringList& arguments)
{
    return QJsonDocument::fromJson(run(QStringLiteral("swaymsg"), QStringList{QStringLiteral("-r")} + arguments));
}

QRect rectOf(const QJsonObject& node)
{
    const QJsonObject rect = node.value(QStringLiteral("rect")).toObject();
    return {rect.value(QStringLiteral("x")).toInt(), rect.value(QStringLiteral("y")).toInt(),
            rect.value(QStringLiteral("width")).toInt(), rect.value(QStringLiteral("height")).toInt()};
}

// The active outputs by name.
std::map<QString, QRect> outputs()
{
    std::map<QString, QRect> found;
    for (const QJsonValue output : swaymsg({QStringLiteral("-t"), QStringLiteral("get_outputs")}).array())
        if (output.toObject().value(QStringLiteral("active")).toBool())
            found[output.toObject().value(QStringLiteral("name")).toString()] = rectOf(output.toObject());
    return found;
}

struct View {
    QString output;
    bool inhibitsIdle = false;
};

void collectViews(const QJsonObject& node, const QString& output, qint64 pid, std::vector<View>& views)
{
    const QString here = node.value(QStringLiteral("type")).toString() == QLatin1String("output")
                             ? node.value(QStringLiteral("name")).toString()
                             : output;
    if (node.value(QStringLiteral("pid")).toInteger(-1) == pid)
        views.push_back({here, node.value(QStringLiteral("inhibit_idle")).toBool()});
    for (const char* children : {"nodes", "floating_nodes"})
        for (const QJsonValue child : node.value(QLatin1String(children)).toArray())
            collectViews(child.toObject(), here, pid, views);
}

// The windows of one process, with the output each stands on.
std::vector<View> viewsOf(qint64 pid)
{
    std::vector<View> views;
    collectViews(swaymsg({QStringLiteral("-t"), QStringLiteral("get_tree")}).object(), {}, pid, views);
    return views;
}

// The share of an output still showing the desktop's green, in thousandths.
int greenPerMille(const QImage& desk, const QRect& output)
{
    const QRect area = output.intersected(desk.rect());
    if (area.isEmpty())
        return 1000;
    int green = 0;
    int all = 0;
    for (int y = area.top(); y <= area.bottom(); y += 4)
        for (int x = area.left(); x <= area.right(); x += 4, ++all)
            green += (desk.pixel(x, y) & 0xffffffU) == 0x00ff00U ? 1 : 0;
    return green * 1000 / all;
}

class MultiScreenWayland : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (qEnvironmentVariableIsEmpty("QV_SWAY_HOST") || qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
            GTEST_SKIP() << "needs the headless sway of tests/support/with_headless_sway.sh";
        QDir().mkpath(data_);
        // Qt reads only a keyboard present when it starts: one stays, as a real one does.
        keyboard_.start(QStringLiteral("wtype"), {QStringLiteral("-s"), QStringLiteral("600000"), QStringLiteral("-k"),
                                                  QStringLiteral("F13")});
        ASSERT_TRUE(keyboard_.waitForStarted());
        QThread::msleep(300);
    }
    void TearDown() override
    {
        for (QProcess* process : {&show_, &keyboard_})
            if (process->state() != QProcess::NotRunning) {
                process->kill();
                process->waitForFinished();
            }
    }

    static QProcessEnvironment nativeWayland()
    {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("wayland"));
        environment.remove(QStringLiteral("DISPLAY"));
        return environment;
    }
    void start(QProcess& program, const QStringList& arguments)
    {
        program.setProcessEnvironment(nativeWayland());
        program.start(qEnvironmentVariable("QV_PROGRAM"), arguments);
        ASSERT_TRUE(program.waitForStarted());
    }
    bool showRunning() const { return show_.state() == QProcess::Running; }
    qint64 showPid() const { return show_.processId(); }

    QImage desk() const
    {
        const QString file = data_ + QStringLiteral("desk.png");
        QFile::remove(file);
        run(QStringLiteral("grim"), {file});
        return QImage(file);
    }
    // The outputs some green still shows through, with how much.
    QString uncovered() const
    {
        const QImage shot = desk();
        QString found;
        for (const auto& [name, rect] : outputs())
            if (const int share = greenPerMille(shot, rect); share > 2)
                found += QStringLiteral("%1 (%2 per mille green) ").arg(name).arg(share);
        return found;
    }
    void pressKey(const char* key) { run(QStringLiteral("wtype"), {QStringLiteral("-k"), QLatin1String(key)}); }

    void writeRandomShow()
    {
        const QString folder = data_ + QStringLiteral("pictures/");
        QDir().mkpath(folder);
        int i = 0;
        for (const QColor colour : {QColor(Qt::red), QColor(Qt::blue), QColor(Qt::yellow), QColor(Qt::magenta)})
            ASSERT_TRUE(qv::test::savePlainPicture(folder + QString::number(i++) + QStringLiteral(".bmp"), colour, 640, 480));
        ASSERT_TRUE(qv::test::makeRandomShowOf(data_, folder.chopped(1)));
    }

    const QString data_ = qEnvironmentVariable("XDG_DATA_HOME") + QStringLiteral("/Quintavue/");
    QProcess keyboard_;
    QProcess show_;
};

TEST_F(MultiScreenWayland, ShowCoversEveryOutputRefusesWhatItCannotDoAndEndsOnAKey)
{
    // Two outputs of different sizes.
    ASSERT_EQ(outputs().size(), 2U);
    ASSERT_TRUE(sway(QStringLiteral("output WL-2 mode 1024x768").split(u' ')));
    writeRandomShow();
    start(show_, {QStringLiteral("/s")});

    within(20000, [&] { return !showRunning() || uncovered().isEmpty(); });
    ASSERT_TRUE(showRunning());
    const std::size_t windows = viewsOf(showPid()).size();
    EXPECT_GE(windows, 1U);
    EXPECT_TRUE(uncovered().isEmpty()) << "uncovered: " << uncovered().toStdString();
    // A show started as the idle screen saver lets the desktop go idle as usual.
    for (const View& view : viewsOf(showPid()))
        EXPECT_FALSE(view.inhibitsIdle) << view.output.toStdString();

    // A second show is refused silently; what names an X11 window refuses with one
    // line. None of them opens a window.
    QProcess second;
    start(second, {QStringLiteral("/s")});
    EXPECT_TRUE(second.waitForFinished(10000) && second.exitCode() == 0) << "a second show runs";
    for (const QStringList& x11Only : {QStringList{QStringLiteral("/p"), QStringLiteral("123")},
                                       QStringList{QStringLiteral("--window-id"), QStringLiteral("123")},
                                       QStringList{QStringLiteral("--root")}}) {
        QProcess refused;
        start(refused, x11Only);
        EXPECT_TRUE(refused.waitForFinished(10000) && refused.exitCode() != 0) << x11Only.join(' ').toStdString();
        const QString said = QString::fromUtf8(refused.readAllStandardError()).trimmed();
        EXPECT_TRUE(said.contains(QStringLiteral("Wayland")) && !said.contains(QLatin1Char('\n'))) << said.toStdString();
    }
    EXPECT_EQ(viewsOf(showPid()).size(), windows);

    // An output plugged in is covered within a moment; one unplugged takes its window.
    ASSERT_TRUE(sway({QStringLiteral("create_output")}));
    EXPECT_TRUE(within(4000, [&] { return uncovered().isEmpty(); })) << "uncovered: " << uncovered().toStdString();
    ASSERT_TRUE(sway({QStringLiteral("-s"), qEnvironmentVariable("QV_SWAY_HOST"), QStringLiteral("[title=\"wlroots - WL-2\"] kill")}));
    EXPECT_TRUE(within(4000, [&] { return outputs().size() == 2 && viewsOf(showPid()).size() == 2; }))
        << viewsOf(showPid()).size() << " windows on " << outputs().size() << " outputs";
    EXPECT_TRUE(showRunning());
    EXPECT_TRUE(uncovered().isEmpty()) << "uncovered: " << uncovered().toStdString();

    pressKey("space");
    EXPECT_TRUE(show_.waitForFinished(15000) && show_.exitCode() == 0) << "the key did not end the show";
}

// With no ScreenSaver service on the session, the compositor's idle-inhibit protocol
// holds the desktop awake while a presentation runs.
TEST_F(MultiScreenWayland, PresentationHoldsTheDesktopAwakeThroughItsWindows)
{
    const QString picture = data_ + QStringLiteral("slide.bmp");
    ASSERT_TRUE(qv::test::savePlainPicture(picture, Qt::red, 640, 480));
    const QString show = data_ + QStringLiteral("Talk.css");
    ASSERT_TRUE(qv::test::writeFile(show, qv::test::customShowText({{picture, 30}})));
    start(show_, {show});

    // sway counts a window's request only while the window is in sight.
    EXPECT_TRUE(within(15000, [&] {
        const std::vector<View> views = viewsOf(showPid());
        return std::any_of(views.begin(), views.end(), [](const View& view) { return view.inhibitsIdle; });
    })) << "the presentation's windows do not hold the desktop awake";

    pressKey("space");
    EXPECT_TRUE(show_.waitForFinished(15000) && show_.exitCode() == 0) << "the key did not end the show";
}

} // namespace
