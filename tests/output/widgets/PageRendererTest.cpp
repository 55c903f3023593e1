// Printed pages drawn on images and printed to PDF: the frame, the header
// band, cells where the geometry puts them, page numbers, and PDF pages
// turned into PNG with pdftoppm.
#include "OutputGames.h"
#include "output/PageGeometry.h"
#include "output/widgets/PageRenderer.h"
#include "support/GameBuilder.h"
#include "support/TempDir.h"
#include "support/TestApplication.h"
#include "ui/draw/DrawHelper.h"

#include <QDir>
#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <QPrinter>

#include <gtest/gtest.h>

#include <cstdlib>

namespace {

constexpr auto kPortrait = PageOrientation::Portrait;
constexpr auto kLandscape = PageOrientation::Landscape;
const QColor kBand(0xC0, 0xC0, 0xC0);

QImage Render(const ReportData& data, int page, PageOrientation orientation, int width, int height) {
    TestApplication();
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::red);  // the renderer must paint the whole page
    QPainter painter(&image);
    RenderPage(painter, width, height, data, page, orientation);
    return image;
}

// The geometry the renderer uses on `image`: it measures its label in the
// heading font, as the renderer does.
PageGeometry GeometryOf(const QImage& image) {
    TestApplication();
    const PageUnits units = UnitsOfPage(image.width(), image.height());
    const QFont font = Draw::CellHeightFont(QStringLiteral("Times New Roman"), units.v, true, false, &image);
    const QFontMetrics metrics(font, &image);
    return PageGeometry(image.width(), image.height(), metrics.ascent() + metrics.descent());
}

bool Dark(const QImage& image, int x, int y) { return qGray(image.pixel(x, y)) < 128; }

int DarkPixels(const QImage& image, const QRect& rect) {
    int count = 0;
    for (int y = rect.top(); y <= rect.bottom(); ++y)
        for (int x = rect.left(); x <= rect.right(); ++x) count += Dark(image, x, y);
    return count;
}

// The cell of table row j from x = left to x = right (exclusive).
QRect Cell(const PageGeometry& g, int left, int right, int j) {
    return QRect(QPoint(left, g.RowTop(j)), QPoint(right - 1, g.RowTop(j) + g.U() - 1));
}

ReportData Data(TVemoData& game, InfoType type) { return GameReportData(game, type, RatingType::PlusOne); }

TEST(PageRenderer, FrameHeaderBandAndFirstRowOfTourResults) {
    auto game = ShowcaseGame();
    const QImage image = Render(Data(*game, InfoType::TourResults), 1, kPortrait, 1240, 1754);
    const PageGeometry g = GeometryOf(image);
    EXPECT_EQ(image.pixelColor(0, 0), QColor(Qt::white));
    EXPECT_EQ(image.pixelColor(1239, 1753), QColor(Qt::white));

    const PixelRect frame = g.Frame();
    const int middle = (frame.top + frame.bottom) / 2;
    EXPECT_TRUE(Dark(image, frame.left, middle)) << "left edge of the frame";
    EXPECT_TRUE(Dark(image, frame.right - 1, middle)) << "right edge of the frame";
    EXPECT_TRUE(Dark(image, image.width() / 2, frame.top)) << "top edge";
    EXPECT_TRUE(Dark(image, image.width() / 2, frame.bottom - 1)) << "bottom edge, whole: one page has no number";
    EXPECT_FALSE(Dark(image, frame.left - g.PenWidth() - 1, middle));

    const PixelRect band = g.HeaderBand(g.U());
    EXPECT_EQ(image.pixelColor(band.left + 1, band.top + 1), kBand);
    EXPECT_EQ(image.pixelColor(band.right - 2, band.bottom - 2), kBand);
    EXPECT_FALSE(Dark(image, band.left + 1, band.top + 1));
    EXPECT_GT(DarkPixels(image, QRect(g.ColumnStart(0.08), g.CaptionTop(), g.U() * 3, g.U())), 0) << "\"Команда\"";

    // Row 1: place "1." and the leader's name; the separator under it.
    EXPECT_GT(DarkPixels(image, Cell(g, g.ColumnStart(0.01), g.ColumnStart(0.07), 1)), 0);
    EXPECT_GT(DarkPixels(image, Cell(g, g.ColumnStart(0.08), g.ColumnStart(0.34), 1)), 0);
    for (int x : {g.ColumnStart(0.0), image.width() / 2, g.TableRight() - 1})
        EXPECT_TRUE(Dark(image, x, g.SeparatorY(1))) << x;
    EXPECT_FALSE(Dark(image, image.width() / 2, g.SeparatorY(12))) << "no line under the last row";
    EXPECT_EQ(DarkPixels(image, Cell(g, g.ColumnStart(0.01), g.TableRight(), 13)), 0) << "12 teams, 12 rows";
}

