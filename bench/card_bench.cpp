// The cost of a card beacon's card load: opening, reading and parsing a realistic
// 63-stop card and copying it out, against just reading the same file's lines; and the
// whole card beacon through its entry point, which also selects the first stop. Then the
// files that an author could leave far too large: a card file of 1 GiB, and the two
// settings files grown to 100 MB each, which Load and Initialize read.
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <unistd.h>

#include <cstdint>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>

#include "card/csv_reader.h"
#include "card/line_split.h"
#include "card/parser.h"
#include "platform/platform.h"
#include "plugin/attach.h"
#include "plugin/exports.h"
#include "plugin/globals.h"
#include "plugin/settings.h"

namespace {

namespace fs = std::filesystem;

// A full card: header rows, 63 stops with every column, and the two km tables.
std::string realisticCard() {
  std::string text = "0,\x8B\x7D\x8D\x73\x20\x93\x8C\x8B\x9E\x8D\x73\r\n1,2,\x8B\x7D\x8D\x73\r\n";
  text +=
      "3,1234M\r\n4,\x94\xF5\x8D\x6C\r\n8,3\r\n11,\x8F\x49\x93\x5F,1\r\n12,2345M,83000,84500\r\n";
  for (int i = 0; i < 63; ++i) {
    const int time = 80000 + (i / 2) * 100 + (i % 2) * 30;
    text += "7," + std::to_string(20 + i) + ",\x89\x77" + std::to_string(i) + ",";
    text += (i % 7 == 3 ? std::string("\x81\xAB") : std::to_string(time)) + ",";
    text += std::to_string(time + 30) + ",\x82\xA0,100,/30," + std::to_string(i * 1.25) + ",1," +
            std::to_string(1.25) + ",3,4,5,6,\x82\xA2,7,0,2,,A" + std::to_string(i) + "-1,5\r\n";
  }
  for (int i = 0; i < 20; ++i) {
    text += "5," + std::to_string(i) + "," + std::to_string(i * 1.25) + "," +
            std::to_string(i * 1.25 + 0.4) + ",1\r\n";
  }
  for (int i = 0; i < 10; ++i) {
    text += "6," + std::to_string(i) + "," + std::to_string(i * 2.5) + "," +
            std::to_string(i * 2.5 + 1.0) + ",0.6,2\r\n";
  }
  return text;
}

// A vehicle folder with the card list and one card in card folder 0, removed at exit.
class CardFolder {
 public:
  CardFolder() {
    folder_ = fs::temp_directory_path() / ("ruva-bench-" + std::to_string(std::random_device()()));
    fs::create_directories(folder_ / "cards");
    std::ofstream(folder_ / "RUVA_ICCard.ini", std::ios::binary) << "[ICCard]\r\n0=cards\r\n";
    std::ofstream(folder_ / "cards" / "1234M.csv", std::ios::binary) << realisticCard();
  }
  ~CardFolder() {
    std::error_code ignored;
    fs::remove_all(folder_, ignored);
  }
  std::string modulePath() const { return (folder_ / "ruva.so").string(); }
  std::string cardPath() const { return (folder_ / "cards" / "1234M.csv").string(); }
  std::string path(const std::string& name) const { return (folder_ / name).string(); }
  void write(const std::string& name, const std::string& bytes) const {
    std::ofstream(folder_ / name, std::ios::binary) << bytes;
  }

 private:
  fs::path folder_;
};

const CardFolder& cardFolder() {
  static const CardFolder folder;
  return folder;
}

// Code 123408: card folder 0, number 1234, suffix M.
constexpr int32_t kCardCode = 123408;

void BM_LoadCard(benchmark::State& state) {
  CCsvread reader;
  std::strcpy(reader.modulePath, cardFolder().modulePath().c_str());
  reader.readCardList();
  for (auto _ : state) {
    CardRecord card = reader.loadCard(kCardCode);
    benchmark::DoNotOptimize(card);
  }
  if (reader.cachedCard.stopCount != 63) state.SkipWithError("the card did not load");
}
BENCHMARK(BM_LoadCard);

void BM_CardBeacon(benchmark::State& state) {
  // Other benchmarks of this program load the module's card list from elsewhere.
  resetModuleState();
  attachModule(cardFolder().modulePath().c_str());
  Load();
  Initialize(0);
  BeaconRecord beacon{};
  beacon.type = 1000;
  beacon.data = kCardCode;
  for (auto _ : state) {
    SetBeaconData(beacon);
    benchmark::DoNotOptimize(ruva.curStopIndex);
  }
  if (!ruva.cardMode || ruva.card.stopCount != 63) state.SkipWithError("the card did not load");
}
BENCHMARK(BM_CardBeacon);

void BM_ReadCardLines(benchmark::State& state) {
  const std::string path = cardFolder().cardPath();
  std::string bytes;
  for (auto _ : state) {
    platform::readFile(path, bytes);
    std::string_view rest = bytes;
    std::string_view line;
    std::size_t lines = 0;
    while (takeLine(rest, line)) ++lines;
    benchmark::DoNotOptimize(lines);
  }
}
BENCHMARK(BM_ReadCardLines);

// The floor of any load: open the file, one read() of it into a buffer of its size, close.
void BM_ReadCardFile(benchmark::State& state) {
  const std::string path = cardFolder().cardPath();
  std::string buffer(std::filesystem::file_size(path) + 1, '\0');
  for (auto _ : state) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    const ssize_t got = ::read(fd, buffer.data(), buffer.size());
    ::close(fd);
    benchmark::DoNotOptimize(got);
  }
}
BENCHMARK(BM_ReadCardFile);

