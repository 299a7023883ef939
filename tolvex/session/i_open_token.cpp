#include "tolvex/session/i_open_token.h"

IOpenToken::IOpenToken() {}
