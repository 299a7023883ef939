#include "tolvex/foundation/i_vector.h"

IVector::~IVector() = default;
