// libFuzzer target for the text rules: arbitrary bytes as texts, needles and
// directories. Any read past an end, any crash, or a broken invariant aborts.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "text/text.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    // The first byte splits the input into a text and a needle.
    const std::size_t split = data[0] % size;
    const std::string all(reinterpret_cast<const char*>(data) + 1, size - 1);
    const std::string text = all.substr(0, split < all.size() ? split : all.size());
    const std::string needle = all.substr(text.size());

    std::string cut = text;
    elc::CutAtLastOccurrence(cut, needle);
    // The cut is always a prefix of the text.
    if (cut.size() > text.size() || text.compare(0, cut.size(), cut) != 0) std::abort();

    std::string replaced = text;
    if (elc::ReplaceFirst(replaced, needle, "REPLACEMENT") &&
        replaced.size() != text.size() - needle.size() + 11)
        std::abort();

    const std::string trimmed = elc::TrimBlanks(text);
    if (trimmed.size() > text.size()) std::abort();
    if (elc::TrimBlanks(trimmed) != trimmed) std::abort();
    const std::size_t slash = elc::FindLastBackslash(text);
    if (slash != std::string::npos && text[slash] != '\\') std::abort();
    return 0;
}
