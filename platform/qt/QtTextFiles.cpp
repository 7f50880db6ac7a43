#include "platform/qt/QtTextFiles.h"

#include <QFile>
#include <QSaveFile>
#include <cerrno>
#include <cstring>

namespace mirvo {

std::optional<std::string> QtTextFiles::Read(const std::string& path, size_t maxBytes) const {
  QFile file(QString::fromStdString(path));
  if (!file.open(QIODevice::ReadOnly)) return std::nullopt;
  if (file.size() < 0 || static_cast<unsigned long long>(file.size()) > maxBytes) return std::nullopt;
  // A file may grow between the size check and the read: read at most one byte past the limit.
  const QByteArray bytes = file.read(static_cast<qint64>(maxBytes) + 1);
  if (static_cast<size_t>(bytes.size()) > maxBytes || file.error() != QFileDevice::NoError) return std::nullopt;
  return bytes.toStdString();
}

// Unbuffered, so that a write the disk cuts short is seen here: a buffered QSaveFile flushes only
// inside commit(), which (Qt 6.4) renames the cut temporary file over the old one regardless.
std::string QtTextFiles::Replace(const std::string& path, const std::string& content) {
  QSaveFile file(QString::fromStdString(path));
  if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) return file.errorString().toStdString();
  const qint64 size = static_cast<qint64>(content.size());
  if (file.write(content.data(), size) != size) {
    // A short write sets no error of its own; the system's reason is then the disk's.
    std::string reason = file.error() == QFileDevice::NoError ? std::strerror(errno) : file.errorString().toStdString();
    file.cancelWriting();
    return reason;
  }
  if (!file.commit()) return file.errorString().toStdString();
  return "";
}

}  // namespace mirvo
