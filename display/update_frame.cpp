#include "display/ruva.h"

void CRuva::updateFrame() {}
