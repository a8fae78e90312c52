#pragma once
// CDlgFile: the open and save file dialogs with the file information panel
// (model name, frequency range, firmware version and comment of a codeplug
// file). Qt's own file dialog is used everywhere, so the panel sits in its
// layout and looks the same on every platform.
#include <QFileDialog>

#include "core/codeplug_header.h"

namespace vex::gui {

class CDlgFile : public QFileDialog {
  Q_OBJECT
 public:
  static constexpr int kPanelTemplateId = 152;
  enum class Mode { Open, SaveAs };

  // Default suffix message text 1211, filter message text 1212; Save As
  // proposes `proposedPath` and asks before overwriting.
  CDlgFile(Mode mode, const QString& proposedPath = {}, QWidget* parent = nullptr);

  // Save As: the header the save will write, shown in the panel.
  void setHeaderCopy(const CodeplugHeader& header);
  // Open: shows the header and comment of `path`, or empty fields when it is
  // not a codeplug file.
  void showPreview(const QString& path);

  QString chosenPath() const;
  // The text of the file information field, taken when the dialog is confirmed.
  QString comment() const { return comment_; }

 public:
  void accept() override;

 private:
  void showHeader(const CodeplugHeader& header);
  void setField(int id, const std::string& text);

  Mode mode_;
  QWidget* panel_;
  QString comment_;
};

}  // namespace vex::gui
