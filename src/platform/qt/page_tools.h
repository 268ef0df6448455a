// What a teacher does with a page: save it as a picture, print it, and read it aloud through
// assistive technology. The page is the window as drawn, without its controls.
#pragma once
#include <QImage>
#include <QString>

#include "platform/window.h"

class QMenu;
class QPainter;
class QWidget;

namespace vl::qt {

// The page drawn afresh at this scale, on the given background.
QImage PageImage(Window& w, QColor background, qreal scale = 1);
// The page as SVG text (the page's drawing only, no controls).
std::string PageSvg(Window& w, QColor background);
// Saves the page as PNG or SVG, chosen by the file name's ending. Returns an error text, empty
// on success.
QString SavePage(Window& w, QColor background, const QString& file);
// Draws the page onto a printer's painter: the window title as a heading, the page below it
// scaled (never enlarged) to the rest of the printable area.
void PrintPage(QPainter& p, const QRect& printable, Dialog& w);
// The page as it is read aloud (its reading); a page without one gives the texts it draws, in
// reading order (top to bottom, then left to right), one per line.
QString PageDescription(Window& w);
// Speaks the page's description for widget, if a voice is available.
void ReadPageAloud(QWidget* widget, Window& w);

// The page menu of a window widget: save as picture, print, print preview, read aloud.
void ShowPageMenu(QWidget* widget, Dialog& w, QColor background, const QPoint& globalPos);
// Builds the same menu without running it (for tests and for the menu above).
QMenu* MakePageMenu(QWidget* widget, Dialog& w, QColor background);

// Texts of the menu entries.
inline const char16_t kSaveImageText[] = u"画像として保存…";
inline const char16_t kPrintText[] = u"印刷…";
inline const char16_t kPreviewText[] = u"印刷プレビュー…";
inline const char16_t kReadAloudText[] = u"読み上げ";
// The key that reads the page aloud, in the page menu and in every dialog.
inline constexpr char kReadAloudKey[] = "Ctrl+Shift+R";

}  // namespace vl::qt
