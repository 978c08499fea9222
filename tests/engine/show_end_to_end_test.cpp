// The program as a user meets it: started with a show file under a real X server,
// it shows each slide in turn with its caption and sound, and a key ends it; a random
// show plays pictures of every format it looks for.
#include <gtest/gtest.h>

#include <QDataStream>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSettings>
#include <QtEndian>

#include <cmath>
#include <set>
#include <utility>
#include <vector>

#include "support/x_program.h"  // last: Xlib macros

namespace {

// A mono 16-bit WAV file of a loud 440 Hz tone.
QByteArray sineWave(double seconds)
{
    const quint32 rate = 22050;
    const auto frames = static_cast<quint32>(seconds * rate);
    QByteArray wav;
    QDataStream out(&wav, QIODevice::WriteOnly);
    out.setByteOrder(QDataStream::LittleEndian);
    out.writeRawData("RIFFxxxxWAVEfmt ", 16);
    out << quint32(16) << quint16(1) << quint16(1) << rate << rate * 2 << quint16(2) << quint16(16);
    out.writeRawData("data", 4);
    out << frames * 2;
    for (quint32 i = 0; i < frames; ++i)
        out << static_cast<qint16>(12000 * std::sin(2 * M_PI * 440 * i / rate));
    qToLittleEndian<quint32>(static_cast<quint32>(wav.size() - 8), wav.data() + 4);
    return wav;
}

class ShowEndToEnd : public qv::test::XProgramTest {
protected:
    QString writePicture(const char* name, QColor colour)
    {
        EXPECT_TRUE(qv::test::savePlainPicture(data_ + QLatin1String(name), colour));
        return data_ + QLatin1String(name);
    }
};

// Which of the three slide colours fills the middle of the screen, if any.
char slideAt(const QImage& shot)
{
    const QRgb centre = shot.pixel(shot.width() / 2, shot.height() / 2) & 0xffffff;
    return centre == 0xff0000 ? 'R' : centre == 0x00ff00 ? 'G' : centre == 0x0000ff ? 'B' : '-';
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
    const QString tone = data_ + QStringLiteral("tone.wav");
    ASSERT_TRUE(qv::test::writeFile(tone, sineWave(1.0)));
    const QString show = data_ + QStringLiteral("Three Slides.css");
    ASSERT_TRUE(qv::test::writeFile(
        show, qv::test::customShowText({{writePicture("red.bmp", Qt::red), 2, 0, 0, "Red square", tone.toUtf8()},
                                        {writePicture("green.bmp", Qt::green), 2, 0, 0, "Green square"},
                                        {writePicture("blue.bmp", Qt::blue), 2, 0, 0, "Blue square"}})));

    const QString audioOut = data_ + QStringLiteral("audio.raw");
    QProcessEnvironment diskAudio;
    diskAudio.insert(QStringLiteral("SDL_AUDIODRIVER"), QStringLiteral("disk"));
    diskAudio.insert(QStringLiteral("SDL_DISKAUDIOFILE"), audioOut);
    ASSERT_TRUE(program_.start({show}, {}, diskAudio));

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
    const QByteArray bytes = qv::test::readFile(audioOut);
    ASSERT_GT(bytes.size(), 1000) << "no sound output";
    double sum = 0;
    for (qsizetype i = 0; i + 1 < bytes.size(); i += 2)
        sum += std::pow(qFromLittleEndian<qint16>(bytes.constData() + i), 2);
    EXPECT_GT(std::sqrt(sum / static_cast<double>(bytes.size() / 2)), 300.0);
}

// With captions and the block erase (a new user's defaults), every slide stands whole
// for its delay: neither its caption's effect nor the erase of the picture before it
// shortens its time on screen.
TEST_F(ShowEndToEnd, EachSlideStandsWholeForItsDelayWithCaptionsAndTheBlockErase)
{
    constexpr int delaySeconds = 3;
    const QString show = data_ + QStringLiteral("Timed.css");
    ASSERT_TRUE(qv::test::writeFile(
        show, qv::test::customShowText({{writePicture("red.bmp", Qt::red), delaySeconds, 114, 18, "Red square"},
                                        {writePicture("green.bmp", Qt::green), delaySeconds, 114, 18, "Green square"},
                                        {writePicture("blue.bmp", Qt::blue), delaySeconds, 114, 18, "Blue square"}})));
    QSettings store(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("Quintavue"), QStringLiteral("Quintavue"));
    store.setValue(QStringLiteral("data/c_dissolve"), 1);
    store.setValue(QStringLiteral("data/picinfoFlag"), 1);
    store.sync();
    ASSERT_TRUE(program_.start({show}));

    // A slide stands whole while a grid of points above the caption band all show its
    // colour; the erase of the blinds breaks that at once.
    const auto wholeSlide = [](const QImage& shot) {
        const QRgb first = shot.pixel(shot.width() / 6, shot.height() / 8) & 0xffffff;
        if (first != 0xff0000 && first != 0x00ff00 && first != 0x0000ff)
            return QRgb(0);
        for (int row = 1; row <= 5; ++row)
            for (int column = 1; column <= 5; ++column)
                if ((shot.pixel(shot.width() * column / 6, shot.height() * row * 12 / 100) & 0xffffff) != first)
                    return QRgb(0);
        return first;
    };
    std::vector<std::pair<QRgb, qint64>> runs;  // each slide's colour and how long it stood whole
    QRgb standing = 0;
    qint64 since = 0;
    QElapsedTimer timer;
    timer.start();
    while (timer.elapsed() < 60000 && runs.size() < 4 && program_.running()) {
        const QRgb now = wholeSlide(program_.screen());
        const qint64 at = timer.elapsed();
        if (now != standing) {
            if (standing != 0)
                runs.emplace_back(standing, at - since);
            standing = now;
            since = at;
        }
        QThread::msleep(50);
    }
    ASSERT_EQ(runs.size(), 4u) << "the show did not go round";
    for (std::size_t i = 0; i < runs.size(); ++i)
        EXPECT_GE(runs[i].second, delaySeconds * 1000 - 500)
            << "slide " << i + 1 << " (colour " << std::hex << runs[i].first << ") stood whole only " << std::dec
            << runs[i].second << " ms";
    program_.pressKeys("space");
    EXPECT_TRUE(program_.endsCleanlyWithin(15000));
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
    const QString pictures = data_ + QStringLiteral("today/");
    QDir().mkpath(pictures);
    for (const Kind& kind : kinds) {
        const QString source = data_ + QStringLiteral("source.png");
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
    ASSERT_TRUE(qv::test::writeFile(data_ + QStringLiteral("quintavu.rss"),
                                    "\"Quintavue\",0,0,0,1,0,0,1,1\r\n\"" + QFile::encodeName(pictures.chopped(1))
                                        + "\"\r\n\"/nowhere\"\r\n"));
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
