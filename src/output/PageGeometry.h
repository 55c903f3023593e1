// Where things stand on a printed page of W x H device pixels: the units,
// the frame, the table's columns and rows, the question columns of type 1
// and the group middles of type 3. The renderer measures its texts and
// draws at these positions.
#pragma once

#include "output/PagePagination.h"

// The page's unit U = rnd(max(W, H) / 60) and large unit V = rnd(1.5 U).
struct PageUnits {
    int u = 0;
    int v = 0;
};
PageUnits UnitsOfPage(int width, int height);

struct PixelRect {
    int left = 0;
    int top = 0;
    int right = 0;   // exclusive
    int bottom = 0;  // exclusive
    bool operator==(const PixelRect&) const = default;
};

class PageGeometry {
public:
    // `labelHeight`: the height of the "ВеМо 2007" label in its font (V high).
    PageGeometry(int width, int height, int labelHeight);

    int Width() const { return FWidth; }
    int Height() const { return FHeight; }
    int U() const { return FUnits.u; }
    int V() const { return FUnits.v; }
    // The frame's left edge, a quarter of V in from the page's edge.
    int X1() const { return FUnits.v / 4; }
    // The frame's top edge, under the heading and the credit line.
    int Top() const { return FTop; }
    int TableWidth() const { return FWidth - 4 * X1(); }

    // The heading: the label's left edge for a label `labelWidth` wide, and
    // the box the name line is fitted into after a title `titleWidth` wide.
    int LabelLeft(int labelWidth) const;
    PixelRect NameBox(int titleWidth, int labelWidth) const;
    int CreditTop() const;
    PixelRect Frame() const;
    int PenWidth() const { return FUnits.v / 12; }
    int PageNumberTop() const;

    // The grey band behind the captions, for a caption `textHeight` high.
    PixelRect HeaderBand(int textHeight) const;
    int CaptionTop() const { return FTop + FUnits.u; }

    // A column at fraction f of the table width; squeezed by `squeeze` (type 1).
    int ColumnStart(double f, double squeeze = 1.0) const;
    int TableRight() const { return ColumnStart(1.0); }
    // Row j of a page, from 1: its top, and the separator line under it.
    int RowTop(int j) const;
    int SeparatorY(int j) const;

    // Type 1: the k-th question column of a page's block (k from 1).
    int QuestionColumnStart(int k, PageOrientation orientation) const;
    // Type 3: the middle line of group g (from 1) of `groups`, the gap
    // between it and the texts on either side, and the line's extent.
    int GroupMiddle(int g, int groups) const;
    int GroupGap() const;
    int GroupLineTop() const;
    int GroupLineBottom() const { return FrameBottom(); }

private:
    int FrameBottom() const;

    int FWidth;
    int FHeight;
    PageUnits FUnits;
    int FLabelHeight;
    int FTop;
};
