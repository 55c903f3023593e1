// The printed report: one page of an information type drawn on any painter
// (the preview's image, a printer's page, a PDF), and the printing of pages
// to a printer or a PDF writer in one job.
#pragma once

#include "output/PagePagination.h"
#include "output/ReportData.h"

class QPagedPaintDevice;
class QPainter;

// Draws page `page` (from 1) of `data` laid out in `orientation` on a
// surface of `width` x `height` device pixels. With no page at all (taken
// questions of no teams) page 1 is the empty frame.
void RenderPage(QPainter& painter, int width, int height, const ReportData& data, int page,
                PageOrientation orientation);

// Pages are drawn on the whole sheet, edge to edge, in `orientation`; the
// device's width and height are then the page's size in device pixels.
void UseWholePages(QPagedPaintDevice& printer, PageOrientation orientation);

// Prints pages `first` to `last` (from 1, clamped to the page count) on
// `printer`'s whole pages in `orientation`, as one job with a new sheet
// between pages. Returns the number of pages printed: 0 when there is
// nothing to print, -1 when the printer cannot start the job.
int PrintPages(QPagedPaintDevice& printer, const ReportData& data, PageOrientation orientation, int first,
               int last);
int PrintAllPages(QPagedPaintDevice& printer, const ReportData& data, PageOrientation orientation);
