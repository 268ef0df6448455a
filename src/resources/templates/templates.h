// The dialog templates of the topics and the drill, one file each (dlg_NNN.cpp).
#pragma once
#include "platform/templates.h"

namespace vl::res {

extern const DialogTemplate kDialog101, kDialog102, kDialog103, kDialog104, kDialog105,
    kDialog106, kDialog107, kDialog108, kDialog109, kDialog110, kDialog111, kDialog112,
    kDialog113, kDialog114, kDialog115, kDialog116, kDialog117, kDialog118, kDialog119;
extern const DialogTemplate kDialog125;  // the worksheet maker

}  // namespace vl::res
