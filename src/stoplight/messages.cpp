#include "stoplight/messages.h"

namespace stoplight {

std::optional<Message> shellResultMessage(std::int32_t result, std::string_view address)
{
    if (result > 32 || result == 0)
        return std::nullopt;
    if (result == 31)
        return Message{std::string(noAssociationText), MessageStyle::Exclamation};
    const std::string quoted(address);
    if (result == 2 || result == 3)
        return Message{"The '" + quoted + "' File or Path was Not Found.", MessageStyle::Exclamation};
    // 32, a library the shell needed was missing, is told like any other failure.
    return Message{"An error occurred attempting to open '" + quoted + "' (ShellExecute code " +
                       std::to_string(result) + ").",
                   MessageStyle::Critical};
}

std::string unboundMessage(const Declaration& declaration)
{
    return "The function '" + declaration.entry() + "' could not be loaded from '" + declaration.library() + "'.";
}

} // namespace stoplight
