// "Ввод очкового залога": the deposit of every shown team, set one point
// at a time. The deposits are written to the teams only by "Готово"; the
// window is then accepted, and "Отмена" leaves every team as it was.
#pragma once

#include "entry/DepositList.h"
#include "ui/platform/ProgramDialog.h"

class QPushButton;
class QTableWidget;
class QToolButton;
class TVemoData;

class TFormDepos : public ProgramDialog {
    Q_OBJECT
public:
    explicit TFormDepos(TVemoData& game, QWidget* parent = nullptr);

protected:
    // The columns keep their shares of the grid's width.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QToolButton* MakeButton(const char* name, const char* picture, const QString& hint);
    void FillTable();
    void ShowDeposit(int row);
    void AddButtonClick();
    void RemoveButtonClick();
    void OKButtonClick();
    void SizeColumns();

    DepositList FDeposits;
    QTableWidget* Table;
    QToolButton* AddButton;
    QToolButton* RemoveButton;
    QPushButton* CancelButton;
    QPushButton* OKButton;
};
