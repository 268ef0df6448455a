#include "platform/qt/worksheet_pdf.h"

#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>

#include "platform/qt/qt_dc.h"

namespace vl::qt {

bool PaintWorksheet(QPagedPaintDevice& device, const Worksheet& sheet) {
  QPainter p;
  if (!p.begin(&device)) return false;
  // Page units are pixels at 96 per inch.
  const double scale = device.logicalDpiX() / 96.0;
  for (size_t i = 0; i < sheet.pages.size(); ++i) {
    if (i > 0 && !device.newPage()) return false;
    for (const SheetItem& item : sheet.pages[i].items) {
      p.save();
      p.scale(scale, scale);
      p.translate(item.left, item.top);
      p.scale(item.scale, item.scale);
      QtDc dc(&p);
      dc.Replay(item.ops);
      p.restore();
    }
  }
  return p.end();
}

bool WriteWorksheetPdf(const Worksheet& sheet, const std::string& path, std::string& why) {
  QSaveFile file(QString::fromUtf8(path.c_str()));
  if (!file.open(QIODevice::WriteOnly)) {
    why = file.errorString().toStdString();
    return false;
  }
  {
    QPdfWriter writer(&file);
    writer.setPageSize(QPageSize(QPageSize::A4));
    writer.setPageOrientation(QPageLayout::Portrait);
    writer.setPageMargins(QMarginsF(0, 0, 0, 0));
    writer.setCreator(QStringLiteral("Velorin"));
    writer.setTitle(ToQString(sheet.options.title));
    if (!PaintWorksheet(writer, sheet)) {
      file.cancelWriting();
      why = "the PDF could not be drawn";
      return false;
    }
  }
  if (!file.commit()) {
    why = file.errorString().toStdString();
    return false;
  }
  return true;
}

}  // namespace vl::qt
