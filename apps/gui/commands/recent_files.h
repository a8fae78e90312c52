#pragma once
// The recent-file list: four absolute paths, most recent first, kept in
// QSettings.
#include <QSettings>
#include <QStringList>

namespace vex::gui {

class RecentFiles {
 public:
  static constexpr int kMaxEntries = 4;

  // Uses `store` when given (tests), else the user's QSettings of vexprog.
  explicit RecentFiles(QSettings* store = nullptr);

  QStringList entries() const;
  // Moves or adds `path`, made absolute, to the top; the oldest entry beyond
  // four drops out.
  void add(const QString& path);
  void remove(const QString& path);
  // From now on the list stays as it is stored (a run that only looks).
  void stopWriting() { writes_ = false; }

 private:
  void write(const QStringList& entries);
  QSettings* store_;
  QSettings own_;
  bool writes_ = true;
};

}  // namespace vex::gui
