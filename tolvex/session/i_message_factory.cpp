#include "tolvex/session/i_message_factory.h"

IMessageFactory::IMessageFactory() {}

IMessageFactory::~IMessageFactory() {}
