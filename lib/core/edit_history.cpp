#include "core/edit_history.h"

#include "core/container.h"

namespace vex {
namespace {

template <class Item>
void trimTo(ItemList<Item>& list, std::size_t count) {
  while (list.size() > count) list.removeAt(list.size() - 1);
}

}  // namespace

EditHistory::EditHistory(RadioDataContainer& container) : container_(container) { reset(); }

EditHistory::State EditHistory::snapshot() {
  State state;
  ImageCodec().encode(container_, state.image);
  state.counts = {container_.alertTones().size(), container_.channels().size(), container_.personalities().size(),
                  container_.scanLists().size()};
  return state;
}

void EditHistory::restore(const State& state) {
  ImageCodec().decode(state.image, container_);
  trimTo(container_.alertTones(), state.counts[0]);
  trimTo(container_.channels(), state.counts[1]);
  trimTo(container_.personalities(), state.counts[2]);
  trimTo(container_.scanLists(), state.counts[3]);
  container_.resolveLinks();
  current_ = state;
}

void EditHistory::reset() {
  undo_.clear();
  redo_.clear();
  current_ = snapshot();
  saved_ = current_;
}

void EditHistory::markSaved() {
  record();
  saved_ = current_;
}

bool EditHistory::record() {
  State now = snapshot();
  if (now == current_) return false;
  undo_.push_back(std::move(current_));
  if (undo_.size() > kMostSteps) undo_.erase(undo_.begin());
  redo_.clear();
  current_ = std::move(now);
  return true;
}

bool EditHistory::undo() {
  record();
  if (undo_.empty()) return false;
  redo_.push_back(current_);
  const State previous = std::move(undo_.back());
  undo_.pop_back();
  restore(previous);
  return true;
}

bool EditHistory::redo() {
  if (record() || redo_.empty()) return false;
  undo_.push_back(current_);
  const State next = std::move(redo_.back());
  redo_.pop_back();
  restore(next);
  return true;
}

}  // namespace vex
