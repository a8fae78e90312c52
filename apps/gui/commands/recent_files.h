#pragma once
// The recent-file list: four paths, most recent first, kept in QSettings.
#include <QSettings>
#include <QStringList>

namespace vex::gui {

class RecentFiles {
 public:
  static constexpr int kMaxEntries = 4;

  // Uses `store` when given (tests), else the user's QSettings of vexprog.
  explicit RecentFiles(QSettings* store = nullptr);

  QStringList entries() const;
  // Moves or adds `path` to the top; the oldest entry beyond four drops out.
  void add(const QString& path);
  void remove(const QString& path);

 private:
  void write(const QStringList& entries);
  QSettings* store_;
  QSettings own_;
};

}  // namespace vex::gui