// The card load's own reading of the same file: one open that tests and reads it.
void BM_ReadCardBytes(benchmark::State& state) {
  const std::string path = cardFolder().cardPath();
  std::string bytes;
  for (auto _ : state) {
    CCsvread::readCardBytes(path, bytes);
    benchmark::DoNotOptimize(bytes.data());
  }
}
BENCHMARK(BM_ReadCardBytes);

// The realistic card followed by copies of itself up to `size` bytes (its rows past the
// tables' ends are read and dropped), as a card file in a folder of its own.
std::string cardOfSize(std::size_t size) {
  const std::string card = realisticCard();
  std::string text = card;
  while (text.size() + card.size() <= size) text += card;
  return text;
}

// A card load of a file of range(0) bytes, and the parse of the same text from memory.
void BM_LoadCardOfSize(benchmark::State& state) {
  CardFolder folder;
  folder.write("cards/1234M.csv", cardOfSize(static_cast<std::size_t>(state.range(0))));
  CCsvread reader;
  std::strcpy(reader.modulePath, folder.modulePath().c_str());
  reader.readCardList();
  for (auto _ : state) {
    CardRecord card = reader.loadCard(kCardCode);
    benchmark::DoNotOptimize(card);
  }
  if (reader.cachedCard.stopCount != 63) state.SkipWithError("the card did not load");
}
BENCHMARK(BM_LoadCardOfSize)->Arg(8 << 10)->Arg(64 << 10)->Arg(256 << 10)->Arg(1000 << 10);

void BM_ParseCardOfSize(benchmark::State& state) {
  const std::string text = cardOfSize(static_cast<std::size_t>(state.range(0)));
  for (auto _ : state) {
    CardRecord card = parseCardText(text);
    benchmark::DoNotOptimize(card);
  }
}
BENCHMARK(BM_ParseCardOfSize)->Arg(8 << 10)->Arg(64 << 10)->Arg(256 << 10)->Arg(1000 << 10);

void BM_ParseCardText(benchmark::State& state) {
  const std::string text = realisticCard();
  for (auto _ : state) {
    CardRecord card = parseCardText(text);
    benchmark::DoNotOptimize(card);
  }
}
BENCHMARK(BM_ParseCardText);

void BM_LoadOversizedCard(benchmark::State& state) {
  // 1 GiB named like the card, without a byte on disk; it counts as no card at all.
  CardFolder folder;
  std::filesystem::resize_file(folder.cardPath(), uint64_t{1} << 30);
  CCsvread reader;
  std::strcpy(reader.modulePath, folder.modulePath().c_str());
  reader.readCardList();
  for (auto _ : state) {
    CardRecord card = reader.loadCard(kCardCode);
    benchmark::DoNotOptimize(card);
  }
  if (reader.cachedCard.stopCount != 0) state.SkipWithError("the oversized card loaded");
}
BENCHMARK(BM_LoadOversizedCard)->Unit(benchmark::kMicrosecond);

// A settings file of 100 MB: `header`, filler keys that nothing reads, then `keys`.
std::string largeSettings(const std::string& header, const std::string& keys) {
  std::string text = header;
  for (int n = 0; text.size() < (std::size_t{100} << 20); ++n) {
    text += "filler" + std::to_string(n) + "=a value that nothing reads\r\n";
  }
  return text + keys;
}

const CardFolder& largeSettingsFolder() {
  static const CardFolder folder;
  [[maybe_unused]] static const bool written = [] {
    folder.write("RUVA_ICCard.ini", largeSettings("[ICCard]\r\n", "0=cards\r\n"));
    folder.write("RUVA_Spec.ini", largeSettings("[Disp]\r\n", "D01ABnum=3\r\n"));
    return true;
  }();
  return folder;
}

void BM_ReadCardListOf100MB(benchmark::State& state) {
  const std::string module = largeSettingsFolder().modulePath();
  bool found = false;
  for (auto _ : state) {
    CCsvread reader;
    std::strcpy(reader.modulePath, module.c_str());
    found = reader.readCardList();
  }
  if (!found) state.SkipWithError("the card folder was not found");
}
BENCHMARK(BM_ReadCardListOf100MB)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_ReadDisplaySettingsOf100MB(benchmark::State& state) {
  const std::string file = largeSettingsFolder().path("RUVA_Spec.ini");
  DisplaySettings settings;
  for (auto _ : state) {
    settings = readDisplaySettings(file.c_str());
    benchmark::DoNotOptimize(settings);
  }
  if (settings.D01ABnum != 3) state.SkipWithError("the settings were not read");
}
BENCHMARK(BM_ReadDisplaySettingsOf100MB)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace
