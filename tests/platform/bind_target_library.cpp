// A library to bind by name in the tests.
#include "skin/engine/skin_engine_api.h"

VQ_SKIN_EXPORT int VQ_SKIN_CALL VqBindTargetValue(int add) {
  return 4200 + add;
}