TEST(PageRenderer, CellsAreClippedToTheirColumns) {
    auto game = ShowcaseGame();
    const ReportData data = Data(*game, InfoType::TourResults);
    const QImage image = Render(data, 1, kPortrait, 1240, 1754);
    const PageGeometry g = GeometryOf(image);
    // The long name and the long captain of rows 5 and 7 would run into the next column.
    for (int j : {5, 7}) {
        EXPECT_EQ(DarkPixels(image, Cell(g, g.ColumnStart(0.34), g.ColumnStart(0.35), j)), 0) << j;
        EXPECT_EQ(DarkPixels(image, Cell(g, g.ColumnStart(0.84), g.ColumnStart(0.85), j)), 0) << j;
    }
}

TEST(PageRenderer, FinalTableMarksStandInTheirQuestionColumns) {
    // Team 1 took question 1 only, team 2 took question 2 only.
    auto game = MakeGame({20}, {"+" + std::string(19, '-'), "-+" + std::string(18, '-')});
    game->CountResult();
    const QImage image = Render(Data(*game, InfoType::FinalTable), 1, kPortrait, 1240, 1754);
    const PageGeometry g = GeometryOf(image);
    auto mark = [&](int k, int j) {
        return Cell(g, g.QuestionColumnStart(k, kPortrait), g.QuestionColumnStart(k + 1, kPortrait), j);
    };
    // "+" has a vertical stroke: ink in more rows of the cell than "-".
    auto inkRows = [&](const QRect& cell) {
        int rows = 0;
        for (int y = cell.top(); y <= cell.bottom(); ++y)
            rows += DarkPixels(image, QRect(cell.left(), y, cell.width(), 1)) > 0;
        return rows;
    };
    EXPECT_GT(inkRows(mark(1, 1)), inkRows(mark(2, 1)) + 2);
    EXPECT_GT(inkRows(mark(2, 2)), inkRows(mark(1, 2)) + 2);
    EXPECT_GT(inkRows(mark(1, 2)), 0) << "a miss shows \"-\"";
    EXPECT_GT(DarkPixels(image, QRect(g.QuestionColumnStart(18, kPortrait), g.CaptionTop(), g.U(), g.U())), 0)
        << "question 18 heads the last column of page 1";
    const QImage second = Render(Data(*game, InfoType::FinalTable), 2, kPortrait, 1240, 1754);
    EXPECT_GT(DarkPixels(second, mark(2, 1)), 0) << "question 20 is the second column of page 2";
    EXPECT_EQ(DarkPixels(second, mark(3, 1)), 0);
}

// Two- and three-digit numbers would fill their columns and run into one
// another; each keeps clear of its column's edges.
TEST(PageRenderer, FinalTableQuestionNumbersStayApart) {
    auto game = PatternGame(3, 130);
    for (PageOrientation o : {kPortrait, kLandscape}) {
        const int width = o == kPortrait ? 1240 : 1754, height = o == kPortrait ? 1754 : 1240;
        const int pages = FinalTablePageCount(3, 130, o);
        for (int page = 1; page <= pages; ++page) {
            const QImage image = Render(Data(*game, InfoType::FinalTable), page, o, width, height);
            const PageGeometry g = GeometryOf(image);
            const int count = FinalTablePageContent(3, 130, page, o).questions.count;
            for (int k = 2; k <= count; ++k) {
                const int edge = g.QuestionColumnStart(k, o);
                EXPECT_EQ(DarkPixels(image, QRect(edge - 1, g.CaptionTop(), 2, g.U())), 0)
                    << "page " << page << ", column " << k;
            }
            EXPECT_GT(DarkPixels(image, QRect(g.QuestionColumnStart(count, o), g.CaptionTop(), g.U(), g.U())), 0);
        }
    }
}

