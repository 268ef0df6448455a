#include "platform/qt/qt_host.h"

#include <malloc.h>

#include <QApplication>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontMetrics>
#include <QMessageBox>
#include <QPainter>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QSettings>

#include "platform/qt/dialog_widget.h"
#include "platform/qt/qt_dc.h"
#include "platform/qt/worksheet_pdf.h"
#include "platform/qt/x11_guide.h"
#include "platform/text.h"
#include "platform/window.h"
#include "platform/worksheet.h"

namespace vl::qt {

namespace {

constexpr int kRecentCount = 4;
const char kRecentGroup[] = "Recent File List";

}  // namespace

void BaseUnitsOf(const QFont& font, int& baseX, int& baseY) {
  QFontMetrics fm(font);
  const int letters =
      fm.horizontalAdvance(QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"));
  baseX = (letters / 26 + 1) / 2;
  baseY = font.pixelSize();
}

// ---- help window

HelpWindow::~HelpWindow() { delete browser_.data(); }

void HelpWindow::Open(const std::string& file, int) {
  if (!browser_) {
    browser_ = new QTextBrowser();
    browser_->setAttribute(Qt::WA_DeleteOnClose, false);
    browser_->setWindowTitle(QStringLiteral("数学用語 - Velorin"));
    browser_->setOpenExternalLinks(false);
    browser_->resize(640, 480);
  }
  const QString path = QString::fromUtf8(file.c_str());
  QFile f(path);
  QFileInfo info(path);
  if (!info.exists() || !info.isFile()) {
    browser_->setPlainText(QStringLiteral("ヘルプ ファイル「%1」が見つかりません。").arg(path));
  } else if (!f.open(QIODevice::ReadOnly)) {
    browser_->setPlainText(
        QStringLiteral("ヘルプ ファイル「%1」を読み込めません: %2").arg(path, f.errorString()));
  } else {
    const QByteArray data = f.readAll();
    browser_->setSearchPaths({info.absolutePath()});
    browser_->setHtml(QString::fromUtf8(data));
  }
  browser_->show();
  browser_->raise();
  browser_->activateWindow();
}

// ---- recent files

std::vector<std::string> SettingsRecentFiles::Load() {
  QSettings s(QStringLiteral("Orvanel"), QStringLiteral("Velorin"));
  if (s.status() != QSettings::NoError) return {};
  std::vector<std::string> files;
  s.beginGroup(kRecentGroup);
  for (int i = 1; i <= kRecentCount; ++i) {
    const QString f = s.value(QStringLiteral("File%1").arg(i)).toString();
    if (!f.isEmpty()) files.push_back(f.toStdString());
  }
  return files;
}

bool SettingsRecentFiles::Save(const std::vector<std::string>& files) {
  QSettings s(QStringLiteral("Orvanel"), QStringLiteral("Velorin"));
  s.beginGroup(kRecentGroup);
  for (int i = 1; i <= kRecentCount; ++i) {
    const size_t k = static_cast<size_t>(i - 1);
    if (k < files.size())
      s.setValue(QStringLiteral("File%1").arg(i), QString::fromStdString(files[k]));
    else
      s.remove(QStringLiteral("File%1").arg(i));
  }
  s.endGroup();
  s.sync();
  if (s.status() == QSettings::NoError) return true;
  if (!warned_) {
    warned_ = true;
    const std::u16string text =
        Utf8ToUtf16("最近使ったファイルの一覧を保存できません: " + s.fileName().toStdString());
    Host::Current().MessageBox(nullptr, text, kAppCaption, kMbOk | kMbIconExclamation);
  }
  return false;
}

// ---- guide

bool X11Guide::Post(std::u16string_view title, unsigned message, long wparam, long lparam) {
  return PostGuideNotice(Utf16ToUtf8(title), message, wparam, lparam);
}

// ---- host

QtHost::QtHost() = default;
QtHost::~QtHost() = default;

QWidget* QtHost::WidgetOf(const Window* w) const {
  if (!w) return nullptr;
  for (DialogWidget* d : stack_)
    if (&d->dialog() == w) return d;
  if (main_ && w->Peer() && dynamic_cast<const Dialog*>(w) == nullptr) return main_;
  return nullptr;
}

QWidget* QtHost::TopWidget() const {
  if (!stack_.empty()) return stack_.back();
  return main_;
}

int QtHost::ShowModal(Dialog& dlg) {
  const DialogTemplate* t = dlg.Template();
  const QFont font = DialogFont(t->fontFace, t->fontPoint);
  int bx = 8, by = 16;
  BaseUnitsOf(font, bx, by);
  dlg.Create(bx, by);
  // Modal over its owner: the parent's window when it has one, else the window on top.
  QWidget* owner = WidgetOf(dlg.Parent());
  if (!owner) owner = TopWidget();
  DialogWidget w(dlg, owner, font, true);
  dlg.SetPeer(&w);
  stack_.push_back(&w);
  struct Pop {
    QtHost* h;
    DialogWidget* w;
    ~Pop() {
      if (!h->stack_.empty() && h->stack_.back() == w) h->stack_.pop_back();
      w->dialog().SetPeer(nullptr);
    }
  } pop{this, &w};
  dlg.InitDialog();
  if (!dlg.Ended()) {
    dlg.Invalidate(true);
    w.show();
    w.raise();
    w.activateWindow();
    // Focus given before the window showed is given again now that it can take it.
    const int focus = dlg.Focus();
    if (focus != 0) w.OnFocusChanged(focus);
    if (onShown_) onShown_(w);
    w.RunLoop();
  }
  w.hide();
  return dlg.Result();
}

int QtHost::RunModal(Dialog& dlg) {
  const int result = ShowModal(dlg);
  // A closed topic leaves freed pages in the heap; give them back so that the program stays
  // small between topics.
  malloc_trim(0);
  return result;
}

int QtHost::MessageBox(Window* owner, std::u16string_view text, std::u16string_view caption,
                       unsigned type) {
  QWidget* parent = WidgetOf(owner);
  if (!parent) parent = TopWidget();
  QMessageBox::Icon icon = QMessageBox::NoIcon;
  if ((type & 0xF0) == kMbIconExclamation)
    icon = QMessageBox::Warning;
  else if ((type & 0xF0) == kMbIconInformation)
    icon = QMessageBox::Information;
  QMessageBox box(icon, ToQString(caption), ToQString(text), QMessageBox::Ok, parent);
  box.setWindowModality(Qt::ApplicationModal);
  box.exec();
  return kIdOk;
}

std::unique_ptr<Dc> QtHost::CreateMeasureDc(Window&) { return std::make_unique<QtDc>(nullptr); }

void QtHost::DialogBaseUnits(std::u16string_view face, int point, int& baseX, int& baseY) {
  BaseUnitsOf(DialogFont(face, point), baseX, baseY);
}

std::optional<std::string> QtHost::AskOpenFileName() {
  const QString f = QFileDialog::getOpenFileName(TopWidget());
  if (f.isEmpty()) return std::nullopt;
  return QFile::encodeName(f).toStdString();
}

std::optional<std::string> QtHost::AskSaveFileName(std::u16string_view suggestedName,
                                                   std::u16string_view filter) {
  const QString f = QFileDialog::getSaveFileName(TopWidget(), QString(), ToQString(suggestedName),
                                                 ToQString(filter));
  if (f.isEmpty()) return std::nullopt;
  return QFile::encodeName(f).toStdString();
}

void QtHost::PrintWindow(Window& w, bool preview) {
  QPrinter printer(QPrinter::HighResolution);
  // The page keeps its size on paper as on a 96-dpi screen.
  auto draw = [&w](QPrinter* pr) {
    QPainter p(pr);
    const double scale = pr->resolution() / 96.0;
    p.scale(scale, scale);
    QtDc dc(&p);
    w.DrawTo(dc);
  };
  if (preview) {
    QPrintPreviewDialog dlg(&printer, TopWidget());
    QObject::connect(&dlg, &QPrintPreviewDialog::paintRequested, &dlg, draw);
    dlg.exec();
    return;
  }
  QPrintDialog dlg(&printer, TopWidget());
  if (dlg.exec() == QDialog::Accepted) draw(&printer);
}

bool QtHost::PrintWorksheet(const Worksheet& sheet, WorksheetOutput what) {
  auto failed = [this](const QString& text) {
    QMessageBox::warning(TopWidget(), ToQString(kAppCaption), text);
    return false;
  };
  if (what == WorksheetOutput::kPdf) {
    const QString file = QFileDialog::getSaveFileName(TopWidget(), QStringLiteral("PDFに保存"),
                                                      ToQString(sheet.options.title) + ".pdf",
                                                      QStringLiteral("PDF (*.pdf)"));
    if (file.isEmpty()) return false;
    std::string why;
    if (!WriteWorksheetPdf(sheet, QFile::encodeName(file).toStdString(), why))
      return failed(
          QStringLiteral("%1 に書き込めません: %2").arg(file, QString::fromStdString(why)));
    return true;
  }
  QPrinter printer(QPrinter::HighResolution);
  printer.setPageSize(QPageSize(QPageSize::A4));
  printer.setPageOrientation(QPageLayout::Portrait);
  printer.setFullPage(true);
  printer.setDocName(ToQString(sheet.options.title));
  if (what == WorksheetOutput::kPreview) {
    QPrintPreviewDialog dlg(&printer, TopWidget());
    QObject::connect(&dlg, &QPrintPreviewDialog::paintRequested, &dlg,
                     [&sheet](QPrinter* pr) { PaintWorksheet(*pr, sheet); });
    dlg.exec();
    return true;
  }
  QPrintDialog dlg(&printer, TopWidget());
  if (dlg.exec() != QDialog::Accepted) return false;
  if (!PaintWorksheet(printer, sheet)) return failed(QStringLiteral("印刷できませんでした。"));
  return true;
}

}  // namespace vl::qt
