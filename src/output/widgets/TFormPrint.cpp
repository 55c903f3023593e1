#include "output/widgets/TFormPrint.h"

#include "output/PublishWriter.h"
#include "output/TextReport.h"
#include "output/WorkbookLayout.h"
#include "output/WorkbookWriter.h"
#include "output/widgets/FlatButton.h"
#include "output/widgets/OutputFiles.h"
#include "output/widgets/OutputSource.h"
#include "output/widgets/SpreadsheetOpener.h"
#include "output/widgets/TFormPreview.h"
#include "ui/platform/Dialogs.h"
#include "ui/text/AnsiText.h"

#include <QButtonGroup>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QMenu>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

constexpr int kPictureSize = 32;

const char* const kInfoTypeCaptions[] = {
    "Результаты тура", "Итоговая таблица (+/-)", "Список взятых вопросов", "Таблица рейтингов вопросов",
    "Результаты чемпионата",
};

FileDialogRequest SaveRequest(const QString& title, const QString& directory, const QString& filter,
                              const QString& suffix) {
    FileDialogRequest request;
    request.title = title;
    request.directory = directory;
    request.filter = filter;
    request.defaultSuffix = suffix;
    return request;
}

bool WriteWorkbookFile(const WorkbookLayout& layout, const QString& path) {
    return WriteLocalFile(path, [&layout](const std::string& localPath) { return WriteWorkbook(layout, localPath); });
}

}  // namespace

