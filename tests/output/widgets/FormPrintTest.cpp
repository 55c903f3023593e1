// The output dialog through its buttons: the text report through the save
// dialog, the workbook opened in the spreadsheet program (or not) and
// saved under a name, the preview, the information types the opener
// offers, and the order by places before a report or a workbook.
#include "OutputDoubles.h"
#include "OutputGames.h"
#include "OutputWindowTest.h"
#include "output/PublishWriter.h"
#include "output/TextReport.h"
#include "output/widgets/TFormPrint.h"
#include "support/CommandOutput.h"
#include "support/GameBuilder.h"

#include <QApplication>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QMenu>
#include <QRadioButton>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include <gtest/gtest.h>


namespace {

const QString kWriteError = QStringLiteral("Ошибка записи в файл!");

std::string WorkbookDump(const QString& path) {
    return CommandOutput(std::string("/usr/bin/python3 ") + READ_WORKBOOK_SCRIPT + " '" + path.toStdString() + "'");
}

class FormPrintTest : public OutputWindowTest {
protected:
    FormPrintTest() : FGame(ShowcaseGame()), FSource(*FGame), FOpener(Folder()) {
        // Sorted by rating, the rows would not be in the order of places.
        FGame->SetSortByRating(true);
        FGame->CountResult();
        FForm = std::make_unique<TFormPrint>(FSource, Folder() + u'/');
        FForm->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(FForm.get()));
    }

    QWidget& Window() const override { return *FForm; }
    void ChooseType(int item) {
        QTest::mouseClick(Child<QRadioButton>(QByteArray("ChooseInfoType" + QByteArray::number(item)).constData()),
                          Qt::LeftButton);
    }
    // The report of `type` as written after ordering by places.
    std::string PlaceOrderedReport(InfoType type) {
        FGame->SetSortByRating(false);
        FGame->CountResult();
        return TextReportBytes(GameReportData(*FGame, type, RatingType::PlusOne));
    }
    std::string PlaceOrderedPublished(PublishFormat format) {
        FGame->SetSortByRating(false);
        FGame->CountResult();
        return PublishBytes(GameReportData(*FGame, InfoType::TourResults, RatingType::PlusOne), format);
    }

    std::unique_ptr<TVemoData> FGame;
    GameSource FSource;
    RecordingOpener FOpener;
    std::unique_ptr<TFormPrint> FForm;
};

TEST_F(FormPrintTest, OffersTheTypesItsOpenerEnablesWithTheFirstChosen) {
    EXPECT_EQ(FForm->windowTitle(), QStringLiteral("Вывод информации"));
    FForm->SetInfoTypeEnabled(InfoType::Championship, false);
    const char* const captions[] = {"Результаты тура", "Итоговая таблица (+/-)", "Список взятых вопросов",
                                    "Таблица рейтингов вопросов", "Результаты чемпионата"};
    for (int i = 0; i < 5; ++i) {
        auto* item = Child<QRadioButton>(QByteArray("ChooseInfoType" + QByteArray::number(i)).constData());
        EXPECT_EQ(item->text(), QString::fromUtf8(captions[i]));
        EXPECT_EQ(item->isEnabled(), i < 4) << i;
    }
    EXPECT_EQ(FForm->ChosenInfoType(), InfoType::TourResults);
    ChooseType(4);
    EXPECT_EQ(FForm->ChosenInfoType(), InfoType::TourResults) << "a disabled item cannot be chosen";
    ChooseType(3);
    EXPECT_EQ(FForm->ChosenInfoType(), InfoType::QuestionRatings);

    QTest::keyClick(FForm.get(), Qt::Key_F1);
    ASSERT_EQ(FDialogs.Shown(ShownBox::Kind::Help).size(), 1);
    EXPECT_EQ(FDialogs.Shown(ShownBox::Kind::Help)[0].text, QStringLiteral("1009"));
}

