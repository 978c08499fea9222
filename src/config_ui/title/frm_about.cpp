#include "config_ui/title/frm_about.h"

#include "components/platform/paths.h"
#include "config_ui/common/accessible_names.h"
#include "config_ui/common/help.h"
#include "config_ui/title/program_version.h"

#include <QDialogButtonBox>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace qv {
namespace {

// The program's icon as installed beside its resources, else the desktop's theme.
QIcon programIcon()
{
    const QString installed =
        resourceFolder() + QStringLiteral("../icons/hicolor/256x256/apps/quintavue.png");
    if (QFileInfo(installed).isFile())
        return QIcon(installed);
    return QIcon::fromTheme(QStringLiteral("quintavue"));
}

QLabel* textLine(QWidget* parent, const char* name, const QString& text)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(QLatin1String(name));
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    return label;
}

} // namespace

FrmAbout::FrmAbout(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("FrmAbout"));
    setWindowTitle(QStringLiteral("About Quintavue"));
    setModal(true);

    auto* icon = new QLabel(this);
    icon->setObjectName(QStringLiteral("Image1"));
    const QIcon picture = programIcon();
    if (!picture.isNull())
        icon->setPixmap(picture.pixmap(QSize(96, 96), devicePixelRatioF()));
    icon->setAlignment(Qt::AlignTop | Qt::AlignHCenter);

    QLabel* name = textLine(this, "Label1", QStringLiteral("Quintavue"));
    QFont large = name->font();
    large.setPointSizeF(large.pointSizeF() * 1.8);
    large.setBold(true);
    name->setFont(large);
    QLabel* version = textLine(this, "Label2", QStringLiteral("Version ") + programVersionText());
    QLabel* purpose = textLine(this, "Label3", QStringLiteral("Screen Saver, Multimedia Presentations, Slide Shows"));
    QLabel* credit = textLine(
        this, "Label4",
        QStringLiteral("Written by the Quintavue developers. Pictures are decoded with Qt and GraphicsMagick, "
                       "sounds and tunes are played with SDL_mixer and FluidSynth. The sample pictures, sounds "
                       "and this program's artwork were painted and composed by its own generator."));

    auto* buttons = new QDialogButtonBox(this);
    Command1 = buttons->addButton(QDialogButtonBox::Ok);
    Command1->setObjectName(QStringLiteral("Command1"));
    Command1->setText(QStringLiteral("&OK"));
    Command1->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);

    auto* words = new QVBoxLayout;
    words->setSpacing(6);
    words->addWidget(name);
    words->addWidget(version);
    words->addWidget(purpose);
    words->addSpacing(8);
    words->addWidget(credit);
    auto* body = new QHBoxLayout;
    body->setSpacing(18);
    body->addWidget(icon);
    body->addLayout(words, 1);
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(20, 20, 20, 14);
    outer->addLayout(body);
    outer->addSpacing(10);
    outer->addWidget(buttons);

    // Wide enough that the credit wraps into a few even lines.
    credit->setMinimumWidth(fontMetrics().averageCharWidth() * 44);
    nameControlsForAccessibility(this);
    bindHelpKey(this, QStringLiteral("Contents"));
    Command1->setFocus();
}

void FrmAbout::showModal(QWidget* parent)
{
    FrmAbout box(parent);
    box.exec();
}

} // namespace qv
