// The program's resource data: dialog templates, menu 128 and accelerator table 128.
#pragma once
#include "platform/templates.h"

namespace vl::res {

const MenuTemplate& MainMenu();
const AccelTableTemplate& MainAccelerators();
const DialogTemplate& AboutTemplate();

// Registers every dialog template with the platform.
void RegisterTemplates();

}  // namespace vl::res
