#pragma once

#include <QObject>
#include <QRect>
#include <QString>

class QCheckBox;
class QGridLayout;
class QVBoxLayout;
class QPushButton;
class QWidget;

namespace qv {

class FileBrowser;
class FXImage;

// What the three picture dialogs share: the picture browser, which opens in the
// folder the last picture dialog left and hands it back when the dialog closes, and a
// preview of the chosen file in a fixed box, run on request or, with "Auto preview"
// checked, on every click in the file list.
class PicturePicker : public QObject {
    Q_OBJECT
public:
    // `previewBox` in twips (top, left, height, width) gives the preview's size.
    PicturePicker(QWidget* dialog, bool multipleFiles, const QRect& previewBox);
    ~PicturePicker() override;

    FileBrowser& browser() const { return *browser_; }
    // The fixed-size panel in which the picture appears; the dialog places it.
    QWidget* previewPanel() const { return panel_; }
    FXImage* image() const { return image_; }
    // "Auto preview" (Check2).
    QCheckBox* autoPreviewBox() const { return autoPreview_; }

    // The button that previews on request; auto preview disables it.
    void setPreviewButton(QPushButton* button);
    // Sets the box and the button state without running a preview.
    void setAutoPreview(bool on);
    bool autoPreview() const;

    // The full path of a file of the list; "" for a name of 3 characters or fewer,
    // which counts as no file at all.
    QString pathOf(const QString& fileName) const;
    // The file highlighted in a single-choice list ("" when none).
    QString chosenFileName() const;

    void preview(const QString& fileName);
    // Remembers the folder the file list shows for the next picture dialog.
    void storeFolder() const;

    // The drive list over the folder and file lists, as every picture dialog shows them.
    QGridLayout* makeListsLayout() const;
    // The preview with its "Auto preview" box under it; the dialog may add more below.
    QVBoxLayout* makePreviewColumn() const;
    // Tab order through the three lists and the "Auto preview" box, then on to `next`.
    void chainTabOrder(QWidget* next) const;

Q_SIGNALS:
    void autoPreviewChanged(bool on);

private:
    void onFileClicked(const QString& fileName);
    void onAutoPreviewClicked(bool on);

    FileBrowser* browser_;
    QWidget* panel_;
    FXImage* image_;
    QCheckBox* autoPreview_;
    QPushButton* previewButton_ = nullptr;
};

// A name a picture dialog counts as a chosen file.
bool isChosenFileName(const QString& fileName);

} // namespace qv
