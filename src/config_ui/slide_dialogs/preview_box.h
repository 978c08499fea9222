#pragma once

#include <QFrame>
#include <QLabel>
#include <QRect>
#include <QString>

namespace qv {

class FXImage;

// The sunken panel of a dialog in which a slide's picture is previewed: the picture
// control `FXImage1` inside, fitted into the panel's box (given in twips, so it keeps
// its proportions to the dialog at any resolution).
class PreviewBox : public QFrame {
    Q_OBJECT

public:
    PreviewBox(int topTwips, int leftTwips, int heightTwips, int widthTwips, QWidget* parent);

    FXImage* image() const { return image_; }
    // Where pictures are fitted, in the panel's coordinates.
    QRect box() const { return box_; }

    // Loads and places the picture without showing it (for a caller that shows it with
    // an effect); with `showNow` it appears at once. Returns the load's result code;
    // the load error box has then been shown.
    int preview(const QString& path, bool showNow = true);

private:
    FXImage* image_;
    QRect box_;
};

// A label for a file path that is too long for the dialog: the middle gives way to
// "…", and the whole path is in the tool tip.
class PathLabel : public QLabel {
    Q_OBJECT

public:
    explicit PathLabel(QWidget* parent = nullptr);
    void setPath(const QString& path);
    QString path() const { return path_; }

    QSize minimumSizeHint() const override;

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void elide();
    QString path_;
};

} // namespace qv
