// The base of every topic dialog: the page members, the two ways of taking layout units, and
// the drill button's work.
#pragma once
#include <cstdint>
#include <string>

#include "notation/page_members.h"
#include "platform/window.h"

namespace vl {

class TopicDialog : public Dialog, public PageMembers {
 public:
  explicit TopicDialog(int templateId, Window* parent = nullptr) : Dialog(templateId, parent) {}

  // What is wrong with the stored values, or empty when they hold the topic's invariants
  // (checked by the long-running tests after every action).
  virtual std::string InvariantViolation() const { return {}; }

 protected:
  // Units from the window's font: average character width; text height plus external leading.
  void UnitsFromFont();
  // Units from the client rectangle: width / divX and height / divY + addY.
  void UnitsFromClient(int divX, int divY, int addY = 0);
  // Runs the drill modally over this dialog with the drill code and sub-mode.
  void RunDrill(int16_t code, int16_t subMode = 0);
  // Moves the focus back to a refused edit box (the next-control message).
  void Refuse(int editId) { GotoDlgCtrl(editId); }
};

}  // namespace vl
