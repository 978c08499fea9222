#include "config_ui/title/loading.h"

#include "components/platform/paths.h"
#include "config_ui/common/accessible_names.h"
#include "config_ui/common/window_placement.h"
#include "config_ui/title/program_version.h"

#include <QApplication>
#include <QPainter>
#include <QPointer>
#include <QThreadPool>
#include <QVBoxLayout>

namespace qv {
namespace {

QPointer<loading>& openSplash()
{
    static QPointer<loading> splash;
    return splash;
}

// The splash's own size in logical pixels; its picture is painted at twice this.
constexpr QSize kSplashSize(520, 320);

FXLabel* makeLine(QWidget* parent, const char* name, const QString& text, int points, QFont::Weight weight,
                  int effect, const QColor& colour)
{
    auto* label = new FXLabel(parent);
    label->setObjectName(QLatin1String(name));
    label->setFont(QFont(QStringLiteral("Arial"), points, weight));
    label->setForeColour(colour);
    label->setTransparentBackground(true);
    label->setTextEffect(effect);
    label->setCaption(text);
    label->setAccessibleName(text);
    label->setFocusPolicy(Qt::NoFocus);
    return label;
}

} // namespace

loading::loading(QWidget* parent) : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint)
{
    setObjectName(QStringLiteral("loading"));
    setWindowTitle(QStringLiteral("Quintavue"));
    setAttribute(Qt::WA_DeleteOnClose);
    setFixedSize(kSplashSize);
    setFocusPolicy(Qt::NoFocus);
    setCursor(Qt::BusyCursor);
    loadBackdropInBackground();

    const QColor warmWhite(250, 246, 236);
    const QColor soft(214, 206, 232);
    FXLabel1 = makeLine(this, "FXLabel1", QStringLiteral("Quintavue"), 30, QFont::Bold, 16, warmWhite);
    FXLabel2 = makeLine(this, "FXLabel2", QStringLiteral("Screen Saver, Multimedia Presentations, Slide Shows"), 11,
                        QFont::Normal, 2, soft);
    FXLabel3 = makeLine(this, "FXLabel3", QString(), 11, QFont::Normal, 3, soft);
    FXLabel4 = makeLine(this, "FXLabel4", QStringLiteral("Now loading...please wait."), 10, QFont::Normal, 2,
                        QColor(255, 214, 150));
    connect(FXLabel4, &FXLabel::Notify, this, &loading::FXLabel4_Notify);

    // The words sit in the calm lower half, under the slides of the picture.
    auto* lines = new QVBoxLayout(this);
    lines->setContentsMargins(16, kSplashSize.height() / 2, 16, 14);
    lines->setSpacing(0);
    lines->addWidget(FXLabel1, 0, Qt::AlignHCenter);
    lines->addWidget(FXLabel2, 0, Qt::AlignHCenter);
    lines->addWidget(FXLabel3, 0, Qt::AlignHCenter);
    lines->addStretch(1);
    lines->addWidget(FXLabel4, 0, Qt::AlignHCenter);
    nameControlsForAccessibility(this);
}

void loading::Form_Load()
{
    FXLabel3->setCaption(QStringLiteral("Version ") + programVersionText());
    FXLabel3->setAccessibleName(FXLabel3->caption());
    centre_on_screen(this);
    for (FXLabel* label : {FXLabel1, FXLabel2, FXLabel3, FXLabel4})
        label->setRunning(true);
}

// Decoding the picture and finding the image readers takes longer than everything
// else the window needs: the window comes up at once over a plain gradient and the
// picture follows a moment later.
void loading::loadBackdropInBackground()
{
    const QString path = resourceFolder() + QStringLiteral("artwork/splash.png");
    const QPointer<loading> self(this);
    QThreadPool::globalInstance()->start([self, path] {
        const QImage picture(path, "PNG");
        QMetaObject::invokeMethod(
            qApp,
            [self, picture] {
                if (self != nullptr && !picture.isNull()) {
                    self->backdrop_ = picture;
                    self->update();
                }
            },
            Qt::QueuedConnection);
    });
}

// The loading line keeps moving for as long as the window is up.
void loading::FXLabel4_Notify() { FXLabel4->setRunning(true); }

void loading::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    if (backdrop_.isNull()) {
        QLinearGradient fallback(0, 0, 0, height());
        fallback.setColorAt(0.0, QColor(36, 30, 62));
        fallback.setColorAt(1.0, QColor(10, 10, 22));
        painter.fillRect(rect(), fallback);
        return;
    }
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(rect(), backdrop_);
}

void loading::open()
{
    closeIfOpen();
    auto* splash = new loading;
    openSplash() = splash;
    splash->Form_Load();
    splash->show();
    splash->raise();
}

void loading::closeIfOpen()
{
    if (loading* splash = openSplash(); splash != nullptr) {
        openSplash() = nullptr;
        splash->close();
    }
}

loading* loading::current() { return openSplash(); }

} // namespace qv
