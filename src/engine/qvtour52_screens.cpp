// The show on every screen: the main window covers the main screen, a screen view
// each of the others; screens that come and go during the show are followed.
#include "engine/qvtour52.h"

#include "components/picture/fx_image.h"
#include "engine/screen_view.h"
#include "engine/show_state.h"
#include "settings/global_settings.h"
#include "showdata/custom_show.h"
#include "showdata/random_show_config.h"

#include <QGuiApplication>
#include <QScreen>
#include <QTimer>
#include <QWindow>

#include <algorithm>
#include <chrono>
#include <memory>

namespace qv {

// The show covers the main screen, and every other screen shows it too; with the
// option of the main screen only, the others go black, so nothing else shows while
// the show runs. Screens that come or go during the show take or give up a window.
void qvtour52::coverTheScreens()
{
    QScreen* showScreen = QGuiApplication::primaryScreen();
    mainScreen_ = showScreen;
    for (QScreen* screen : QGuiApplication::screens())
        if (screen != showScreen)
            coverScreen(screen);
    connect(qApp, &QGuiApplication::screenAdded, this, &qvtour52::coverScreen);
    connect(qApp, &QGuiApplication::screenRemoved, this, &qvtour52::screenGone);
    const QRect area = showScreen != nullptr ? showScreen->geometry() : QRect(0, 0, 800, 600);
    // On Wayland a window asks for its screen before going full screen on it; a bare
    // X server without window manager ignores the full-screen request unless the
    // geometry is set first.
    winId();
    if (showScreen != nullptr && windowHandle() != nullptr)
        windowHandle()->setScreen(showScreen);
    setGeometry(area);
    setWindowFlag(Qt::FramelessWindowHint);
    showFullScreen();
    setFocus();
}

void qvtour52::coverScreen(QScreen* screen)
{
    if (closing_ || screen == nullptr || screen == mainScreen_)
        return;
    for (const auto& view : views_)
        if (view->coveredScreen() == screen)
            return;
    // Whatever happens over another screen happens to the show.
    ScreenView::Input input;
    input.key = [this](QKeyEvent* event) { keyPressEvent(event); };
    input.click = [this] {
        if (promptOpen_)
            Text1->setFocus();
        else
            Form_Click();
    };
    input.mouseMove = [this](QPoint global) {
        const QPoint at = mapFromGlobal(global);
        Form_MouseMove(at.x(), at.y());
    };
    input.picturesElsewhere = [this](const ScreenView* view) { return picturesShownBesides(view); };
    input.closed = [this] { QMetaObject::invokeMethod(this, &QWidget::close, Qt::QueuedConnection); };
    views_.push_back(std::make_unique<ScreenView>(screen, std::move(input)));
    ScreenView& view = *views_.back();
    view.setWindowTitle(title());
    view.cover(screen);
    // A screen that comes during the show joins it with the slide on screen.
    if (globalSettings().screens == 0 && showState().slideOnScreen > 0 && FXImage1->isVisible())
        orderSlideOnOtherScreens(FXImage1->fileName(), &view);
}

void qvtour52::screenGone(QScreen* screen)
{
    if (closing_)
        return;
    // The window that goes: the one on that screen, or, when the main screen goes, the
    // window whose place this one (with the sound, the caption and the prompt) takes.
    const bool mainGone = screen == mainScreen_;
    const auto going = std::find_if(views_.begin(), views_.end(), [screen, mainGone](const auto& view) {
        return mainGone ? view->coveredScreen() != screen : view->coveredScreen() == screen;
    });
    QScreen* const next = mainGone ? (going != views_.end() ? (*going)->coveredScreen() : nullptr) : nullptr;
    if (going != views_.end()) {
        // The prompt never goes with a window: it comes back to this one.
        if (Frame1->parentWidget() == going->get())
            placePasswordPrompt(this);
        std::unique_ptr<ScreenView> gone = std::move(*going);
        views_.erase(going);
        retireView(std::move(gone));
    }
    if (next == nullptr)
        return;
    mainScreen_ = next;
    if (windowHandle() != nullptr)
        windowHandle()->setScreen(next);
    setGeometry(next->geometry());
    showFullScreen();
    if (Frame1->parentWidget() == this)
        placePasswordPrompt(this);
}

void qvtour52::retireView(std::unique_ptr<ScreenView> view)
{
    view->hide();
    retiredViews_.push_back(std::move(view));
    QTimer::singleShot(0, this, &qvtour52::freeRetiredViews);
}

void qvtour52::freeRetiredViews()
{
    std::erase_if(retiredViews_, [](const auto& view) { return !view->waiting(); });
    if (!retiredViews_.empty())
        QTimer::singleShot(100, this, &qvtour52::freeRetiredViews);
}

std::vector<ScreenView*> qvtour52::screenViews() const
{
    std::vector<ScreenView*> views;
    for (const auto& view : views_)
        views.push_back(view.get());
    return views;
}

// The other screens change with this one: a custom show's slide on every screen, in
// a random show each screen's own next picture, a moment apart.
void qvtour52::orderSlideOnOtherScreens(const QString& path, ScreenView* only)
{
    const GlobalSettings& settings = globalSettings();
    if (settings.screens != 0 || views_.empty())
        return;
    const CustomShow& table = customShow();
    const bool randomShow = settings.randomFlag == 1;
    const auto slot = static_cast<std::size_t>(showState().slideOnScreen);
    SlideOrder order;
    order.captioned = settings.picinfoFlag >= 1;
    if (randomShow)
        order.stand = std::chrono::seconds(std::max<int>(0, randomShowConfig().delaySeconds));
    if (!randomShow && slot < table.effect.size()) {
        order.picture = path;
        order.effect = table.effect[slot];
        order.speed = table.effectSpeed[slot];
        order.caption = table.description[slot];
        order.captioned = order.captioned && !order.caption.isEmpty();
    }
    // A screen that joins mid-slide catches up at once, without a transition.
    if (only != nullptr)
        order.effect = 0;
    std::chrono::milliseconds after{0};
    for (const auto& view : views_) {
        if (only != nullptr && view.get() != only)
            continue;
        if (randomShow && only == nullptr)
            after += std::chrono::milliseconds(300);  // the screens do not all change in one frame
        view->showSlide(order, after);
    }
}

QStringList qvtour52::picturesShownBesides(const ScreenView* view) const
{
    // The main screen's picture, and the one it has chosen to show next.
    QStringList shown{FXImage1->fileName(), CurrentPicture};
    for (const auto& other : views_)
        if (other.get() != view)
            shown << other->picture();
    return shown;
}

} // namespace qv
