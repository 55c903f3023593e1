#include "output/TextReport.h"

#include "base/FileIO.h"
#include "base/TransCodes.h"
#include "output/OutputCredits.h"

#include <algorithm>

namespace {

constexpr int kLineWidth = 80;
constexpr int kFinalTableBlock = 46;
constexpr int kRatingCellsPerRow = 5;
const std::string kMarksIndent(34, ' ');

struct Texts {
    std::string gameBanner = Ansi("------------------------------- Результаты игры ------------------------------");
    std::string champBanner = Ansi("---------------------------- Результаты чемпионата ---------------------------");
    std::string afterQuestion = Ansi("Информация после вопроса №");
    std::string finalTable = Ansi(" Итоговая таблица ");
    std::string takenQuestions = Ansi(" Засчитанные вопросы ");
    std::string ratingsPlusOne = Ansi(" Рейтинг вопросов (Минусы + 1) ");
    std::string ratingsZero = Ansi(" Рейтинг вопросов (Нулевой) ");
    std::string nothingTaken = Ansi("[нету]");
    std::string ratingHeader = Ansi(" Вопр. | Рейт. ");
    std::string champHeader = Ansi("М   Команда                   Г Капитан              Игры   ");
    std::string champByScore = Ansi("Вопр/Рейт");
    std::string champByPoints = Ansi("Очки");

