// Our declaration of the device service library's twelve exports, the records it hands to the
// notification callback, the unit ids and tags, and the request checksum. The program, the
// in-process simulator and Quenlink.dll all use these definitions, so the two sides always agree.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

namespace mv::device {

static_assert(sizeof(void*) == 8, "the library records are laid out for 64-bit pointers");

// --- unit ids and tags -----------------------------------------------------------------------------
inline constexpr std::size_t kUnitIdSize = 16;
using UnitId = std::array<std::uint8_t, kUnitIdSize>;

inline constexpr std::uint16_t kVendorId = 0x0C45;
inline constexpr std::uint16_t kProductId = 0x6533;

// 32-bit 15, vendor, product, usage page, usage (all little-endian), then 4 zero bytes.
constexpr UnitId MakeUnitId(std::uint16_t usagePage, std::uint16_t usage) {
  return UnitId{15, 0, 0, 0,
                static_cast<std::uint8_t>(kVendorId & 0xFF), static_cast<std::uint8_t>(kVendorId >> 8),
                static_cast<std::uint8_t>(kProductId & 0xFF), static_cast<std::uint8_t>(kProductId >> 8),
                static_cast<std::uint8_t>(usagePage & 0xFF), static_cast<std::uint8_t>(usagePage >> 8),
                static_cast<std::uint8_t>(usage & 0xFF), static_cast<std::uint8_t>(usage >> 8),
                0, 0, 0, 0};
}

inline constexpr UnitId kCommandUnit = MakeUnitId(0xFF1C, 0x0092);   // commands, CTRL reads
inline constexpr UnitId kConsumerUnit = MakeUnitId(0x000C, 0x0001);  // CONS reads
inline constexpr UnitId kLedUnit = MakeUnitId(0x0008, 0x0089);       // LED status write

inline constexpr std::uint32_t kTagCtrl = 0x4354524C;
inline constexpr std::uint32_t kTagCons = 0x434F4E53;
inline constexpr std::uint32_t kTagLed = 0x004C4544;

// --- callback and the records it receives ------------------------------------------------------------
// The library calls this on its own thread with an event record; it returns 1.
using QuenlinkCallback = int (*)(const void* eventRecord);

inline constexpr std::uint32_t kEventDeviceChange = 0;
inline constexpr std::uint32_t kEventInputReport = 1;

// Event record: u32 kind, u32 reserved, pointer to the request record.
inline constexpr std::size_t kEventKindOffset = 0;
inline constexpr std::size_t kEventRequestOffset = 8;
inline constexpr std::size_t kEventRecordSize = 16;
// Request record: u32 tag, u32 count, data pointer, u32 reserved, 4 bytes of alignment, pointer to
// the read record.
inline constexpr std::size_t kRequestTagOffset = 0;
inline constexpr std::size_t kRequestCountOffset = 4;
inline constexpr std::size_t kRequestDataOffset = 8;
inline constexpr std::size_t kRequestReadOffset = 24;
inline constexpr std::size_t kRequestRecordSize = 32;
// Read record: the pointer at offset 28 addresses the raw report.
inline constexpr std::size_t kReadRawReportOffset = 28;
inline constexpr std::size_t kReadRecordSize = 36;

// The three records as the library lays them out in memory. Built and read through byte offsets so
// neither side depends on struct padding.
struct EventRecords {
  alignas(8) std::array<std::uint8_t, kEventRecordSize> event{};
  alignas(8) std::array<std::uint8_t, kRequestRecordSize> request{};
  alignas(8) std::array<std::uint8_t, kReadRecordSize> read{};
};

// Fills the records of one event; the data and raw report must outlive the callback.
void BuildEventRecords(EventRecords& records, std::uint32_t kind, std::uint32_t tag, std::uint32_t count,
                       const std::uint8_t* data, const std::uint8_t* rawReport);

// What a callback needs from an event record. Null pointers in the record give null fields.
struct DecodedEvent {
  bool valid = false;  // false for a null record or a null request record
  std::uint32_t kind = 0;
  std::uint32_t tag = 0;
  std::uint32_t count = 0;
  const std::uint8_t* data = nullptr;
  const std::uint8_t* rawReport = nullptr;
};
DecodedEvent DecodeEventRecord(const void* eventRecord);

// The 16-bit consumer code of a CONS input report (first two report bytes, little-endian); 0 when
// the report is missing or shorter than two bytes.
std::uint16_t ConsumerCodeOf(const DecodedEvent& event);

// --- request checksum --------------------------------------------------------------------------------
// Sum from 0 of T[b], T the library's byte table (a fixed permutation of 0..255), over the unit
// id, the callback address and the tag (4 bytes each, little-endian; the low 32 bits of the
// address), then over the data.
std::uint32_t RequestChecksum(const UnitId& unit, QuenlinkCallback callback, std::uint32_t tag,
                              std::span<const std::uint8_t> data = {});

// --- the twelve exports --------------------------------------------------------------------------------
extern "C" {
using QuenlinkDebugFn = int (*)(int level);
using QuenlinkInitFn = int (*)(int reserved);
using QuenlinkEndFn = int (*)();
using QuenlinkGetDeviceCountFn = int (*)(const std::uint8_t* unitId, QuenlinkCallback callback, std::uint32_t tag,
                                         std::uint32_t checksum, int reserved);
using QuenlinkDeleteFromUnitIdFn = int (*)(int requestNumber);
using QuenlinkDeleteFromHandleFn = int (*)(void* handle);
using QuenlinkWriteFn = int (*)(const std::uint8_t* unitId, QuenlinkCallback callback, std::uint32_t tag,
                                const std::uint8_t* data, int length, std::uint32_t checksum, int* requestNumber);
using QuenlinkWriteOneFn = int (*)(const std::uint8_t* unitId, QuenlinkCallback callback, std::uint32_t tag,
                                   const std::uint8_t* data, int length, std::uint32_t checksum, int reserved);
using QuenlinkStatusWriteFn = int (*)(const std::uint8_t* unitId, QuenlinkCallback callback, std::uint32_t tag,
                                      const std::uint8_t* data, int length, std::uint32_t checksum,
                                      int* requestNumber);
using QuenlinkStatusGetFn = int (*)(const std::uint8_t* unitId, QuenlinkCallback callback, std::uint32_t tag,
                                    std::uint8_t* data, int length, std::uint32_t checksum, int* requestNumber);
using QuenlinkAsyncReadFn = int (*)(const std::uint8_t* unitId, QuenlinkCallback callback, std::uint32_t tag,
                                    std::uint32_t checksum, int* requestNumber);
using QuenlinkSetFeatureFn = int (*)(const std::uint8_t* unitId, QuenlinkCallback callback, std::uint32_t tag,
                                     const std::uint8_t* data, int length, std::uint32_t checksum,
                                     int* requestNumber);
}

struct QuenlinkApi {
  QuenlinkDebugFn Debug = nullptr;
  QuenlinkInitFn Init = nullptr;
  QuenlinkEndFn End = nullptr;
  QuenlinkGetDeviceCountFn RequestGetDeviceCount = nullptr;
  QuenlinkDeleteFromUnitIdFn DeleteRequestFromUnitId = nullptr;
  QuenlinkDeleteFromHandleFn DeleteRequestFromHandle = nullptr;
  QuenlinkWriteFn RequestWrite = nullptr;
  QuenlinkWriteOneFn RequestWriteOne = nullptr;
  QuenlinkStatusWriteFn RequestStatusWrite = nullptr;
  QuenlinkStatusGetFn RequestStatusGet = nullptr;
  QuenlinkAsyncReadFn RequestAsyncRead = nullptr;
  QuenlinkSetFeatureFn RequestStatusSetFeature = nullptr;

  bool IsComplete() const;
};

}  // namespace mv::device
