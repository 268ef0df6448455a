#include "platform/qt/page_tools.h"

#include <QAction>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QKeySequence>
#include <QMenu>
#include <QMessageBox>
#include <QPainter>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <algorithm>

#include "platform/qt/page_surface.h"
#include "platform/qt/qt_dc.h"
#include "platform/qt/read_aloud.h"
#include "platform/recording_dc.h"
#include "platform/script/svg.h"

namespace vl::qt {

namespace {

DisplayList RecordPage(Window& w) {
  RecordingDc dc;
  w.DrawTo(dc);
  return dc.Take();
}

}  // namespace

QImage PageImage(Window& w, QColor background, qreal scale) {
  PageSurface surface(background);
  surface.Redraw(w, scale);
  return surface.Image();
}

std::string PageSvg(Window& w, QColor background) {
  return RenderSvg(w.ClientSize(), RecordPage(w), nullptr,
                   Rgb(background.red(), background.green(), background.blue()));
}

QString SavePage(Window& w, QColor background, const QString& file) {
  const QString ext = QFileInfo(file).suffix().toLower();
  if (ext == "svg") {
    const std::string svg = PageSvg(w, background);
    QFile f(file);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
        f.write(svg.data(), static_cast<qint64>(svg.size())) != static_cast<qint64>(svg.size()) ||
        !f.flush())
      return QString("%1 に書き込めません。").arg(file);
    return {};
  }
  if (ext == "png") {
    if (!PageImage(w, background).save(file, "PNG")) return QString("%1 に書き込めません。").arg(file);
    return {};
  }
  return QString("ファイル名は .png か .svg で終えてください。");
}

void PrintPage(QPainter& p, const QRect& printable, Dialog& w) {
  const Size s = w.ClientSize();
  if (s.cx <= 0 || s.cy <= 0 || printable.isEmpty()) return;
  p.save();
  QFont heading = p.font();
  heading.setPixelSize(qMax(12, printable.height() / 40));
  heading.setBold(true);
  p.setFont(heading);
  const int headH = QFontMetrics(heading, p.device()).height() * 3 / 2;
  p.drawText(QRect(printable.left(), printable.top(), printable.width(), headH),
             Qt::AlignLeft | Qt::AlignTop, ToQString(w.Title()));
  const QRect area(printable.left(), printable.top() + headH, printable.width(),
                   printable.height() - headH);
  const qreal scale = std::min({static_cast<qreal>(area.width()) / s.cx,
                                static_cast<qreal>(area.height()) / s.cy, qreal(8)});
  // Drawn as vectors so that print stays sharp; the background is left as paper.
  p.translate(area.topLeft());
  p.scale(scale, scale);
  p.setClipRect(QRect(0, 0, s.cx, s.cy));
  QtDc dc(&p);
  w.DrawTo(dc);
  p.restore();
}

QString PageDescription(Window& w) {
  if (const std::u16string reading = w.Reading(); !reading.empty()) return ToQString(reading);
  struct Item {
    int y, x;
    QString text;
  };
  std::vector<Item> items;
  for (const DrawOp& op : RecordPage(w))
    if (const auto* t = std::get_if<TextOp>(&op)) {
      QString s = ToQString(t->text).trimmed();
      if (!s.isEmpty()) items.push_back({t->y, t->x, s});
    }
  std::stable_sort(items.begin(), items.end(), [](const Item& a, const Item& b) {
    return a.y != b.y ? a.y < b.y : a.x < b.x;
  });
  QStringList lines;
  for (const Item& it : items) lines << it.text;
  return lines.join('\n');
}

QMenu* MakePageMenu(QWidget* widget, Dialog& w, QColor background) {
  auto* menu = new QMenu(widget);
  Dialog* win = &w;
  menu->addAction(ToQString(kSaveImageText), widget, [widget, win, background] {
    const QString file = QFileDialog::getSaveFileName(
        widget, ToQString(kSaveImageText).chopped(1), ToQString(win->Title()) + ".png",
        "PNG (*.png);;SVG (*.svg)");
    if (file.isEmpty()) return;
    const QString err = SavePage(*win, background, file);
    if (!err.isEmpty()) QMessageBox::warning(widget, "Velorin", err);
  });
  auto print = [widget, win](bool preview) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(ToQString(win->Title()));
    auto draw = [win](QPrinter* pr) {
      QPainter p(pr);
      // The painter's origin is the top left of the printable area.
      const QSize size = pr->pageLayout().paintRectPixels(pr->resolution()).size();
      PrintPage(p, QRect(QPoint(0, 0), size), *win);
    };
    if (preview) {
      QPrintPreviewDialog dlg(&printer, widget);
      QObject::connect(&dlg, &QPrintPreviewDialog::paintRequested, &dlg, draw);
      dlg.exec();
      return;
    }
    QPrintDialog dlg(&printer, widget);
    if (dlg.exec() == QDialog::Accepted) draw(&printer);
  };
  menu->addAction(ToQString(kPrintText), widget, [print] { print(false); });
  menu->addAction(ToQString(kPreviewText), widget, [print] { print(true); });
  menu->addSeparator();
  QAction* read = menu->addAction(ToQString(kReadAloudText), widget,
                                  [widget, win] { ReadPageAloud(widget, *win); });
  read->setShortcut(QKeySequence(QString::fromLatin1(kReadAloudKey)));
  // Without a voice the item stays in its place, greyed, and says why.
  if (const QString why = PageSpeaker::Instance().Unavailable(); !why.isEmpty()) {
    read->setEnabled(false);
    read->setText(ToQString(kReadAloudText) + QStringLiteral("（") + why + QStringLiteral("）"));
  }
  return menu;
}

void ReadPageAloud(QWidget* widget, Window& w) {
  PageSpeaker::Instance().Speak(widget, PageDescription(w));
}

void ShowPageMenu(QWidget* widget, Dialog& w, QColor background, const QPoint& globalPos) {
  QMenu* menu = MakePageMenu(widget, w, background);
  menu->setAttribute(Qt::WA_DeleteOnClose);
  menu->popup(globalPos);
}

}  // namespace vl::qt
