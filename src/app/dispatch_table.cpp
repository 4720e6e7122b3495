#include "app/dispatch.h"
#include "forms/Form1/form1_commands.h"

#include <array>

namespace {

using enum WindowId;
using enum Event;

const std::array kTable{
    DispatchEntry{Form1, "mnuBuild", Click, &Form1::mnuBuild_Click},
};

} // namespace

std::span<const DispatchEntry> dispatchTable()
{
    return kTable;
}
