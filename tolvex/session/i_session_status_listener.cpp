#include "tolvex/session/i_session_status_listener.h"

ISessionStatusListener::ISessionStatusListener() {}

ISessionStatusListener::~ISessionStatusListener() {}
