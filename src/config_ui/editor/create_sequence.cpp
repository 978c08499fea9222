#include "config_ui/editor/create_sequence.h"

#include "components/platform/file_names.h"
#include "config_ui/common/accessible_names.h"
#include "config_ui/common/busy_pointer.h"
#include "config_ui/common/config_ui_state.h"
#include "config_ui/common/partly_read_show.h"
#include "config_ui/common/status_line.h"
#include "config_ui/common/window_placement.h"
#include "config_ui/editor/editor_icons.h"
#include "config_ui/editor/slide_grid_panel.h"
#include "settings/global_settings.h"
#include "showdata/custom_show.h"
#include "showdata/custom_show_file.h"
#include "showdata/effect_catalogue.h"
#include "showdata/name_lookup.h"
#include "showdata/scratch_files.h"
#include "startup/program_windows.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFile>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QKeySequence>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>
#include <QPushButton>
#include <QScrollBar>
#include <QVBoxLayout>

namespace qv {
namespace {

QPointer<create_sequence>& openEditor()
{
    static QPointer<create_sequence> editor;
    return editor;
}

const QColor black(0, 0, 0);
const QColor darkBlue(0, 0, 128);
const QColor darkRed(128, 0, 0);
const QColor darkMagenta(128, 0, 128);
const QColor grey(128, 128, 128);
const QColor white(255, 255, 255);

struct ButtonText {
    const char* caption;
    const char* toolTip;
    const char* status;
};

// Captions carry accelerators for keyboard users; "&&" shows a single "&". The
// captions hold too few letters for all 25 buttons: the picture buttons and the two
// narrowest column buttons take Alt and a digit instead (altDigitButtons).
const std::array<ButtonText, create_sequence::buttonCount> buttonTexts{{
    {"O&ptions", "View Global Options", "Click here to change slide show settings"},
    {"", "Design A Custom 3D Border For Your Slideshow!",
     "Click here to create a custom border that will be displayed around each picture"},
    {"", "View The Selected Position's Picture", "Click here to view the current picture"},
    {"", "Play The Selected Position's Audio File", "Click here to play the current audio file"},
    {"", "Print Out A Data Sheet Of Your Slideshow Information", "Click here to print a slide show data sheet"},
    {"", "View The Quintavue Help File", "Click here to view slideshow's help file"},
    {"P&icture", "", "Click here to select a new picture"},
    {"D&escription", "", "Click here to edit the picture's description"},
    {"Del", "", "Click here to edit the picture's delay"},
    {"Video E&ffect && Speed", "", "Click here to edit the picture's video effect and speed"},
    {"A&udio", "", "Click here to select an audio file to be played when the picture is displayed"},
    {"Lp", "", "Click here to switch between audio looping on or off"},
    {"&Add", "", "Click here to add pictures to slide show"},
    {"&Delete", "", "Click here to delete the current highlighted picture"},
    {"I&nsert", "", "Click here to insert a new picture before the current row"},
    {"S&wap", "", "Click here to swap the current picture's position with another"},
    {"Pre&view", "", "Click here to preview the current picture in full screen"},
    {"&Reset", "", "Click here to reset the current slide show and start over"},
    {"L&oad", "", "Click here to load a previously saved slide show"},
    {"&Save", "", "Click here to save the current slide show"},
    {"Save && E&xit", "", "Click here to save the current slide show and exit"},
    {"De&lete", "", "Click here to delete a previously saved slide show"},
    {"&Test", "", "Click here to test the current slide show in full screen"},
    {"&Cancel", "", "Click here to exit back to the title screen"},
    {"C&hoose Effects", "",
     "Click here to choose effects for RANDOM SLIDESHOW and RANDOM EFFECT used by CUSTOM slideshow."},
}};

const std::array<const char*, slideColumns> columnTips{
    "This is the picture's file path",
    "This is the picture's description that will be displayed during the slide show",
    "This is how long in seconds the picture will be displayed",
    "This is the picture's video effect that will be used when the picture is displayed",
    "This is the speed of the picture's video effect",
    "This is the audio file path that will be played when the picture is shown",
    "This shows you if the audio file will loop or only play once when it is played",
};

// The buttons reached by Alt and a digit, 1 to 7 in this order, named in their tool tips.
constexpr std::array<int, 7> altDigitButtons{1, 2, 3, 4, 5, 8, 11};

// The buttons that need a slide to work on.
constexpr std::array<int, 18> slideButtons{2, 3, 4, 6, 7, 8, 9, 10, 11, 13, 14, 15, 16, 17, 19, 20, 21, 22};

// Columns in characters, so the grid keeps its proportions at any font size.
constexpr std::array<int, slideColumns> columnWidths{20, 28, 4, 18, 4, 20, 4};

void setTextColour(QWidget* widget, const QColor& enabled, const QColor& disabled)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Active, QPalette::ButtonText, enabled);
    palette.setColor(QPalette::Inactive, QPalette::ButtonText, enabled);
    palette.setColor(QPalette::Disabled, QPalette::ButtonText, disabled);
    widget->setPalette(palette);
}

