#include "output/widgets/TFormPreview.h"

#include "output/widgets/FlatButton.h"
#include "output/widgets/OutputFiles.h"
#include "output/widgets/PageRenderer.h"
#include "output/widgets/Printers.h"
#include "ui/platform/Dialogs.h"

#include <QBuffer>
#include <QButtonGroup>
#include <QFile>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPrinter>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

constexpr QSize kStartSize(681, 480);
constexpr int kPanelHeight = 41;
constexpr int kButtonSize = 36;
constexpr int kPictureSize = 24;
constexpr int kLabelFrameWidth = 80;

// A PDF file chosen in the print dialog is printed beside the program's
// other scratch files and put in place complete, like every file the
// program writes; -1 when that fails.
int PrintInPlace(QPrinter& printer, const ReportData& data, PageOrientation orientation, int first, int last) {
    const QString target = printer.outputFileName();
    if (printer.outputFormat() != QPrinter::PdfFormat || target.isEmpty())
        return PrintPages(printer, data, orientation, first, last);
    QTemporaryDir scratch;
    if (!scratch.isValid()) return -1;
    printer.setOutputFileName(scratch.filePath(QStringLiteral("pages.pdf")));
    const int printed = PrintPages(printer, data, orientation, first, last);
    printer.setOutputFileName(target);
    if (printed <= 0) return printed;
    QFile pages(scratch.filePath(QStringLiteral("pages.pdf")));
    if (!pages.open(QIODevice::ReadOnly)) return -1;
    return WriteLocalFile(target, pages.readAll().toStdString()) ? printed : -1;
}

}  // namespace

TFormPreview::TFormPreview(ReportData data, QString programDirectory, QWidget* parent)
    : ProgramDialog(parent, 1010), FData(std::move(data)), FProgramDirectory(std::move(programDirectory)) {
    setObjectName(QStringLiteral("FormPreview"));
    setWindowTitle(QStringLiteral("Просмотр перед печатью"));
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMaximizeButtonHint |
                   Qt::WindowCloseButtonHint);

    ScrollBox = new QScrollArea(this);
    ScrollBox->setObjectName(QStringLiteral("ScrollBox"));
    ScrollBox->setAlignment(Qt::AlignCenter);
    ScrollBox->setBackgroundRole(QPalette::Dark);
    Image = new QLabel(ScrollBox);
    Image->setObjectName(QStringLiteral("Image"));
    ScrollBox->setWidget(Image);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(MakePanel());
    layout->addWidget(ScrollBox, 1);
    resize(kStartSize);
    LayOutPages();
}

QFrame* TFormPreview::MakePanel() {
    auto* panel = new QFrame(this);
    panel->setObjectName(QStringLiteral("TopPanel"));
    panel->setFixedHeight(kPanelHeight);
    panel->setFrameShape(QFrame::StyledPanel);
    auto* row = new QHBoxLayout(panel);
    row->setContentsMargins(2, 0, 2, 0);
    row->setSpacing(1);
    AddScaleButtons(panel);
    row->addSpacing(8);
    AddOrientationButtons(panel);
    row->addSpacing(8);
    AddPageButtons(panel);
    row->addSpacing(8);
    connect(AddButton(panel, "PrintButton", "printpage", QStringLiteral("Печать текущей страницы")),
            &QToolButton::clicked, this, &TFormPreview::PrintButtonClick);
    connect(AddButton(panel, "PrintAllButton", "printall", QStringLiteral("Печать всех страниц")),
            &QToolButton::clicked, this, &TFormPreview::PrintAllButtonClick);
    connect(AddButton(panel, "FileButton", "picture", QStringLiteral("Сохранить как картинку")),
            &QToolButton::clicked, this, &TFormPreview::FileButtonClick);
    row->addStretch();
    return panel;
}

