// The per-user folder "Tamro" under the documents folder: it holds the profile file, wskb.ini and
// the user colour files. The documents folder is passed in so that tests can point elsewhere.
#pragma once

#include <string>
#include <string_view>

namespace mv::lighting {

inline constexpr std::u16string_view kUserFolderName = u"Tamro";
inline constexpr std::u16string_view kWskbIniName = u"wskb.ini";

// documents + separator + "Tamro", without a trailing separator.
std::u16string UserFolderPath(const std::u16string& documentsFolder);
// The file name inside the per-user folder.
std::u16string UserFilePath(const std::u16string& documentsFolder, std::u16string_view fileName);

}  // namespace mv::lighting
