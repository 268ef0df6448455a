// Worksheets on paper and in PDF files: the laid-out pages replayed through QtDc as vectors.
#pragma once
#include <QPagedPaintDevice>
#include <string>

#include "platform/worksheet.h"

namespace vl::qt {

// Draws every page of the sheet on a device set up for A4 paper with no margins (a PDF writer,
// a full-page printer). False when the device cannot be painted on.
bool PaintWorksheet(QPagedPaintDevice& device, const Worksheet& sheet);

// Writes the sheet as a PDF file. The file is written beside path under another name and
// renamed once complete, so a failure leaves nothing half-written; the reason goes to why.
bool WriteWorksheetPdf(const Worksheet& sheet, const std::string& path, std::string& why);

}  // namespace vl::qt
