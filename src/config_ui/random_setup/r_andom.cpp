#include "config_ui/random_setup/r_andom.h"

#include "components/platform/file_names.h"
#include "components/platform/message_box.h"
#include "config_ui/browsers/file_browser.h"
#include "config_ui/common/accessible_names.h"
#include "config_ui/common/config_ui_state.h"
#include "config_ui/common/storable_names.h"
#include "config_ui/common/delay_entry.h"
#include "config_ui/common/help.h"
#include "config_ui/common/status_line.h"
#include "config_ui/common/test_run.h"
#include "config_ui/common/window_openers.h"
#include "config_ui/common/window_placement.h"
#include "config_ui/random_setup/random_setup_rules.h"
#include "settings/global_settings.h"
#include "showdata/custom_show.h"
#include "showdata/random_show_config.h"
#include "showdata/random_show_config_file.h"
#include "showdata/scratch_files.h"
#include "startup/program_windows.h"
#include "startup/shared_routines.h"
#include "startup/startup_state.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QDropEvent>
#include <QFileInfo>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QListWidget>
#include <QMimeData>
#include <QPointer>
#include <QPushButton>
#include <QScrollBar>
#include <QShortcut>
#include <QUrl>
#include <QVBoxLayout>

#include <algorithm>

namespace qv {
namespace {

// What each control says in the status line.
namespace Status {
const QString subfolders[2] = {
    QStringLiteral("Click here to search all Picture path sub directories during the Random Slide Show."),
    QStringLiteral("Click here to search all Audio path sub directories during the Random Slide Show.")};
const QString folders[2] = {QStringLiteral("This is the current Picture Directory."),
                            QStringLiteral("This is the current Audio Directory.")};
const QString files[2] = {QStringLiteral("This shows the current Picture Filename(s)."),
                          QStringLiteral("This shows the current Audio Filename(s).")};
const QString lists[2] = {QStringLiteral("This shows the current Picture path(s) selected."),
                          QStringLiteral("This shows the current Audio path(s) selected.")};
const QString headings[2] = {
    QStringLiteral("This is the section where you add/delete Picture directory paths to the Random Slide Show."),
    QStringLiteral("This is the section where you add/delete Audio directory paths to the Random Slide Show.")};
const QString add[2] = {QStringLiteral("Click here to add the current Picture path to the Random Slide Show."),
                        QStringLiteral("Click here to add the current Audio path to the Random Slide Show.")};
const QString remove[2] = {
    QStringLiteral("Click here to remove the highlighted Picture path from the Random Slide Show."),
    QStringLiteral("Click here to remove the highlighted Audio path from the Random Slide Show.")};
const QString preview[2] = {QStringLiteral("Click here to view the highlighted Picture file."),
                            QStringLiteral("Click here to play the highlighted Audio file.")};
} // namespace Status

const char* const kinds[2] = {"Picture", "Sound"};

QString controlName(const char* name, int index) { return QStringLiteral("%1_%2").arg(QLatin1String(name)).arg(index); }

QPushButton* makeButton(const QString& caption, const QString& name, const QString& status, QWidget* parent)
{
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(name);
    setStatusText(button, status);
    return button;
}

QLabel* makeHeading(const QString& text, QWidget* parent)
{
    auto* heading = new QLabel(text, parent);
    QFont font = heading->font();
    font.setBold(true);
    heading->setFont(font);
    return heading;
}

// The folders among dropped local paths.
QStringList droppedFolders(const QMimeData* data)
{
    QStringList folders;
    if (data == nullptr)
        return folders;
    for (const QUrl& url : data->urls()) {
        if (url.isLocalFile() && isFolder(localPathOf(url)))
            folders.append(QDir::cleanPath(localPathOf(url)));
    }
    return folders;
}

// A path entry, whole in its tool tip when the list has to shorten it. A name that is not
// UTF-8 is shown readably and kept by its real bytes.
void addEntry(QListWidget* list, const QString& path)
{
    auto* item = new QListWidgetItem(displayFileName(path), list);
    item->setToolTip(displayFileName(path));
    item->setData(Qt::UserRole, path);
}

QString entryPath(const QListWidgetItem* item) { return item->data(Qt::UserRole).toString(); }

} // namespace

r_andom::r_andom(QWidget* parent) : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("r_andom"));
    setWindowTitle(QStringLiteral("Random Slide Show Editor"));
    buildWindow();
}

