// "Командная статистика": one team of the view at a time, with its texts,
// its counted results, how hard the questions it took were beside the
// game's and all teams' answers, and the graph of its place after every
// question (counted with the tie-break by higher ratings, whatever the
// game uses). "<" and ">" step through the teams in view. It only reads
// the game it is given; the place history is counted on a copy, once per
// opening.
#pragma once

#include "stats/PlaceHistory.h"
#include "stats/TeamRatings.h"
#include "ui/platform/ProgramDialog.h"

#include <QImage>

#include <optional>

class QLabel;
class QLineEdit;
class QToolButton;
class TVemoData;

class TStatTeamForm : public ProgramDialog {
    Q_OBJECT
public:
    // `team`: the index among the teams in view to start at; the first
    // team when it is out of range.
    TStatTeamForm(TVemoData& game, int team, QWidget* parent = nullptr);

    int CurrentTeam() const { return FTeam; }

protected:
    bool event(QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    QWidget* MakeTeamGroup();
    QWidget* MakeGraphGroup();
    void FormActivate();
    void PrevTeamClick();
    void NextTeamClick();
    void ShowTeam();
    void ShowFigures(const TeamRatingFigures& figures);
    void DrawGraph();

    TVemoData& FGame;
    int FTeam;
    // Built on the first activation, kept for the whole opening.
    std::optional<PlaceHistory> FHistory;
    std::optional<TeamRatings> FRatings;
    QImage FGraph;
    QLineEdit* OutStatTeam;
    QToolButton* PrevTeam;
    QToolButton* NextTeam;
    QLineEdit* OutStatNumb;
    QLineEdit* OutStatTown;
    QLineEdit* OutStatCapt;
    QLineEdit* OutStatCoach;
    QLineEdit* OutStatQ;
    QLineEdit* OutStatRat;
    QLineEdit* OutStatPlace;
    QLineEdit* OutMaxRat;
    QLineEdit* OutAvGRat;
    QLineEdit* OutAvTRat;
    QLineEdit* OutAvRat;
    QLineEdit* OutDiff;
    QLabel* Image;
};
