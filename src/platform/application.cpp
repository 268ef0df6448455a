#include "platform/application.h"

#include "platform/window.h"

namespace vl {

namespace {
std::vector<DialogFactory>& Factories() {
  static std::vector<DialogFactory> f;
  return f;
}
}  // namespace

void RegisterDialogFactory(DialogFactory f) {
  for (auto& e : Factories()) {
    if (e.templateId == f.templateId && e.variant == f.variant) {
      e = std::move(f);
      return;
    }
  }
  Factories().push_back(std::move(f));
}

const std::vector<DialogFactory>& AllDialogFactories() { return Factories(); }

}  // namespace vl
