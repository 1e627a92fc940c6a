#pragma once

#include <string>
#include <string_view>

namespace rods {

// Writes every byte, going on after a signal; false with errno set when the
// file refuses.
[[nodiscard]] bool writeAll(int fd, std::string_view bytes);

// Makes the folder and those above it, as mkdir -p does, for this account
// only; false with errno set when one cannot be made.
[[nodiscard]] bool makeFolders(const std::string& folder);

// Makes a renaming or a new file in the folder last through a power cut.
void syncFolder(const std::string& folder);

// Replaces the file with the bytes at once: they go to a file beside it,
// synced, which is then renamed over it, so that a crash at any moment leaves
// the old contents or the new, never a mixture. Empty when done, or the
// system's reason why not.
[[nodiscard]] std::string replaceFile(const std::string& path, std::string_view bytes);

} // namespace rods
