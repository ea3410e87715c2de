// The soak: a long, random but plausible drive through the module's entry points, with
// the session checks after every frame and a count of the heap allocations made inside
// the frames (there must be none).
//
// The driver runs card runs from stop to stop (braking for the stop the display counts
// down to, standing with the doors open, leaving again), beacon-mode sections, stray
// beacons with edge values, card beacons for good, empty, junk and missing cards,
// restarts with other display settings, handle moves and host-time jumps both ways.
//
// Usage: session_soak [frames] [seed] [seconds] [digests]
// Stops after `frames` frames (default 1,000,000) or, when that takes longer, once
// `seconds` (default 600) have passed; exits with 1 at the first broken check.
//
// Every frame's panel and sound arrays are folded into a running digest, which is
// printed after every kDigestInterval frames. With `digests`, a file of such lines
// written by an earlier build of the module (tests/soak/reference_digests.txt), the
// soak also fails at the first digest that differs: the two builds then wrote
// something different in one of the frames before it.
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <limits>
#include <map>
#include <random>
#include <string>
#include <vector>

#include "plugin/exports.h"
#include "tests/support/allocation_counter.h"
#include "tests/support/session_checks.h"
#include "tests/support/session_vehicle.h"

namespace {

constexpr uint64_t kDigestInterval = 100000;

constexpr int32_t kCodedBeacons[] = {8,   100, 102, 105, 106, 107, 108, 109, 110, 111,
                                     113, 114, 120, 123, 125, 130, 133, 135, 140, 142,
                                     145, 150, 152, 155, 160, 162, 165, 170, 172, 175};

struct Tally {
  uint64_t frames = 0;
  uint64_t cardFrames = 0;
  uint64_t beaconFrames = 0;
  uint64_t stopChanges = 0;
  uint64_t cardBeacons = 0;
  uint64_t restarts = 0;
  uint64_t timeJumps = 0;
  uint64_t frameAllocations = 0;
};

class Soak {
 public:
  Soak(const SessionVehicle& vehicle, uint32_t seed) : vehicle_(vehicle), random_(seed) {}

  void start() {
    restartModuleInProcess(vehicle_.moduleFile());
    vehicle_.writeSettings(pick(64));
    Load();
    SetVehicleSpec(VehicleSpecRecord{{5, 4, 3, 2, 1}});
    Initialize(0);
    startLeg();
  }

  // One frame with whatever happens before it; false, after reporting, when a check
  // fails.
  bool step() {
    between();
    advanceSpeed();
    VehicleStateRecord state{};
    time_ = advanceHostTime(time_, frameStep());
    state.time = time_;
    state.speed = speed_;
    state.traction = traction_;
    const int32_t panel82 = chance(3000) ? 1 : 0;
    ++tally_.frames;
    const int32_t stopBefore = ruva.curStopIndex;
    const uint64_t allocationsBefore = allocationCount();
    std::string problem = runCheckedFrame(tally_.frames, state, panel82, 0, arrays_);
    tally_.frameAllocations += allocationCount() - allocationsBefore;
    if (ruva.curStopIndex != stopBefore) ++tally_.stopChanges;
    tally_.cardFrames += ruva.cardMode ? 1 : 0;
    tally_.beaconFrames += ruva.beaconMode ? 1 : 0;
    if (problem.empty() && tally_.frameAllocations != 0) problem = "a frame allocated";
    fold(arrays_.panel);
    fold(arrays_.sound);
    if (!problem.empty()) {
      std::fprintf(stderr, "soak: frame %llu: %s\n", static_cast<unsigned long long>(tally_.frames),
                   problem.c_str());
      return false;
    }
    return true;
  }

  const Tally& tally() const { return tally_; }
  uint64_t digest() const { return digest_; }

 private:
  // FNV-1a, a 32-bit value at a time.
  void fold(const std::vector<int32_t>& values) {
    for (int32_t v : values) digest_ = (digest_ ^ static_cast<uint32_t>(v)) * 1099511628211u;
  }

  bool chance(uint32_t oneIn) { return random_() % oneIn == 0; }
  uint32_t pick(uint32_t count) { return random_() % count; }

  int32_t frameStep() {
    if (chance(500)) return 0;
    if (chance(2000)) return 400 + static_cast<int32_t>(pick(600));
    return chance(4) ? 33 : 16;
  }

