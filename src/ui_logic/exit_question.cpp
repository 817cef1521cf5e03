#include "ui_logic/exit_question.h"

namespace zunpa::ui {

Message ExitQuestion() {
  Message m;
  m.text = "ズンパを終了します";
  m.buttons = Buttons::OkCancel;
  return m;
}

bool ExitConfirmed(Answer answer) {
  return answer == Answer::Ok;
}

}  // namespace zunpa::ui
