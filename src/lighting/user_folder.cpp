// Paths inside the per-user folder.
#include "lighting/user_folder.h"

#include "platform/files.h"

namespace mv::lighting {

std::u16string UserFolderPath(const std::u16string& documentsFolder) {
  std::u16string path = documentsFolder;
  if (!path.empty() && path.back() != u'\\' && path.back() != u'/') path += platform::kPathSeparator;
  return path + std::u16string(kUserFolderName);
}

std::u16string UserFilePath(const std::u16string& documentsFolder, std::u16string_view fileName) {
  return UserFolderPath(documentsFolder) + platform::kPathSeparator + std::u16string(fileName);
}

}  // namespace mv::lighting
