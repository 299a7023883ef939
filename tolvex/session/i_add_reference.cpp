#include "tolvex/session/i_add_reference.h"

IAddReference::~IAddReference() {}
