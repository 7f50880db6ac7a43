#include "platform/qt/QtServices.h"

#include <sys/stat.h>
#include <QApplication>
#include <QClipboard>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMessageBox>
#include <QSettings>
#include <QStandardPaths>
#include <QUrl>

#include "platform/qt/QtTranslate.h"
#include "platform/services/Registry.h"

namespace mirvo {
namespace {

QString Q(const std::string& s) { return QString::fromStdString(s); }

}  // namespace

QWidget* DialogOwner(QWidget* fallback) {
  QWidget* active = QApplication::activeWindow();
  return active && active->isVisible() ? active : fallback;
}

MessageAnswer QtMessages::Show(const std::string& title, const std::string& text, MessageIcon icon,
                               MessageButtons buttons) {
  QMessageBox box(DialogOwner(parent_));
  // The rules speak English; the box speaks the window's language where a translation has the words.
  box.setWindowTitle(title.empty() ? QString(kProgramTitle) : TranslateText("Messages", title));
  box.setText(TranslateText("Messages", text));
  switch (icon) {
    case MessageIcon::kInformation: box.setIcon(QMessageBox::Information); break;
    case MessageIcon::kWarning: box.setIcon(QMessageBox::Warning); break;
    case MessageIcon::kError: box.setIcon(QMessageBox::Critical); break;
    case MessageIcon::kQuestion: box.setIcon(QMessageBox::Question); break;
    case MessageIcon::kNone: box.setIcon(QMessageBox::NoIcon); break;
  }
  switch (buttons) {
    case MessageButtons::kOk: box.setStandardButtons(QMessageBox::Ok); break;
    case MessageButtons::kYesNo: box.setStandardButtons(QMessageBox::Yes | QMessageBox::No); break;
    case MessageButtons::kOkCancel: box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel); break;
    case MessageButtons::kYesNoCancel:
      box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
      break;
  }
  switch (box.exec()) {
    case QMessageBox::Yes: return MessageAnswer::kYes;
    case QMessageBox::No: return MessageAnswer::kNo;
    case QMessageBox::Cancel: return MessageAnswer::kCancel;
    default: return MessageAnswer::kOk;
  }
}

void QtClipboard::SetText(const std::string& text) {
  if (auto* cb = QGuiApplication::clipboard()) cb->setText(Q(text));
}

std::string QtClipboard::Text() const {
  auto* cb = QGuiApplication::clipboard();
  return cb ? cb->text().toStdString() : std::string();
}

namespace {

// QSettings reads its file as soon as it is made: a FIFO or a device in the file's place would
// hold the program up at start for ever. Such a file is ignored, as a damaged one is: the settings
// then last for this run only, and saving them says that they could not be saved.
std::unique_ptr<QSettings> OpenSettings() {
  const QString path = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + '/' +
                       kMakerName + '/' + kProgramSettingsName + ".conf";
  struct stat st;
  if (stat(QFile::encodeName(path).constData(), &st) == 0 && !S_ISREG(st.st_mode)) {
    return std::make_unique<QSettings>(QString(), QSettings::IniFormat);
  }
  return std::make_unique<QSettings>(kMakerName, kProgramSettingsName);
}

}  // namespace

QtSettingsStore::QtSettingsStore() : settings_(OpenSettings()) {}

QtSettingsStore::~QtSettingsStore() = default;

QString QtSettingsStore::SettingsKey(const std::string& key, const std::string& name) {
  const std::string root = std::string(kRegistryRoot) + kProgramKeyPart;
  std::string rest;
  if (key == root) {
    rest.clear();
  } else if (key.rfind(root + "\\", 0) == 0) {
    rest = key.substr(root.size() + 1);
  } else {
    return {};
  }
  QString group = Q(rest).replace('\\', '/');
  return group.isEmpty() ? Q(name) : group + '/' + Q(name);
}

bool QtSettingsStore::Write(const std::string& key, const std::string& name, const std::string& value) {
  const QString k = SettingsKey(key, name);
  if (k.isEmpty() || !settings_->isWritable()) return false;
  settings_->setValue(k, Q(value));
  settings_->sync();
  return settings_->status() == QSettings::NoError;
}

bool QtSettingsStore::Read(const std::string& key, const std::string& name, std::string& value) const {
  const QString k = SettingsKey(key, name);
  if (k.isEmpty() || !settings_->contains(k)) return false;
  value = settings_->value(k).toString().toStdString();
  return true;
}

bool QtSettingsStore::KeyExists(const std::string& key) const {
  const QString probe = SettingsKey(key, "x");
  if (probe.isEmpty()) return false;
  const int slash = probe.lastIndexOf('/');
  if (slash < 0) return !settings_->allKeys().isEmpty();
  settings_->beginGroup(probe.left(slash));
  const bool any = !settings_->allKeys().isEmpty();
  settings_->endGroup();
  return any;
}

int QtWebBrowser::Open(const std::string& address) {
  QString a = Q(address);
  QUrl url = QUrl(a, QUrl::StrictMode);
  if (url.scheme().isEmpty() || url.scheme().size() == 1) {  // a path ("C:" is a drive, not a scheme)
    if (!QFileInfo::exists(a)) return 2;
    url = QUrl::fromLocalFile(QFileInfo(a).absoluteFilePath());
  }
  return QDesktopServices::openUrl(url) ? 42 : 31;
}

std::string DataFilePath(const std::string& fileName, const std::string& folderName) {
  QString base = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
  if (base.isEmpty()) base = QDir::homePath();
  if (base.isEmpty()) return "";
  const QString folder = QDir(base).filePath(Q(folderName));
  if (!QFileInfo(folder).isDir() && !QDir().mkpath(folder)) return "";
  return QDir(folder).filePath(Q(fileName)).toStdString();
}

}  // namespace mirvo
