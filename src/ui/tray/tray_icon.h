// CTrayIcon: one notification-area icon for an owner window, and CTrayHook, which subclasses the
// owner to receive the icon's mouse callbacks and the shell's "TaskbarCreated" broadcast (the
// icon is added again when the shell restarts).
#pragma once

#include <windows.h>
#include <shellapi.h>

#include <atomic>
#include <mutex>
#include <string>

#include "ui/framework/subclassed_window.h"

namespace mv::ui {

class CTrayIcon;

// Our subclassing class serves as the owner hook.
using CSubclassWnd = SubclassedWindow;

class CTrayHook : public CSubclassWnd {
 public:
  explicit CTrayHook(CTrayIcon& icon) : icon_(icon) {}

 protected:
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  CTrayIcon& icon_;
};

class CTrayIcon {
 public:
  // The texts of the tray menu's three items, read when the menu opens.
  struct MenuTexts {
    std::u16string open, about, exit;
  };

  CTrayIcon();
  ~CTrayIcon() { Remove(); }
  CTrayIcon(const CTrayIcon&) = delete;
  CTrayIcon& operator=(const CTrayIcon&) = delete;

  // Adds the icon; false (not created) when the owner is not a window.
  bool Create(HWND owner, UINT callbackMessage, const std::u16string& tooltip, HICON icon, UINT iconId);
  // Loads the icon resource and shows it. Callable from any thread.
  bool SetIconResource(int resourceId);
  void Remove();

  // The hook's work: the callback message and the shell restart.
  bool OnHookedMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  void OnTrayNotification(WPARAM iconId, LPARAM mouseMessage);

  void SetMenuTexts(MenuTexts texts) { menuTexts_ = std::move(texts); }
  bool created() const { return created_; }
  bool hidden() const { return hidden_; }
  int iconResource() const { return iconResource_.load(); }
  HWND owner() const { return data_.hWnd; }
  // Re-adds the icon as after a shell restart.
  void ReAdd();

 private:
  void ShowMenu();

  mutable std::mutex lock_;  // the icon data: changed by presence and icon threads
  NOTIFYICONDATAW data_{};
  bool created_ = false;
  bool hidden_ = false;
  std::atomic<int> iconResource_{0};
  UINT taskbarCreated_ = 0;
  MenuTexts menuTexts_;
  CTrayHook ownerHook_;
  CTrayHook parentHook_;
};

}  // namespace mv::ui
