#include "display/ruva.h"

void CRuva::advanceKmPost() {}
