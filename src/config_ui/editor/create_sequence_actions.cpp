#include "config_ui/editor/create_sequence.h"

#include "components/platform/message_box.h"
#include "config_ui/common/busy_pointer.h"
#include "config_ui/common/config_ui_state.h"
#include "config_ui/common/help.h"
#include "config_ui/common/test_run.h"
#include "config_ui/common/window_openers.h"
#include "config_ui/editor/data_sheet.h"
#include "config_ui/editor/slide_grid_panel.h"
#include "settings/global_settings.h"
#include "showdata/custom_show.h"
#include "showdata/custom_show_file.h"
#include "showdata/file_replacement.h"
#include "config_ui/common/partly_read_show.h"
#include "config_ui/common/storable_names.h"
#include "components/platform/file_names.h"
#include "showdata/effect_catalogue.h"
#include "showdata/name_lookup.h"
#include "showdata/scratch_files.h"
#include "startup/shared_routines.h"

#include <QDateTime>
#include <QFile>
#include <QLabel>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>

namespace qv {
namespace {

// The delay the add-pictures dialog proposes; dropped pictures get the same.
constexpr int addedPictureDelay = 15;

bool sameSlides(const CustomShow& a, const CustomShow& b)
{
    if (a.slideCount != b.slideCount)
        return false;
    for (int position = 1; position <= a.slideCount; ++position) {
        if (!(a.slide(position) == b.slide(position)))
            return false;
    }
    return true;
}

} // namespace

void create_sequence::stopSound()
{
    FXSnd1.setFileName(QString());
    FXSnd1.setCommand(FXSnd::commandClose);
}

void create_sequence::SSCommand1_Click(int index)
{
    stopSound();
    let_events_run();
    if (finished_)
        return;
    switch (index) {
    case 0:
        runModal(index, open_global_options);
        break;
    case 1:
        runModal(index, open_border_designer);
        break;
    case 2:
        if (customShow().slideCount > 0)
            open_picture_viewer(this);
        break;
    case 3:
        playCurrentSound();
        break;
    case 4:
        printSheet();
        break;
    case 5:
        open_help(QStringLiteral("Custom"));
        break;
    case 6:
        open_replace_picture_dialog(this);
        break;
    case 7:
        open_description_dialog(this);
        break;
    case 8:
        open_delay_dialog(this);
        break;
    case 9:
        open_effect_dialog(this);
        break;
    case 10:
        runModal(index, open_sound_dialog);
        break;
    case 11:
        toggleLoop(customShow(), configUiState());
        RefreshLoopColumn();
        break;
    case 12:
        afterAdd();
        break;
    case 13:
        deleteSlide();
        break;
    case 14:
        open_insert_dialog(this);
        UpdateButtonStates();
        break;
    case 15:
        open_swap_dialog(this);
        RefreshGrid();
        break;
    case 16:
        previewSlide();
        break;
    case 17:
        resetSlides();
        break;
    case 18:
        loadShow();
        break;
    case 19:
        configUiState().dialogCancelled = 0;
        open_save_dialog(this);
        if (configUiState().dialogCancelled == 0)
            rememberSavedState();
        FXLabel2->setText(ShowFileLabel());
        break;
    case 20:
        saveAndExit();
        break;
    case 21:
        open_remove_dialog(this);
        FXLabel2->setText(ShowFileLabel());
        break;
    case 22:
        testRun();
        break;
    case 23:
        cancel();
        break;
    case 24:
        open_effect_chooser(this);
        break;
    default:
        break;
    }
}

void create_sequence::runModal(int index, void (*opener)(QWidget*))
{
    QPushButton* own = buttons_[static_cast<std::size_t>(index)];
    own->setEnabled(false);
    opener(this);
    if (!finished_)
        own->setEnabled(index != 10 || customShow().slideCount > 0);
}

void create_sequence::afterAdd()
{
    open_add_pictures_dialog(this);
    UpdateButtonStates();
    selectFirstAddedSlide(configUiState(), *this);
    RefreshGrid();
    // New slides usually want descriptions and delays next: the keys go to the grid.
    if (customShow().slideCount > 0)
        grid_->setFocus(Qt::OtherFocusReason);
}

void create_sequence::playCurrentSound()
{
    const CustomShow& show = customShow();
    const int current = configUiState().currentSlide;
    if (show.slideCount == 0 || current < 1 || current > show.slideCount)
        return;
    stopSound();
    const QString path = show.audio[static_cast<std::size_t>(current)];
    const QString a = path.toUpper();
    if (a == QLatin1String("SOUND OFF") || a.size() <= 3) {
        showMessage(Message{QStringLiteral("No Audio File!"), QStringLiteral("Audio (.wav, .mid)")});
        return;
    }
    FXSnd1.setDeviceType(a.endsWith(QLatin1String("WAV")) ? FXSnd::deviceWaveAudio : FXSnd::deviceMidi);
    FXSnd1.setTrialFlag(true);
    FXSnd1.setLoop(false);
    // The path as written: on a case-sensitive file system the capitals would miss.
    FXSnd1.setFileName(path);
}

void create_sequence::printSheet()
{
    if (showMessage(Message{QStringLiteral("Print slide show data?"), QStringLiteral("Print"), MessageButtons::YesNo,
                            MessageIcon::Question, MessageAnswer::No})
        != MessageAnswer::Yes)
        return;
    SetBusyPointer();
    const QString showName = globalSettings().activeCss;
    const QStringList lines = dataSheetLines(customShow(), showName, QDateTime::currentDateTime());
    const QPrinterInfo printerInfo = QPrinterInfo::defaultPrinter();
    QString pdfPath;
    int error = 0;
    QString errorText;
    if (printerInfo.isNull()) {
        // No printer set up, as on many desktops: the sheet becomes a PDF file.
        pdfPath = dataSheetPdfPath(showName);
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdfPath);
        printer.setDocName(QStringLiteral("Quintavue data sheet"));
        error = printDataSheet(lines, printer, errorText);
    } else {
        QPrinter printer(printerInfo, QPrinter::HighResolution);
        printer.setDocName(QStringLiteral("Quintavue data sheet"));
        error = printDataSheet(lines, printer, errorText);
    }
    SetNormalPointer();
    if (error != 0) {
        showMessage(Message{QStringLiteral("Error ") + QString::number(error) + QStringLiteral(": ") + errorText
                                + QLatin1Char('.'),
                            QStringLiteral("Printer Error"), MessageButtons::Ok, MessageIcon::Warning});
    } else if (!pdfPath.isEmpty()) {
        showMessage(Message{QStringLiteral("No printer is set up, so the data sheet was saved as a PDF file:\n")
                                + pdfPath,
                            QStringLiteral("Print"), MessageButtons::Ok, MessageIcon::Information});
    }
}

