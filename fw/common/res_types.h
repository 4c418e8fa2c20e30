// The compiled resource formats: type numbers, flags, and a bounded reader of
// the little-endian words and UTF-16 strings they are made of. Names carry a
// k prefix so they cannot meet the platform header's macros of the same
// meaning in files that see both.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <utility>

constexpr int kRtBitmap = 2;
constexpr int kRtIcon = 3;
constexpr int kRtDialog = 5;
constexpr int kRtString = 6;
constexpr int kRtGroupIcon = 14;
constexpr int kRtVersion = 16;

constexpr uint32_t kDsSetFont = 0x40; // a dialog template carries a font block
constexpr int kLangEnglishUs = 1033;

// A resource type or name, or the menu or class of a dialog: a number or a string.
struct ResId {
    int ordinal = -1; // -1 when it is a string
    std::string name;

    ResId() = default;
    ResId(int number) : ordinal(number) {}
    ResId(const char* text) : name(text) {}
    ResId(std::string text) : name(std::move(text)) {}

    // Names compare without regard to ASCII case, as the platform looks them up.
    bool operator==(const ResId& other) const {
        if (ordinal >= 0 || other.ordinal >= 0)
            return ordinal == other.ordinal;
        if (name.size() != other.name.size())
            return false;
        for (size_t i = 0; i < name.size(); ++i)
            if (Upper(name[i]) != Upper(other.name[i]))
                return false;
        return true;
    }

private:
    static char Upper(char c) { return c >= 'a' && c <= 'z' ? char(c - 'a' + 'A') : c; }
};

// Reads a byte buffer front to back. A read past the end sets a failure that
// sticks and yields zeros, so a parser checks ok() once per record instead of
// after every field.
class ResReader {
public:
    ResReader(const uint8_t* data, size_t size) : m_data(data), m_size(data ? size : 0) {}

    bool ok() const { return m_ok; }
    size_t offset() const { return m_pos; }

    uint8_t U8() { return Has(1) ? m_data[m_pos++] : 0; }
    uint16_t U16() {
        if (!Has(2))
            return 0;
        uint16_t v = uint16_t(m_data[m_pos] | m_data[m_pos + 1] << 8);
        m_pos += 2;
        return v;
    }
    uint32_t U32() {
        uint32_t lo = U16();
        return lo | uint32_t(U16()) << 16;
    }
    int16_t S16() { return int16_t(U16()); }

    void Skip(size_t n) {
        if (Has(n))
            m_pos += n;
    }
    // Records start on a DWORD boundary counted from the start of the buffer.
    void AlignTo4() { Skip((4 - m_pos % 4) % 4); }

    // Strings are UTF-16 in the resources and kept as Latin-1 ('?' beyond it).
    // A zero-terminated one:
    std::string Sz() {
        std::string s;
        for (uint16_t c = U16(); m_ok && c != 0; c = U16())
            s += Latin1(c);
        return s;
    }
    // One of n units:
    std::string Chars(size_t n) {
        std::string s;
        for (uint16_t c = 0; n > 0 && (c = U16(), m_ok); --n)
            s += Latin1(c);
        return s;
    }
    // 0xFFFF then a number, or a string.
    ResId SzOrOrd() {
        if (Has(2) && m_data[m_pos] == 0xFF && m_data[m_pos + 1] == 0xFF) {
            m_pos += 2;
            return ResId(int(U16()));
        }
        return ResId(Sz());
    }

private:
    static char Latin1(uint16_t c) { return c < 0x100 ? char(c) : '?'; }

    bool Has(size_t n) {
        if (m_ok && n <= m_size - m_pos)
            return true;
        m_ok = false;
        return false;
    }

    const uint8_t* m_data;
    size_t m_size;
    size_t m_pos = 0;
    bool m_ok = true;
};
