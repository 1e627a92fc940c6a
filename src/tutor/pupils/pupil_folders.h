#pragma once

#include "tutor/progress/progress_file.h"

#include <string>
#include <vector>

namespace rods {

// The pupils who worked with the program on this computer account: a folder
// per pupil under "pupils" in the data folder, named from the pupil's name
// (pupilFolderName) and holding the pupil's progress file and the place they
// left off. Whatever a name holds, its folder is one level below "pupils".
class PupilFolders {
public:
    explicit PupilFolders(std::string dataFolder);

    [[nodiscard]] std::string folderOf(const std::string& pupil) const;
    [[nodiscard]] ProgressFile progressOf(const std::string& pupil) const;
    // Where the pupil left off, in that pupil's folder.
    [[nodiscard]] std::string placeOf(const std::string& pupil) const;

    // The pupils' names, as their files give them, in byte order.
    [[nodiscard]] std::vector<std::string> pupils() const;

    // Gives the progress kept before pupils had folders of their own to the
    // pupil named, once: the records are copied into the pupil's new file
    // after its pupil line, and the old file goes only when the copy is safe.
    // Empty when done or when there is nothing to give; otherwise why not.
    std::string adoptEarlierProgress(const std::string& pupil) const;

private:
    std::string data_;
};

// The name in a file of where a pupil left off: its first line, "pupil" and
// the name, apart by a tab.
[[nodiscard]] std::string pupilNamedInPlace(std::string_view place);

} // namespace rods
