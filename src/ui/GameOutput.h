// The main window's game as the output windows read it: the counted data
// of an information type with the window's rating type, and the order by
// places that a text report and a workbook need. The output command and
// the automation interface hand it to the output dialog and the preview.
#pragma once

#include "output/widgets/OutputSource.h"

struct MainParts;

class GameOutput final : public OutputSource {
public:
    explicit GameOutput(MainParts& parts) : FParts(parts) {}

    ReportData Data(InfoType type) override;
    void OrderByPlaces() override;

private:
    MainParts& FParts;
};
