#include "entry/widgets/TFormImport.h"

#include "entry/TeamImport.h"
#include "ui/text/AnsiText.h"

#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

constexpr int kHelpTopic = 1030;

QString Utf8(const std::string& text) { return QString::fromStdString(text); }

QString EncodingName(CsvEncoding encoding) {
    switch (encoding) {
        case CsvEncoding::Utf8: return QStringLiteral("UTF-8");
        case CsvEncoding::Utf8Bom: return QStringLiteral("UTF-8 с BOM");
        case CsvEncoding::Utf16: return QStringLiteral("UTF-16");
        case CsvEncoding::Windows1251: return QStringLiteral("Windows-1251");
    }
    return {};
}

QString SeparatorName(char separator) {
    switch (separator) {
        case ',': return QStringLiteral("запятая");
        case '\t': return QStringLiteral("табуляция");
        default: return QStringLiteral("точка с запятой");
    }
}

QString FileSummary(const ImportPlan& plan) {
    return QStringLiteral("Файл: %1, разделитель — %2, %3.")
        .arg(EncodingName(plan.encoding), SeparatorName(plan.separator),
             plan.header ? QStringLiteral("первая строка — заголовки столбцов")
                         : QStringLiteral("без строки заголовков"));
}

QTableWidget* MakeTable(const QString& objectName, const QStringList& headers, int rows) {
    auto* table = new QTableWidget(rows, static_cast<int>(headers.size()));
    table->setObjectName(objectName);
    table->setHorizontalHeaderLabels(headers);
    table->verticalHeader()->hide();
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->horizontalHeader()->setStretchLastSection(true);
    return table;
}

void Fill(QTableWidget& table, int row, const QStringList& texts) {
    for (int column = 0; column < texts.size(); ++column)
        table.setItem(row, column, new QTableWidgetItem(texts[column]));
}

QTableWidget* MakeAcceptedTable(const ImportPlan& plan) {
    QTableWidget* table = MakeTable(QStringLiteral("AcceptedTable"),
                                    {QStringLiteral("Строка"), QStringLiteral("Команда"), QStringLiteral("Город"),
                                     QStringLiteral("Капитан"), QStringLiteral("Тренер"), QStringLiteral("Группа")},
                                    static_cast<int>(plan.accepted.size()));
    for (int r = 0; r < table->rowCount(); ++r) {
        const ImportRow& row = plan.accepted[static_cast<std::size_t>(r)];
        Fill(*table, r,
             {QString::number(row.line), Utf8(row.name), Utf8(row.town), Utf8(row.captain), Utf8(row.coach),
              Utf8(row.group)});
    }
    table->resizeColumnsToContents();
    return table;
}

QTableWidget* MakeRefusedTable(const ImportPlan& plan) {
    QTableWidget* table = MakeTable(
        QStringLiteral("RefusedTable"),
        {QStringLiteral("Строка"), QStringLiteral("Команда"), QStringLiteral("Город"), QStringLiteral("Причина")},
        static_cast<int>(plan.refused.size()));
    for (int r = 0; r < table->rowCount(); ++r) {
        const RefusedRow& refused = plan.refused[static_cast<std::size_t>(r)];
        Fill(*table, r,
             {QString::number(refused.row.line), Utf8(refused.row.name), Utf8(refused.row.town),
              FromAnsi(RefusalText(refused))});
    }
    table->resizeColumnsToContents();
    return table;
}

}  // namespace

TFormImport::TFormImport(const ImportPlan& plan, QWidget* parent) : ProgramDialog(parent, kHelpTopic) {
    setObjectName(QStringLiteral("FormImport"));
    setWindowTitle(QStringLiteral("Импорт команд"));
    resize(760, 520);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(FileSummary(plan)));

    auto* accepted = new QLabel(QStringLiteral("Будут добавлены команды: %1").arg(plan.accepted.size()));
    accepted->setObjectName(QStringLiteral("AcceptedLabel"));
    layout->addWidget(accepted);
    layout->addWidget(MakeAcceptedTable(plan), 3);
    if (!plan.newGroups.empty()) {
        QStringList groups;
        for (const std::string& group : plan.newGroups) groups << Utf8(group);
        auto* label = new QLabel(QStringLiteral("Будут созданы группы: ") + groups.join(QStringLiteral(", ")));
        label->setObjectName(QStringLiteral("NewGroupsLabel"));
        label->setWordWrap(true);
        layout->addWidget(label);
    }

    auto* refused = new QLabel(QStringLiteral("Отклонены строки: %1").arg(plan.refused.size()));
    refused->setObjectName(QStringLiteral("RefusedLabel"));
    layout->addWidget(refused);
    layout->addWidget(MakeRefusedTable(plan), 2);

    QDialogButtonBox* buttons = MakeButtons();
    auto* ok = buttons->findChild<QPushButton*>(QStringLiteral("OKButton"));
    ok->setText(QStringLiteral("Добавить"));
    ok->setEnabled(!plan.accepted.empty());
    layout->addWidget(buttons);
}
