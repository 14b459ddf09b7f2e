#include "text/text.h"

namespace elc {
namespace {

constexpr unsigned char kFullWidthBlank = 0xA1;

// Length of the blank starting at text[i], or 0 when none starts there.
std::size_t BlankAt(std::string_view text, std::size_t i) {
    const auto c = static_cast<unsigned char>(text[i]);
    if (c == 0x20) return 1;
    if (c == kFullWidthBlank && i + 1 < text.size() &&
        static_cast<unsigned char>(text[i + 1]) == kFullWidthBlank)
        return 2;
    return 0;
}

unsigned char FoldAscii(unsigned char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<unsigned char>(c - 'A' + 'a') : c;
}

bool MatchesIgnoringAsciiCase(std::string_view text, std::size_t at, std::string_view needle) {
    for (std::size_t k = 0; k < needle.size(); ++k) {
        if (FoldAscii(static_cast<unsigned char>(text[at + k])) !=
            FoldAscii(static_cast<unsigned char>(needle[k])))
            return false;
    }
    return true;
}

}  // namespace

std::size_t CharLength(std::string_view text, std::size_t i) {
    if (IsLeadByte(static_cast<unsigned char>(text[i])) && i + 1 < text.size()) return 2;
    return 1;
}

std::string TrimLeadingBlanks(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size()) {
        const std::size_t n = BlankAt(text, i);
        if (n == 0) break;
        i += n;
    }
    return std::string(text.substr(i));
}

std::string TrimBlanks(std::string_view text) {
    const std::string lead = TrimLeadingBlanks(text);
    // Walk forward by characters, remembering where the last non-blank ended, so
    // that a trail byte 0xA1 of another character is never taken for a blank.
    std::size_t end = 0;
    for (std::size_t i = 0; i < lead.size();) {
        const std::size_t blank = BlankAt(lead, i);
        if (blank != 0) {
            i += blank;
            continue;
        }
        i += CharLength(lead, i);
        end = i;
    }
    return lead.substr(0, end);
}

bool ReplaceFirst(std::string& text, std::string_view needle, std::string_view replacement) {
    if (needle.empty()) return false;
    for (std::size_t i = 0; i + needle.size() <= text.size(); i += CharLength(text, i)) {
        if (std::string_view(text).compare(i, needle.size(), needle) == 0) {
            text.replace(i, needle.size(), replacement);
            return true;
        }
    }
    return false;
}

std::size_t FindLastBackslash(std::string_view text) {
    std::size_t found = std::string_view::npos;
    for (std::size_t i = 0; i < text.size(); i += CharLength(text, i)) {
        if (text[i] == '\\') found = i;
    }
    return found;
}

void CutAtLastOccurrence(std::string& text, std::string_view needle) {
    if (needle.empty()) return;
    std::size_t found = std::string::npos;
    for (std::size_t i = 0; i + needle.size() <= text.size();) {
        const auto c = static_cast<unsigned char>(text[i]);
        // A lead byte at the very end ends the scan.
        if (IsLeadByte(c) && i + 1 >= text.size()) break;
        if (MatchesIgnoringAsciiCase(text, i, needle)) found = i;
        i += IsLeadByte(c) ? 2 : 1;
    }
    if (found != std::string::npos) text.erase(found);
}

}  // namespace elc
