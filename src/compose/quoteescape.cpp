#include "quoteescape.h"

#include <QtAlgorithms>

#include <algorithm>
#include <cstring>

#if defined(__SSE2__) || defined(_M_X64)
#define QUILLORA_SSE2 1
#include <emmintrin.h>
#endif

// AVX2 is chosen at run time, so it needs a compiler that builds a single
// function for it. Windows is left out: GCC does not keep its stack aligned
// for 32-byte spills there.
#if defined(__x86_64__) && (defined(__GNUC__) || defined(__clang__)) && !defined(_WIN32)
#define QUILLORA_AVX2 1
#include <immintrin.h>
#define QUILLORA_TARGET_AVX2 __attribute__((target("avx2")))
#endif

namespace {

constexpr char16_t Entity[] = u"&quot;";
constexpr qsizetype EntityUnits = std::size(Entity) - 1;

char16_t *writeEntity(char16_t *out)
{
    std::memcpy(out, Entity, EntityUnits * sizeof(char16_t));
    return out + EntityUnits;
}

char16_t *copyUnits(const char16_t *from, const char16_t *to, char16_t *out)
{
    if (from != to)
        std::memcpy(out, from, std::size_t(to - from) * sizeof(char16_t));
    return out + (to - from);
}

// The portable escaper, which also finishes the vector ones' last units.
qsizetype countPortable(QStringView text)
{
    return std::count(text.utf16(), text.utf16() + text.size(), u'"');
}

char16_t *escapeRest(const char16_t *in, const char16_t *end, char16_t *out)
{
    for (;;) {
        const char16_t *quote = std::find(in, end, u'"');
        out = copyUnits(in, quote, out);
        if (quote == end)
            return out;
        out = writeEntity(out);
        in = quote + 1;
    }
}

char16_t *escapePortable(QStringView text, char16_t *out)
{
    return escapeRest(text.utf16(), text.utf16() + text.size(), out);
}

// The vector escapers take 32 units at a time: they store them to the
// output as they are, then look for a quote among them. Without one the
// 32 units are final. With one, the units before it are, the quote is
// overwritten by &quot; and the next 32 units are read from just after it.
// A store never passes the end of the escaped text: 32 units still to read
// give at least 32 still to write.
//
// The counts subtract each comparison's all-ones (-1) units from 16-bit
// sums, two vectors a round, and empty them before any could pass 32767.
constexpr qsizetype ChunkUnits = 32;
constexpr qsizetype MaxRounds = 32767 / 2;

#if defined(QUILLORA_SSE2)
qsizetype countSse2(QStringView text)
{
    const char16_t *in = text.utf16();
    const char16_t *const end = in + text.size();
    const __m128i quote = _mm_set1_epi16(u'"');
    const __m128i ones = _mm_set1_epi16(1);
    qsizetype count = 0;
    while (end - in >= 16) {
        const qsizetype rounds = std::min<qsizetype>((end - in) / 16, MaxRounds);
        __m128i sums = _mm_setzero_si128();
        for (qsizetype i = 0; i < rounds; ++i, in += 16) {
            const auto *units = reinterpret_cast<const __m128i *>(in);
            sums = _mm_sub_epi16(sums, _mm_cmpeq_epi16(_mm_loadu_si128(units), quote));
            sums = _mm_sub_epi16(sums, _mm_cmpeq_epi16(_mm_loadu_si128(units + 1), quote));
        }
        alignas(16) qint32 lanes[4];
        _mm_store_si128(reinterpret_cast<__m128i *>(lanes), _mm_madd_epi16(sums, ones));
        count += qsizetype(lanes[0]) + lanes[1] + lanes[2] + lanes[3];
    }
    return count + countPortable(QStringView(in, end));
}

char16_t *escapeSse2(QStringView text, char16_t *out)
{
    const char16_t *in = text.utf16();
    const char16_t *const end = in + text.size();
    const __m128i quote = _mm_set1_epi16(u'"');
    while (end - in >= ChunkUnits) {
        __m128i block[4];
        for (int i = 0; i < 4; ++i) {
            block[i] = _mm_loadu_si128(reinterpret_cast<const __m128i *>(in) + i);
            _mm_storeu_si128(reinterpret_cast<__m128i *>(out) + i, block[i]);
        }
        // Packing two blocks' all-ones units to bytes gives one bit a unit.
        const auto half = [&](int i) {
            return uint(_mm_movemask_epi8(_mm_packs_epi16(_mm_cmpeq_epi16(block[i], quote),
                                                          _mm_cmpeq_epi16(block[i + 1], quote))));
        };
        const uint quotes = half(0) | half(2) << 16;
        if (quotes == 0) {
            in += ChunkUnits;
            out += ChunkUnits;
            continue;
        }
        const uint at = qCountTrailingZeroBits(quotes);
        out = writeEntity(out + at);
        in += at + 1;
    }
    return escapeRest(in, end, out);
}
#endif

#if defined(QUILLORA_AVX2)
QUILLORA_TARGET_AVX2
qsizetype countAvx2(QStringView text)
{
    const char16_t *in = text.utf16();
    const char16_t *const end = in + text.size();
    const __m256i quote = _mm256_set1_epi16(u'"');
    qsizetype count = 0;
    while (end - in >= 32) {
        const qsizetype rounds = std::min<qsizetype>((end - in) / 32, MaxRounds);
        __m256i sums = _mm256_setzero_si256();
        for (qsizetype i = 0; i < rounds; ++i, in += 32) {
            const auto *units = reinterpret_cast<const __m256i *>(in);
            sums = _mm256_sub_epi16(sums, _mm256_cmpeq_epi16(_mm256_loadu_si256(units), quote));
            sums = _mm256_sub_epi16(sums, _mm256_cmpeq_epi16(_mm256_loadu_si256(units + 1), quote));
        }
        alignas(32) qint32 lanes[8];
        _mm256_store_si256(reinterpret_cast<__m256i *>(lanes),
                           _mm256_madd_epi16(sums, _mm256_set1_epi16(1)));
        for (const qint32 lane : lanes)
            count += lane;
    }
    return count + countPortable(QStringView(in, end));
}

QUILLORA_TARGET_AVX2
char16_t *escapeAvx2(QStringView text, char16_t *out)
{
    const char16_t *in = text.utf16();
    const char16_t *const end = in + text.size();
    const __m256i quote = _mm256_set1_epi16(u'"');
    while (end - in >= ChunkUnits) {
        const __m256i low = _mm256_loadu_si256(reinterpret_cast<const __m256i *>(in));
        const __m256i high = _mm256_loadu_si256(reinterpret_cast<const __m256i *>(in) + 1);
        _mm256_storeu_si256(reinterpret_cast<__m256i *>(out), low);
        _mm256_storeu_si256(reinterpret_cast<__m256i *>(out) + 1, high);
        // Two bits a unit: the mask of each compare is taken bytewise.
        const quint64 quotes = quint32(_mm256_movemask_epi8(_mm256_cmpeq_epi16(low, quote)))
                | quint64(quint32(_mm256_movemask_epi8(_mm256_cmpeq_epi16(high, quote)))) << 32;
        if (quotes == 0) {
            in += ChunkUnits;
            out += ChunkUnits;
            continue;
        }
        const uint at = qCountTrailingZeroBits(quotes) / 2;
        out = writeEntity(out + at);
        in += at + 1;
    }
    return escapeRest(in, end, out);
}

bool hasAvx2()
{
    __builtin_cpu_init();
    return __builtin_cpu_supports("avx2");
}
#endif

constexpr QuoteEscaper Portable{"portable", countPortable, escapePortable};
#if defined(QUILLORA_SSE2)
constexpr QuoteEscaper Sse2{"sse2", countSse2, escapeSse2};
#endif
#if defined(QUILLORA_AVX2)
constexpr QuoteEscaper Avx2{"avx2", countAvx2, escapeAvx2};
#endif

} // namespace

QList<QuoteEscaper> availableQuoteEscapers()
{
    QList<QuoteEscaper> escapers{Portable};
#if defined(QUILLORA_SSE2)
    escapers.append(Sse2);
#endif
#if defined(QUILLORA_AVX2)
    if (hasAvx2())
        escapers.append(Avx2);
#endif
    return escapers;
}

const QuoteEscaper &quoteEscaper()
{
    static const QuoteEscaper best = availableQuoteEscapers().constLast();
    return best;
}
