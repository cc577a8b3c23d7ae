#pragma once
// Searches over text arrays, comparing texts byte for byte.

#include "text/text.h"

// Keeps the first occurrence of every text, in their order.
void RemoveDuplicateTexts(TextArray& texts);

// 1-based position of the first text equal to text; -1 when there is none.
int IndexOfText(const TextArray& texts, const Text& text);

// How many texts equal text.
int CountTextOccurrences(const TextArray& texts, const Text& text);
