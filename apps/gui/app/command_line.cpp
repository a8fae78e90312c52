#include "app/command_line.h"

#include <QCommandLineParser>
#include <QDir>
#include <QFileInfo>

namespace vex::gui {
namespace {

// The number an option was given, when it is one of at least `lowest`.
std::optional<int> numberOf(const QString& text, int lowest) {
  bool ok = false;
  const int value = text.toInt(&ok);
  if (!ok || value < lowest) return std::nullopt;
  return value;
}

CommandLine usageError(const QString& message) {
  CommandLine result;
  result.exitCode = kExitUsage;
  result.error = QStringLiteral("vexprog: %1 (see vexprog --help)\n").arg(message);
  return result;
}

}  // namespace

CommandLine ParseCommandLine(const QStringList& arguments) {
  QCommandLineParser parser;
  parser.setApplicationDescription(
      QStringLiteral("vexprog " VEX_GUI_VERSION " - programming software for PMR446-class radios"));
  const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                QStringLiteral("Print this help and exit."));
  const QCommandLineOption version(QStringLiteral("version"), QStringLiteral("Print the version and exit."));
  const QCommandLineOption dataDir(QStringLiteral("data-dir"), QStringLiteral("Data directory."),
                                   QStringLiteral("DIR"));
  const QCommandLineOption timing(QStringLiteral("startup-timing"),
                                  QStringLiteral("Print the start-up time (splash excluded) and exit."));
  const QCommandLineOption noSplash(QStringLiteral("no-splash"), QStringLiteral("Start without the splash picture."));
  const QCommandLineOption openView(QStringLiteral("open-view"), QStringLiteral("Open the view of a tree command id."),
                                    QStringLiteral("ID"));
  const QCommandLineOption record(QStringLiteral("record"),
                                  QStringLiteral("Show record N (from 1) in the views --open-view opens."),
                                  QStringLiteral("N"));
  const QCommandLineOption dumpView(
      QStringLiteral("dump-view"),
      QStringLiteral("Print the view --open-view opened as JSON on standard output and exit."));
  const QCommandLineOption quitAfter(
      QStringLiteral("quit-after"), QStringLiteral("Quit without saving after MS milliseconds."), QStringLiteral("MS"));
  parser.addOptions({help, version, dataDir, timing, noSplash, openView, record, dumpView, quitAfter});
  parser.addPositionalArgument(QStringLiteral("FILE"), QStringLiteral("A codeplug file to open at start-up."),
                               QStringLiteral("[FILE]"));

  if (!parser.parse(arguments)) return usageError(parser.errorText());
  if (parser.isSet(help)) {
    CommandLine result;
    result.exitCode = kExitOk;
    // Without an application object the parser cannot know the program's name.
    result.out = parser.helpText().replace(QStringLiteral("<executable_name>"), QStringLiteral("vexprog"));
    return result;
  }
  if (parser.isSet(version)) {
    CommandLine result;
    result.exitCode = kExitOk;
    result.out = QStringLiteral("vexprog " VEX_GUI_VERSION "\n");
    return result;
  }
  if (parser.positionalArguments().size() > 1) return usageError(QStringLiteral("one FILE at most"));

  CommandLine result;
  Options& options = result.options;
  options.dataDir = parser.value(dataDir);
  // Absolute, as the recent-file list and the window title keep it.
  if (!parser.positionalArguments().isEmpty())
    options.file = QDir::cleanPath(QFileInfo(parser.positionalArguments().front()).absoluteFilePath());
  options.startupTiming = parser.isSet(timing);
  options.dumpView = parser.isSet(dumpView);
  options.splash = !parser.isSet(noSplash) && !options.startupTiming && !options.dumpView;
  const auto number = [&](const QCommandLineOption& option, const QString& text, int lowest) {
    const std::optional<int> value = numberOf(text, lowest);
    if (!value && !result.exitCode) {
      result = usageError(QStringLiteral("--%1 wants a number of at least %2, not \"%3\"")
                              .arg(option.names().constFirst())
                              .arg(lowest)
                              .arg(text));
    }
    return value.value_or(0);
  };
  for (const QString& id : parser.values(openView)) options.openViews.push_back(number(openView, id, 1));
  if (parser.isSet(record)) options.record = number(record, parser.value(record), 1);
  if (parser.isSet(quitAfter)) options.quitAfterMs = number(quitAfter, parser.value(quitAfter), 0);
  return result;
}

}  // namespace vex::gui
