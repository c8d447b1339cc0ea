// CBaseDialog: the skinned dialog every window of the program derives from. It takes its
// background and its shape from the pictures its layout file names ("SCREEN"/"Main" and
// "SCREEN"/"Mask"), paints the background itself and can be dragged by its body.
//
// Derived windows override OnInitDialog (calling CBaseDialog::OnInitDialog first, which runs
// InitSkin) and HandleMessage (calling CBaseDialog::HandleMessage for what they leave).
#pragma once

#include <string>

#include "ui/framework/dialog.h"
#include "ui/framework/gdi_handle.h"
#include "ui/framework/offscreen_picture.h"

namespace mv::ui {

class CBaseDialog : public Dialog {
 public:
  // layoutFile: full path of the window's INI layout file; skinFolder: folder the "SCREEN" values
  // are relative to, ending with a separator.
  CBaseDialog(int templateId, HWND parent, std::u16string layoutFile, std::u16string skinFolder);

  INT_PTR DoModal() { return RunModal(parent_); }
  HWND Create() { return CreateModeless(parent_); }

  const std::u16string& layoutFile() const { return layoutFile_; }
  const std::u16string& skinFolder() const { return skinFolder_; }
  const OffscreenPicture& background() const { return background_; }
  bool busy() const { return busy_; }
  HWND parent() const { return parent_; }

 protected:
  BOOL OnInitDialog() override;
  INT_PTR HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
  void OnOK() override;
  void OnCancel() override;

  // Loads the two pictures (the background in the language of the skins folder's language file),
  // sizes, hides and shapes the window; in Chinese the controls get the Chinese twin of the
  // dialog's font. A picture that cannot be loaded ends the program.
  void InitSkin();
  // Shared by WM_PAINT and WM_PRINTCLIENT.
  virtual void PaintBackground(HDC dc);

 private:
  void FreePictures();

  HWND parent_;
  std::u16string layoutFile_;
  std::u16string skinFolder_;
  OffscreenPicture background_;
  UniqueFont chineseFont_;
  bool busy_ = false;
};

}  // namespace mv::ui
