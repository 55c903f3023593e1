// The print preview through its buttons: scales, orientation, the pages
// and their buttons' states, the picture in its scroll box, printing the
// current page and all pages to PDF, and the page saved as a BMP.
#include "OutputDoubles.h"
#include "OutputGames.h"
#include "OutputWindowTest.h"
#include "output/PreviewLayout.h"
#include "output/widgets/PageRenderer.h"
#include "output/widgets/TFormPreview.h"
#include "support/CommandOutput.h"
#include "support/GameBuilder.h"

#include <QFileInfo>
#include <QImage>
#include <QLabel>
#include <QPainter>
#include <QScrollArea>
#include <QScrollBar>
#include <QTest>
#include <QToolButton>

#include <gtest/gtest.h>


namespace {

constexpr auto kPortrait = PageOrientation::Portrait;
constexpr auto kLandscape = PageOrientation::Landscape;
int PdfPages(const QString& path) {
    const std::string info = CommandOutput("pdfinfo '" + path.toStdString() + "'");
    const std::size_t at = info.find("Pages:");
    return at == std::string::npos ? -1 : std::stoi(info.substr(at + 6));
}

class FormPreviewTest : public OutputWindowTest {
protected:

    // 48 teams over 19 questions: four pages of the final table in portrait
    // (two question blocks of 47 teams and of one), two in landscape.
    void Open(InfoType type, std::unique_ptr<TVemoData> game = PatternGame(48, 19)) {
        FGame = std::move(game);
        Open(GameReportData(*FGame, type, RatingType::PlusOne));
    }
    void Open(ReportData data) {
        FData = std::move(data);
        FForm = std::make_unique<TFormPreview>(FData, Folder() + u'/');
        FForm->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(FForm.get()));
    }

    QWidget& Window() const override { return *FForm; }
    QToolButton* Button(const char* name) const { return Child<QToolButton>(name); }
    QString PageText() const { return Child<QLabel>("PageLabel")->text(); }
    QSize PictureSize() const { return Child<QLabel>("Image")->size(); }
    // The printer's page halved once (the test printer has 600 dpi), as
    // the preview's page.
    PixelSize ScreenPage(PageOrientation orientation) {
        UseWholePages(FPrinters.Printer(), orientation);
        const PixelSize page = ScreenPageSize(FPrinters.Printer().width(), FPrinters.Printer().height());
        EXPECT_EQ(page.width, FPrinters.Printer().width() / 2);
        return page;
    }
    QSize Expected(int scale, PageOrientation orientation) {
        const PixelSize size = PreviewPictureSize(scale, orientation, ScreenPage(orientation));
        return {size.width, size.height};
    }
    // The buttons' states: previous page, next page.
    std::pair<bool, bool> PageButtons() const {
        return {Button("DecPageButton")->isEnabled(), Button("IncPageButton")->isEnabled()};
    }

    PdfPrinters FPrinters;
    std::unique_ptr<TVemoData> FGame;
    ReportData FData;
    std::unique_ptr<TFormPreview> FForm;
};

TEST_F(FormPreviewTest, StartsOnTheFirstPageInPortraitAtTheSmallestScale) {
    Open(InfoType::FinalTable);
    EXPECT_EQ(FForm->windowTitle(), QStringLiteral("Просмотр перед печатью"));
    EXPECT_EQ(FForm->size(), QSize(681, 480));
    EXPECT_TRUE(FForm->windowFlags() & Qt::WindowMaximizeButtonHint);
    EXPECT_EQ(Child<QWidget>("TopPanel")->height(), 41);
    EXPECT_TRUE(Button("Scale1Button")->isChecked());
    EXPECT_TRUE(Button("PortrButton")->isChecked());
    EXPECT_EQ(PageText(), QStringLiteral("1/4"));
    EXPECT_EQ(PageButtons(), std::make_pair(false, true));
    EXPECT_EQ(PictureSize().width(), 300);
    EXPECT_EQ(PictureSize(), Expected(1, kPortrait));

    QTest::keyClick(FForm.get(), Qt::Key_F1);
    ASSERT_EQ(FDialogs.Shown(ShownBox::Kind::Help).size(), 1);
    EXPECT_EQ(FDialogs.Shown(ShownBox::Kind::Help)[0].text, QStringLiteral("1010"));
}

