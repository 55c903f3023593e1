#include "output/PreviewLayout.h"

#include "base/Rounding.h"

#include <algorithm>

namespace {

// Picture widths of scales 1 to 3, portrait and landscape.
constexpr int kPortraitWidths[kPreviewScales] = {300, 500, 1000};
constexpr int kLandscapeWidths[kPreviewScales] = {425, 707, 1414};
constexpr int kWidestScreenPage = 4000;

}  // namespace

PixelSize ScreenPageSize(int printerWidth, int printerHeight) {
    if (printerWidth <= 0 || printerHeight <= 0) return {};
    int width = printerWidth;
    while (width > kWidestScreenPage) width /= 2;
    return {width, RoundHalfEven(static_cast<double>(printerHeight) / printerWidth * width)};
}

PixelSize PreviewPictureSize(int scale, PageOrientation orientation, PixelSize page) {
    const auto index = static_cast<std::size_t>(std::clamp(scale, 1, kPreviewScales) - 1);
    const int width = orientation == PageOrientation::Portrait ? kPortraitWidths[index] : kLandscapeWidths[index];
    if (page.width <= 0) return {width, 0};
    return {width, RoundHalfEven(static_cast<double>(width) / page.width * page.height)};
}
