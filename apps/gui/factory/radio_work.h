#pragma once
// Radio work off the UI thread: the work runs on a worker thread while the
// window shows a busy box and keeps repainting; every call the work makes to
// its host (messages, questions, settings) runs on the UI thread while the
// worker waits.
#include <functional>

#include "link/transfer_host.h"

class QWidget;

namespace vex::gui {

// Runs `work` with a host that forwards to `host` on the UI thread; returns
// work's result. While it runs, a modal busy box over `owner` takes the
// user's input. Called again while work runs, it returns 0 at once.
int runRadioWork(QWidget* owner, TransferHost& host, const std::function<int(TransferHost&)>& work);
// The same with the application's own host (GuiLinkHost) over `owner`.
int runRadioWork(QWidget* owner, const std::function<int(TransferHost&)>& work);

// True while radio work runs.
bool radioWorkRunning();

}  // namespace vex::gui
