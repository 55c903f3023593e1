// The workbook of one information type as plain data: the texts of the
// cells, the formatted and merged ranges, the sheet's name and the column
// widths. Rows and columns are counted from 0 (A1 is row 0, column 0);
// every text is Windows-1251 and every value is written as text.
#pragma once

#include "output/ReportData.h"

#include <string>
#include <vector>

enum class HorizontalAlign { General, Left, Center };
enum class VerticalAlign { Bottom, Center };

struct CellFormat {
    bool bold = false;
    HorizontalAlign horizontal = HorizontalAlign::General;
    VerticalAlign vertical = VerticalAlign::Bottom;
    bool wrap = false;
    // Continuous lines on the range's outer edges and between all its cells.
    bool borders = false;
    bool operator==(const CellFormat&) const = default;
};

struct SheetRange {
    int firstRow = 0;
    int firstColumn = 0;
    int lastRow = 0;
    int lastColumn = 0;
    bool operator==(const SheetRange&) const = default;
};

struct FormattedRange {
    SheetRange range;
    CellFormat format;
    // One cell over the whole range, holding the text of its top-left cell.
    bool merged = false;
};

struct WorkbookLayout {
    // The columns 1 to 215 are formatted as text, so nothing typed later
    // turns into a number or a date.
    static constexpr int kTextColumns = 215;
    static constexpr double kDefaultWidth = 8.43;

    std::string sheetName;
    std::vector<std::vector<std::string>> rows;
    std::vector<FormattedRange> ranges;
    // The widths of the used columns, from A.
    std::vector<double> columnWidths;

    const std::string& Text(int row, int column) const;
    void SetText(int row, int column, std::string text);
};

WorkbookLayout BuildWorkbookLayout(const ReportData& data);

// "A" for column 0, "Z" for 25, "AA" for 26.
std::string ColumnLetters(int column);

// The width a spreadsheet's autofit gives a column whose longest text has
// `characters` characters (in widths of a digit of the default font).
double AutoFitWidth(std::size_t characters);
