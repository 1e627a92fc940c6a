#pragma once

#include "tutor/classroom/class_overview.h"

#include <QStringList>

#include <optional>
#include <string>
#include <vector>

namespace rods {

// The progress files the Class window reads: the pupils' files in the
// program's data folder and those in the files and folders a teacher added,
// each file once however it was reached, and what could not be read.
struct ClassFiles {
    std::vector<PupilFile> files;        // those read
    std::vector<std::string> errors;     // why a file could not be read, for the teacher
    std::vector<std::string> unreadable; // paths that could not be read or listed
};
[[nodiscard]] ClassFiles readClassFiles(const std::string& dataFolder, const QStringList& added);

// What the teacher should know before trusting the table: the lines that
// could not be read, each file or folder that could not be read, or that
// there are no files at all. Empty when everything was read.
[[nodiscard]] QString classNotice(const ClassFiles& read);

// The level and set of the newest problem worked at a level, if any: the set
// a teacher most likely asks about.
struct SetWorked {
    Operation operation = Operation::Multiply;
    int level = 0;
    int set = 0;
};
[[nodiscard]] std::optional<SetWorked> newestSet(const std::vector<PupilFile>& files);

} // namespace rods