TFormPrint::TFormPrint(OutputSource& source, QString programDirectory, QWidget* parent)
    : ProgramDialog(parent, 1009), FSource(source), FProgramDirectory(std::move(programDirectory)) {
    setObjectName(QStringLiteral("FormPrint"));
    setWindowTitle(QStringLiteral("Вывод информации"));

    PrintButton = MakeButton("PrintButton", "preview", QStringLiteral("Печать"), QStringLiteral("Печать"));
    ExcelButton = MakeButton("ExcelButton", "workbook", QStringLiteral("Excel"), QStringLiteral("Экспорт в MS Excel"));
    FileButton = MakeButton("FileButton", "textfile", QStringLiteral("Файл"),
                            QStringLiteral("Вывод в текстовый файл"));
    connect(PrintButton, &QToolButton::clicked, this, &TFormPrint::PrintButtonClick);
    connect(ExcelButton, &QToolButton::clicked, this, &TFormPrint::ExcelButtonClick);
    connect(FileButton, &QToolButton::clicked, this, &TFormPrint::FileButtonClick);
    PublishButton = MakeButton("PublishButton", "publish", QStringLiteral("Публикация"),
                               QStringLiteral("Сохранить для публикации"));
    connect(PublishButton, &QToolButton::clicked, this, &TFormPrint::PublishButtonClick);

    AddWorkbookMenu();

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(PrintButton);
    buttons->addWidget(ExcelButton);
    buttons->addWidget(FileButton);
    buttons->addWidget(PublishButton);
    buttons->addStretch();

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(buttons);
    layout->addWidget(MakeInfoTypes());
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

QToolButton* TFormPrint::MakeButton(const char* name, const char* picture, const QString& text, const QString& hint) {
    QToolButton* button = MakeFlatButton(this, name, picture, hint, kPictureSize);
    button->setText(text);
    button->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    return button;
}

// The workbook can also be kept as a file, where no spreadsheet program is
// at hand or the results go on to others.
void TFormPrint::AddWorkbookMenu() {
    auto* menu = new QMenu(ExcelButton);
    QAction* open = menu->addAction(QStringLiteral("Открыть в табличной программе"));
    open->setObjectName(QStringLiteral("ExcelOpenItem"));
    connect(open, &QAction::triggered, this, &TFormPrint::ExcelButtonClick);
    QAction* save = menu->addAction(QStringLiteral("Сохранить книгу в файл..."));
    save->setObjectName(QStringLiteral("ExcelSaveItem"));
    connect(save, &QAction::triggered, this, &TFormPrint::SaveWorkbookClick);
    ExcelButton->setMenu(menu);
    ExcelButton->setPopupMode(QToolButton::MenuButtonPopup);
}

QGroupBox* TFormPrint::MakeInfoTypes() {
    ChooseInfoType = new QGroupBox(QStringLiteral(" Тип информации "), this);
    ChooseInfoType->setObjectName(QStringLiteral("ChooseInfoType"));
    FInfoTypes = new QButtonGroup(this);
    auto* items = new QVBoxLayout(ChooseInfoType);
    for (int i = 0; i < static_cast<int>(std::size(kInfoTypeCaptions)); ++i) {
        auto* item = new QRadioButton(QString::fromUtf8(kInfoTypeCaptions[i]), ChooseInfoType);
        item->setObjectName(QStringLiteral("ChooseInfoType%1").arg(i));
        FInfoTypes->addButton(item, i);
        items->addWidget(item);
    }
    FInfoTypes->button(0)->setChecked(true);
    // The standings are a game's: a championship has none to publish.
    connect(FInfoTypes, &QButtonGroup::idToggled, this, [this](int id, bool checked) {
        if (checked) PublishButton->setEnabled(id != static_cast<int>(InfoType::Championship));
    });
    return ChooseInfoType;
}

void TFormPrint::SetInfoTypeEnabled(InfoType type, bool enabled) {
    FInfoTypes->button(static_cast<int>(type))->setEnabled(enabled);
}

void TFormPrint::SetInfoType(InfoType type) { FInfoTypes->button(static_cast<int>(type))->setChecked(true); }

InfoType TFormPrint::ChosenInfoType() const { return static_cast<InfoType>(FInfoTypes->checkedId()); }

bool TFormPrint::WriteTextReport(const QString& fileName) {
    FSource.OrderByPlaces();
    const ReportData data = FSource.Data(ChosenInfoType());
    return WriteLocalFile(fileName, [&data](const std::string& path) { return ::WriteTextReport(data, path); });
}

WorkbookLayout TFormPrint::OrderedWorkbook() {
    FSource.OrderByPlaces();
    return BuildWorkbookLayout(FSource.Data(ChosenInfoType()));
}

// The preview shows the results as the opener counted them.
void TFormPrint::PrintButtonClick() {
    TFormPreview preview(FSource.Data(ChosenInfoType()), FProgramDirectory, this);
    AppDialogs().Exec(preview);
    accept();
}

// The workbook goes to a folder of its own that outlives the program, so
// the spreadsheet program keeps it open as long as the user wants; named
// after its sheet, it says in the spreadsheet's title what it holds.
void TFormPrint::ExcelButtonClick() {
    const WorkbookLayout layout = OrderedWorkbook();
    QTemporaryDir folder(QDir::temp().filePath(QStringLiteral("vemo-XXXXXX")));
    const QString path = folder.filePath(FromAnsi(layout.sheetName) + QStringLiteral(".xlsx"));
    if (!folder.isValid() || !WriteWorkbookFile(layout, path)) {
        ShowWriteError();
        return;
    }
    if (!AppSpreadsheetOpener().Open(path)) {
        AppDialogs().ErrorBox(QStringLiteral("Возможно, Excel не установлен"), QStringLiteral("Ошибка"));
        return;
    }
    folder.setAutoRemove(false);
    accept();
}

void TFormPrint::SaveWorkbookClick() {
    const QString path = AppDialogs().SaveFileName(SaveRequest(QStringLiteral("Сохранение книги"), FProgramDirectory,
                                                               QStringLiteral("Книги Excel (*.xlsx)"),
                                                               QStringLiteral("xlsx")));
    if (path.isEmpty()) return;
    if (!WriteWorkbookFile(OrderedWorkbook(), path)) {
        ShowWriteError();
        return;
    }
    accept();
}

// A report that could not be written is told, and the dialog stays for
// another try.
void TFormPrint::FileButtonClick() {
    const QString path = AppDialogs().SaveFileName(SaveRequest(QStringLiteral("Вывод в текстовый файл"),
                                                               FProgramDirectory,
                                                               QStringLiteral("Текстовые файлы (*.txt)"),
                                                               QStringLiteral("txt")));
    if (path.isEmpty()) return;
    if (!WriteTextReport(path)) {
        ShowWriteError();
        return;
    }
    accept();
}

// The standings of the counted game in place order, in the format of the
// chosen file type (the page when the name's extension names none).
void TFormPrint::PublishButtonClick() {
    const QString path = AppDialogs().SaveFileName(
        SaveRequest(QStringLiteral("Сохранить для публикации"), FProgramDirectory,
                    QStringLiteral("Веб-страница HTML (*.html);;Таблица CSV (*.csv);;Данные JSON (*.json)"),
                    QStringLiteral("html")));
    if (path.isEmpty()) return;
    FSource.OrderByPlaces();
    const ReportData data = FSource.Data(ChosenInfoType());
    const PublishFormat format = PublishFormatOf(QFile::encodeName(path).toStdString()).value_or(PublishFormat::Html);
    if (!WriteLocalFile(path, [&](const std::string& localPath) { return WritePublished(data, format, localPath); })) {
        ShowWriteError();
        return;
    }
    accept();
}
