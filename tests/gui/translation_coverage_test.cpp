// In the Chinese language the main window, every view and the dialogs show
// no English word that the Chinese language file does not use itself (names
// such as CTCSS or MHz stay as they are): every text the program shows comes
// from the language files, none is written into the code.
#include <fstream>

#include <gtest/gtest.h>
#include <QAbstractButton>
#include <QAbstractItemView>
#include <QComboBox>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QMenuBar>
#include <QRegularExpression>
#include <QSet>
#include <QStatusBar>
#include <QTabBar>
#include <QTemporaryDir>
#include <QTreeWidget>

#include "adapters/radio_data.h"
#include "adapters/settings.h"
#include "app/about_dialog.h"
#include "config/app_settings.h"
#include "dialog_test_support.h"
#include "dialogs/com_port_dialog.h"
#include "dialogs/language_dialog.h"
#include "dialogs/model_info_dialog.h"
#include "dialogs/radio_password_dialog.h"
#include "transfer/station_window.h"
#include "transfer/transfer_dialog.h"
#include "transfer/write_notice_dialog.h"
#include "workspace/child_frame.h"
#include "workspace/main_frame.h"
#include "workspace/view_table.h"

namespace vex::gui {
namespace {

// Latin words of two letters or more; hexadecimal bytes such as FF are data.
QSet<QString> latinWords(const QString& text) {
  static const QRegularExpression word(QStringLiteral("[A-Za-z]{2,}"));
  static const QRegularExpression hex(QStringLiteral("^[A-F]+$"));
  QSet<QString> words;
  for (auto match = word.globalMatch(text); match.hasNext();)
    if (const QString found = match.next().captured(); !hex.match(found).hasMatch()) words.insert(found);
  return words;
}

// The Latin words of the Chinese file's texts.
QSet<QString> chineseFileWords(const QString& path) {
  QFile file(path);
  EXPECT_TRUE(file.open(QIODevice::ReadOnly));
  QSet<QString> words;
  for (const QString& line : QString::fromUtf8(file.readAll()).split('\n'))
    if (line.startsWith('S')) words.unite(latinWords(line.section('=', 1)));
  return words;
}

// Every text a window shows: its title, labels, buttons, group titles, tabs,
// list and grid headers and items, and combo box items.
QStringList shownTexts(QWidget* window) {
  QStringList texts{window->windowTitle()};
  for (QWidget* w : window->findChildren<QWidget*>()) {
    texts << w->property("vexCornerText").toString();
    if (auto* label = qobject_cast<QLabel*>(w)) texts << label->text();
    if (auto* button = qobject_cast<QAbstractButton*>(w)) texts << button->text() << button->toolTip();
    if (auto* group = qobject_cast<QGroupBox*>(w)) texts << group->title();
    if (auto* tabs = qobject_cast<QTabBar*>(w))
      for (int i = 0; i < tabs->count(); ++i) texts << tabs->tabText(i);
    if (auto* combo = qobject_cast<QComboBox*>(w))
      for (int i = 0; i < combo->count(); ++i) texts << combo->itemText(i);
    if (auto* view = qobject_cast<QAbstractItemView*>(w); view && view->model()) {
      const QAbstractItemModel* model = view->model();
      for (int c = 0; c < model->columnCount(); ++c) texts << model->headerData(c, Qt::Horizontal).toString();
      for (int r = 0; r < std::min(model->rowCount(), 3); ++r) {
        texts << model->headerData(r, Qt::Vertical).toString();
        for (int c = 0; c < model->columnCount(); ++c) texts << model->index(r, c).data().toString();
      }
    }
  }
  return texts;
}

QStringList menuTexts(const QList<QAction*>& actions) {
  QStringList texts;
  for (QAction* action : actions) {
    texts << action->text() << action->statusTip();
    if (QMenu* menu = action->menu()) texts << menu->title() << menuTexts(menu->actions());
  }
  return texts;
}

TEST(Translations, TheChineseLanguageShowsNoEnglishOfItsOwn) {
  QTemporaryDir data;
  for (const QFileInfo& file : QDir(QString::fromLatin1(VEX_DATA_DIR)).entryInfoList(QDir::Files))
    QFile::copy(file.filePath(), data.filePath(file.fileName()));
  std::ofstream(data.filePath("Settings.ini").toStdString())
      << "[Setting]\nModelName=Vex M1\nModelID=VEXM1\nFreqRange=400-470\nLanguage=1\n[User Mode]\nLevel=52840619\n";
  settings::initialiseSeparate(data.path().toStdString());
  ASSERT_TRUE(settings::isSimplifiedChinese());
  radio_data::resetToDefaults();
  // Model names come from the catalogue, not from a language.
  QSet<QString> allowed = chineseFileWords(data.filePath("VEX_S.lng"));
  QFile catalogue(data.filePath("Model.dat"));
  ASSERT_TRUE(catalogue.open(QIODevice::ReadOnly));
  allowed.unite(latinWords(QString::fromUtf8(catalogue.readAll())));

  auto expectChinese = [&allowed](const QString& where, const QStringList& texts) {
    for (const QString& text : texts)
      for (const QString& word : latinWords(text))
        EXPECT_TRUE(allowed.contains(word)) << where.toStdString() << ": \"" << text.toStdString() << "\"";
  };

  CMainFrame frame;
  frame.buildMenus();
  frame.fillTree();
  frame.updateStatusTexts();
  frame.updateTitle();
  expectChinese("menus", menuTexts(frame.menuBar()->actions()));
  for (const ViewEntry& view : viewTable()) {
    CChildFrame* child = frame.openView(view.command);
    ASSERT_NE(child, nullptr) << view.defaultTitle;
    expectChinese(QString::fromUtf8(view.defaultTitle), shownTexts(child));
    frame.closeAllWindows();
  }
  expectChinese("main window", shownTexts(&frame));

  std::array<std::uint8_t, 8192> buffer{};
  CDlgTransfer read(TransferDirection::Read, buffer);
  CDlgTransfer write(TransferDirection::Write, buffer);
  CDlgWriteNotice notice(QStringLiteral("?"));
  std::vector<PortListing> ports(1);  // device names are no texts
  ports[0].state = PortError::Busy;
  CDlgComPort port("", [&ports] { return ports; });
  CDlgLanguage language(settings::current().textList(1039), 1);
  CDlgModelInfo model(settings::current());
  CDlgRadioPassword radioPassword;
  CDlgPassword password;
  CAboutDialog about;
  CDlgStation station({});
  for (QDialog* dialog : std::initializer_list<QDialog*>{&read, &write, &notice, &port, &language, &model,
                                                         &radioPassword, &password, &about, &station})
    expectChinese(QString::fromLatin1(dialog->metaObject()->className()), shownTexts(dialog));
}

}  // namespace
}  // namespace vex::gui
