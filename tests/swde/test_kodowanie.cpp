// Code page conversions: the tables in full and the treatment of what a code page lacks.
#include <gtest/gtest.h>

#include "swde/kodowanie.h"

using namespace kodowanie;

namespace {

std::string Bajt(int b) {
    return std::string(1, static_cast<char>(b));
}

bool Niezdefiniowany1250(int b) {
    return b == 0x81 || b == 0x83 || b == 0x88 || b == 0x90 || b == 0x98;
}

} // namespace

TEST(Kodowanie, PolishTextsComeOutAsCodePage1250Bytes) {
    const struct {
        const char* szUtf8;
        const char* szCp1250;
    } przypadki[] = {
        {"Błąd nr ", "B\xB3\xB9\x64 nr "},
        {"źródłowego", "\x9F"
                       "r\xF3\x64\xB3owego"},
        {"Usuwanie obiektów", "Usuwanie obiekt\xF3w"},
        {"ĄĆĘŁŃÓŚŹŻąćęłńóśźż",
         "\xA5\xC6\xCA\xA3\xD1\xD3\x8C\x8F\xAF\xB9\xE6\xEA\xB3\xF1\xF3\x9C\x9F\xBF"},
        {"€ „…” – ©", "\x80 \x84\x85\x94 \x96 \xA9"},
    };
    for (const auto& p : przypadki) {
        EXPECT_EQ(T(p.szUtf8), p.szCp1250) << p.szUtf8;
        EXPECT_EQ(Cp1250DoUtf8(p.szCp1250), p.szUtf8) << p.szUtf8;
    }
}

TEST(Kodowanie, EveryCodePage1250ByteSurvivesTheTripThroughUtf8) {
    for (int b = 0; b < 256; ++b) {
        const std::string strUtf8 = Cp1250DoUtf8(Bajt(b));
        if (Niezdefiniowany1250(b)) {
            EXPECT_EQ(strUtf8, "\xEF\xBF\xBD") << b;
            EXPECT_EQ(Utf8DoCp1250(strUtf8), "?") << b;
        } else {
            EXPECT_EQ(Utf8DoCp1250(strUtf8), Bajt(b)) << b;
        }
    }
}

TEST(Kodowanie, CharactersAndMalformedUtf8OutsideCodePage1250BecomeQuestionMarks) {
    const struct {
        const char* szUtf8;
        const char* szCp1250;
    } przypadki[] = {
        {"ж", "?"},                    // Cyrillic
        {"a\xF0\x9F\x98\x80z", "a?z"}, // outside the basic plane
        {"\xC3", "?"},                 // truncated sequence
        {"\x80x", "?x"},               // stray continuation byte
        {"\xC0\xAF", "??"},            // overlong "/"
        {"\xED\xA0\x80", "???"},       // surrogate
        {"\xF5\x80\x80\x80", "????"},
    };
    for (const auto& p : przypadki)
        EXPECT_EQ(Utf8DoCp1250(p.szUtf8), p.szCp1250) << p.szUtf8;
    EXPECT_EQ(Utf8DoCp1250(std::string("a\0b", 3)), std::string("a\0b", 3));
}

TEST(Kodowanie, IsoTextGoesToCodePage1250AndBackUnchanged) {
    // The six letters that differ between the two code pages.
    EXPECT_EQ(Iso88592DoCp1250("\xA1\xA6\xAC\xB1\xB6\xBC"), "\xA5\x8C\x8F\xB9\x9C\x9F");
    EXPECT_EQ(Cp1250DoIso88592("\xA5\x8C\x8F\xB9\x9C\x9F"), "\xA1\xA6\xAC\xB1\xB6\xBC");
    // Letters at the same place in both stay.
    EXPECT_EQ(Iso88592DoCp1250("\xA3\xAF\xB3\xBF\xD3\xF3"), "\xA3\xAF\xB3\xBF\xD3\xF3");
    // Printable ISO-8859-2 is all in code page 1250: a read and rewrite changes no byte.
    for (int b = 0; b < 256; ++b) {
        if (b >= 0x80 && b < 0xA0)
            continue;
        EXPECT_EQ(Cp1250DoIso88592(Iso88592DoCp1250(Bajt(b))), Bajt(b)) << b;
    }
}

TEST(Kodowanie, WhatTheOtherCodePageLacksBecomesAQuestionMark) {
    EXPECT_EQ(Cp1250DoIso88592("\x80 \x84 \xA9 \x81"), "? ? ? ?"); // euro, quote, copyright, hole
    EXPECT_EQ(Iso88592DoCp1250("\x85\x9F"), "??");                 // control characters
}