TEST_F(FormPreviewTest, ScalesResizeThePictureCentredWhileItFits) {
    Open(InfoType::FinalTable);
    Click("IncPageButton");
    auto* box = Child<QScrollArea>("ScrollBox");
    const int viewport = box->viewport()->width();
    struct Step {
        const char* button;
        int scale;
        int width;
    };
    const Step steps[] = {{"Scale2Button", 2, 500}, {"Scale3Button", 3, 1000}, {"Scale1Button", 1, 300}};
    for (const Step& step : steps) {
        box->verticalScrollBar()->setValue(box->verticalScrollBar()->maximum());
        Click(step.button);
        EXPECT_TRUE(Button(step.button)->isChecked());
        EXPECT_EQ(PictureSize().width(), step.width) << step.button;
        EXPECT_EQ(PictureSize(), Expected(step.scale, kPortrait)) << step.button;
        EXPECT_EQ(PageText(), QStringLiteral("2/4")) << "the page stays";
        EXPECT_EQ(box->verticalScrollBar()->value(), 0) << step.button;
        const int left = Child<QLabel>("Image")->x();
        if (step.width < viewport)
            EXPECT_EQ(left, (viewport - step.width) / 2) << step.button;
        else
            EXPECT_EQ(left, 0) << step.button;
    }
}

TEST_F(FormPreviewTest, PageButtonsStepThroughThePagesAndSayWhereTheyCanGo) {
    Open(InfoType::FinalTable);
    struct Step {
        const char* button;
        const char* label;
        std::pair<bool, bool> enabled;
    };
    const Step steps[] = {
        {"IncPageButton", "2/4", {true, true}},  {"IncPageButton", "3/4", {true, true}},
        {"IncPageButton", "4/4", {true, false}}, {"DecPageButton", "3/4", {true, true}},
        {"DecPageButton", "2/4", {true, true}},  {"DecPageButton", "1/4", {false, true}},
    };
    for (const Step& step : steps) {
        Click(step.button);
        EXPECT_EQ(PageText(), QString::fromLatin1(step.label));
        EXPECT_EQ(PageButtons(), step.enabled) << step.label;
    }
}

TEST_F(FormPreviewTest, AnotherOrientationLaysThePagesOutAgainFromPageOne) {
    Open(InfoType::FinalTable);
    Click("IncPageButton");
    Click("Scale2Button");
    Click("LandButton");
    EXPECT_TRUE(Button("LandButton")->isChecked());
    EXPECT_FALSE(Button("PortrButton")->isChecked());
    EXPECT_EQ(PageText(), QStringLiteral("1/2"));
    EXPECT_EQ(PageButtons(), std::make_pair(false, true));
    EXPECT_EQ(PictureSize().width(), 707);
    EXPECT_EQ(PictureSize(), Expected(2, kLandscape));

    Click("IncPageButton");
    Click("LandButton");
    EXPECT_EQ(PageText(), QStringLiteral("2/2")) << "the button already down changes nothing";
    Click("PortrButton");
    EXPECT_EQ(PageText(), QStringLiteral("1/4"));
    EXPECT_EQ(PictureSize(), Expected(2, kPortrait));
}

TEST_F(FormPreviewTest, OnePageDisablesBothPageButtons) {
    Open(InfoType::QuestionRatings);
    EXPECT_EQ(PageText(), QStringLiteral("1/1"));
    EXPECT_EQ(PageButtons(), std::make_pair(false, false));
    Click("IncPageButton");
    EXPECT_EQ(PageText(), QStringLiteral("1/1"));
}

TEST_F(FormPreviewTest, TheBmpIsTheCurrentPageAtTheScreensSize) {
    Open(InfoType::FinalTable);
    Click("IncPageButton");
    Click("Scale3Button");
    FDialogs.fileNames.enqueue(File("page.bmp"));
    Click("FileButton");

    ASSERT_EQ(FDialogs.Shown(ShownBox::Kind::Save).size(), 1);
    const FileDialogRequest request = FDialogs.Shown(ShownBox::Kind::Save)[0].request;
    EXPECT_EQ(request.directory, Folder() + u'/');
    EXPECT_EQ(request.filter, QStringLiteral("Файлы изображений (*.bmp);;Все файлы (*)"));
    EXPECT_EQ(request.defaultSuffix, QStringLiteral("bmp"));
    EXPECT_EQ(ReadBytes(FDir.File("page.bmp")).substr(0, 2), "BM");
    const QImage saved(File("page.bmp"), "BMP");
    const PixelSize screen = ScreenPage(kPortrait);
    ASSERT_EQ(saved.size(), QSize(screen.width, screen.height));
    QImage page(saved.size(), QImage::Format_RGB32);
    QPainter painter(&page);
    RenderPage(painter, page.width(), page.height(), FData, 2, kPortrait);
    painter.end();
    EXPECT_EQ(saved.convertToFormat(QImage::Format_RGB32), page) << "page 2 as drawn";
}

