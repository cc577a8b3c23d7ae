#pragma once
// A small tmpfs mounted for one test, optionally made read-only: real disk-full and
// read-only faults, which file permissions cannot give a test running as root.

#include <sys/mount.h>

#include <filesystem>
#include <string>

class SmallFileSystem {
 public:
  SmallFileSystem(const std::filesystem::path& at, std::size_t bytes) : at_(at) {
    std::filesystem::create_directories(at_);
    mounted_ = ::mount("tmpfs", at_.c_str(), "tmpfs", 0, ("size=" + std::to_string(bytes)).c_str()) == 0;
  }
  ~SmallFileSystem() {
    if (mounted_) ::umount2(at_.c_str(), MNT_DETACH);
  }
  SmallFileSystem(const SmallFileSystem&) = delete;
  SmallFileSystem& operator=(const SmallFileSystem&) = delete;

  bool Mounted() const { return mounted_; }
  bool MakeReadOnly() {
    return ::mount("tmpfs", at_.c_str(), "tmpfs", MS_REMOUNT | MS_RDONLY, nullptr) == 0;
  }

 private:
  std::filesystem::path at_;
  bool mounted_ = false;
};
