// The operation component: up to 24 additions, subtractions, multiplications or divisions,
// posed in columns or written in line, with holes for the pupil to fill.
#pragma once

#include <cstdint>

class TvlOperation {
public:
    // Digit threshold of the multiplication generator; kept in the registry.
    static std::int32_t MultChiffresMax;
    // Handle of the information text "InfoMult".
    static std::int32_t InfoMult;
};
