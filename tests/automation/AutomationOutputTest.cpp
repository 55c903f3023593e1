// What a client writes through the program: the text report, the game
// file (read back by vemoctl), the printout and the workbook, and the
// messages of a write that fails.
#include "automation/AutomationFixture.h"

#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStringDecoder>

namespace {

QString Box(const char* text) { return QStringLiteral("box\terror\tОшибка\t") + QString::fromUtf8(text); }

QByteArray Cp1251Lines(const QStringList& lines) {
    QStringEncoder toCp1251("windows-1251");
    QByteArray bytes;
    for (const QString& line : lines) bytes += QByteArray(toCp1251(line)) + "\r\n";
    return bytes;
}

QByteArray FileBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<no file>");
}

QString RunProcess(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.start(program, arguments);
    process.waitForFinished(30000);
    return QString::fromUtf8(process.readAllStandardOutput() + process.readAllStandardError());
}

QString Vemoctl(const QStringList& arguments) { return RunProcess(QStringLiteral(VEMOCTL_PATH), arguments); }

}  // namespace

// Альфа takes questions 1 and 2, Бета question 1: with ratings plus one
// the questions are worth 1, 2 and 3.
class AutomationOutputTest : public AutomationTest {
protected:
    void SetUp() override {
        AutomationTest::SetUp();
        if (IsSkipped()) return;
        Run({
            {"NewGame", {"Кубок", "3", "01.02.26", "Иванов"}, "()"},
            {"AddTeam", {"Альфа", "Москва", "Кэп", ""}, "()"},
            {"AddTeam", {"Бета", "Тула", "", ""}, "()"},
            {"SetQuestSign", {"1", "1", "true"}, "()"},
            {"SetQuestSign", {"1", "2", "true"}, "()"},
            {"SetQuestSign", {"2", "1", "true"}, "()"},
            {"SetScoreDeposit", {"2", "3"}, "()"},
            {"CountResult", {}, "()"},
        });
    }
};

TEST_F(AutomationOutputTest, TheTextReportIsWrittenInWindows1251ForResultTypesOneToFour) {
    const QString path = FBus.File("report.txt");
    Run({
        {"OutResultFile", {"0", path}, "()"},
        {"OutResultFile", {"5", path}, "()"},
    });
    EXPECT_FALSE(QFileInfo::exists(path)) << "types 0 and 5 are no result types";
    Run({{"OutResultFile", {"1", path}, "()"}});
    EXPECT_EQ(FileBytes(path),
              Cp1251Lines({
                  "------------------------------- Результаты игры ------------------------------",
                  "",
                  "                                     Кубок",
                  "",
                  "(1  )-Альфа....................(Мо),Кэп.................-  2/3",
                  "(2  )-Бета.....................(Ту),....................-  1/1",
                  "",
                  "------------------- Отчет подготовлен программой ВеМо 2007 -------------------",
                  "------------- Подсчет очков, рейтингов и мест командных турниров -------------",
              }));
    Run({{"OutResultFile", {"2", path}, "()"}});
    EXPECT_TRUE(FileBytes(path).contains(Cp1251Lines({" Итоговая таблица ", "", "                                  123",
                                                       "1  .Альфа....................(Мо) ++-",
                                                       "2  .Бета.....................(Ту) +--"})));
}

TEST_F(AutomationOutputTest, AFailedWriteShowsItsMessage) {
    const QString missingFolder = FBus.File("missing/file");
    Run({
        {"OutResultFile", {"1", missingFolder + ".txt"}, "()", {Box("Ошибка записи в файл!")}},
        {"SaveFile", {missingFolder + ".qgm", "true"}, "()", {Box("Ошибка записи. Файл не сохранен")}},
    });
}

