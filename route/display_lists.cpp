#include "display/ruva.h"

void CRuva::composeDisplayLists() {}