TEST_F(FormPreviewTest, ACancelledOrFailedPictureSaveWritesNothing) {
    Open(InfoType::TourResults);
    FDialogs.fileNames.enqueue(QString());
    Click("FileButton");
    FDialogs.fileNames.enqueue(File("no-folder/page.bmp"));
    FDialogs.ExpectError(QStringLiteral("Ошибка записи в файл!"), QStringLiteral("Ошибка"));
    Click("FileButton");
    EXPECT_FALSE(QFileInfo::exists(File("no-folder")));
}

TEST_F(FormPreviewTest, PrintsTheCurrentPageOrAllPagesInOneJob) {
    Open(InfoType::FinalTable);
    Click("IncPageButton");
    Click("IncPageButton");
    FPrinters.fileName = File("page.pdf");
    Click("PrintButton");
    EXPECT_EQ(PdfPages(File("page.pdf")), 1);
    EXPECT_NE(CommandOutput("pdftotext '" + FDir.File("page.pdf") + "' -").find("Страница 3"), std::string::npos);

    FPrinters.fileName = File("all.pdf");
    Click("PrintAllButton");
    EXPECT_EQ(PdfPages(File("all.pdf")), 4);
    EXPECT_EQ(FPrinters.dialogs, 2);
    EXPECT_EQ(PageText(), QStringLiteral("3/4")) << "printing keeps the page on show";

    Click("LandButton");
    FPrinters.fileName = File("landscape.pdf");
    Click("PrintAllButton");
    EXPECT_EQ(PdfPages(File("landscape.pdf")), 2);
    EXPECT_NE(CommandOutput("pdfinfo '" + FDir.File("landscape.pdf") + "'").find("842 x 595"), std::string::npos);
}

TEST_F(FormPreviewTest, ACancelledPrintDialogPrintsNothingAndAFailedJobIsTold) {
    Open(InfoType::TourResults);
    FPrinters.fileName.clear();
    Click("PrintAllButton");
    EXPECT_EQ(FPrinters.dialogs, 1);
    FPrinters.fileName = File("no-folder/all.pdf");
    FDialogs.ExpectError(QStringLiteral("Не удалось напечатать страницы."), QStringLiteral("Ошибка"));
    Click("PrintButton");
    EXPECT_FALSE(QFileInfo::exists(File("no-folder")));
}

// 48 rows: two pages in either orientation, printed whole.
TEST_F(FormPreviewTest, TheChampionshipTableRunsOverItsPagesAndPrintsThem) {
    ReportData data;
    data.type = InfoType::Championship;
    data.title = Ansi("Кубок сезона");
    for (int i = 0; i < 48; ++i) data.champTeams.push_back({"T" + std::to_string(i + 1), "X", "", "", 48 - i, 1, 3, i + 1, 0});
    Open(std::move(data));
    EXPECT_EQ(PageText(), QStringLiteral("1/2"));
    EXPECT_EQ(PageButtons(), std::make_pair(false, true));
    Click("LandButton");
    EXPECT_EQ(PageText(), QStringLiteral("1/2"));
    FPrinters.fileName = File("champ.pdf");
    Click("PrintAllButton");
    EXPECT_EQ(PdfPages(File("champ.pdf")), 2);
    const std::string text = CommandOutput("pdftotext '" + FDir.File("champ.pdf") + "' -");
    for (const char* expected : {"Результаты чемпионата", "Кубок сезона", "T31", "T48"})
        EXPECT_NE(text.find(expected), std::string::npos) << expected;
}

TEST_F(FormPreviewTest, WithoutPagesThePreviewShowsAnEmptyFrameAndPrintsNothing) {
    Open(InfoType::TakenQuestions, MakeGame({12}, {}));
    EXPECT_EQ(PageText(), QStringLiteral("1/0"));
    EXPECT_EQ(PageButtons(), std::make_pair(false, false));
    const QImage picture = Child<QLabel>("Image")->pixmap().toImage();
    ASSERT_FALSE(picture.isNull());
    EXPECT_EQ(picture.pixelColor(2, 2), QColor(Qt::white)) << "a page is drawn";
    FPrinters.fileName = File("all.pdf");
    Click("PrintAllButton");
    Click("PrintButton");
    EXPECT_EQ(FPrinters.dialogs, 0);
    EXPECT_FALSE(QFileInfo::exists(File("all.pdf")));
}

}  // namespace
