// The About window. Its own timer closes it after the 31st tick of 100 ms,
// so that as a splash it stays about three seconds; the count starts again
// each time the window is shown.
#include "ui/platform/AboutBox.h"

#include "ui/platform/ProgramPicture.h"
#include "ui/platform/ProgramTitle.h"
#include "ui/platform/Version.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QTimer>
#include <QVBoxLayout>

namespace {

constexpr int kTickMs = 100;
constexpr int kLastTick = 31;

QLabel* NamedLabel(const QString& objectName, const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(objectName);
    return label;
}

}  // namespace

TAboutBox::TAboutBox(QWidget* parent) : ProgramDialog(parent), FTimer(new QTimer(this)) {
    setObjectName(QStringLiteral("AboutBox"));
    setWindowTitle(QStringLiteral("О программе"));

    auto* picture = new ProgramPicture(this);
    picture->setObjectName(QStringLiteral("ProgramIcon"));
    connect(picture, &ProgramPicture::clicked, this, &QDialog::accept);

    QLabel* productName = NamedLabel(QStringLiteral("ProductName"), kProgramTitle, this);
    QFont nameFont = productName->font();
    nameFont.setBold(true);
    nameFont.setPointSizeF(nameFont.pointSizeF() * 1.5);
    productName->setFont(nameFont);

    auto* texts = new QVBoxLayout;
    texts->addWidget(productName);
    texts->addWidget(NamedLabel(QStringLiteral("Version"),
                                QStringLiteral("Версия ") + ProgramVersion(), this));
    texts->addWidget(NamedLabel(QStringLiteral("Comments"),
                                QStringLiteral("Подсчет результатов командных турниров"), this));
    texts->addStretch();

    auto* top = new QHBoxLayout;
    top->addWidget(picture, 0, Qt::AlignTop);
    top->addSpacing(12);
    top->addLayout(texts);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(MakeButtons(Buttons::OkOnly));
    setFixedSize(sizeHint());

    FTimer->setObjectName(QStringLiteral("Timer"));
    FTimer->setInterval(kTickMs);
    connect(FTimer, &QTimer::timeout, this, &TAboutBox::TimerTick);
}

void TAboutBox::showEvent(QShowEvent* event) {
    FTicks = 0;
    FTimer->start();
    QDialog::showEvent(event);
}

void TAboutBox::hideEvent(QHideEvent* event) {
    FTimer->stop();
    QDialog::hideEvent(event);
}

void TAboutBox::TimerTick() {
    if (++FTicks >= kLastTick) accept();
}
