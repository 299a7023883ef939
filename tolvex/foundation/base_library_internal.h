// Private header: not installed. The seam through which libtolvex calls the
// base library's free functions: every such call goes through these names.
// Besides it, only foundation headers whose published declarations name a
// base-library type include the base library: thread.h, whose CThread
// derives from ruvak3::AThread (thread.cpp calls the base class's own
// members), and the UTC headers, whose operations take its _SYSTEMTIME
// record. No file above foundation/ includes a ruvak3 header directly.
#pragma once

#include "ruvak3/date.h"
#include "ruvak3/event.h"
#include "ruvak3/sleep.h"
#include "ruvak3/win_emul.h"

namespace base_library {

using ruvak3::date::GetSystemWindowsTime;
using ruvak3::date::OleTimeToWindowsTime;
using ruvak3::date::WindowsTimeToOleTime;
using ruvak3::win_emul::_strlwr_s;
using ruvak3::win_emul::CloseHandle;
using ruvak3::win_emul::CreateEventW;
using ruvak3::win_emul::ResetEvent;
using ruvak3::win_emul::SetEvent;
using ruvak3::win_emul::Sleep;
using ruvak3::win_emul::strcat_s;
using ruvak3::win_emul::strcpy_s;
using ruvak3::win_emul::strncpy_s;

}  // namespace base_library