// The saved file is the game as the client built it, read by another program.
TEST_F(AutomationOutputTest, TheSavedGameReadsBackInVemoctl) {
    const QString path = FBus.File("game.qgm");
    Run({{"SaveFile", {path, "false"}, "()"}});
    EXPECT_EQ(Vemoctl({QStringLiteral("dump"), path}),
              "{\"game_name\": \"Кубок\", \"presenter\": \"Иванов\", \"date\": \"01.02.2026\", \"question_count\": 3, "
              "\"tours\": [{\"name\": \"Кубок\", \"questions\": 3}], \"current_tour\": 0, \"groups\": [], "
              "\"current_group\": 0, \"teams\": ["
              "{\"number\": 1, \"name\": \"Альфа\", \"town\": \"Москва\", \"captain\": \"Кэп\", \"trainer\": \"\", "
              "\"group\": null, \"deposit\": 0, \"marks\": \"++-\"}, "
              "{\"number\": 2, \"name\": \"Бета\", \"town\": \"Тула\", \"captain\": \"\", \"trainer\": \"\", "
              "\"group\": null, \"deposit\": 3, \"marks\": \"+--\"}]}\n");
    EXPECT_EQ(Vemoctl({QStringLiteral("standings"), path}),
              "pos\tplace\tnumber\tname\ttown\tscore\tratscore\ttaken\n"
              "0\t1\t1\tАльфа\tМосква\t2\t3\t2\n"
              "1\t2\t2\tБета\tТула\t1\t1\t1\n");
}

// A file that ends half-way is an error inside the method; the game the
// window had gives way to an empty one.
TEST_F(AutomationOutputTest, AFileThatEndsHalfWayIsAnUnexpectedError) {
    const QString path = FBus.File("game.qgm");
    Run({{"SaveFile", {path, "false"}, "()"}});
    QFile file(path);
    ASSERT_TRUE(file.resize(file.size() / 2));
    Run({
        {"OpenFile", {path}, "Error: Vemo.Error.Unexpected: Read beyond end of file"},
        {"GetTeamCount", {}, "(0,)"},
    });
}

// An existing file is kept unless the client allows overwriting it.
TEST_F(AutomationOutputTest, AnExistingFileIsOverwrittenOnlyWhenAllowed) {
    const QString path = FBus.File("game.qgm");
    Run({{"SaveFile", {path, "false"}, "()"}});
    const QByteArray first = FileBytes(path);
    Run({
        {"SetQuestSign", {"2", "3", "true"}, "()"},
        {"SaveFile", {path, "false"}, "()"},
    });
    EXPECT_EQ(FileBytes(path), first);
    Run({{"SaveFile", {path, "true"}, "()"}});
    EXPECT_NE(FileBytes(path), first);
    EXPECT_TRUE(Vemoctl({QStringLiteral("dump"), path}).contains("\"marks\": \"+-+\""));
}

// The printer in use is directed to a PDF file, as a test may do.
TEST_F(AutomationOutputTest, ThePrintoutGoesToThePrinterInUse) {
    const QString pdf = FBus.File("printout.pdf");
    ASSERT_TRUE(FBus.Script("printer " + pdf.toUtf8(), "printer"));
    Run({
        {"OutResultPrinter", {"0", "true"}, "()"},
        {"OutResultPrinter", {"1", "true"}, "()"},
    });
    EXPECT_TRUE(FileBytes(pdf).startsWith("%PDF"));
    const QString text = RunProcess(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")});
    EXPECT_TRUE(text.contains(QStringLiteral("Альфа"))) << text;
    EXPECT_TRUE(text.contains(QStringLiteral("Результаты тура"))) << text;
}

// The workbook is opened as the output dialog's button opens it.
TEST_F(AutomationOutputTest, TheWorkbookIsOpenedInTheSpreadsheetProgram) {
    Run({{"OutResultExcel", {"5"}, "()"}});
    ASSERT_EQ(FBus.Gdbus(QStringLiteral("OutResultExcel"), {QStringLiteral("1")}), QStringLiteral("()"));
    const BusSession::Told told = FBus.TakeTold();
    ASSERT_EQ(told.lines.size(), 1) << told.lines;
    ASSERT_TRUE(told.lines[0].startsWith(QStringLiteral("opened\t"))) << told.lines;
    const QString workbook = told.lines[0].mid(7);
    const QString cells = RunProcess(QStringLiteral("/usr/bin/python3"),
                              {QStringLiteral("-c"),
                               QStringLiteral("import openpyxl,sys\n"
                                              "ws = openpyxl.load_workbook(sys.argv[1]).active\n"
                                              "print([[c for c in r] for r in ws.iter_rows(min_row=5, max_row=7, "
                                              "max_col=6, values_only=True)])"),
                               workbook});
    // Every cell is text, numbers too.
    EXPECT_EQ(cells, "[['Место', 'Команда', 'Город', 'Капитан', 'Очки', 'Рейтинг'], "
                     "['1', 'Альфа', 'Москва', 'Кэп', '2', '3'], ['2', 'Бета', 'Тула', None, '1', '1']]\n");
}
