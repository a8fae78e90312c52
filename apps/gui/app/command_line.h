#pragma once

#include <optional>

#include <QList>
#include <QString>
#include <QStringList>

namespace vex::gui {

enum ExitCode : int { kExitOk = 0, kExitFailure = 1, kExitUsage = 2 };

struct Options {
  QString dataDir;
  QString file;
  bool startupTiming = false;
  bool splash = true;
  QList<int> openViews;
  int record = 0;
  bool dumpView = false;
  int quitAfterMs = -1;
};

// The command line read before any window system is touched, so that --help,
// --version and usage errors work without a display. When `exitCode` is set the
// program prints `out` (standard output) and `error` (standard error) and ends.
struct CommandLine {
  Options options;
  std::optional<int> exitCode;
  QString out;
  QString error;
};

CommandLine ParseCommandLine(const QStringList& arguments);

}  // namespace vex::gui
