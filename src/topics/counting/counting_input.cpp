#include "topics/counting/counting_input.h"

namespace vl {

std::optional<int16_t> ReadDice(Dialog& dlg, int edit) {
  Text<6> text;
  dlg.GetDlgItemText(edit, text);
  auto n = CheckDice(text);
  if (!n) dlg.GotoDlgCtrl(edit);
  return n;
}

TwoCounts ReadTwoCounts(Dialog& dlg, int editA, int editB, TwoCountCheck check) {
  Text<6> a, b;
  dlg.GetDlgItemText(editA, a);
  dlg.GetDlgItemText(editB, b);
  TwoCounts in = check(a, b, editA, editB);
  if (!in.Accepted()) dlg.GotoDlgCtrl(in.refusedEdit);
  return in;
}

}  // namespace vl
