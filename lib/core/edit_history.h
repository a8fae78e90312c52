#pragma once
// Undo and redo of edits to the radio data, and whether the data differ from
// what was last opened, read or saved. A state is the container encoded into
// an image of its own (the container's image buffer is left alone), so one
// mechanism covers every section and every record list, record moves
// included, and a step keeps the bytes before and after.
#include <cstddef>
#include <vector>

#include <array>

#include "core/image_codec.h"

namespace vex {

class RadioDataContainer;

class EditHistory {
 public:
  static constexpr std::size_t kMostSteps = 200;

  explicit EditHistory(RadioDataContainer& container);

  // The data were replaced (New, Open, Read): no steps, nothing modified.
  void reset();
  // The data were saved: the current state is the saved one; steps stay.
  void markSaved();
  // After edits: when the data differ from the last recorded state, that
  // state becomes one undo step and the redo steps go. True when a step was added.
  bool record();

  bool canUndo() const { return !undo_.empty(); }
  bool canRedo() const { return !redo_.empty(); }
  // Records pending edits first, then puts the container back one step.
  // False when there is nothing to undo (or redo).
  bool undo();
  bool redo();

  // Whether the last recorded state differs from the last saved, opened or read one.
  bool isModified() const { return !(current_ == saved_); }

 private:
  // The image and the record counts: a list may be empty, which its area in
  // an image cannot say (the first record is always decoded).
  struct State {
    Image image{};
    std::array<std::size_t, 4> counts{};
    bool operator==(const State&) const = default;
  };
  State snapshot();
  void restore(const State& state);

  RadioDataContainer& container_;
  std::vector<State> undo_;
  std::vector<State> redo_;
  State current_;
  State saved_;
};

}  // namespace vex