void setCellColours(QLabel* cell, const QColor& background, const QColor& text)
{
    QPalette palette = cell->palette();
    for (const auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        palette.setColor(group, QPalette::Window, background);
        palette.setColor(group, QPalette::WindowText, text);
    }
    cell->setPalette(palette);
}

// A column's button is as narrow as its caption, so that the narrow number columns
// stay narrow; the column's cells decide the width.
class HeaderButton final : public QPushButton {
public:
    using QPushButton::QPushButton;
    QSize sizeHint() const override
    {
        const QSize usual = QPushButton::sizeHint();
        return {fontMetrics().horizontalAdvance(text().remove(QLatin1Char('&'))) + 12, usual.height()};
    }
    QSize minimumSizeHint() const override { return sizeHint(); }
};

// A grid cell keeps the width its column was given whatever its text, so that a
// long path never pushes the columns about; the text is clipped instead.
// A grid cell shows as much of its text as its width holds, cut with "…" where the
// rest does not fit (a path at its start, so that the file name stays), and the whole
// text as its tool tip: a wider window shows more of every path and description.
class GridCell final : public QLabel {
public:
    using QLabel::QLabel;
    QSize sizeHint() const override { return {minimumWidth(), minimumHeight()}; }
    QSize minimumSizeHint() const override { return sizeHint(); }

    void setWholeText(const QString& text, Qt::TextElideMode cut)
    {
        fitted_ = true;
        whole_ = text;
        cut_ = cut;
        setToolTip(cut == Qt::ElideNone ? QString() : text);
        fit();
    }

protected:
    void resizeEvent(QResizeEvent* event) override
    {
        QLabel::resizeEvent(event);
        fit();
    }

private:
    void fit()
    {
        if (!fitted_)
            return;  // a position cell: its number always fits
        const int room = contentsRect().width() - indent() - 1;
        setText(cut_ == Qt::ElideNone ? whole_ : fontMetrics().elidedText(whole_, cut_, std::max(0, room)));
    }

    QString whole_;
    Qt::TextElideMode cut_ = Qt::ElideNone;
    bool fitted_ = false;
};

Qt::TextElideMode cutOf(int column)
{
    switch (column) {
    case PictureColumn:
    case AudioColumn:
        return Qt::ElideLeft;
    case DescriptionColumn:
        return Qt::ElideRight;
    default:
        return Qt::ElideNone;
    }
}

// The show's file name: a name of any length is shortened in its middle to the space
// the window gives it, and never widens the window.
class FileNameLabel final : public QLabel {
public:
    using QLabel::QLabel;
    QSize sizeHint() const override
    {
        const int most = fontMetrics().horizontalAdvance(QLatin1Char('n')) * 48;
        return {std::min(QLabel::sizeHint().width(), most), QLabel::sizeHint().height()};
    }
    QSize minimumSizeHint() const override { return {0, QLabel::minimumSizeHint().height()}; }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        painter.setPen(palette().color(QPalette::WindowText));
        const QRect area = contentsRect();
        // Only as much of a huge name as could ever show is measured.
        const QString shown = fontMetrics().elidedText(text().left(4096), Qt::ElideMiddle, area.width());
        painter.drawText(area, int(alignment()), shown);
    }
};

void hideTitleScreen()
{
    const QWidgetList windows = QApplication::topLevelWidgets();
    for (QWidget* window : windows) {
        if (window->objectName() == QLatin1String("FrmTitle") && window->isVisible())
            window->hide();
    }
}

} // namespace

