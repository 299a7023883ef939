#include "tolvex/session/i_transport_session.h"

ITransportSession::ITransportSession() {}

ITransportSession::~ITransportSession() {}
