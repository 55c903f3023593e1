// The settings panel `SettPanel` on the left of the main window: the tour
// and group selectors, the rating type, and the check boxes of the counting
// and display options, each bound to its action.
#pragma once

#include "ui/ActionId.h"

#include <QFrame>

#include <vector>

class MainActions;
class QButtonGroup;
class QComboBox;
class QGroupBox;
class TVemoData;
struct SelectorItems;

class OptionsPanel : public QFrame {
    Q_OBJECT
public:
    static constexpr int kWidth = 185;

    OptionsPanel(const MainActions& actions, QWidget* parent = nullptr);

    // Fills both selectors from the game; without a game both are empty and disabled.
    void FillSelectors(const TVemoData* game);
    // Puts the group selection back without telling anyone.
    void SetGroupIndex(int index);

    // Item 0 "Минусы + 1" is selected.
    bool RatingPlusOne() const;
    void SetRatingPlusOne(bool plusOne);

signals:
    // The user chose an item (0 = whole game, or all teams).
    void TourChosen(int index);
    void GroupChosen(int index);
    void RatingChosen();

private:
    QGroupBox* MakeRatingGroup();
    QGroupBox* MakeCheckGroup(const MainActions& actions, const QString& title, const std::vector<ActionId>& ids);
    static void Fill(QComboBox* box, const SelectorItems& selector);

    QComboBox* ToursBox;
    QComboBox* GroupsBox;
    QGroupBox* ChooseRating;
    QButtonGroup* FRatingButtons;
};
