#pragma once
// The fixed tables of the workspace: which view class each view command
// opens, how many records its list may hold, and the navigation tree.
#include <optional>
#include <span>

#include "commands/command_ids.h"
#include "core/record_keys.h"

class QWidget;

namespace vex::gui {

class CCustomFormView;

enum class ViewClass {
  Radio,
  BtnKey,
  Mis,
  Password,
  AlertTone,
  Channel,
  ChannelList,
  Personality,
  Scan,
  Embedded,
  TestFreq,
  DataWatch,
  Atis,
  PttId,
  Dos,
};

struct ViewEntry {
  int command;
  ViewClass viewClass;
  std::optional<RecordKind> list;  // the record list a multi-record view edits
  int mostRecords;                 // Add stops here; 0 for views without a list
  int templateId;
  const char* defaultTitle;
};

std::span<const ViewEntry> viewTable();
const ViewEntry* findView(int viewCommand);
const ViewEntry* findView(ViewClass viewClass);
// The view command a tree or Edit menu command opens (a group opens its
// first view); 0 when it opens none.
int viewCommandFor(int command);
CCustomFormView* createView(const ViewEntry& entry, QWidget* parent = nullptr);

struct TreeRow {
  int id;
  int depth;  // 0: directly under the root
  const char* defaultText;
  int opens;  // the view command the row opens
};
std::span<const TreeRow> treeTable();

// Whether the current user level shows a tree item or Edit menu command.
bool visibleAtLevel(int id);

}  // namespace vex::gui
