#include "output/widgets/PageRenderer.h"

#include "base/Rounding.h"
#include "output/OutputCredits.h"
#include "output/PageGeometry.h"
#include "ui/draw/DrawHelper.h"
#include "ui/text/AnsiText.h"

#include <QPageLayout>
#include <QPagedPaintDevice>
#include <QPainter>

#include <algorithm>

namespace {

const QString kLabel = QStringLiteral("ВеМо 2007");
const QString kHeadingFamily = QStringLiteral("Times New Roman");
const QString kTableFamily = QStringLiteral("Arial");
const QString kEllipsis = QStringLiteral("...");
const QColor kHeaderBandColor(0xC0, 0xC0, 0xC0);

// A table column: caption and cell from `from` to `to`, fractions of the table's width.
struct Column {
    const char* caption;
    double from;
    double to;
};

const Column kTourResultColumns[] = {
    {"М", 0.01, 0.07}, {"Команда", 0.08, 0.34}, {"Город", 0.35, 0.54}, {"Капитан", 0.55, 0.84},
    {"О / Рейт.", 0.85, 1.00},
};
const Column kFinalTableColumns[] = {
    {"#", 0.01, 0.07}, {"Команда", 0.08, 0.44}, {"О / Рейт.", 0.45, 0.57}, {"М", 0.58, 0.99},
};
const Column kTakenColumns[] = {{"#", 0.01, 0.07}, {"Команда", 0.08, 0.34}, {"Вопросы", 0.35, 1.00}};
const Column kChampColumns[] = {
    {"М", 0.01, 0.07}, {"Команда", 0.08, 0.44}, {"Город", 0.45, 0.64}, {"Игры", 0.65, 0.84}, {"О / Рейт.", 0.85, 1.00},
};

QString SectionTitle(InfoType type) {
    switch (type) {
        case InfoType::TourResults: return QStringLiteral("Результаты тура");
        case InfoType::FinalTable: return QStringLiteral("Итоговая таблица");
        case InfoType::TakenQuestions: return QStringLiteral("Засчитанные вопросы");
        case InfoType::QuestionRatings: return QStringLiteral("Рейтинг вопросов");
        case InfoType::Championship: break;
    }
    return QStringLiteral("Результаты чемпионата");
}

void UseFont(QPainter& painter, const QString& family, int cellHeight, bool bold, bool italic) {
    painter.setFont(Draw::CellHeightFont(family, std::max(cellHeight, 1), bold, italic, painter.device()));
}

int LabelHeight(QPainter& painter, int v) {
    UseFont(painter, kHeadingFamily, v, true, false);
    return Draw::TextHeight(painter);
}

// `text` + `suffix`, with "..." in place of the end of `text` when they do
// not fit in `width` pixels.
QString Fitted(const QPainter& painter, QString text, const QString& suffix, int width) {
    if (Draw::TextWidth(painter, text + suffix) <= width) return text + suffix;
    while (!text.isEmpty() && Draw::TextWidth(painter, text + kEllipsis + suffix) > width) text.chop(1);
    return text + kEllipsis + suffix;
}

// A team without a town gets no empty brackets.
QString NameWithTown(const QPainter& painter, const ReportTeam& team, int width) {
    const QString town = FromAnsi(TownPrefix(team.town));
    return Fitted(painter, FromAnsi(team.name), town.isEmpty() ? QString() : " (" + town + ")", width);
}

int WidestText(const QPainter& painter, const QStringList& texts) {
    int widest = 0;
    for (const QString& text : texts) widest = std::max(widest, Draw::TextWidth(painter, text));
    return widest;
}

// Sets the largest bold table font of at most `height` in which every one
// of `texts` fits in `width` pixels.
void UseFittingFont(QPainter& painter, int height, const QStringList& texts, int width) {
    UseFont(painter, kTableFamily, height, true, false);
    const int widest = WidestText(painter, texts);
    if (widest <= width) return;
    for (height = height * width / widest + 1; height > 1; --height) {
        UseFont(painter, kTableFamily, height, true, false);
        if (WidestText(painter, texts) <= width) return;
    }
}

class PagePainter {
public:
    PagePainter(QPainter& painter, int width, int height, const ReportData& data, int page,
                PageOrientation orientation)
        : P(painter), D(data), FPage(page), O(orientation),
          G(width, height, LabelHeight(painter, UnitsOfPage(width, height).v)) {}

