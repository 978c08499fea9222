#include "config_ui/arranging/picture_picker.h"

#include "components/picture/fx_image.h"
#include "config_ui/browsers/file_browser.h"
#include "config_ui/common/picture_preview.h"
#include "config_ui/common/window_placement.h"
#include "startup/startup_state.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QGridLayout>
#include <QListView>
#include <QPushButton>
#include <QVBoxLayout>

namespace qv {

bool isChosenFileName(const QString& fileName) { return fileName.size() > 3; }

PicturePicker::PicturePicker(QWidget* dialog, bool multipleFiles, const QRect& previewBox)
    : QObject(dialog),
      browser_(new FileBrowser(dialog, picturePattern(), QStringLiteral("Drive1"), QStringLiteral("Dir1"),
                               QStringLiteral("File1"), multipleFiles))
{
    auto* frame = new QFrame(dialog);
    frame->setObjectName(QStringLiteral("PreviewBox"));
    frame->setFrameShape(QFrame::StyledPanel);
    frame->setFrameShadow(QFrame::Sunken);
    const QRect box = twipsBox(previewBox.top(), previewBox.left(), previewBox.height(), previewBox.width());
    frame->setFixedSize(box.size());
    panel_ = frame;

    image_ = new FXImage(frame);
    image_->setObjectName(QStringLiteral("FXImage1"));
    image_->hide();

    autoPreview_ = new QCheckBox(QStringLiteral("A&uto preview"), dialog);
    autoPreview_->setObjectName(QStringLiteral("Check2"));
    autoPreview_->setToolTip(QStringLiteral("Show each picture as soon as it is clicked in the list"));

    browser_->driveList()->setAccessibleName(QStringLiteral("Drive"));
    browser_->folderList()->setAccessibleName(QStringLiteral("Folders"));
    browser_->fileList()->setAccessibleName(QStringLiteral("Picture files"));
    browser_->setFallbackFolder(startupState().pictureBrowseDir);
    browser_->setFolder(startupState().pictureBrowseDir);
    connect(browser_, &FileBrowser::fileClicked, this, &PicturePicker::onFileClicked);
    connect(autoPreview_, &QCheckBox::clicked, this, &PicturePicker::onAutoPreviewClicked);
}

PicturePicker::~PicturePicker() = default;

void PicturePicker::setPreviewButton(QPushButton* button)
{
    previewButton_ = button;
    previewButton_->setEnabled(!autoPreview());
}

void PicturePicker::setAutoPreview(bool on)
{
    autoPreview_->setChecked(on);
    if (previewButton_ != nullptr)
        previewButton_->setEnabled(!on);
}

bool PicturePicker::autoPreview() const { return autoPreview_->isChecked(); }

QString PicturePicker::pathOf(const QString& fileName) const
{
    return isChosenFileName(fileName) ? browser_->pathOf(fileName) : QString();
}

QString PicturePicker::chosenFileName() const
{
    const QStringList selected = browser_->selectedFileNames();
    return selected.isEmpty() ? QString() : selected.first();
}

void PicturePicker::preview(const QString& fileName)
{
    const QString path = pathOf(fileName);
    if (path.isEmpty())
        return;
    previewPicture(*image_, path, panel_->contentsRect());
}

void PicturePicker::storeFolder() const { startupState().pictureBrowseDir = browser_->folder(); }

QGridLayout* PicturePicker::makeListsLayout() const
{
    auto* lists = new QGridLayout;
    lists->addWidget(browser_->driveList(), 0, 0, 1, 2);
    lists->addWidget(browser_->folderList(), 1, 0);
    lists->addWidget(browser_->fileList(), 1, 1);
    return lists;
}

QVBoxLayout* PicturePicker::makePreviewColumn() const
{
    auto* column = new QVBoxLayout;
    column->addWidget(panel_);
    column->addWidget(autoPreview_);
    return column;
}

void PicturePicker::chainTabOrder(QWidget* next) const
{
    QWidget::setTabOrder(browser_->driveList(), browser_->folderList());
    QWidget::setTabOrder(browser_->folderList(), browser_->fileList());
    QWidget::setTabOrder(browser_->fileList(), autoPreview_);
    QWidget::setTabOrder(autoPreview_, next);
}

void PicturePicker::onFileClicked(const QString& fileName)
{
    // Only a file the user chose: the list also reports the file it merely points at when
    // it takes the focus, and opening a dialog must not preview (or complain about) that.
    if (autoPreview() && browser_->selectedFileNames().contains(fileName))
        preview(fileName);
}

void PicturePicker::onAutoPreviewClicked(bool on)
{
    setAutoPreview(on);
    Q_EMIT autoPreviewChanged(on);
}

} // namespace qv
