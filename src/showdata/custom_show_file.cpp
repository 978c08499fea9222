#include "showdata/custom_show_file.h"

#include "components/platform/file_errors.h"
#include "components/platform/file_names.h"
#include "components/platform/message_box.h"
#include "settings/global_settings.h"
#include "showdata/field_reader.h"
#include "showdata/field_writer.h"
#include "showdata/file_replacement.h"
#include "showdata/file_stamps.h"
#include "showdata/name_lookup.h"
#include "startup/startup_state.h"

#include <algorithm>

namespace qv {
namespace {

constexpr int reservedHeaderFields = 6;

void writeHeader(FieldWriter& writer, const QString& appName, int count)
{
    writer.text(appName);
    for (int i = 0; i < reservedHeaderFields; ++i)
        writer.empty();
    writer.number(count);
    writer.endLine();
}

void writeSlide(FieldWriter& writer, const SlideRecord& slide)
{
    writer.text(slide.picture);
    writer.text(slide.description);
    writer.number(slide.delay);
    writer.number(slide.effect);
    writer.number(slide.effectSpeed);
    writer.text(slide.audio);
    writer.number(slide.audioLoop);
    writer.endLine();
}

int readSlide(FieldReader& reader, SlideRecord& slide)
{
    int error = reader.readPath(slide.picture);
    if (error == FileError::None)
        error = reader.readText(slide.description);
    if (error == FileError::None)
        error = reader.readInt16(slide.delay);
    if (error == FileError::None)
        error = reader.readInt16(slide.effect);
    if (error == FileError::None)
        error = reader.readInt16(slide.effectSpeed);
    if (error == FileError::None)
        error = reader.readPath(slide.audio);
    if (error == FileError::None)
        error = reader.readInt16(slide.audioLoop);
    return error;
}

int saveWithMessage(const QByteArray& bytes)
{
    return saveFileChecked(resolvePathIgnoringCase(customShowSavePath()), bytes, QStringLiteral("Error Saving data "));
}

} // namespace

QByteArray formatCustomShow(const CustomShow& show, const QString& appName)
{
    FieldWriter writer;
    writeHeader(writer, appName, show.slideCount);
    for (int position = 1; position <= show.slideCount; ++position)
        writeSlide(writer, show.slide(position));
    return writer.bytes();
}

QByteArray formatSingleSlide(const CustomShow& show, int position, const QString& appName)
{
    FieldWriter writer;
    writeHeader(writer, appName, 1);
    writeSlide(writer, show.slide(position));
    return writer.bytes();
}

int readCustomShow(ByteSource& source, CustomShow& show, QString& appName)
{
    FieldReader reader(source);
    if (const int error = reader.readText(appName); error != FileError::None)
        return error;
    for (int i = 0; i < reservedHeaderFields; ++i) {
        if (const int error = reader.skipField(); error != FileError::None)
            return error;
    }
    std::int32_t declaredCount = 0;
    if (const int error = reader.readCount(declaredCount); error != FileError::None)
        return error;

    const int previousPictureCount = show.pictureCount;
    show.resizeSlides(0);
    for (std::int64_t position = 1; position <= declaredCount; ++position) {
        SlideRecord slide;
        if (const int error = readSlide(reader, slide); error != FileError::None) {
            show.pictureCount = std::min(previousPictureCount, show.slideCount);
            return error;
        }
        AppendSlide(show);
        show.setSlide(show.slideCount, slide);
    }
    show.pictureCount = show.slideCount;
    return FileError::None;
}

QString customShowLoadPath()
{
    const QString& commandLine = startupState().commandLine;
    if (commandLine.right(4).compare(QLatin1String(".CSS"), Qt::CaseInsensitive) == 0)
        return commandLine;
    return customShowSavePath();
}

QString customShowLoadName()
{
    const QString path = customShowLoadPath();
    return displayFileName(path == customShowSavePath() ? globalSettings().activeCss : path);
}

QString customShowSavePath() { return globalSettings().slideshowPath + globalSettings().activeCss; }

int LoadCustomShow()
{
    FileByteSource file;
    const QString path = resolvePathIgnoringCase(customShowLoadPath());
    const int openError = file.open(path);
    // What the editor holds from now on came from this file as it is now (or from
    // its absence): a later save asks before replacing what another window wrote.
    rememberFileStamp(path);
    if (openError != FileError::None) {
        showMessage(fileErrorText(openError) + QLatin1Char('\n') + displayFileName(path));
        return openError;
    }
    const int error = readCustomShow(file, customShow(), startupState().appName);
    if (error != FileError::None) {
        showMessage(QStringLiteral("The custom Quintavue file ") + customShowLoadName()
                    + QStringLiteral(" is corrupt!   ") + fileErrorText(error));
    }
    return error;
}

int SaveCustomShow()
{
    CustomShow& show = customShow();
    show.resizeSlides(show.slideCount);
    return saveWithMessage(formatCustomShow(show, startupState().appName));
}

int SaveSingleSlide(int position)
{
    const CustomShow& show = customShow();
    if (position < 1 || position > show.slideCount) {
        showMessage(QStringLiteral("Error Saving data ") + fileErrorText(FileError::SubscriptOutOfRange));
        return FileError::SubscriptOutOfRange;
    }
    return saveWithMessage(formatSingleSlide(show, position, startupState().appName));
}

QString ShowFileLabel()
{
    // As the file is named: a case-sensitive file system holds no "HOLIDAY.CSS" for
    // "Holiday.css".
    const QString name = displayFileName(globalSettings().activeCss);
    if (name.compare(QLatin1String("EMPTY"), Qt::CaseInsensitive) == 0)
        return QStringLiteral("File=");
    return QStringLiteral("File=") + name;
}

} // namespace qv
