// "Общеигровая статистика": the header of the counted game, its numbers of
// teams and questions, the histogram of the question ratings, and the
// counts of penalty questions (by the two thresholds the user sets), of
// questions every team took and of questions no team took. It only reads
// the game it is given.
#pragma once

#include "stats/QuestionStats.h"
#include "ui/platform/ProgramDialog.h"

#include <QImage>

class QLabel;
class QLineEdit;
class QSpinBox;
class TVemoData;

class TStatAllForm : public ProgramDialog {
    Q_OBJECT
public:
    explicit TStatAllForm(const TVemoData& game, QWidget* parent = nullptr);

protected:
    bool event(QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    QWidget* MakeHeader();
    QWidget* MakeHistogramGroup();
    QWidget* MakeQuestionsGroup();
    // Every activation shows the game as it is now.
    void FormActivate();
    // The thresholds changed: only the penalty count follows them.
    void ShowPenaltyCount();

    const TVemoData& FGame;
    QuestionRatings FRatings;
    QImage FHistogram;
    QLineEdit* OutTourName;
    QLineEdit* OutLeaderName;
    QLineEdit* OutDate;
    QLineEdit* OutQT;
    QLineEdit* OutQQ;
    QLabel* Image;
    QSpinBox* EnterMin;
    QSpinBox* EnterMax;
    QLineEdit* OutPenalty;
    QLineEdit* OutChild;
    QLineEdit* OutCoffin;
};
