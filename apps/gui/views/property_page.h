#pragma once
// CPropertyPage: one page of a view's property sheet, built from its own
// template or its lines (settings_form.h). It translates itself by its template id, loads and stores its
// record (by default the fields of its area in the owning view's current
// record) and answers help for its controls.
#include <functional>
#include <optional>

#include <QWidget>

#include "toolkit/form_builder.h"
#include "views/record_form.h"
#include "views/settings_form.h"

namespace vex::gui {

class CPropertyPage : public QWidget, public RecordForm {
  Q_OBJECT
 public:
  using BytesSource = std::function<std::span<std::uint8_t>()>;

  explicit CPropertyPage(const FormDef& formDef, std::optional<FieldArea> area = std::nullopt,
                         QWidget* parent = nullptr);
  CPropertyPage(const SettingsForm& form, FieldArea area, QWidget* parent = nullptr);

  int templateId() const { return templateId_; }
  QWidget* control(int id) const;
  // The template's size, so that a sheet sizes itself to its largest page.
  QSize sizeHint() const override { return minimumSize(); }
  // Where the page's fields live: the owning view's current record.
  void setBytesSource(BytesSource source) { bytes_ = std::move(source); }

  // Texts, options and disable flags of the page's template, and the user
  // changes connected; the sheet calls it once when it adds the page.
  virtual void initialUpdate();
  // Help for control `id` (0: the focused control): its topic, else the
  // page's, else the view's, else the index.
  void showContextHelp(int id = 0, int viewTemplateId = 0) const;

 signals:
  // A user change was stored.
  void changed(int id);

 protected:
  QWidget* recordWidget() const override { return const_cast<CPropertyPage*>(this); }
  std::span<std::uint8_t> recordBytes() const override;
  void userChangeStored(int id) override { emit changed(id); }

 private:
  int templateId_;
  BytesSource bytes_;
  bool opened_ = false;
};

}  // namespace vex::gui