// Fourteen entries of three-digit questions with two-digit ratings are wider
// than the column: the page takes a smaller font instead of cutting them.
TEST(PageRenderer, LongTakenListsShrinkRatherThanLoseTheirEnds) {
    std::vector<std::string> marks(12, std::string(140, '-'));
    marks[0] = std::string(140, '+');
    auto game = MakeGame({140}, marks);
    game->CountResult();
    const QImage image = Render(Data(*game, InfoType::TakenQuestions), 1, kLandscape, 1754, 1240);
    const PageGeometry g = GeometryOf(image);
    int ink = 0;
    for (int j = 1; j <= 10; ++j) {
        EXPECT_EQ(DarkPixels(image, QRect(g.TableRight() - 3, g.RowTop(j), 3, g.U())), 0) << "line " << j;
        ink += DarkPixels(image, Cell(g, g.ColumnStart(0.35), g.TableRight(), j)) > 0;
    }
    EXPECT_EQ(ink, 10) << "140 entries make ten lines";
}

TEST(PageRenderer, PageNumbersBreakTheFrameOnlyWhenThereAreSeveralPages) {
    auto game = PatternGame(48, 10);
    const PixelRect frame = GeometryOf(QImage(1240, 1754, QImage::Format_RGB32)).Frame();
    const QImage several = Render(Data(*game, InfoType::TourResults), 2, kPortrait, 1240, 1754);
    EXPECT_FALSE(Dark(several, 620, frame.bottom - 1)) << "the number's white ground covers the frame";
    EXPECT_TRUE(Dark(several, frame.left + 5, frame.bottom - 1));
    const QImage one = Render(Data(*game, InfoType::TourResults), 1, kLandscape, 1754, 1240);
    const PixelRect landscapeFrame = GeometryOf(one).Frame();
    EXPECT_FALSE(Dark(one, 877, landscapeFrame.bottom - 1)) << "48 teams make two landscape pages too";
    auto small = PatternGame(5, 10);
    const QImage single = Render(Data(*small, InfoType::TourResults), 1, kPortrait, 1240, 1754);
    EXPECT_TRUE(Dark(single, 620, frame.bottom - 1));
}

TEST(PageRenderer, QuestionRatingsDrawAMiddleLinePerGroupWithQuestions) {
    auto game = PatternGame(4, 100);  // landscape: 30 a group, four groups on page 1
    const QImage image = Render(Data(*game, InfoType::QuestionRatings), 1, kLandscape, 1754, 1240);
    const PageGeometry g = GeometryOf(image);
    const int y = (g.GroupLineTop() + g.GroupLineBottom()) / 2;
    for (int group = 1; group <= 4; ++group) EXPECT_TRUE(Dark(image, g.GroupMiddle(group, 6), y)) << group;
    for (int group = 5; group <= 6; ++group) EXPECT_FALSE(Dark(image, g.GroupMiddle(group, 6), y)) << group;
    // Question 1's number ends left of the middle, its rating starts right of it.
    const int middle = g.GroupMiddle(1, 6);
    EXPECT_GT(DarkPixels(image, Cell(g, middle - g.GroupGap() - g.U(), middle - g.GroupGap(), 1)), 0);
    EXPECT_GT(DarkPixels(image, Cell(g, middle + g.GroupGap(), middle + g.GroupGap() + g.U(), 1)), 0);
    EXPECT_EQ(DarkPixels(image, Cell(g, middle - g.GroupGap() + 2, middle - 1, 1)), 0);
}

TEST(PageRenderer, TakenQuestionsShowADashForNothingAndAnEmptyFrameWithoutTeams) {
    auto game = MakeGame({12}, {"++++++++++++", "------------"});
    game->CountResult();
    const QImage image = Render(Data(*game, InfoType::TakenQuestions), 1, kPortrait, 1240, 1754);
    const PageGeometry g = GeometryOf(image);
    // Twelve entries take two lines in portrait; the second team starts on line 3.
    EXPECT_GT(DarkPixels(image, Cell(g, g.ColumnStart(0.35), g.TableRight(), 2)), 0);
    EXPECT_EQ(DarkPixels(image, Cell(g, g.ColumnStart(0.01), g.ColumnStart(0.35), 2)), 0);
    const int dash = DarkPixels(image, Cell(g, g.ColumnStart(0.35), g.TableRight(), 3));
    EXPECT_GT(dash, 0);
    EXPECT_LT(dash, g.U() * g.U() / 4) << "just a dash";

    auto empty = MakeGame({12}, {});
    const QImage frameOnly = Render(Data(*empty, InfoType::TakenQuestions), 1, kPortrait, 1240, 1754);
    EXPECT_TRUE(Dark(frameOnly, g.Frame().left, (g.Frame().top + g.Frame().bottom) / 2));
    EXPECT_EQ(DarkPixels(frameOnly, Cell(g, g.ColumnStart(0.0), g.TableRight(), 1)), 0);
}

