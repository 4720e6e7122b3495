#include "stoplight/routines.h"

#include "stoplight/messages.h"
#include "stoplight/platform.h"
#include "stoplight/report.h"

#include <QByteArray>
#include <string>

namespace stoplight {

namespace {

QString fromLocal8Bit(std::string_view text)
{
    return QString::fromLocal8Bit(text.data(), qsizetype(text.size()));
}

} // namespace

void reportUnbound(Toolkit& ui, const Declaration& declaration)
{
    ui.messageBox(fromLocal8Bit(unboundMessage(declaration)), MessageStyle::Critical);
}

void showShellOutcome(Toolkit& ui, const Outcome& outcome, std::string_view address)
{
    if (outcome.unbound) {
        reportUnbound(ui, *outcome.unbound);
        return;
    }
    if (const std::optional<Message> message = shellResultMessage(outcome.result, address))
        ui.messageBox(fromLocal8Bit(message->text), message->style);
}

void OpenUrl(Toolkit& ui, const QString& address)
{
    const QByteArray local = address.toLocal8Bit();
    const std::string handed(local.constData(), std::size_t(local.size()));
    showShellOutcome(ui, shellOpen(handed), handed);
}

namespace {

void placeOnTop(Toolkit& ui, WindowId window, bool onTop)
{
    const auto handle = [&ui, window] { return ui.nativeHandle(window); };
    if (const Outcome outcome = placeAbove(handle, onTop); outcome.unbound) {
        reportUnbound(ui, *outcome.unbound);
        return;
    }
    // The toolkit follows, so that the program's other windows stay above
    // other programs' windows with the pinned one.
    ui.setStaysOnTop(window, onTop);
}

} // namespace

void StayOnTop(Toolkit& ui, WindowId window)
{
    placeOnTop(ui, window, true);
}

void ReleaseStayOnTop(Toolkit& ui, WindowId window)
{
    placeOnTop(ui, window, false);
}

} // namespace stoplight
