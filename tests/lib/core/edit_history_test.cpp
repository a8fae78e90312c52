#include "core/edit_history.h"

#include <gtest/gtest.h>

#include <memory>

#include "core/container.h"
#include "core/schema/schema.h"

namespace {

using namespace vex;

struct History : ::testing::Test {
  History() {
    data->resetToDefaults();
    history.reset();
  }
  long squelch() { return ReadField(*FindField(FieldArea::Misc, "carrier_squelch_level"), data->misc().bytes()); }
  void setSquelch(long value) {
    WriteField(*FindField(FieldArea::Misc, "carrier_squelch_level"), data->misc().bytes(), value);
  }
  std::unique_ptr<RadioDataContainer> data = std::make_unique<RadioDataContainer>();
  EditHistory history{*data};
};

TEST_F(History, EachRecordedEditIsOneStepBackAndForth) {
  const long original = squelch();
  ASSERT_NE(original, 3);
  setSquelch(3);
  EXPECT_TRUE(history.record());
  setSquelch(4);
  setSquelch(5);  // two stores, one edit: one step
  EXPECT_TRUE(history.record());
  EXPECT_FALSE(history.record());  // nothing changed since

  ASSERT_TRUE(history.undo());
  EXPECT_EQ(squelch(), 3);
  ASSERT_TRUE(history.undo());
  EXPECT_EQ(squelch(), original);
  EXPECT_FALSE(history.undo());
  ASSERT_TRUE(history.redo());
  ASSERT_TRUE(history.redo());
  EXPECT_EQ(squelch(), 5);
  EXPECT_FALSE(history.redo());
}

TEST_F(History, UndoTakesPendingEditsFirstAndANewEditDropsRedo) {
  setSquelch(3);
  ASSERT_TRUE(history.undo());  // the unrecorded edit is the step undone
  EXPECT_NE(squelch(), 3);
  setSquelch(6);
  EXPECT_TRUE(history.record());
  EXPECT_FALSE(history.canRedo());
  EXPECT_FALSE(history.redo());
  EXPECT_EQ(squelch(), 6);
}

TEST_F(History, RecordMovesAreUndoneWithTheirBytesEvenToAnEmptyList) {
  data->personalities().removeAt(0);
  ASSERT_EQ(data->personalities().size(), 0u);
  EXPECT_TRUE(history.record());
  data->channels().removeAt(3);
  EXPECT_TRUE(history.record());

  ASSERT_TRUE(history.undo());
  EXPECT_EQ(data->channels().size(), 16u);
  EXPECT_EQ(data->personalities().size(), 0u);  // not the one record an image area always decodes
  ASSERT_TRUE(history.undo());
  EXPECT_EQ(data->personalities().size(), 1u);
  ASSERT_TRUE(history.redo());
  EXPECT_EQ(data->personalities().size(), 0u);
}

TEST_F(History, ModifiedFollowsTheSavedStateThroughUndo) {
  EXPECT_FALSE(history.isModified());
  setSquelch(3);
  history.record();
  EXPECT_TRUE(history.isModified());
  history.undo();
  EXPECT_FALSE(history.isModified());  // back where it was opened
  history.redo();
  history.markSaved();
  EXPECT_FALSE(history.isModified());
  history.undo();
  EXPECT_TRUE(history.isModified());
  history.reset();
  EXPECT_FALSE(history.isModified());
  EXPECT_FALSE(history.canUndo());
}

TEST_F(History, TheImageBufferIsLeftAlone) {
  const Image before = data->image();
  setSquelch(3);
  history.record();
  history.undo();
  EXPECT_EQ(data->image(), before);
}

}  // namespace
