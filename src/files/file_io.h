#pragma once
// Whole-file reads and atomic replacement of a file, with paths held as UTF-8 text.

#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>

namespace wattora {

std::filesystem::path PathFromUtf8(std::string_view path);
std::string PathToUtf8(const std::filesystem::path& path);

// True when the path names an existing regular file.
bool RegularFileExists(std::string_view path);

// Reads the whole file into `bytes`. False when it cannot be opened or read, or when it is
// larger than maxSize bytes.
bool ReadFileBytes(const std::filesystem::path& path, std::string& bytes, std::size_t maxSize);

// Replaces the file's content by `bytes`: they go to a new file beside it, are flushed to
// the disk, and that file is renamed over the old one. On any failure the old file stays as
// it was and the new one is removed. A new file takes over the permissions of the old one.
bool ReplaceFile(const std::filesystem::path& path, std::string_view bytes);

}  // namespace wattora
