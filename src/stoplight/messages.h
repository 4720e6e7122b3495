#pragma once

#include "app/toolkit/message_styles.h"
#include "stoplight/binder.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace stoplight {

// A message box to show: its 8-bit text and its style.
struct Message {
    std::string text;
    int style = 0;
};

// The text for result 31: no application is associated with the address.
inline constexpr std::string_view noAssociationText = "No Association Found for HTTP Addresses. "
                                                      "A Web Browser Should be Installed or Reinstalled.";

// What the user is told about the shell's answer to opening `address`;
// nothing for an accepted request (above 32) and for 0.
std::optional<Message> shellResultMessage(std::int32_t result, std::string_view address);

// What the user is told when the declared function cannot be bound.
std::string unboundMessage(const Declaration& declaration);

} // namespace stoplight
