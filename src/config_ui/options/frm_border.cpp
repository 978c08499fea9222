#include "config_ui/options/frm_border.h"

#include "components/picture/fx_image.h"
#include "components/picture/picture.h"
#include "components/standard_palette.h"
#include "config_ui/common/accessible_names.h"
#include "config_ui/options/dialog_flags.h"
#include "config_ui/common/help.h"
#include "config_ui/common/status_line.h"
#include "config_ui/common/window_placement.h"
#include "settings/global_settings.h"
#include "startup/shared_routines.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QShortcut>
#include <QScrollBar>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>

namespace qv {
namespace {

constexpr QSize kSampleSize(320, 240);

// The sample picture: a small landscape, painted here so the window needs no file.
PictureHandle samplePicture()
{
    QImage image(kSampleSize * 2, QImage::Format_RGB32);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(2, 2);
    const int w = kSampleSize.width();
    const int h = kSampleSize.height();
    QLinearGradient sky(0, 0, 0, h * 0.6);
    sky.setColorAt(0, QColor(40, 90, 170));
    sky.setColorAt(1, QColor(250, 190, 120));
    painter.fillRect(QRectF(0, 0, w, h), sky);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(255, 230, 150));
    painter.drawEllipse(QPointF(w * 0.7, h * 0.42), h * 0.11, h * 0.11);
    QPainterPath far;
    far.moveTo(0, h * 0.62);
    far.cubicTo(w * 0.25, h * 0.40, w * 0.45, h * 0.55, w * 0.6, h * 0.5);
    far.cubicTo(w * 0.8, h * 0.44, w * 0.9, h * 0.56, w, h * 0.52);
    far.lineTo(w, h);
    far.lineTo(0, h);
    painter.setBrush(QColor(70, 110, 90));
    painter.drawPath(far);
    QPainterPath near;
    near.moveTo(0, h * 0.8);
    near.cubicTo(w * 0.3, h * 0.66, w * 0.6, h * 0.9, w, h * 0.72);
    near.lineTo(w, h);
    near.lineTo(0, h);
    painter.setBrush(QColor(60, 140, 60));
    painter.drawPath(near);
    painter.end();
    return Picture::raster(std::move(image), kSampleSize);
}

QString barStatus(int bar)
{
    switch (kBorderBars[static_cast<std::size_t>(bar)].kind) {
    case BorderBarKind::Colour:
        return QStringLiteral("Colour number %1 to %2 of the sixteen standard colours")
            .arg(kBorderBars[static_cast<std::size_t>(bar)].minimum)
            .arg(kBorderBars[static_cast<std::size_t>(bar)].maximum);
    case BorderBarKind::Style:
        return QStringLiteral("0 draws no bevel, 1 an inset bevel, 2 a raised one");
    case BorderBarKind::Width:
        break;
    }
    return QStringLiteral("Width in pixels");
}

} // namespace

FrmBorder::FrmBorder(QWidget* parent) : QDialog(parent, kFixedDialogFlags)
{
    setObjectName(QStringLiteral("FrmBorder"));
    setWindowTitle(QStringLiteral("Border Editor"));

    auto* bars = new QGridLayout;
    bars->setColumnStretch(0, 1);
    const int valueWidth = fontMetrics().horizontalAdvance(QStringLiteral("15 Light Magenta  "));
    for (int i = 0; i < kBorderBarCount; ++i) {
        const BorderBar& bar = kBorderBars[static_cast<std::size_t>(i)];
        auto* label = new QLabel(QLatin1String(bar.caption), this);
        label->setObjectName(QStringLiteral("Label%1").arg(i + 1));
        auto* scroll = new QScrollBar(Qt::Horizontal, this);
        scroll->setObjectName(QStringLiteral("HScroll%1").arg(i + 1));
        scroll->setRange(bar.minimum, bar.maximum);
        scroll->setSingleStep(1);
        scroll->setPageStep(bar.kind == BorderBarKind::Width ? 5 : 1);
        scroll->setFocusPolicy(Qt::StrongFocus);
        scroll->setMinimumWidth(fontMetrics().horizontalAdvance(QLatin1Char('M')) * 16);
        label->setBuddy(scroll);
        setStatusText(scroll, barStatus(i));
        HScroll[static_cast<std::size_t>(i)] = scroll;

        auto* box = new QLabel(this);
        box->setObjectName(QStringLiteral("Swatch%1").arg(i + 1));
        box->setFrameShape(QFrame::Box);
        box->setFixedSize(fontMetrics().height() * 2, fontMetrics().height());
        box->setAutoFillBackground(true);
        box->setVisible(bar.kind == BorderBarKind::Colour);
        swatch[static_cast<std::size_t>(i)] = box;

        auto* text = new QLabel(this);
        text->setObjectName(QStringLiteral("Value%1").arg(i + 1));
        text->setMinimumWidth(valueWidth);
        valueText[static_cast<std::size_t>(i)] = text;

        bars->addWidget(label, 2 * i, 0, 1, 3);
        bars->addWidget(scroll, 2 * i + 1, 0);
        bars->addWidget(box, 2 * i + 1, 1);
        bars->addWidget(text, 2 * i + 1, 2);
        connect(scroll, &QScrollBar::valueChanged, this, [this, i] {
            changed[static_cast<std::size_t>(i)] = true;
            HScroll_Change(i);
        });
    }

    FXImage1 = new FXImage(this);
    FXImage1->setObjectName(QStringLiteral("FXImage1"));
    FXImage1->setFixedSize(kSampleSize);
    // The window is laid out with the sample in place, so it appears where it was drawn.
    QSizePolicy keepPlace = FXImage1->sizePolicy();
    keepPlace.setRetainSizeWhenHidden(true);
    FXImage1->setSizePolicy(keepPlace);
    FXImage1->setPicture(samplePicture());
    FXImage1->setEffect(0);
    FXImage1->setVisible(false);
    setStatusText(FXImage1, QStringLiteral("The border as the show will draw it"));

    static const char* const captions[] = {"&Ok", "&Cancel", "&Help", "&Defaults"};
    static const char* const statuses[] = {
        "Take these values (Ok in Global Options stores them)",
        "Close without changing the border",
        "Explain the border editor",
        "Set every bar back to the standard border",
    };
    auto* buttons = new QHBoxLayout;
    for (int i = 0; i < 4; ++i) {
        auto* button = new QPushButton(QLatin1String(captions[i]), this);
        button->setObjectName(QStringLiteral("SSCommand1_%1").arg(i));
        setStatusText(button, QLatin1String(statuses[i]));
        connect(button, &QPushButton::clicked, this, [this, i] { SSCommand1_Click(i); });
        buttons->addWidget(button);
        if (i == 0)
            button->setDefault(true);
        if (i == 1)
            buttons->addStretch(1);
    }

    auto* statusLine = new QLabel(QStringLiteral(" "), this);
    statusLine->setObjectName(QStringLiteral("StatusLine"));
    statusLine->setFrameShape(QFrame::StyledPanel);
    statusLine->setFrameShadow(QFrame::Sunken);

    auto* body = new QHBoxLayout;
    body->addLayout(bars, 1);
    body->addSpacing(fontMetrics().height());
    body->addWidget(FXImage1, 0, Qt::AlignVCenter);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(body);
    layout->addLayout(buttons);
    layout->addWidget(statusLine);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    new QShortcut(QKeySequence::HelpContents, this, this, [this] { SSCommand1_Click(2); });
    installStatusLine(this, statusLine);
    nameControlsForAccessibility(this);
    Form_Load();
}