void create_sequence::deleteSlide() { deleteCurrentSlide(customShow(), configUiState(), *this); }

void create_sequence::resetSlides()
{
    if (showMessage(Message{QStringLiteral("Reset slide show and lose all information?"),
                            QStringLiteral("Reset slide show"), MessageButtons::YesNo, MessageIcon::Critical,
                            MessageAnswer::No})
        == MessageAnswer::Yes) {
        resetShow(customShow(), configUiState(), *this);
        // Only the editor starts over: Cancel still returns to the show active before.
        globalSettings().activeCss = QStringLiteral("EMPTY");
        FXLabel2->setText(ShowFileLabel());
        RefreshGrid();
        ConfigureScrollBar();
    }
    UpdateButtonStates();
}

void create_sequence::loadShow()
{
    bool goOn = customShow().slideCount == 0;
    if (!goOn) {
        goOn = showMessage(Message{QStringLiteral("You already have a slide show in memory.\nAre you sure you want "
                                                  "to load a new Quintavue and lose all current data?"),
                                   QStringLiteral("Load slide show"), MessageButtons::YesNo, MessageIcon::Question,
                                   MessageAnswer::No})
               == MessageAnswer::Yes;
    }
    if (goOn) {
        const QString before = globalSettings().activeCss;
        open_load_dialog(this);
        if (globalSettings().activeCss != before)
            rememberSavedState();
    }
    FXLabel2->setText(ShowFileLabel());
    UpdateButtonStates();
}

void create_sequence::saveAndExit()
{
    if (saveForExit()) {
        let_events_run();
        finish();
        close();
    }
}

