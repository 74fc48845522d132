#include "files/file_io.h"

#include <algorithm>
#include <atomic>
#include <fstream>
#include <random>
#include <system_error>

#if defined(_WIN32)
#ifndef NOMINMAX
#define NOMINMAX
#endif
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>
#else
#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace wattora {
namespace {

namespace fs = std::filesystem;

// A name beside the target that no other save uses at the same time; creating it fails
// rather than reuse an existing file.
fs::path TemporarySibling(const fs::path& target) {
  static std::atomic<unsigned> counter{0};
  static const unsigned process = std::random_device{}();
  std::string name = ".wattora-save-";
  name += std::to_string(process);
  name += '-';
  name += std::to_string(counter.fetch_add(1));
  name += ".tmp";
  return target.parent_path() / PathFromUtf8(name);
}

#if defined(_WIN32)

bool WriteNewFile(const fs::path& temporary, const fs::path&, std::string_view bytes) {
  HANDLE file = CreateFileW(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  bool ok = true;
  while (ok && !bytes.empty()) {
    const auto chunk = static_cast<DWORD>(std::min<std::size_t>(bytes.size(), 1u << 30));
    DWORD written = 0;
    ok = WriteFile(file, bytes.data(), chunk, &written, nullptr) != 0 && written > 0;
    bytes.remove_prefix(written);
  }
  ok = ok && FlushFileBuffers(file) != 0;
  ok = (CloseHandle(file) != 0) && ok;
  return ok;
}

bool MoveOver(const fs::path& from, const fs::path& to) {
  return MoveFileExW(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
}

void SyncFolder(const fs::path&) {}

#else

bool WriteAll(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t written = ::write(fd, bytes.data(), bytes.size());
    if (written < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    bytes.remove_prefix(static_cast<std::size_t>(written));
  }
  return true;
}

bool WriteNewFile(const fs::path& temporary, const fs::path& target, std::string_view bytes) {
  const int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
  if (fd < 0) return false;
  bool ok = true;
  struct stat old {};
  if (::stat(target.c_str(), &old) == 0 && S_ISREG(old.st_mode)) {
    ok = ::fchmod(fd, old.st_mode & 07777) == 0;
  }
  ok = ok && WriteAll(fd, bytes) && ::fsync(fd) == 0;
  ok = (::close(fd) == 0) && ok;
  return ok;
}

bool MoveOver(const fs::path& from, const fs::path& to) {
  return std::rename(from.c_str(), to.c_str()) == 0;
}

// Makes the rename itself durable; a failure here loses nothing that was not already safe.
void SyncFolder(const fs::path& folder) {
  const int fd = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  ::fsync(fd);
  ::close(fd);
}

#endif

}  // namespace

fs::path PathFromUtf8(std::string_view path) {
  return fs::path(std::u8string(reinterpret_cast<const char8_t*>(path.data()), path.size()));
}

std::string PathToUtf8(const fs::path& path) {
  const std::u8string text = path.u8string();
  return std::string(reinterpret_cast<const char*>(text.data()), text.size());
}

bool RegularFileExists(std::string_view path) {
  if (path.empty()) return false;
  std::error_code error;
  return fs::is_regular_file(PathFromUtf8(path), error);
}

bool ReadFileBytes(const fs::path& path, std::string& bytes, std::size_t maxSize) {
  bytes.clear();
  std::error_code error;
  if (fs::is_directory(path, error)) return false;
  std::ifstream in(path, std::ios::binary);
  if (!in) return false;
  char buffer[65536];
  while (in) {
    in.read(buffer, sizeof buffer);
    const auto count = static_cast<std::size_t>(in.gcount());
    if (bytes.size() + count > maxSize) return false;
    bytes.append(buffer, count);
  }
  return in.eof() && !in.bad();
}

bool ReplaceFile(const fs::path& path, std::string_view bytes) {
  const fs::path temporary = TemporarySibling(path);
  std::error_code error;
  if (!WriteNewFile(temporary, path, bytes)) {
    fs::remove(temporary, error);
    return false;
  }
  if (!MoveOver(temporary, path)) {
    fs::remove(temporary, error);
    return false;
  }
  SyncFolder(path.parent_path());
  return true;
}

}  // namespace wattora
