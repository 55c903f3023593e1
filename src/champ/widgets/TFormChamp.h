// The championship window "Подсчет чемпионата": the user adds saved games
// one by one, each counted as a championship counts it, and sees the table
// of all their teams, by score (over each team's best obligatory games) or
// by the points of their places. The table goes to the output dialog as
// information type 4. The window is made once and shown modally as often
// as the user asks; each showing starts an empty championship, and closing
// it drops the games.
#pragma once

#include "champ/Championship.h"
#include "ui/platform/ProgramDialog.h"

class ChampGrid;
class QLineEdit;
class QSplitter;
class QToolButton;

class TFormChamp : public ProgramDialog {
    Q_OBJECT
public:
    // `programDirectory` (with a trailing '/') is where the open dialog starts.
    explicit TFormChamp(QString programDirectory, QWidget* parent = nullptr);

    // The place points, the obligatory games and the mode, which the
    // configuration keeps and the window's buttons and settings change.
    const ChampSettings& Settings() const { return FChamp.Settings(); }
    void SetSettings(const ChampSettings& settings);

    void done(int result) override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    QWidget* TopPanel();
    QToolButton* AddButton(QWidget* panel, const char* name, const char* picture, const QString& hint);

    void AddGameButtonClick();
    void DelGameButtonClick();
    void PrintButtonClick();
    void CountModeClick(bool byScore);
    void SettingsButtonClick();

    void ShowGames();
    void ShowResults();

    Championship FChamp;
    QString FProgramDirectory;
    QToolButton* AddGameButton;
    QToolButton* DelGameButton;
    QToolButton* PrintButton;
    QToolButton* ScoreCountButton;
    QToolButton* PointsCountButton;
    QToolButton* SettingsButton;
    QLineEdit* EnterChampName;
    QSplitter* Splitter;
    ChampGrid* GamesTable;
    ChampGrid* ResTable;
};
