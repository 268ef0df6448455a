// The client area of the main window: the number-class diagram, or the 15-puzzle once the
// puzzle command has been chosen.
#pragma once
#include "notation/page_members.h"
#include "platform/window.h"

namespace vl {

class CVelorinView : public Window, public PageMembers {
 public:
  CVelorinView();
  virtual void OnDraw(Dc& dc);

  // Deals a fresh puzzle (counter at 0) and shows the puzzle face.
  void StartPuzzle();

  std::u16string Reading() const override;

 protected:
  void DoPaint(Dc& dc) override { OnDraw(dc); }
  void OnLButtonDown(Point p) override;

 private:
  void DrawDiagram(Dc& dc);
  void DrawPuzzle(Dc& dc);
};

}  // namespace vl
