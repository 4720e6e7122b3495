#include "app/dispatch.h"
#include "forms/Form1/form1_commands.h"
#include "forms/Form1/form1_controls.h"
#include "forms/Form2/form2_commands.h"
#include "forms/Form2/form2_controls.h"
#include "forms/aboutmeta/aboutmeta_commands.h"
#include "forms/aboutmeta/aboutmeta_controls.h"

#include <array>

namespace {

using enum Event;

// clang-format off
const std::array kTable{
    DispatchEntry{Form1::mnuBuild,        Click,     &Form1::mnuBuild_Click},
    DispatchEntry{Form1::mnuSave,         Click,     &Form1::mnuSave_Click},
    DispatchEntry{Form1::mnuClear,        Click,     &Form1::mnuClear_Click},
    DispatchEntry{Form1::mnuExit,         Click,     &Form1::mnuExit_Click},
    DispatchEntry{Form1::mnuHowTo,        Click,     &Form1::mnuHowTo_Click},
    DispatchEntry{Form1::mnuWebMasters,   Click,     &Form1::mnuWebMasters_Click},
    DispatchEntry{Form1::mnuSearchEngine, Click,     &Form1::mnuSearchEngine_Click},
    DispatchEntry{Form1::mnuAbout,        Click,     &Form1::mnuAbout_Click},
    DispatchEntry{Form1::Image1,          Click,     &Form1::Image1_Click},
    DispatchEntry{Form1::Image2,          Click,     &Form1::Image2_Click},

    DispatchEntry{Form2::Command1,        Click,     &Form2::Command1_Click},
    DispatchEntry{Form2::Image1,          Click,     &Form2::Image1_Click},
    DispatchEntry{Form2::Label3,          Click,     &Form2::Label3_Click},

    DispatchEntry{aboutmeta::Command1,    Click,     &aboutmeta::Command1_Click},
    DispatchEntry{aboutmeta::Image1,      Click,     &aboutmeta::Image1_Click},
    DispatchEntry{aboutmeta::Label4,      Click,     &aboutmeta::Label4_Click},
    DispatchEntry{aboutmeta::Label5,      Click,     &aboutmeta::Label5_Click},
    DispatchEntry{aboutmeta::Label7,      Click,     &aboutmeta::Label7_Click},
    DispatchEntry{aboutmeta::Label4,      MouseMove, &aboutmeta::Label4_MouseMove},
    DispatchEntry{aboutmeta::Label5,      MouseMove, &aboutmeta::Label5_MouseMove},
    DispatchEntry{aboutmeta::Label7,      MouseMove, &aboutmeta::Label7_MouseMove},
    DispatchEntry{aboutmeta::Form,        MouseMove, &aboutmeta::Form_MouseMove},
    DispatchEntry{aboutmeta::Command1,    MouseMove, &aboutmeta::Command1_MouseMove},
    DispatchEntry{aboutmeta::Frame1,      MouseMove, &aboutmeta::Frame1_MouseMove},
    DispatchEntry{aboutmeta::Image1,      MouseMove, &aboutmeta::Image1_MouseMove},
    DispatchEntry{aboutmeta::Label1,      MouseMove, &aboutmeta::Label1_MouseMove},
    DispatchEntry{aboutmeta::Label2,      MouseMove, &aboutmeta::Label2_MouseMove},
    DispatchEntry{aboutmeta::Label3,      MouseMove, &aboutmeta::Label3_MouseMove},
    DispatchEntry{aboutmeta::Label6,      MouseMove, &aboutmeta::Label6_MouseMove},
    DispatchEntry{aboutmeta::Label8,      MouseMove, &aboutmeta::Label8_MouseMove},
    DispatchEntry{aboutmeta::Label9,      MouseMove, &aboutmeta::Label9_MouseMove},
};
// clang-format on

} // namespace

std::span<const DispatchEntry> dispatchTable()
{
    return kTable;
}
