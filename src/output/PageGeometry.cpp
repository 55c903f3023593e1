#include "output/PageGeometry.h"

#include "base/Rounding.h"

#include <algorithm>

PageUnits UnitsOfPage(int width, int height) {
    const int u = RoundHalfEven(std::max(width, height) / 60.0);
    return {u, RoundHalfEven(u * 1.5)};
}

PageGeometry::PageGeometry(int width, int height, int labelHeight)
    : FWidth(width), FHeight(height), FUnits(UnitsOfPage(width, height)), FLabelHeight(labelHeight),
      FTop(labelHeight + FUnits.v / 4 + FUnits.v / 2) {}

int PageGeometry::LabelLeft(int labelWidth) const { return FWidth - FUnits.v / 4 - labelWidth; }

PixelRect PageGeometry::NameBox(int titleWidth, int labelWidth) const {
    return {titleWidth + FUnits.v / 2, FUnits.v / 4, FWidth - labelWidth - FUnits.v / 2,
            FLabelHeight + FUnits.v / 4};
}

int PageGeometry::CreditTop() const { return FLabelHeight + FUnits.v / 4 + FUnits.v / 20; }

int PageGeometry::FrameBottom() const { return FHeight - (FUnits.v / 4 + FUnits.u / 2); }

PixelRect PageGeometry::Frame() const { return {X1(), FTop, FWidth - FUnits.v / 4, FrameBottom()}; }

int PageGeometry::PageNumberTop() const { return FHeight - FUnits.v / 4 - FUnits.u; }

PixelRect PageGeometry::HeaderBand(int textHeight) const {
    const int u = FUnits.u;
    return {X1() + FUnits.v / 8, FTop + u - u / 3, FWidth - FUnits.v / 4 - FUnits.v / 8, FTop + u + textHeight + u / 3};
}

int PageGeometry::ColumnStart(double f, double squeeze) const {
    return 2 * X1() + RoundHalfEven(squeeze * f * TableWidth());
}

int PageGeometry::RowTop(int j) const {
    return FTop + j * RoundHalfEven(1.1 * FUnits.u) + RoundHalfEven(1.5 * FUnits.u);
}

int PageGeometry::SeparatorY(int j) const { return RowTop(j) + FUnits.u + RoundHalfEven(0.05 * FUnits.u); }

int PageGeometry::QuestionColumnStart(int k, PageOrientation orientation) const {
    // The columns spread from 0.63 of the squeezed table to its right edge.
    const int perPage = CapacityOf(orientation).questions;
    const double tw = TableWidth();
    return 2 * X1() + RoundHalfEven(SqueezeFactor(orientation) * 0.63 * tw +
                                    (k - 1.0) / perPage * (0.0063 * perPage + 0.37) * tw);
}

int PageGeometry::GroupMiddle(int g, int groups) const {
    return 2 * X1() + RoundHalfEven((2 * g - 1) * static_cast<double>(TableWidth()) / groups / 2);
}

int PageGeometry::GroupGap() const { return RoundHalfEven(0.01 * TableWidth()); }

int PageGeometry::GroupLineTop() const { return FTop + RoundHalfEven(2.5 * FUnits.u); }