  void loadCard() {
    ++tally_.cardBeacons;
    constexpr int32_t kRuns[] = {SessionVehicle::kRun, SessionVehicle::kLongRun,
                                 SessionVehicle::kOneStop};
    constexpr int32_t kBroken[] = {SessionVehicle::kEmpty, SessionVehicle::kJunk,
                                   SessionVehicle::kHeaderOnly, SessionVehicle::kFolder,
                                   SessionVehicle::kMissing};
    if (chance(10)) {
      sendBeacon(1000, SessionVehicle::codeOf(kBroken[pick(std::size(kBroken))]));
    } else if (chance(5)) {
      sendBeacon(1000, SessionVehicle::kAbsoluteRunCode);
    } else {
      sendBeacon(1000, SessionVehicle::codeOf(kRuns[pick(std::size(kRuns))]));
    }
  }

  // A section run on beacons: the pending stop's values, then its distance.
  void beaconSection() {
    for (int i = 0; i < 12; ++i) {
      const int32_t type = kCodedBeacons[pick(std::size(kCodedBeacons))];
      sendBeacon(type, static_cast<int32_t>(pick(1000000)));
    }
    sendBeacon(100, 300 + static_cast<int32_t>(pick(3000)));
  }

  int32_t edgeValue() {
    constexpr int32_t kEdges[] = {std::numeric_limits<int32_t>::min(),
                                  std::numeric_limits<int32_t>::max(), 0, -1, 99999999};
    return chance(2) ? kEdges[pick(std::size(kEdges))] : static_cast<int32_t>(random_());
  }

  // The next part of the drive: mostly a card run, else a run on beacons (which leaves
  // card mode at the next standstill) or a stretch with no route data at all.
  void startLeg() {
    legFrames_ = 20000 + pick(60000);
    wantBeacons_ = false;
    const uint32_t kind = pick(10);
    if (kind < 6) {
      loadCard();
    } else if (kind < 9) {
      wantBeacons_ = true;
    } else {
      ++tally_.restarts;
      vehicle_.writeSettings(pick(64));
      Initialize(0);
    }
  }

  // What the host and the line do between two frames.
  void between() {
    if (--legFrames_ == 0) startLeg();
    if (chance(50000)) {
      ++tally_.restarts;
      vehicle_.writeSettings(pick(64));
      Initialize(0);
      if (!chance(4)) loadCard();
    }
    if (chance(3000)) {
      const int32_t type = chance(2) ? kCodedBeacons[pick(std::size(kCodedBeacons))]
                                     : static_cast<int32_t>(pick(1200));
      sendBeacon(type, edgeValue());
    }
    if (speed_ == 0.0f) {
      if (chance(5000)) sendBeacon(1001, chance(4) ? edgeValue() : static_cast<int32_t>(pick(64)));
      if (wantBeacons_) {
        wantBeacons_ = false;
        sendBeacon(1002, 0);
        beaconSection();
      }
    }
    if (chance(1500)) {
      SetPower(static_cast<int32_t>(pick(6)));
      SetBrake(chance(50) ? edgeValue() : static_cast<int32_t>(pick(9)));
      SetReverser(static_cast<int32_t>(pick(3)) - 1);
    }
    if (chance(60000)) {
      ++tally_.timeJumps;
      constexpr int32_t kHour = 3600000;
      if (chance(10)) {
        time_ = chance(2) ? std::numeric_limits<int32_t>::max() - 1000 : 0;
      } else {
        time_ = advanceHostTime(time_, chance(2) ? -static_cast<int32_t>(pick(kHour))
                                                 : static_cast<int32_t>(pick(kHour)));
      }
    }
  }

  // Cruise, brake for the stop the display counts down to, stand with the doors open
  // for a while, and go on.
  void advanceSpeed() {
    if (dwell_ > 0) {
      --dwell_;
      speed_ = 0.0f;
      traction_ = 0.0f;
      if (dwell_ == 0) cruise_ = 40.0f + static_cast<float>(pick(90));
      return;
    }
    const double braking = static_cast<double>(speed_) * speed_ / 14.4;
    const bool stopAhead = ruva.cardMode ? ruva.stopRemain < braking + 30.0
                                         : ruva.beaconMode && ruva.sectionRemain < braking + 30.0;
    if (stopAhead || chance(200000)) {
      speed_ -= 0.04f;
      traction_ = -40.0f;
      if (speed_ <= 0.0f) {
        speed_ = 0.0f;
        dwell_ = 300 + static_cast<int>(pick(1500));
        if (!chance(5)) DoorOpen();
        // On a line run on beacons, the next stop's beacons come while the train stands.
        if (ruva.beaconMode) beaconSection();
      }
    } else if (speed_ < cruise_) {
      speed_ += 0.05f;
      traction_ = 60.0f;
    } else {
      speed_ = cruise_;
      traction_ = chance(2) ? 0.0f : 12.0f;
    }
  }

