// The simulated keyboard: areas, command handling, the reply thread and the fault controls.
#include "sim/simulated_keyboard.h"

#include <algorithm>
#include <cstring>

#include "device/factory_layout.h"

namespace mv::sim {
namespace {

using device::CommandReport;
namespace dev = mv::device;

constexpr std::uint8_t kStatusOk = 0;

// Effects 1-18 and the user colour mode 20.
constexpr std::array<std::uint8_t, 19> kFactoryEffects{1,  2,  3,  4,  5,  6,  7,  8,  9, 10,
                                                      11, 12, 13, 14, 15, 16, 17, 18, 20};

// Effect 1, brightness 4, speed 1, multicolour, red: what restoring the lighting defaults writes.
constexpr std::array<std::uint8_t, 35> kFactoryLighting{
    0x01, 0x04, 0x01, 0x00, 0x01, 0xFF, 0x00, 0x00, 0x08, 0xFF, 0xFF, 0xFF, 0xFF, 0x00, 0x00, 0xFF, 0xFF, 0x00,
    0x00, 0x00, 0x00, 0xFF, 0xFF, 0x00, 0x00, 0xFF, 0xFF, 0xFF, 0x00, 0x00, 0xFF, 0xFF, 0xFF, 0x00, 0x00};

// Bytes 0-9 only the firmware interprets; a recognisable pattern shows they travel unchanged.
constexpr std::array<std::uint8_t, 10> kFirmwareBytes{0x51, 0x4C, 0x01, 0x00, 0x0C, 0x45, 0x65, 0x33, 0x01, 0x00};

int OffsetOf(const CommandReport& r) { return r[dev::kOffsetByte] | (r[dev::kOffsetByte + 1] << 8); }

bool SameUnit(const std::uint8_t* unitId, const dev::UnitId& unit) {
  return unitId && std::memcmp(unitId, unit.data(), unit.size()) == 0;
}

// Copies length bytes of area at offset to out when they lie within the area.
template <typename Area>
bool ReadArea(const Area& area, std::size_t usable, int offset, int length, std::uint8_t* out) {
  if (offset < 0 || length < 0 || static_cast<std::size_t>(offset + length) > usable) return false;
  std::memcpy(out, area.data() + offset, static_cast<std::size_t>(length));
  return true;
}

template <typename Area>
bool WriteArea(Area&& area, std::size_t usable, int offset, int length, const std::uint8_t* in) {
  if (offset < 0 || length < 0 || static_cast<std::size_t>(offset + length) > usable) return false;
  std::memcpy(area.data() + offset, in, static_cast<std::size_t>(length));
  return true;
}

}  // namespace

KeyboardAreas FactoryAreas(int macroCapacity) {
  KeyboardAreas a;
  std::copy(kFirmwareBytes.begin(), kFirmwareBytes.end(), a.settings.Bytes().begin());
  a.settings.SetActiveProfile(0);
  a.settings.SetMacroCapacity(static_cast<std::uint8_t>(std::clamp(macroCapacity, 0, 255)));
  a.settings.SetEffectList(kFactoryEffects);
  for (int p = 0; p < dev::kProfileCount; ++p) {
    std::copy(kFactoryLighting.begin(), kFactoryLighting.end(), a.lighting.begin() + p * dev::kLightingRecordSize);
  }
  for (auto& bank : a.keyBanks) bank = dev::kFactoryLayout;
  a.defaultKeyBlock = dev::kFactoryLayout;
  return a;
}

SimulatedKeyboard::SimulatedKeyboard(SimSettings settings)
    : areas_(FactoryAreas(settings.macroCapacity)), present_(settings.present), replyDelay_(settings.replyDelay) {}

SimulatedKeyboard::~SimulatedKeyboard() { End(); }

// --- library entry points --------------------------------------------------------------------------

int SimulatedKeyboard::Debug(int) { return 1; }

int SimulatedKeyboard::Init(int) {
  std::lock_guard lock(lock_);
  if (running_) return 1;
  running_ = true;
  stopping_ = false;
  worker_ = std::thread([this] { Run(); });
  return 1;
}

int SimulatedKeyboard::End() {
  std::thread worker;
  {
    std::lock_guard lock(lock_);
    if (!running_) return 1;
    stopping_ = true;
    worker = std::move(worker_);
  }
  wake_.notify_all();
  if (worker.joinable()) worker.join();
  std::lock_guard lock(lock_);
  running_ = false;
  queue_.clear();
  repliesOnTheirWay_ = 0;
  readers_.clear();
  return 1;
}

bool SimulatedKeyboard::ChecksumMatches(const std::uint8_t* unitId, dev::QuenlinkCallback callback,
                                        std::uint32_t tag, const std::uint8_t* data, int length,
                                        std::uint32_t checksum) {
  dev::UnitId unit{};
  std::memcpy(unit.data(), unitId, unit.size());
  const std::span<const std::uint8_t> bytes(data, data ? static_cast<std::size_t>(std::max(length, 0)) : 0);
  if (dev::RequestChecksum(unit, callback, tag, bytes) == checksum) return true;
  ++checksumErrors_;
  return false;
}

int SimulatedKeyboard::RequestGetDeviceCount(const std::uint8_t* unitId, dev::QuenlinkCallback callback,
                                             std::uint32_t tag, std::uint32_t checksum, int) {
  std::lock_guard lock(lock_);
  ++deviceCountQueries_;
  if (!unitId || !ChecksumMatches(unitId, callback, tag, nullptr, 0, checksum)) return 0;
  return present_ ? 1 : 0;
}

int SimulatedKeyboard::DeleteRequestFromUnitId(int requestNumber) {
  std::lock_guard lock(lock_);
  const auto before = readers_.size();
  std::erase_if(readers_, [&](const Reader& r) { return r.requestNumber == requestNumber; });
  return readers_.size() != before ? 1 : 0;
}

int SimulatedKeyboard::DeleteRequestFromHandle(void*) { return 0; }

int SimulatedKeyboard::RequestWrite(const std::uint8_t* unitId, dev::QuenlinkCallback callback, std::uint32_t tag,
                                    const std::uint8_t* data, int length, std::uint32_t checksum,
                                    int* requestNumber) {
  const int result = RequestWriteOne(unitId, callback, tag, data, length, checksum, 0);
  if (result > 0 && requestNumber) {
    std::lock_guard lock(lock_);
    *requestNumber = NextRequestNumber();
  }
  return result;
}

int SimulatedKeyboard::RequestWriteOne(const std::uint8_t* unitId, dev::QuenlinkCallback callback,
                                       std::uint32_t tag, const std::uint8_t* data, int length,
                                       std::uint32_t checksum, int) {
  std::lock_guard lock(lock_);
  if (!running_ || !present_ || refuseWrites_ || !data || length <= 0) return 0;
  if (!SameUnit(unitId, dev::kCommandUnit)) return 0;
  if (!ChecksumMatches(unitId, callback, tag, data, length, checksum)) return 0;
  CommandReport report{};
  std::memcpy(report.data(), data, std::min<std::size_t>(static_cast<std::size_t>(length), report.size()));
  ReceiveCommandReport(report);
  return 1;
}

int SimulatedKeyboard::RequestStatusWrite(const std::uint8_t* unitId, dev::QuenlinkCallback callback,
                                          std::uint32_t tag, const std::uint8_t* data, int length,
                                          std::uint32_t checksum, int* requestNumber) {
  std::lock_guard lock(lock_);
  if (!running_ || !SameUnit(unitId, dev::kLedUnit) || !data || length < 2) return 0;
  if (!ChecksumMatches(unitId, callback, tag, data, length, checksum)) return 0;
  ledStatus_ = {data[0], data[1]};
  ledWrites_.push_back(ledStatus_);
  if (requestNumber) *requestNumber = NextRequestNumber();
  return 1;
}

int SimulatedKeyboard::RequestStatusGet(const std::uint8_t* unitId, dev::QuenlinkCallback, std::uint32_t,
                                        std::uint8_t* data, int length, std::uint32_t, int* requestNumber) {
  std::lock_guard lock(lock_);
  if (!running_ || !SameUnit(unitId, dev::kLedUnit) || !data || length < 2) return 0;
  data[0] = ledStatus_[0];
  data[1] = ledStatus_[1];
  if (requestNumber) *requestNumber = NextRequestNumber();
  return 1;
}

int SimulatedKeyboard::RequestAsyncRead(const std::uint8_t* unitId, dev::QuenlinkCallback callback,
                                        std::uint32_t tag, std::uint32_t checksum, int* requestNumber) {
  std::lock_guard lock(lock_);
  if (!running_ || !unitId || !callback) return 0;
  if (!ChecksumMatches(unitId, callback, tag, nullptr, 0, checksum)) return 0;
  Reader reader{NextRequestNumber(), {}, tag, callback};
  std::memcpy(reader.unit.data(), unitId, reader.unit.size());
  readers_.push_back(reader);
  if (requestNumber) *requestNumber = reader.requestNumber;
  return 1;
}

int SimulatedKeyboard::RequestStatusSetFeature(const std::uint8_t* unitId, dev::QuenlinkCallback, std::uint32_t,
                                               const std::uint8_t* data, int length, std::uint32_t,
                                               int* requestNumber) {
  std::lock_guard lock(lock_);
  if (!running_ || !unitId || !data || length <= 0) return 0;
  if (requestNumber) *requestNumber = NextRequestNumber();
  return 1;
}

// --- commands ------------------------------------------------------------------------------------------

void SimulatedKeyboard::ReceiveCommandReport(const CommandReport& report) {
  if (recording_) log_.push_back(report);
  if (bootMode_) return;  // the boot loader does not speak the command protocol
  if (report[dev::kReportIdByte] == dev::kCommandReportId && report[dev::kOpcodeByte] == dev::kOpEnterBootMode) {
    bootMode_ = true;
    return;
  }
  if (repliesOnTheirWay_ > 0) ++overlaps_;
  CommandReport reply = Answer(report);
  if (dropNext_ > 0) {
    --dropNext_;
    return;
  }
  if (wrongOpcodeNext_ > 0) {
    --wrongOpcodeNext_;
    reply[dev::kOpcodeByte] ^= 0x80;
  }
  PendingEvent event{std::chrono::steady_clock::now() + replyDelay_, EventKind::kReply, reply, 64};
  ++repliesOnTheirWay_;
  Enqueue(event);
}

CommandReport SimulatedKeyboard::Answer(const CommandReport& request) {
  CommandReport reply{};
  reply[dev::kReportIdByte] = dev::kCommandReportId;
  std::copy_n(request.begin() + dev::kOpcodeByte, 4, reply.begin() + dev::kOpcodeByte);  // opcode, length, offset
  const std::uint16_t sum = dev::FrameSum(request);
  const bool frameOk = request[dev::kReportIdByte] == dev::kCommandReportId &&
                       request[dev::kFrameSumByte] == (sum & 0xFF) && request[dev::kFrameSumByte + 1] == (sum >> 8);
  if (!frameOk) {
    reply[dev::kStatusByte] = dev::kStatusFailure;
  } else if (statusNext_ > 0) {
    --statusNext_;
    reply[dev::kStatusByte] = forcedStatus_;
  } else {
    reply[dev::kStatusByte] = Execute(request, reply);
  }
  dev::StoreFrameSum(reply);
  return reply;
}

std::uint8_t SimulatedKeyboard::Execute(const CommandReport& request, CommandReport& reply) {
  const int length = request[dev::kLengthByte];
  const int offset = OffsetOf(request);
  const std::uint8_t* in = request.data() + dev::kPayloadByte;
  std::uint8_t* out = reply.data() + dev::kPayloadByte;
  if (length > static_cast<int>(dev::kPayloadSize)) return dev::kStatusFailure;
  const int bank = offset / dev::kKeyBankStride;
  const int position = offset % dev::kKeyBankStride;
  const std::size_t macroUsable = std::min(areas_.settings.MacroSpace(), areas_.macroArea.size());
  bool ok = false;
  switch (request[dev::kOpcodeByte]) {
    case dev::kOpBeginSession:
    case dev::kOpEndSession:
      ok = true;
      break;
    case dev::kOpReadSettingsBlock:
      ok = ReadArea(areas_.settings.Bytes(), dev::kSettingsBlockSize, 0, static_cast<int>(dev::kSettingsBlockSize), out);
      break;
    case dev::kOpWriteSettingsBlock:
      ok = length == static_cast<int>(dev::kSettingsBlockSize) &&
           WriteArea(areas_.settings.Bytes(), dev::kSettingsBlockSize, 0, length, in);
      break;
    case dev::kOpReadSettingsBytes:
      // Always 56 bytes back; what lies past the three records reads as zero.
      ok = offset < static_cast<int>(kLightingAreaSize);
      if (ok) {
        const int n = std::min<int>(static_cast<int>(dev::kPayloadSize), static_cast<int>(kLightingAreaSize) - offset);
        std::memcpy(out, areas_.lighting.data() + offset, static_cast<std::size_t>(n));
      }
      break;
    case dev::kOpWriteSettingsBytes:
      ok = WriteArea(areas_.lighting, areas_.lighting.size(), offset, length, in);
      break;
    case dev::kOpReadKeyBlock:
      ok = bank < dev::kKeyBankCount && ReadArea(areas_.keyBanks[static_cast<std::size_t>(bank)], dev::kKeyBlockSize, position, length, out);
      break;
    case dev::kOpWriteKeyBlock:
      ok = bank < dev::kKeyBankCount && WriteArea(areas_.keyBanks[static_cast<std::size_t>(bank)], dev::kKeyBlockSize, position, length, in);
      break;
    case dev::kOpReadMacroArea:
      ok = ReadArea(areas_.macroArea, macroUsable, offset, length, out);
      break;
    case dev::kOpWriteMacroArea:
      ok = WriteArea(areas_.macroArea, macroUsable, offset, length, in);
      break;
    case dev::kOpReadDefaultKeyBlock:
      ok = ReadArea(areas_.defaultKeyBlock, dev::kKeyBlockSize, offset, length, out);
      break;
    case dev::kOpWriteKeyColours:
      ok = WriteArea(areas_.keyColours, areas_.keyColours.size(), offset, length, in);
      break;
    default:
      break;
  }
  if (!ok) std::fill(out, out + dev::kPayloadSize, std::uint8_t{0});
  return ok ? kStatusOk : dev::kStatusFailure;
}

// --- the keyboard's thread ------------------------------------------------------------------------------

void SimulatedKeyboard::Enqueue(PendingEvent event) {
  queue_.push_back(event);
  wake_.notify_all();
}

void SimulatedKeyboard::Run() {
  std::unique_lock lock(lock_);
  while (!stopping_) {
    if (queue_.empty()) {
      wake_.wait(lock);
      continue;
    }
    if (queue_.front().due > std::chrono::steady_clock::now()) {
      wake_.wait_until(lock, queue_.front().due);
      continue;
    }
    PendingEvent event = queue_.front();
    queue_.pop_front();
    if (event.kind == EventKind::kReply) --repliesOnTheirWay_;
    lock.unlock();
    Dispatch(event);  // callbacks may call back into the library: never under the lock
    lock.lock();
    if (event.kind == EventKind::kReply) ++repliesDelivered_;
  }
}

void SimulatedKeyboard::Dispatch(const PendingEvent& event) {
  std::vector<Reader> readers;
  {
    std::lock_guard lock(lock_);
    const dev::UnitId& unit = event.kind == EventKind::kConsumer ? dev::kConsumerUnit : dev::kCommandUnit;
    for (const Reader& r : readers_) {
      if (r.unit == unit) readers.push_back(r);
    }
  }
  const std::uint32_t kind = event.kind == EventKind::kDeviceChange ? dev::kEventDeviceChange : dev::kEventInputReport;
  const std::uint8_t* data = event.kind == EventKind::kDeviceChange ? nullptr : event.report.data();
  for (const Reader& r : readers) {
    dev::EventRecords records;
    dev::BuildEventRecords(records, kind, r.tag, event.count, data, data);
    r.callback(records.event.data());
  }
}

// --- cable, keys and faults -------------------------------------------------------------------------------

void SimulatedKeyboard::Plug() {
  std::lock_guard lock(lock_);
  present_ = true;
  bootMode_ = false;
  Enqueue({std::chrono::steady_clock::now(), EventKind::kDeviceChange, {}, 1});
}

void SimulatedKeyboard::Unplug() {
  std::lock_guard lock(lock_);
  present_ = false;
  std::erase_if(queue_, [](const PendingEvent& e) { return e.kind == EventKind::kReply; });
  repliesOnTheirWay_ = 0;
  Enqueue({std::chrono::steady_clock::now(), EventKind::kDeviceChange, {}, 0});
}

bool SimulatedKeyboard::IsPresent() const {
  std::lock_guard lock(lock_);
  return present_;
}

bool SimulatedKeyboard::InBootMode() const {
  std::lock_guard lock(lock_);
  return bootMode_;
}

void SimulatedKeyboard::SendConsumerCode(std::uint16_t code) {
  std::lock_guard lock(lock_);
  if (!present_) return;
  PendingEvent event{std::chrono::steady_clock::now(), EventKind::kConsumer, {}, 2};
  event.report[0] = static_cast<std::uint8_t>(code & 0xFF);
  event.report[1] = static_cast<std::uint8_t>(code >> 8);
  Enqueue(event);
}

void SimulatedKeyboard::SetReplyDelay(std::chrono::microseconds delay) {
  std::lock_guard lock(lock_);
  replyDelay_ = delay;
}

void SimulatedKeyboard::DropNextReplies(int count) {
  std::lock_guard lock(lock_);
  dropNext_ = std::max(count, 0);
}

void SimulatedKeyboard::AnswerWrongOpcodeNext(int count) {
  std::lock_guard lock(lock_);
  wrongOpcodeNext_ = std::max(count, 0);
}

void SimulatedKeyboard::AnswerStatusNext(int count, std::uint8_t status) {
  std::lock_guard lock(lock_);
  statusNext_ = std::max(count, 0);
  forcedStatus_ = status;
}

void SimulatedKeyboard::SetRefuseWrites(bool refuse) {
  std::lock_guard lock(lock_);
  refuseWrites_ = refuse;
}

// --- logs and areas ----------------------------------------------------------------------------------------

std::vector<CommandReport> SimulatedKeyboard::ReceivedReports() const {
  std::lock_guard lock(lock_);
  return log_;
}

std::size_t SimulatedKeyboard::ReceivedCount() const {
  std::lock_guard lock(lock_);
  return log_.size();
}

void SimulatedKeyboard::ClearLog() {
  std::lock_guard lock(lock_);
  log_.clear();
  ledWrites_.clear();
  overlaps_ = 0;
  checksumErrors_ = 0;
  deviceCountQueries_ = 0;
}

void SimulatedKeyboard::SetRecording(bool record) {
  std::lock_guard lock(lock_);
  recording_ = record;
}

std::vector<std::array<std::uint8_t, 2>> SimulatedKeyboard::LedWrites() const {
  std::lock_guard lock(lock_);
  return ledWrites_;
}

std::array<std::uint8_t, 2> SimulatedKeyboard::LedStatus() const {
  std::lock_guard lock(lock_);
  return ledStatus_;
}

int SimulatedKeyboard::OverlapCount() const {
  std::lock_guard lock(lock_);
  return overlaps_;
}

int SimulatedKeyboard::ChecksumErrors() const {
  std::lock_guard lock(lock_);
  return checksumErrors_;
}

int SimulatedKeyboard::DeviceCountQueries() const {
  std::lock_guard lock(lock_);
  return deviceCountQueries_;
}

std::uint64_t SimulatedKeyboard::RepliesDelivered() const {
  std::lock_guard lock(lock_);
  return repliesDelivered_;
}

KeyboardAreas SimulatedKeyboard::Areas() const {
  std::lock_guard lock(lock_);
  return areas_;
}

void SimulatedKeyboard::ModifyAreas(const std::function<void(KeyboardAreas&)>& change) {
  std::lock_guard lock(lock_);
  change(areas_);
  areas_.macroArea.resize(dev::kMaxMacroAreaSize, 0);
}

dev::SettingsBlock SimulatedKeyboard::SettingsBlock() const {
  std::lock_guard lock(lock_);
  return areas_.settings;
}

std::array<std::uint8_t, dev::kKeyBlockSize> SimulatedKeyboard::KeyBank(int bank) const {
  std::lock_guard lock(lock_);
  return areas_.keyBanks[static_cast<std::size_t>(std::clamp(bank, 0, dev::kKeyBankCount - 1))];
}

std::vector<std::uint8_t> SimulatedKeyboard::MacroArea() const {
  std::lock_guard lock(lock_);
  return areas_.macroArea;
}

}  // namespace mv::sim