create_sequence::create_sequence(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("create_sequence"));
    setWindowTitle(QStringLiteral("Custom Slide Show Editor"));
    for (const ButtonText& text : buttonTexts)
        StatusTips << QString::fromUtf8(text.status);
    for (const char* tip : columnTips)
        StatusTips << QString::fromUtf8(tip);
    buildControls();
}

create_sequence::~create_sequence()
{
    if (grid_ != nullptr)
        grid_->forgetEditor();
    if (openEditorGrid() == this)
        setOpenEditorGrid(nullptr);
}

create_sequence* create_sequence::current() { return openEditor().data(); }

void create_sequence::open()
{
    auto* editor = new create_sequence;
    registerProgramWindow(editor);
    openEditor() = editor;
    configUiState().editorOpen = true;
    editor->Form_Load();
    editor->show();
}

void create_sequence::buildControls()
{
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(buildGrid());

    auto* labels = new QHBoxLayout;
    FXLabel1 = new QLabel(this);
    FXLabel1->setObjectName(QStringLiteral("FXLabel1"));
    FXLabel2 = new FileNameLabel(this);
    FXLabel2->setObjectName(QStringLiteral("FXLabel2"));
    for (QLabel* label : {FXLabel1, FXLabel2}) {
        QFont font = label->font();
        font.setBold(true);
        label->setFont(font);
        QPalette palette = label->palette();
        palette.setColor(QPalette::WindowText, darkBlue);
        label->setPalette(palette);
    }
    setStatusText(FXLabel1, QStringLiteral("This shows how many pictures are currently in the slide show"));
    setStatusText(FXLabel2, QStringLiteral("This shows the filename for the current slide show"));
    labels->addWidget(FXLabel1);
    labels->addStretch(1);
    labels->addWidget(FXLabel2);
    layout->addLayout(labels);

    layout->addWidget(buildButtons());

    Label2 = new QLabel(this);
    Label2->setObjectName(QStringLiteral("Label2"));
    Label2->setFrameShape(QFrame::StyledPanel);
    Label2->setFrameShadow(QFrame::Sunken);
    Label2->setTextFormat(Qt::PlainText);
    Label2->setMinimumHeight(Label2->fontMetrics().height() * 2 + 6);
    Label2->setWordWrap(true);
    layout->addWidget(Label2);

    for (int k = 0; k < buttonCount; ++k)
        setStatusText(buttons_[static_cast<std::size_t>(k)], StatusTips[k]);
    installStatusLine(this, Label2);
    nameControlsForAccessibility(this);
    // The two "Delete" buttons and the picture buttons say what they act on.
    for (int k = 0; k < buttonCount; ++k) {
        QPushButton* button = buttons_[static_cast<std::size_t>(k)];
        button->setAccessibleDescription(StatusTips[k]);
        if (!button->toolTip().isEmpty())
            button->setAccessibleName(button->toolTip());
    }
    buttons_[13]->setAccessibleName(QStringLiteral("Delete slide"));
    buttons_[21]->setAccessibleName(QStringLiteral("Delete saved show"));

    setAcceptDrops(false);
}

