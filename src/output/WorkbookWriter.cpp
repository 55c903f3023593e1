#include "output/WorkbookWriter.h"

#include "base/Errors.h"
#include "base/FileIO.h"
#include "base/TransCodes.h"

#include <xlsxwriter.h>

#include <cstdio>
#include <filesystem>
#include <map>
#include <random>
#include <tuple>

namespace fs = std::filesystem;

namespace {

// A new file of our own in the temporary folder; libxlsxwriter writes the
// workbook there and the user's file is replaced from it in one step.
class ScratchFile {
public:
    ScratchFile() {
        std::random_device seed;
        for (int attempt = 0; attempt < 16 && FPath.empty(); ++attempt) {
            const fs::path candidate = fs::temp_directory_path() / ("vemo-" + std::to_string(seed()) + ".xlsx");
            if (std::FILE* f = std::fopen(candidate.c_str(), "wbx")) {
                std::fclose(f);
                FPath = candidate.string();
            }
        }
        if (FPath.empty()) throw EInOutError("File access denied");
    }
    ~ScratchFile() {
        std::error_code ec;
        fs::remove(FPath, ec);
    }
    ScratchFile(const ScratchFile&) = delete;
    ScratchFile& operator=(const ScratchFile&) = delete;
    const std::string& Path() const { return FPath; }

private:
    std::string FPath;
};

class FormatCache {
public:
    explicit FormatCache(lxw_workbook* workbook) : FWorkbook(workbook) {}

    // Every cell carries the text number format, since a cell's format
    // replaces its column's.
    lxw_format* Of(const CellFormat& format) {
        const auto key = std::make_tuple(format.bold, format.horizontal, format.vertical, format.wrap, format.borders);
        if (auto found = FFormats.find(key); found != FFormats.end()) return found->second;
        lxw_format* f = workbook_add_format(FWorkbook);
        format_set_num_format(f, "@");
        if (format.bold) format_set_bold(f);
        if (format.horizontal == HorizontalAlign::Left) format_set_align(f, LXW_ALIGN_LEFT);
        if (format.horizontal == HorizontalAlign::Center) format_set_align(f, LXW_ALIGN_CENTER);
        if (format.vertical == VerticalAlign::Center) format_set_align(f, LXW_ALIGN_VERTICAL_CENTER);
        if (format.wrap) format_set_text_wrap(f);
        if (format.borders) format_set_border(f, LXW_BORDER_THIN);
        FFormats.emplace(key, f);
        return f;
    }

private:
    lxw_workbook* FWorkbook;
    std::map<std::tuple<bool, HorizontalAlign, VerticalAlign, bool, bool>, lxw_format*> FFormats;
};

bool Covered(const std::vector<FormattedRange>& ranges, int row, int column) {
    for (const FormattedRange& r : ranges)
        if (row >= r.range.firstRow && row <= r.range.lastRow && column >= r.range.firstColumn &&
            column <= r.range.lastColumn)
            return true;
    return false;
}

void WriteCell(lxw_worksheet* sheet, int row, int column, const std::string& text, lxw_format* format) {
    if (text.empty())
        worksheet_write_blank(sheet, static_cast<lxw_row_t>(row), static_cast<lxw_col_t>(column), format);
    else
        worksheet_write_string(sheet, static_cast<lxw_row_t>(row), static_cast<lxw_col_t>(column),
                               TransCodes::AnsiToUtf8(text).c_str(), format);
}

void WriteRange(lxw_worksheet* sheet, const WorkbookLayout& layout, const FormattedRange& r, lxw_format* format) {
    const SheetRange& a = r.range;
    if (r.merged) {
        worksheet_merge_range(sheet, static_cast<lxw_row_t>(a.firstRow), static_cast<lxw_col_t>(a.firstColumn),
                              static_cast<lxw_row_t>(a.lastRow), static_cast<lxw_col_t>(a.lastColumn),
                              TransCodes::AnsiToUtf8(layout.Text(a.firstRow, a.firstColumn)).c_str(), format);
        return;
    }
    for (int row = a.firstRow; row <= a.lastRow; ++row)
        for (int column = a.firstColumn; column <= a.lastColumn; ++column)
            WriteCell(sheet, row, column, layout.Text(row, column), format);
}

void FillSheet(lxw_workbook* workbook, lxw_worksheet* sheet, const WorkbookLayout& layout) {
    FormatCache formats(workbook);
    lxw_format* text = formats.Of(CellFormat{});
    const int used = static_cast<int>(layout.columnWidths.size());
    for (int column = 0; column < used; ++column)
        worksheet_set_column(sheet, static_cast<lxw_col_t>(column), static_cast<lxw_col_t>(column),
                             layout.columnWidths[static_cast<std::size_t>(column)], text);
    if (used < WorkbookLayout::kTextColumns)
        worksheet_set_column(sheet, static_cast<lxw_col_t>(used), WorkbookLayout::kTextColumns - 1,
                             WorkbookLayout::kDefaultWidth, text);

    for (const FormattedRange& range : layout.ranges) WriteRange(sheet, layout, range, formats.Of(range.format));
    for (int row = 0; row < static_cast<int>(layout.rows.size()); ++row)
        for (int column = 0; column < static_cast<int>(layout.rows[static_cast<std::size_t>(row)].size()); ++column)
            if (!layout.Text(row, column).empty() && !Covered(layout.ranges, row, column))
                WriteCell(sheet, row, column, layout.Text(row, column), text);
}

}  // namespace

bool WriteWorkbook(const WorkbookLayout& layout, const std::string& fileName) {
    const ScratchFile scratch;
    lxw_workbook* workbook = workbook_new(scratch.Path().c_str());
    if (!workbook) throw EInOutError("File access denied");
    lxw_worksheet* sheet = workbook_add_worksheet(workbook, TransCodes::AnsiToUtf8(layout.sheetName).c_str());
    if (sheet) FillSheet(workbook, sheet, layout);
    if (workbook_close(workbook) != LXW_NO_ERROR || !sheet) throw EInOutError("Disk write error");
    return FileIO::ReplaceFile(fileName, FileIO::ReadWholeFile(scratch.Path()));
}