r_andom::~r_andom()
{
    if (!left_)
        configUiState().editorOpen = false;
}

r_andom* r_andom::open()
{
    auto* window = new r_andom;
    registerProgramWindow(window);
    window->Form_Load();
    window->show();
    window->raise();
    window->activateWindow();
    return window;
}

void r_andom::buildWindow()
{
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(buildSection(0));
    layout->addWidget(buildSection(1));
    layout->addWidget(buildOptions());

    auto* buttons = new QHBoxLayout;
    SSCommand1 = makeButton(QStringLiteral("&Help"), QStringLiteral("SSCommand1"),
                            QStringLiteral("Click here to view the Random Slide Show Help File."), this);
    SSCommand2 = makeButton(QStringLiteral("&Global Options"), QStringLiteral("SSCommand2"),
                            QStringLiteral("Click here to edit the Global Options."), this);
    SSCommand3 = makeButton(QStringLiteral("E&ffects Options"), QStringLiteral("SSCommand3"),
                            QStringLiteral("Click here to choose effects for RANDOM SLIDESHOW and RANDOM EFFECT used "
                                           "by CUSTOM slideshow."),
                            this);
    SSCommand4 = makeButton(QStringLiteral("&Test Slide Show"), QStringLiteral("SSCommand4"),
                            QStringLiteral("Click here to test the Random Slide Show using these settings."), this);
    SSCommand8 = makeButton(QStringLiteral("&Ok"), QStringLiteral("SSCommand8"),
                            QStringLiteral("Click here to accept these Random Slide Show settings and exit."), this);
    SSCommand9 = makeButton(QStringLiteral("&Cancel"), QStringLiteral("SSCommand9"),
                            QStringLiteral("Click here to Cancel these settings and exit."), this);
    SSCommand8->setDefault(true);
    for (QPushButton* button : findChildren<QPushButton*>())
        button->setAutoDefault(true);  // Return presses the button that has the focus
    for (QPushButton* button : {SSCommand1, SSCommand2, SSCommand3, SSCommand4})
        buttons->addWidget(button);
    buttons->addStretch(1);
    buttons->addWidget(SSCommand8);
    buttons->addWidget(SSCommand9);
    layout->addLayout(buttons);

    Label4 = new QLabel(this);
    Label4->setObjectName(QStringLiteral("Label4"));
    Label4->setFrameShape(QFrame::Panel);
    Label4->setFrameShadow(QFrame::Sunken);
    Label4->setWordWrap(true);
    Label4->setMinimumHeight(Label4->fontMetrics().lineSpacing() * 2 + 6);
    Label4->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    layout->addWidget(Label4);

    connect(SSCommand1, &QPushButton::clicked, this, &r_andom::SSCommand1_Click);
    connect(new QShortcut(QKeySequence::HelpContents, this), &QShortcut::activated, this, &r_andom::SSCommand1_Click);
    connect(SSCommand2, &QPushButton::clicked, this, &r_andom::SSCommand2_Click);
    connect(SSCommand3, &QPushButton::clicked, this, &r_andom::SSCommand3_Click);
    connect(SSCommand4, &QPushButton::clicked, this, &r_andom::SSCommand4_Click);
    connect(SSCommand8, &QPushButton::clicked, this, &r_andom::SSCommand8_Click);
    connect(SSCommand9, &QPushButton::clicked, this, &r_andom::SSCommand9_Click);

    // One width for the buttons of both sections, so that their columns line up.
    int buttonWidth = 0;
    for (const auto* column : {&SSCommand5, &SSCommand6, &SSCommand7})
        for (const QPushButton* button : *column)
            buttonWidth = std::max(buttonWidth, button->sizeHint().width());
    for (auto* column : {&SSCommand5, &SSCommand6, &SSCommand7})
        for (QPushButton* button : *column)
            button->setFixedWidth(buttonWidth);

    installStatusLine(this, Label4);
    nameControlsForAccessibility(this);
}

