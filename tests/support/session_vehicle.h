// A vehicle folder for long sessions driven in this process (the session fuzzer and
// the soak): card folders with runs of every kind an author may ship (good, long,
// flagged, empty, junk, header only, a folder in a card's place), a card list that
// also names a missing and an absolute folder, and display settings that can be
// rewritten before any start of a run. Header only, so that programs without the test
// framework can use it.
#ifndef RUVA_TESTS_SUPPORT_SESSION_VEHICLE_H_
#define RUVA_TESTS_SUPPORT_SESSION_VEHICLE_H_

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <string_view>

#include "plugin/attach.h"
#include "plugin/exports.h"
#include "plugin/globals.h"

// The text of a card of `stops` stops (at most 63), each section `sectionKm` long.
// Every fifth stop is flagged, every seventh has a 26-hour mark for its first time and
// no second time, the km post turns to count down halfway, and the event and range
// tables hold entries of every type.
inline std::string sessionCardCsv(int stops, double sectionKm) {
  std::string text =
      "0,Session run\n1,3,M12\n3,\x89\xF1"
      "1234M\n8,1\n11,info,3\n";
  text +=
      "12,\x92\xCA\x89\xF1"
      "5678A,83000,84500\n";
  for (int i = 0; i < stops && i < 32; ++i) {
    const double start = sectionKm * (0.25 + 0.25 * (i % 3));
    text += "5," + std::to_string(i) + "," + std::to_string(start) + "," +
            std::to_string(start + 0.3) + "," + std::to_string(i % 4) + "\n";
  }
  for (int i = 0; i < stops && i < 16; ++i) {
    text += "6," + std::to_string(i) + "," + std::to_string(10.0 + sectionKm * i) + "," +
            std::to_string(10.2 + sectionKm * i) + ",0.6," + std::to_string(i) + "\n";
  }
  for (int i = 0; i < stops; ++i) {
    const bool mark = i % 7 == 6;
    const std::string time1 = mark ? "\x81\xAB" : std::to_string(80000 + 200 * i);
    const std::string time2 = mark ? "pass" : std::to_string(80030 + 200 * i);
    const double km = i < stops / 2 ? 10.0 + sectionKm * i : 10.0 + sectionKm * (stops - i);
    text += "7,45,Stop" + std::to_string(i) + "," + time1 + "," + time2 + "," +
            std::to_string(10 + i) + ",/30,150," + std::to_string(km) + "," +
            (i % 5 == 4 ? "1" : "0") + "," + std::to_string(sectionKm) + "," +
            std::to_string(1 + i % 2) + ",0,0," + std::to_string(i) + ",x,0," +
            (i < stops / 2 ? "1" : "0") + "," + std::to_string(i % 4) + ",,C" + std::to_string(i) +
            ",5\n";
  }
  return text;
}

class SessionVehicle {
 public:
  // Cards of card folder 0 by train number; card code = number × 100 (suffix "A").
  static constexpr int32_t kRun = 1001;         // 12 stops of 1.5 km
  static constexpr int32_t kLongRun = 1002;     // 63 stops of 0.4 km
  static constexpr int32_t kEmpty = 1003;       // no bytes
  static constexpr int32_t kJunk = 1004;        // random bytes
  static constexpr int32_t kHeaderOnly = 1005;  // no stops
  static constexpr int32_t kOneStop = 1006;
  static constexpr int32_t kFolder = 1007;   // a folder of the card's name
  static constexpr int32_t kMissing = 1008;  // no file at all
  static constexpr int32_t kWritten = 9999;  // written by writeCard
  // Card code of a run in card folder 1, an absolute path in the card list.
  static constexpr int32_t kAbsoluteRunCode = 100100100;

  SessionVehicle() {
    std::random_device seed;
    folder_ = std::filesystem::temp_directory_path() /
              ("ruva-session-" + std::to_string(seed()) + "-" + std::to_string(seed()));
    std::filesystem::create_directories(folder_ / "cards");
    std::filesystem::create_directories(folder_ / "elsewhere");
    write("RUVA_ICCard.ini",
          "[ICCard]\n0=cards\n1=" + (folder_ / "elsewhere").string() + "\n2=missing\n31=cards\n");
    write(card(kRun), sessionCardCsv(12, 1.5));
    write(card(kLongRun), sessionCardCsv(63, 0.4));
    write(card(kEmpty), "");
    std::mt19937 junk(7);
    std::string bytes(4096, '\0');
    for (char& c : bytes) c = static_cast<char>(junk() & 0xFF);
    write(card(kJunk), bytes);
    write(card(kHeaderOnly), "0,Nothing\n3,1234M\n8,1\n");
    write(card(kOneStop), "3,1234M\n7,0,Only,83000,246060,1,0,0,5.0,0,0.8,2\n");
    std::filesystem::create_directories(folder_ / card(kFolder));
    write("elsewhere/1001001A.csv", sessionCardCsv(8, 2.0));
    writeSettings(0);
  }
  ~SessionVehicle() {
    std::error_code ignored;
    std::filesystem::remove_all(folder_, ignored);
  }
  SessionVehicle(const SessionVehicle&) = delete;
  SessionVehicle& operator=(const SessionVehicle&) = delete;

  // The module's file name in the folder, as the loader would report it.
  std::string moduleFile() const { return (folder_ / "ruva.so").string(); }

  static int32_t codeOf(int32_t number) { return number * 100; }

  // Rewrites the display settings as variant `v`: its bits choose the legacy layout,
  // the five-row family, the unit lamps, three rows, a next-stop type, and (bit 5) no
  // settings file at all.
  void writeSettings(uint32_t v) const {
    if ((v & 32u) != 0) {
      std::error_code ignored;
      std::filesystem::remove(folder_ / "RUVA_Spec.ini", ignored);
      return;
    }
    write("RUVA_Spec.ini", "[Disp]\nuseLegacyDisp=" + bit(v, 1) + "\nDispType=" + bit(v, 2) +
                               "\nUnitDispEnable=" + bit(v, 4) +
                               "\nD01ABnum=" + ((v & 8u) != 0 ? "3" : "5") +
                               "\nNextStopType=" + ((v & 16u) != 0 ? "7" : "0") + "\n");
  }

  // Writes card kWritten with `bytes`.
  void writeCard(std::string_view bytes) const { write(card(kWritten), bytes); }

 private:
  static std::string card(int32_t number) { return "cards/" + std::to_string(number) + "A.csv"; }
  static std::string bit(uint32_t v, uint32_t mask) { return (v & mask) != 0 ? "1" : "0"; }

  void write(const std::string& relative, std::string_view bytes) const {
    std::ofstream(folder_ / relative, std::ios::binary | std::ios::trunc)
        .write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  }

  std::filesystem::path folder_;
};

// Gives the module in this process the state of a copy just loaded from `moduleFile`:
// both static objects built anew, every global at its load-time value, then attached.
inline void restartModuleInProcess(const std::string& moduleFile) {
  resetModuleState();
  attachModule(moduleFile.c_str());
}

// Hands the module a beacon through its entry point.
inline void sendBeacon(int32_t type, int32_t data) {
  BeaconRecord record{};
  record.type = type;
  record.data = data;
  SetBeaconData(record);
}

// Host time `step` ms after `time`, wrapping at the ends of the int32 range as the host's
// clock would.
inline int32_t advanceHostTime(int32_t time, int32_t step) {
  return static_cast<int32_t>(static_cast<uint32_t>(time) + static_cast<uint32_t>(step));
}

#endif  // RUVA_TESTS_SUPPORT_SESSION_VEHICLE_H_
