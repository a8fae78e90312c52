#pragma once
// The help window: HTML topics in the language's help directory, one file
// per context id named like the language's help file ("1400_S.html" beside
// "index_S.html"), with that help file as the default topic. A topic the
// language lacks shows in English. A topic may hold a section for a control
// that has no topic of its own, marked <a name="id">.
#include <initializer_list>

#include <QString>
#include <QWidget>

class QTextBrowser;

namespace vex::gui {

class HelpWindow : public QWidget {
  Q_OBJECT
 public:
  // Shows the first topic that exists among `contextIds` (the control, its
  // page, its view), at the section of the first id before it that the topic
  // has one for; else the index.
  static void showContext(std::initializer_list<int> contextIds);
  static void showIndex();
  // The topic file a context id selects (empty when there is none).
  static QString topicPath(int contextId);
  static QString indexPath();
  static HelpWindow* instance();

  QString currentTopic() const;
  // The section shown, "" for the topic's start.
  QString currentSection() const;

 private:
  HelpWindow();
  void showFile(const QString& path, const QString& section = {});
  QTextBrowser* browser_;
};

}  // namespace vex::gui
