// Visits every dialog the program registers, types each entry of a corpus of bad input into
// each edit box, and presses every button in turn. Nothing may crash, the state must stay
// well-formed, and a press that repaints nothing must change nothing else either.
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "app/velorin_app.h"
#include "platform/application.h"
#include "platform/script/json.h"
#include "platform/script/script_host.h"
#include "platform/text.h"
#include "platform/window.h"
#include "support/comparable.h"

namespace vl {
namespace {

std::vector<std::u16string> BadInputs() {
  return {u"",    u"-",      u"+",      u"１２",  u" 3",       u"3 ",
          u"1.2.3", u"1e5",  u"0x10",   u"-32769", u"99999",   u"４０",
          u"\U0001F600", std::u16string(1, u'\0'), std::u16string(100000, u'7')};
}

using testing::Comparable;

// Produces the script for one dialog, one edit box and one input, checking as it goes.
class Sweep {
 public:
  Sweep(ScriptHost& host, Dialog& root, int edit, std::u16string input, std::string label)
      : host_(host), root_(root), edit_(edit), input_(std::move(input)), label_(std::move(label)) {}

  std::optional<std::string> Next() {
    if (host_.TopDialog() && host_.TopDialog() != &root_) {
      nested_ = true;
      return std::string("close");
    }
    if (!typed_) {
      typed_ = true;
      for (auto& c : root_.Controls())
        if ((c.kind == ControlKind::kButton || c.kind == ControlKind::kRadio) && c.id != 1 &&
            c.id != 2 && c.id != -1 && !(c.style & kStyleDisabled))
          buttons_.push_back(c.id);
      return "type " + std::to_string(edit_) + " " + Json(input_).Dump();
    }
    if (pressed_ != 0) Check();
    // A button that the dialog keeps hidden now cannot be pressed.
    while (next_ < buttons_.size() && !root_.IsItemShown(buttons_[next_])) ++next_;
    if (next_ >= buttons_.size()) {
      std::string why;
      EXPECT_TRUE(Json::Parse(host_.State().Dump(), &why)) << label_ << ": " << why;
      return std::nullopt;
    }
    before_ = Comparable(host_.WindowState(root_));
    paints_ = root_.PaintCount();
    nested_ = false;
    pressed_ = buttons_[next_++];
    return "press " + std::to_string(pressed_);
  }

 private:
  void Check() {
    if (!nested_ && root_.PaintCount() == paints_ && !root_.Ended()) {
      Json after = Comparable(host_.WindowState(root_));
      EXPECT_EQ(after.Dump(), before_.Dump())
          << label_ << ": pressing " << pressed_ << " after typing into " << edit_
          << " changed the window without repainting it";
    }
    pressed_ = 0;
  }

  ScriptHost& host_;
  Dialog& root_;
  int edit_;
  std::u16string input_;
  std::string label_;
  bool typed_ = false;
  bool nested_ = false;
  std::vector<int> buttons_;
  size_t next_ = 0;
  int pressed_ = 0;
  int paints_ = 0;
  Json before_;
};

TEST(Sweep, EveryDialogSurvivesBadInputInEveryEditBox) {
  RegisterAllDialogs();
  ASSERT_FALSE(AllDialogFactories().empty());
  int runs = 0;
  for (const auto& factory : AllDialogFactories()) {
    // Which edit boxes does this dialog have once it is built?
    std::vector<int> edits;
    {
      ScriptHost probe;
      Host::SetCurrent(&probe);
      auto dlg = factory.make();
      std::string err;
      probe.RunDialog(*dlg, [&]() -> std::optional<std::string> {
        for (auto& c : dlg->Controls())
          if (c.kind == ControlKind::kEdit && c.id != -1 && !(c.style & kStyleHidden))
            edits.push_back(c.id);
        return std::nullopt;
      }, err);
      EXPECT_EQ(err, "") << factory.variant;
    }
    for (int edit : edits) {
      for (const auto& input : BadInputs()) {
        ScriptHost host;
        Host::SetCurrent(&host);
        auto dlg = factory.make();
        std::string label = "template " + std::to_string(factory.templateId) + " (" +
                            factory.variant + ")";
        Sweep sweep(host, *dlg, edit, input, label);
        std::string err;
        host.RunDialog(*dlg, [&] { return sweep.Next(); }, err);
        EXPECT_EQ(err, "") << label;
        ++runs;
      }
    }
  }
  Host::SetCurrent(nullptr);
  RecordProperty("runs", runs);
}

}  // namespace
}  // namespace vl