    static std::string Ansi(const char* utf8) { return TransCodes::Utf8ToAnsi(utf8); }
};

const Texts& ReportTexts() {
    static const Texts texts;
    return texts;
}

// s followed by `fill` up to `width` characters; a longer s is kept whole.
std::string Pad(std::string s, char fill, std::size_t width) {
    if (s.size() < width) s.append(width - s.size(), fill);
    return s;
}

std::string Num(int n, std::size_t width) { return Pad(std::to_string(n), ' ', width); }

std::string RightAligned(int n, std::size_t width) {
    const std::string digits = std::to_string(n);
    return std::string(width > digits.size() ? width - digits.size() : 0, ' ') + digits;
}

int Digits(int n) { return static_cast<int>(std::to_string(n).size()); }

class Lines {
public:
    void Add(const std::string& line) {
        FBytes += line;
        FBytes += "\r\n";
    }
    std::string Take() { return std::move(FBytes); }

private:
    std::string FBytes;
};

void WriteHead(const ReportData& data, Lines& out) {
    out.Add(data.type == InfoType::Championship ? ReportTexts().champBanner : ReportTexts().gameBanner);
    out.Add("");
    const int indent = (kLineWidth - static_cast<int>(data.title.size())) / 2;
    out.Add(std::string(static_cast<std::size_t>(std::max(indent, 0)), ' ') + data.title);
    out.Add("");
}

void WriteTourResults(const ReportData& data, Lines& out) {
    if (data.lastQuestion != data.QuestionCount())
        out.Add(ReportTexts().afterQuestion + std::to_string(data.lastQuestion));
    for (int position = 0; position < data.TeamCount(); ++position) {
        const ReportTeam& team = data.TeamAt(position);
        const std::string result = std::to_string(team.score) + "/" + std::to_string(team.ratScore);
        // The comma and up to two spaces keep the line's length for results of 4 to 7 characters.
        const std::size_t length = result.size() - 1;
        out.Add("(" + Num(team.place, 3) + ")-" + Pad(team.name, '.', 25) + "(" + TownPrefix(team.town) + ")" +
                (length < 7 ? "," : "") + Pad(team.captain, '.', 20) + "-" + (length < 6 ? " " : "") +
                (length < 5 ? " " : "") + result);
    }
}

int HighestPowerOfTen(int n) {
    int power = 1;
    while (power <= n / 10) power *= 10;
    return power;
}

void WriteDigitLine(int first, int count, int divisor, Lines& out) {
    std::string line = kMarksIndent;
    for (int q = first; q < first + count; ++q) line += static_cast<char>('0' + q / divisor % 10);
    out.Add(line);
}

void WriteFinalTable(const ReportData& data, Lines& out) {
    out.Add(ReportTexts().finalTable);
    out.Add("");
    const int questions = data.QuestionCount();
    const int blocks = (questions - 1) / kFinalTableBlock + 1;
    for (int b = 0; b < blocks; ++b) {
        const int first = kFinalTableBlock * b + 1;
        const int count = std::min(questions - kFinalTableBlock * b, kFinalTableBlock);
        // One line per digit of the largest number, the highest first.
        for (int divisor = HighestPowerOfTen(questions); divisor >= 1; divisor /= 10)
            WriteDigitLine(first, count, divisor, out);
        for (std::size_t k = 0; k < data.teams.size(); ++k) {
            const ReportTeam& team = data.teams[k];
            out.Add(Num(static_cast<int>(k + 1), 3) + "." + Pad(team.name, '.', 25) + "(" + TownPrefix(team.town) +
                    ") " + team.marks.substr(static_cast<std::size_t>(first - 1), static_cast<std::size_t>(count)));
        }
        if (b + 1 < blocks) out.Add("");
    }
}

// Lines end before a question whose entry might not fit in 80 columns; the
// check looks at every question in turn, taken or not.
void WriteTakenList(const ReportData& data, const ReportTeam& team, std::string line, Lines& out) {
    const int last = static_cast<int>(team.marks.rfind('+')) + 1;
    for (int q = 1; q <= last; ++q) {
        const int rating = data.Rating(q - 1);
        if (static_cast<int>(line.size()) + Digits(q) + Digits(rating) + 4 >= kLineWidth) {
            out.Add(line);
            line = kMarksIndent;
        }
        if (team.Sign(q - 1) == '+')
            line += std::to_string(q) + "(" + std::to_string(rating) + "), ";
    }
    line.erase(line.size() - 2, 1);
    out.Add(line);
}

void WriteTakenQuestions(const ReportData& data, Lines& out) {
    out.Add(ReportTexts().takenQuestions);
    out.Add("");
    const std::size_t width = std::to_string(data.TeamCount()).size();
    for (std::size_t k = 0; k < data.teams.size(); ++k) {
        const ReportTeam& team = data.teams[k];
        const std::string position = std::to_string(k + 1);
        const std::string line = std::string(width - position.size(), '0') + position + "." +
                                 Pad(team.name, '.', 25) + "(" + TownPrefix(team.town) + ") - ";
        if (team.takenCount == 0)
            out.Add(line + ReportTexts().nothingTaken);
        else
            WriteTakenList(data, team, line, out);
    }
}

void WriteQuestionRatings(const ReportData& data, Lines& out) {
    out.Add(data.rating == RatingType::PlusOne ? ReportTexts().ratingsPlusOne : ReportTexts().ratingsZero);
    out.Add("");
    std::string header = "  ";
    for (int j = 0; j < kRatingCellsPerRow; ++j) header += ReportTexts().ratingHeader;
    out.Add(header);
    const int questions = data.QuestionCount();
    const int rows = (questions + kRatingCellsPerRow - 1) / kRatingCellsPerRow;
    for (int i = 1; i <= rows; ++i) {
        std::string row = "   ";
        for (int j = 0; j < kRatingCellsPerRow; ++j) {
            const int q = j * rows + i;
            if (q > questions) continue;
            row += Pad(RightAligned(q, 5) + " - " + std::to_string(data.Rating(q - 1)), ' ', 15);
        }
        out.Add(row);
    }
}

// The games column is the number of games played, whatever counted.
void WriteChampionship(const ReportData& data, Lines& out) {
    const bool byScore = data.champSettings.CountByScore;
    out.Add(ReportTexts().champHeader + (byScore ? ReportTexts().champByScore : ReportTexts().champByPoints));
    out.Add("");
    for (const ChampTeamRec& row : data.champTeams)
        out.Add(Num(row.Place, 3) + "." + Pad(row.Name, '.', 25) + "(" + TownPrefix(row.Town) + ")" +
                Pad(row.Captain, '.', 20) + " [" + Num(row.Games, 2) + "] - " + ChampResultText(row, byScore, "/"));
}

void WriteTail(Lines& out) {
    out.Add("");
    out.Add(OutputCredits::TextLine(0));
    out.Add(OutputCredits::TextLine(1));
}

}  // namespace

std::string TextReportBytes(const ReportData& data) {
    Lines out;
    WriteHead(data, out);
    switch (data.type) {
        case InfoType::TourResults: WriteTourResults(data, out); break;
        case InfoType::FinalTable: WriteFinalTable(data, out); break;
        case InfoType::TakenQuestions: WriteTakenQuestions(data, out); break;
        case InfoType::QuestionRatings: WriteQuestionRatings(data, out); break;
        case InfoType::Championship: WriteChampionship(data, out); break;
    }
    WriteTail(out);
    return out.Take();
}

bool WriteTextReport(const ReportData& data, const std::string& fileName) {
    return FileIO::ReplaceFile(fileName, TextReportBytes(data));
}
