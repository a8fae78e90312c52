#pragma once
// File > Export as Text and File > Import Text: the data shown as a codeplug
// text (YAML), and a text applied onto the data shown. An import is one
// undo step; a text with any error changes nothing and lists each error
// with its line.
#include <string>

namespace vex {
struct ModelState;
}

namespace vex::gui {

class CMainFrame;
class Prompts;

// Writes the data, with the header a save of `state` writes and the
// comment of `currentFile` (when there is one), to a chosen file.
bool exportText(CMainFrame& frame, Prompts& prompts, const ModelState& state, const std::string& currentFile);
// Applies a chosen text onto the data; true when applied.
bool importText(CMainFrame& frame, Prompts& prompts, const ModelState& state);

}  // namespace vex::gui
