// What the quick entry window does with the numbers a scorer types or
// clicks, without the window: the page, the question and team numbers, the
// marks they invert, and what the number field and the read-only fields
// show. All numbers refer to the game's two views: questions 1..Q of the
// window (the current tour), the teams in view in their order in the game.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

class TTeamData;
class TVemoData;

// One number of the field: green when taken, red when not.
struct DigCell {
    int Number;
    bool Taken;
};

class QuickEntry {
public:
    enum class Page { OneQuestion = 1, OneTeam = 2 };
    enum class MarkAction { All, None, Invert };

    // What a field shows after Enter: the number, and whether any mark
    // changed with it.
    struct Entered {
        int Number;
        bool Inverted;
    };

    explicit QuickEntry(TVemoData& game);

    // The question the window starts at (0: none); a number past the
    // window's questions stands for the last one, since a mark outside the
    // window would belong to another tour.
    void SetQuestionNumber(int number);
    // The first shown team and the first question where none is chosen yet.
    void Activate();

    Page CurrentPage() const { return FPage; }
    void SetPage(Page page) { FPage = page; }
    int QuestionNumber() const { return FQuestion; }
    int TeamNumber() const { return FTeam; }
    int QuestionCount() const;
    int ShownTeamCount() const;

    // Enter in the question field: 0 (also empty) becomes 1 and a number
    // above Q becomes Q, and then no mark changes; otherwise on page 2 the
    // page's team's mark of that question is inverted.
    Entered EnterQuestion(std::string_view text);
    // Enter in the team field: none when the text is not a number (nothing
    // changes). A number of no shown team gives the first shown team and no
    // mark changes; otherwise on page 1 that team's mark of the current
    // question is inverted.
    std::optional<Entered> EnterTeam(std::string_view text);
    // A click on cell `position` of the page's field: inverts the mark
    // there (team and current question on page 1, question of the page's
    // team on page 2) and answers the number for the page's other field;
    // none outside the numbers.
    std::optional<int> ClickPosition(int position);
    // The arrows: one question up or down within 1..Q; the next or previous
    // shown team. False at the end.
    bool StepQuestion(int delta);
    bool StepTeam(int delta);
    // The three buttons, on the page's question or team.
    void ApplyToPage(MarkAction action);

    // The numbers of the page's field, position by position.
    std::vector<DigCell> FieldCells() const;
    // The question's rating (page 1) or the page's team's count of taken
    // questions (page 2).
    int PageValue() const;
    // The team of page 2 (the shown team with the team number), or none.
    const TTeamData* PageTeam() const;
    // The shown team at 1-based position p of page 1, or none.
    const TTeamData* TeamAt(int position) const;

private:
    void Invert(TTeamData& team, int question);
    int PositionOfTeam(int number) const;

    TVemoData& FGame;
    Page FPage = Page::OneQuestion;
    int FQuestion = 0;
    int FTeam = 0;
};

// A team as the window names it: "Кот(Мо)", the name and the first two
// characters of the town.
std::string ShortTeamTitle(const TTeamData& team);
