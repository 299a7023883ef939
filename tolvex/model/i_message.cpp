#include "tolvex/model/i_message.h"

const char* IMessage::TAG_RID = "RID";
const char* IMessage::TAG_PING = "U21";
const char* IMessage::TAG_SID = "SID";
const char* IMessage::TAG_IMESSAGE = "IMessage";