  const SessionVehicle& vehicle_;
  std::mt19937 random_;
  SessionArrays arrays_;
  int32_t time_ = 6 * 3600 * 1000;
  float speed_ = 0.0f;
  float traction_ = 0.0f;
  float cruise_ = 80.0f;
  int dwell_ = 0;
  uint32_t legFrames_ = 1;
  bool wantBeacons_ = false;
  Tally tally_;
  uint64_t digest_ = 14695981039346656037u;
};

// The lines "FRAMES DIGEST" of a digest file, by frame count.
std::map<uint64_t, uint64_t> readDigests(const char* file) {
  std::map<uint64_t, uint64_t> digests;
  std::ifstream in(file);
  unsigned long long frames = 0;
  unsigned long long digest = 0;
  std::string hex;
  while (in >> frames >> hex) {
    digest = std::strtoull(hex.c_str(), nullptr, 16);
    digests[frames] = digest;
  }
  return digests;
}

}  // namespace

int main(int argc, char** argv) {
  const uint64_t frames = argc > 1 ? std::strtoull(argv[1], nullptr, 10) : 1000000;
  const uint32_t seed = argc > 2 ? static_cast<uint32_t>(std::strtoul(argv[2], nullptr, 10)) : 1;
  const double seconds = argc > 3 ? std::strtod(argv[3], nullptr) : 600.0;

  const bool comparing = argc > 4;
  const std::map<uint64_t, uint64_t> reference =
      comparing ? readDigests(argv[4]) : std::map<uint64_t, uint64_t>{};
  if (comparing && reference.empty()) {
    std::fprintf(stderr, "soak: no digests in %s\n", argv[4]);
    return 1;
  }

  const SessionVehicle vehicle;
  Soak soak(vehicle, seed);
  soak.start();
  const auto begin = std::chrono::steady_clock::now();
  bool timedOut = false;
  bool passed = true;
  while (soak.tally().frames < frames) {
    if (!soak.step()) {
      passed = false;
      break;
    }
    if (soak.tally().frames % kDigestInterval == 0) {
      const uint64_t at = soak.tally().frames;
      std::printf("%llu %016llx\n", static_cast<unsigned long long>(at),
                  static_cast<unsigned long long>(soak.digest()));
      const auto expected = reference.find(at);
      if (comparing && (expected == reference.end() || expected->second != soak.digest())) {
        std::fprintf(stderr, "soak: the arrays of frames %llu to %llu differ from the digests of %s\n",
                     static_cast<unsigned long long>(at - kDigestInterval + 1),
                     static_cast<unsigned long long>(at), argv[4]);
        passed = false;
        break;
      }
    }
    if (soak.tally().frames % 4096 == 0 &&
        std::chrono::duration<double>(std::chrono::steady_clock::now() - begin).count() > seconds) {
      timedOut = true;
      break;
    }
  }
  const double took =
      std::chrono::duration<double>(std::chrono::steady_clock::now() - begin).count();
  const Tally& t = soak.tally();
  std::printf(
      "soak (seed %u): %llu frames in %.1f s%s; %llu in card mode, %llu in beacon mode; "
      "%llu stop changes, %llu card beacons, %llu restarts, %llu time jumps; %llu heap "
      "allocations in frames\n",
      seed, static_cast<unsigned long long>(t.frames), took,
      timedOut ? " (stopped by the time budget)" : "",
      static_cast<unsigned long long>(t.cardFrames),
      static_cast<unsigned long long>(t.beaconFrames),
      static_cast<unsigned long long>(t.stopChanges),
      static_cast<unsigned long long>(t.cardBeacons), static_cast<unsigned long long>(t.restarts),
      static_cast<unsigned long long>(t.timeJumps),
      static_cast<unsigned long long>(t.frameAllocations));
  return passed ? 0 : 1;
}
