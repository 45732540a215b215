// Code page conversions: the tables in full and the treatment of what a code page lacks.
#include <gtest/gtest.h>

#include <functional>

#include "swde/kodowanie.h"

using namespace kodowanie;

// Each text through one conversion; what the target lacks, and malformed UTF-8, become "?".
TEST(Kodowanie, ConversionsByteForByte) {
    using Konwersja = std::function<std::string(std::string_view)>;
    const struct {
        Konwersja konwersja;
        const char* szWe;
        const char* szWy;
    } przypadki[] = {
        {T, "ĄĆĘŁŃÓŚŹŻąćęłńóśźż",
         "\xA5\xC6\xCA\xA3\xD1\xD3\x8C\x8F\xAF\xB9\xE6\xEA\xB3\xF1\xF3\x9C\x9F\xBF"},
        {T, "€ „…” – ©", "\x80 \x84\x85\x94 \x96 \xA9"},
        {T, "ж", "?"},                    // Cyrillic
        {T, "a\xF0\x9F\x98\x80z", "a?z"}, // outside the basic plane
        {T, "\xC3", "?"},                 // truncated sequence
        {T, "\x80x", "?x"},               // stray continuation byte
        {T, "\xC0\xAF", "??"},            // overlong "/"
        {T, "\xED\xA0\x80", "???"},       // surrogate
        {T, "\xF5\x80\x80\x80", "????"},
        // The six letters that differ between ISO-8859-2 and code page 1250, both ways.
        {Iso88592DoCp1250, "\xA1\xA6\xAC\xB1\xB6\xBC", "\xA5\x8C\x8F\xB9\x9C\x9F"},
        {Cp1250DoIso88592, "\xA5\x8C\x8F\xB9\x9C\x9F", "\xA1\xA6\xAC\xB1\xB6\xBC"},
        {Cp1250DoIso88592, "\x80 \x84 \xA9 \x81", "? ? ? ?"}, // euro, quote, copyright, hole
        {Iso88592DoCp1250, "\x85\x9F", "??"},                 // control characters
    };
    for (const auto& p : przypadki)
        EXPECT_EQ(p.konwersja(p.szWe), p.szWy) << p.szWe;
    EXPECT_EQ(Utf8DoCp1250(std::string("a\0b", 3)), std::string("a\0b", 3));
}

// Every code page 1250 byte survives UTF-8 but the five undefined ones; every printable
// ISO-8859-2 byte survives a read and rewrite of a header value.
TEST(Kodowanie, RoundTripsOverAllBytes) {
    for (int b = 0; b < 256; ++b) {
        const std::string strBajt(1, static_cast<char>(b));
        const bool bDziura = b == 0x81 || b == 0x83 || b == 0x88 || b == 0x90 || b == 0x98;
        const std::string strUtf8 = Cp1250DoUtf8(strBajt);
        EXPECT_EQ(Utf8DoCp1250(strUtf8), bDziura ? "?" : strBajt) << b;
        EXPECT_TRUE(!bDziura || strUtf8 == "\xEF\xBF\xBD") << b;
        const bool bSterujacy = b >= 0x80 && b < 0xA0; // no ISO-8859-2 character
        EXPECT_TRUE(bSterujacy || Cp1250DoIso88592(Iso88592DoCp1250(strBajt)) == strBajt) << b;
    }
}
