// DeflateRuns: literals and length/distance-1 matches in the fixed Huffman code of deflate.
#include "deflate_runs.h"

namespace {

constexpr int kMinMatch = 3;
constexpr int kMaxMatch = 258;
constexpr int kEndOfBlock = 256;
constexpr int kFirstLengthSymbol = 257;
constexpr uint16_t kLengthBase[] = {3,  4,  5,  6,  7,  8,  9,  10, 11,  13,  15,  17,  19,  23, 27,
                                    31, 35, 43, 51, 59, 67, 83, 99, 115, 131, 163, 195, 227, 258};
constexpr uint8_t kLengthExtraBits[] = {0, 0, 0, 0, 0, 0, 0, 0, 1, 1, 1, 1, 2, 2, 2,
                                        2, 3, 3, 3, 3, 4, 4, 4, 4, 5, 5, 5, 5, 0};
constexpr int kDistanceOneCodeBits = 5; // distance code 0, itself all zero bits

class BitWriter {
public:
    explicit BitWriter(std::vector<uint8_t>& out) : m_out(out), m_pending(0), m_count(0) {}

    // Values and extra bits go out least significant bit first.
    void Bits(uint32_t value, int count)
    {
        for (int i = 0; i < count; ++i)
            Bit((value >> i) & 1u);
    }
    // Huffman codes go out most significant bit first.
    void Code(uint32_t code, int length)
    {
        for (int i = length - 1; i >= 0; --i)
            Bit((code >> i) & 1u);
    }
    void Flush()
    {
        if (m_count)
            m_out.push_back(m_pending);
        m_pending = 0;
        m_count = 0;
    }

private:
    void Bit(uint32_t bit)
    {
        m_pending |= static_cast<uint8_t>(bit << m_count);
        if (++m_count == 8)
            Flush();
    }

    std::vector<uint8_t>& m_out;
    uint8_t m_pending;
    int m_count;
};

// The fixed literal/length code of a symbol (RFC 1951, 3.2.6).
void PutSymbol(BitWriter& bits, int symbol)
{
    if (symbol < 144)
        bits.Code(0x30 + symbol, 8);
    else if (symbol < 256)
        bits.Code(0x190 + symbol - 144, 9);
    else if (symbol < 280)
        bits.Code(symbol - 256, 7);
    else
        bits.Code(0xC0 + symbol - 280, 8);
}

void PutRun(BitWriter& bits, int length)
{
    int code = 0;
    while (code + 1 < static_cast<int>(sizeof(kLengthBase) / sizeof(kLengthBase[0])) && kLengthBase[code + 1] <= length)
        ++code;
    PutSymbol(bits, kFirstLengthSymbol + code);
    bits.Bits(static_cast<uint32_t>(length - kLengthBase[code]), kLengthExtraBits[code]);
    bits.Code(0, kDistanceOneCodeBits);
}

} // namespace

std::vector<uint8_t> DeflateRuns(const std::vector<uint8_t>& data)
{
    std::vector<uint8_t> out;
    BitWriter bits(out);
    bits.Bits(1, 1); // final block
    bits.Bits(1, 2); // fixed Huffman codes
    size_t at = 0;
    while (at < data.size()) {
        int run = 0;
        if (at > 0)
            while (run < kMaxMatch && at + run < data.size() && data[at + run] == data[at - 1])
                ++run;
        if (run >= kMinMatch) {
            PutRun(bits, run);
            at += run;
        } else {
            PutSymbol(bits, data[at]);
            ++at;
        }
    }
    PutSymbol(bits, kEndOfBlock);
    bits.Flush();
    return out;
}