void FrmBorder::openModal(QWidget* parent)
{
    FrmBorder window(parent);
    window.exec();
}

void FrmBorder::Form_Load()
{
    adjustSize();
    centre_on_screen(this);
    const BorderValues stored = borderValuesOf(globalSettings());
    for (int i = 0; i < kBorderBarCount; ++i) {
        const auto bar = static_cast<std::size_t>(i);
        const BorderBar& range = kBorderBars[bar];
        storedInRange[bar] = stored[bar] >= range.minimum && stored[bar] <= range.maximum;
        // The bar's own initial value may equal the stored one, which raises no change.
        const QSignalBlocker quiet(HScroll[bar]);
        HScroll[bar]->setValue(std::clamp(stored[bar], range.minimum, range.maximum));
        HScroll_Change(i);
    }
}

// The sample comes in with the values once the window is on screen, so the user sees
// it drawn. Later activations (back from the help viewer) leave it as edited.
void FrmBorder::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (sampleShown)
        return;
    sampleShown = true;
    // Once the window manager has placed the window and the layout has settled.
    QTimer::singleShot(0, this, [this] {
        FXImage1->setBorder(borderStyleOf(barValues()));
        FXImage1->setVisible(true);
        FXImage1->redraw();
    });
}

BorderValues FrmBorder::barValues() const
{
    BorderValues values{};
    for (std::size_t i = 0; i < values.size(); ++i)
        values[i] = HScroll[i]->value();
    return values;
}

void FrmBorder::HScroll_Change(int bar)
{
    const auto i = static_cast<std::size_t>(bar);
    const int value = HScroll[i]->value();
    valueText[i]->setText(borderValueText(bar, value));
    if (kBorderBars[i].kind == BorderBarKind::Colour) {
        QPalette palette = swatch[i]->palette();
        palette.setColor(QPalette::Window, standardColour(value));
        swatch[i]->setPalette(palette);
    }
    FXImage1->setBorder(borderStyleOf(barValues()));
}

void FrmBorder::SSCommand1_Click(int index)
{
    switch (index) {
    case 0: {  // Ok
        GlobalSettings& s = globalSettings();
        for (int i = 0; i < kBorderBarCount; ++i) {
            const auto bar = static_cast<std::size_t>(i);
            if (changed[bar] || storedInRange[bar])
                storeBorderValue(s, i, HScroll[bar]->value());
        }
        accept();
        break;
    }
    case 1:  // Cancel
        reject();
        break;
    case 2:
        open_help(QStringLiteral("Border"));
        break;
    case 3:  // Defaults: the bars move, and their change handling redraws the sample
        for (std::size_t i = 0; i < HScroll.size(); ++i)
            HScroll[i]->setValue(kDefaultBorderValues[i]);
        // Also a bar that already stood at its default: a stored value beyond its
        // range was shown there, and the user asked for the default.
        changed.fill(true);
        FXImage1->setBorderRedraw(false);
        FXImage1->setBorder(borderStyleOf(kDefaultBorderValues));
        FXImage1->setBorderRedraw(true);
        FXImage1->redraw();
        break;
    default:
        break;
    }
}

} // namespace qv
