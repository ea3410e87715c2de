// Cost of the route work done in a frame: one stop selection on a full card, one
// composition of the displayed lists, and the decoding of train numbers that every stop
// selection does twice.
#include <benchmark/benchmark.h>

#include <memory>

#include "display/ruva.h"
#include "route/train_number.h"
#include "tests/display/test_card.h"

namespace {

std::unique_ptr<CRuva> loadedDisplay() {
  auto r = std::make_unique<CRuva>();
  r->resetForTrain();
  r->D01ABnum = 5;
  r->card = plainCard(63);
  r->card.trainNumber =
      "\x89\xF1"
      "1234M";
  r->card.secondTrainNumber =
      "\x92\xCA"
      "5678A";
  r->cardMode = true;
  return r;
}

// The first stop of a 63-stop card: the longest scans.
void BM_SelectStopFirstOf63(benchmark::State& state) {
  auto r = loadedDisplay();
  for (auto _ : state) {
    r->selectStop(0);
    benchmark::DoNotOptimize(r->stopRemain);
  }
}
BENCHMARK(BM_SelectStopFirstOf63);

// Every stop of a 63-stop card in turn, as a run goes.
void BM_SelectStopAlong63(benchmark::State& state) {
  auto r = loadedDisplay();
  int32_t k = 0;
  for (auto _ : state) {
    r->selectStop(k);
    k = k == 62 ? 0 : k + 1;
    benchmark::DoNotOptimize(r->stopRemain);
  }
}
BENCHMARK(BM_SelectStopAlong63);

void BM_ComposeDisplayLists(benchmark::State& state) {
  auto r = loadedDisplay();
  r->selectStop(0);
  r->animTimer = 700;
  for (auto _ : state) {
    r->composeDisplayLists();
    benchmark::DoNotOptimize(r->dispList7Attr);
  }
}
BENCHMARK(BM_ComposeDisplayLists);

// Train numbers as cards write them: with a two-character prefix and the marker, plain,
// and the card default.
void BM_DecodeTrainNumber(benchmark::State& state) {
  constexpr std::string_view kTexts[] = {
      "\x92\xCA\x8E\x8E\x92\x50"
      "9501M",
      "1234M", "NULL"};
  std::size_t i = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(decodeTrainNumber(kTexts[i]));
    i = i == 2 ? 0 : i + 1;
  }
}
BENCHMARK(BM_DecodeTrainNumber);

}  // namespace
