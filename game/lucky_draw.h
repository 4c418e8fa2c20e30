// Drawing lucky numbers by rejection from the C runtime generator.
#pragma once

// Attempts at one number before giving up on the generator.
constexpr int kMaxDrawAttempts = 32767;

// Draws a number from 1 to highest that differs from the `takenCount`
// numbers in `taken`. Takes values from AfxRand until one is acceptable; if
// none of kMaxDrawAttempts is, the smallest acceptable number is taken, so
// that every lucky number can be matched and the main numbers stay distinct.
int DrawNumber(int highest, const int* taken, int takenCount);

// Sorts by exchange: each position from the second on is compared with every
// earlier one, and the two swap when the later one is smaller.
void SortAscending(int* numbers, int count);
