// Pictures of every dialog for a person to look at, not a check: run under an X server with
// QV_SHOT_DIR set (and QT_SCALE_FACTOR=2 for high density), e.g.
//   xvfb-run -a arranging_screens --gtest_also_run_disabled_tests
#include "config_ui/arranging/add_files.h"
#include "config_ui/arranging/cload.h"
#include "config_ui/arranging/csave.h"
#include "config_ui/arranging/cus_add2.h"
#include "config_ui/arranging/frmremove.h"
#include "config_ui/arranging/insert.h"
#include "config_ui/arranging/swap.h"
#include "config_ui/support/message_recorder.h"
#include "startup/startup_state.h"
#include "support/test_files.h"

#include <QAbstractItemView>
#include <QImage>
#include <QAccessible>
#include <QPushButton>
#include <QTest>

#include <cstdio>
#include <memory>

namespace qv::test {
namespace {

class ArrangingScreens : public ConfigWindowTest {};

TEST_F(ArrangingScreens, DISABLED_EveryDialog)
{
    const QString shots = qEnvironmentVariable("QV_SHOT_DIR");
    ASSERT_FALSE(shots.isEmpty());
    QTemporaryDir pictures;
    for (int n = 1; n <= 12; ++n) {
        QImage image(n % 2 ? 640 : 300, 480, QImage::Format_RGB32);
        image.fill(QColor::fromHsv(n * 30, 160, 220));
        image.save(pictures.filePath(QStringLiteral("holiday_%1.jpg").arg(n, 2, 10, QLatin1Char('0'))), "JPEG");
    }
    startupState().pictureBrowseDir = pictures.path() + u'/';
    for (const char* name : {"Holiday.css", "Garden.css", "Wedding2019.css"})
        ASSERT_TRUE(writeFile(dataPath(QLatin1String(name))));
    for (int n = 1; n <= 14; ++n) {
        AppendSlide();
        customShow().picture[std::size_t(n)] = pictures.filePath(QStringLiteral("holiday_%1.jpg").arg(n));
        customShow().description[std::size_t(n)] = QStringLiteral("Day %1 at the sea").arg(n);
    }
    configUiState().currentSlide = 3;

    const auto take = [&shots](QDialog* dialog, const QString& name, const char* autoPreviewFile = nullptr) {
        dialog->show();
        QTest::qWait(300);
        if (autoPreviewFile != nullptr) {
            auto* files = dialog->findChild<QAbstractItemView*>(QStringLiteral("File1"));
            const QModelIndexList found = files->model()->match(files->model()->index(0, 0), Qt::DisplayRole,
                                                                QLatin1String(autoPreviewFile));
            if (!found.isEmpty()) {
                QTest::mouseClick(files->viewport(), Qt::LeftButton, {}, files->visualRect(found.first()).center());
                if (auto* preview = dialog->findChild<QPushButton*>(QStringLiteral("SSCommand1_2")))
                    if (preview->text() == QStringLiteral("&Preview"))
                        preview->click();
                if (auto* preview = dialog->findChild<QPushButton*>(QStringLiteral("SSCommand1_3")))
                    if (preview->text() == QStringLiteral("&Preview"))
                        preview->click();
            }
            QTest::qWait(800);
        }
        dialog->grab().save(shots + u'/' + name + QStringLiteral(".png"));
        for (const QWidget* control : dialog->findChildren<QWidget*>()) {
            // What a screen reader says: a label's text or a combo box's own name count too.
            const QAccessibleInterface* spoken = QAccessible::queryAccessibleInterface(const_cast<QWidget*>(control));
            if (control->focusPolicy() != Qt::NoFocus && control->isVisibleTo(dialog)
                && (spoken == nullptr || spoken->text(QAccessible::Name).isEmpty()))
                std::printf("%s: %s has no accessible name\n", qPrintable(name), qPrintable(control->objectName()));
        }
        dialog->hide();
    };
    take(std::make_unique<insert>().get(), QStringLiteral("insert"), "holiday_03.jpg");
    take(std::make_unique<cus_add2>().get(), QStringLiteral("cus_add2"), "holiday_04.jpg");
    take(std::make_unique<Add_files>().get(), QStringLiteral("Add_files"), "holiday_05.jpg");
    take(std::make_unique<Swap>().get(), QStringLiteral("Swap"));
    take(std::make_unique<cload>().get(), QStringLiteral("cload"));
    take(std::make_unique<csave>().get(), QStringLiteral("csave"));
    take(std::make_unique<frmremove>().get(), QStringLiteral("frmremove"));
}

} // namespace
} // namespace qv::test
