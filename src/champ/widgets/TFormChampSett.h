// The championship's settings window "Настройки подсчета чемпионата": the
// points for places 1 to 10 and the number of obligatory games, in eleven
// fields that take digits only. OK stores them when every field holds a
// number; the counting mode is left as it came.
#pragma once

#include "champ/ChampSettings.h"
#include "ui/platform/ProgramDialog.h"

#include <array>

class QGroupBox;
class QLineEdit;

class TFormChampSett : public ProgramDialog {
    Q_OBJECT
public:
    TFormChampSett(const ChampSettings& settings, QWidget* parent = nullptr);

    // The settings as OK stored them (as they came when it did not).
    const ChampSettings& Settings() const { return FSettings; }

public slots:
    // OKButtonClick: an empty field keeps the window open without a word, a
    // number that does not fit is told.
    void accept() override;

private:
    QGroupBox* PointsFrame();
    QGroupBox* GamesFrame();
    QLineEdit* NumberField(const QString& name, int32_t value, QWidget* parent);

    ChampSettings FSettings;
    std::array<QLineEdit*, 10> EnterPlacePoints{};
    QLineEdit* EnterExlGames = nullptr;
};
