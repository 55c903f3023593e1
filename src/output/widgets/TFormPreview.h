// The print preview "Просмотр перед печатью": the pages of one information
// type drawn for the printer in use, shown at three scales in either
// orientation, printed page by page or all at once, or saved as a picture.
// The page is drawn at the printer's proportions and a screen-sized
// resolution; printing draws it again at the printer's own.
#pragma once

#include "output/PagePagination.h"
#include "output/PreviewLayout.h"
#include "output/ReportData.h"
#include "ui/platform/ProgramDialog.h"

#include <QImage>

class QButtonGroup;
class QFrame;
class QLabel;
class QScrollArea;
class QToolButton;

class TFormPreview : public ProgramDialog {
    Q_OBJECT
public:
    // `programDirectory` (with a trailing '/') is where the file dialog starts.
    TFormPreview(ReportData data, QString programDirectory, QWidget* parent = nullptr);

    // Every page in `orientation` on the printer in use, without its dialog
    // and without showing the window (the automation interface prints so).
    void PrintAllPages(PageOrientation orientation);

protected:
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    QFrame* MakePanel();
    void AddScaleButtons(QFrame* panel);
    void AddOrientationButtons(QFrame* panel);
    void AddPageButtons(QFrame* panel);
    QToolButton* AddButton(QFrame* panel, const char* name, const char* picture, const QString& hint);

    // On show and on each change of orientation: the page's size for the
    // screen, the pages, back to page 1.
    void LayOutPages();
    // The page label, the picture's size and place, the current page drawn.
    void SizePreview();
    void DrawCurrentPage();
    void ShowPicture();

    void ScaleChosen(int scale);
    void OrientationChosen(PageOrientation orientation);
    void DecPageButtonClick();
    void IncPageButtonClick();
    void PageChanged();
    void PrintButtonClick();
    void PrintAllButtonClick();
    void Print(int first, int last);
    void PrintChosen(int first, int last);
    void FileButtonClick();

    ReportData FData;
    QString FProgramDirectory;
    int FScale = 1;
    PageOrientation FOrientation = PageOrientation::Portrait;
    int FCurrentPage = 1;
    int FPageCount = 0;
    PixelSize FPageSize;
    // The current page as drawn, FPageSize large, and which page it shows.
    QImage FBitmap;
    int FDrawnPage = 0;
    PageOrientation FDrawnOrientation = PageOrientation::Portrait;
    bool FCentred = false;

    QButtonGroup* FScales;
    QButtonGroup* FOrientations;
    QToolButton* DecPageButton;
    QToolButton* IncPageButton;
    QFrame* LabelFrame;
    QLabel* PageLabel;
    QScrollArea* ScrollBox;
    QLabel* Image;
};
