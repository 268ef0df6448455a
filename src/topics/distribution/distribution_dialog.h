// What the two distribution dialogs share: the mode, the units taken from the dialog's font,
// and the yellow band behind the explanation at the top of the page.
#pragma once
#include <cstdint>

#include "topics/topic_dialog.h"

namespace vl {

class DistributionDialog : public TopicDialog {
 public:
  using TopicDialog::TopicDialog;

  // Which of the class's two topics it shows (set before DoModal).
  int16_t m_nMode = 0;
  int16_t m_nCharW = 0;  // average character width of the dialog's font
  int16_t m_nLineH = 0;  // its line height

 protected:
  // The units from the font, kept for the page and for the notation helpers alike.
  void TakeFontUnits();
  // The yellow band from cw to the client width less cw, down to bottom; text transparent.
  void PaintBand(Dc& dc, int bottom);
  // How far the problem, whose first line is at top, moves down so that it starts below the
  // row of edit boxes (which otherwise covers part of that line); 0 when it is clear already.
  int ProblemShift(int top) const;
};

}  // namespace vl
