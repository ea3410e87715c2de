#include "display/ruva.h"

void CRuva::selectStop(int32_t) {}
