#include "util/Files.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cctype>
#include <cerrno>
#include <charconv>
#include <cstdio>
#include <cstring>
#include <random>

namespace mirvo {
namespace {

constexpr const char* kTempMarker = ".vantrel-";
constexpr size_t kTempRandomLength = 8;
constexpr size_t kWriteBufferBytes = 1 << 16;
// As the system's own limit on links followed in one path.
constexpr int kMaxLinks = 40;

std::string Reason(int error) { return std::strerror(error); }

std::string FolderOf(const std::string& path) {
  const size_t slash = path.rfind('/');
  if (slash == std::string::npos) return ".";
  return slash == 0 ? "/" : path.substr(0, slash);
}

std::string NameOf(const std::string& path) {
  const size_t slash = path.rfind('/');
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

// The descriptor a path stands for ("-", /dev/stdout, /dev/fd/1 …), or -1.
int DescriptorOfPath(const std::string& path) {
  if (path == "-" || path == "/dev/stdout") return 1;
  if (path == "/dev/stderr") return 2;
  for (const std::string_view prefix : {"/dev/fd/", "/proc/self/fd/"}) {
    if (path.size() <= prefix.size() || path.compare(0, prefix.size(), prefix) != 0) continue;
    int fd = -1;
    const char* first = path.data() + prefix.size();
    const char* last = path.data() + path.size();
    const auto [end, ec] = std::from_chars(first, last, fd);
    if (ec == std::errc() && end == last && fd >= 0) return fd;
  }
  return -1;
}

// The path with every symbolic link of its last part followed ("" and errno set on a loop or an
// error). A link to nothing yields the path the file is to be made at.
std::string FollowLinks(std::string path) {
  for (int links = 0; links <= kMaxLinks; ++links) {
    struct stat st;
    if (lstat(path.c_str(), &st) != 0) return errno == ENOENT ? path : "";
    if (!S_ISLNK(st.st_mode)) return path;
    std::string target(4096, '\0');
    const ssize_t n = readlink(path.c_str(), target.data(), target.size());
    if (n < 0) return "";
    if (static_cast<size_t>(n) >= target.size()) {
      errno = ENAMETOOLONG;
      return "";
    }
    target.resize(static_cast<size_t>(n));
    path = target.front() == '/' ? target : FolderOf(path) + "/" + target;
  }
  errno = ELOOP;
  return "";
}

bool IsOurTemporary(const std::string& name, const std::string& prefix) {
  if (name.size() != prefix.size() + kTempRandomLength || name.compare(0, prefix.size(), prefix) != 0)
    return false;
  for (size_t i = prefix.size(); i < name.size(); ++i) {
    if (!std::isalnum(static_cast<unsigned char>(name[i]))) return false;
  }
  return true;
}

// Temporary files of this target that no running replacement holds: a replacement keeps its
// temporary file locked until it is renamed or removed, so a file whose lock is free was left by
// a run that was interrupted.
void RemoveStaleTemporaries(const std::string& target) {
  const std::string folder = FolderOf(target);
  const std::string prefix = "." + NameOf(target) + kTempMarker;
  DIR* dir = opendir(folder.c_str());
  if (dir == nullptr) return;
  while (const dirent* entry = readdir(dir)) {
    const std::string name = entry->d_name;
    if (!IsOurTemporary(name, prefix)) continue;
    const std::string path = folder + "/" + name;
    const int fd = open(path.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) continue;
    struct stat held, named;
    if (fstat(fd, &held) == 0 && S_ISREG(held.st_mode) && flock(fd, LOCK_EX | LOCK_NB) == 0 &&
        lstat(path.c_str(), &named) == 0 && named.st_dev == held.st_dev && named.st_ino == held.st_ino) {
      unlink(path.c_str());
    }
    close(fd);
  }
  closedir(dir);
}

}  // namespace

FileContent ReadRegularFile(const std::string& path, size_t maxBytes) {
  FileContent content;
  struct stat st;
  if (stat(path.c_str(), &st) != 0) {
    content.status = errno == ENOENT ? FileContent::kMissing : FileContent::kFailed;
    content.reason = Reason(errno);
    return content;
  }
  if (!S_ISREG(st.st_mode)) {
    content.status = FileContent::kNotRegular;
    content.reason = "not a regular file";
    return content;
  }
  // Non-blocking: the path may have become a FIFO since it was looked at.
  const int fd = open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
  if (fd < 0) {
    content.status = errno == ENOENT ? FileContent::kMissing : FileContent::kFailed;
    content.reason = Reason(errno);
    return content;
  }
  if (fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
    close(fd);
    content.status = FileContent::kNotRegular;
    content.reason = "not a regular file";
    return content;
  }
  // A file may grow while it is read: at most one byte past the limit is read.
  std::string bytes;
  char chunk[1 << 14];
  for (;;) {
    const ssize_t n = read(fd, chunk, sizeof chunk);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) {
      content.reason = Reason(errno);
      close(fd);
      return content;
    }
    if (n == 0) break;
    bytes.append(chunk, static_cast<size_t>(n));
    if (bytes.size() > maxBytes) {
      close(fd);
      content.status = FileContent::kTooLarge;
      content.reason = "larger than " + std::to_string(maxBytes) + " bytes";
      return content;
    }
  }
  close(fd);
  content.status = FileContent::kRead;
  content.bytes = std::move(bytes);
  return content;
}

std::string WriteToDescriptor(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t n = write(fd, bytes.data(), bytes.size());
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) return Reason(errno);
    if (n == 0) return "nothing could be written";
    bytes.remove_prefix(static_cast<size_t>(n));
  }
  return "";
}

