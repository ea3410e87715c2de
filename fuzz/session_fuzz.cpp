// Whole sessions of the module: the input is read as a sequence of entry-point calls
// with arbitrary arguments, and after every frame the session checks must hold.
//
// Each input starts the module afresh in a vehicle folder of its own kind (good, long,
// empty, junk and missing cards; see tests/support/session_vehicle.h), with Load,
// SetVehicleSpec and Initialize, as the host does. Then, until the input runs out, one
// byte picks a call and the bytes after it its arguments (zeros past the end):
//   0 one frame: time step, speed, traction and the two panel inputs, each from a
//     table of edge values (NaN, infinities, negative, huge, int32 limits, jumps)
//   1 a plausible drive of up to 256 frames of up to 500 ms
//   2 a coded beacon, 3 a card beacon 1000, 4 a beacon 1001, 5 a beacon 1002
//   6 DoorOpen
//   7 SetPower, SetBrake, SetReverser
//   8 Initialize, after the display settings were rewritten
//   9 a card file written from the input, then its card beacon 1000
//   10 the calls the module ignores
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <iterator>
#include <limits>
#include <string>

#include "fuzz/byte_stream.h"
#include "plugin/exports.h"
#include "tests/support/session_checks.h"
#include "tests/support/session_vehicle.h"

namespace {

constexpr int kOpCount = 11;
constexpr uint64_t kFrameLimit = 2000;  // per input, so that no input runs for long

// Beacon type codes: every coded one, neighbours that are ignored, and the card beacons.
constexpr int32_t kBeaconTypes[] = {
    8,   100, 102, 105, 106, 107, 108, 109, 110, 111, 113,  114,  120,  121, 122, 123,
    124, 125, 130, 131, 132, 133, 134, 135, 140, 141, 142,  143,  144,  145, 150, 151,
    152, 153, 154, 155, 160, 161, 162, 163, 164, 165, 170,  171,  172,  173, 174, 175,
    0,   -1,  101, 112, 115, 119, 126, 129, 176, 999, 1000, 1001, 1002, 1003};

int32_t edgeInt(ByteStream& in) {
  switch (in.byte() % 8) {
    case 0:
      return std::numeric_limits<int32_t>::min();
    case 1:
      return std::numeric_limits<int32_t>::max();
    case 2:
      return 0;
    case 3:
      return -1;
    case 4:
      return in.byte();
    case 5:
      return -static_cast<int32_t>(in.byte());
    case 6:
      return in.word() % 1000000;
    default:
      return in.word();
  }
}

float edgeFloat(ByteStream& in) {
  switch (in.byte() % 10) {
    case 0:
      return std::numeric_limits<float>::quiet_NaN();
    case 1:
      return std::numeric_limits<float>::infinity();
    case 2:
      return -std::numeric_limits<float>::infinity();
    case 3:
      return -static_cast<float>(in.byte());
    case 4:
      return 1e30f;
    case 5: {
      const int32_t bits = in.word();
      float value;
      std::memcpy(&value, &bits, sizeof value);
      return value;
    }
    case 6:
      return 0.0f;
    case 7:
      return std::numeric_limits<float>::denorm_min();
    default:
      return static_cast<float>(in.byte()) * 0.75f;
  }
}

[[noreturn]] void fail(const std::string& what, uint64_t frame) {
  std::fprintf(stderr, "session check failed after frame %llu: %s\n",
               static_cast<unsigned long long>(frame), what.c_str());
  std::abort();
}

class Session {
 public:
  explicit Session(const SessionVehicle& vehicle) : vehicle_(vehicle) {}

  void start(uint8_t settings) {
    vehicle_.writeCard("");
    vehicle_.writeSettings(settings);
    restartModuleInProcess(vehicle_.moduleFile());
    Load();
    SetVehicleSpec(VehicleSpecRecord{{5, 4, 3, 2, 1}});
    Initialize(0);
  }

  void run(ByteStream& in) {
    while (!in.empty() && frames_ < kFrameLimit) step(in);
  }

