// The fonts the notation helpers create for raised, lowered and integral text.
#pragma once
#include "platform/gdi.h"

namespace vl {

// Bold serif for exponents and subscripts.
Font SmallSerifFont(int height);
// Light Mincho for the integral sign and its limits.
Font MinchoFont(int height);

}  // namespace vl