QWidget* create_sequence::buildGrid()
{
    grid_ = new SlideGridPanel(this);
    grid_->setObjectName(QStringLiteral("Grid"));
    auto* layout = new QGridLayout(grid_);
    layout->setContentsMargins(1, 1, 1, 1);
    layout->setSpacing(1);

    FXLabel3 = new QLabel(QStringLiteral("Pos"), grid_);
    FXLabel3->setObjectName(QStringLiteral("FXLabel3"));
    FXLabel3->setAlignment(Qt::AlignCenter);
    FXLabel3->setAutoFillBackground(true);
    setStatusText(FXLabel3, QStringLiteral("This shows the picture's sequence when it will be displayed during the slide show"));
    layout->addWidget(FXLabel3, 0, 0);

    const QFontMetrics metrics = fontMetrics();
    const int cellHeight = metrics.height() + 4;
    // Paths are mostly lower-case letters: an "n" is a fair average of their width.
    const int charWidth = metrics.horizontalAdvance(QLatin1Char('n'));
    for (int index = 6; index <= 11; ++index) {
        auto* header = new HeaderButton(grid_);
        buttons_[static_cast<std::size_t>(index)] = header;
        header->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
        const int column = index - 6 + (index > 9 ? 1 : 0);
        layout->addWidget(header, 0, column + 1, 1, index == 9 ? 2 : 1);
    }

    for (int index = 0; index < gridCells; ++index) {
        auto* cell = new GridCell(grid_);
        cells_[static_cast<std::size_t>(index)] = cell;
        cell->setObjectName(QStringLiteral("Label1_%1").arg(index));
        cell->setProperty("qvCell", index);
        cell->setTextFormat(Qt::PlainText);
        cell->setAutoFillBackground(true);
        cell->setMouseTracking(true);
        cell->setFixedHeight(cellHeight);
        cell->setIndent(3);
        cell->installEventFilter(this);
        if (index < slideCells) {
            const int column = index % slideColumns;
            cell->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
            cell->setMinimumWidth(charWidth * columnWidths[static_cast<std::size_t>(column)] + 6);
            if (column == DelayColumn || column == SpeedColumn)
                cell->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
            else if (column == LoopColumn)
                cell->setAlignment(Qt::AlignCenter);
            else
                cell->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
            setCellColours(cell, white, black);
            setStatusText(cell, StatusTips[24 + column]);
            layout->addWidget(cell, index / slideColumns + 1, column + 1);
        } else {
            // Position numbers only label the rows: they take no clicks.
            const int row = index - firstPositionCell;
            cell->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
            cell->setMinimumWidth(metrics.horizontalAdvance(QStringLiteral("00000")) + 6);
            cell->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
            setCellColours(cell, QColor(224, 224, 224), darkBlue);
            setStatusText(cell, QStringLiteral("This shows the picture's sequence when it will be displayed during the slide show"));
            layout->addWidget(cell, row + 1, 0);
        }
    }
    layout->setColumnStretch(2, 3);
    layout->setColumnStretch(1, 2);
    layout->setColumnStretch(4, 2);
    layout->setColumnStretch(6, 2);

    VScroll1 = new QScrollBar(Qt::Vertical, grid_);
    VScroll1->setObjectName(QStringLiteral("VScroll1"));
    VScroll1->setToolTip(QStringLiteral("Scroll through the slides"));
    VScroll1->setRange(1, 1);
    VScroll1->setEnabled(false);
    layout->addWidget(VScroll1, 1, slideColumns + 1, gridRows, 1);
    connect(VScroll1, &QScrollBar::valueChanged, this, &create_sequence::VScroll1_Change);

    QPalette background = grid_->palette();
    background.setColor(QPalette::Window, grey);
    grid_->setPalette(background);
    grid_->setAutoFillBackground(true);
    return grid_;
}

