#pragma once
// The part of the form contract that settings views and sheet pages share:
// a view record filled from the data and written back, the dependent
// enabling, and what a user change does (enable, store, tell).
#include <cstdint>
#include <optional>
#include <span>

#include "core/schema/schema.h"
#include "toolkit/view_record.h"

class QWidget;

namespace vex::gui {

class RecordForm {
 public:
  explicit RecordForm(std::optional<FieldArea> area) : area_(area) {}
  virtual ~RecordForm() = default;

  // Rebuilds the record from the data and shows it.
  void load();
  // Reads the controls into the record and writes it into the data.
  void store();
  const ViewRecord& record() const { return record_; }
  std::optional<FieldArea> area() const { return area_; }

 protected:
  // The widget whose descendants are the controls.
  virtual QWidget* recordWidget() const = 0;
  // Where the fields of the area live (a section, or the current record);
  // empty when there is nothing to show.
  virtual std::span<std::uint8_t> recordBytes() const = 0;
  // By default the fields of the area whose controls the form holds; forms
  // with other data add to or replace these.
  virtual void loadRecord(ViewRecord& record);
  virtual void storeRecord(const ViewRecord& record);
  // Enabling that depends on other controls; `changedId` 0 means all.
  virtual void applyDependentEnabling(int changedId) { (void)changedId; }
  // After a user change was stored: tell whoever needs to know.
  virtual void userChangeStored(int id) = 0;

  // A user change of control `id`: enabling first, then store, then tell.
  void userChanged(int id);
  // Enables a control unless the language data disables it for the model.
  void setControlEnabled(int id, bool enabled);

 private:
  std::optional<FieldArea> area_;
  ViewRecord record_;
};

}  // namespace vex::gui