FileReplacement::FileReplacement(const std::string& path, bool waitForReader) {
  if (path.empty()) {
    Fail("no file name");
    return;
  }
  if (const int fd = DescriptorOfPath(path); fd >= 0) {
    fd_ = fd;
    return;
  }
  const std::string target = FollowLinks(path);
  if (target.empty()) {
    Fail(Reason(errno));
    return;
  }
  struct stat st;
  const bool exists = stat(target.c_str(), &st) == 0;
  if (!exists && errno != ENOENT) {
    Fail(Reason(errno));
    return;
  }
  if (exists && !S_ISREG(st.st_mode)) {
    // A device, a FIFO or a socket is written, not replaced. Opening without waiting and then
    // clearing the flag lets a window fail at once when a FIFO has no reader.
    fd_ = open(target.c_str(), O_WRONLY | O_NOCTTY | O_CLOEXEC | (waitForReader ? 0 : O_NONBLOCK));
    if (fd_ < 0) {
      Fail(Reason(errno));
      return;
    }
    ownsFd_ = true;
    if (!waitForReader) fcntl(fd_, F_SETFL, fcntl(fd_, F_GETFL) & ~O_NONBLOCK);
    return;
  }
  // As cp: a file the user may not write is not written, even though its folder would let it be
  // replaced.
  if (exists && faccessat(AT_FDCWD, target.c_str(), W_OK, AT_EACCESS) != 0) {
    Fail(Reason(errno));
    return;
  }
  std::random_device seed;
  std::mt19937 random(seed());
  constexpr char kLetters[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
  const std::string prefix = FolderOf(target) + "/." + NameOf(target) + kTempMarker;
  for (int attempt = 0; attempt < 100; ++attempt) {
    std::string temp = prefix;
    for (size_t i = 0; i < kTempRandomLength; ++i) temp += kLetters[random() % (sizeof kLetters - 1)];
    // 0666 before the umask, as any new file; an existing file's mode is copied below.
    const int fd = open(temp.c_str(), O_RDWR | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
    if (fd < 0 && errno == EEXIST) continue;
    if (fd < 0) {
      Fail(Reason(errno));
      return;
    }
    // Locked while it is ours (see RemoveStaleTemporaries); one that another run removed in the
    // instant before the lock is given up for a new one.
    struct stat made;
    if (flock(fd, LOCK_EX | LOCK_NB) != 0 || fstat(fd, &made) != 0 || made.st_nlink == 0) {
      close(fd);
      continue;
    }
    fd_ = fd;
    ownsFd_ = true;
    temp_ = std::move(temp);
    break;
  }
  if (fd_ < 0) {
    Fail("no temporary file could be made beside it");
    return;
  }
  target_ = target;
  if (exists) {
    if (fchmod(fd_, st.st_mode & 07777) != 0) {
      Fail(Reason(errno));
      return;
    }
    // Kept where the system lets the owner be given (an administrator's run); otherwise the new
    // file is the writer's, as any replaced file.
    if (st.st_uid != geteuid() || st.st_gid != getegid()) {
      if (fchown(fd_, st.st_uid, st.st_gid) != 0 && fchown(fd_, static_cast<uid_t>(-1), st.st_gid) != 0) {
        // The writer's own owner and group it is, then.
      }
      // A change of owner clears the set-user and set-group bits.
      if (fchmod(fd_, st.st_mode & 07777) != 0) Fail(Reason(errno));
    }
  }
}

FileReplacement::~FileReplacement() { Abandon(); }

bool FileReplacement::Fail(const std::string& reason) {
  if (error_.empty()) error_ = reason.empty() ? "unknown error" : reason;
  return false;
}

bool FileReplacement::Flush() {
  if (!error_.empty()) return false;
  const std::string reason = WriteToDescriptor(fd_, buffer_);
  buffer_.clear();
  return reason.empty() || Fail(reason);
}

bool FileReplacement::Write(std::string_view bytes) {
  if (!error_.empty() || done_) return Fail("written after the end");
  buffer_.append(bytes);
  return buffer_.size() < kWriteBufferBytes || Flush();
}

std::string FileReplacement::Commit() {
  if (done_) {
    Fail("committed twice");
    return error_;
  }
  Flush();
  done_ = true;
  if (!error_.empty()) {
    Abandon();
    return error_;
  }
  if (temp_.empty()) {
    if (ownsFd_ && close(fd_) != 0) Fail(Reason(errno));
    fd_ = -1;
    return error_;
  }
  if (fsync(fd_) != 0) {
    Fail(Reason(errno));
    Abandon();
    return error_;
  }
  // Renamed while still locked, so that no other run takes it for a stale one.
  if (rename(temp_.c_str(), target_.c_str()) != 0) {
    Fail(Reason(errno));
    Abandon();
    return error_;
  }
  temp_.clear();
  close(fd_);
  fd_ = -1;
  RemoveStaleTemporaries(target_);
  return error_;
}

void FileReplacement::Abandon() {
  if (!temp_.empty()) {
    unlink(temp_.c_str());
    temp_.clear();
  }
  if (ownsFd_ && fd_ >= 0) close(fd_);
  fd_ = -1;
  ownsFd_ = false;
}

std::string ReplaceFile(const std::string& path, std::string_view content, bool waitForReader) {
  FileReplacement file(path, waitForReader);
  file.Write(content);
  return file.Commit();
}

bool DescriptorBuffer::Drain() {
  const std::string_view pending(pbase(), static_cast<size_t>(pptr() - pbase()));
  setp(buffer_, buffer_ + sizeof buffer_);
  if (!error_.empty()) return false;
  error_ = WriteToDescriptor(fd_, pending);
  return error_.empty();
}

DescriptorBuffer::int_type DescriptorBuffer::overflow(int_type c) {
  if (!Drain()) return traits_type::eof();
  if (traits_type::eq_int_type(c, traits_type::eof())) return traits_type::not_eof(c);
  *pptr() = traits_type::to_char_type(c);
  pbump(1);
  return c;
}

int DescriptorBuffer::sync() { return Drain() ? 0 : -1; }

std::streamsize DescriptorBuffer::xsputn(const char* s, std::streamsize n) {
  if (!error_.empty()) return 0;
  const auto room = static_cast<std::streamsize>(epptr() - pptr());
  if (n <= room) {
    std::memcpy(pptr(), s, static_cast<size_t>(n));
    pbump(static_cast<int>(n));
    return n;
  }
  if (!Drain()) return 0;
  if (n < static_cast<std::streamsize>(sizeof buffer_)) {
    std::memcpy(pptr(), s, static_cast<size_t>(n));
    pbump(static_cast<int>(n));
    return n;
  }
  error_ = WriteToDescriptor(fd_, std::string_view(s, static_cast<size_t>(n)));
  return error_.empty() ? n : 0;
}

}  // namespace mirvo
