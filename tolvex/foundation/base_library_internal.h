// Private header: not installed. The one place where libtolvex reaches the
// base library; every call into ruvak3 goes through these names, so that the
// real library and our stand-in are interchangeable here and nowhere else.
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