QWidget* r_andom::buildSection(int index)
{
    const auto i = static_cast<std::size_t>(index);
    auto* frame = new QFrame(this);
    frame->setFrameShape(QFrame::StyledPanel);
    auto* grid = new QGridLayout(frame);

    FXLabel1[i] = makeHeading(index == 0 ? QStringLiteral("Select PICTURE paths for random slide show")
                                         : QStringLiteral("Select SOUND paths for random slide show"),
                              frame);
    FXLabel1[i]->setObjectName(controlName("FXLabel1", index));
    setStatusText(FXLabel1[i], Status::headings[i]);
    grid->addWidget(FXLabel1[i], 0, 0, 1, 4);

    // Made first, so that the tab order runs drive, folders, files, buttons, paths.
    auto* browser = new FileBrowser(frame, index == 0 ? picturePattern() : soundPattern(), controlName("Drive1", index),
                                    controlName("Dir1", index), controlName("File1", index));
    browsers_[i] = browser;
    const QString kind = QLatin1String(kinds[i]);
    browser->driveList()->setAccessibleName(kind + QStringLiteral(" drive"));
    browser->folderList()->setAccessibleName(kind + QStringLiteral(" folders"));
    browser->fileList()->setAccessibleName(kind + QStringLiteral(" files"));
    setStatusText(browser->folderList(), Status::folders[i]);
    setStatusText(browser->fileList(), Status::files[i]);
    grid->addWidget(browser->driveList(), 1, 0);
    grid->addWidget(browser->folderList(), 2, 0, 2, 1);
    grid->addWidget(browser->fileList(), 1, 1, 3, 1);
    connect(browser, &FileBrowser::filesDropped, this, [browser](const QStringList& paths) {
        const QFileInfo dropped(paths.first());
        browser->setFolder(isFolder(paths.first()) ? dropped.absoluteFilePath() : dropped.absolutePath());
    });

    auto* buttons = new QVBoxLayout;
    // Alt letters unique in the window: the two sections' like buttons take different ones.
    SSCommand5[i] = makeButton(index == 0 ? QStringLiteral("&Add") : QStringLiteral("A&dd"),
                               controlName("SSCommand5", index), Status::add[i], frame);
    SSCommand6[i] = makeButton(index == 0 ? QStringLiteral("D&elete") : QStringLiteral("De&lete"),
                               controlName("SSCommand6", index), Status::remove[i], frame);
    SSCommand7[i] = makeButton(index == 0 ? QStringLiteral("&Preview Picture") : QStringLiteral("Preview A&udio"),
                               controlName("SSCommand7", index), Status::preview[i], frame);
    SSCommand5[i]->setAccessibleName(QStringLiteral("Add ") + kind.toLower() + QStringLiteral(" path"));
    SSCommand6[i]->setAccessibleName(QStringLiteral("Delete ") + kind.toLower() + QStringLiteral(" paths"));
    buttons->addWidget(SSCommand5[i]);
    buttons->addWidget(SSCommand6[i]);
    buttons->addWidget(SSCommand7[i]);
    buttons->addStretch(1);
    grid->addLayout(buttons, 1, 2, 3, 1);

    List1[i] = new QListWidget(frame);
    List1[i]->setObjectName(controlName("List1", index));
    List1[i]->setSelectionMode(QAbstractItemView::ExtendedSelection);
    List1[i]->setTextElideMode(Qt::ElideMiddle);  // both ends of a long path tell more than its start
    List1[i]->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    List1[i]->setAccessibleName(kind + QStringLiteral(" paths of the random show"));
    List1[i]->viewport()->setAcceptDrops(true);
    List1[i]->viewport()->installEventFilter(this);
    List1[i]->installEventFilter(this);
    setStatusText(List1[i], Status::lists[i]);
    grid->addWidget(List1[i], 1, 3, 2, 1);

    auto* subfolders = new QHBoxLayout;
    Check1[i] = new QCheckBox(index == 0 ? QStringLiteral("&Include") : QStringLiteral("I&nclude"), frame);
    Check1[i]->setObjectName(controlName("Check1", index));
    Check1[i]->setAccessibleName(QStringLiteral("Include ") + kind.toLower() + QStringLiteral(" subdirectories"));
    QLabel*& label = index == 0 ? Label1 : Label2;
    label = new QLabel(QStringLiteral("subdirectories"), frame);
    label->setObjectName(index == 0 ? QStringLiteral("Label1") : QStringLiteral("Label2"));
    label->installEventFilter(this);
    setStatusText(Check1[i], Status::subfolders[i]);
    setStatusText(label, Status::subfolders[i]);
    subfolders->setSpacing(0);  // "Include" and "subdirectories" read as one caption
    subfolders->addWidget(Check1[i]);
    subfolders->addWidget(label);
    subfolders->addStretch(1);
    grid->addLayout(subfolders, 3, 3);

    connect(SSCommand5[i], &QPushButton::clicked, this, [this, index] { SSCommand5_Click(index); });
    connect(SSCommand6[i], &QPushButton::clicked, this, [this, index] { SSCommand6_Click(index); });
    connect(SSCommand7[i], &QPushButton::clicked, this, [this, index] { SSCommand7_Click(index); });
    connect(Check1[i], &QCheckBox::clicked, this, [this, index] { Check1_Click(index); });

    const int rows = fontMetrics().lineSpacing();
    for (QWidget* list : {static_cast<QWidget*>(browser->folderList()), static_cast<QWidget*>(browser->fileList())}) {
        list->setMinimumSize(rows * 14, rows * 8);
        list->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Expanding);  // widths from the stretches alone
    }
    browser->driveList()->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
    List1[i]->setMinimumWidth(rows * 18);
    grid->setColumnStretch(0, 4);  // the folder path needs more room than file names
    grid->setColumnStretch(1, 3);
    grid->setColumnStretch(3, 5);
    grid->setRowStretch(2, 1);
    return frame;
}

