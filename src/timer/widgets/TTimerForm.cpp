#include "timer/widgets/TTimerForm.h"

#include "timer/widgets/SoundPlayer.h"
#include "ui/platform/Dialogs.h"

#include <QCheckBox>
#include <QFile>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QScreen>
#include <QSpinBox>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

constexpr int kHelpTopic = 1017;
constexpr int kMinSeconds = 1;
constexpr int kMaxSeconds = 200;

QString Name(const char* prefix, TimerSound sound, const char* suffix) {
    return QLatin1String(prefix) + QLatin1String(sound == TimerSound::Warning ? "War" : "End") + QLatin1String(suffix);
}

// Seconds are set with the arrows only: the text cannot be typed over.
QSpinBox* SecondsEdit(const char* name, int value, QWidget* parent) {
    auto* edit = new QSpinBox(parent);
    edit->setObjectName(QLatin1String(name));
    edit->setRange(kMinSeconds, kMaxSeconds);
    edit->setValue(value);
    edit->findChild<QLineEdit*>()->setReadOnly(true);
    return edit;
}

QToolButton* PictureButton(const QString& name, QStyle::StandardPixmap picture, const QString& hint,
                           QWidget* parent) {
    auto* button = new QToolButton(parent);
    button->setObjectName(name);
    button->setIcon(parent->style()->standardIcon(picture));
    button->setToolTip(hint);
    return button;
}

QString PathText(const std::string& path) { return QFile::decodeName(QByteArray::fromStdString(path)); }

std::string CorePath(const QString& path) { return QFile::encodeName(path).toStdString(); }

}  // namespace

TTimerForm::TTimerForm(const TimerDialogValues& values, SoundPlayer& player, const QString& directory,
                       SoundChosen soundChosen, QWidget* parent)
    : ProgramDialog(parent, kHelpTopic), FPlayer(player), FDirectory(directory), FSoundChosen(std::move(soundChosen)) {
    setObjectName(QStringLiteral("TimerForm"));
    setWindowTitle(QStringLiteral("Настройка таймера"));
    auto* layout = new QVBoxLayout(this);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->addWidget(TimeGroup(values));
    auto* signalGrid = new QGridLayout;
    const SignalRow warning = AddSignalRow(*signalGrid, 0, TimerSound::Warning, QStringLiteral("Сигнал предупреждения"),
                                           PathText(values.WarPath), values.CheckWar);
    const SignalRow end = AddSignalRow(*signalGrid, 2, TimerSound::End, QStringLiteral("Сигнал конца времени"),
                                       PathText(values.EndPath), values.CheckEnd);
    CheckWar = warning.check;
    EnterWar = warning.path;
    CheckEnd = end.check;
    EnterEnd = end.path;
    layout->addLayout(signalGrid);
    layout->addWidget(MakeButtons(Buttons::OkOnly));
}

QWidget* TTimerForm::TimeGroup(const TimerDialogValues& values) {
    auto* group = new QGroupBox(QStringLiteral(" Настройка времени "), this);
    auto* grid = new QGridLayout(group);
    EnterAllTime = SecondsEdit("EnterAllTime", values.AllTime, group);
    EnterWarTime = SecondsEdit("EnterWarTime", values.WarTime, group);
    grid->addWidget(new QLabel(QStringLiteral("Общее время (сек)"), group), 0, 0);
    grid->addWidget(EnterAllTime, 0, 1);
    grid->addWidget(new QLabel(QStringLiteral("Предупреждение (сек)"), group), 1, 0);
    grid->addWidget(EnterWarTime, 1, 1);
    return group;
}

TTimerForm::SignalRow TTimerForm::AddSignalRow(QGridLayout& grid, int row, TimerSound sound, const QString& caption,
                                               const QString& path, bool checked) {
    auto* check = new QCheckBox(caption, this);
    check->setObjectName(Name("Check", sound, ""));
    check->setChecked(checked);
    auto* field = new QLineEdit(path, this);
    field->setObjectName(Name("Enter", sound, ""));
    field->setReadOnly(true);
    field->setMinimumWidth(280);
    auto* browse = PictureButton(Name("Browse", sound, "Button"), QStyle::SP_DirOpenIcon, QStringLiteral("Обзор..."), this);
    auto* test = PictureButton(Name("Test", sound, "Button"), QStyle::SP_MediaPlay, QStringLiteral("Тест"), this);
    connect(browse, &QToolButton::clicked, this, [this, sound, field] { Browse(sound, *field); });
    connect(test, &QToolButton::clicked, this, [this, field] { Test(*field); });
    grid.addWidget(check, row, 0, 1, 3);
    grid.addWidget(field, row + 1, 0);
    grid.addWidget(browse, row + 1, 1);
    grid.addWidget(test, row + 1, 2);
    return {check, field};
}

// After a file is chosen it is the signal's file at once, even when the
// window is then closed some other way than with OK.
void TTimerForm::Browse(TimerSound sound, QLineEdit& field) {
    FileDialogRequest request;
    request.title = QStringLiteral("Выбор звукового файла");
    request.directory = FDirectory;
    request.filter = QStringLiteral("Звуковые файлы (*.wav)");
    request.defaultSuffix = QStringLiteral("wav");
    const QString path = AppDialogs().OpenFileName(request);
    if (path.isEmpty()) return;
    field.setText(path);
    FSoundChosen(sound, path);
}

void TTimerForm::Test(const QLineEdit& field) {
    if (field.text().isEmpty()) return;
    if (FPlayer.Open(field.text())) FPlayer.Play();
}

TimerDialogValues TTimerForm::Values() const {
    TimerDialogValues values;
    values.AllTime = static_cast<uint16_t>(EnterAllTime->value());
    values.WarTime = static_cast<uint16_t>(EnterWarTime->value());
    values.WarPath = CorePath(EnterWar->text());
    values.EndPath = CorePath(EnterEnd->text());
    values.CheckWar = CheckWar->isChecked();
    values.CheckEnd = CheckEnd->isChecked();
    return values;
}

// The window stands in the middle of the desktop, not of the main window.
void TTimerForm::showEvent(QShowEvent* event) {
    ProgramDialog::showEvent(event);
    move(screen()->availableGeometry().center() - rect().center());
}