// Two rows of a championship: a team of seven games and one of three.
ReportData ChampData(bool byScore, int exlGames, int rows = 2) {
    ReportData data;
    data.type = InfoType::Championship;
    data.title = Ansi("Кубок сезона");
    data.champSettings.CountByScore = byScore;
    data.champSettings.ExlGames = exlGames;
    data.champTeams = {{Ansi("Знатоки"), Ansi("Москва"), "", "", 45, 160, 7, 1, 24},
                       {Ansi("Совы"), Ansi("Тверь"), "", "", 30, 90, 3, 2, 10}};
    for (int i = 2; i < rows; ++i) data.champTeams.push_back({"T" + std::to_string(i), "X", "", "", 1, 1, 1, i + 1, 0});
    return data;
}

QImage CellImage(const QImage& image, const QRect& cell) { return image.copy(cell); }

// The ink's width in a cell: from its first to its last dark column.
int InkWidth(const QImage& image, const QRect& cell) {
    int first = -1, last = -1;
    for (int x = cell.left(); x <= cell.right(); ++x)
        if (DarkPixels(image, QRect(x, cell.top(), 1, cell.height())) > 0) {
            if (first < 0) first = x;
            last = x;
        }
    return first < 0 ? 0 : last - first + 1;
}

TEST(PageRenderer, ChampionshipGamesShowTheObligatoryGamesBeforeThoseOfATeamThatPlayedMore) {
    const QImage fiveOfSeven = Render(ChampData(true, 5), 1, kPortrait, 1240, 1754);
    const QImage allCount = Render(ChampData(true, 7), 1, kPortrait, 1240, 1754);
    const QImage byPoints = Render(ChampData(false, 5), 1, kPortrait, 1240, 1754);
    const PageGeometry g = GeometryOf(fiveOfSeven);
    const QRect games1 = Cell(g, g.ColumnStart(0.65), g.ColumnStart(0.84), 1);
    const QRect games2 = Cell(g, g.ColumnStart(0.65), g.ColumnStart(0.84), 2);
    // "5(7)", "7", and "7" again in points mode, where every game counts.
    EXPECT_GT(InkWidth(fiveOfSeven, games1), 3 * InkWidth(allCount, games1));
    EXPECT_EQ(CellImage(allCount, games1), CellImage(byPoints, games1));
    EXPECT_EQ(CellImage(fiveOfSeven, games2), CellImage(allCount, games2)) << "3 games of 5: \"3\"";
    // The result "45 / 160" and the points "24"; the caption over them changes with the mode.
    const QRect result1 = Cell(g, g.ColumnStart(0.85), g.TableRight(), 1);
    EXPECT_GT(InkWidth(fiveOfSeven, result1), 3 * InkWidth(byPoints, result1));
    const QRect caption(g.ColumnStart(0.85), g.CaptionTop(), g.TableRight() - g.ColumnStart(0.85), g.U());
    EXPECT_GT(InkWidth(fiveOfSeven, caption), InkWidth(byPoints, caption)) << "\"О / Рейт.\" over \"Очки\"";
    for (int x : {g.ColumnStart(0.0), g.TableRight() - 1}) EXPECT_TRUE(Dark(fiveOfSeven, x, g.SeparatorY(1)));
    EXPECT_FALSE(Dark(fiveOfSeven, 620, g.SeparatorY(2))) << "no line under the last row";
    EXPECT_EQ(DarkPixels(fiveOfSeven, Cell(g, g.ColumnStart(0.01), g.TableRight(), 3)), 0);
    for (double from : {0.01, 0.08, 0.45}) EXPECT_GT(DarkPixels(fiveOfSeven, Cell(g, g.ColumnStart(from), g.ColumnStart(from + 0.06), 1)), 0) << from;
}

