#pragma once

// Files the tests make and read back: fixtures written in one line, plain pictures that
// need no X server, and the text of a custom show file.
#include <QByteArray>
#include <QColor>
#include <QElapsedTimer>
#include <QFile>
#include <QImage>
#include <QSettings>
#include <QString>
#include <QThread>

#include <csignal>
#include <functional>
#include <vector>

#include <sys/resource.h>

namespace qv::test {

// Polls `done` until it holds (true) or `milliseconds` have passed (false).
inline bool within(int milliseconds, const std::function<bool()>& done)
{
    QElapsedTimer timer;
    timer.start();
    while (!done()) {
        if (timer.elapsed() > milliseconds)
            return false;
        QThread::msleep(20);
    }
    return true;
}

// While it lives, no file of the process may grow beyond `bytes`: a write past that
// fails as on a full disk (the signal such a write raises is ignored meanwhile).
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) : oldHandler_(std::signal(SIGXFSZ, SIG_IGN))
    {
        ::getrlimit(RLIMIT_FSIZE, &original_);
        rlimit small = original_;
        small.rlim_cur = bytes;
        ::setrlimit(RLIMIT_FSIZE, &small);
    }
    ~FileSizeLimit()
    {
        ::setrlimit(RLIMIT_FSIZE, &original_);
        std::signal(SIGXFSZ, oldHandler_);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
    rlimit original_{};
    void (*oldHandler_)(int);
};

// Replaces `path` with `bytes`; false if it cannot be written whole.
inline bool writeFile(const QString& path, const QByteArray& bytes = {})
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

inline QByteArray readFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

// A picture of one colour, written as BMP.
inline bool savePlainPicture(const QString& path, QColor colour, int width = 320, int height = 240)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(colour);
    return image.save(path, "BMP");
}

struct ShowSlide {
    QString picture;
    int delay = 0;
    int effect = 0;
    int speed = 0;
    QByteArray description = {};
    QByteArray audio = {};
};

// A custom show file: its header line, then one line a slide.
inline QByteArray customShowText(const std::vector<ShowSlide>& slides)
{
    QByteArray text = "\"Quintavue\",,,,,,," + QByteArray::number(slides.size()) + "\r\n";
    for (const ShowSlide& slide : slides)
        text += "\"" + slide.picture.toUtf8() + "\",\"" + slide.description + "\"," + QByteArray::number(slide.delay)
                + "," + QByteArray::number(slide.effect) + "," + QByteArray::number(slide.speed) + ",\"" + slide.audio
                + "\",0\r\n";
    return text;
}

// Makes the show a random one over `pictureFolder` (thirty seconds a picture, no
// captions, no sounds), its set-up written into the data folder `dataFolder`.
inline bool makeRandomShowOf(const QString& dataFolder, const QString& pictureFolder)
{
    if (!writeFile(dataFolder + QStringLiteral("quintavu.rss"),
                   "\"Quintavue\",0,0,0,30,0,0,1,1\r\n\"" + QFile::encodeName(pictureFolder) + "\"\r\n\"/nowhere\"\r\n"))
        return false;
    QSettings store(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("Quintavue"), QStringLiteral("Quintavue"));
    store.setValue(QStringLiteral("data/RandomFlag"), 1);
    store.sync();
    return store.status() == QSettings::NoError;
}

} // namespace qv::test
