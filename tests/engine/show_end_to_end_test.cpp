// The program as a user meets it: started with a show file under a real X server,
// it shows each slide in turn with its caption and sound, and a key ends it; a random
// show plays pictures of every format it looks for.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QSettings>
#include <QtEndian>

#include <algorithm>
#include <cmath>
#include <set>
#include <vector>

#include "make_sample_media/modern_encoders.h"
#include "make_sample_media/wav_writer.h"
#include "support/x_program.h"  // last: Xlib macros

namespace {

QByteArray bytes(const qv::samples::Bytes& encoded)
{
    return QByteArray(reinterpret_cast<const char*>(encoded.data()), static_cast<qsizetype>(encoded.size()));
}

class ShowEndToEnd : public qv::test::XProgramTest {
protected:
    QString writePicture(const char* name, QColor colour)
    {
        EXPECT_TRUE(qv::test::savePlainPicture(data_ + QLatin1String(name), colour));
        return data_ + QLatin1String(name);
    }
};

// The slide colour filling a grid of points above the caption band, 0 while any of
// them differs (a transition or an erase under way).
QRgb wholeSlide(const QImage& shot)
{
    const QRgb first = shot.pixel(shot.width() / 6, shot.height() / 8) & 0xffffff;
    if (first != 0xff0000 && first != 0x00ff00 && first != 0x0000ff)
        return 0;
    for (int row = 1; row <= 5; ++row)
        for (int column = 1; column <= 5; ++column)
            if ((shot.pixel(shot.width() * column / 6, shot.height() * row * 12 / 100) & 0xffffff) != first)
                return 0;
    return first;
}

// Pixels of a caption's dark outline in the middle of the bottom border, where the
// border and the slide colours have none.
int captionPixels(const QImage& shot)
{
    int count = 0;
    for (int y = shot.height() * 90 / 100; y < shot.height(); ++y)
        for (int x = shot.width() / 4; x < shot.width() * 3 / 4; ++x) {
            const QColor pixel = QColor::fromRgb(shot.pixel(x, y));
            count += std::max({pixel.red(), pixel.green(), pixel.blue()}) < 60 ? 1 : 0;
        }
    return count;
}

// With captions and the block erase (a new user's defaults) the slides come in order,
// each captioned and standing whole for its delay: neither its caption's effect nor the
// erase of the picture before it shortens its time on screen. The first slide's tone
// reaches the mixer, and a key ends the show.
TEST_F(ShowEndToEnd, EachSlideInTurnStandsWholeForItsDelayWithCaptionAndSoundAndAKeyEndsTheShow)
{
    constexpr int delaySeconds = 3;
    qv::samples::Sound tone{22050, 1, {}};
    for (int i = 0; i < 22050; ++i)
        tone.samples.push_back(static_cast<float>(0.4 * std::sin(2 * M_PI * 440 * i / 22050)));
    const QString toneFile = data_ + QStringLiteral("tone.wav");
    ASSERT_TRUE(qv::test::writeFile(toneFile, bytes(qv::samples::encodeWav(tone))));
    const QString show = data_ + QStringLiteral("Three Slides.css");
    ASSERT_TRUE(qv::test::writeFile(
        show, qv::test::customShowText(
                  {{writePicture("red.bmp", Qt::red), delaySeconds, 114, 18, "Red square", toneFile.toUtf8()},
                   {writePicture("green.bmp", Qt::green), delaySeconds, 114, 18, "Green square"},
                   {writePicture("blue.bmp", Qt::blue), delaySeconds, 114, 18, "Blue square"}})));
    QSettings store(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("Quintavue"), QStringLiteral("Quintavue"));
    store.setValue(QStringLiteral("data/c_dissolve"), 1);
    store.setValue(QStringLiteral("data/picinfoFlag"), 1);
    store.sync();
    const QString audioOut = data_ + QStringLiteral("audio.raw");
    QProcessEnvironment diskAudio;
    diskAudio.insert(QStringLiteral("SDL_AUDIODRIVER"), QStringLiteral("disk"));
    diskAudio.insert(QStringLiteral("SDL_DISKAUDIOFILE"), audioOut);
    ASSERT_TRUE(program_.start({show}, {}, diskAudio));

    // A caption stands through most of a slide's time; the first blocks of the next
    // erase darken the band only in its last moments.
    struct Run {
        QRgb colour;
        qint64 ms;  // how long it stood whole
        int looks = 0, captioned = 0;
    };
    std::vector<Run> runs;
    Run standing{0, 0};
    QElapsedTimer timer;
    timer.start();
    while (timer.elapsed() < 60000 && runs.size() < 4 && program_.running()) {
        const QImage shot = program_.screen();
        const QRgb now = wholeSlide(shot);
        if (now != standing.colour) {
            if (standing.colour != 0)
                runs.push_back({standing.colour, timer.elapsed() - standing.ms, standing.looks, standing.captioned});
            standing = {now, timer.elapsed()};
        }
        if (now != 0) {
            ++standing.looks;
            standing.captioned += captionPixels(shot) > 100 ? 1 : 0;
        }
        QThread::msleep(50);
    }
    ASSERT_EQ(runs.size(), 4u) << "the show did not go round";
    const QRgb order[] = {0xff0000, 0x00ff00, 0x0000ff, 0xff0000};
    for (std::size_t i = 0; i < runs.size(); ++i) {
        EXPECT_EQ(runs[i].colour, order[i]) << "slide " << i + 1 << " out of order";
        EXPECT_GE(runs[i].ms, delaySeconds * 1000 - 500) << "slide " << i + 1 << " stood whole only " << runs[i].ms << " ms";
        EXPECT_GE(runs[i].captioned * 3, runs[i].looks) << "slide " << i + 1 << " without its caption";
    }
    program_.pressKeys("space");
    ASSERT_TRUE(program_.endsCleanlyWithin(15000));

    const QByteArray sound = qv::test::readFile(audioOut);
    ASSERT_GT(sound.size(), 1000) << "no sound output";
    double sum = 0;
    for (qsizetype i = 0; i + 1 < sound.size(); i += 2)
        sum += std::pow(qFromLittleEndian<qint16>(sound.constData() + i), 2);
    EXPECT_GT(std::sqrt(sum / static_cast<double>(sound.size() / 2)), 300.0);
}

// A random show over a folder of today's formats shows every one of them.
TEST_F(ShowEndToEnd, RandomShowPlaysEachNewerPictureFormat)
{
    // Qt writes the formats it can; the others go through their own libraries.
    const struct {
        const char* name;
        QColor colour;
        qv::samples::Bytes (*encode)(const QImage&) = nullptr;
    } kinds[] = {{"a.png", Qt::red},
                 {"b.webp", Qt::green},
                 {"c.heic", Qt::blue, [](const QImage& plain) { return qv::samples::encodeHeic(plain, 1, 90); }},
                 {"d.avif", Qt::yellow, [](const QImage& plain) { return qv::samples::encodeAvif(plain, 90); }},
                 {"e.jxl", Qt::magenta, [](const QImage& plain) { return qv::samples::encodeJxl(plain, 1); }},
                 {"f.jpeg", Qt::cyan},
                 {"g.tiff", QColor(255, 128, 0)}};
    const QString pictures = data_ + QStringLiteral("today/");
    QDir().mkpath(pictures);
    for (const auto& kind : kinds) {
        QImage plain(320, 240, QImage::Format_RGB32);
        plain.fill(kind.colour);
        const QString path = pictures + QLatin1String(kind.name);
        ASSERT_TRUE(kind.encode ? qv::test::writeFile(path, bytes(kind.encode(plain))) : plain.save(path)) << kind.name;
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
        for (const auto& kind : kinds) {
            const int distance = std::abs(centre.red() - kind.colour.red()) + std::abs(centre.green() - kind.colour.green())
                               + std::abs(centre.blue() - kind.colour.blue());
            if (distance < 60)
                seen.insert(QLatin1String(kind.name));
        }
        QThread::msleep(50);
    }
    for (const auto& kind : kinds)
        EXPECT_TRUE(seen.count(QLatin1String(kind.name)) == 1) << kind.name << " never shown";
    program_.pressKeys("space");
    EXPECT_TRUE(program_.endsCleanlyWithin(15000));
}

} // namespace
