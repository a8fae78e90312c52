#include "adapters/radio_data.h"

#include "adapters/field_controls.h"
#include "adapters/texts.h"
#include "core/container.h"

namespace vex::gui::radio_data {
namespace {

RadioDataContainer& container() { return RadioDataContainer::instance(); }

bool listedForModel(const Finding& finding) {
  const int control = controlOf(finding.field);
  return control == 0 || !texts::controlDisabled(control);
}

InvalidLog& log() {
  static InvalidLog invalidLog = [] {
    InvalidLog l;
    l.setFilter(listedForModel);
    return l;
  }();
  static const bool linked = [] {
    RadioDataContainer::instance().setValidationTarget(&invalidLog, [](int id) { return texts::label(id); });
    return true;
  }();
  (void)linked;
  return invalidLog;
}

}  // namespace

std::span<std::uint8_t> miscBytes() { return container().misc().bytes(); }
std::span<std::uint8_t> radioInfoBytes() { return container().radioInfo().bytes(); }
PasswordSection& passwords() { return container().passwords(); }
const std::array<std::uint8_t, 8192>& image() { return container().image(); }
std::span<std::uint8_t> areaBytes(FieldArea area, std::size_t index) { return AreaBytes(container(), area, index); }

long fieldValue(const FieldDef& field, std::size_t index) { return ReadField(field, areaBytes(field.area, index)); }

void setFieldValue(const FieldDef& field, long value, std::size_t index) {
  WriteField(field, areaBytes(field.area, index), value);
}

RecordListAccess records(RecordKind kind) { return RecordListAccess(container(), kind); }
int recordCount(RecordKind kind) { return static_cast<int>(records(kind).size()); }

void broadcast(const ChangeNotice& notice) {
  log();  // the container reports into the log the main frame shows
  container().broadcast(notice);
}

void resetToDefaults() {
  container().clearRecords();
  container().resetToDefaults();
}

void encode() { container().encode(); }

DataOrigin& origin() {
  static DataOrigin current;
  return current;
}

int validate() {
  return container().validate(log(), [](int id) { return texts::label(id); });
}

void destroy() {
  log().clear();
  container().clearRecords();
}

InvalidLog& invalidLog() { return log(); }
const std::vector<InvalidRow>& invalidRows() { return log().rows(); }
void setInvalidListener(std::function<void()> listener) { log().setListener(std::move(listener)); }
void setInvalidRevealHandler(std::function<void()> handler) { log().setRevealHandler(std::move(handler)); }

}  // namespace vex::gui::radio_data
