#include "ui_logic/option_menus.h"

namespace zunpa::ui {
namespace {

bool& KindFlag(Options& o, MessageKind kind) {
  switch (kind) {
    case MessageKind::Skip:
      return o.MsgSkip;
    case MessageKind::Reverse:
      return o.MsgRev;
    case MessageKind::DrawTwo:
      return o.MsgNi;
    case MessageKind::SuitChange:
      break;
  }
  return o.MsgCS;
}

}  // namespace

Options ClickSpeed(Options o, int index) {
  if (index >= 0 && index < 4) o.SpeedIndex = index;
  return o;
}

Options ClickMessageKind(Options o, MessageKind kind) {
  bool& flag = KindFlag(o, kind);
  // Ticking the last kind back on does not tick "全て": only its own click does.
  if (flag) o.MsgAll = false;
  flag = !flag;
  return o;
}

Options ClickAllMessages(Options o) {
  const bool on = !o.MsgAll;
  o.MsgAll = o.MsgSkip = o.MsgRev = o.MsgNi = o.MsgCS = on;
  return o;
}

Options ClickCardSound(Options o) {
  o.CardSound = !o.CardSound;
  return o;
}

Message SoundFilesMissingMessage(std::string_view downloadPage) {
  Message m;
  m.title = "サウンドファイルがありません";
  m.text = "以下のﾎｰﾑﾍﾟｰｼﾞより\nﾀﾞｳﾝﾛｰﾄﾞできます。\n\n" + std::string(downloadPage);
  m.icon = Icon::Information;
  return m;
}

MenuOutcome ClickSound(Options o, bool soundFilesPresent, std::string_view downloadPage) {
  if (soundFilesPresent) {
    o.Sound = !o.Sound;
    return {o, std::nullopt};
  }
  o.Sound = false;
  return {o, SoundFilesMissingMessage(downloadPage)};
}

}  // namespace zunpa::ui
