// A library that lacks the function the tests ask for.
#include "skin/engine/skin_engine_api.h"

VQ_SKIN_EXPORT int VQ_SKIN_CALL VqBindOtherValue(int add) {
  return add;
}
