#include <gtest/gtest.h>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QTemporaryDir>

#include <memory>

#include "adapters/radio_data.h"
#include "adapters/settings.h"
#include "core/schema/schema_table.h"
#include "gui_test_support.h"
#include "toolkit/control_id.h"
#include "views/messages.h"
#include "views/view_host.h"
#include "views/view_atis.h"
#include "views/view_btn_key.h"
#include "views/view_dos.h"
#include "views/view_mis.h"
#include "views/view_password.h"
#include "views/view_ptt_id.h"
#include "views/view_radio.h"

namespace vex::gui {
namespace {

long misc(std::string_view key) { return radio_data::fieldValue(*FindField(FieldArea::Misc, key)); }

QComboBox* combo(CCustomFormView& view, int id) { return findControlAs<QComboBox>(view.form(), id); }

// Records what the views send to the main frame.
struct RecordingHost : ViewHost {
  RecordingHost() { ViewHost::setCurrent(this); }
  ~RecordingHost() override { ViewHost::setCurrent(nullptr); }
  void sendToMainFrame(int message, long, long, const ChangeNotice*) override { messages.push_back(message); }
  std::vector<int> messages;
};

TEST(CViewMis, ShowsTheDefaultsOfAFreshContainer) {
  test::DataDir data;
  CViewMis view;
  view.initialUpdate();
  EXPECT_EQ(combo(view, 1406)->currentText(), "Level 3");
  EXPECT_EQ(combo(view, 1408)->currentText(), "15");
  EXPECT_EQ(combo(view, 1404)->currentText(), "5");
  EXPECT_EQ(combo(view, 1414)->currentText(), "10");
  EXPECT_EQ(combo(view, 1412)->currentText(), "Mode 1");
  EXPECT_EQ(combo(view, 1402)->currentText(), "Revert");
  EXPECT_TRUE(findControlAs<QCheckBox>(view.form(), 1409)->isChecked());
  EXPECT_TRUE(findControlAs<QCheckBox>(view.form(), 1410)->isChecked());
}

TEST(CViewMis, ComboChangeReachesTheContainerAtOnce) {
  test::DataDir data;
  RecordingHost host;
  CViewMis view;
  view.initialUpdate();
  QComboBox* gain = combo(view, 1406);
  const std::uint8_t inhibitByteBefore = radio_data::miscBytes()[5] & 0xF8;
  gain->setCurrentIndex(gain->findText("Level 5"));
  emit gain->activated(gain->currentIndex());
  EXPECT_EQ(misc("vox_gain_level"), 5);
  EXPECT_EQ(radio_data::miscBytes()[5] & 0xF8, inhibitByteBefore);  // the other bits stay
  EXPECT_EQ(host.messages, std::vector<int>{WM_DATA_CHANGED});
}

TEST(CViewMis, BatterySaveEnablesItsModeAndTheModeIsStillStored) {
  test::DataDir data;
  RecordingHost host;
  CViewMis view;
  view.initialUpdate();
  view.show();
  auto* batterySave = findControlAs<QCheckBox>(view.form(), 1410);
  QComboBox* mode = combo(view, 1412);
  EXPECT_TRUE(mode->isEnabled());
  batterySave->click();
  EXPECT_FALSE(mode->isEnabled());
  EXPECT_EQ(mode->currentText(), "Mode 1");
  EXPECT_EQ(misc("battery_save"), 0);
  EXPECT_EQ(misc("battery_save_mode"), 1);
  batterySave->click();
  EXPECT_TRUE(mode->isEnabled());
  EXPECT_EQ(misc("battery_save"), 1);
}

TEST(CViewMis, ValueWithoutOptionShowsNoSelectionAndIsLeftAlone) {
  test::DataDir data;
  radio_data::setFieldValue(SchemaField(FieldArea::Misc, "battery_save_mode"), 6);  // no option for raw 6
  CViewMis view;
  view.initialUpdate();
  EXPECT_EQ(combo(view, 1412)->currentIndex(), -1);
  view.deliver(WM_VIEW_STORE, 0, 0);
  view.closing();
  EXPECT_EQ(misc("battery_save_mode"), 6);
  // Once the user picks an option, that one is stored.
  combo(view, 1412)->setCurrentIndex(1);
  view.deliver(WM_VIEW_STORE, 0, 0);
  EXPECT_EQ(misc("battery_save_mode"), 2);
}

TEST(CViewMis, ViewLoadShowsTheContainer) {
  test::DataDir data;
  CViewMis view;
  view.initialUpdate();
  radio_data::setFieldValue(SchemaField(FieldArea::Misc, "carrier_squelch_level"), 7);
  view.deliver(WM_VIEW_LOAD, 0, 0);
  EXPECT_EQ(combo(view, 1404)->currentText(), "7");
}

// A settings view with one edit, for the storing rules of the base.
class EditView : public CSettingsView {
 public:
  static constexpr ControlDef kControls[] = {{2001, ControlKind::Edit, "", 5, 5, 80, 12},
                                              {2002, ControlKind::Check, "x", 5, 20, 80, 12}};
  static constexpr FormDef kForm{2000, "Edit", 100, 40, kControls};
  EditView() : CSettingsView(kForm) {}
  std::string stored;

