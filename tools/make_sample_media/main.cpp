// Writes the stock pictures, sounds and tunes into one folder.
// Usage: make_sample_media OUTPUT_FOLDER [NAME...]   (names limit the run to those files)
//        make_sample_media --icon FILE.png            (the program's 256-pixel icon)
//        make_sample_media --artwork FOLDER           (title screen and splash pictures)

#include "make_sample_media/picture_encoders.h"
#include "make_sample_media/sample_catalogue.h"
#include "make_sample_media/scenes/scenes.h"

#include <Magick++.h>

#include <QDir>
#include <QFileInfo>
#include <QCoreApplication>
#include <QSaveFile>

#include <cstdio>
#include <exception>

namespace {

bool writeAtomically(const QString& path, const qv::samples::Bytes& bytes)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    const auto size = static_cast<qint64>(bytes.size());
    if (file.write(reinterpret_cast<const char*>(bytes.data()), size) != size)
        return false;
    return file.commit();
}

} // namespace

int main(int argc, char** argv)
{
    // Painting on images needs no display and no GUI application: none of the
    // pictures carries text, and the image writers are found without one.
    QCoreApplication app(argc, argv);
    Magick::InitializeMagick(argv[0]);

    const QStringList arguments = app.arguments().mid(1);
    if (arguments.isEmpty()) {
        std::fprintf(stderr, "usage: make_sample_media OUTPUT_FOLDER [NAME...]\n       make_sample_media --icon FILE.png\n"
                             "       make_sample_media --artwork FOLDER\n");
        return 2;
    }
    if (arguments.size() == 2 && arguments.first() == QLatin1String("--icon")) {
        QDir().mkpath(QFileInfo(arguments.last()).absolutePath());
        return writeAtomically(arguments.last(), qv::samples::encodePng(qv::samples::paintAppIcon(256))) ? 0 : 1;
    }
    if (arguments.size() == 2 && arguments.first() == QLatin1String("--artwork")) {
        const QDir artwork(arguments.last());
        if (!QDir().mkpath(artwork.path()))
            return 1;
        // The splash is painted at twice its size on screen, so it stays sharp on
        // screens of 192 dpi.
        const bool title = writeAtomically(artwork.filePath(QStringLiteral("title.jpg")),
                                           qv::samples::encodeJpeg(qv::samples::paintTitleBackdrop({1024, 768}), 90));
        const bool splash = writeAtomically(artwork.filePath(QStringLiteral("splash.png")),
                                            qv::samples::encodePng(qv::samples::paintSplashPrints({1040, 640})));
        return title && splash ? 0 : 1;
    }
    const QDir folder(arguments.first());
    if (!QDir().mkpath(folder.path())) {
        std::fprintf(stderr, "cannot create %s\n", qPrintable(folder.path()));
        return 1;
    }
    const QStringList only = arguments.mid(1);
    int failures = 0;
    for (const qv::samples::SampleFile& sample : qv::samples::sampleCatalogue()) {
        const QString name = QString::fromStdString(sample.name);
        if (!only.isEmpty() && !only.contains(name))
            continue;
        try {
            if (!writeAtomically(folder.filePath(name), sample.make())) {
                std::fprintf(stderr, "cannot write %s\n", qPrintable(folder.filePath(name)));
                ++failures;
            }
        } catch (const std::exception& error) {
            std::fprintf(stderr, "%s: %s\n", qPrintable(name), error.what());
            ++failures;
        }
    }
    return failures == 0 ? 0 : 1;
}
