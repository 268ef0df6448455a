// What a host needs of the application it runs: start-up, commands, the main view and the
// frame's visible state (caption, menu and its check marks, accelerators).
#pragma once
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/templates.h"

namespace vl {

class Dialog;
class Window;

class Application {
 public:
  virtual ~Application() = default;
  // Start-up; false ends the program.
  virtual bool InitInstance() = 0;
  // A menu or accelerator command; false when nothing handles it.
  virtual bool OnCommand(int id) = 0;
  virtual Window* MainView() = 0;
  virtual std::u16string Caption() const = 0;
  virtual std::vector<int> CheckedCommands() const = 0;
  virtual int Level() const = 0;
  virtual bool Exited() const = 0;
  virtual const MenuTemplate& Menu() const = 0;
  virtual const AccelTableTemplate& Accelerators() const = 0;
};

// Every dialog the program can open, by template, so that a test can visit each one without
// knowing the classes. variant names the mode or the arguments it was built with.
struct DialogFactory {
  int templateId;
  std::string variant;
  std::function<std::unique_ptr<Dialog>()> make;
};
void RegisterDialogFactory(DialogFactory f);
const std::vector<DialogFactory>& AllDialogFactories();

}  // namespace vl
