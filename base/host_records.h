// The records that travel between the host simulator and the module.
//
// They are a binary interface: little-endian, naturally aligned, no padding. The
// module reads only the fields that are named; the others are kept in copies.
#ifndef RUVA_BASE_HOST_RECORDS_H_
#define RUVA_BASE_HOST_RECORDS_H_

#include <cstddef>
#include <cstdint>

// Given to SetVehicleSpec; copied, never read.
struct VehicleSpecRecord {
  int32_t words[5];
};

// Given to Elapse every frame.
struct VehicleStateRecord {
  uint8_t reserved0[8];
  float speed;       // km/h
  int32_t time;      // ms since midnight
  uint32_t reserved1[5];
  float traction;    // signed traction value
};

// Given to SetBeaconData.
struct BeaconRecord {
  int32_t type;
  uint32_t reserved[2];
  int32_t data;
};

// Returned by Elapse: the handle positions, handed back unchanged.
struct HandleCommand {
  int32_t brake;
  int32_t power;
  int32_t reverser;
  int32_t constant;  // always 0
};

static_assert(sizeof(VehicleSpecRecord) == 20);
static_assert(sizeof(VehicleStateRecord) == 40);
static_assert(offsetof(VehicleStateRecord, speed) == 8);
static_assert(offsetof(VehicleStateRecord, time) == 12);
static_assert(offsetof(VehicleStateRecord, reserved1) == 16);
static_assert(offsetof(VehicleStateRecord, traction) == 36);
static_assert(sizeof(BeaconRecord) == 16);
static_assert(offsetof(BeaconRecord, type) == 0);
static_assert(offsetof(BeaconRecord, data) == 12);
static_assert(sizeof(HandleCommand) == 16);
static_assert(offsetof(HandleCommand, brake) == 0);
static_assert(offsetof(HandleCommand, power) == 4);
static_assert(offsetof(HandleCommand, reverser) == 8);
static_assert(offsetof(HandleCommand, constant) == 12);

#endif  // RUVA_BASE_HOST_RECORDS_H_
