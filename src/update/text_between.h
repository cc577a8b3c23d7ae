#pragma once

#include <cstdint>

#include "text/text.h"

// The text of source between the first start marker found from startPosition (1-based; 0
// or below searches from the start) and the next end marker after it; the empty text when
// either is missing. In both markers "#引号" stands for a double quote.
Text TextBetween(const Text& source, const Text& startMarker, const Text& endMarker, std::int32_t startPosition = 0,
                 bool ignoreCase = false);
