// The card parser: the bytes of one card file in, a CardRecord out.
//
// It works on text, not on files, so tests, fuzzers and the card checker call it
// without touching the disk; CCsvread::parseCardFile is the thin wrapper that reads the
// file. Bad numbers never stop a parse: each falls back to a fixed value.
#ifndef RUVA_CARD_PARSER_H_
#define RUVA_CARD_PARSER_H_

#include <string_view>

#include "card/card_diagnostics.h"
#include "card/card_record.h"

// The record every parse starts from: the CardRecord defaults, with 64 "NULL" stop
// codes and 64 zero stop-code numbers.
CardRecord preparedCardRecord();

// Parses the whole text of a card file. `diagnostics`, when not null, hears of every
// row or column that was ignored or replaced by a fallback value; what is parsed is
// the same with or without it.
CardRecord parseCardText(std::string_view bytes, CardDiagnostics* diagnostics = nullptr);

#endif  // RUVA_CARD_PARSER_H_