    void Draw() {
        DrawFrame();
        switch (D.type) {
            case InfoType::TourResults: DrawTourResults(); break;
            case InfoType::FinalTable: DrawFinalTable(); break;
            case InfoType::TakenQuestions: DrawTakenQuestions(); break;
            case InfoType::QuestionRatings: DrawQuestionRatings(); break;
            case InfoType::Championship: DrawChampionship(); break;
        }
    }

private:
    void DrawFrame() {
        const int w = G.Width(), v = G.V();
        P.fillRect(0, 0, w, G.Height(), Qt::white);
        P.setPen(Qt::black);
        P.setBrush(Qt::white);
        UseFont(P, kHeadingFamily, v, true, false);
        const int labelWidth = Draw::TextWidth(P, kLabel);
        Draw::TextOut(P, G.LabelLeft(labelWidth), v / 7, kLabel);
        const QString section = SectionTitle(D.type);
        Draw::TextOut(P, v / 4, v / 4, section);
        const int sectionWidth = Draw::TextWidth(P, section);

        UseFont(P, kHeadingFamily, v, true, true);
        const PixelRect box = G.NameBox(sectionWidth, labelWidth);
        const QString name = Fitted(P, FromAnsi(D.title), QString(), box.right - box.left - 1);
        Draw::TextRect(P, box.left, box.top, box.right, box.bottom,
                       box.left + (box.right - box.left - Draw::TextWidth(P, name)) / 2, box.top, name);

        UseFont(P, kHeadingFamily, G.U() / 2, true, true);
        const QString credit = FromAnsi(OutputCredits::PageLine());
        Draw::TextOut(P, G.LabelLeft(Draw::TextWidth(P, credit)), G.CreditTop(), credit);

        const PixelRect frame = G.Frame();
        P.setPen(QPen(Qt::black, std::max(G.PenWidth(), 1)));
        P.drawRect(QRect(QPoint(frame.left, frame.top), QPoint(frame.right - 1, frame.bottom - 1)));
        DrawPageNumber();

        P.setPen(QPen(Qt::black, 1));
        UseFont(P, kTableFamily, G.U(), true, false);
    }

    // Over the frame's bottom line, on a white ground of its own.
    void DrawPageNumber() {
        if (PageCount(D, O) <= 1) return;
        UseFont(P, kTableFamily, G.U(), true, true);
        const QString text = QStringLiteral("  Страница %1  ").arg(FPage);
        P.setBackground(Qt::white);
        P.setBackgroundMode(Qt::OpaqueMode);
        Draw::TextOut(P, (G.Width() - Draw::TextWidth(P, text)) / 2, G.PageNumberTop(), text);
        P.setBackgroundMode(Qt::TransparentMode);
    }

    void DrawHeaderBand() {
        const PixelRect band = G.HeaderBand(Draw::TextHeight(P));
        P.fillRect(QRect(QPoint(band.left, band.top), QPoint(band.right - 1, band.bottom - 1)), kHeaderBandColor);
    }

    void DrawCaptions(const Column* columns, std::size_t count, double squeeze = 1.0) {
        DrawHeaderBand();
        for (std::size_t c = 0; c < count; ++c)
            Draw::TextOut(P, G.ColumnStart(columns[c].from, squeeze), G.CaptionTop(),
                          QString::fromUtf8(columns[c].caption));
    }

    // Text that does not fit its cell ends in "..." rather than in half a letter.
    void DrawCell(int left, int right, int row, const QString& text) {
        DrawText(left, right, row, left, Fitted(P, text, QString(), right - left));
    }

    void DrawText(int left, int right, int row, int x, const QString& text) {
        const int top = G.RowTop(row);
        Draw::TextRect(P, left, top, right, top + G.U(), x, top, text);
    }

    void DrawCell(const Column& column, int row, const QString& text, double squeeze = 1.0) {
        DrawCell(G.ColumnStart(column.from, squeeze), G.ColumnStart(column.to, squeeze), row, text);
    }

    void DrawSeparators(int rows) {
        for (int j = 1; j < rows; ++j) {
            const int y = G.SeparatorY(j);
            P.drawLine(G.ColumnStart(0.0), y, G.TableRight(), y);
        }
    }

    void DrawTourResults() {
        DrawCaptions(kTourResultColumns, std::size(kTourResultColumns));
        const IndexRange rows = TablePageRows(D.TeamCount(), FPage, O);
        for (int j = 1; j <= rows.count; ++j) {
            const ReportTeam& team = D.TeamAt(rows.first + j - 1);
            const QString cells[] = {QString::number(team.place) + ".", FromAnsi(team.name), FromAnsi(team.town),
                                     FromAnsi(team.captain),
                                     QString::number(team.score) + " / " + QString::number(team.ratScore)};
            for (std::size_t c = 0; c < std::size(cells); ++c) DrawCell(kTourResultColumns[c], j, cells[c]);
        }
        DrawSeparators(rows.count);
    }

