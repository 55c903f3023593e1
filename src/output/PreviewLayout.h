// The sizes of the print preview: the page it draws for the screen (the
// printer's page, halved while it is very wide) and the picture of that
// page at each scale.
#pragma once

#include "output/PagePagination.h"

struct PixelSize {
    int width = 0;
    int height = 0;
    bool operator==(const PixelSize&) const = default;
};

// The screen's page for a printer page of `printerWidth` x `printerHeight`
// device pixels: the width halved while it is 4001 or more, the height in
// the printer page's proportion. An empty printer page gives an empty one.
PixelSize ScreenPageSize(int printerWidth, int printerHeight);

// The scales of the preview, from the smallest.
constexpr int kPreviewScales = 3;
// The picture of `page` at `scale` (1 to kPreviewScales) in `orientation`:
// a fixed width per scale, the height in the page's proportion.
PixelSize PreviewPictureSize(int scale, PageOrientation orientation, PixelSize page);
