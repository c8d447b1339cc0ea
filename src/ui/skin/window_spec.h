// A skinned window as a description: its template, layout file, look pictures and, per control,
// the layout entry that places it and how. SkinnedControls is the one piece of code that turns a
// description into placed controls; the program's windows and the screenshot program share both.
#pragma once

#include <windows.h>

#include <array>
#include <functional>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "app/paths.h"
#include "ui/skin/png_button.h"
#include "ui/skin/skin_pictures.h"

namespace mv::ui {

enum class PlacementKind : char {
  kButton = 'B',        // image button with the window's looks
  kSecondButton = 'M',  // image button with the window's second looks (the key editor's macro buttons)
  kControl = 'C',       // plain control, moved and sized
  kArrow = 'A',         // image control cut from the arrow picture at the entry "<key>_PIC"
};

struct Placement {
  int id;
  std::u16string_view key;  // entry of the layout file's button section
  PlacementKind kind;
};

// Picture files in the Skins folder, in look order: normal, hover, pressed, disabled, alternate.
using LookFiles = std::array<std::u16string_view, 5>;

struct WindowSpec {
  const char* name;  // the window's short name ("main", "composite", ...)
  int templateId;
  std::u16string app::ProgramPaths::*layoutFile;
  std::span<const Placement> placements;
  LookFiles looks;
  LookFiles secondLooks = {};              // empty unless a placement is kSecondButton
  std::u16string_view arrowPicture = {};  // empty unless a placement is kArrow
};

inline const std::u16string& LayoutFileOf(const WindowSpec& spec, const app::ProgramPaths& paths) {
  return paths.*spec.layoutFile;
}

// The owner of a window's five button looks: shared pictures kept alive as long as the set is.
class LookSet {
 public:
  // Ends the program when a picture cannot be loaded (SkinPictures::Get).
  void Load(const LookFiles& files, SkinPictures& pictures, HWND window);
  // Borrowed pointers, valid while this set lives; all null before Load.
  SkinLooks Looks() const;
  bool loaded() const { return pictures_[0] != nullptr; }

 private:
  std::array<SkinPictures::Picture, 5> pictures_;
};

class SkinnedControls {
 public:
  // The window's own button for an image placement, or null to have one made and kept here.
  // A button returned unattached is attached to the control.
  using WindowButton = std::function<CPngButton*(int id)>;

  // Loads the window's looks (and its second looks and arrow picture when the description names
  // them) and places every control of its table that the dialog has. A picture that cannot be loaded ends the
  // program with exit code 0; a missing layout entry places the control at (1, 1), which
  // disables an image button.
  void Place(HWND dialog, const WindowSpec& spec, const std::u16string& layoutFile, SkinPictures& pictures,
             const WindowButton& windowButton = {});

  // The image button placed for the control (the window's own included), or null.
  CPngButton* Button(int id) const;
  const LookSet& looks() const { return looks_; }
  const LookSet& secondLooks() const { return second_; }

 private:
  CPngButton* ButtonFor(HWND control, int id, const WindowButton& windowButton);

  LookSet looks_;
  LookSet second_;
  SkinPictures::Picture arrow_;
  std::vector<std::unique_ptr<CPngButton>> owned_;
  std::vector<CPngButton*> buttons_;
};

}  // namespace mv::ui
