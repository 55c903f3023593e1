// Where the printed page puts its frame, columns and rows, at the sizes of
// an A4 page at 300 dpi and of the halved preview.
#include "base/Rounding.h"
#include "output/PageGeometry.h"

#include <gtest/gtest.h>

namespace {

TEST(PageGeometry, UnitsRoundHalvesToTheEvenNeighbour) {
    struct Case {
        int width;
        int height;
        int u;
        int v;
    };
    const Case cases[] = {
        {2480, 3508, 58, 87},  // 58.47; 87
        {3508, 2480, 58, 87},  // the longer side, whichever it is
        {1240, 1754, 29, 44},  // 29.23; 43.5 goes up to the even 44
        {1134, 1620, 27, 40},  // 27; 40.5 goes down to the even 40
        {1000, 1650, 28, 42},  // 27.5 goes up to the even 28
        {1000, 1590, 26, 39},  // 26.5 goes down to the even 26
    };
    for (const Case& c : cases) {
        const PageUnits units = UnitsOfPage(c.width, c.height);
        EXPECT_EQ(units.u, c.u) << c.width << "x" << c.height;
        EXPECT_EQ(units.v, c.v) << c.width << "x" << c.height;
    }
}

TEST(PageGeometry, FrameHeadingAndRowsOfAnA4Page) {
    const PageGeometry page(2480, 3508, 80);  // U 58, V 87
    EXPECT_EQ(page.X1(), 21);
    EXPECT_EQ(page.Top(), 80 + 21 + 43);
    EXPECT_EQ(page.TableWidth(), 2480 - 84);
    EXPECT_EQ(page.Frame(), (PixelRect{21, 144, 2480 - 21, 3508 - (21 + 29)}));
    EXPECT_EQ(page.PenWidth(), 7);
    EXPECT_EQ(page.LabelLeft(300), 2480 - 21 - 300);
    EXPECT_EQ(page.NameBox(500, 300), (PixelRect{543, 21, 2480 - 300 - 43, 101}));
    EXPECT_EQ(page.CreditTop(), 80 + 21 + 4);
    EXPECT_EQ(page.PageNumberTop(), 3508 - 21 - 58);
    EXPECT_EQ(page.HeaderBand(60), (PixelRect{21 + 10, 144 + 58 - 19, 2480 - 21 - 10, 144 + 58 + 60 + 19}));
    EXPECT_EQ(page.CaptionTop(), 144 + 58);
    // Rows are rnd(1.1 U) = 64 apart, the first rnd(1.5 U) = 87 further down.
    EXPECT_EQ(page.RowTop(1), 144 + 64 + 87);
    EXPECT_EQ(page.RowTop(47), 144 + 47 * 64 + 87);
    EXPECT_EQ(page.SeparatorY(1), page.RowTop(1) + 58 + 3);
    EXPECT_LT(page.RowTop(47) + page.U(), page.Frame().bottom) << "the last row stays inside the frame";
}

TEST(PageGeometry, ColumnsSitAtFractionsOfTheTableAndTheSqueezedTeamPart) {
    const PageGeometry page(2480, 3508, 80);
    EXPECT_EQ(page.ColumnStart(0.0), 42);
    EXPECT_EQ(page.ColumnStart(0.35), 42 + 839);  // 838.6
    EXPECT_EQ(page.TableRight(), 42 + 2396);
    EXPECT_EQ(page.ColumnStart(0.45, 0.82), 42 + 884);  // 884.12
}

TEST(PageGeometry, QuestionColumnsSpreadFromTheSqueezedTeamPartToTheRightEdge) {
    for (int width : {2480, 3508, 1240, 1754})
        for (PageOrientation o : {PageOrientation::Portrait, PageOrientation::Landscape}) {
            const PageGeometry page(width, width * 3 / 2, 40);
            const int perPage = CapacityOf(o).questions;
            EXPECT_EQ(page.QuestionColumnStart(1, o),
                      page.ColumnStart(0.0) + RoundHalfEven(SqueezeFactor(o) * 0.63 * page.TableWidth()));
            EXPECT_EQ(page.QuestionColumnStart(perPage + 1, o), page.TableRight()) << width;
            for (int k = 1; k <= perPage; ++k)
                EXPECT_GT(page.QuestionColumnStart(k + 1, o), page.QuestionColumnStart(k, o));
        }
}

TEST(PageGeometry, RatingGroupMiddlesSplitTheTableEvenly) {
    const PageGeometry page(2480, 3508, 80);
    EXPECT_EQ(page.GroupMiddle(1, 4), 42 + 300);   // 299.5 goes up to the even 300
    EXPECT_EQ(page.GroupMiddle(2, 4), 42 + 898);   // 898.5 goes down to the even 898
    EXPECT_EQ(page.GroupMiddle(4, 4), 42 + 2096);  // 2096.5
    EXPECT_EQ(page.GroupGap(), 24);
    EXPECT_EQ(page.GroupLineTop(), 144 + 145);
    EXPECT_EQ(page.GroupLineBottom(), page.Frame().bottom);
    const PageGeometry landscape(3508, 2480, 80);
    for (int g = 1; g <= 6; ++g)
        EXPECT_NEAR(landscape.GroupMiddle(g, 6) - landscape.ColumnStart(0.0),
                    (2 * g - 1) * landscape.TableWidth() / 12.0, 0.5);
}

}  // namespace