QWidget* r_andom::buildOptions()
{
    auto* frame = new QFrame(this);
    frame->setFrameShape(QFrame::StyledPanel);
    auto* grid = new QGridLayout(frame);
    FXLabel1[2] = makeHeading(QStringLiteral("Options"), frame);
    FXLabel1[2]->setObjectName(QStringLiteral("FXLabel1_2"));
    setStatusText(FXLabel1[2], Status::headings[1]);
    grid->addWidget(FXLabel1[2], 0, 0, 1, 6);

    const QString delayHelp =
        QStringLiteral("This is where you adjust the delay (in seconds) how long each picture will be displayed.");
    FXLabel11 = new QLabel(QStringLiteral("Picture dela&y"), frame);
    FXLabel11->setObjectName(QStringLiteral("FXLabel11"));
    setStatusText(FXLabel11, delayHelp);
    Text1 = new QLineEdit(frame);
    Text1->setObjectName(QStringLiteral("Text1"));
    Text1->setAlignment(Qt::AlignRight);
    Text1->setFixedWidth(fontMetrics().horizontalAdvance(QStringLiteral("00000")) + 12);
    Text1->setAccessibleName(QStringLiteral("Picture delay in seconds"));
    setStatusText(Text1, QStringLiteral("Click here to enter a number (in seconds) for how long each picture will be "
                                        "displayed."));
    FXLabel11->setBuddy(Text1);
    VScroll1 = new QScrollBar(Qt::Vertical, frame);
    VScroll1->setObjectName(QStringLiteral("VScroll1"));
    VScroll1->setFixedHeight(Text1->sizeHint().height());
    VScroll1->setAccessibleName(QStringLiteral("Change the picture delay"));
    setStatusText(VScroll1, delayHelp);
    Label3 = new QLabel(QStringLiteral("(Seconds)"), frame);
    Label3->setObjectName(QStringLiteral("Label3"));
    setStatusText(Label3, delayHelp);
    attachDelayEntry(Text1, VScroll1);

    SSCheck1 = new QCheckBox(QStringLiteral("Loop .&WAV files"), frame);
    SSCheck1->setObjectName(QStringLiteral("SSCheck1"));
    setStatusText(SSCheck1, QStringLiteral("Click here to toggle Audio file looping on or off."));
    SSCheck2 = new QCheckBox(QStringLiteral("&Show Filenames"), frame);
    SSCheck2->setObjectName(QStringLiteral("SSCheck2"));
    setStatusText(SSCheck2, QStringLiteral("Click here to toggle the [Show filenames of each picture] option off or on."));

    auto* delay = new QHBoxLayout;
    delay->setSpacing(2);
    delay->addWidget(Text1);
    delay->addWidget(VScroll1);
    grid->addWidget(FXLabel11, 1, 0);
    grid->addLayout(delay, 1, 1);
    grid->addWidget(Label3, 1, 2);
    grid->addWidget(SSCheck1, 1, 4);
    grid->addWidget(SSCheck2, 1, 5);
    grid->setColumnMinimumWidth(3, fontMetrics().averageCharWidth() * 6);
    grid->setColumnStretch(6, 1);
    return frame;
}

