// The program as a user meets it: started with a show file under a real X server,
// it shows each slide in turn with its caption and sound, and a key ends it; a random
// show plays pictures of every format it looks for.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSettings>
#include <QtEndian>

#include <cmath>
#include <set>

#include "support/x_program.h"  // last: Xlib macros

namespace {

QByteArray sineWave(double seconds)
{
    const int rate = 22050;
    const auto frames = static_cast<int>(seconds * rate);
    QByteArray samples;
    for (int i = 0; i < frames; ++i) {
        const auto value = static_cast<qint16>(12000 * std::sin(2 * M_PI * 440 * i / rate));
        samples.append(reinterpret_cast<const char*>(&value), 2);
    }
    QByteArray wav = "RIFF";
    const auto le32 = [](quint32 v) { QByteArray b(4, 0); qToLittleEndian(v, b.data()); return b; };
    const auto le16 = [](quint16 v) { QByteArray b(2, 0); qToLittleEndian(v, b.data()); return b; };
    wav += le32(static_cast<quint32>(36 + samples.size())) + "WAVEfmt " + le32(16) + le16(1) + le16(1) + le32(rate)
           + le32(rate * 2) + le16(2) + le16(16) + "data" + le32(static_cast<quint32>(samples.size())) + samples;
    return wav;
}

class ShowEndToEnd : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (!program_.connect())
            GTEST_SKIP() << "needs an X display";
        folder_ = qEnvironmentVariable("QV_TEST_SCRATCH") + QStringLiteral("/show/");
        QDir().mkpath(folder_);
    }

    QString writePicture(const char* name, QColor colour)
    {
        const QString path = folder_ + QLatin1String(name);
        EXPECT_TRUE(qv::test::savePlainPicture(path, colour));
        return path;
    }

    QString folder_;
    qv::test::XProgram program_;
};

// Which of the three slide colours fills the middle of the screen, if any.
char slideAt(const QImage& shot)
{
    const QRgb centre = shot.pixel(shot.width() / 2, shot.height() / 2) & 0xffffff;
    if (centre == 0xff0000)
        return 'R';
    if (centre == 0x00ff00)
        return 'G';
    if (centre == 0x0000ff)
        return 'B';
    return '-';
}

// Pixels of a caption: bright text or its dark outline over a slide colour, in the
// band above the bottom border.
int captionPixels(const QImage& shot)
{
    const QRgb slide = shot.pixel(shot.width() / 2, shot.height() / 2);
    int count = 0;
    for (int y = shot.height() * 80 / 100; y < shot.height() * 94 / 100; ++y)
        for (int x = shot.width() / 4; x < shot.width() * 3 / 4; ++x)
            count += shot.pixel(x, y) != slide ? 1 : 0;
    return count;
}

TEST_F(ShowEndToEnd, ShowsEachSlideWithCaptionAndSoundAndEndsOnAKey)
{
    const QString red = writePicture("red.bmp", Qt::red);
    const QString green = writePicture("green.bmp", Qt::green);
    const QString blue = writePicture("blue.bmp", Qt::blue);
    QFile sound(folder_ + QStringLiteral("tone.wav"));
    ASSERT_TRUE(sound.open(QIODevice::WriteOnly));
    sound.write(sineWave(1.0));
    sound.close();
    QFile show(folder_ + QStringLiteral("Three Slides.css"));
    ASSERT_TRUE(show.open(QIODevice::WriteOnly));
    show.write("\"Quintavue\",,,,,,,3\r\n");
    show.write("\"" + red.toUtf8() + "\",\"Red square\",2,0,0,\"" + sound.fileName().toUtf8() + "\",0\r\n");
    show.write("\"" + green.toUtf8() + "\",\"Green square\",2,0,0,\"\",0\r\n");
    show.write("\"" + blue.toUtf8() + "\",\"Blue square\",2,0,0,\"\",0\r\n");
    show.close();

    const QString audioOut = folder_ + QStringLiteral("audio.raw");
    QProcessEnvironment diskAudio;
    diskAudio.insert(QStringLiteral("SDL_AUDIODRIVER"), QStringLiteral("disk"));
    diskAudio.insert(QStringLiteral("SDL_DISKAUDIOFILE"), audioOut);
    ASSERT_TRUE(program_.start({show.fileName()}, {}, diskAudio));

    QString seen;
    int mostCaption = 0;
    QElapsedTimer timer;
    timer.start();
    while (timer.elapsed() < 40000 && seen.count(QLatin1Char('R')) < 2 && program_.running()) {
        const QImage shot = program_.screen();
        const char slide = slideAt(shot);
        if (slide != '-' && (seen.isEmpty() || seen.back() != QLatin1Char(slide)))
            seen += QLatin1Char(slide);
        if (slide != '-')
            mostCaption = std::max(mostCaption, captionPixels(shot));
        QThread::msleep(100);
    }
    EXPECT_TRUE(seen.startsWith(QStringLiteral("RGBR"))) << seen.toStdString();
    EXPECT_GT(mostCaption, 200) << "no caption seen";

    // Any key ends the show.
    program_.pressKeys("space");
    ASSERT_TRUE(program_.endsCleanlyWithin(15000));

    // The first slide's tone reached the mixer.
    QFile raw(audioOut);
    ASSERT_TRUE(raw.open(QIODevice::ReadOnly));
    const QByteArray bytes = raw.readAll();
    double sum = 0;
    const auto count = bytes.size() / 2;
    for (qsizetype i = 0; i < count; ++i) {
        const double sample = qFromLittleEndian<qint16>(bytes.constData() + 2 * i);
        sum += sample * sample;
    }
    EXPECT_GT(count, 0);
    EXPECT_GT(std::sqrt(sum / std::max<qsizetype>(count, 1)), 300.0);
}

