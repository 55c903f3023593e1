// Writes a workbook layout to an .xlsx file.
#pragma once

#include "output/WorkbookLayout.h"

#include <string>

// Writes `layout` over `fileName` atomically. False when the file cannot be
// created; any old file is then left as it was. EInOutError when the
// workbook cannot be put together.
bool WriteWorkbook(const WorkbookLayout& layout, const std::string& fileName);