    void DrawFinalTable() {
        const double f = SqueezeFactor(O);
        DrawCaptions(kFinalTableColumns, std::size(kFinalTableColumns), f);
        const FinalTablePage content = FinalTablePageContent(D.TeamCount(), D.QuestionCount(), FPage, O);
        DrawQuestionNumbers(content.questions);
        const Column& nameColumn = kFinalTableColumns[1];
        const int nameWidth = G.ColumnStart(nameColumn.to, f) - G.ColumnStart(nameColumn.from, f);
        // The place stops where the questions start, so that a long one never covers a mark.
        const int placeRight = std::min(G.ColumnStart(kFinalTableColumns[3].to, f), G.QuestionColumnStart(1, O));
        for (int j = 1; j <= content.teams.count; ++j) {
            const ReportTeam& team = D.Team(content.teams.first + j - 1);
            DrawCell(kFinalTableColumns[0], j, QString::number(team.number), f);
            DrawCell(kFinalTableColumns[1], j, NameWithTown(P, team, nameWidth), f);
            DrawCell(kFinalTableColumns[2], j, QString::number(team.score) + "/" + QString::number(team.ratScore), f);
            DrawCell(G.ColumnStart(kFinalTableColumns[3].from, f), placeRight, j, QString::number(team.place));
            for (int k = 1; k <= content.questions.count; ++k) {
                DrawCentred(k, G.RowTop(j), QString(QChar(team.Sign(content.questions.first + k - 1))));
            }
        }
        DrawSeparators(content.teams.count);
    }

    // Numbers and marks stand in the middle of their question's column.
    void DrawCentred(int k, int top, const QString& text) {
        const int left = G.QuestionColumnStart(k, O), right = G.QuestionColumnStart(k + 1, O);
        Draw::TextRect(P, left, top, right, top + G.U(), left + (right - left - Draw::TextWidth(P, text)) / 2, top,
                       text);
    }

    // Numbers of 100 and more in a smaller font; any number that would fill
    // its column smaller still, so that neighbouring numbers stay apart.
    // Smaller numbers sit in the middle of the captions' height.
    void DrawQuestionNumbers(const IndexRange& questions) {
        const int room = (G.QuestionColumnStart(2, O) - G.QuestionColumnStart(1, O)) * 4 / 5;
        const int captionHeight = Draw::TextHeight(P);
        for (const bool large : {false, true}) {
            QStringList numbers;
            for (int k = 1; k <= questions.count; ++k)
                if ((questions.first + k >= 100) == large) numbers.append(QString::number(questions.first + k));
            if (numbers.isEmpty()) continue;
            UseFittingFont(P, large ? RoundHalfEven(0.75 * G.U()) : G.U(), numbers, room);
            for (int k = 1; k <= questions.count; ++k)
                if ((questions.first + k >= 100) == large)
                    DrawCentred(k, G.CaptionTop() + (captionHeight - Draw::TextHeight(P)) / 2,
                                QString::number(questions.first + k));
        }
        UseFont(P, kTableFamily, G.U(), true, false);
    }

    void DrawTakenQuestions() {
        DrawCaptions(kTakenColumns, std::size(kTakenColumns));
        const std::vector<TakenPage> pages = SplitTakenQuestions(D, O);
        if (FPage < 1 || FPage > static_cast<int>(pages.size())) return;
        const TakenPage& page = pages[static_cast<std::size_t>(FPage - 1)];
        const int nameWidth = G.ColumnStart(kTakenColumns[1].to) - G.ColumnStart(kTakenColumns[1].from);
        QStringList pageLines;  // line j of the page is pageLines[j - 1]
        for (const TakenSlice& slice : page) {
            const ReportTeam& team = D.Team(slice.team);
            const int j = static_cast<int>(pageLines.size()) + 1;
            DrawCell(kTakenColumns[0], j, QString::number(team.number) + ".");
            DrawCell(kTakenColumns[1], j, NameWithTown(P, team, nameWidth));
            const std::vector<std::string> teamLines = TakenEntryLines(D, team, O);
            for (int l = slice.firstLine; l < slice.firstLine + slice.lineCount; ++l)
                pageLines.append(QString::fromStdString(teamLines[static_cast<std::size_t>(l)]));
        }
        // Long entries get a smaller font for the whole page rather than lose their ends.
        const int left = G.ColumnStart(kTakenColumns[2].from), right = G.TableRight();
        UseFittingFont(P, G.U(), pageLines, right - left);
        for (int j = 1; j <= static_cast<int>(pageLines.size()); ++j) DrawText(left, right, j, left, pageLines[j - 1]);
        UseFont(P, kTableFamily, G.U(), true, false);
    }

