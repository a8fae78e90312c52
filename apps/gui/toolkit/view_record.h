#pragma once
// The plain record a view or page exchanges with the radio data, and its
// transfer to and from the controls of a form (looked up by control id).
#include <cstdint>
#include <functional>
#include <map>
#include <string>
#include <vector>

class QObject;
class QWidget;

namespace vex::gui {

// Check boxes as 0/1, combo boxes and edits as their display texts, range
// edits as raw values (so "off" stays its raw value), digit-pair edits as
// bytes. A combo box that shows no selection has no entry, so storing leaves
// its field as it was.
struct ViewRecord {
  std::map<int, int> flags;
  std::map<int, std::string> texts;
  std::map<int, long> raws;
  std::map<int, std::vector<std::uint8_t>> bytes;
};

// The controls of `form` show the record.
void showRecord(QWidget* form, const ViewRecord& record);
// The controls of `form` into the record: every entry of the record, and
// every combo box (an entry appears once it has a selection).
void readRecord(const QWidget* form, ViewRecord& record);
// Calls `changed` with the control id after each user change of a control of
// `form`: a button clicked, a combo box selection, an edit left.
void connectUserChanges(QWidget* form, QObject* context, std::function<void(int id)> changed);

}  // namespace vex::gui
