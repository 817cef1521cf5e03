#pragma once
// What a click on an option item does to the options: the speed group keeps
// exactly one item ticked, "全て" ticks or clears the four message kinds,
// and the voices can only be switched on when every sound file is there.

#include <optional>
#include <string>
#include <string_view>

#include "rules/host.h"
#include "rules/options.h"

namespace zunpa::ui {

enum class MessageKind { Skip, Reverse, DrawTwo, SuitChange };

// flgSOKUDO(index); an index outside the group changes nothing.
Options ClickSpeed(Options options, int index);
// flgMsgSkip, flgMsgRev, flgMsgNi, flgMsgCS.
Options ClickMessageKind(Options options, MessageKind kind);
// flgSUBETE.
Options ClickAllMessages(Options options);
// mneSOUNDC.
Options ClickCardSound(Options options);

struct MenuOutcome {
  Options options;
  std::optional<Message> message;
};

// mneSOUND. The download page's address is the installation's to give.
MenuOutcome ClickSound(Options options, bool soundFilesPresent, std::string_view downloadPage);
Message SoundFilesMissingMessage(std::string_view downloadPage);

}  // namespace zunpa::ui
