#pragma once

#include "tutor/progress/progress_record.h"

#include <string>
#include <vector>

namespace rods {

// The folder a learner's progress is kept in: numbering-rods under
// $XDG_DATA_HOME, or under ~/.local/share where that is not set (or not an
// absolute path, as the XDG rules have it).
[[nodiscard]] std::string progressFolder();

// The file of a pupil's progress: one record a line, only ever appended to.
// Each record goes out in one write and is synced before the append returns,
// so that a crash, kill or power cut loses nothing written before it; a lock
// beside the file lets two copies of the program append at once. Damaged
// lines are left where they are: a record never joins a line cut short.
// Records a pupil asks to forget are moved aside whole into a dated file in
// the same folder, from where they can be restored.
class ProgressFile {
public:
    // A new file starts with a line naming the pupil, when one is given.
    explicit ProgressFile(std::string folder, std::string pupil = {});

    [[nodiscard]] const std::string& path() const { return path_; }
    [[nodiscard]] const std::string& pupil() const { return pupil_; }

    // Empty when the record is kept; otherwise why not, for the learner.
    std::string append(const ProgressRecord& record) const;
    // The records, read around anything damaged. A missing file has none.
    [[nodiscard]] ProgressRead read(std::string* error = nullptr) const;
    // Moves the records aside into a dated file beside them
    // ("forgotten-2026-12-08-130522.tsv"), which `kept` names; empty when
    // done, or why not.
    std::string forget(std::string* kept = nullptr) const;
    // The dated files of records forgotten, the oldest first.
    [[nodiscard]] std::vector<std::string> forgottenFiles() const;
    // Puts the records of a forgotten file back before those kept since, and
    // then removes it. A line already in the file is not written twice, so a
    // restoring cut short by a crash can be done again. Empty when done.
    std::string restore(const std::string& forgotten) const;

private:
    std::string folder_;
    std::string pupil_;
    std::string path_;
    std::string lockPath_;
};

} // namespace rods
