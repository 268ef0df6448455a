// A Dc that records a display list and measures with the reference metrics: a font of height h
// draws half-width characters (U+0000-U+00FF, U+FF61-U+FF9F) h/2 wide and all others h wide,
// with no external leading. Every test and every JSON render uses these metrics.
#pragma once
#include "platform/dc.h"

namespace vl {

Size ReferenceTextExtent(const Font& f, std::u16string_view text);
TextMetrics ReferenceMetrics(const Font& f);

class RecordingDc : public Dc {
 public:
  Size MeasureText(const Font& f, std::u16string_view text) override {
    return ReferenceTextExtent(f, text);
  }
  TextMetrics MeasureMetrics(const Font& f) override { return ReferenceMetrics(f); }

  const DisplayList& ops() const { return ops_; }
  DisplayList Take() { return std::move(ops_); }
  void Clear() { ops_.clear(); }

 protected:
  void Emit(const DrawOp& op) override { ops_.push_back(op); }

 private:
  DisplayList ops_;
};

}  // namespace vl
