// The document: it holds no data; New and Open only give it a title.
#pragma once
#include <string>

namespace vl {

class CVelorinDoc {
 public:
  const std::u16string& Title() const { return title_; }
  void SetTitle(std::u16string t) { title_ = std::move(t); }

 private:
  std::u16string title_ = u"無題";
};

}  // namespace vl
