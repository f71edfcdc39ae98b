#include "store/atomic_file.h"

#include <fcntl.h>
#include <unistd.h>

#include <cstdio>
#include <fstream>
#include <iterator>

namespace {

bool writeAll(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t n = ::write(fd, bytes.data(), bytes.size());
    if (n < 0) return false;
    bytes.remove_prefix(static_cast<std::size_t>(n));
  }
  return true;
}

std::filesystem::path tempOf(const std::filesystem::path& target) {
  return target.string() + ".tmp";
}

bool writeTemp(const FileBytes& file, bool sync) {
  std::error_code ec;
  std::filesystem::create_directories(file.target.parent_path(), ec);
  const int fd =
      ::open(tempOf(file.target).c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
  if (fd < 0) return false;
  bool ok = writeAll(fd, file.bytes);
  if (ok && sync) ok = ::fsync(fd) == 0;
  return (::close(fd) == 0) && ok;
}

void syncFolder(const std::filesystem::path& folder) {
  const int dir = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (dir < 0) return;
  ::fsync(dir);
  ::close(dir);
}

}  // namespace

std::size_t ReplaceFiles(const std::vector<FileBytes>& files, bool sync) {
  std::error_code ec;
  for (std::size_t i = 0; i < files.size(); ++i) {
    if (writeTemp(files[i], sync)) continue;
    for (std::size_t j = 0; j <= i; ++j) std::filesystem::remove(tempOf(files[j].target), ec);
    return i;
  }
  for (std::size_t i = 0; i < files.size(); ++i) {
    const auto temp = tempOf(files[i].target);
    if (std::rename(temp.c_str(), files[i].target.c_str()) != 0) {
      for (std::size_t j = i; j < files.size(); ++j)
        std::filesystem::remove(tempOf(files[j].target), ec);
      return i;
    }
  }
  // The renames themselves reach the disk only with their folders.
  if (sync)
    for (const FileBytes& f : files) syncFolder(f.target.parent_path());
  return files.size();
}

std::optional<std::string> ReadWholeFile(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  if (!in) return std::nullopt;
  std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  if (in.bad()) return std::nullopt;
  return bytes;
}
