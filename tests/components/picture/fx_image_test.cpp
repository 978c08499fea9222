#include "components/picture/fx_image.h"

#include "picture_samples.h"
#include "support/test_files.h"

#include <QApplication>
#include <QCursor>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

namespace qv {
namespace {

constexpr int kLongSpeed = 255;  // many seconds: still running when the test acts on it

class FXImageTest : public testing::Test {
protected:
    void SetUp() override
    {
        QPalette black;
        black.setColor(QPalette::Window, Qt::black);
        window_.setPalette(black);
        window_.resize(400, 300);
        window_.show();
        image_ = new FXImage(&window_);
        image_->setGeometry(0, 0, 200, 150);
        redPath_ = writePicture("red.bmp", Qt::red);
        greenPath_ = writePicture("green.bmp", Qt::green);
    }

    QString writeFile(const QString& name, const QByteArray& bytes)
    {
        EXPECT_TRUE(test::writeFile(dir_.filePath(name), bytes));
        return dir_.filePath(name);
    }

    QString writePicture(const QString& name, QColor colour, QSize size = QSize(40, 30))
    {
        EXPECT_TRUE(test::savePlainPicture(dir_.filePath(name), colour, size.width(), size.height()));
        return dir_.filePath(name);
    }

    // `point` in logical pixels, whatever the screen's density.
    QColor shownAt(QPoint point) const
    {
        const QImage shown = image_->grab().toImage();
        return QColor(shown.pixel((QPointF(point) * shown.devicePixelRatio()).toPoint()));
    }

    // Loads `path` and shows it with `effect` at full speed, to its end.
    void bringIn(QSignalSpy& notified, const QString& path, int effect = 0)
    {
        ASSERT_EQ(image_->load(path), LoadResult::Loaded);
        image_->setEffect(effect);
        image_->setEffectSpeed(0);
        image_->show();
        ASSERT_TRUE(notified.wait(10000));
    }

