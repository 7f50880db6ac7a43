#include "platform/qt/QtFileDialogs.h"

#include "platform/qt/QtServices.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QStandardPaths>
#include <QStringList>

#include "platform/qt/QtTranslate.h"

namespace mirvo {
namespace {

// The (description, pattern) pairs of a "description|pattern|…" filter, trimmed.
QList<QPair<QString, QString>> FilterPairs(const std::string& filter) {
  const QStringList parts = QString::fromStdString(filter).split('|');
  QList<QPair<QString, QString>> pairs;
  for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
    pairs.append({TranslateText("FileDialogs", parts[i].trimmed().toStdString()), parts[i + 1].trimmed()});
  }
  return pairs;
}

}  // namespace

QString QtFilterOf(const std::string& filter) {
  QStringList entries;
  for (const auto& [description, pattern] : FilterPairs(filter)) {
    entries.append(description.contains('(' + pattern + ')') ? description
                                                             : description + " (" + pattern + ')');
  }
  return entries.join(";;");
}

QString StartFolderPath(StartFolder folder) {
  const QString path =
      QStandardPaths::writableLocation(folder == StartFolder::kPictures ? QStandardPaths::PicturesLocation
                                                                        : QStandardPaths::DocumentsLocation);
  return !path.isEmpty() && QFileInfo(path).isDir() ? path : QDir::homePath();
}

std::string QtFileDialogs::SaveFileName(const std::string& title, const std::string& filter,
                                        const std::string& fileName, StartFolder folder) {
  QFileDialog dialog(DialogOwner(parent_), TranslateText("FileDialogs", title), StartFolderPath(folder),
                     QtFilterOf(filter));
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setFileMode(QFileDialog::AnyFile);
  if (!fileName.empty()) dialog.selectFile(QString::fromStdString(fileName));
  const auto pairs = FilterPairs(filter);
  if (!pairs.isEmpty() && pairs.front().second.startsWith("*.")) {
    dialog.setDefaultSuffix(pairs.front().second.mid(2));
  }
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return "";
  return dialog.selectedFiles().front().toStdString();
}

}  // namespace mirvo