// Runs an encoder program; false when it is missing or fails (setup.sh installs them all).
bool encode(const QString& program, const QStringList& arguments)
{
    QProcess tool;
    tool.start(program, arguments);
    return tool.waitForFinished(60000) && tool.exitStatus() == QProcess::NormalExit && tool.exitCode() == 0;
}

// A random show over a folder of today's formats shows every one of them.
TEST_F(ShowEndToEnd, RandomShowPlaysEachNewerPictureFormat)
{
    struct Kind {
        const char* name;
        QColor colour;
    };
    const Kind kinds[] = {{"a.png", Qt::red},     {"b.webp", Qt::green},  {"c.heic", Qt::blue},
                          {"d.avif", Qt::yellow}, {"e.jxl", Qt::magenta}, {"f.jpeg", Qt::cyan},
                          {"g.tiff", QColor(255, 128, 0)}};
    const QString pictures = folder_ + QStringLiteral("today/");
    QDir().mkpath(pictures);
    for (const Kind& kind : kinds) {
        const QString source = folder_ + QStringLiteral("source.png");
        QImage plain(320, 240, QImage::Format_RGB32);
        plain.fill(kind.colour);
        ASSERT_TRUE(plain.save(source, "PNG"));
        const QString target = pictures + QLatin1String(kind.name);
        const QString suffix = target.section(QLatin1Char('.'), -1);
        if (suffix == QLatin1String("heic"))
            ASSERT_TRUE(encode(QStringLiteral("heif-enc"), {QStringLiteral("-q"), QStringLiteral("90"), source, QStringLiteral("-o"), target}));
        else if (suffix == QLatin1String("avif"))
            ASSERT_TRUE(encode(QStringLiteral("avifenc"), {QStringLiteral("-s"), QStringLiteral("10"), source, target}));
        else
            ASSERT_TRUE(encode(QStringLiteral("gm"), {QStringLiteral("convert"), source, suffix + QLatin1Char(':') + target}));
    }
    const QString data = qEnvironmentVariable("XDG_DATA_HOME") + QStringLiteral("/Quintavue/");
    QDir().mkpath(data);
    QFile config(data + QStringLiteral("quintavu.rss"));
    ASSERT_TRUE(config.open(QIODevice::WriteOnly));
    config.write("\"Quintavue\",0,0,0,1,0,0,1,1\r\n\"" + QFile::encodeName(pictures.chopped(1)) + "\"\r\n\"/nowhere\"\r\n");
    config.close();
    QSettings store(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("Quintavue"), QStringLiteral("Quintavue"));
    store.setValue(QStringLiteral("data/RandomFlag"), 1);
    store.sync();

    ASSERT_TRUE(program_.start({QStringLiteral("/s")}));
    std::set<QString> seen;
    QElapsedTimer timer;
    timer.start();
    while (timer.elapsed() < 90000 && seen.size() < std::size(kinds) && program_.running()) {
        const QColor centre = QColor::fromRgb(program_.centre());
        for (const Kind& kind : kinds) {
            const int distance = std::abs(centre.red() - kind.colour.red()) + std::abs(centre.green() - kind.colour.green())
                               + std::abs(centre.blue() - kind.colour.blue());
            if (distance < 60)
                seen.insert(QLatin1String(kind.name));
        }
        QThread::msleep(50);
    }
    for (const Kind& kind : kinds)
        EXPECT_TRUE(seen.count(QLatin1String(kind.name)) == 1) << kind.name << " never shown";
    program_.pressKeys("space");
    EXPECT_TRUE(program_.endsCleanlyWithin(15000));
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
