#pragma once

// AssertExceptionFM: the broken-contract signal of the message model.

#include "tolvex/export.h"

/// Thrown by pointer when the message model is handed something it cannot
/// hold (see UniversalFieldGroupList::put). It carries no text. The thrower
/// allocates it with new; whoever catches the pointer owns it and deletes it.
class TOLVEX_API AssertExceptionFM {};