QWidget* create_sequence::buildButtons()
{
    auto* panel = new QWidget(this);
    auto* layout = new QVBoxLayout(panel);
    layout->setContentsMargins(0, 0, 0, 0);

    auto makeButton = [this](int index, QWidget* parent) {
        QPushButton*& button = buttons_[static_cast<std::size_t>(index)];
        if (button == nullptr)
            button = new QPushButton(parent);
        const ButtonText& text = buttonTexts[static_cast<std::size_t>(index)];
        button->setObjectName(QStringLiteral("SSCommand1_%1").arg(index));
        button->setText(QString::fromUtf8(text.caption));
        button->setToolTip(QString::fromUtf8(text.toolTip));
        button->setAutoDefault(false);
        setTextColour(button, darkBlue, grey);
        connect(button, &QPushButton::clicked, this, [this, index] { SSCommand1_Click(index); });
        return button;
    };
    for (int index = 6; index <= 11; ++index)
        makeButton(index, nullptr);

    auto* tools = new QHBoxLayout;
    tools->addWidget(makeButton(0, panel));
    // Drawn once: every opening of the editor shows the same pictures.
    static const std::array<QIcon, 5> icons{borderButtonIcon(), viewPictureIcon(), playSoundIcon(),
                                            printSheetIcon(), helpIcon()};
    for (int index = 1; index <= 5; ++index) {
        QPushButton* button = makeButton(index, panel);
        button->setIcon(icons[static_cast<std::size_t>(index - 1)]);
        const int side = fontMetrics().height() + 4;
        button->setIconSize(QSize(side, side));
        tools->addWidget(button);
    }
    tools->addStretch(1);
    tools->addWidget(makeButton(24, panel));
    layout->addLayout(tools);

    auto addRow = [&](const QString& title, std::initializer_list<int> indexes) {
        auto* box = new QGroupBox(title, panel);
        auto* row = new QHBoxLayout(box);
        for (const int index : indexes)
            row->addWidget(makeButton(index, box));
        layout->addWidget(box);
    };
    addRow(QStringLiteral("Slides"), {12, 13, 14, 15, 16, 17});
    addRow(QStringLiteral("Slide show"), {18, 19, 20, 21, 22, 23});

    for (std::size_t digit = 1; digit <= altDigitButtons.size(); ++digit) {
        QPushButton* button = buttons_[static_cast<std::size_t>(altDigitButtons[digit - 1])];
        button->setShortcut(QKeySequence(Qt::ALT | static_cast<Qt::Key>(Qt::Key_0 + digit)));
        const QString key = QStringLiteral("Alt+%1").arg(digit);
        button->setToolTip(button->toolTip().isEmpty() ? key : button->toolTip() + QStringLiteral(" (") + key + u')');
    }

    setTextColour(buttons_[16], darkMagenta, grey);
    setTextColour(buttons_[23], darkRed, grey);

    // Tab order: the grid, its column buttons, then the rows of buttons as they read.
    QWidget* previous = grid_;
    for (const int index : {6, 7, 8, 9, 10, 11, 0, 1, 2, 3, 4, 5, 24, 12, 13, 14, 15, 16, 17, 18, 19, 20, 21, 22, 23}) {
        QWidget::setTabOrder(previous, buttons_[static_cast<std::size_t>(index)]);
        previous = buttons_[static_cast<std::size_t>(index)];
    }
    return panel;
}

void create_sequence::Form_Load()
{
    adjustSize();
    centre_on_screen(this);

    ConfigUiState& state = configUiState();
    CustomShow& show = customShow();
    GlobalSettings& settings = globalSettings();
    state.editorState = 0;
    state.selectedRow = 0;
    state.topRow = 1;
    state.highlightedRow = 0;
    state.currentSlide = 0;
    show.resizeSlides(0);
    state.defaultDelay = 10;
    BuildEffectCatalogue();
    Loading = true;
    setOpenEditorGrid(this);

    // A test run or preview that never finished (a crash, a power cut) leaves its
    // copies behind; they are of no use to anyone now.
    DeleteScratchFiles();
    for (const QString& name : namesMatchingIgnoringCase(settings.slideshowPath, QStringLiteral("tdz.css")))
        removeFile(settings.slideshowPath + name);

    state.partlyReadShow.clear();
    const QString name = settings.activeCss.toUpper();
    if (name != QLatin1String("EMPTY") && name != QLatin1String("NEW EDIT")) {
        if (LoadCustomShow() != 0 || !editorCanHold(show.slideCount, settings.activeCss)) {
            // The grid stays blank, and the part that was read is not kept: saving it
            // would shorten the file without a word.
            show.resizeSlides(0);
            show.pictureCount = 0;
            if (entryExists(resolvePathIgnoringCase(customShowSavePath())))
                state.partlyReadShow = settings.activeCss;
        } else {
            state.editorState = 2;
            state.topRow = 1;
            state.currentSlide = 1;
            state.selectedRow = 0;
            state.highlightedRow = 0;
            HighlightRow(0);
            RefreshGrid();
            ConfigureScrollBar();
        }
    }
    if (settings.activeCss == QLatin1String("NEW EDIT"))
        settings.activeCss = QStringLiteral("EMPTY");

    FXLabel2->setText(ShowFileLabel());
    RefreshPictureColumn();
    UpdateButtonStates();
    rememberSavedState();
    Loading = false;
}

void create_sequence::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        Form_Activate();
    QWidget::changeEvent(event);
}

void create_sequence::Form_Activate()
{
    hideTitleScreen();
    SetNormalPointer();
    if (!activated_) {
        activated_ = true;
        grid_->setFocus(Qt::OtherFocusReason);
    }
}

