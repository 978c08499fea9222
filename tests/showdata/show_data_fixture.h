#pragma once

#include "components/platform/message_box.h"
#include "settings/global_settings.h"
#include "showdata/custom_show.h"
#include "startup/startup_state.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <vector>

namespace qv::test {

class RecordingPresenter final : public MessagePresenter {
public:
    MessageAnswer present(const Message& message) override
    {
        messages.push_back(message);
        return MessageAnswer::Ok;
    }
    std::vector<Message> messages;
};

// A data folder of its own as "slideshow_path", messages recorded instead of shown,
// and the process-wide records back at their start values.
class ShowDataTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(folder_.isValid());
        globalSettings().slideshowPath = folder_.path() + QLatin1Char('/');
        globalSettings().activeCss = QStringLiteral("show.css");
        globalSettings().picinfoFlag = 1;
        startupState().appName = QStringLiteral("Quintavue");
        startupState().commandLine.clear();
        customShow() = CustomShow{};
        setMessagePresenter(&recorder_);
    }
    void TearDown() override { setMessagePresenter(nullptr); }

    QString dataPath(const QString& name) const { return globalSettings().slideshowPath + name; }

    void writeFile(const QString& path, const QByteArray& bytes) const
    {
        QDir().mkpath(path.left(path.lastIndexOf(QLatin1Char('/'))));
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    void writeDataFile(const QString& name, const QByteArray& bytes) const { writeFile(dataPath(name), bytes); }

    static QByteArray readFile(const QString& path)
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    QStringList messageTexts() const
    {
        QStringList texts;
        for (const Message& message : recorder_.messages)
            texts.append(message.text);
        return texts;
    }

    QTemporaryDir folder_;
    RecordingPresenter recorder_;
};

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
