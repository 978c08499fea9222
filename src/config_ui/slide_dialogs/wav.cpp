#include "config_ui/common/storable_names.h"
#include "config_ui/slide_dialogs/wav.h"

#include "components/sound/fx_snd.h"
#include "config_ui/browsers/file_browser.h"
#include "config_ui/common/accessible_names.h"
#include "config_ui/common/caption_colours.h"
#include "config_ui/common/config_ui_state.h"
#include "config_ui/common/editor_link.h"
#include "config_ui/common/help.h"
#include "config_ui/common/window_placement.h"
#include "config_ui/slide_dialogs/preview_box.h"
#include "config_ui/slide_dialogs/slide_edits.h"
#include "showdata/custom_show.h"
#include "startup/shared_routines.h"
#include "startup/startup_state.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QListView>
#include <QPushButton>
#include <QShortcut>
#include <QVBoxLayout>

namespace qv {

wav::wav(QWidget* parent) : QDialog(parent), slide_(configUiState().currentSlide)
{
    setObjectName(QStringLiteral("wav"));
    setWindowTitle(QStringLiteral("Select Audio File"));
    setModal(true);
    const CustomShow& show = customShow();
    const bool isSlide = slide_ >= 1 && slide_ <= show.slideCount;

    auto* soundCaption = new QLabel(QStringLiteral("Current sound:"), this);
    Label1 = new PathLabel(this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setPath(isSlide ? show.audio[std::size_t(slide_)] : QString());

    browser_ = new FileBrowser(this, soundPattern(), QStringLiteral("Drive1"), QStringLiteral("Dir1"),
                               QStringLiteral("File1"));
    auto* driveCaption = new QLabel(QStringLiteral("Dri&ve:"), this);
    driveCaption->setBuddy(browser_->driveList());
    auto* folderCaption = new QLabel(QStringLiteral("Fol&der:"), this);
    folderCaption->setBuddy(browser_->folderList());
    auto* fileCaption = new QLabel(QStringLiteral("&File:"), this);
    fileCaption->setBuddy(browser_->fileList());
    connect(browser_, &FileBrowser::fileClicked, this, &wav::File1_Click);
    connect(browser_, &FileBrowser::fileDoubleClicked, this, [this] { SSCommand1_Click(3); });

    Check1 = new QCheckBox(QStringLiteral("Copy &to all"), this);
    Check1->setObjectName(QStringLiteral("Check1"));
    Check2 = new QCheckBox(QStringLiteral("Loo&p sound"), this);
    Check2->setObjectName(QStringLiteral("Check2"));
    Check2->setChecked(isSlide && show.audioLoop[std::size_t(slide_)] != 0);

    const std::array<QString, 5> captions{QStringLiteral("&Sound Off"), QStringLiteral("C&lear Sound"),
                                          QStringLiteral("&Cancel"), QStringLiteral("&Ok"),
                                          QStringLiteral("&Help")};
    for (int i = 0; i < 5; ++i) {
        auto* button = new QPushButton(captions[std::size_t(i)], this);
        button->setObjectName(QStringLiteral("SSCommand1_%1").arg(i));
        colourCaption(button);
        connect(button, &QPushButton::clicked, this, [this, i] { SSCommand1_Click(i); });
        SSCommand1[std::size_t(i)] = button;
    }
    SSCommand1[0]->setToolTip(QStringLiteral("Stop any sound that is playing when this slide comes on"));
    SSCommand1[1]->setToolTip(QStringLiteral("No sound of its own: a playing sound goes on"));
    SSCommand1[3]->setDefault(true);

    auto* soundRow = new QHBoxLayout;
    soundRow->addWidget(soundCaption);
    soundRow->addWidget(Label1, 1);

    auto* lists = new QGridLayout;
    lists->addWidget(driveCaption, 0, 0);
    lists->addWidget(browser_->driveList(), 1, 0);
    lists->addWidget(folderCaption, 2, 0);
    lists->addWidget(browser_->folderList(), 3, 0);
    lists->addWidget(fileCaption, 0, 1);
    lists->addWidget(browser_->fileList(), 1, 1, 3, 1);
    lists->setRowStretch(3, 1);
    lists->setColumnStretch(0, 1);
    lists->setColumnStretch(1, 1);

    auto* checks = new QHBoxLayout;
    checks->addWidget(Check2);
    checks->addSpacing(16);
    checks->addWidget(Check1);
    checks->addStretch(1);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(SSCommand1[0]);
    buttons->addWidget(SSCommand1[1]);
    buttons->addStretch(1);
    buttons->addWidget(SSCommand1[3]);
    buttons->addWidget(SSCommand1[2]);
    buttons->addWidget(SSCommand1[4]);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(soundRow);
    layout->addLayout(lists, 1);
    layout->addLayout(checks);
    layout->addLayout(buttons);

    const int em = fontMetrics().averageCharWidth();
    browser_->folderList()->setMinimumSize(em * 30, fontMetrics().height() * 10);
    browser_->fileList()->setMinimumWidth(em * 30);

    setTabOrder(browser_->fileList(), Check2);
    setTabOrder(Check2, Check1);
    new QShortcut(QKeySequence::HelpContents, this, this, [this] { SSCommand1_Click(4); });
    nameControlsForAccessibility(this);
    Label1->setAccessibleName(QStringLiteral("Current sound"));

    browser_->setFallbackFolder(startupState().soundBrowseDir);
    browser_->setFolder(startupState().soundBrowseDir);
}

wav::~wav()
{
    if (snd_ != nullptr)
        stopSound();
}

void wav::openModal(QWidget* parent)
{
    wav dialog(parent);
    dialog.exec();
}

void wav::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (placed_)
        return;
    placed_ = true;
    centre_on_screen(this);
    // Not the file list: taking the focus would make its first file current, and play it.
    SSCommand1[3]->setFocus(Qt::ActiveWindowFocusReason);
}

void wav::File1_Click(const QString& fileName)
{
    if (!isChosenSoundFile(fileName))
        return;
    playedPath_ = soundFilePath(browser_->folder(), fileName);
    if (snd_ == nullptr)
        snd_ = new FXSnd(this);
    stopSound();
    snd_->setDeviceType(trialSoundDeviceKind(fileName));
    snd_->setTrialFlag(true);
    snd_->setLoop(Check2->isChecked());
    snd_->setFileName(playedPath_);
}

void wav::stopSound()
{
    if (snd_ == nullptr)
        return;
    snd_->setFileName(QString());
    snd_->setCommand(FXSnd::commandClose);
}

void wav::storeChoice(const QString& audio, bool loop)
{
    storeAudio(customShow(), slide_, audio, loop, Check1->isChecked());
    RefreshAudioColumn();
    RefreshLoopColumn();
}

void wav::closeDialog(DialogCode code)
{
    closing_ = true;
    done(code);
}

void wav::reject()
{
    if (!closing_)
        SSCommand1_Click(2);
}

void wav::SSCommand1_Click(int index)
{
    if (index < 0 || index > 4)
        return;
    QPushButton* button = SSCommand1[std::size_t(index)];
    button->setEnabled(false);
    let_events_run();
    switch (index) {
    case 0:
    case 1:
        stopSound();
        storeChoice(index == 0 ? QStringLiteral("Sound Off") : QString(), false);
        closeDialog(Accepted);
        break;
    case 2:
        startupState().soundBrowseDir = browser_->folder();
        stopSound();
        closeDialog(Rejected);
        break;
    case 3: {
        stopSound();
        startupState().soundBrowseDir = browser_->folder();
        const QString fileName = browser_->currentFileName();
        if (isChosenSoundFile(fileName) && keepStorableNames({browser_->pathOf(fileName)}).isEmpty()) {
            button->setEnabled(true);
            break;
        }
        if (isChosenSoundFile(fileName))
            storeChoice(browser_->pathOf(fileName), Check2->isChecked());
        closeDialog(Accepted);
        break;
    }
    case 4:
        open_help(QStringLiteral("Audio"));
        button->setEnabled(true);
        break;
    default:
        break;
    }
}

} // namespace qv
