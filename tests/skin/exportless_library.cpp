// A library named as the skin engine that lacks its entry point.
#include "skin/engine/skin_engine_api.h"

VQ_SKIN_EXPORT int VQ_SKIN_CALL SkinH_Other(int value) {
  return value;
}
