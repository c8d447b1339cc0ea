// The Win32 boundary for texts: our UTF-16 strings viewed as wchar_t (16 bits on Windows), and
// window texts read back into std::u16string.
#pragma once

#include <windows.h>

#include <string>
#include <string_view>

namespace mv::ui {

static_assert(sizeof(wchar_t) == sizeof(char16_t), "Windows wchar_t is UTF-16");

inline const wchar_t* Wide(const std::u16string& s) { return reinterpret_cast<const wchar_t*>(s.c_str()); }

inline std::u16string FromWide(const wchar_t* s) {
  return s ? std::u16string(reinterpret_cast<const char16_t*>(s)) : std::u16string();
}

inline std::u16string WindowText(HWND window) {
  const int length = ::GetWindowTextLengthW(window);
  if (length <= 0) return {};
  std::u16string text(static_cast<std::size_t>(length) + 1, u'\0');
  const int copied = ::GetWindowTextW(window, reinterpret_cast<wchar_t*>(text.data()), length + 1);
  text.resize(copied > 0 ? static_cast<std::size_t>(copied) : 0);
  return text;
}

inline void SetWindowTextU16(HWND window, const std::u16string& text) {
  ::SetWindowTextW(window, Wide(text));
}

}  // namespace mv::ui