bool create_sequence::saveForExit()
{
    ConfigUiState& state = configUiState();
    state.dialogCancelled = 0;
    if (globalSettings().activeCss.toUpper() == QLatin1String("EMPTY")) {
        open_save_dialog(this);
        FXLabel2->setText(ShowFileLabel());
    } else if (!mayReplacePartlyReadShow(globalSettings().activeCss) || SaveCustomShow() != 0) {
        state.dialogCancelled = 1;
    }
    return state.dialogCancelled == 0;
}

void create_sequence::cancel()
{
    let_events_run();
    globalSettings().activeCss = configUiState().savedShowName;
    configUiState().editorOpen = false;
    let_events_run();
    finish();
    close();
}

// The show window reads the show from a scratch copy of this process and fills the
// process's one show table from it; the editor keeps its own copy of the table across
// the run and puts it back, so nothing depends on reading the copy back.
void create_sequence::testRun()
{
    GlobalSettings& settings = globalSettings();
    let_events_run();
    const QString activeName = settings.activeCss;
    const CustomShow edited = customShow();
    settings.activeCss = ScratchFile::testRunCopy();
    if (SaveCustomShow() == 0)
        run_test_show();
    removeFile(settings.slideshowPath + ScratchFile::testRunCopy());
    customShow() = edited;
    settings.activeCss = activeName;
    RefreshGrid();
    screen_saver_off();
    show();
    raise();
    activateWindow();
    let_events_run();
}

void create_sequence::previewSlide()
{
    GlobalSettings& settings = globalSettings();
    const ConfigUiState& state = configUiState();
    QPushButton* preview = buttons_[16];
    preview->setEnabled(false);
    let_events_run();
    const QString activeName = settings.activeCss;
    const CustomShow edited = customShow();
    settings.activeCss = ScratchFile::singleSlideCopy();
    if (SaveSingleSlide(state.currentSlide) == 0)
        run_test_show();
    removeFile(settings.slideshowPath + ScratchFile::singleSlideCopy());
    customShow() = edited;
    settings.activeCss = activeName;
    RefreshGrid();
    screen_saver_off();
    show();
    raise();
    activateWindow();
    let_events_run();
    if (!finished_)
        preview->setEnabled(customShow().slideCount > 0);
    let_events_run();
}

void create_sequence::rememberSavedState() { savedShow_ = customShow(); }

bool create_sequence::mayLeave()
{
    if (sameSlides(customShow(), savedShow_))
        return true;
    const QString active = globalSettings().activeCss;
    const QString name = active.compare(QLatin1String("EMPTY"), Qt::CaseInsensitive) == 0
                             ? QStringLiteral("the new slide show")
                             : displayFileName(active);
    const MessageAnswer answer
        = showMessage(Message{QStringLiteral("Save changes to %1?").arg(name), windowTitle(),
                              MessageButtons::YesNoCancel, MessageIcon::Question, MessageAnswer::Cancel});
    if (answer == MessageAnswer::No)
        return true;
    // Saved, the editor leaves on the saved show, as Save & Exit does.
    if (answer == MessageAnswer::Yes && saveForExit()) {
        configUiState().savedShowName = globalSettings().activeCss;
        return true;
    }
    return false;
}

void create_sequence::dropFiles(const QStringList& paths, int row)
{
    const DroppedFiles files = sortDroppedFiles(keepStorableNames(paths));
    CustomShow& show = customShow();
    ConfigUiState& state = configUiState();
    if (!files.sounds.isEmpty() && row >= 0 && row < gridRows && state.topRow + row <= show.slideCount) {
        show.audio[static_cast<std::size_t>(state.topRow + row)] = files.sounds.first();
        RefreshAudioColumn();
    }
    if (files.pictures.isEmpty())
        return;
    const int speed = effectCatalogue().effectBaseSpeed[static_cast<std::size_t>(
        grainModeRow(globalSettings().mgrainMode))][noEffect];
    appendPictureSlides(show, state, files.pictures, addedPictureDelay, speed);
    UpdateButtonStates();
    selectFirstAddedSlide(state, *this);
    RefreshGrid();
}

} // namespace qv
