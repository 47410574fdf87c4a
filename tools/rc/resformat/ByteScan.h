// A search for the first of three bytes, sixteen bytes a step where SSE2 is there: the
// tokenizer looks at every byte of a script's strings.
#pragma once

#include <cstddef>
#include <string_view>
#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace rc {

// The offset of the first byte of `text` from `at` on that is `a`, `b` or `c`; text.size() if none.
inline std::size_t FindFirstOf(std::string_view text, std::size_t at, char a, char b, char c) {
#if defined(__SSE2__)
    const __m128i wantA = _mm_set1_epi8(a), wantB = _mm_set1_epi8(b), wantC = _mm_set1_epi8(c);
    for (; at + 16 <= text.size(); at += 16) {
        const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(text.data() + at));
        const __m128i hits = _mm_or_si128(_mm_or_si128(_mm_cmpeq_epi8(bytes, wantA), _mm_cmpeq_epi8(bytes, wantB)),
                                          _mm_cmpeq_epi8(bytes, wantC));
        if (const int mask = _mm_movemask_epi8(hits)) return at + static_cast<std::size_t>(__builtin_ctz(mask));
    }
#endif
    while (at < text.size() && text[at] != a && text[at] != b && text[at] != c) ++at;
    return at;
}

}  // namespace rc
