#include "app/application.h"

#include <chrono>
#include <cstdio>
#include <fstream>
#include <string>

#include <unistd.h>
#include <QApplication>
#include <QCommandLineParser>
#include <QMessageBox>
#include <QScreen>
#include <QTimer>

#include "adapters/radio_data.h"
#include "adapters/settings.h"
#include "app/about_dialog.h"
#include "app/splash.h"
#include "app/view_dump.h"
#include "commands/command_handlers.h"
#include "factory/factory_commands.h"
#include "help/dialog_help.h"
#include "print/print_commands.h"
#include "transfer/transfer_commands.h"
#include "views/custom_form_view.h"
#include "workspace/child_frame.h"
#include "workspace/main_frame.h"

namespace vex::gui {
namespace {

// Milliseconds since the process started, from the kernel's start time when
// it is readable, else since this function first ran.
double millisecondsSinceProcessStart() {
  static const auto fallbackStart = std::chrono::steady_clock::now();
  std::ifstream statFile("/proc/self/stat");
  std::ifstream uptimeFile("/proc/uptime");
  std::string stat;
  double uptime = 0;
  if (std::getline(statFile, stat) && (uptimeFile >> uptime)) {
    // Field 22 (start time in clock ticks) counts from after the command name.
    const auto close = stat.rfind(')');
    if (close != std::string::npos) {
      std::size_t pos = close + 2;
      for (int field = 3; field < 22 && pos != std::string::npos; ++field) pos = stat.find(' ', pos) + 1;
      const double ticks = std::strtod(stat.c_str() + pos, nullptr);
      const long hz = sysconf(_SC_CLK_TCK);
      if (pos != 0 && hz > 0) return (uptime - ticks / static_cast<double>(hz)) * 1000.0;
    }
  }
  return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - fallbackStart).count();
}

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

enum ExitCode : int { kExitOk = 0, kExitFailure = 1, kExitUsage = 2 };

// The number an option was given; a usage error ends the program when it is none.
int numberOf(const QString& option, const QString& text, int lowest) {
  bool ok = false;
  const int value = text.toInt(&ok);
  if (!ok || value < lowest) {
    std::fprintf(stderr, "vexprog: --%s wants a number of at least %d, not \"%s\"\n", qPrintable(option), lowest,
                 qPrintable(text));
    std::exit(kExitUsage);
  }
  return value;
}

Options parseOptions(const QApplication& app) {
  QCommandLineParser parser;
  parser.setApplicationDescription(QStringLiteral("Programming software for PMR446-class radios"));
  parser.addHelpOption();
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
  parser.addOptions({dataDir, timing, noSplash, openView, record, dumpView, quitAfter});
  parser.addPositionalArgument(QStringLiteral("FILE"), QStringLiteral("A codeplug file to open at start-up."),
                               QStringLiteral("[FILE]"));
  parser.process(app);
  if (parser.positionalArguments().size() > 1) {
    std::fprintf(stderr, "vexprog: one FILE at most\n");
    std::exit(kExitUsage);
  }
  Options options;
  options.dataDir = parser.value(dataDir);
  if (!parser.positionalArguments().isEmpty()) options.file = parser.positionalArguments().front();
  options.startupTiming = parser.isSet(timing);
  options.dumpView = parser.isSet(dumpView);
  options.splash = !parser.isSet(noSplash) && !options.startupTiming && !options.dumpView;
  for (const QString& id : parser.values(openView)) options.openViews.push_back(numberOf("open-view", id, 1));
  if (parser.isSet(record)) options.record = numberOf("record", parser.value(record), 1);
  if (parser.isSet(quitAfter)) options.quitAfterMs = numberOf("quit-after", parser.value(quitAfter), 0);
  return options;
}

// --dump-view: the view as JSON on standard output; nothing is saved.
// A record asked for that the list does not hold prints nothing: the view
// would still show the record it had before.
int dumpViewAndQuit(CMainFrame* frame, CChildFrame* view, bool fileOpened, int record) {
  int result = kExitOk;
  if (!fileOpened) {
    result = kExitFailure;
  } else if (!view) {
    std::fprintf(stderr, "vexprog: --dump-view needs a view: give --open-view ID\n");
    result = kExitFailure;
  } else if (const auto& list = view->entry().list; record > 0 && list && view->view()->position() != record) {
    std::fprintf(stderr, "vexprog: --record %d: no such record (the list holds %d)\n", record,
                 radio_data::recordCount(*list));
    result = kExitFailure;
  } else {
    const QByteArray json = viewJson(*view);
    std::fwrite(json.constData(), 1, static_cast<std::size_t>(json.size()), stdout);
    std::fflush(stdout);
  }
  delete frame;
  radio_data::destroy();
  return result;
}

}  // namespace

void showMaximizedOnScreen(QWidget* window) {
  if (QScreen* screen = window->screen()) window->setGeometry(screen->availableGeometry());
  window->showMaximized();
}

int runApplication(int argc, char** argv) {
  millisecondsSinceProcessStart();
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("vexprog"));
  const Options options = parseOptions(app);

  settings::initialise(options.dataDir.toStdString());
  radio_data::resetToDefaults();  // File New: the container starts from the default data

  DialogHelpFilter::install();
  auto* frame = new CMainFrame;
  frame->setAttribute(Qt::WA_DeleteOnClose);
  frame->setAboutHandler([frame] { CAboutDialog(frame).exec(); });
  installTransferCommands(*frame);
  installFactoryCommands(*frame);
  installPrintCommands(*frame, settings::current());
  // Until codeplug files can be written, Yes at the close prompt must not
  // pretend the data were saved: it says so and keeps the program running.
  frame->setSaveHandler([frame] {
    QMessageBox::information(frame, frame->windowTitle(),
                             QStringLiteral("Saving codeplug files is not available yet."));
    return false;
  });
  frame->updateTitle();
  frame->buildMenus();
  frame->selectTreeRoot();
  CommandHandlers* handlers = InstallCommandHandlers(*frame, settings::current(),
                                                     options.dumpView ? std::make_unique<ConsolePrompts>() : nullptr);
  const bool opened = options.file.isEmpty() || handlers->files().openPath(options.file.toStdString());
  CChildFrame* lastOpened = nullptr;
  for (int id : options.openViews) lastOpened = frame->openView(id, {}, options.record);

  if (options.dumpView) return dumpViewAndQuit(frame, lastOpened, opened, options.record);

  if (options.quitAfterMs >= 0 || options.startupTiming) frame->setClosePrompt([] { return CMainFrame::kNo; });
  if (options.splash) {
    const QString dataDir = QString::fromStdString(settings::dataDirectory());
    new CSplashWindow(CSplashWindow::picturePath(dataDir, settings::isSimplifiedChinese()), frame);
  } else {
    showMaximizedOnScreen(frame);
  }
  if (options.startupTiming) {
    QTimer::singleShot(0, frame, [frame] {
      std::printf("startup: %.0f ms\n", millisecondsSinceProcessStart());
      std::fflush(stdout);
      frame->close();
    });
  }
  if (options.quitAfterMs >= 0) QTimer::singleShot(options.quitAfterMs, frame, &QWidget::close);

  const int result = app.exec();
  radio_data::destroy();
  settings::save();
  return result;
}

}  // namespace vex::gui
