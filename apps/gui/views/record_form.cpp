#include "views/record_form.h"

#include <QWidget>

#include "adapters/texts.h"
#include "toolkit/control_id.h"
#include "views/field_record.h"

namespace vex::gui {

void RecordForm::load() {
  record_ = {};
  loadRecord(record_);
  showRecord(recordWidget(), record_);
  applyDependentEnabling(0);
}

void RecordForm::store() {
  readRecord(recordWidget(), record_);
  storeRecord(record_);
}

void RecordForm::loadRecord(ViewRecord& record) {
  if (area_) loadFieldRecord(*area_, recordBytes(), recordWidget(), record);
}

void RecordForm::storeRecord(const ViewRecord& record) {
  if (area_) storeFieldRecord(*area_, recordBytes(), recordWidget(), record);
}

void RecordForm::userChanged(int id) {
  applyDependentEnabling(id);
  store();
  userChangeStored(id);
}

void RecordForm::setControlEnabled(int id, bool enabled) {
  if (QWidget* widget = findControl(recordWidget(), id)) widget->setEnabled(enabled && !texts::controlDisabled(id));
}

}  // namespace vex::gui