TEST(PageRenderer, ChampionshipRowsRunOnToTheNextPage) {
    const ReportData data = ChampData(true, 2, 48);
    const QImage second = Render(data, 2, kPortrait, 1240, 1754);
    const PageGeometry g = GeometryOf(second);
    EXPECT_GT(DarkPixels(second, Cell(g, g.ColumnStart(0.08), g.ColumnStart(0.44), 1)), 0) << "row 48";
    EXPECT_EQ(DarkPixels(second, Cell(g, g.ColumnStart(0.01), g.TableRight(), 2)), 0);
    EXPECT_FALSE(Dark(second, 620, g.Frame().bottom - 1)) << "the page number";
    const QImage landscape = Render(data, 2, kLandscape, 1754, 1240);
    const PageGeometry lg = GeometryOf(landscape);
    EXPECT_GT(DarkPixels(landscape, Cell(lg, lg.ColumnStart(0.08), lg.ColumnStart(0.44), 18)), 0) << "rows 31 to 48";
    EXPECT_EQ(DarkPixels(landscape, Cell(lg, lg.ColumnStart(0.01), lg.TableRight(), 19)), 0);
}

// Every type in both orientations printed to PDF and turned into PNG.
TEST(PageRenderer, PrintsEveryPageToPdfInOneJob) {
    TestApplication();
    TempDir dir;
    auto game = PatternGame(48, 19);
    struct Case {
        InfoType type;
        PageOrientation orientation;
        int pages;
    };
    const Case cases[] = {
        {InfoType::Championship, kPortrait, 2},    {InfoType::Championship, kLandscape, 2},
        {InfoType::TourResults, kPortrait, 2},     {InfoType::TourResults, kLandscape, 2},
        {InfoType::FinalTable, kPortrait, 4},      {InfoType::FinalTable, kLandscape, 2},
        {InfoType::TakenQuestions, kPortrait, 2},  {InfoType::TakenQuestions, kLandscape, 2},
        {InfoType::QuestionRatings, kPortrait, 1}, {InfoType::QuestionRatings, kLandscape, 1},
    };
    for (const Case& c : cases) {
        const std::string name = "t" + std::to_string(static_cast<int>(c.type)) +
                                 (c.orientation == kPortrait ? "p" : "l");
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(QString::fromStdString(dir.File(name + ".pdf")));
        printer.setPageSize(QPageSize(QPageSize::A4));
        printer.setResolution(300);
        const ReportData data = c.type == InfoType::Championship ? ChampData(true, 2, 48) : Data(*game, c.type);
        ASSERT_EQ(PrintAllPages(printer, data, c.orientation), c.pages) << name;
        const std::string command = "pdftoppm -r 100 -png '" + dir.File(name + ".pdf") + "' '" + dir.File(name) + "'";
        ASSERT_EQ(std::system(command.c_str()), 0) << command;
        const QStringList pngs = QDir(QString::fromStdString(dir.Path().string()))
                                     .entryList({QString::fromStdString(name + "-*.png")}, QDir::Files, QDir::Name);
        ASSERT_EQ(pngs.size(), c.pages) << name;
        const QImage first(QString::fromStdString(dir.File(pngs.first().toStdString())));
        ASSERT_FALSE(first.isNull());
        EXPECT_EQ(first.width() > first.height(), c.orientation == kLandscape) << name;
        // The frame's left edge, at 100 dpi, and the grey band.
        const PageGeometry g(first.width(), first.height(), 0);
        EXPECT_GT(DarkPixels(first, QRect(g.X1() - 2, first.height() / 2, 5, 1)), 0) << name;
        int grey = 0;
        for (int y = 0; y < first.height() / 4; ++y) grey += first.pixelColor(first.width() / 2, y) == kBand;
        EXPECT_GT(grey, 0) << name << ": the header band";
    }
}

TEST(PageRenderer, NothingToPrintWritesNoPages) {
    TestApplication();
    TempDir dir;
    auto empty = MakeGame({12}, {});
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(QString::fromStdString(dir.File("empty.pdf")));
    EXPECT_EQ(PrintAllPages(printer, Data(*empty, InfoType::TakenQuestions), kPortrait), 0);
    EXPECT_FALSE(QFile::exists(QString::fromStdString(dir.File("empty.pdf"))));
    auto game = PatternGame(100, 10);
    printer.setOutputFileName(QString::fromStdString(dir.File("pages.pdf")));
    EXPECT_EQ(PrintPages(printer, Data(*game, InfoType::TourResults), kPortrait, 2, 9), 2) << "pages 2 and 3";
}

}  // namespace
