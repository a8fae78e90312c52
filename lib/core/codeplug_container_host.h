// The radio-data half of a codeplug host: the flows work on a container,
// validate into an Invalid Log and ask the user-interface steps through
// replaceable hooks. The model state stays with the subclass (the settings
// object in the desktop program, a local state in the command-line tool).
#pragma once

#include "core/codeplug_host.h"
#include "core/container.h"
#include "core/invalid_log.h"
#include "core/text_lookup.h"

#include <functional>

namespace vex {

class ContainerCodeplugHost : public CodeplugHost {
 public:
  ContainerCodeplugHost(RadioDataContainer& container, InvalidLog& log, TextLookup labels);

  Image& image() override { return container_.image(); }
  void resetToDefaults() override;
  void decode() override { container_.decode(); }
  void encode() override { container_.encode(); }
  int validate() override { return container_.validate(log_, labels_); }

  bool confirm(int messageId) override { return onConfirm ? onConfirm(messageId) : true; }
  bool hasUnsavedChanges() override { return onHasUnsavedChanges ? onHasUnsavedChanges() : true; }
  void closeViews() override {
    if (onCloseViews) onCloseViews();
  }
  void commitPendingEdits() override {
    if (onCommitPendingEdits) onCommitPendingEdits();
  }
  void clearInvalidLog() override { log_.clear(); }

  RadioDataContainer& container() { return container_; }

  std::function<bool(int messageId)> onConfirm;  // OK/Cancel question; absent: go on
  std::function<bool()> onHasUnsavedChanges;     // absent: there are
  std::function<void()> onCloseViews;
  std::function<void()> onCommitPendingEdits;

 private:
  RadioDataContainer& container_;
  InvalidLog& log_;
  TextLookup labels_;
};

}  // namespace vex
