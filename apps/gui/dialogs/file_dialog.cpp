#include "dialogs/file_dialog.h"

#include <QFileInfo>
#include <QGridLayout>
#include <QLineEdit>

#include "adapters/texts.h"
#include "base/text_ids.h"
#include "core/codeplug_reader.h"
#include "help/dialog_help.h"
#include "toolkit/control_id.h"
#include "toolkit/form_builder.h"
#include "toolkit/translate.h"

namespace vex::gui {
namespace {

enum : int {
  kModelName = 1041,
  kRange = 1042,
  kFirmware = 1043,
  kComment = 1044,
  kModelNameLabel = text::kFileInfoModelName,
  kRangeLabel = text::kFileInfoRange,
  kFirmwareLabel = text::kFileInfoFirmware,
  kCommentLabel = text::kFileInfoComment,
  kExtensionText = text::kMsgFileExtension,
  kFilterText = text::kMsgFileFilter,
};
constexpr int kCommentLimit = 1024;  // characters the comment field takes

// The panel's controls; the grid below arranges them, so the places only
// give their order.
constexpr ControlDef kPanel[] = {
    {kModelNameLabel, ControlKind::Label, "Model Name:", 0, 0, 70, 10},
    {kModelName, ControlKind::ReadOnlyEdit, "", 80, 0, 120, 12},
    {kRangeLabel, ControlKind::Label, "Frequency Range:", 0, 14, 70, 10},
    {kRange, ControlKind::ReadOnlyEdit, "", 80, 14, 120, 12},
    {kFirmwareLabel, ControlKind::Label, "Firmware Version:", 0, 28, 70, 10},
    {kFirmware, ControlKind::ReadOnlyEdit, "", 80, 28, 120, 12},
    {kCommentLabel, ControlKind::Label, "File Information:", 0, 42, 70, 10},
    {kComment, ControlKind::Edit, "", 0, 56, 200, 12},
};

QString textOr(const std::string& text, const char* fallback) {
  return text.empty() ? QString::fromUtf8(fallback) : QString::fromStdString(text);
}

}  // namespace

CDlgFile::CDlgFile(Mode mode, const QString& proposedPath, QWidget* parent)
    : QFileDialog(parent), mode_(mode), panel_(new QWidget(this)) {
  setOption(QFileDialog::DontUseNativeDialog, true);
  setProperty(kTemplateIdProperty, kPanelTemplateId);
  setAcceptMode(mode == Mode::Open ? QFileDialog::AcceptOpen : QFileDialog::AcceptSave);
  setFileMode(mode == Mode::Open ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
  setDefaultSuffix(textOr(texts::message(kExtensionText), "dat"));
  setNameFilter(textOr(texts::message(kFilterText), "Codeplug Files (*.dat);;All Files (*)"));
  if (!proposedPath.isEmpty()) selectFile(proposedPath);

  auto* grid = new QGridLayout(panel_);
  grid->setContentsMargins(0, 0, 0, 0);
  for (const ControlDef& control : kPanel) {
    QWidget* widget = buildControl(panel_, control);
    const int row = control.y / 14;
    if (control.id == kComment)
      grid->addWidget(widget, row, 0, 1, 2);
    else
      grid->addWidget(widget, row, control.x == 0 ? 0 : 1);
  }
  grid->setColumnStretch(1, 1);
  translateWindow(panel_, kPanelTemplateId);
  auto* comment = findControlAs<QLineEdit>(panel_, kComment);
  comment->setMaxLength(kCommentLimit);
  comment->setReadOnly(mode == Mode::Open);
  if (auto* layout = qobject_cast<QGridLayout*>(this->layout()))
    layout->addWidget(panel_, layout->rowCount(), 0, 1, layout->columnCount());

  if (mode == Mode::Open) connect(this, &QFileDialog::currentChanged, this, &CDlgFile::showPreview);
}

void CDlgFile::setField(int id, const std::string& text) {
  if (auto* edit = findControlAs<QLineEdit>(panel_, id)) edit->setText(QString::fromStdString(text));
}

void CDlgFile::showHeader(const CodeplugHeader& header) {
  const HeaderPreview preview = PreviewOf(header);
  setField(kRange, preview.range);
  setField(kModelName, preview.modelName);
  setField(kFirmware, preview.firmwareVersion);
}

void CDlgFile::setHeaderCopy(const CodeplugHeader& header) { showHeader(header); }

void CDlgFile::showPreview(const QString& path) {
  for (int id : {kRange, kModelName, kFirmware, kComment}) setField(id, {});
  // Only regular files: reading a pipe or a device could block the dialog.
  if (!QFileInfo(path).isFile()) return;
  const std::string file = path.toStdString();
  CodeplugHeader header;
  if (ReadCodeplugHeader(file, header)) showHeader(header);
  std::string comment;
  if (ReadCodeplugComment(file, comment)) setField(kComment, comment);
}

QString CDlgFile::chosenPath() const {
  const QStringList files = selectedFiles();
  return files.isEmpty() ? QString() : files.first();
}

void CDlgFile::accept() {
  comment_ = findControlAs<QLineEdit>(panel_, kComment)->text();
  QFileDialog::accept();
}

}  // namespace vex::gui
