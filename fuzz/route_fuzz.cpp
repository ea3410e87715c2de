// Arbitrary bytes as train numbers and as a stop table, through the decoding, the stop
// selection and the reveal. Checks that the codes stay in their ranges; the sanitizers
// check that no list or card table is read out of bounds.
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <string_view>

#include "display/ruva.h"
#include "fuzz/byte_stream.h"
#include "route/train_number.h"

namespace {

void checkCode(const TrainNumberCode& code) {
  const bool prefixOk = (code.prefix >= 1 && code.prefix <= 42) || code.prefix == 50;
  const bool suffixOk = (code.suffix >= 0 && code.suffix <= 24) || code.suffix == 40;
  if (!prefixOk || !suffixOk) std::abort();
  for (int32_t digit : code.digits) {
    if (digit < 0 || digit > 79) std::abort();
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  checkCode(decodeTrainNumber(text));
  for (std::size_t cut = 1; cut <= 6 && cut <= size; ++cut) {
    checkCode(decodeTrainNumber(text.substr(size - cut)));
  }

  ByteStream in(data, size);
  auto r = std::make_unique<CRuva>();
  r->resetForTrain();
  r->D01ABnum = in.byte() % 2 == 0 ? 3 : 5;
  CardRecord& card = r->card;
  card.stopCount = static_cast<uint8_t>(in.byte() % CardRecord::kStopSlots);
  card.trainNumber.assign(text.substr(0, size < 8 ? size : 8));
  card.secondTrainNumber.assign(text.substr(size < 8 ? 0 : size - 8));
  card.secondTime1 = in.word();
  card.headerText.assign(text.substr(0, size < 12 ? size : 12));
  for (int i = 0; i < card.stopCount; ++i) {
    const uint8_t bits = in.byte();
    card.stopFlag9[i] = (bits & 1) != 0;
    card.stopKmCountDown[i] = (bits & 2) != 0;
    card.stopTime1[i] = (bits & 4) != 0 ? 260000 + in.byte() : in.word();
    card.stopTime2[i] = (bits & 8) != 0 ? 246060 : in.word();
    card.stopAttr[i] = in.word();
    card.stopGapSec[i] = in.word();
    card.stopDistanceKm[i] = static_cast<double>(in.byte()) / 8.0;
    card.stopText5[i].assign(1, static_cast<char>(in.byte()));
  }
  for (int step = 0; step < 8; ++step) {
    r->selectStop(static_cast<int8_t>(in.byte()));
    r->beaconMode = (step & 1) != 0;
    r->animTimer = in.word();
    r->composeDisplayLists();
  }
  return 0;
}
