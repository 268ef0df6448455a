#include "notation/notation.h"

namespace vl {

int DrawFormula(const PageMembers&, Dc&, int, int, std::u16string_view, Size* sizeOut, int) {
  if (sizeOut) *sizeOut = {};
  return 0;
}

}  // namespace vl
