#include "operation/Operation.h"

std::int32_t TvlOperation::MultChiffresMax = 6;
std::int32_t TvlOperation::InfoMult = 0;