    QTemporaryDir dir_;
    QWidget window_;
    FXImage* image_ = nullptr;
    QString redPath_;
    QString greenPath_;
};

// The probe decodes a picture one slide ahead; the image on screen must get the same
// decoded picture and may hand it to another image, a failed load keeps the picture it
// had, and a changed file must be decoded anew.
TEST_F(FXImageTest, LoadSharesTheDecodedPictureKeepsItOnFailureAndRereadsChangedFiles)
{
    FXImage probe;
    ASSERT_EQ(probe.load(redPath_), LoadResult::Loaded);
    ASSERT_EQ(image_->load(redPath_), LoadResult::Loaded);
    EXPECT_EQ(image_->picture(), probe.picture());
    EXPECT_EQ(image_->load(dir_.filePath("missing.jpg")), LoadResult::FileNotFound);
    EXPECT_EQ(image_->loadResult(), LoadResult::FileNotFound);
    EXPECT_EQ(image_->naturalSize(), QSize(40, 30));

    FXImage other(&window_);
    other.setPicture(image_->picture());
    other.setGeometry(200, 0, 100, 100);
    QSignalSpy notified(&other, &FXImage::Notify);
    other.show();
    ASSERT_TRUE(notified.wait(5000));
    EXPECT_TRUE(test::isNear(QColor(other.grab().toImage().pixel(50, 50)), Qt::red));

    writePicture(QStringLiteral("red.bmp"), Qt::blue, QSize(80, 20));
    ASSERT_EQ(image_->load(redPath_), LoadResult::Loaded);
    EXPECT_NE(image_->picture(), probe.picture());
    EXPECT_EQ(image_->naturalSize(), QSize(80, 20));
}

class EveryKindOfEffect : public FXImageTest, public testing::WithParamInterface<int> {};

// Whatever the effect (none, a wipe, a zoom, random blocks, a number no renderer knows),
// the picture ends fully drawn and Notify comes exactly once.
TEST_P(EveryKindOfEffect, NotifiesOnceAfterTheFinalFrame)
{
    QSignalSpy notified(image_, &FXImage::Notify);
    image_->setEffectGrain(8);
    bringIn(notified, redPath_, GetParam());
    QTest::qWait(100);
    EXPECT_EQ(notified.count(), 1);
    EXPECT_FALSE(image_->isDrawing());
    for (const QPoint point : {QPoint(1, 1), QPoint(100, 75), QPoint(198, 148)})
        EXPECT_TRUE(test::isNear(shownAt(point), Qt::red)) << GetParam();
}

INSTANTIATE_TEST_SUITE_P(Picture, EveryKindOfEffect, testing::Values(0, 1, 24, 39, 113, 200));

// A key cuts a running effect to its final frame; a move of the mouse does so only in
// cancel mode 9, and a move event without movement never does: some systems send them
// unasked.
TEST_F(FXImageTest, UserInputCutsToTheFinalFrame)
{
    const struct {
        int mode;
        bool mouseCuts;
    } cases[] = {{4, false}, {9, true}, {0, false}};
    for (const auto& c : cases) {
        SCOPED_TRACE("cancel mode " + std::to_string(c.mode));
        QSignalSpy notified(image_, &FXImage::Notify);
        ASSERT_EQ(image_->load(redPath_), LoadResult::Loaded);
        image_->setCancelMode(c.mode);
        image_->setEffect(1);
        image_->setEffectSpeed(kLongSpeed);
        image_->show();
        ASSERT_TRUE(image_->isDrawing());

        const QPoint pointer = QCursor::pos();
        QMouseEvent still(QEvent::MouseMove, image_->mapFromGlobal(pointer), pointer, Qt::NoButton, Qt::NoButton,
                          Qt::NoModifier);
        QApplication::sendEvent(image_, &still);
        EXPECT_TRUE(image_->isDrawing());

        const QPoint elsewhere = pointer + QPoint(40, 40);
        QMouseEvent moved(QEvent::MouseMove, image_->mapFromGlobal(elsewhere), elsewhere, Qt::NoButton, Qt::NoButton,
                          Qt::NoModifier);
        QApplication::sendEvent(image_, &moved);
        EXPECT_EQ(image_->isDrawing(), !c.mouseCuts);

        QTest::keyClick(image_, Qt::Key_A);
        EXPECT_FALSE(image_->isDrawing());
        EXPECT_TRUE(test::isNear(shownAt(QPoint(198, 148)), Qt::red));
        ASSERT_TRUE(notified.wait(5000));
        QTest::qWait(50);
        EXPECT_EQ(notified.count(), 1);
    }
}

// A frame of an effect that moves the pictures is drawn straight into the window's
// pixels: at the widget's own place in the window, and the same frame a grab of the
// widget alone shows, with both pictures in it halfway through.
TEST_F(FXImageTest, MovingFramesLandWhereTheWidgetIs)
{
    image_->move(13, 7);
    QSignalSpy notified(image_, &FXImage::Notify);
    bringIn(notified, redPath_);
    for (const int effect : {80, 82}) { // halves sliding in, a cube turning
        SCOPED_TRACE("effect " + std::to_string(effect));
        ASSERT_EQ(image_->load(greenPath_), LoadResult::Loaded);
        image_->setEffect(effect);
        image_->setEffectSpeed(kLongSpeed);
        image_->redraw();
        QTest::qWait(300);
        ASSERT_TRUE(image_->isDrawing());
        QImage window(window_.size(), QImage::Format_RGB32);
        window_.render(&window);
        const QImage alone = image_->grab().toImage().convertToFormat(QImage::Format_RGB32);
        EXPECT_EQ(window.copy(image_->geometry()), alone);
        EXPECT_TRUE(alone.pixelColor(100, 75) != alone.pixelColor(1, 1) || alone.pixelColor(1, 1) != alone.pixelColor(198, 148))
            << "both pictures in the frame";
        QTest::keyClick(image_, Qt::Key_A);
        ASSERT_TRUE(notified.wait(5000));
        std::swap(redPath_, greenPath_);
    }
}

// A repaint of part of the window (the cells a dissolve changed, a picture's old and
// new places) changes exactly that part: the frame where it stood, the background
// around it, and nothing outside the part.
TEST_F(FXImageTest, PartialRepaintsChangeOnlyTheirRegion)
{
    QSignalSpy notified(image_, &FXImage::Notify);
    bringIn(notified, redPath_);
    QRegion cells;
    for (int y = 0; y < 300; y += 20)
        for (int x = (y / 20) % 2 * 20; x < 400; x += 40)
            cells += QRect(x, y, 20, 20);
    for (const QPoint place : {QPoint(0, 0), QPoint(30, 50)}) {
        SCOPED_TRACE("widget moved to " + std::to_string(place.x()) + "," + std::to_string(place.y()));
        image_->move(place);
        const qreal scale = image_->devicePixelRatioF();
        QImage window(window_.size() * scale, QImage::Format_RGB32);
        window.setDevicePixelRatio(scale);
        window.fill(Qt::blue);
        window_.render(&window, QPoint(), cells);
        // The frame stays where it was drawn, at 0,0, until the next redraw; the
        // widget shows it only within its own new place.
        const QRect frameShown = QRect(0, 0, 200, 150) & image_->geometry();
        QImage expected(window.size(), QImage::Format_RGB32);
        expected.setDevicePixelRatio(scale);
        expected.fill(Qt::blue);
        QPainter painter(&expected);
        painter.setClipRegion(cells);
        painter.fillRect(expected.rect(), Qt::black);
        painter.fillRect(frameShown, Qt::red);
        painter.end();
        EXPECT_EQ(window, expected);
    }
}

// Effect 51 wipes the picture to the background before redraw() returns, with or
// without an erase effect, and announces nothing.
TEST_F(FXImageTest, EraseEffectWipesToBackgroundBeforeReturning)
{
    QSignalSpy notified(image_, &FXImage::Notify);
    bringIn(notified, redPath_);
    for (const bool eraseOn : {true, false}) {
        image_->setEraseEnabled(eraseOn);
        image_->setEraseEffect(36);
        image_->setEraseGrain(16);
        image_->setEraseSpeed(0);
        image_->setEffect(FXImage::kEraseEffect);
        image_->redraw();
        EXPECT_FALSE(image_->isDrawing());
        EXPECT_EQ(shownAt(QPoint(100, 75)), QColor(Qt::black));
        EXPECT_EQ(shownAt(QPoint(1, 1)), QColor(Qt::black));
        image_->setEffect(0);
        image_->redraw();
        ASSERT_TRUE(notified.wait(5000));
    }
    QTest::qWait(50);
    EXPECT_EQ(notified.count(), 3);
}

// A new picture waits for show(), so the caller can move the image first; the old one
// stays where it stood. Clicks and moves are reported in the image's own coordinates.
TEST_F(FXImageTest, NewPictureAppearsAtShowNotAtLoad)
{
    QSignalSpy notified(image_, &FXImage::Notify);
    bringIn(notified, redPath_);
    ASSERT_EQ(image_->load(greenPath_), LoadResult::Loaded);
    image_->move(50, 0);
    EXPECT_TRUE(test::isNear(shownAt(QPoint(10, 10)), Qt::red));     // old picture, 50 px to the left
    EXPECT_EQ(shownAt(QPoint(180, 10)), QColor(Qt::black));           // beyond it: background
    image_->show();
    ASSERT_TRUE(notified.wait(5000));
    EXPECT_TRUE(test::isNear(shownAt(QPoint(180, 10)), Qt::green));
    QSignalSpy clicks(image_, &FXImage::Click);
    QSignalSpy moves(image_, &FXImage::MouseMove);
    QTest::mouseClick(image_, Qt::LeftButton, Qt::NoModifier, QPoint(20, 30));
    EXPECT_EQ(clicks.count(), 1);
    QTest::mouseMove(image_, QPoint(60, 70));
    ASSERT_FALSE(moves.isEmpty());
    const QList<QVariant> last = moves.takeLast();
    EXPECT_EQ(last.at(0).toInt(), 0);
    EXPECT_EQ(last.at(2).toInt(), 60);
    EXPECT_EQ(last.at(3).toInt(), 70);
}

// Transparent parts of a picture show the background, never the picture before it,
// whichever effect brings the picture in.
TEST_F(FXImageTest, TransparentPartsShowTheBackground)
{
    QImage halfClear(40, 30, QImage::Format_ARGB32);
    halfClear.fill(Qt::transparent);
    QPainter(&halfClear).fillRect(20, 0, 20, 30, Qt::green);
    const QString path = writeFile(QStringLiteral("clear.png"), test::encodeWithQt(halfClear, "png"));
    // Not black: a picture whose transparency was lost would show black there.
    const QColor navy(0, 0, 128);
    QPalette palette = window_.palette();
    palette.setColor(QPalette::Window, navy);
    window_.setPalette(palette);
    QSignalSpy notified(image_, &FXImage::Notify);
    for (const int effect : {0, 24}) {
        bringIn(notified, redPath_);
        bringIn(notified, path, effect);
        EXPECT_EQ(shownAt(QPoint(40, 75)), navy) << effect;
        EXPECT_TRUE(test::isNear(shownAt(QPoint(160, 75)), Qt::green)) << effect;
    }
}

TEST_F(FXImageTest, BorderChangesShowAtOnceUnlessRedrawIsOff)
{
    QSignalSpy notified(image_, &FXImage::Notify);
    bringIn(notified, redPath_);
    image_->setBorderColor(Qt::blue);
    image_->setBorderWidth(10);
    EXPECT_EQ(shownAt(QPoint(5, 75)), QColor(Qt::blue));
    EXPECT_TRUE(test::isNear(shownAt(QPoint(12, 75)), Qt::red));

    image_->setBorderRedraw(false);
    image_->setBorderColor(Qt::yellow);
    EXPECT_EQ(shownAt(QPoint(5, 75)), QColor(Qt::blue));
    image_->setBorderRedraw(true);
    image_->redraw();
    ASSERT_TRUE(notified.wait(5000));
    EXPECT_EQ(shownAt(QPoint(5, 75)), QColor(Qt::yellow));
}

// Wiping and loading let events run, and any handler may close the window meanwhile.
TEST_F(FXImageTest, SurvivesBeingDestroyedWhileItWaits)
{
    QSignalSpy notified(image_, &FXImage::Notify);
    bringIn(notified, redPath_);
    image_->setEraseEnabled(true);
    image_->setEraseEffect(1);
    image_->setEraseSpeed(kLongSpeed);
    image_->setEffect(FXImage::kEraseEffect);
    QPointer<FXImage> doomed(image_);
    QTimer::singleShot(20, image_, [&] { delete doomed.data(); });
    image_->redraw();
    EXPECT_TRUE(doomed.isNull());

    doomed = new FXImage(&window_);
    const QString fresh = writePicture("fresh.bmp", Qt::blue);
    QTimer::singleShot(0, doomed.data(), [&] { delete doomed.data(); });
    EXPECT_EQ(doomed->load(fresh), LoadResult::Loaded);
    EXPECT_TRUE(doomed.isNull());
}

// The redraw is made ready for the place and border it will have (a metafile drawn
// for them), so the redraw finds that drawing ready instead of drawing it again; a
// change made in between is still drawn, and the image may go away meanwhile.
TEST_F(FXImageTest, TheRedrawIsMadeReadyAheadForItsPlaceYetDrawsALaterChange)
{
    ASSERT_EQ(image_->load(writeFile(QStringLiteral("shapes.wmf"), test::sampleMetafile(false))), LoadResult::Loaded);
    image_->setEffect(0);
    image_->setBorderWidth(10);
    image_->prepareFrame();

    const PictureHandle picture = image_->picture();
    const int thickness = borderThickness(image_->border(), image_->devicePixelRatioF());
    const QSize area = image_->size() * image_->devicePixelRatioF() - QSize(2 * thickness, 2 * thickness);
    // The picture keeps just its latest drawing, which must be the one at `area`.
    ASSERT_EQ(picture->memoryCost(), qint64{area.width()} * area.height() * 4 + test::sampleMetafile(false).size());
    const qint64 prepared = picture->imageAt(area).cacheKey();
    QSignalSpy notified(image_, &FXImage::Notify);
    image_->show();
    ASSERT_TRUE(notified.wait(5000));
    EXPECT_EQ(picture->imageAt(area).cacheKey(), prepared);
    EXPECT_TRUE(test::isNear(shownAt(QPoint(50, 37)), Qt::red));

    // A redraw made ready and then changed before it runs draws the change, and a wipe
    // made ready wipes.
    ASSERT_EQ(image_->load(greenPath_), LoadResult::Loaded);
    image_->prepareFrame();
    ASSERT_EQ(image_->load(redPath_), LoadResult::Loaded);
    image_->redraw();
    ASSERT_TRUE(notified.wait(5000));
    EXPECT_TRUE(test::isNear(shownAt(QPoint(50, 37)), Qt::red));
    image_->setEffect(FXImage::kEraseEffect);
    image_->prepareFrame();
    image_->redraw();
    EXPECT_TRUE(test::isNear(shownAt(QPoint(50, 37)), Qt::black));

    image_->setGeometry(0, 0, 300, 200);
    QPointer<FXImage> doomed(image_);
    QTimer::singleShot(0, image_, [&] { delete doomed.data(); });
    image_->prepareFrame();
    EXPECT_TRUE(doomed.isNull());
}

// On a high-density screen every device pixel of the picture shows: columns one device
// pixel wide stay apart instead of being drawn at half the resolution and blown up.
TEST_F(FXImageTest, HighDensityScreensGetEveryDevicePixel)
{
    const qreal scale = image_->devicePixelRatioF();
    if (scale < 2.0)
        GTEST_SKIP() << "needs QT_SCALE_FACTOR=2 (the fx_image_hidpi_test run)";
    QImage columns(400, 300, QImage::Format_RGB32);
    for (int x = 0; x < columns.width(); ++x)
        QPainter(&columns).fillRect(x, 0, 1, columns.height(), x % 2 == 0 ? Qt::black : Qt::white);
    QSignalSpy notified(image_, &FXImage::Notify);
    bringIn(notified, writeFile(QStringLiteral("columns.bmp"), test::encodeWithQt(columns, "bmp")));
    EXPECT_EQ(image_->naturalSize(), QSize(400, 300));
    const QImage shown = image_->grab().toImage();
    ASSERT_EQ(shown.size(), QSize(400, 300));
    EXPECT_NE(shown.pixel(20, 20), shown.pixel(21, 20));
    EXPECT_NE(shown.pixel(21, 20), shown.pixel(22, 20));
}

} // namespace
} // namespace qv