// The scales and the orientations: each a group with one button down; the
// button already down changes nothing.
void TFormPreview::AddScaleButtons(QFrame* panel) {
    FScales = new QButtonGroup(this);
    for (int scale = 1; scale <= kPreviewScales; ++scale) {
        const QByteArray name = "Scale" + QByteArray::number(scale) + "Button";
        const QByteArray picture = "scale" + QByteArray::number(scale);
        QToolButton* button = AddButton(panel, name.constData(), picture.constData(), QStringLiteral("Масштаб просмотра"));
        button->setCheckable(true);
        FScales->addButton(button, scale);
    }
    FScales->button(1)->setChecked(true);
    connect(FScales, &QButtonGroup::idToggled, this, [this](int scale, bool on) {
        if (on) ScaleChosen(scale);
    });
}

void TFormPreview::AddOrientationButtons(QFrame* panel) {
    FOrientations = new QButtonGroup(this);
    const QString hint = QStringLiteral("Ориентация страницы");
    FOrientations->addButton(AddButton(panel, "PortrButton", "portrait", hint),
                             static_cast<int>(PageOrientation::Portrait));
    FOrientations->addButton(AddButton(panel, "LandButton", "landscape", hint),
                             static_cast<int>(PageOrientation::Landscape));
    for (QAbstractButton* button : FOrientations->buttons()) button->setCheckable(true);
    FOrientations->button(static_cast<int>(PageOrientation::Portrait))->setChecked(true);
    connect(FOrientations, &QButtonGroup::idToggled, this, [this](int orientation, bool on) {
        if (on) OrientationChosen(static_cast<PageOrientation>(orientation));
    });
}

// The previous and next page around the page number and the page count.
void TFormPreview::AddPageButtons(QFrame* panel) {
    DecPageButton = AddButton(panel, "DecPageButton", "prevpage", QStringLiteral("Предыдущая страница"));
    connect(DecPageButton, &QToolButton::clicked, this, &TFormPreview::DecPageButtonClick);
    LabelFrame = new QFrame(panel);
    LabelFrame->setObjectName(QStringLiteral("LabelFrame"));
    LabelFrame->setFrameShape(QFrame::Panel);
    LabelFrame->setFrameShadow(QFrame::Sunken);
    LabelFrame->setFixedSize(kLabelFrameWidth, kButtonSize - 8);
    LabelFrame->setToolTip(QStringLiteral("Номер страницы / Количество страниц"));
    PageLabel = new QLabel(LabelFrame);
    PageLabel->setObjectName(QStringLiteral("PageLabel"));
    PageLabel->setAlignment(Qt::AlignCenter);
    auto* centre = new QHBoxLayout(LabelFrame);
    centre->setContentsMargins(0, 0, 0, 0);
    centre->addWidget(PageLabel);
    panel->layout()->addWidget(LabelFrame);
    IncPageButton = AddButton(panel, "IncPageButton", "nextpage", QStringLiteral("Следующая страница"));
    connect(IncPageButton, &QToolButton::clicked, this, &TFormPreview::IncPageButtonClick);
}

QToolButton* TFormPreview::AddButton(QFrame* panel, const char* name, const char* picture, const QString& hint) {
    QToolButton* button = MakeFlatButton(panel, name, picture, hint, kPictureSize);
    button->setFixedSize(kButtonSize, kButtonSize);
    panel->layout()->addWidget(button);
    return button;
}

void TFormPreview::showEvent(QShowEvent* event) {
    ProgramDialog::showEvent(event);
    if (FCentred) return;
    FCentred = true;
    QRect frame = frameGeometry();
    frame.moveCenter(screen()->availableGeometry().center());
    move(frame.topLeft());
}

void TFormPreview::resizeEvent(QResizeEvent* event) {
    ProgramDialog::resizeEvent(event);
    if (FPageCount > 0) SizePreview();
}