void create_sequence::closeEvent(QCloseEvent* event)
{
    // The close box leaves the editor as Cancel does, once unsaved changes are saved
    // or given up.
    if (!finished_ && !mayLeave()) {
        event->ignore();
        return;
    }
    if (!finished_) {
        globalSettings().activeCss = configUiState().savedShowName;
        finish();
    }
    event->accept();
}

void create_sequence::finish()
{
    finished_ = true;
    configUiState().editorOpen = false;
    FXSnd1.setFileName(QString());
    FXSnd1.setCommand(FXSnd::commandClose);
    if (openEditorGrid() == this)
        setOpenEditorGrid(nullptr);
    retireProgramWindow(this);
}

// ---- The grid ---------------------------------------------------------------

void create_sequence::setColumnTexts(int column)
{
    const CustomShow& show = customShow();
    const int top = configUiState().topRow;
    for (int row = 0; row < gridRows; ++row)
        static_cast<GridCell*>(cells_[static_cast<std::size_t>(row * slideColumns + column)])
            ->setWholeText(slideCellText(show, top + row, column), cutOf(column));
}

void create_sequence::RefreshGrid()
{
    RefreshPictureColumn();
    RefreshDescriptionColumn();
    RefreshDelayColumn();
    RefreshEffectColumn();
    RefreshSpeedColumn();
    RefreshAudioColumn();
    RefreshLoopColumn();
}

void create_sequence::RefreshPictureColumn()
{
    const CustomShow& show = customShow();
    const int top = configUiState().topRow;
    for (int row = 0; row < gridRows; ++row) {
        const int slide = top + row;
        cells_[static_cast<std::size_t>(firstPositionCell + row)]->setText(
            slide <= show.slideCount ? QString::number(slide) : QString());
    }
    setColumnTexts(PictureColumn);
    FXLabel1->setText(QStringLiteral("Pictures in slide show =") + QString::number(show.slideCount));
}

void create_sequence::RefreshDescriptionColumn() { setColumnTexts(DescriptionColumn); }
void create_sequence::RefreshDelayColumn() { setColumnTexts(DelayColumn); }
void create_sequence::RefreshEffectColumn() { setColumnTexts(EffectColumn); }
void create_sequence::RefreshSpeedColumn() { setColumnTexts(SpeedColumn); }
void create_sequence::RefreshAudioColumn() { setColumnTexts(AudioColumn); }
void create_sequence::RefreshLoopColumn() { setColumnTexts(LoopColumn); }

void create_sequence::paintRow(int row, bool selected)
{
    if (row < 0 || row >= gridRows)
        return;
    highlighted_[static_cast<std::size_t>(row)] = selected;
    for (int column = 0; column < slideColumns; ++column)
        setCellColours(cells_[static_cast<std::size_t>(row * slideColumns + column)], selected ? darkBlue : white,
                       selected ? white : black);
    showFocusCell();
}

void create_sequence::HighlightRow(int firstCell) { paintRow(firstCell / slideColumns, true); }

void create_sequence::UnhighlightRow(int firstCell) { paintRow(firstCell / slideColumns, false); }

void create_sequence::ConfigureScrollBar()
{
    if (!VScroll1->isEnabled())
        return;
    ConfigUiState& state = configUiState();
    {
        const QSignalBlocker quiet(VScroll1);
        VScroll1->setRange(1, std::max(1, customShow().slideCount - (gridRows - 1)));
        VScroll1->setSingleStep(1);
        VScroll1->setPageStep(gridRows);
        VScroll1->setValue(state.topRow);
    }
    // A shorter show may have left the page beyond its end: the bar's clamp is a
    // scroll like any other.
    if (VScroll1->value() != state.topRow)
        VScroll1_Change(VScroll1->value());
}

void create_sequence::UpdateButtonStates()
{
    const bool any = customShow().slideCount > 0;
    for (const int index : slideButtons)
        buttons_[static_cast<std::size_t>(index)]->setEnabled(any);
    if (!any) {
        VScroll1->setEnabled(false);
    } else {
        VScroll1->setEnabled(customShow().slideCount > gridRows);
        ConfigureScrollBar();
    }
    showFocusCell();
}

