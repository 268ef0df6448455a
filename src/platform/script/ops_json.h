// The display list in the JSON form the state file uses, both ways.
#pragma once
#include <optional>

#include "platform/display_list.h"
#include "platform/script/json.h"

namespace vl {

Json OpToJson(const DrawOp& op);
std::optional<DrawOp> OpFromJson(const Json& j);
Json DisplayListToJson(const DisplayList& ops);

Json FontToJson(const Font& f);
Json PenToJson(const Pen& p);
Json BrushToJson(const Brush& b);

}  // namespace vl
