// Rules for the program's texts: byte strings in code page 936, where a byte of
// 0x80 or above starts a two-byte character.
#pragma once

#include <string>
#include <string_view>

namespace elc {

// True when the byte at text[i] starts a two-byte character.
inline bool IsLeadByte(unsigned char c) { return c >= 0x80; }

// Length in bytes of the character starting at text[i]; a lead byte at the very
// end counts as a one-byte character so that no scan ever reads past the end.
std::size_t CharLength(std::string_view text, std::size_t i);

// Removes blanks (0x20 and the full-width space 0xA1 0xA1) from the start.
std::string TrimLeadingBlanks(std::string_view text);
// Removes blanks from both ends.
std::string TrimBlanks(std::string_view text);

// Replaces the first occurrence of needle, found stepping character by character
// and comparing bytes exactly; the replacement is not searched again. Returns
// whether a replacement happened.
bool ReplaceFirst(std::string& text, std::string_view needle, std::string_view replacement);

// Position of the last backslash that is a character of its own (never the trail
// byte of a two-byte character), or npos.
std::size_t FindLastBackslash(std::string_view text);

// Cuts text before the last occurrence of needle, ASCII letters compared without
// regard to case; leaves text unchanged when there is none.
void CutAtLastOccurrence(std::string& text, std::string_view needle);

}  // namespace elc
