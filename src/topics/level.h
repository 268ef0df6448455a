// The difficulty level: 0 = junior high ("中学程度"), 1 = high school ("高校程度").
// Written only by the main window's two level commands; read by the topics that depend on it.
#pragma once
#include <cstdint>

namespace vl {

extern int16_t g_nLevel;

}  // namespace vl
