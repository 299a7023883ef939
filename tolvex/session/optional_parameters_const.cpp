#include "tolvex/session/optional_parameters_const.h"

const char* COptionalParametersConst::CHECK_SSL_ERROR = "CHECK_SSL_ERROR";
const char* COptionalParametersConst::CHECK_SSL_ERROR_DEFAULT = "N";
