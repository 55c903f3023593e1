// The output dialog "Вывод информации": the information type, and where it
// goes: the print preview, the user's spreadsheet program (or a workbook
// file), a text report or the standings for publishing (CSV, JSON, HTML).
// The opener hands it its data as an OutputSource and offers the types it
// has data for.
#pragma once

#include "output/InfoType.h"
#include "ui/platform/ProgramDialog.h"

class OutputSource;
class QButtonGroup;
class QGroupBox;
class QToolButton;
struct WorkbookLayout;

class TFormPrint : public ProgramDialog {
    Q_OBJECT
public:
    // `programDirectory` (with a trailing '/') is where the file dialogs start.
    TFormPrint(OutputSource& source, QString programDirectory, QWidget* parent = nullptr);

    void SetInfoTypeEnabled(InfoType type, bool enabled);
    void SetInfoType(InfoType type);
    InfoType ChosenInfoType() const;

    // Orders the teams by places and writes the text report of the chosen
    // type over `fileName`. False when it could not be written; any old
    // file is then left as it was.
    bool WriteTextReport(const QString& fileName);
    // The spreadsheet button: the workbook of the chosen type, the teams
    // ordered by places, opened in the user's spreadsheet program.
    void ExcelButtonClick();

private:
    QToolButton* MakeButton(const char* name, const char* picture, const QString& text, const QString& hint);
    void AddWorkbookMenu();
    QGroupBox* MakeInfoTypes();
    // The workbook of the chosen type, with the teams ordered by places.
    WorkbookLayout OrderedWorkbook();

    void PrintButtonClick();
    void SaveWorkbookClick();
    void FileButtonClick();
    void PublishButtonClick();

    OutputSource& FSource;
    QString FProgramDirectory;
    QToolButton* PrintButton;
    QToolButton* ExcelButton;
    QToolButton* FileButton;
    QToolButton* PublishButton;
    QGroupBox* ChooseInfoType;
    QButtonGroup* FInfoTypes;
};