void r_andom::Form_Load()
{
    // An older version's test run that died may have left the user's configuration set aside.
    restoreRandomConfigAfterInterruptedTest();
    LoadRandomShowConfig();
    const RandomShowConfig& config = randomShowConfig();
    configUiState().speedAdjusterEdit = globalSettings().randomSpeedAdjuster;

    browsers_[0]->setFallbackFolder(startupState().randomPictureBrowseDir);
    browsers_[1]->setFallbackFolder(startupState().randomAudioBrowseDir);
    browsers_[0]->setFolder(startupState().randomPictureBrowseDir);
    browsers_[1]->setFolder(startupState().randomAudioBrowseDir);
    for (QListWidget* list : List1)
        list->clear();
    for (int i = 1; i <= config.pictureDirCount(); ++i)
        addEntry(List1[0], config.pictureDirs[static_cast<std::size_t>(i)]);
    for (int i = 1; i <= config.audioDirCount(); ++i)
        addEntry(List1[1], config.audioDirs[static_cast<std::size_t>(i)]);
    Check1[0]->setChecked(config.pictureSubdirs == 1);
    Check1[1]->setChecked(config.audioSubdirs == 1);
    SSCheck1->setChecked(config.loopAudio == 1);
    SSCheck2->setChecked(config.showFileNames == 1);
    Text1->setText(QString::number(config.delaySeconds));
    UpdateButtonStates();
    // As the window shows it, so that only the user's own edits count as changes.
    takeSettingsFromWindow();
    savedConfig_ = randomShowConfig();

    adjustSize();
    centre_on_screen(this);
    browsers_[0]->folderList()->setFocus();
}

void r_andom::Check1_Click(int index)
{
    const std::int16_t value = Check1[static_cast<std::size_t>(index)]->isChecked() ? 1 : 0;
    (index == 0 ? randomShowConfig().pictureSubdirs : randomShowConfig().audioSubdirs) = value;
}

