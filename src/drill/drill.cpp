#include "drill/drill.h"

namespace vl {

CDrill::CDrill(Window* parent, int16_t topic, int16_t subMode)
    : Dialog(110, parent), m_nTopic(topic), m_nSubMode(subMode) {}

}  // namespace vl
