// Numbers on the command line: arguments are decimal texts with "." as the
// separator whatever the locale, and results print with 9 significant
// digits, enough to read back the exact 32-bit float.
#pragma once

#include <string>

// Parses a decimal argument that must fit a float; raises ECliUsage naming
// `what` when the text is not a number or lies outside the float range.
double ParseCliNumber(const std::string& text, const std::string& what);
float ParseCliFloat(const std::string& text, const std::string& what);

// The float with 9 significant digits ("179.884109", "1.30599999e-06").
std::string FormatCliFloat(float value);

// The shortest text that reads back as the same float ("40.53", "-273.15").
std::string FormatShortFloat(float value);

// Parses a decimal integer argument (an optional "-" and digits, within
// 32 bits); raises ECliUsage naming `what` otherwise.
int ParseCliInt(const std::string& text, const std::string& what);