void r_andom::addFolder(int index, const QString& folder)
{
    // The setup's file holds folder names as a show file holds its names.
    if (keepStorableNames({folder}).isEmpty())
        return;
    QListWidget* list = List1[static_cast<std::size_t>(index)];
    QStringList entries;
    for (int row = 0; row < list->count(); ++row)
        entries.append(entryPath(list->item(row)));
    if (addFolderEntry(entries, folder)) {
        addEntry(list, entries.last());
        list->setCurrentRow(list->count() - 1, QItemSelectionModel::ClearAndSelect);
    } else {
        Label4->setText(QStringLiteral("%1 is already in the list.").arg(displayFileName(folderListEntry(folder))));
    }
}

void r_andom::SSCommand5_Click(int index)
{
    addFolder(index, browsers_[static_cast<std::size_t>(index)]->folder());
    UpdateButtonStates();
    let_events_run();
}

void r_andom::SSCommand6_Click(int index)
{
    QListWidget* list = List1[static_cast<std::size_t>(index)];
    for (int row = list->count() - 1; row >= 0; --row) {
        if (list->item(row)->isSelected())
            delete list->takeItem(row);
    }
    UpdateButtonStates();
}

void r_andom::SSCommand7_Click(int index)
{
    FileBrowser& files = *browsers_[static_cast<std::size_t>(index)];
    const QString name = files.currentFileName();
    if (name.isEmpty())
        return;
    const QString path = files.pathOf(name);
    if (index == 0) {
        // The viewer shows position 0 of the picture column. The column keeps its length:
        // a custom show held in memory must stay whole.
        configUiState().currentSlide = 0;
        customShow().picture[0] = path;
        open_picture_viewer(this);
        return;
    }
    stopPreviewSound();
    FXSnd1.setDeviceType(path.right(3).toUpper() == QLatin1String("WAV") ? FXSnd::deviceWaveAudio : FXSnd::deviceMidi);
    FXSnd1.setLoop(false);
    FXSnd1.setFileName(path);
}

void r_andom::stopPreviewSound()
{
    FXSnd1.setFileName(QString());
    FXSnd1.setCommand(FXSnd::commandStop);
}

void r_andom::UpdateButtonStates()
{
    const bool anyPictureFolder = List1[0]->count() > 0;
    SSCommand8->setEnabled(anyPictureFolder);
    SSCommand4->setEnabled(anyPictureFolder);
}

void r_andom::SSCommand1_Click()
{
    stopPreviewSound();
    open_help(QStringLiteral("Random"));
}

void r_andom::SSCommand2_Click()
{
    stopPreviewSound();
    open_global_options(this);
    wait_seconds(0);
}

void r_andom::SSCommand3_Click()
{
    stopPreviewSound();
    open_effect_chooser(this);
}

void r_andom::SSCommand4_Click()
{
    stopPreviewSound();
    takeSettingsFromWindow();
    // The show ends the whole program when it finds no picture; here that would throw the
    // user's edits away with it.
    if (!findsAnyPicture(randomShowConfig())) {
        const QString first = randomShowConfig().pictureDirCount() > 0 ? randomShowConfig().pictureDirs[1] : QString();
        showMessage(QStringLiteral("No picture files were found in %1.   Please add a folder that holds pictures.")
                        .arg(displayFileName(first)));
        return;
    }
    GlobalSettings& settings = globalSettings();
    const std::int16_t kind = settings.randomFlag;
    settings.randomFlag = 1;  // the test is of the random show, whichever kind the title screen chose
    // Nothing here may be pressed while the show runs; the focus comes back where it was.
    const QPointer<QWidget> focused = focusWidget();
    setEnabled(false);
    runWithEditedRandomConfig([] { run_test_show(); });
    setEnabled(true);
    settings.randomFlag = kind;
    screen_saver_off();
    activateWindow();
    if (focused != nullptr)
        focused->setFocus(Qt::OtherFocusReason);
}

