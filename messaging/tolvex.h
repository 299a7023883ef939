#pragma once

// The umbrella header: every public declaration of libtolvex.

#include "tolvex/version.h"
