#include <Magick++.h>

#include <QDir>
#include <QFile>
#include <QImageReader>

#include <gtest/gtest.h>

namespace {

const QString kFolder = QStringLiteral(QV_SAMPLE_MEDIA_DIR);

QStringList filesMatching(const QString& pattern)
{
    QDir folder(kFolder);
    folder.setNameFilters({pattern});
    folder.setFilter(QDir::Files);
    QStringList paths;
    for (const QString& name : folder.entryList())
        paths << folder.filePath(name);
    return paths;
}

class SampleFolder : public ::testing::TestWithParam<const char*> {};

TEST_P(SampleFolder, HoldsReadableFilesOfEveryKindTheShowLooksFor)
{
    const QStringList paths = filesMatching(QString::fromLatin1(GetParam()));
    ASSERT_FALSE(paths.isEmpty()) << GetParam();
    for (const QString& path : paths) {
        SCOPED_TRACE(path.toStdString());
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        ASSERT_GT(bytes.size(), 32);
        const QString suffix = path.section(QLatin1Char('.'), -1).toLower();
        if (suffix == QLatin1String("wav")) {
            EXPECT_TRUE(bytes.startsWith("RIFF") && bytes.mid(8, 4) == "WAVE");
            continue;
        }
        if (suffix == QLatin1String("mid")) {
            EXPECT_TRUE(bytes.startsWith("MThd"));
            continue;
        }
        Magick::Image picture;
        ASSERT_NO_THROW(picture.ping(path.toStdString()));
        EXPECT_GE(picture.columns(), 400u);
        EXPECT_GE(picture.rows(), 300u);
        if (QStringList{"gif", "jpg", "bmp", "tif"}.contains(suffix)) {
            QImageReader reader(path);
            EXPECT_FALSE(reader.read().isNull()) << reader.errorString().toStdString();
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Patterns, SampleFolder,
                         ::testing::Values("*.gif", "*.jpg", "*.bmp", "*.dib", "*.pcx", "*.tga", "*.tif",
                                           "*.wmf", "*.png", "*.webp", "*.heic", "*.avif", "*.jxl", "*.wav",
                                           "*.mid"));

TEST(SamplePictures, UnusualFormatsDecodeFully)
{
    // A shapes-only metafile and a run-length Targa are the unusual ones: decode them fully.
    for (const char* name : {"bouquet.wmf", "aurora.tga", "glass.dib", "autumn.pcx"}) {
        SCOPED_TRACE(name);
        Magick::Image picture;
        ASSERT_NO_THROW(picture.read((kFolder + QLatin1Char('/') + QLatin1String(name)).toStdString()));
        EXPECT_GT(picture.columns(), 0u);
    }
}

TEST(SamplePictures, OfferBothKindsOfDeviceIndependentBitmap)
{
    // Paint programs save a ".dib" with the bitmap file header; the clipboard kind has none.
    int withFileHeader = 0;
    int bare = 0;
    for (const QString& path : filesMatching(QStringLiteral("*.dib"))) {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        const QByteArray head = file.read(4);
        if (head.startsWith("BM"))
            ++withFileHeader;
        else if (head == QByteArray("\x28\0\0\0", 4))
            ++bare;
    }
    EXPECT_GE(withFileHeader, 1);
    EXPECT_GE(bare, 1);
}

} // namespace