 private:
  void step(ByteStream& in) {
    switch (in.byte() % kOpCount) {
      case 0:
        oneFrame(in);
        break;
      case 1:
        drive(in);
        break;
      case 2:
        sendBeacon(kBeaconTypes[in.byte() % std::size(kBeaconTypes)], edgeInt(in));
        break;
      case 3:
        cardBeacon(in);
        break;
      case 4:
        sendBeacon(1001, in.byte() % 2 == 0 ? static_cast<int32_t>(in.byte() % 70) : edgeInt(in));
        break;
      case 5:
        sendBeacon(1002, edgeInt(in));
        break;
      case 6:
        DoorOpen();
        break;
      case 7:
        SetPower(edgeInt(in));
        SetBrake(edgeInt(in));
        SetReverser(edgeInt(in));
        break;
      case 8:
        vehicle_.writeSettings(in.byte());
        Initialize(in.word());
        break;
      case 9:
        vehicle_.writeCard(in.bytes(static_cast<std::size_t>(in.byte()) * 8));
        sendBeacon(1000, SessionVehicle::codeOf(SessionVehicle::kWritten));
        break;
      default:
        ignoredCalls(in);
        break;
    }
  }

  void oneFrame(ByteStream& in) {
    int32_t time = time_;
    switch (in.byte() % 8) {
      case 0:
        time = advanceHostTime(time, in.byte() * 4);
        break;
      case 1:
        break;
      case 2:
        time = advanceHostTime(time, -(in.word() & 0xFFFFF));
        break;
      case 3:
        time = std::numeric_limits<int32_t>::max();
        break;
      case 4:
        time = std::numeric_limits<int32_t>::min();
        break;
      case 5:
        time = in.word();
        break;
      case 6:
        time = advanceHostTime(time, 16);
        break;
      default:
        time = advanceHostTime(time, in.byte() * 1000);
        break;
    }
    const float speedKmh = edgeFloat(in);
    const float traction = edgeFloat(in);
    const uint8_t inputs = in.byte();
    frame(time, speedKmh, traction, inputs & 1, (inputs >> 1) & 1);
  }

  // Frames of 10 to 500 ms at one speed and traction, as a train runs between events.
  void drive(ByteStream& in) {
    const int count = in.byte() + 1;
    const int32_t step = 10 + in.byte() % 491;
    const float speedKmh = static_cast<float>(in.byte() % 160);
    const float traction = static_cast<float>(static_cast<int8_t>(in.byte()));
    for (int i = 0; i < count && frames_ < kFrameLimit; ++i) {
      frame(advanceHostTime(time_, step), speedKmh, traction, 0, 0);
    }
  }

  void cardBeacon(ByteStream& in) {
    constexpr int32_t kCards[] = {
        SessionVehicle::kRun,    SessionVehicle::kLongRun,    SessionVehicle::kEmpty,
        SessionVehicle::kJunk,   SessionVehicle::kHeaderOnly, SessionVehicle::kOneStop,
        SessionVehicle::kFolder, SessionVehicle::kMissing,
    };
    const uint8_t pick = in.byte() % (std::size(kCards) + 2);
    int32_t code = 0;
    if (pick < std::size(kCards)) {
      code = SessionVehicle::codeOf(kCards[pick]);
    } else if (pick == std::size(kCards)) {
      code = SessionVehicle::kAbsoluteRunCode;
    } else {
      code = edgeInt(in);
    }
    sendBeacon(1000, code);
  }

  void ignoredCalls(ByteStream& in) {
    KeyDown(in.word());
    KeyUp(in.word());
    HornBlow(in.word());
    DoorClose();
    SetSignal(in.word());
    Dispose();
    if (GetPluginVersion() != 0x20000) fail("the plug-in version changed", frames_);
  }

  void frame(int32_t time, float speedKmh, float traction, int32_t panel82, int32_t panel83) {
    ++frames_;
    time_ = time;
    VehicleStateRecord state{};
    state.time = time;
    state.speed = speedKmh;
    state.traction = traction;
    const std::string problem = runCheckedFrame(frames_, state, panel82, panel83, arrays_);
    if (!problem.empty()) fail(problem, frames_);
  }

  const SessionVehicle& vehicle_;
  SessionArrays arrays_;
  int32_t time_ = 8 * 3600 * 1000;
  uint64_t frames_ = 0;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
  static const SessionVehicle vehicle;
  ByteStream in(data, size);
  Session session(vehicle);
  session.start(in.byte());
  session.run(in);
  return 0;
}
