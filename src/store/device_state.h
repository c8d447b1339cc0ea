// What the program knows of the connected keyboard between detections: the layout template that
// gives each key position its key, the macro space, and the cached active profile. Written by the
// presence handling, read by the download; the main window owns one.
#pragma once

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <mutex>

#include "device/commands.h"
#include "store/key_map.h"

namespace mv::store {

class DeviceState {
 public:
  KeyMapImage LayoutTemplate() const;
  // The keyboard's default key block replaces the template when it has been read.
  void SetLayoutTemplate(const KeyMapImage& image);

  // The settings block's macro capacity, in units of 128 bytes; marks the keyboard as detected.
  void SetMacroCapacity(std::uint8_t units);
  std::size_t MacroSpace() const { return macroSpace_.load(); }
  // Whether a keyboard's settings have been read since start.
  bool KeyboardDetected() const { return detected_.load(); }

  // Whether the keyboard's configuration has been read back since it arrived. Until it has, the
  // working store holds defaults, not what the keyboard holds: nothing may replace the profile
  // file or the keyboard's configuration with them.
  bool ConfigurationRead() const { return configurationRead_.load(); }
  void SetConfigurationRead(bool read) { configurationRead_.store(read); }

  // -1 = not known.
  int CachedProfile() const { return cachedProfile_.load(); }
  void SetCachedProfile(int profile) { cachedProfile_.store(profile); }
  void ForgetProfile() { cachedProfile_.store(-1); }

 private:
  mutable std::mutex templateLock_;
  KeyMapImage template_ = BuiltInLayout();
  std::atomic<std::size_t> macroSpace_{0};
  std::atomic<bool> detected_{false};
  std::atomic<bool> configurationRead_{false};
  std::atomic<int> cachedProfile_{-1};
};

// The keyboard's active profile: the cached value, else the settings block's active profile (then
// cached). -1 when no keyboard answered or its byte names no profile 0..2; that is not cached.
int CurrentProfileIndex(DeviceState& state, device::DeviceCommands& commands);

}  // namespace mv::store
