"""Prints what a workbook holds, one record a line, tab-separated (UTF-8):

sheet NAME | merge RANGE | cell ADDRESS TEXT BOLD HORIZONTAL VERTICAL WRAP BORDERS FORMAT
| width LETTERS WIDTH | textcolumns COUNT

BORDERS lists the cell's thin edges among "ltrb". Every cell with a value or
a format of its own is printed, merged cells as their top-left cell.
"""
import sys

import openpyxl
from openpyxl.utils import get_column_letter


def borders(cell):
    edges = (("l", cell.border.left), ("t", cell.border.top), ("r", cell.border.right), ("b", cell.border.bottom))
    return "".join(name for name, side in edges if side is not None and side.style == "thin")


def main(path):
    book = openpyxl.load_workbook(path)
    sheet = book.worksheets[0]
    out = [f"sheets\t{len(book.worksheets)}", f"sheet\t{sheet.title}"]
    out += [f"merge\t{r.coord}" for r in sorted(sheet.merged_cells.ranges, key=lambda r: (r.min_row, r.min_col))]
    for row in sheet.iter_rows():
        for cell in row:
            if not hasattr(cell, "column_letter"):
                continue  # the hidden part of a merged range
            if cell.value is None and not cell.has_style:
                continue
            text = "" if cell.value is None else str(cell.value)
            a = cell.alignment
            out.append("\t".join(["cell", cell.coordinate, text, "1" if cell.font.b else "0",
                                  a.horizontal or "general", a.vertical or "bottom", "1" if a.wrap_text else "0",
                                  borders(cell), cell.number_format]))
    text_columns = 0
    for dim in sheet.column_dimensions.values():
        for column in range(dim.min, dim.max + 1):
            if dim.number_format == "@":
                text_columns += 1
            if dim.customWidth:
                out.append(f"width\t{get_column_letter(column)}\t{dim.width}")
    out.append(f"textcolumns\t{text_columns}")
    sys.stdout.write("\n".join(out) + "\n")


if __name__ == "__main__":
    main(sys.argv[1])