TEST_F(FormPrintTest, FileButtonWritesTheChosenTypeInPlaceOrderAndCloses) {
    ChooseType(1);
    FDialogs.fileNames.enqueue(File("report.txt"));
    Click("FileButton");

    ASSERT_EQ(FDialogs.Shown(ShownBox::Kind::Save).size(), 1);
    const FileDialogRequest request = FDialogs.Shown(ShownBox::Kind::Save)[0].request;
    EXPECT_EQ(request.directory, Folder() + u'/');
    EXPECT_EQ(request.filter, QStringLiteral("Текстовые файлы (*.txt)"));
    EXPECT_EQ(request.defaultSuffix, QStringLiteral("txt"));
    EXPECT_EQ(FSource.orderings, 1);
    EXPECT_FALSE(FGame->SortByRating());
    EXPECT_EQ(ReadBytes(FDir.File("report.txt")), PlaceOrderedReport(InfoType::FinalTable));
    EXPECT_FALSE(FForm->isVisible());
    EXPECT_EQ(FForm->result(), QDialog::Accepted);
}

TEST_F(FormPrintTest, TourResultsAreWrittenInPlaceOrderEvenWhenSortedByRating) {
    const std::string byRating = TextReportBytes(GameReportData(*FGame, InfoType::TourResults, RatingType::PlusOne));
    FDialogs.fileNames.enqueue(File("report.txt"));
    Click("FileButton");
    const std::string written = ReadBytes(FDir.File("report.txt"));
    EXPECT_EQ(written, PlaceOrderedReport(InfoType::TourResults));
    EXPECT_NE(written, byRating) << "the game must order differently by rating";
}

TEST_F(FormPrintTest, ACancelledFileDialogWritesNothingAndLeavesTheDialogOpen) {
    FDialogs.fileNames.enqueue(QString());
    Click("FileButton");
    EXPECT_EQ(FSource.orderings, 0);
    EXPECT_TRUE(FGame->SortByRating()) << "nothing was output";
    EXPECT_TRUE(FForm->isVisible());
}

TEST_F(FormPrintTest, AReportThatCannotBeWrittenIsToldAndTheDialogStays) {
    FDialogs.fileNames.enqueue(File("no-folder/report.txt"));
    FDialogs.ExpectError(kWriteError, QStringLiteral("Ошибка"));
    Click("FileButton");
    EXPECT_TRUE(FForm->isVisible());
    EXPECT_FALSE(QFileInfo::exists(File("no-folder")));
}

TEST_F(FormPrintTest, ExcelButtonOpensTheWorkbookInThePlaceOrderAndCloses) {
    ChooseType(2);
    Click("ExcelButton");
    ASSERT_EQ(FOpener.opened.size(), 1);
    const QFileInfo opened(FOpener.opened[0]);
    EXPECT_EQ(opened.fileName(), QStringLiteral("Засчитанные вопросы.xlsx"));
    EXPECT_TRUE(opened.exists()) << "the spreadsheet program reads it after the dialog has gone";
    EXPECT_EQ(FSource.orderings, 1);
    EXPECT_FALSE(FGame->SortByRating());
    const std::string dump = WorkbookDump(FOpener.opened[0]);
    EXPECT_NE(dump.find("sheet\tЗасчитанные вопросы\n"), std::string::npos) << dump;
    EXPECT_NE(dump.find("cell\tB6\tЗнатоки\t"), std::string::npos) << dump;
    EXPECT_FALSE(FForm->isVisible());
    QDir(opened.absolutePath()).removeRecursively();
}

TEST_F(FormPrintTest, WithNothingToOpenTheWorkbookTheDialogSaysSoAndStays) {
    FOpener.opens = false;
    FDialogs.ExpectError(QStringLiteral("Возможно, Excel не установлен"), QStringLiteral("Ошибка"));
    Click("ExcelButton");
    ASSERT_EQ(FOpener.opened.size(), 1);
    EXPECT_NE(WorkbookDump(FOpener.copies[0]).find("sheet\tРезультаты тура\n"), std::string::npos);
    EXPECT_FALSE(QFileInfo::exists(FOpener.opened[0])) << "the unopened workbook is not left behind";
    EXPECT_FALSE(QFileInfo::exists(QFileInfo(FOpener.opened[0]).absolutePath()));
    EXPECT_TRUE(FForm->isVisible());
}

