#pragma once

#include "tutor/progress/progress_record.h"

#include <string>

namespace rods {

// The folder a learner's progress is kept in: numbering-rods under
// $XDG_DATA_HOME, or under ~/.local/share where that is not set (or not an
// absolute path, as the XDG rules have it).
[[nodiscard]] std::string progressFolder();

// The file of a learner's progress: one record a line, only ever appended to.
// Each record goes out in one write and is synced before the append returns,
// so that a crash, kill or power cut loses nothing written before it; a lock
// beside the file lets two copies of the program append at once. Damaged
// lines are left where they are: a record never joins a line cut short.
class ProgressFile {
public:
    explicit ProgressFile(std::string folder);

    [[nodiscard]] const std::string& path() const { return path_; }

    // Empty when the record is kept; otherwise why not, for the learner.
    std::string append(const ProgressRecord& record) const;
    // The records, read around anything damaged. A missing file has none.
    [[nodiscard]] ProgressRead read(std::string* error = nullptr) const;
    // Empties the file, for a learner who asked to; empty when done.
    std::string forget() const;

private:
    std::string folder_;
    std::string path_;
    std::string lockPath_;
};

} // namespace rods
