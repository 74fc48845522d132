#include "options/qt/qt_settings_store.h"

#include <QSettings>
#include <QStringList>

namespace wattora {
namespace {

QString FromUtf8(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// "SOFTWARE\NORVANE\ZEPHRA\SETUP": organization "NORVANE", application "ZEPHRA", group
// "SETUP". The leading "SOFTWARE" is where QSettings puts every user's settings anyway.
struct KeyParts {
  QString organization;
  QString application;
  QString group;
};

KeyParts Split(std::string_view key) {
  QStringList parts = FromUtf8(key).split(QLatin1Char('\\'), Qt::SkipEmptyParts);
  if (!parts.isEmpty() && parts.front().compare(QLatin1String("SOFTWARE"), Qt::CaseInsensitive) == 0) {
    parts.removeFirst();
  }
  KeyParts result;
  if (!parts.isEmpty()) result.organization = parts.takeFirst();
  if (!parts.isEmpty()) result.application = parts.takeFirst();
  result.group = parts.join(QLatin1Char('/'));
  return result;
}

}  // namespace

QtSettingsStore::QtSettingsStore(std::string_view key) {
  KeyParts parts = Split(key);
  settings_ = std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope,
                                          parts.organization, parts.application);
  group_ = parts.group;
}

QtSettingsStore::QtSettingsStore(const QString& iniFile, std::string_view key) {
  settings_ = std::make_unique<QSettings>(iniFile, QSettings::IniFormat);
  const KeyParts parts = Split(key);
  QStringList path{parts.organization, parts.application};
  if (!parts.group.isEmpty()) path << parts.group;
  path.removeAll(QString());
  group_ = path.join(QLatin1Char('/'));
}

QtSettingsStore::~QtSettingsStore() = default;

QString QtSettingsStore::Path(std::string_view section, std::string_view name) const {
  QString path = group_;
  if (!path.isEmpty()) path += QLatin1Char('/');
  path += FromUtf8(section);
  path += QLatin1Char('/');
  path += FromUtf8(name);
  return path;
}

std::optional<std::string> QtSettingsStore::Read(std::string_view section, std::string_view name) const {
  const QVariant value = settings_->value(Path(section, name));
  if (!value.isValid()) return std::nullopt;
  const QByteArray text = value.toString().toUtf8();
  return std::string(text.constData(), static_cast<std::size_t>(text.size()));
}

void QtSettingsStore::Write(std::string_view section, std::string_view name, std::string_view text) {
  settings_->setValue(Path(section, name), FromUtf8(text));
  // Values the main window writes as they change must survive a crash of the program.
  settings_->sync();
}

}  // namespace wattora
