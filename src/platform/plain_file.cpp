#include "platform/plain_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <utility>

namespace {

class FileDescriptor {
 public:
  explicit FileDescriptor(int descriptor) : descriptor_(descriptor) {}
  ~FileDescriptor() {
    if (descriptor_ >= 0) ::close(descriptor_);
  }
  FileDescriptor(const FileDescriptor&) = delete;
  FileDescriptor& operator=(const FileDescriptor&) = delete;
  int get() const { return descriptor_; }
  bool valid() const { return descriptor_ >= 0; }
  int release() { return std::exchange(descriptor_, -1); }

 private:
  int descriptor_;
};

std::optional<std::string> ReadAll(int descriptor) {
  std::string content;
  char buffer[65536];
  for (;;) {
    const ssize_t got = ::read(descriptor, buffer, sizeof buffer);
    if (got == 0) return content;
    if (got < 0) {
      if (errno == EINTR) continue;
      return std::nullopt;
    }
    content.append(buffer, static_cast<std::size_t>(got));
  }
}

bool WriteAll(int descriptor, std::string_view content) {
  while (!content.empty()) {
    const ssize_t written = ::write(descriptor, content.data(), content.size());
    if (written < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    content.remove_prefix(static_cast<std::size_t>(written));
  }
  return true;
}

bool IsPlainFile(int descriptor) {
  struct stat status {};
  return ::fstat(descriptor, &status) == 0 && S_ISREG(status.st_mode);
}

}  // namespace

bool IsReadOnlyFile(const std::filesystem::path& file) {
  struct stat status {};
  return ::stat(file.c_str(), &status) == 0 && (status.st_mode & 0222) == 0;
}

std::optional<std::string> ReadWritableFile(const std::filesystem::path& file) {
  if (IsReadOnlyFile(file)) return std::nullopt;
  FileDescriptor descriptor(::open(file.c_str(), O_RDWR | O_CLOEXEC));
  if (!descriptor.valid() || !IsPlainFile(descriptor.get())) return std::nullopt;
  return ReadAll(descriptor.get());
}

std::optional<std::string> ReadWholeFile(const std::filesystem::path& file) {
  FileDescriptor descriptor(::open(file.c_str(), O_RDONLY | O_CLOEXEC));
  if (!descriptor.valid() || !IsPlainFile(descriptor.get())) return std::nullopt;
  return ReadAll(descriptor.get());
}

bool WriteFileAtomically(const std::filesystem::path& file, std::string_view content) {
  struct stat status {};
  const bool exists = ::stat(file.c_str(), &status) == 0;
  if (exists && (!S_ISREG(status.st_mode) || (status.st_mode & 0222) == 0)) return false;
  static std::atomic<unsigned> counter{0};
  std::filesystem::path temporary = file;
  temporary += ".tmp-" + std::to_string(::getpid()) + "-" + std::to_string(counter++);
  const mode_t mode = exists ? (status.st_mode & 07777) : 0666;
  FileDescriptor descriptor(::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode));
  if (!descriptor.valid()) return false;
  if (exists) ::fchmod(descriptor.get(), mode);  // the umask does not narrow an existing file's mode
  const bool written = WriteAll(descriptor.get(), content) && ::fsync(descriptor.get()) == 0;
  const bool closed = ::close(descriptor.release()) == 0;
  if (!written || !closed || ::rename(temporary.c_str(), file.c_str()) != 0) {
    ::unlink(temporary.c_str());
    return false;
  }
  FileDescriptor directory(::open(file.parent_path().empty() ? "." : file.parent_path().c_str(),
                                  O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  if (directory.valid()) ::fsync(directory.get());
  return true;
}

bool DeleteFileIfWritable(const std::filesystem::path& file) {
  struct stat status {};
  if (::lstat(file.c_str(), &status) != 0 || S_ISDIR(status.st_mode) || (status.st_mode & 0222) == 0)
    return false;
  return ::unlink(file.c_str()) == 0;
}
