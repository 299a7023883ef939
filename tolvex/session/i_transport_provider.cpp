#include "tolvex/session/i_transport_provider.h"

ITransportProvider::ITransportProvider() {}

ITransportProvider::~ITransportProvider() {}
