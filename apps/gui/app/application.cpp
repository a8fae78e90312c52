#include "app/application.h"

#include <chrono>
#include <cstdio>
#include <fstream>
#include <string>

#include <unistd.h>
#include <QApplication>
#include <QIcon>
#include <QMessageBox>
#include <QScreen>
#include <QTimer>

#include "adapters/qt_translations.h"
#include "adapters/radio_data.h"
#include "adapters/settings.h"
#include "app/about_dialog.h"
#include "app/command_line.h"
#include "app/dark_palette.h"
#include "app/splash.h"
#include "app/view_dump.h"
#include "commands/command_handlers.h"
#include "config/data_directory.h"
#include "factory/factory_commands.h"
#include "help/dialog_help.h"
#include "print/print_commands.h"
#include "toolkit/title_fit.h"
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
  QStringList arguments;
  for (int i = 0; i < argc; ++i) arguments << QString::fromLocal8Bit(argv[i]);
  const CommandLine commandLine = ParseCommandLine(arguments);
  if (commandLine.exitCode) {
    std::fputs(commandLine.out.toLocal8Bit().constData(), stdout);
    std::fputs(commandLine.error.toLocal8Bit().constData(), stderr);
    return *commandLine.exitCode;
  }
  const Options& options = commandLine.options;
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("vexprog"));
  // The installed icon (hicolor theme) for every window; the desktop file
  // name lets the desktop match the windows to their launcher.
  QApplication::setWindowIcon(QIcon::fromTheme(QStringLiteral("vexprog")));
  QGuiApplication::setDesktopFileName(QStringLiteral("vexprog"));
  applyPaletteFromEnvironment();
  fitDialogsToTheirTitles();

  // Without its language files and catalogue the program cannot show a
  // single text: say so and stop.
  if (!options.dataDir.isEmpty()) DataDirectory::setOverride(options.dataDir.toStdString());
  const std::filesystem::path dataDir = DataDirectory::resolve();
  if (const std::string missing = MissingDataFile(dataDir); !missing.empty()) {
    const QString text = QStringLiteral("No data directory: %1 has no %2 (give --data-dir DIR or set VEXPROG_DATA).")
                             .arg(QString::fromStdString(dataDir.string()), QString::fromStdString(missing));
    std::fprintf(stderr, "vexprog: %s\n", qPrintable(text));
    const bool seen = QGuiApplication::platformName() != QStringLiteral("offscreen");
    if (seen && !options.dumpView && !options.startupTiming)
      QMessageBox::critical(nullptr, QStringLiteral("vexprog"), text);
    return kExitFailure;
  }
  settings::initialise(options.dataDir.toStdString(), !options.dumpView);
  applyQtTranslations(settings::isSimplifiedChinese());
  radio_data::resetToDefaults();  // File New: the container starts from the default data

  DialogHelpFilter::install();
  auto* frame = new CMainFrame;
  frame->setAttribute(Qt::WA_DeleteOnClose);
  frame->setAboutHandler([frame] { CAboutDialog(frame).exec(); });
  installTransferCommands(*frame);
  installFactoryCommands(*frame);
  installPrintCommands(*frame, settings::current());
  frame->updateTitle();
  frame->buildMenus();
  frame->selectTreeRoot();
  CommandHandlers* handlers = InstallCommandHandlers(*frame, settings::current(),
                                                     options.dumpView ? std::make_unique<ConsolePrompts>() : nullptr);
  if (options.dumpView) handlers->recentFiles().stopWriting();
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
