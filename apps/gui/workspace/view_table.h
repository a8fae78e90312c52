#pragma once
// The fixed tables of the workspace: which view class each view command
// opens, how many records its list may hold, and the navigation tree.
#include <optional>
#include <span>

#include "adapters/radio_data.h"

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
};

struct ViewEntry {
  int command;
  ViewClass viewClass;
  int mostRecords;
  int templateId;
  const char* defaultTitle;
};

std::span<const ViewEntry> viewTable();
const ViewEntry* findView(int viewCommand);
// The view command a tree or Edit menu command opens (a group opens its first view).
int viewCommandFor(int command);
// The record list a multi-record view edits.
std::optional<radio_data::RecordList> recordListOf(ViewClass viewClass);
CCustomFormView* createView(ViewClass viewClass, QWidget* parent = nullptr);

struct TreeRow {
  int id;
  int depth;
  const char* defaultText;
};
std::span<const TreeRow> treeTable();

// Whether the current user level shows a tree item or Edit menu command.
bool visibleAtLevel(int id);

}  // namespace vex::gui
