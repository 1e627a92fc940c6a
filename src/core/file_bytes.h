#pragma once

#include <cstddef>
#include <string>

namespace rods {

// A file descriptor, closed when it goes.
class FileDescriptor {
public:
    explicit FileDescriptor(int fd);
    ~FileDescriptor();
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;
    [[nodiscard]] int get() const { return fd_; }
    [[nodiscard]] bool valid() const { return fd_ >= 0; }

private:
    int fd_;
};

// The bytes of a plain file, or the error number why there are none. Reading
// stops one byte past `most`, which is enough to tell a file too large
// without reading it whole; a folder or a pipe is refused unread.
struct FileBytes {
    std::string bytes;
    int error = 0;
};
[[nodiscard]] FileBytes readPlainFile(const std::string& path, std::size_t most);

} // namespace rods
