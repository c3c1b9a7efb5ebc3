#pragma once
// What a command's result tells, as one text to compare: "done" or
// "not done", then the message the window would show.
#include <string>

#include "building/command_dialogs.h"

namespace testsupport {

inline std::string Told(const building::CommandResult& result) {
  std::string told = result.done ? "done" : "not done";
  return result.message.empty() ? told : told + ": " + result.message;
}

}  // namespace testsupport
