// Event records, their decoding and the request checksum of the device service library.
#include "device/quenlink_api.h"

#include <cstring>

namespace mv::device {
namespace {

void PutU32(std::uint8_t* at, std::uint32_t v) {
  for (int i = 0; i < 4; ++i) at[i] = static_cast<std::uint8_t>(v >> (8 * i));
}

std::uint32_t GetU32(const std::uint8_t* at) {
  std::uint32_t v = 0;
  for (int i = 0; i < 4; ++i) v |= static_cast<std::uint32_t>(at[i]) << (8 * i);
  return v;
}

void PutPointer(std::uint8_t* at, const void* p) { std::memcpy(at, &p, sizeof p); }

template <typename T>
T* GetPointer(const std::uint8_t* at) {
  T* p = nullptr;
  std::memcpy(&p, at, sizeof p);
  return p;
}

// An odd multiplier makes b -> (b * 167 + 59) mod 256 a permutation, so every byte value counts.
constexpr std::array<std::uint8_t, 256> MakeTable() {
  std::array<std::uint8_t, 256> t{};
  for (int b = 0; b < 256; ++b) t[b] = static_cast<std::uint8_t>((b * 167 + 59) & 0xFF);
  return t;
}
constexpr std::array<std::uint8_t, 256> kTable = MakeTable();

std::uint32_t SumBytes(std::uint32_t sum, const std::uint8_t* p, std::size_t n) {
  for (std::size_t i = 0; i < n; ++i) sum += kTable[p[i]];
  return sum;
}

}  // namespace

bool QuenlinkApi::IsComplete() const {
  return Debug && Init && End && RequestGetDeviceCount && DeleteRequestFromUnitId && DeleteRequestFromHandle &&
         RequestWrite && RequestWriteOne && RequestStatusWrite && RequestStatusGet && RequestAsyncRead &&
         RequestStatusSetFeature;
}

void BuildEventRecords(EventRecords& r, std::uint32_t kind, std::uint32_t tag, std::uint32_t count,
                       const std::uint8_t* data, const std::uint8_t* rawReport) {
  r = EventRecords{};
  PutU32(r.event.data() + kEventKindOffset, kind);
  PutPointer(r.event.data() + kEventRequestOffset, r.request.data());
  PutU32(r.request.data() + kRequestTagOffset, tag);
  PutU32(r.request.data() + kRequestCountOffset, count);
  PutPointer(r.request.data() + kRequestDataOffset, data);
  PutPointer(r.request.data() + kRequestReadOffset, r.read.data());
  PutPointer(r.read.data() + kReadRawReportOffset, rawReport);
}

DecodedEvent DecodeEventRecord(const void* eventRecord) {
  DecodedEvent e;
  if (!eventRecord) return e;
  const auto* event = static_cast<const std::uint8_t*>(eventRecord);
  const auto* request = GetPointer<const std::uint8_t>(event + kEventRequestOffset);
  if (!request) return e;
  e.valid = true;
  e.kind = GetU32(event + kEventKindOffset);
  e.tag = GetU32(request + kRequestTagOffset);
  e.count = GetU32(request + kRequestCountOffset);
  e.data = GetPointer<const std::uint8_t>(request + kRequestDataOffset);
  if (const auto* read = GetPointer<const std::uint8_t>(request + kRequestReadOffset)) {
    e.rawReport = GetPointer<const std::uint8_t>(read + kReadRawReportOffset);
  }
  return e;
}

std::uint16_t ConsumerCodeOf(const DecodedEvent& event) {
  // The raw report carries the code; the data pointer is the fallback for libraries without one.
  const std::uint8_t* bytes = event.rawReport ? event.rawReport : event.data;
  if (!bytes || (event.rawReport == nullptr && event.count < 2)) return 0;
  return static_cast<std::uint16_t>(bytes[0] | (bytes[1] << 8));
}


std::uint32_t RequestChecksum(const UnitId& unit, QuenlinkCallback callback, std::uint32_t tag,
                              std::span<const std::uint8_t> data) {
  std::uint8_t word[4];
  std::uint32_t sum = SumBytes(0, unit.data(), unit.size());
  PutU32(word, static_cast<std::uint32_t>(reinterpret_cast<std::uintptr_t>(callback)));
  sum = SumBytes(sum, word, 4);
  PutU32(word, tag);
  sum = SumBytes(sum, word, 4);
  return SumBytes(sum, data.data(), data.size());
}

}  // namespace mv::device