    void DrawQuestionRatings() {
        DrawHeaderBand();
        const int groups = CapacityOf(O).ratingGroups;
        const int gap = G.GroupGap();
        for (const RatingGroup& group : RatingPageGroups(D.QuestionCount(), FPage, O)) {
            const int middle = G.GroupMiddle(group.group, groups);
            const int left = G.ColumnStart(static_cast<double>(group.group - 1) / groups);
            const int right = G.ColumnStart(static_cast<double>(group.group) / groups);
            DrawRightAligned(left, middle - gap, G.CaptionTop(), QStringLiteral("Вопрос"));
            Draw::TextOut(P, middle + gap, G.CaptionTop(), QStringLiteral("Рейтинг"));
            for (int j = 1; j <= group.questions.count; ++j) {
                const int q = group.questions.first + j - 1;
                DrawRightAligned(left, middle - gap, G.RowTop(j), QString::number(q + 1));
                DrawCell(middle + gap, right, j, QString::number(D.Rating(q)));
            }
            P.drawLine(middle, G.GroupLineTop(), middle, G.GroupLineBottom());
        }
    }

    // In points mode the last column is headed by what it sums.
    void DrawChampionship() {
        const ChampSettings& settings = D.champSettings;
        Column columns[std::size(kChampColumns)];
        std::copy(std::begin(kChampColumns), std::end(kChampColumns), columns);
        if (!settings.CountByScore) columns[4].caption = "Очки";
        DrawCaptions(columns, std::size(columns));
        const IndexRange rows = TablePageRows(D.ChampRowCount(), FPage, O);
        for (int j = 1; j <= rows.count; ++j) {
            const ChampTeamRec& row = D.champTeams[static_cast<std::size_t>(rows.first + j - 1)];
            const QString cells[] = {QString::number(row.Place) + ".", FromAnsi(row.Name), FromAnsi(row.Town),
                                     QString::fromStdString(ChampGamesText(row, settings)),
                                     QString::fromStdString(ChampResultText(row, settings.CountByScore, " / "))};
            for (std::size_t c = 0; c < std::size(cells); ++c) DrawCell(columns[c], j, cells[c]);
        }
        DrawSeparators(rows.count);
    }

    void DrawRightAligned(int left, int right, int top, const QString& text) {
        Draw::TextRect(P, left, top, right, top + G.U(), right - Draw::TextWidth(P, text), top, text);
    }

    QPainter& P;
    const ReportData& D;
    int FPage;
    PageOrientation O;
    PageGeometry G;
};

}  // namespace

void RenderPage(QPainter& painter, int width, int height, const ReportData& data, int page,
                PageOrientation orientation) {
    painter.save();
    PagePainter(painter, width, height, data, page, orientation).Draw();
    painter.restore();
}

// The whole-page mode lets a printer draw up to the paper's edge, as a
// printer's own full-page switch does.
void UseWholePages(QPagedPaintDevice& printer, PageOrientation orientation) {
    QPageLayout layout = printer.pageLayout();
    layout.setMode(QPageLayout::FullPageMode);
    layout.setOrientation(orientation == PageOrientation::Portrait ? QPageLayout::Portrait : QPageLayout::Landscape);
    printer.setPageLayout(layout);
}

int PrintPages(QPagedPaintDevice& printer, const ReportData& data, PageOrientation orientation, int first,
               int last) {
    first = std::max(first, 1);
    last = std::min(last, PageCount(data, orientation));
    if (first > last) return 0;
    UseWholePages(printer, orientation);
    QPainter painter;
    if (!painter.begin(&printer)) return -1;
    const int width = printer.width(), height = printer.height();
    for (int page = first; page <= last; ++page) {
        if (page > first) printer.newPage();
        RenderPage(painter, width, height, data, page, orientation);
    }
    painter.end();
    return last - first + 1;
}

int PrintAllPages(QPagedPaintDevice& printer, const ReportData& data, PageOrientation orientation) {
    return PrintPages(printer, data, orientation, 1, PageCount(data, orientation));
}
