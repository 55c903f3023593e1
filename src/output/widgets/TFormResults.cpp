#include "output/widgets/TFormResults.h"

#include "output/ResultsBoardLayout.h"
#include "output/widgets/BoardPicture.h"
#include "output/widgets/ResultsBoardRenderer.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QPainter>
#include <QScreen>
#include <QWheelEvent>

namespace {

constexpr int kHelpTopic = 1018;

}  // namespace

TFormResults::TFormResults(TVemoData& game, QWidget* parent)
    : ProgramDialog(parent, kHelpTopic), FGame(game), TopImage(new BoardPicture(QStringLiteral("TopImage"), this)),
      Image(new BoardPicture(QStringLiteral("Image"), this)) {
    setObjectName(QStringLiteral("FormResults"));
    setWindowTitle(QStringLiteral("Результаты"));
    // A borderless window over the whole screen the main window is on, as
    // the projector shows it, also where no window manager places it.
    setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint);
    setGeometry((parent ? parent->screen() : QGuiApplication::primaryScreen())->geometry());
    setWindowState(Qt::WindowFullScreen);
    setCursor(Qt::BlankCursor);
    for (BoardPicture* picture : {TopImage, Image}) picture->SetPressed([this] { accept(); });
}

bool TFormResults::event(QEvent* event) {
    if (event->type() == QEvent::WindowActivate) {
        if (FActivatedSinceShow) FormActivate();
        FActivatedSinceShow = true;
    }
    return ProgramDialog::event(event);
}

void TFormResults::showEvent(QShowEvent* event) {
    ProgramDialog::showEvent(event);
    FActivatedSinceShow = false;
    FormActivate();
}

void TFormResults::FormActivate() {
    FBoard = BuildResultsBoard(FGame);
    FFirstRow = ClampFirstRow(FFirstRow, static_cast<int>(FBoard.Rows.size()));
    FBuilt = true;
    DrawBand();
    DrawTable();
}

void TFormResults::resizeEvent(QResizeEvent* event) {
    ProgramDialog::resizeEvent(event);
    const int bandHeight = BoardBandHeight(height());
    TopImage->setGeometry(0, 0, width(), bandHeight);
    Image->setGeometry(0, bandHeight, width(), height() - bandHeight);
    TopImage->FitSurface();
    Image->FitSurface();
    if (!FBuilt) return;
    DrawBand();
    DrawTable();
}

void TFormResults::DrawBand() {
    QPainter painter(&TopImage->Surface());
    RenderBoardBand(painter, TopImage->width(), TopImage->height(), FBoard.Heading);
    TopImage->update();
}

void TFormResults::DrawTable() {
    QPainter painter(&Image->Surface());
    RenderBoardTable(painter, Image->width(), Image->height(), FBoard.Rows, FFirstRow);
    Image->update();
}

void TFormResults::ScrollBy(int rows) {
    FFirstRow = ClampFirstRow(FFirstRow + rows, static_cast<int>(FBoard.Rows.size()));
    DrawTable();
}

void TFormResults::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
        case Qt::Key_Escape: accept(); return;
        case Qt::Key_PageUp: ScrollBy(-kBoardPageRows); return;
        case Qt::Key_PageDown: ScrollBy(kBoardPageRows); return;
        case Qt::Key_Up: ScrollBy(-1); return;
        case Qt::Key_Down: ScrollBy(1); return;
        default: ProgramDialog::keyPressEvent(event);
    }
}

void TFormResults::wheelEvent(QWheelEvent* event) {
    event->accept();
    ScrollBy(WheelRows(event->angleDelta().y(), event->modifiers().testFlag(Qt::ControlModifier)));
}
