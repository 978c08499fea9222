#pragma once

#include "components/platform/file_names.h"
#include "components/platform/message_box.h"
#include "settings/global_settings.h"
#include "showdata/custom_show.h"
#include "showdata/random_show_config.h"
#include "startup/startup_state.h"
#include "support/test_files.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <memory>
#include <vector>

namespace qv::test {

// A data folder of its own as "slideshow_path", messages recorded instead of shown,
// and the process-wide records back at their start values.
class ShowDataTest : public ::testing::Test, public MessagePresenter {
protected:
    MessageAnswer present(const Message& message) override
    {
        messages_.push_back(message);
        return answer_;
    }
    void SetUp() override
    {
        ASSERT_TRUE(folder_.isValid());
        globalSettings().slideshowPath = folder_.path() + QLatin1Char('/');
        globalSettings().activeCss = QStringLiteral("show.css");
        globalSettings().picinfoFlag = 1;
        startupState().appName = QStringLiteral("Quintavue");
        startupState().commandLine.clear();
        startupState().windowsDir = QStringLiteral("/usr/share/quintavue/media/");
        randomShowConfig() = RandomShowConfig{};
        customShow() = CustomShow{};
        setMessagePresenter(this);
    }
    void TearDown() override
    {
        setMessagePresenter(nullptr);
        // QTemporaryDir cannot remove names that are not UTF-8.
        std::error_code ignored;
        std::filesystem::remove_all(QFile::encodeName(folder_.path()).toStdString(), ignored);
    }

    QString dataPath(const QString& name) const { return globalSettings().slideshowPath + name; }

    void writeFile(const QString& path, const QByteArray& bytes) const
    {
        QDir().mkpath(path.left(path.lastIndexOf(QLatin1Char('/'))));
        ASSERT_TRUE(test::writeFile(path, bytes));
    }
    void writeDataFile(const QString& name, const QByteArray& bytes) const { writeFile(dataPath(name), bytes); }

    // The file's bytes, whatever bytes its name is made of; empty if it cannot be read.
    static QByteArray readFile(const QString& path)
    {
        QFile file;
        return openForReading(file, path) ? file.readAll() : QByteArray();
    }

    QStringList messageTexts() const
    {
        QStringList texts;
        for (const Message& message : messages_)
            texts.append(message.text);
        return texts;
    }

    QTemporaryDir folder_;
    std::vector<Message> messages_;
    MessageAnswer answer_ = MessageAnswer::Ok;  // what every message is answered
};

// A real small picture under a name given as raw bytes, folders on the way made too (Qt
// cannot make such names).
inline bool writeRawNamedPicture(const QByteArray& rawPath)
{
    std::error_code error;
    std::filesystem::create_directories(rawPath.left(rawPath.lastIndexOf('/')).toStdString(), error);
    QImage picture(8, 6, QImage::Format_RGB32);
    picture.fill(Qt::darkCyan);
    QBuffer encoded;
    encoded.open(QIODevice::WriteOnly);
    const QByteArray format = rawPath.mid(rawPath.lastIndexOf('.') + 1);
    if (error || !picture.save(&encoded, format.constData()))
        return false;
    const std::unique_ptr<std::FILE, decltype(&std::fclose)> file(std::fopen(rawPath.constData(), "wb"), &std::fclose);
    const QByteArray& bytes = encoded.data();
    return file && std::fwrite(bytes.constData(), 1, static_cast<std::size_t>(bytes.size()), file.get()) == static_cast<std::size_t>(bytes.size());
}

inline SlideRecord slide(const char* picture, const char* description, int delay, int effect, int speed,
                         const char* audio, int loop)
{
    return SlideRecord{QString::fromUtf8(picture), QString::fromUtf8(description), static_cast<std::int16_t>(delay),
                       static_cast<std::int16_t>(effect), static_cast<std::int16_t>(speed), QString::fromUtf8(audio),
                       static_cast<std::int16_t>(loop)};
}

inline CustomShow showOf(const std::vector<SlideRecord>& slides)
{
    CustomShow show;
    for (const SlideRecord& record : slides) {
        AppendSlide(show);
        show.setSlide(show.slideCount, record);
    }
    return show;
}

} // namespace qv::test