 protected:
  void loadRecord(ViewRecord& record) override {
    record.texts[2001] = "start";
    record.flags[2002] = 0;
  }
  void storeRecord(const ViewRecord& record) override { stored = record.texts.at(2001); }
};

TEST(CSettingsView, ClosingStoresTheEditThatHasTheFocus) {
  test::DataDir data;
  EditView view;
  view.initialUpdate();
  view.show();
  auto* edit = findControlAs<QLineEdit>(view.form(), 2001);
  edit->setFocus();
  edit->setText("typed");
  view.closing();
  EXPECT_EQ(view.stored, "typed");
}

TEST(CViewRadio, ShowsTheRadioDataReadOnly) {
  test::DataDir data;
  CViewRadio view;
  view.initialUpdate();
  auto text = [&](int id) { return findControlAs<QLineEdit>(view.form(), id)->text(); };
  EXPECT_EQ(text(1115), QString(16, '-'));
  EXPECT_EQ(text(1113), "446-447");
  EXPECT_EQ(text(1119), "None");
  EXPECT_EQ(text(1121), "2000-01-01 00:00:00");
  EXPECT_TRUE(findControlAs<QLineEdit>(view.form(), 1111)->isReadOnly());
}

// Each settings view shows every listed field of its area: a flag as a check
// box, any other field in its control with its label on the same row to the
// left, naming it (the label's buddy).
TEST(SettingsViews, ShowEveryListedFieldOfTheirAreaBesideItsLabel) {
  QTemporaryDir data;
  test::copyDirectory(QString::fromLatin1(VEX_DATA_DIR), data.path());
  settings::initialiseSeparate(data.path().toStdString());
  radio_data::resetToDefaults();
  std::unique_ptr<CSettingsView> views[] = {
      std::make_unique<CViewRadio>(), std::make_unique<CViewMis>(),   std::make_unique<CViewBtnKey>(),
      std::make_unique<CViewAtis>(),  std::make_unique<CViewPttId>(), std::make_unique<CViewDos>(),
      std::make_unique<CViewPassword>()};
  for (const auto& view : views) {
    view->initialUpdate();
    for (const FieldDef* field : ListedFieldsOf(*view->area())) {
      QWidget* control = view->control(field->control);
      ASSERT_NE(control, nullptr) << field->key;
      const bool flag = field->kind == FieldKind::Flag || field->kind == FieldKind::InvertedFlag;
      EXPECT_EQ(qobject_cast<QCheckBox*>(control) != nullptr, flag) << field->key;
      if (flag || control->isHidden()) continue;
      auto* label = findControlAs<QLabel>(view->form(), field->label);
      ASSERT_NE(label, nullptr) << field->key;
      EXPECT_EQ(label->buddy(), control) << field->key;
      EXPECT_LT(label->geometry().right(), control->geometry().left()) << field->key;
      EXPECT_LE(std::abs(label->geometry().center().y() - control->geometry().center().y()), 2) << field->key;
    }
  }
}

}  // namespace
}  // namespace vex::gui