void r_andom::takeSettingsFromWindow()
{
    RandomSetupValues values;
    values.delaySeconds = delayEntryValue(Text1);
    values.loopAudio = SSCheck1->isChecked();
    values.showFileNames = SSCheck2->isChecked();
    for (int i = 0; i < 2; ++i) {
        QStringList& entries = i == 0 ? values.pictureDirs : values.audioDirs;
        for (int row = 0; row < List1[static_cast<std::size_t>(i)]->count(); ++row)
            entries.append(entryPath(List1[static_cast<std::size_t>(i)]->item(row)));
    }
    takeSettings(values, randomShowConfig());
}

void r_andom::rememberBrowseFolders()
{
    startupState().randomPictureBrowseDir = browsers_[0]->folder();
    startupState().randomAudioBrowseDir = browsers_[1]->folder();
}

void r_andom::SSCommand8_Click()
{
    stopPreviewSound();
    rememberBrowseFolders();
    takeSettingsFromWindow();
    // A failed or declined save has said why; the window stays open so nothing is lost.
    if (SaveRandomShowConfig() != 0)
        return;
    leave();
}

void r_andom::SSCommand9_Click()
{
    stopPreviewSound();
    rememberBrowseFolders();
    leave();
}

void r_andom::leave()
{
    if (left_)
        return;
    left_ = true;
    configUiState().editorOpen = false;
    retireProgramWindow(this);
}

void r_andom::keyPressEvent(QKeyEvent* event)
{
    const bool plain = event->modifiers() == Qt::NoModifier || event->modifiers() == Qt::KeypadModifier;
    if (plain && event->key() == Qt::Key_Escape) {
        if (mayLeave())
            SSCommand9->click();
        return;
    }
    if (plain && (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)) {
        if (SSCommand8->isEnabled())
            SSCommand8->click();
        return;
    }
    QWidget::keyPressEvent(event);
}

void r_andom::closeEvent(QCloseEvent* event)
{
    // The close box, or the desktop ending the session: as "&Cancel", once unsaved
    // changes are saved or given up.
    if (!left_ && !mayLeave()) {
        event->ignore();
        return;
    }
    if (!left_)
        SSCommand9_Click();
    event->accept();
}

bool r_andom::mayLeave()
{
    takeSettingsFromWindow();
    if (randomShowConfig() == savedConfig_)
        return true;
    const MessageAnswer answer = showMessage(Message{QStringLiteral("Save changes to %1?").arg(randomShowConfigFileName),
                                                     windowTitle(), MessageButtons::YesNoCancel,
                                                     MessageIcon::Question, MessageAnswer::Cancel});
    if (answer == MessageAnswer::No)
        return true;
    return answer == MessageAnswer::Yes && SaveRandomShowConfig() == 0;
}

bool r_andom::eventFilter(QObject* watched, QEvent* event)
{
    for (int i = 0; i < 2; ++i) {
        const auto index = static_cast<std::size_t>(i);
        if (List1[index] == nullptr)  // still being built
            break;
        if (watched == List1[index]->viewport()) {
            if (event->type() == QEvent::DragEnter || event->type() == QEvent::DragMove) {
                auto* drag = static_cast<QDropEvent*>(event);
                if (droppedFolders(drag->mimeData()).isEmpty())
                    return false;
                drag->acceptProposedAction();
                return true;
            }
            if (event->type() == QEvent::Drop) {
                auto* drop = static_cast<QDropEvent*>(event);
                const QStringList folders = droppedFolders(drop->mimeData());
                if (folders.isEmpty())
                    return false;
                for (const QString& folder : folders)
                    addFolder(i, folder);
                UpdateButtonStates();
                drop->acceptProposedAction();
                return true;
            }
        } else if (watched == List1[index] && event->type() == QEvent::KeyPress
                   && static_cast<QKeyEvent*>(event)->key() == Qt::Key_Delete) {
            SSCommand6_Click(i);
            return true;
        } else if (watched == (i == 0 ? Label1 : Label2) && event->type() == QEvent::MouseButtonRelease) {
            Check1[index]->click();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace qv
