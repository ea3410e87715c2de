#include "display/ruva.h"

void CRuva::storeBeaconSlot(int32_t, int32_t) {}
