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
#if defined(QUILLORA_SSE2) && defined(__x86_64__) && (defined(__GNUC__) || defined(__clang__)) \
        && !defined(_WIN32)
#define QUILLORA_AVX2 1
#include <immintrin.h>
#define QUILLORA_TARGET_AVX2 __attribute__((target("avx2,bmi")))
#endif

namespace {

constexpr qsizetype EntityUnits = EscapedQuote.size();

char16_t *writeEntity(char16_t *out)
{
    std::memcpy(out, EscapedQuote.utf16(), EntityUnits * sizeof(char16_t));
    return out + EntityUnits;
}

char16_t *copyUnits(const char16_t *from, const char16_t *to, char16_t *out)
{
    if (from != to)
        std::memcpy(out, from, std::size_t(to - from) * sizeof(char16_t));
    return out + (to - from);
}

// The portable escaper, whose escapeRest also finishes the vector ones'
// last units. The count sums in 16 bits over up to 65535 units, a loop
// compilers vectorise.
qsizetype countPortable(QStringView text)
{
    const char16_t *in = text.utf16();
    qsizetype count = 0;
    for (qsizetype left = text.size(); left > 0;) {
        const qsizetype units = std::min<qsizetype>(left, 65535);
        quint16 sum = 0;
        for (qsizetype i = 0; i < units; ++i)
            sum += in[i] == u'"';
        count += sum;
        in += units;
        left -= units;
    }
    return count;
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

// The vector escapers walk a text in chunks of 32 units, at fixed steps so
// that no load waits on where the last quote was. Each chunk is stored to
// the output as it is and searched for quotes; for each quote found, &quot;
// is written over it and the 32 units after the quote are stored again just
// after the &quot;. The chunk's last quote thus leaves its following units
// in place, and the next chunk starts where they end.
//
// Those second copies read up to 64 units from the chunk's start, so the
// last 63 units or fewer go the portable way. No store passes the end of
// the escaped text: the units read are all still to be written, and each
// quote read adds five more.
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
        _mm_store_si128(reinterpret_cast<__m128i *>(lanes), _mm_madd_epi16(sums, _mm_set1_epi16(1)));
        count += qsizetype(lanes[0]) + lanes[1] + lanes[2] + lanes[3];
    }
    return count + countPortable(QStringView(in, end));
}

// &quot; in one store, followed by two units that the next copy overwrites.
char16_t *writeEntityAhead(char16_t *out)
{
    const __m128i entity = _mm_setr_epi16('&', 'q', 'u', 'o', 't', ';', 0, 0);
    _mm_storeu_si128(reinterpret_cast<__m128i *>(out), entity);
    return out + EntityUnits;
}

// Copies the 32 units at from to to, and returns a bit for each of them
// that is a double quote.
uint copyChunkSse2(const char16_t *from, char16_t *to)
{
    const __m128i quote = _mm_set1_epi16(u'"');
    __m128i block[4];
    for (int i = 0; i < 4; ++i) {
        block[i] = _mm_loadu_si128(reinterpret_cast<const __m128i *>(from) + i);
        _mm_storeu_si128(reinterpret_cast<__m128i *>(to) + i, block[i]);
    }
    // Packing two blocks' all-ones units to bytes gives one bit a unit.
    const auto half = [&](int i) {
        return uint(_mm_movemask_epi8(_mm_packs_epi16(_mm_cmpeq_epi16(block[i], quote),
                                                      _mm_cmpeq_epi16(block[i + 1], quote))));
    };
    return half(0) | half(2) << 16;
}

char16_t *escapeSse2(QStringView text, char16_t *out)
{
    const char16_t *in = text.utf16();
    const char16_t *const end = in + text.size();
    for (; end - in >= 2 * ChunkUnits; in += ChunkUnits) {
        qsizetype shift = 0;
        for (uint quotes = copyChunkSse2(in, out); quotes; quotes &= quotes - 1) {
            const uint at = qCountTrailingZeroBits(quotes);
            copyChunkSse2(in + at + 1, writeEntityAhead(out + shift + at));
            shift += EntityUnits - 1;
        }
        out += ChunkUnits + shift;
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
uint copyChunkAvx2(const char16_t *from, char16_t *to)
{
    const __m256i quote = _mm256_set1_epi16(u'"');
    const __m256i low = _mm256_loadu_si256(reinterpret_cast<const __m256i *>(from));
    const __m256i high = _mm256_loadu_si256(reinterpret_cast<const __m256i *>(from) + 1);
    _mm256_storeu_si256(reinterpret_cast<__m256i *>(to), low);
    _mm256_storeu_si256(reinterpret_cast<__m256i *>(to) + 1, high);
    // Packing works within each 128-bit half; the permute puts the units
    // back in order.
    const __m256i packed = _mm256_packs_epi16(_mm256_cmpeq_epi16(low, quote),
                                              _mm256_cmpeq_epi16(high, quote));
    return uint(_mm256_movemask_epi8(_mm256_permute4x64_epi64(packed, 0xD8)));
}

// The SSE2 walk with copyChunkAvx2.
QUILLORA_TARGET_AVX2
char16_t *escapeAvx2(QStringView text, char16_t *out)
{
    const char16_t *in = text.utf16();
    const char16_t *const end = in + text.size();
    for (; end - in >= 2 * ChunkUnits; in += ChunkUnits) {
        qsizetype shift = 0;
        for (uint quotes = copyChunkAvx2(in, out); quotes; quotes &= quotes - 1) {
            const uint at = _tzcnt_u32(quotes);
            copyChunkAvx2(in + at + 1, writeEntityAhead(out + shift + at));
            shift += EntityUnits - 1;
        }
        out += ChunkUnits + shift;
    }
    return escapeRest(in, end, out);
}

bool hasAvx2()
{
    __builtin_cpu_init();
    return __builtin_cpu_supports("avx2") && __builtin_cpu_supports("bmi");
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
