#include "commands/recent_files.h"

#include <QDir>
#include <QFileInfo>

namespace vex::gui {
namespace {

const QString kGroup = QStringLiteral("Recent File List");

QString keyOf(int i) { return QStringLiteral("File%1").arg(i + 1); }

// A path relative to the directory the program started in would open
// another file, or none, when the program starts elsewhere.
QString absolute(const QString& path) {
  return path.isEmpty() ? path : QDir::cleanPath(QFileInfo(path).absoluteFilePath());
}

}  // namespace

RecentFiles::RecentFiles(QSettings* store)
    : store_(store ? store : &own_), own_(QStringLiteral("vexprog"), QStringLiteral("vexprog")) {}

QStringList RecentFiles::entries() const {
  QStringList list;
  store_->beginGroup(kGroup);
  for (int i = 0; i < kMaxEntries; ++i) {
    const QString path = store_->value(keyOf(i)).toString();
    if (!path.isEmpty() && !list.contains(path)) list.push_back(path);
  }
  store_->endGroup();
  return list;
}

void RecentFiles::add(const QString& path) {
  if (path.isEmpty()) return;
  QStringList list = entries();
  list.removeAll(absolute(path));
  list.prepend(absolute(path));
  write(list);
}

void RecentFiles::remove(const QString& path) {
  QStringList list = entries();
  list.removeAll(path);
  list.removeAll(absolute(path));
  write(list);
}

void RecentFiles::write(const QStringList& entries) {
  if (!writes_) return;
  store_->beginGroup(kGroup);
  store_->remove(QString());
  for (int i = 0; i < kMaxEntries && i < entries.size(); ++i) store_->setValue(keyOf(i), entries[i]);
  store_->endGroup();
  store_->sync();
}

}  // namespace vex::gui
