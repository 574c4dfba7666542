// Whole-file reading and writing, and reading and writing in pieces; writes go through a temporary
// file renamed over the target.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace gfx {

// A file read from its start in pieces, for readers that never hold the whole file. Read and
// Rewind never throw, so that they can be called from inside a codec library's callbacks.
class FileReader {
 public:
  // Opens the file; throws ImageError naming it when it cannot be opened or is a folder.
  explicit FileReader(const std::string& path);
  ~FileReader();
  FileReader(const FileReader&) = delete;
  FileReader& operator=(const FileReader&) = delete;

  const std::string& Path() const { return path_; }
  // True for a regular file (not a pipe or a device), whose size Size() gives.
  bool IsRegular() const { return regular_; }
  uint64_t Size() const { return size_; }

  // Reads up to `size` bytes into `buffer`: the count read, 0 at the end of the file, -1 after a
  // failure, which ErrorText() then describes.
  long Read(uint8_t* buffer, size_t size) noexcept;
  // Goes back to the start of a regular file; false (with ErrorText) when it cannot.
  bool Rewind() noexcept;
  const char* ErrorText() const;

 private:
  std::string path_;
  int fd_ = -1;
  bool regular_ = false;
  uint64_t size_ = 0;
  int error_ = 0;  // errno of the last failure
};

// A file written in pieces to a temporary file in the target's folder, renamed over the target by
// Commit. Destroying it before Commit removes the temporary file, so a failure never leaves a
// half-written file nor destroys the old one. Write never throws, for a codec library's callbacks.
class AtomicFileWriter {
 public:
  // Creates the temporary file; throws ImageError naming the target when it cannot.
  explicit AtomicFileWriter(const std::string& path);
  ~AtomicFileWriter();
  AtomicFileWriter(const AtomicFileWriter&) = delete;
  AtomicFileWriter& operator=(const AtomicFileWriter&) = delete;

  // Appends the bytes; false after a failure, which ErrorText() then describes (later writes
  // fail too).
  bool Write(const uint8_t* data, size_t size) noexcept;
  uint64_t BytesWritten() const { return written_; }
  bool Failed() const { return error_ != 0; }
  const char* ErrorText() const;
  // Renames the complete file over the target, which keeps its permissions when it existed.
  // Throws ImageError naming the target on failure (a failed Write's reason included); the
  // temporary file is then gone.
  void Commit();

 private:
  std::string path_;
  std::string temp_path_;
  int fd_ = -1;
  uint64_t written_ = 0;
  int error_ = 0;  // errno of the failed write, once one has failed
};

// True when the path names a regular file (not a folder, a pipe or a device). Opening a pipe to
// look at it would take the data a writer sends.
bool IsRegularFile(const std::string& path);

// Reads a whole file; throws ImageError naming the file when it cannot be read.
std::vector<uint8_t> ReadWholeFile(const std::string& path);

// Writes bytes to a temporary file in the target's folder and renames it over the target when
// complete, so a failure never leaves a half-written file nor destroys the old one. Throws
// ImageError naming the file on failure.
void WriteFileAtomically(const std::string& path, const uint8_t* data, size_t size);
inline void WriteFileAtomically(const std::string& path, const std::vector<uint8_t>& bytes) {
  WriteFileAtomically(path, bytes.data(), bytes.size());
}

}  // namespace gfx
