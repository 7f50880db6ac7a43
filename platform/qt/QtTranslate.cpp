#include "platform/qt/QtTranslate.h"

#include <QCoreApplication>
#include <QRegularExpression>
#include <QStringList>

namespace mirvo {
namespace {

// The translation of one exact text, or nothing.
bool Lookup(const char* context, const QString& text, QString& out) {
  const QByteArray key = text.toUtf8();
  out = QCoreApplication::translate(context, key.constData());
  return out != text;
}

// One line: as it is, then with its numbers as place markers. A text with more than nine numbers
// is not a sentence a translation holds.
QString TranslateLine(const char* context, const QString& line) {
  if (line.trimmed().isEmpty()) return line;
  QString out;
  if (Lookup(context, line, out)) return out;
  static const QRegularExpression kDigits("[0-9]+");
  QStringList numbers;
  QString pattern;
  qsizetype last = 0;
  for (auto it = kDigits.globalMatch(line); it.hasNext();) {
    const QRegularExpressionMatch m = it.next();
    numbers << m.captured();
    pattern += line.mid(last, m.capturedStart() - last) + '%' + QString::number(numbers.size());
    last = m.capturedEnd();
  }
  if (numbers.isEmpty() || numbers.size() > 9) return line;
  pattern += line.mid(last);
  if (!Lookup(context, pattern, out)) return line;
  // Each marker once, in the translation's own order; a marker the translation dropped is left
  // out, one it repeats is filled each time.
  QString filled;
  for (qsizetype i = 0; i < out.size(); ++i) {
    if (out[i] == '%' && i + 1 < out.size() && out[i + 1] >= '1' && out[i + 1] <= '9') {
      const int n = out[i + 1].digitValue();
      if (n <= numbers.size()) {
        filled += numbers[n - 1];
        ++i;
        continue;
      }
    }
    filled += out[i];
  }
  return filled;
}

}  // namespace

QString TranslateText(const char* context, std::string_view english) {
  const QString text = QString::fromUtf8(english.data(), static_cast<qsizetype>(english.size()));
  if (text.isEmpty()) return text;
  QString out;
  if (Lookup(context, text, out)) return out;
  if (!text.contains('\n')) return TranslateLine(context, text);
  // Line ends stay as they were ("\r\n" or "\n").
  QStringList lines = text.split('\n');
  for (QString& line : lines) {
    const bool cr = line.endsWith('\r');
    if (cr) line.chop(1);
    line = TranslateLine(context, line) + (cr ? "\r" : "");
  }
  return lines.join('\n');
}

}  // namespace mirvo
