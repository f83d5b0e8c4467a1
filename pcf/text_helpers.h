#pragma once
#include <string>

// The text and number routines through which every sheet cell passes.
// They never depend on the process locale.

// The text without leading and trailing blanks (U+0020 only).
std::string TrimBlanks(const std::string& text);
// The value as fixed-point text: `decimals` digits after ".", right-aligned in
// at least `width` characters, halves rounded away from zero on the value's
// 18-significant-digit expansion. Width 0 with decimals 0 is the general form;
// width 100 asks for no padding.
std::string NumToText(int width, int decimals, double value);
// The number in a text such as ' 1 234,5 mm'; 0 when it holds none.
double TextToNum(const std::string& text);
// The text with a zero first fraction digit cut off, a degree sign kept at the end.
std::string ShortNumberText(const std::string& text);
