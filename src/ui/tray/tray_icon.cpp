// The notification-area icon and its hook.
#include "ui/tray/tray_icon.h"

#include <algorithm>

#include "ui/framework/user_handle.h"

#include "ui/framework/wide_text.h"
#include "ui/res/resource.h"

namespace mv::ui {

namespace {
constexpr UINT kTrayMenuId = IDR_TRAY_MENU;

void SetItemText(HMENU menu, UINT position, UINT command, const std::u16string& text) {
  ::ModifyMenuW(menu, position, MF_BYPOSITION | MF_STRING, command, Wide(text));
}
}  // namespace

LRESULT CTrayHook::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  icon_.OnHookedMessage(hwnd(), message, wParam, lParam);
  return Default(message, wParam, lParam);
}

CTrayIcon::CTrayIcon() : ownerHook_(*this), parentHook_(*this) {
  taskbarCreated_ = ::RegisterWindowMessageW(L"TaskbarCreated");
}

bool CTrayIcon::Create(HWND owner, UINT callbackMessage, const std::u16string& tooltip, HICON icon, UINT iconId) {
  if (!::IsWindow(owner)) return false;
  {
    std::lock_guard lock(lock_);
    data_ = NOTIFYICONDATAW{};
    data_.cbSize = sizeof(data_);
    data_.hWnd = owner;
    data_.uID = iconId;
    data_.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
    data_.uCallbackMessage = callbackMessage;
    data_.hIcon = icon;
    const std::size_t n = std::min(tooltip.size(), std::size(data_.szTip) - 1);
    for (std::size_t i = 0; i < n; ++i) data_.szTip[i] = static_cast<wchar_t>(tooltip[i]);
    data_.szTip[n] = L'\0';
  }
  (void)ownerHook_.Attach(owner);
  HWND parent = ::GetAncestor(owner, GA_ROOT);
  if (parent && parent != owner) (void)parentHook_.Attach(parent);
  std::lock_guard lock(lock_);
  created_ = ::Shell_NotifyIconW(NIM_ADD, &data_) != FALSE;
  hidden_ = false;
  return created_;
}

bool CTrayIcon::SetIconResource(int resourceId) {
  // Shared icons live as long as the module: nothing to free when the next one replaces it.
  HICON icon = static_cast<HICON>(::LoadImageW(::GetModuleHandleW(nullptr), MAKEINTRESOURCEW(resourceId),
                                               IMAGE_ICON, 0, 0, LR_DEFAULTSIZE | LR_SHARED));
  iconResource_.store(resourceId);
  std::lock_guard lock(lock_);
  if (icon) data_.hIcon = icon;
  if (!created_) return false;
  data_.uFlags = NIF_ICON;
  const bool ok = ::Shell_NotifyIconW(NIM_MODIFY, &data_) != FALSE;
  data_.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
  return ok;
}

void CTrayIcon::Remove() {
  {
    std::lock_guard lock(lock_);
    if (created_) {
      ::Shell_NotifyIconW(NIM_DELETE, &data_);
      created_ = false;
    }
  }
  ownerHook_.Detach();
  parentHook_.Detach();
}

void CTrayIcon::ReAdd() {
  std::lock_guard lock(lock_);
  if (!created_ || hidden_) return;
  ::Shell_NotifyIconW(NIM_DELETE, &data_);
  created_ = ::Shell_NotifyIconW(NIM_ADD, &data_) != FALSE;
}

bool CTrayIcon::OnHookedMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == taskbarCreated_ && taskbarCreated_ != 0) {
    ReAdd();
    return true;
  }
  if (window == data_.hWnd && message == data_.uCallbackMessage && message != 0) {
    OnTrayNotification(wParam, lParam);
    return true;
  }
  return false;
}

void CTrayIcon::OnTrayNotification(WPARAM iconId, LPARAM mouseMessage) {
  {
    std::lock_guard lock(lock_);
    if (iconId != data_.uID) return;  // another icon of the same owner
  }
  const UINT mouse = LOWORD(mouseMessage);
  if (mouse == WM_RBUTTONUP) {
    ShowMenu();
  } else if (mouse == WM_LBUTTONDBLCLK) {
    UniqueMenu menu(::LoadMenuW(::GetModuleHandleW(nullptr), MAKEINTRESOURCEW(kTrayMenuId)));
    HMENU popup = menu ? ::GetSubMenu(menu.get(), 0) : nullptr;
    if (!popup) return;
    ::SetForegroundWindow(data_.hWnd);
    ::SendMessageW(data_.hWnd, WM_COMMAND, ::GetMenuItemID(popup, 0), 0);
  }
}

void CTrayIcon::ShowMenu() {
  UniqueMenu menu(::LoadMenuW(::GetModuleHandleW(nullptr), MAKEINTRESOURCEW(kTrayMenuId)));
  HMENU popup = menu ? ::GetSubMenu(menu.get(), 0) : nullptr;
  if (!popup) return;
  SetItemText(popup, 0, ID_TRAY_OPEN, menuTexts_.open);
  SetItemText(popup, 1, ID_APP_ABOUT, menuTexts_.about);
  SetItemText(popup, 2, ID_TRAY_EXIT, menuTexts_.exit);
  ::SetMenuDefaultItem(popup, 0, TRUE);
  POINT at{};
  ::GetCursorPos(&at);
  ::SetForegroundWindow(data_.hWnd);
  ::TrackPopupMenu(popup, TPM_LEFTBUTTON, at.x, at.y, 0, data_.hWnd, nullptr);
}

}  // namespace mv::ui
