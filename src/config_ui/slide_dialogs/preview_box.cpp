#include "config_ui/slide_dialogs/preview_box.h"

#include "components/picture/fx_image.h"
#include "components/platform/file_names.h"
#include "config_ui/common/picture_preview.h"
#include "config_ui/common/window_placement.h"

#include <QFontMetrics>
#include <QResizeEvent>

namespace qv {

PreviewBox::PreviewBox(int topTwips, int leftTwips, int heightTwips, int widthTwips, QWidget* parent)
    : QFrame(parent), image_(new FXImage(this))
{
    setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    const QSize size = twipsBox(topTwips, leftTwips, heightTwips, widthTwips).size();
    const int frame = frameWidth();
    box_ = QRect(QPoint(frame, frame), size);
    setFixedSize(size + QSize(2 * frame, 2 * frame));
    image_->setObjectName(QStringLiteral("FXImage1"));
    image_->hide();
}

int PreviewBox::preview(const QString& path, bool showNow)
{
    return showNow ? previewPicture(*image_, path, box_) : placePicture(*image_, path, box_);
}

PathLabel::PathLabel(QWidget* parent) : QLabel(parent)
{
    setTextFormat(Qt::PlainText);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
}

void PathLabel::setPath(const QString& path)
{
    path_ = path;
    setToolTip(displayFileName(path));
    elide();
}

QSize PathLabel::minimumSizeHint() const
{
    // Any width will do: the path gives way instead of widening the dialog.
    return QSize(fontMetrics().averageCharWidth() * 10, QLabel::minimumSizeHint().height());
}

void PathLabel::resizeEvent(QResizeEvent* event)
{
    QLabel::resizeEvent(event);
    elide();
}

void PathLabel::elide()
{
    const QString shown = fontMetrics().elidedText(displayFileName(path_), Qt::ElideMiddle, std::max(1, contentsRect().width()));
    if (shown != text())
        setText(shown);
}

} // namespace qv
