#pragma once
// The backup before a write: with the setting on, the radio is read first and
// what it held is kept as a dated codeplug file in the user's data directory,
// so that writing that file back undoes the write. The write starts only
// after the backup was saved.
#include <string>

class QWidget;

namespace vex::gui {

struct WriteBackup {
  bool writeMayStart = false;
  std::string path;  // the backup file; empty when none was asked for
};

// Nothing happens while the setting is off. Otherwise a read dialog runs;
// when the read or the saving fails the user is told that nothing was
// written and writeMayStart is false.
WriteBackup backUpBeforeWrite(QWidget* owner);

}  // namespace vex::gui
