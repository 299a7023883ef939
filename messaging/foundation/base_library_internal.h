// Private header: not installed. The one place where libtolvex reaches the
// base library; every call into ruvak3 goes through these names, so that the
// real library and our stand-in are interchangeable here and nowhere else.
#pragma once

#include "ruvak3/win_emul.h"

namespace base_library {

using ruvak3::win_emul::_strlwr_s;
using ruvak3::win_emul::strcat_s;
using ruvak3::win_emul::strcpy_s;
using ruvak3::win_emul::strncpy_s;

}  // namespace base_library
