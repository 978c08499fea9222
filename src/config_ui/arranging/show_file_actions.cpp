#include "config_ui/arranging/show_file_actions.h"

#include "components/platform/file_errors.h"
#include "components/platform/file_names.h"
#include "config_ui/common/config_ui_state.h"
#include "settings/global_settings.h"
#include "showdata/custom_show.h"
#include "showdata/custom_show_file.h"
#include "showdata/file_replacement.h"
#include "config_ui/common/partly_read_show.h"

#include <algorithm>

namespace qv {
namespace {

const QString kNoShow = QStringLiteral("EMPTY");
const QString kShowExtension = QStringLiteral(".css");

// The first slide selected, as after opening a show in the editor.
void selectFirstSlide(ConfigUiState& state, int slideCount)
{
    state.topRow = 1;
    state.selectedRow = 0;
    if (slideCount > 0) {
        state.editorState = 2;
        state.highlightedRow = 0;
        state.currentSlide = 1;
    } else {
        state.editorState = 0;
        state.highlightedRow = -9;
        state.currentSlide = 0;
    }
}

} // namespace

bool isShowNameCharacter(QChar c)
{
    return (c >= u'0' && c <= u'9') || (c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z');
}

QString showNameOnly(const QString& text)
{
    QString name;
    name.reserve(text.size());
    for (const QChar c : text) {
        if (isShowNameCharacter(c))
            name.append(c);
    }
    return name;
}

QString showNameOfFile(const QString& fileName) { return fileName.chopped(std::min<qsizetype>(4, fileName.size())); }

QString showFilePattern(const QString& folder) { return folder + QStringLiteral("*.css"); }

int loadShowNamed(const QString& name)
{
    GlobalSettings& settings = globalSettings();
    const QString previousName = settings.activeCss;
    const CustomShow previousShow = customShow();
    settings.activeCss = name + kShowExtension;
    int error = LoadCustomShow();
    if (error == 0 && !editorCanHold(customShow().slideCount, settings.activeCss))
        error = FileError::Overflow;
    if (error != 0) {
        customShow() = previousShow;
        settings.activeCss = previousName;
        return error;
    }
    // The show active before the editor opened stays the one Cancel returns to: a
    // show only looked at is not chosen until it is saved.
    selectFirstSlide(configUiState(), customShow().slideCount);
    return 0;
}

bool isReservedShowName(const QString& name)
{
    for (const char* scratch : {"tdz", "zxz", "zxz2"}) {
        if (name.compare(QLatin1String(scratch), Qt::CaseInsensitive) == 0)
            return true;
    }
    return false;
}

int saveShowNamed(const QString& name)
{
    GlobalSettings& settings = globalSettings();
    const QString previousName = settings.activeCss;
    if (!mayReplacePartlyReadShow(name + kShowExtension)) {
        configUiState().dialogCancelled = 1;
        return saveDeclined;
    }
    settings.activeCss = name + kShowExtension;
    const int error = SaveCustomShow();
    if (error != 0) {
        settings.activeCss = previousName;
        configUiState().dialogCancelled = 1;
        return error;
    }
    configUiState().savedShowName = settings.activeCss;
    return 0;
}

void deleteShowFile(const QString& folder, const QString& fileName)
{
    if (fileName.isEmpty())
        return;
    const QString path = folder.endsWith(u'/') ? folder + fileName : folder + u'/' + fileName;
    removeFile(path);
    if (fileName.compare(globalSettings().activeCss, Qt::CaseInsensitive) == 0)
        globalSettings().activeCss = kNoShow;
    // Nor can Cancel return to it.
    if (fileName.compare(configUiState().savedShowName, Qt::CaseInsensitive) == 0)
        configUiState().savedShowName = kNoShow;
}

} // namespace qv