void create_sequence::VScroll1_Change(int value)
{
    ConfigUiState& state = configUiState();
    state.topRow = static_cast<std::int16_t>(value);
    state.currentSlide = static_cast<std::int16_t>(state.topRow + state.selectedRow);
    RefreshGrid();
    // Off the bar, so its arrows do not keep the keys; the grid takes them instead.
    if (!Loading && !gridScrolling_ && VScroll1->hasFocus())
        grid_->setFocus(Qt::OtherFocusReason);
}

void create_sequence::Label1_Click(int index)
{
    if (index < 0 || index >= slideCells)
        return;
    selectRowOfCell(index, customShow(), configUiState(), *this);
    focusColumn_ = index % slideColumns;
    showFocusCell();
}

void create_sequence::Label1_DblClick(int index)
{
    static constexpr std::array<int, slideColumns> columnButton{6, 7, 8, 9, 9, 10, 11};
    if (index < 0 || index >= slideCells || customShow().slideCount == 0)
        return;
    const int row = index / slideColumns;
    if (configUiState().topRow + row > customShow().slideCount)
        return;
    // The click before a double-click has selected the row; make sure of it.
    Label1_Click(index);
    SSCommand1_Click(columnButton[static_cast<std::size_t>(index % slideColumns)]);
}

void create_sequence::Label1_MouseMove(int /*index*/, int x)
{
    if (x == lastPointerX)
        return;
    // Each text cell carries its whole text as its tool tip already (GridCell).
    lastPointerX = x;
}

bool create_sequence::eventFilter(QObject* watched, QEvent* event)
{
    auto* cell = qobject_cast<QLabel*>(watched);
    const QVariant cellIndex = cell == nullptr ? QVariant() : cell->property("qvCell");
    const int index = cellIndex.isValid() ? cellIndex.toInt() : -1;
    if (index >= 0 && index < slideCells) {
        switch (event->type()) {
        case QEvent::MouseButtonPress:
            if (static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
                grid_->setFocus(Qt::MouseFocusReason);
                Label1_Click(index);
                return true;
            }
            break;
        case QEvent::MouseButtonDblClick:
            if (static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
                Label1_DblClick(index);
                return true;
            }
            break;
        case QEvent::MouseMove:
            Label1_MouseMove(index, static_cast<int>(static_cast<QMouseEvent*>(event)->position().x()));
            break;
        default:
            break;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void create_sequence::showFocusCell()
{
    if (grid_ == nullptr)
        return;
    const ConfigUiState& state = configUiState();
    const bool marked = grid_->hasFocus() && customShow().slideCount > 0 && state.highlightedRow >= 0
                        && state.highlightedRow < gridRows;
    grid_->markCell(marked ? cells_[static_cast<std::size_t>(state.highlightedRow * slideColumns + focusColumn_)]
                           : nullptr);
    // Keyboard users read about the column they are on, as the pointer would tell them.
    if (marked && Label2 != nullptr)
        Label2->setText(StatusTips[24 + focusColumn_]);
}

void create_sequence::moveSelection(int step)
{
    const CustomShow& show = customShow();
    ConfigUiState& state = configUiState();
    if (show.slideCount == 0)
        return;
    const int from = state.currentSlide >= 1 ? state.currentSlide : state.topRow - (step > 0 ? 1 : 0);
    const GridMove move = moveWithinShow(show.slideCount, state.topRow, from, state.currentSlide >= 1 ? step : 1);
    if (move.topRow != state.topRow)
        scrollTo(move.topRow);
    Label1_Click((move.slide - state.topRow) * slideColumns + focusColumn_);
}

void create_sequence::moveFocusColumn(int step)
{
    focusColumn_ = std::clamp(focusColumn_ + step, 0, slideColumns - 1);
    showFocusCell();
}

void create_sequence::scrollTo(int topRow)
{
    gridScrolling_ = true;
    if (VScroll1->isEnabled())
        VScroll1->setValue(topRow);
    gridScrolling_ = false;
}

void create_sequence::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        if (mayLeave())
            SSCommand1_Click(23);
        return;
    }
    if (event->key() == Qt::Key_F1) {
        SSCommand1_Click(5);
        return;
    }
    QWidget::keyPressEvent(event);
}

} // namespace qv
