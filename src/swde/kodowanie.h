// Code pages at the edges of the system.
//
// Inside the engine every text is 8-bit: SWDE data is ISO-8859-2, messages, the log and the
// configuration files are code page 1250. Only the front ends (console, windows) and the
// platform layer talk Unicode, and they convert through these functions.
#pragma once

#include <string>
#include <string_view>

namespace kodowanie {

// Code page 1250 bytes to UTF-8. The five bytes that code page 1250 leaves undefined
// (0x81, 0x83, 0x88, 0x90, 0x98) become U+FFFD.
std::string Cp1250DoUtf8(std::string_view cp1250);

// UTF-8 to code page 1250. A character code page 1250 lacks, and malformed UTF-8, become '?'.
std::string Utf8DoCp1250(std::string_view utf8);

// ISO-8859-2 <-> code page 1250, character by character through Unicode; a character the
// target lacks becomes '?'. Bytes below 0x80 are unchanged.
std::string Iso88592DoCp1250(std::string_view iso);
std::string Cp1250DoIso88592(std::string_view cp1250);

// A readable source literal (UTF-8) as the code page 1250 bytes the system writes.
inline std::string T(std::string_view utf8) { return Utf8DoCp1250(utf8); }

}  // namespace kodowanie