// The button's arrow opens its menu; the user picks the second item.
TEST_F(FormPrintTest, TheExcelMenuSavesTheWorkbookUnderTheChosenName) {
    ChooseType(3);
    FDialogs.fileNames.enqueue(File("book.xlsx"));
    bool picked = false;
    QTimer::singleShot(0, [&picked] {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        ASSERT_NE(menu, nullptr);
        QTest::keyClick(menu, Qt::Key_Down);
        QTest::keyClick(menu, Qt::Key_Down);
        QTest::keyClick(menu, Qt::Key_Return);
        picked = true;
    });
    auto* excel = Child<QToolButton>("ExcelButton");
    QTest::mouseClick(excel, Qt::LeftButton, {}, QPoint(excel->width() - 4, excel->height() / 2));
    ASSERT_TRUE(picked);

    ASSERT_EQ(FDialogs.Shown(ShownBox::Kind::Save).size(), 1);
    const FileDialogRequest request = FDialogs.Shown(ShownBox::Kind::Save)[0].request;
    EXPECT_EQ(request.filter, QStringLiteral("Книги Excel (*.xlsx)"));
    EXPECT_EQ(request.defaultSuffix, QStringLiteral("xlsx"));
    EXPECT_EQ(request.directory, Folder() + u'/');
    EXPECT_TRUE(FOpener.opened.isEmpty());
    EXPECT_NE(WorkbookDump(File("book.xlsx")).find("sheet\tРейтинг вопросов\n"), std::string::npos);
    EXPECT_FALSE(FForm->isVisible());
}

TEST_F(FormPrintTest, PrintButtonShowsThePreviewOfTheChosenTypeAndThenCloses) {
    PdfPrinters printers;
    ChooseType(1);
    FDialogs.windows.enqueue([](QDialog& preview) {
        EXPECT_EQ(preview.windowTitle(), QStringLiteral("Просмотр перед печатью"));
        // Twelve teams over 105 questions: six blocks of 18 questions.
        EXPECT_EQ(preview.findChild<QLabel*>(QStringLiteral("PageLabel"))->text(), QStringLiteral("1/6"));
        preview.reject();
    });
    Click("PrintButton");
    EXPECT_FALSE(FForm->isVisible());
    EXPECT_EQ(FSource.orderings, 0) << "the preview shows the results as they are";
}

// The file type is the chosen name's extension; a name without one is the
// page, as the dialog's first type.
TEST_F(FormPrintTest, PublishButtonWritesTheStandingsInTheFormatOfTheNameAndCloses) {
    const struct {
        const char* name;
        PublishFormat format;
    } cases[] = {
        {"итоги.csv", PublishFormat::Csv}, {"итоги.JSON", PublishFormat::Json}, {"итоги.html", PublishFormat::Html},
        {"итоги.htm", PublishFormat::Html}, {"итоги", PublishFormat::Html},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        FGame->SetSortByRating(true);
        FForm->show();
        FDialogs.fileNames.enqueue(File(c.name));
        Click("PublishButton");
        const FileDialogRequest request = FDialogs.Shown(ShownBox::Kind::Save).last().request;
        EXPECT_EQ(request.title, QStringLiteral("Сохранить для публикации"));
        EXPECT_EQ(request.filter,
                  QStringLiteral("Веб-страница HTML (*.html);;Таблица CSV (*.csv);;Данные JSON (*.json)"));
        EXPECT_EQ(ReadBytes(FDir.File(c.name)), PlaceOrderedPublished(c.format));
        EXPECT_FALSE(FForm->isVisible());
        EXPECT_EQ(FForm->result(), QDialog::Accepted);
    }
    EXPECT_EQ(FSource.orderings, 5);
}

TEST_F(FormPrintTest, PublishingCancelledOrUnwritableLeavesTheDialogOpen) {
    FDialogs.fileNames.enqueue(QString());
    Click("PublishButton");
    EXPECT_EQ(FSource.orderings, 0);
    EXPECT_TRUE(FForm->isVisible());

    FDialogs.fileNames.enqueue(File("no-folder/итоги.csv"));
    FDialogs.ExpectError(kWriteError, QStringLiteral("Ошибка"));
    Click("PublishButton");
    EXPECT_TRUE(FForm->isVisible());
    EXPECT_FALSE(QFileInfo::exists(File("no-folder")));
}

TEST_F(FormPrintTest, AChampionshipHasNoStandingsToPublish) {
    auto* publish = Child<QToolButton>("PublishButton");
    EXPECT_EQ(publish->toolTip(), QStringLiteral("Сохранить для публикации"));
    const bool enabled[] = {true, true, true, true, false};
    for (int type : {4, 2, 0, 4, 1}) {
        ChooseType(type);
        EXPECT_EQ(publish->isEnabled(), enabled[type]) << type;
    }
}

}  // namespace
