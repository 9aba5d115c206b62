// A virtual console that answers the screens of a whole run of `packets`
// by itself, so a test need not script every key of a long run: the style
// menu, the patterns, the sector table, the repeat warning, the approval
// menu and question, the closing messages and screen, then "Exit".
#pragma once

#include <functional>
#include <string>

#include "console/virtual_screen.h"
#include "tests/support/config_keys.h"

namespace testsupport {

class AnsweringConsole : public console::VirtualConsole {
 public:
  /// Keys that pick the style on the style menu and leave the configuration
  /// screen: the first style of the list, as it stands.
  std::string pick_style = "\r" + kAcceptStyle;
  /// The approval menu's choice: false runs automatically.
  bool approve_each_quiz = false;
  /// The answer at "Do you wish to accept this combination (y/n)?"; the
  /// argument counts the questions asked so far, from 1.
  std::function<std::string(int)> approval = [](int) { return std::string("y"); };
  /// Called at every key the run waits for, before it is answered.
  std::function<void()> on_read;

  int approvals_asked = 0;
  int style_menus = 0;
  std::string last_refusal;  // a screen that refused the run in words

  char ReadKey() override {
    if (on_read) on_read();
    if (Pending() == 0) Answer();
    return VirtualConsole::ReadKey();
  }
  /// A key is always on its way: the answer to the screen as it stands.
  bool KeyPressed() override {
    if (Pending() == 0) Answer();
    return true;
  }

 private:
  bool Shows(const std::string& text) const { return Text().find(text) != std::string::npos; }
  bool CursorRowShows(const std::string& text) const {
    return Row(WhereY()).find(text) != std::string::npos;
  }

  void Answer() {
    if (++answered_ > 100000) throw console::InputExhausted("the run never ends:\n" + Text());
    if (CursorRowShows("Do you wish to accept this combination (y/n)?")) {
      Keys(approval(++approvals_asked));
    } else if (CursorRowShows("Do you wish to resector?")) {
      Keys("n\r");
    } else if (Row(3).find("Quizzes Complete -- Press Return to Continue") != std::string::npos ||
               Shows("Percent interrogatives abandoned on quiz") || Shows("Thank you for using")) {
      Keys("\r");
    } else if (Shows("Approve specialty combinations for each quiz")) {
      Keys(approve_each_quiz ? std::string{'\0', 'P', '\r'} : std::string("\r"));
    } else if (Shows("Press Enter to accept all patterns") ||
               Shows("sectored by individual questions") || Shows("Sc From") ||
               Shows("Your smallest sector has") || Shows("Choose questions per chapter.") ||
               Shows("We must reset the questions per packet")) {
      Keys("\r");
    } else if (Shows("Press Return to Choose a Quiz Style")) {
      Keys(style_menus++ == 0 ? pick_style : std::string{'\0', 'H', '\r'});
    } else if (Shows("cannot") || Shows("fewer verses than questions per quiz") ||
               Shows("One specialty has zero questions.") ||
               Shows("There are not enough regular questions")) {
      last_refusal = Text();
      Keys("\r");
    } else {
      throw console::InputExhausted("no answer for this screen:\n" + Text());
    }
  }

  int answered_ = 0;
};

}  // namespace testsupport
