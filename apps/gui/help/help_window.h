#pragma once
// The help window: HTML topics under <data>/help, one file per context id
// ("<id>.html"), with index.html as the default topic.
#include <initializer_list>

#include <QString>
#include <QWidget>

class QTextBrowser;

namespace vex::gui {

class HelpWindow : public QWidget {
  Q_OBJECT
 public:
  // Shows the first topic that exists among `contextIds`, else the index.
  static void showContext(std::initializer_list<int> contextIds);
  static void showIndex();
  // The topic file a context id selects (empty when there is none).
  static QString topicPath(int contextId);
  static QString indexPath();
  static HelpWindow* instance();

  QString currentTopic() const;

 private:
  HelpWindow();
  void showFile(const QString& path);
  QTextBrowser* browser_;
};

}  // namespace vex::gui
