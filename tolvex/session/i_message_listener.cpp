#include "tolvex/session/i_message_listener.h"

IMessageListener::IMessageListener() {}

IMessageListener::~IMessageListener() {}
