// Files and output streams of both programs, without Qt: a whole regular file read without ever
// waiting on a FIFO or a device, and a file written so that it is either the old one or the whole
// new one, without turning a device, a FIFO or a symbolic link into a plain file on the way.
#pragma once

#include <cstddef>
#include <streambuf>
#include <string>
#include <string_view>

namespace mirvo {

// What reading a whole file gave.
struct FileContent {
  enum Status { kRead, kMissing, kNotRegular, kTooLarge, kFailed };
  Status status = kFailed;
  std::string bytes;   // kRead: the file's bytes
  std::string reason;  // otherwise: why, as the system words it
};

// The bytes of the regular file at path (symbolic links followed) when it holds at most maxBytes.
// Anything else (a FIFO, a device, a folder) is kNotRegular and is never read, so that a FIFO
// left where a settings file belongs cannot hold a program up.
FileContent ReadRegularFile(const std::string& path, size_t maxBytes);

// Writes all bytes to an open descriptor, again after an interruption: "" or the reason of the
// first failure.
std::string WriteToDescriptor(int fd, std::string_view bytes);

// A file replaced as a whole. What path names decides how:
//   "-", /dev/stdout, /dev/stderr, /dev/fd/N, /proc/self/fd/N  the descriptor the program holds,
//       written as it is (so a shell's ">>" keeps appending);
//   a device, a FIFO, a socket  written directly, never replaced;
//   a symbolic link  followed to the file it names, which is replaced in its own folder;
//   a regular file, or nothing  a temporary file beside it, renamed over it once every byte is
//       on the disk. An existing file keeps its mode (and, where the system allows, its owner);
//       one the user may not write is refused, as cp refuses it.
// The temporary file is removed when the replacement is abandoned; temporary files that an
// interrupted run left beside the same target are removed after the next success.
class FileReplacement {
 public:
  // waitForReader: whether opening a FIFO may wait for its reader (the command line), or fails
  // at once when there is none (a window must not hang).
  explicit FileReplacement(const std::string& path, bool waitForReader = true);
  ~FileReplacement();
  FileReplacement(const FileReplacement&) = delete;
  FileReplacement& operator=(const FileReplacement&) = delete;

  // "" while everything succeeded; otherwise the reason of the first failure.
  const std::string& error() const { return error_; }
  // Appends bytes (buffered); false once anything failed.
  bool Write(std::string_view bytes);
  // Writes what is buffered and puts the new file in place: "" on success, otherwise the reason
  // (the old file is then untouched). Nothing may be written afterwards.
  std::string Commit();

 private:
  bool Fail(const std::string& reason);
  bool Flush();
  void Abandon();

  int fd_ = -1;
  bool ownsFd_ = false;
  std::string target_;  // the regular file to replace ("" when written directly)
  std::string temp_;    // the temporary file beside it
  std::string buffer_;
  std::string error_;
  bool done_ = false;
};

// The whole content, through a FileReplacement: "" on success, otherwise the reason.
std::string ReplaceFile(const std::string& path, std::string_view content, bool waitForReader = true);

// An output stream buffer on a descriptor (standard output of the command-line tool) that keeps
// the reason of the first failed write: the stream then goes bad and the program can say why
// instead of reporting success for output that was lost.
class DescriptorBuffer : public std::streambuf {
 public:
  explicit DescriptorBuffer(int fd) : fd_(fd) { setp(buffer_, buffer_ + sizeof buffer_); }
  ~DescriptorBuffer() override { sync(); }
  // "" while every write succeeded.
  const std::string& error() const { return error_; }

 protected:
  int_type overflow(int_type c) override;
  int sync() override;
  std::streamsize xsputn(const char* s, std::streamsize n) override;

 private:
  bool Drain();
  int fd_;
  std::string error_;
  char buffer_[1 << 16];
};

}  // namespace mirvo