void TFormPreview::LayOutPages() {
    QPrinter& printer = AppPrinters().Printer();
    UseWholePages(printer, FOrientation);
    FPageSize = ScreenPageSize(printer.width(), printer.height());
    FBitmap = QImage(FPageSize.width, FPageSize.height, QImage::Format_RGB32);
    FDrawnPage = 0;
    FPageCount = PageCount(FData, FOrientation);
    FCurrentPage = 1;
    DecPageButton->setEnabled(false);
    IncPageButton->setEnabled(FPageCount > 1);
    SizePreview();
}

void TFormPreview::SizePreview() {
    PageLabel->setText(QStringLiteral("%1/%2").arg(FCurrentPage).arg(FPageCount));
    const PixelSize picture = PreviewPictureSize(FScale, FOrientation, FPageSize);
    const bool resized = Image->size() != QSize(picture.width, picture.height);
    Image->setFixedSize(picture.width, picture.height);
    ScrollBox->horizontalScrollBar()->setValue(0);
    ScrollBox->verticalScrollBar()->setValue(0);
    const bool redrawn = FDrawnPage != FCurrentPage || FDrawnOrientation != FOrientation;
    if (redrawn) DrawCurrentPage();
    if (redrawn || resized) ShowPicture();
}

void TFormPreview::DrawCurrentPage() {
    QPainter painter(&FBitmap);
    RenderPage(painter, FBitmap.width(), FBitmap.height(), FData, FCurrentPage, FOrientation);
    FDrawnPage = FCurrentPage;
    FDrawnOrientation = FOrientation;
}

// The page drawn at its full size is shrunk smoothly, so that the small
// scales stay readable.
void TFormPreview::ShowPicture() {
    Image->setPixmap(QPixmap::fromImage(
        FBitmap.scaled(Image->size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation)));
}

void TFormPreview::ScaleChosen(int scale) {
    FScale = scale;
    SizePreview();
}

void TFormPreview::OrientationChosen(PageOrientation orientation) {
    FOrientation = orientation;
    LayOutPages();
}

void TFormPreview::DecPageButtonClick() {
    if (FCurrentPage > 1) --FCurrentPage;
    PageChanged();
}

void TFormPreview::IncPageButtonClick() {
    if (FCurrentPage < FPageCount) ++FCurrentPage;
    PageChanged();
}

void TFormPreview::PageChanged() {
    DecPageButton->setEnabled(FCurrentPage >= 2);
    IncPageButton->setEnabled(FCurrentPage < FPageCount);
    SizePreview();
}

void TFormPreview::PrintButtonClick() { Print(FCurrentPage, FCurrentPage); }

void TFormPreview::PrintAllButtonClick() { Print(1, FPageCount); }

// The print dialog shows the page's orientation; nothing to print asks
// for no printer.
void TFormPreview::Print(int first, int last) {
    if (first > std::min(last, FPageCount)) return;
    UseWholePages(AppPrinters().Printer(), FOrientation);
    if (!AppPrinters().Choose(this)) return;
    PrintChosen(first, last);
}

void TFormPreview::PrintChosen(int first, int last) {
    if (PrintInPlace(AppPrinters().Printer(), FData, FOrientation, first, last) < 0)
        AppDialogs().ErrorBox(QStringLiteral("Не удалось напечатать страницы."), QStringLiteral("Ошибка"));
}

void TFormPreview::PrintAllPages(PageOrientation orientation) {
    FOrientations->button(static_cast<int>(orientation))->setChecked(true);
    if (FPageCount > 0) PrintChosen(1, FPageCount);
}

void TFormPreview::FileButtonClick() {
    FileDialogRequest request;
    request.title = QStringLiteral("Сохранить как картинку");
    request.directory = FProgramDirectory;
    request.filter = QStringLiteral("Файлы изображений (*.bmp);;Все файлы (*)");
    request.defaultSuffix = QStringLiteral("bmp");
    const QString path = AppDialogs().SaveFileName(request);
    if (path.isEmpty()) return;
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!FBitmap.save(&buffer, "BMP") || !WriteLocalFile(path, bytes.toStdString())) ShowWriteError();
}
