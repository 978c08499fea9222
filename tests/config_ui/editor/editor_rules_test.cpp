#include "config_ui/editor/data_sheet.h"
#include "config_ui/editor/slide_table_edits.h"
#include "showdata/effect_catalogue.h"
#include "support/qt_printers.h"

#include <gtest/gtest.h>

#include <cstring>
#include <tuple>

namespace qv {
namespace {

// Paths up to 18 characters stay whole, cut ones are marked; numbers are right-aligned.
TEST(DataSheet, NumbersAreRightAlignedAndFieldsKeepTheirColumns)
{
    const std::tuple<int, const char*> cases[] = {
        {18, "/abcdefghijklmnopq"}, {19, "..cdefghijklmnopqr"}, {27, "..klmnopqrstuvwxyz"}};
    for (const auto& [length, sheet] : cases) {
        const QString path = QStringLiteral("/abcdefghijklmnopqrstuvwxyz").left(length);
        EXPECT_EQ(sheetPathText(path), QString::fromLatin1(sheet)) << length;
    }
    effectCatalogue() = standardEffectCatalogue();
    SlideRecord slide{QStringLiteral("/pictures/holiday/beach-at-dawn.jpg"),
                      QStringLiteral("A description of forty characters long!!"),
                      15, 0, 1234, QStringLiteral("Sound Off"), 1};
    for (const auto& [n, start] : {std::pair{7, "   7 "}, {123, " 123 "}, {12345, "12345 "}})
        EXPECT_EQ(dataSheetSlideLine(n, slide).left(int(std::strlen(start))), QLatin1String(start));
    EXPECT_EQ(dataSheetSlideLine(7, slide).mid(5),
              QStringLiteral("..each-at-dawn.jpg|A description of f|15 |None     |123|Sound Off         |Yes "));
    slide.effect = 500;  // a hand-edited number outside the catalogue prints as itself
    slide.audioLoop = 2;
    EXPECT_EQ(dataSheetSlideLine(1, slide).mid(5 + 42), QStringLiteral("500      |123|Sound Off         |No  "));

    CustomShow show;
    show.resizeSlides(2);
    const QStringList lines = dataSheetLines(show, QStringLiteral("trip.css"), QDateTime::currentDateTime());
    ASSERT_EQ(lines.size(), 7);
    EXPECT_EQ(lines[3], QStringLiteral("     Picture           |Description       |Del|Effect   |Spd|Audio (wav,mid)   |Loop"));
    EXPECT_EQ(lines[3].size(), lines[5].size());
}

TEST(GridMoves, KeepTheSlideInViewAndStayInsideTheShow)
{
    struct Case {
        int count, top, current, step, slide, newTop;
    };
    for (const Case c : {Case{25, 1, 5, 1, 6, 1}, Case{25, 1, 10, 1, 11, 2}, Case{25, 5, 5, -1, 4, 4},
                         Case{25, 1, 3, 10, 13, 4}, Case{25, 16, 25, 1, 25, 16}, Case{25, 16, 20, -100, 1, 1},
                         Case{8, 1, 8, 10, 8, 1}, Case{25, 20, 20, 0, 20, 16}}) {
        const GridMove move = moveWithinShow(c.count, c.top, c.current, c.step);
        EXPECT_EQ(move.slide, c.slide) << c.count << " " << c.top << " " << c.current << " " << c.step;
        EXPECT_EQ(move.topRow, c.newTop) << c.count << " " << c.top << " " << c.current << " " << c.step;
    }
}

} // namespace
} // namespace qv
