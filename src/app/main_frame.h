// The main window: menu check marks, and the puzzle, glossary and level commands.
#pragma once
#include <set>

namespace vl {

class CVelorinApp;

class CMainFrame {
 public:
  explicit CMainFrame(CVelorinApp& app);

  // Handles the frame's own commands; false for anything else.
  bool OnCommand(int id);
  void OnPuzzle();
  void OnGlossary();
  void OnLevelJunior();
  void OnLevelSenior();

  bool IsChecked(int id) const { return checked_.count(id) > 0; }
  const std::set<int>& Checked() const { return checked_; }
  void CheckMenuItem(int id, bool check);

 private:
  CVelorinApp& app_;
  std::set<int> checked_;
};

}  // namespace vl
