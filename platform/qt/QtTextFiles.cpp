#include "platform/qt/QtTextFiles.h"

#include <QBuffer>
#include <QImage>
#include <QImageWriter>

#include "util/Files.h"

namespace mirvo {

std::optional<std::string> QtTextFiles::Read(const std::string& path, size_t maxBytes) const {
  FileContent content = ReadRegularFile(path, maxBytes);
  if (content.status != FileContent::kRead) return std::nullopt;
  return std::move(content.bytes);
}

// A window never waits for the reader of a FIFO: without one the save fails at once.
std::string QtTextFiles::Replace(const std::string& path, const std::string& content) {
  return ReplaceFile(path, content, false);
}

std::string SaveImageFile(const QImage& image, const std::string& path, const char* format) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  QImageWriter writer(&buffer, QByteArray(format).toLower());
  if (!writer.write(image)) return writer.errorString().toStdString();
  return ReplaceFile(path, std::string_view(bytes.constData(), static_cast<size_t>(bytes.size())), false);
}

}  // namespace mirvo
