#include "transfer/station_window.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QSplitter>
#include <QTableWidget>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "adapters/settings.h"
#include "adapters/texts.h"
#include "config/app_settings.h"
#include "config/safe_format.h"
#include "toolkit/control_id.h"
#include "toolkit/translate.h"
#include "transfer/transfer_prompts.h"

namespace vex::gui {
namespace {

const char* const kColumnHeadings[] = {"Radio", "Device", "Port", "Model", "Serial number", "Progress", "Result",
                                       "Seconds"};
const char* const kStateTexts[] = {"Reading", "Writing", "Verifying", "Written", "Written and verified", "Failed"};
const char* const kValueHeadings[] = {"Radio", "Field", "Value"};
constexpr int kMaxRadios = 99999;

// Item n of the label list `id`, else the built-in text.
QString listText(int id, std::size_t n, const char* fallback) {
  const std::vector<std::string> items = settings::current().textList(id);
  return n < items.size() && !items[n].empty() ? QString::fromStdString(items[n]) : QString::fromUtf8(fallback);
}

template <std::size_t N>
QStringList listTexts(int id, const char* const (&fallbacks)[N]) {
  QStringList texts;
  for (std::size_t n = 0; n < N; ++n) texts << listText(id, n, fallbacks[n]);
  return texts;
}

QString stateText(CDlgStation::State state) {
  return listText(text::kStationStates, state, kStateTexts[state]);
}

CDlgStation::State phaseState(RadioPhase phase) {
  switch (phase) {
    case RadioPhase::Backup: return CDlgStation::kReading;
    case RadioPhase::Write: return CDlgStation::kWriting;
    case RadioPhase::Verify: return CDlgStation::kVerifying;
  }
  return CDlgStation::kWriting;
}

QString fromStd(const std::string& text) { return QString::fromStdString(text); }
QString orDash(const std::string& text) { return text.empty() ? QStringLiteral("-") : fromStd(text); }
QString withoutMnemonic(QString text) { return text.remove(QLatin1Char('&')); }

template <typename T>
T* withId(T* widget, int id) {
  setControlId(widget, id);
  return widget;
}

}  // namespace

CDlgStation::CDlgStation(OpenDataSource openData, QWidget* parent)
    : QDialog(parent),
      openDataSource_(std::move(openData)),
      radios_(new QTableWidget(0, kColumnCount, this)),
      values_(new QTreeWidget(this)),
      log_(new QPlainTextEdit(this)) {
  setWindowTitle(QStringLiteral("Programming Station"));
  setWindowFlag(Qt::Window);
  setModal(false);
  setSizeGripEnabled(true);

  radios_->setHorizontalHeaderLabels(listTexts(text::kStationColumns, kColumnHeadings));
  radios_->verticalHeader()->hide();
  radios_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  radios_->setSelectionBehavior(QAbstractItemView::SelectRows);
  radios_->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
  radios_->horizontalHeader()->setSectionResizeMode(kResultColumn, QHeaderView::Stretch);
  radios_->setMinimumHeight(150);
  values_->setColumnCount(3);
  values_->setHeaderLabels(listTexts(text::kStationValueColumns, kValueHeadings));
  values_->setRootIsDecorated(true);
  log_->setReadOnly(true);
  log_->setMaximumBlockCount(5000);
  log_->setTabChangesFocus(true);

  auto* radiosGroup = withId(new QGroupBox(QStringLiteral("Radios"), this), text::kStationRadiosGroup);
  (new QVBoxLayout(radiosGroup))->addWidget(radios_);
  auto* valuesGroup = withId(new QGroupBox(QStringLiteral("Per-radio values"), this), text::kStationValuesGroup);
  (new QVBoxLayout(valuesGroup))->addWidget(values_);
  auto* logGroup = withId(new QGroupBox(QStringLiteral("Log"), this), text::kStationLogGroup);
  (new QVBoxLayout(logGroup))->addWidget(log_);
  auto* lower = new QSplitter(Qt::Horizontal, this);
  lower->addWidget(valuesGroup);
  lower->addWidget(logGroup);
  lower->setChildrenCollapsible(false);

  auto* top = new QHBoxLayout;
  top->addWidget(buildDataGroup(), 1);
  top->addWidget(buildOptionsGroup(), 1);

  check_ = withId(new QPushButton(QStringLiteral("C&heck Values"), this), text::kStationCheck);
  start_ = withId(new QPushButton(QStringLiteral("&Start"), this), text::kStationStart);
  stop_ = withId(new QPushButton(QStringLiteral("S&top"), this), text::kStationStop);
  auto* closeButton = withId(new QPushButton(QStringLiteral("&Close"), this), text::kStationClose);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  for (QPushButton* b : {check_, start_, stop_, closeButton}) {
    b->setAutoDefault(false);
    buttons->addWidget(b);
  }

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(top);
  layout->addWidget(radiosGroup, 1);
  layout->addWidget(lower, 1);
  layout->addLayout(buttons);

  translateWindow(this, kTemplateId);
  // Screen readers name the lists by their group, the fields by their labels.
  radios_->setAccessibleName(withoutMnemonic(radiosGroup->title()));
  values_->setAccessibleName(withoutMnemonic(valuesGroup->title()));
  log_->setAccessibleName(withoutMnemonic(logGroup->title()));
  const QString browse = fromStd(texts::label(text::kStationBrowse));
  for (const NamedField& named : named_) {
    const QString name = withoutMnemonic(named.label->property("text").toString());
    named.field->setAccessibleName(name);
    if (named.browse)
      named.browse->setAccessibleName((browse.isEmpty() ? QStringLiteral("Browse") : browse) + QStringLiteral(": ") +
                                      name);
  }

  connect(check_, &QPushButton::clicked, this, &CDlgStation::checkValues);
  connect(start_, &QPushButton::clicked, this, &CDlgStation::startStation);
  connect(stop_, &QPushButton::clicked, this, &CDlgStation::stopStation);
  connect(closeButton, &QPushButton::clicked, this, &CDlgStation::close);
  connect(&controller_, &StationController::radioStarted, this, &CDlgStation::onStarted);
  connect(&controller_, &StationController::radioProgress, this, &CDlgStation::onProgress);
  connect(&controller_, &StationController::radioFinished, this, &CDlgStation::onFinished);
  connect(&controller_, &StationController::ended, this, &CDlgStation::onEnded);
  updateButtons();
  resize(980, 640);
  start_->setFocus();
}

QWidget* CDlgStation::buildDataGroup() {
  auto* group = withId(new QGroupBox(QStringLiteral("Data"), this), text::kStationDataGroup);
  auto* grid = new QGridLayout(group);
  openData_ = withId(new QRadioButton(QStringLiteral("The &open data"), group), text::kStationOpenData);
  planChoice_ = withId(new QRadioButton(QStringLiteral("A &plan or file:"), group), text::kStationPlan);
  openData_->setChecked(true);
  grid->addWidget(openData_, 0, 0, 1, 3);
  grid->addWidget(planChoice_, 1, 0);
  planEdit_ = new QLineEdit(group);
  planEdit_->setMaxLength(4096);
  grid->addWidget(planEdit_, 1, 1);
  auto* browse = new QPushButton(QStringLiteral("..."), group);
  browse->setAutoDefault(false);
  grid->addWidget(browse, 1, 2);
  connect(browse, &QPushButton::clicked, this, [this] {
    const QString chosen = QFileDialog::getOpenFileName(this, withoutMnemonic(planChoice_->text()), planEdit_->text());
    if (!chosen.isEmpty()) planEdit_->setText(chosen);
  });
  // Typing a plan chooses it.
  connect(planEdit_, &QLineEdit::textEdited, this, [this] { planChoice_->setChecked(true); });

  auto* countLabel = withId(new QLabel(QStringLiteral("&Number of radios (0: until stopped):"), group),
                            text::kStationCountLabel);
  count_ = new QSpinBox(group);
  count_->setRange(0, kMaxRadios);
  countLabel->setBuddy(count_);
  grid->addWidget(countLabel, 2, 0);
  grid->addWidget(count_, 2, 1, 1, 2, Qt::AlignLeft);
  grid->setColumnStretch(1, 1);
  grid->setRowStretch(3, 1);

  named_.push_back({planChoice_, planEdit_, browse});
  named_.push_back({countLabel, count_, nullptr});
  return group;
}

QLineEdit* CDlgStation::addFolderRow(QWidget* parent, QGridLayout* grid, int row, int labelId, const char* label,
                                     bool folder) {
  auto* caption = withId(new QLabel(QString::fromUtf8(label), parent), labelId);
  auto* edit = new QLineEdit(parent);
  edit->setMaxLength(4096);
  caption->setBuddy(edit);
  auto* browse = new QPushButton(QStringLiteral("..."), parent);
  browse->setAutoDefault(false);
  grid->addWidget(caption, row, 0);
  grid->addWidget(edit, row, 1);
  grid->addWidget(browse, row, 2);
  connect(browse, &QPushButton::clicked, this, [this, caption, edit, folder] {
    const QString title = withoutMnemonic(caption->text());
    const QString chosen =
        folder ? QFileDialog::getExistingDirectory(this, title, edit->text())
               : QFileDialog::getSaveFileName(this, title, edit->text(), {}, nullptr, QFileDialog::DontConfirmOverwrite);
    if (!chosen.isEmpty()) edit->setText(chosen);
  });
  named_.push_back({caption, edit, browse});
  return edit;
}

QWidget* CDlgStation::buildOptionsGroup() {
  auto* group = withId(new QGroupBox(QStringLiteral("Options"), this), text::kStationOptionsGroup);
  auto* grid = new QGridLayout(group);
  verify_ = withId(new QCheckBox(QStringLiteral("&Verify by reading back"), group), text::kStationVerify);
  verify_->setChecked(true);
  grid->addWidget(verify_, 0, 0, 1, 3);
  backupEdit_ = addFolderRow(group, grid, 1, text::kStationBackupLabel, "&Backup folder:", true);
  logEdit_ = addFolderRow(group, grid, 2, text::kStationLogLabel, "&Log file:", false);
  watchEdit_ = addFolderRow(group, grid, 3, text::kStationWatchLabel, "&Watch folder:", true);
  watchEdit_->setText(QStringLiteral("/dev/serial/by-id"));
  grid->setColumnStretch(1, 1);
  return group;
}

void CDlgStation::addLog(const QString& line) { log_->appendPlainText(line); }

void CDlgStation::updateButtons() {
  const bool running = controller_.running();
  for (QWidget* w : std::initializer_list<QWidget*>{check_, start_, openData_, planChoice_, planEdit_, count_, verify_,
                                                    backupEdit_, logEdit_, watchEdit_})
    w->setEnabled(!running);
  stop_->setEnabled(running && !controller_.stopping());
}

bool CDlgStation::checkValues() {
  if (controller_.running()) return false;
  values_->clear();
  const auto count = static_cast<std::size_t>(count_->value());
  if (openData_->isChecked()) {
    const OpenData data = openDataSource_ ? openDataSource_() : OpenData{{}, {}, text::kMsgDataInvalid};
    if (data.messageId != 0) {
      addLog(messageText(data.messageId));
      return false;
    }
    controller_.useData(data.image, data.model);
  } else {
    const QStringList errors = controller_.loadFile(planEdit_->text().trimmed(), count);
    for (const QString& line : errors) addLog(line);
    if (!errors.isEmpty()) return false;
  }
  showValues();
  return true;
}

void CDlgStation::showValues() {
  values_->clear();
  const StationImages& images = controller_.images();
  if (!images.isPlan()) {
    auto* item = new QTreeWidgetItem(values_);
    item->setText(0, images.codeplugFile().empty()
                         ? messageText(text::kMsgStationOpenData)
                         : messageText(text::kMsgStationEveryRadio, MessageArgument::Text(images.codeplugFile())));
    item->setFirstColumnSpanned(true);
    return;
  }
  for (const PlannedRadio& radio : controller_.planned()) {
    auto* item = new QTreeWidgetItem(values_);
    item->setText(0, radio.serial.empty() ? QString::number(radio.number) : fromStd(radio.serial));
    if (radio.changes.same()) item->setText(1, messageText(text::kMsgStationBaseAsItIs));
    for (const FieldChange& change : radio.changes.fields) {
      auto* field = new QTreeWidgetItem(item);
      field->setText(1, fromStd(change.path));
      field->setText(2, fromStd(change.b));
    }
    item->setExpanded(true);
  }
  for (int c = 0; c < values_->columnCount(); ++c) values_->resizeColumnToContents(c);
}

void CDlgStation::startStation() {
  if (controller_.running() || !checkValues()) return;
  StationOptions options;
  options.verify = verify_->isChecked();
  options.backupDir = backupEdit_->text().trimmed().toStdString();
  options.logFile = logEdit_->text().trimmed().toStdString();
  options.watchDir = watchEdit_->text().trimmed().toStdString();
  options.count = static_cast<std::size_t>(count_->value());
  const QStringList problems = controller_.start(options);
  for (const QString& line : problems) addLog(line);
  if (problems.isEmpty())
    addLog(messageText(text::kMsgStationWaiting, MessageArgument::Text(options.watchDir)));
  updateButtons();
}

void CDlgStation::stopStation() {
  if (!controller_.running() || controller_.stopping()) return;
  controller_.stop();
  addLog(messageText(text::kMsgStationStopping));
  updateButtons();
}

int CDlgStation::rowOf(const QString& device) {
  if (const auto it = rows_.find(device); it != rows_.end()) return it->second;
  const int row = radios_->rowCount();
  radios_->insertRow(row);
  for (int c = 0; c < kColumnCount; ++c) radios_->setItem(row, c, new QTableWidgetItem);
  auto* bar = new QProgressBar(radios_);
  bar->setRange(0, 100);
  bar->setAccessibleName(listText(text::kStationColumns, kProgressColumn, kColumnHeadings[kProgressColumn]) +
                         QStringLiteral(" ") + device);
  radios_->setCellWidget(row, kProgressColumn, bar);
  rows_[device] = row;
  return row;
}

void CDlgStation::onStarted(const StationRadio& radio) {
  const QString device = fromStd(radio.device);
  const int row = rowOf(device);
  radios_->item(row, kNumberColumn)->setText(QString::number(radio.sequence));
  radios_->item(row, kDeviceColumn)->setText(QFileInfo(device).fileName());
  radios_->item(row, kDeviceColumn)->setToolTip(device);
  radios_->item(row, kPortColumn)->setText(fromStd(radio.port));
  for (int c : {kModelColumn, kSerialColumn, kSecondsColumn}) radios_->item(row, c)->setText(QStringLiteral("-"));
  const StationSteps& steps = controller_.steps();
  radios_->item(row, kResultColumn)->setText(stateText(steps.readFirst || !steps.backupDir.empty() ? kReading : kWriting));
  if (auto* bar = qobject_cast<QProgressBar*>(radios_->cellWidget(row, kProgressColumn))) bar->setValue(0);
  addLog(messageText(text::kMsgStationPlugged, MessageArgument::Text(radio.device)));
}

void CDlgStation::onProgress(const StationRadio& radio, RadioPhase phase, int percent) {
  const int row = rowOf(fromStd(radio.device));
  radios_->item(row, kResultColumn)->setText(stateText(phaseState(phase)));
  if (auto* bar = qobject_cast<QProgressBar*>(radios_->cellWidget(row, kProgressColumn))) bar->setValue(percent);
}

void CDlgStation::onFinished(const RadioResult& result, bool logged) {
  const int row = rowOf(fromStd(result.radio.device));
  const State state = !result.ok() ? kFailed : result.verify == VerifyResult::Same ? kVerified : kWritten;
  QString outcome = stateText(state);
  if (!result.ok()) outcome += QStringLiteral(": ") + fromStd(result.error);
  const QString seconds = QString::number(result.seconds, 'f', 1);
  radios_->item(row, kNumberColumn)->setText(QString::number(result.radio.sequence));
  radios_->item(row, kModelColumn)->setText(orDash(result.model));
  radios_->item(row, kSerialColumn)->setText(orDash(result.serialNumber));
  radios_->item(row, kResultColumn)->setText(outcome);
  radios_->item(row, kResultColumn)->setToolTip(outcome);
  radios_->item(row, kSecondsColumn)->setText(seconds);
  if (auto* bar = qobject_cast<QProgressBar*>(radios_->cellWidget(row, kProgressColumn)))
    bar->setValue(result.ok() ? 100 : bar->value());
  const QString serialHeading = listText(text::kStationColumns, kSerialColumn, kColumnHeadings[kSerialColumn]);
  addLog(fromStd(result.radio.device) + QStringLiteral(": ") + orDash(result.model) + QStringLiteral(", ") +
         serialHeading + QStringLiteral(" ") + orDash(result.serialNumber) + QStringLiteral(": ") + outcome +
         QStringLiteral(" (") + seconds + QStringLiteral(" s)"));
  if (!logged) {
    addLog(messageText(text::kMsgStationLogFailed, MessageArgument::Text(logEdit_->text().trimmed().toStdString())));
  }
}

void CDlgStation::onEnded(const StationEnd& end) {
  if (!end.error.empty()) addLog(fromStd(end.error));
  const std::string format = texts::message(text::kMsgStationEnded);
  addLog(fromStd(formatText(format.empty() ? std::string("%d of %d radios programmed.") : format,
                            static_cast<long>(end.finished - end.failed), static_cast<long>(end.finished))));
  updateButtons();
  if (closeWhenEnded_) {
    closeWhenEnded_ = false;
    close();
  }
}

bool CDlgStation::stayUntilStopped() {
  if (!controller_.running()) return false;
  // The window stays until the radios in progress are done: it never
  // leaves a write half done.
  closeWhenEnded_ = true;
  stopStation();
  return true;
}

void CDlgStation::closeEvent(QCloseEvent* event) {
  if (stayUntilStopped()) {
    event->ignore();
    return;
  }
  QDialog::closeEvent(event);
}

void CDlgStation::reject() {
  if (!stayUntilStopped()) QDialog::reject();
}

CDlgStation* showStationWindow(QWidget* owner, OpenDataSource openData) {
  auto* window = owner->findChild<CDlgStation*>(QString(), Qt::FindDirectChildrenOnly);
  if (!window) window = new CDlgStation(std::move(openData), owner);
  window->show();
  window->raise();
  window->activateWindow();
  return window;
}

}  // namespace vex::gui
