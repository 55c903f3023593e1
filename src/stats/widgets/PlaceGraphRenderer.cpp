#include "stats/widgets/PlaceGraphRenderer.h"

#include "stats/PlaceGraphLayout.h"
#include "stats/widgets/PictureStrokes.h"
#include "ui/draw/DrawHelper.h"

#include <QPainter>
#include <QPolygon>

#include <algorithm>

namespace {

const QString kQuestionsCaption = QStringLiteral("Вопросы игры");
const QString kPlacesCaption = QStringLiteral("Место команды");

void DrawGrid(QPainter& painter, const PlaceGraphLayout& layout, const QColor& shadow) {
    painter.setPen(shadow);
    for (int q = 1; q <= layout.Questions; ++q)
        DrawLine(painter, layout.X(q), layout.Y(1), layout.X(q), layout.Y(layout.Places));
    for (int p = 1; p <= layout.Places; ++p)
        DrawLine(painter, layout.X(1), layout.Y(p), layout.X(layout.Questions), layout.Y(p));
}

void DrawLabels(QPainter& painter, int width, const PlaceGraphLayout& layout, const QColor& text) {
    painter.setPen(text);
    const int textHeight = Draw::TextHeight(painter);  // a "0" as high as any text
    for (int q : LabelledValues(1, layout.Questions, layout.QuestionStep)) {
        const QString label = QString::number(q);
        Draw::TextOut(painter, layout.X(q) - Draw::TextWidth(painter, label) / 2, layout.Y(layout.Places) + 3, label);
    }
    for (int p : LabelledValues(1, layout.Places, layout.PlaceStep)) {
        const QString label = QString::number(p);
        Draw::TextOut(painter, layout.X0 - 3 - Draw::TextWidth(painter, label), layout.Y(p) - textHeight / 2, label);
    }
    painter.setFont(PictureFont(true));
    Draw::TextOut(painter, (width - Draw::TextWidth(painter, kQuestionsCaption)) / 2,
                  layout.Y(layout.Places) + 6 + Draw::TextHeight(painter), kQuestionsCaption);
    for (int k = 0; k < kPlacesCaption.size(); ++k)
        Draw::TextOut(painter, layout.CaptionX, layout.CaptionTop + k * textHeight, kPlacesCaption.mid(k, 1));
}

// The line through the team's places with a small square on each, moved
// `d` pixels right and down from where the places are.
void DrawPlaceLine(QPainter& painter, const PlaceGraphLayout& layout, const std::vector<int>& places, int d,
                   const QColor& color) {
    QPolygon line;
    for (std::size_t q = 0; q < places.size(); ++q)
        line << QPoint(layout.X(static_cast<int>(q) + 1) + d, layout.Y(places[q]) + d);
    painter.setPen(color);
    painter.setBrush(color);
    painter.drawPolyline(line);
    for (const QPoint& point : line) DrawBox(painter, point.x() - 2, point.y() - 2, point.x() + 3, point.y() + 3);
}

}  // namespace

VerticalCaption PlaceGraphCaption(QPainter& painter) {
    painter.setFont(PictureFont(true));
    int widest = 0;
    for (const QChar letter : kPlacesCaption) widest = std::max(widest, Draw::TextWidth(painter, letter));
    painter.setFont(PictureFont());
    return {static_cast<int>(kPlacesCaption.size()), widest};
}

void RenderPlaceGraph(QPainter& painter, int width, int height, int teams, const std::vector<int>& places) {
    const Draw::SystemColors colors = Draw::ThemeColors();
    painter.fillRect(0, 0, width, height, colors.buttonFace);
    const VerticalCaption caption = PlaceGraphCaption(painter);
    const auto layout =
        LayOutPlaceGraph(width, height, DigitExtentsOf(painter), static_cast<int>(places.size()), teams, caption);
    if (!layout) return;
    DrawGrid(painter, *layout, colors.buttonShadow);
    DrawLabels(painter, width, *layout, colors.buttonText);
    DrawPlaceLine(painter, *layout, places, 0, colors.buttonShadow);
    DrawPlaceLine(painter, *layout, places, -1, colors.buttonText);
}
