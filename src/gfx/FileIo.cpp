// Whole-file reading and atomic writing with POSIX calls, so every failure has its errno text.
#include "gfx/FileIo.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <random>
#include <string>

#include "gfx/ImageError.h"

namespace gfx {

namespace {

class FileDescriptor {
 public:
  explicit FileDescriptor(int fd) : fd_(fd) {}
  ~FileDescriptor() {
    if (fd_ >= 0) ::close(fd_);
  }
  FileDescriptor(const FileDescriptor&) = delete;
  FileDescriptor& operator=(const FileDescriptor&) = delete;
  int get() const { return fd_; }
  int release() {
    int fd = fd_;
    fd_ = -1;
    return fd;
  }

 private:
  int fd_;
};

std::string Reason() { return std::strerror(errno); }

// Creates a file of a new name "<dir>/.orvel-<random>" with mode 0666, which the kernel narrows by
// the umask as for any new file. mkstemp would make it 0600, and reading the umask to widen it again
// means setting it, which races with every other thread that creates a file: the batch writes one
// output per core. Returns the descriptor (or -1 with errno set) and the name in `temp_path`.
int CreateTemporaryFile(const std::string& dir, std::string& temp_path) {
  static constexpr char kDigits[] = "0123456789abcdefghijklmnopqrstuvwxyz";
  thread_local std::mt19937_64 random{std::random_device{}()};
  for (int attempt = 0; attempt < 100; ++attempt) {
    uint64_t bits = random();
    temp_path = dir + "/.orvel-";
    for (int i = 0; i < 10; ++i, bits /= 36) temp_path += kDigits[bits % 36];
    const int fd = ::open(temp_path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd >= 0 || errno != EEXIST) return fd;
  }
  return -1;  // errno is EEXIST
}

}  // namespace

bool IsRegularFile(const std::string& path) {
  struct stat st {};
  return ::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

std::vector<uint8_t> ReadWholeFile(const std::string& path) {
  FileDescriptor fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
  if (fd.get() < 0) throw ImageError("无法读取文件 " + path + ": " + Reason());
  struct stat st {};
  if (::fstat(fd.get(), &st) != 0) throw ImageError("无法读取文件 " + path + ": " + Reason());
  if (S_ISDIR(st.st_mode)) throw ImageError("无法读取文件 " + path + ": 这是一个文件夹");
  std::vector<uint8_t> bytes;
  if (st.st_size > 0) bytes.reserve(static_cast<size_t>(st.st_size));
  uint8_t buffer[1 << 16];
  for (;;) {
    ssize_t n = ::read(fd.get(), buffer, sizeof buffer);
    if (n < 0) {
      if (errno == EINTR) continue;
      throw ImageError("无法读取文件 " + path + ": " + Reason());
    }
    if (n == 0) break;
    bytes.insert(bytes.end(), buffer, buffer + n);
  }
  return bytes;
}

void WriteFileAtomically(const std::string& path, const uint8_t* data, size_t size) {
  AtomicFileWriter file(path);
  file.Write(data, size);  // a failure is reported by Commit
  file.Commit();
}

FileReader::FileReader(const std::string& path) : path_(path) {
  FileDescriptor fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
  if (fd.get() < 0) throw ImageError("无法读取文件 " + path + ": " + Reason());
  struct stat st {};
  if (::fstat(fd.get(), &st) != 0) throw ImageError("无法读取文件 " + path + ": " + Reason());
  if (S_ISDIR(st.st_mode)) throw ImageError("无法读取文件 " + path + ": 这是一个文件夹");
  regular_ = S_ISREG(st.st_mode);
  size_ = regular_ ? static_cast<uint64_t>(st.st_size) : 0;
  fd_ = fd.release();
}

FileReader::~FileReader() { ::close(fd_); }

long FileReader::Read(uint8_t* buffer, size_t size) noexcept {
  for (;;) {
    const ssize_t n = ::read(fd_, buffer, size);
    if (n >= 0) return static_cast<long>(n);
    if (errno == EINTR) continue;
    error_ = errno;
    return -1;
  }
}

const char* FileReader::ErrorText() const { return std::strerror(error_); }

bool FileReader::Rewind() noexcept {
  if (::lseek(fd_, 0, SEEK_SET) == 0) return true;
  error_ = errno;
  return false;
}

AtomicFileWriter::AtomicFileWriter(const std::string& path) : path_(path) {
  std::string dir = ".";
  size_t slash = path.rfind('/');
  if (slash != std::string::npos) dir = slash == 0 ? "/" : path.substr(0, slash);
  fd_ = CreateTemporaryFile(dir == "/" ? std::string() : dir, temp_path_);
  if (fd_ < 0) throw ImageError("无法写入文件 " + path + ": " + Reason());
}

AtomicFileWriter::~AtomicFileWriter() {
  if (fd_ < 0) return;  // committed, or the failed commit has cleaned up
  ::close(fd_);
  ::unlink(temp_path_.c_str());
}

bool AtomicFileWriter::Write(const uint8_t* data, size_t size) noexcept {
  if (error_ != 0) return false;
  size_t done = 0;
  while (done < size) {
    const ssize_t n = ::write(fd_, data + done, size - done);
    if (n < 0) {
      if (errno == EINTR) continue;
      error_ = errno;
      return false;
    }
    done += static_cast<size_t>(n);
  }
  written_ += size;
  return true;
}

const char* AtomicFileWriter::ErrorText() const { return std::strerror(error_); }

void AtomicFileWriter::Commit() {
  const int fd = fd_;
  fd_ = -1;
  auto fail = [&](const std::string& reason) {
    ::unlink(temp_path_.c_str());
    throw ImageError("无法写入文件 " + path_ + ": " + reason);
  };
  if (error_ != 0) {
    ::close(fd);
    fail(ErrorText());
  }
  // A new file has the usual permissions already (the kernel applied the umask to 0666); a file
  // that is replaced keeps its own.
  struct stat st {};
  if (::stat(path_.c_str(), &st) == 0) ::fchmod(fd, st.st_mode & 07777);
  if (::close(fd) != 0) fail(Reason());
  if (::rename(temp_path_.c_str(), path_.c_str()) != 0) fail(Reason());
}

}  // namespace gfx
