// Run state: a hashed lookup over any set of lists must answer as walking those lists would,
// whatever the joined forms, empty fields and repeats across lists.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "filtr/stan.h"

namespace {

// Walks lists 1..6 in the set as the passes once did.
bool Liniowo(const CStanPrzebiegu& stan, unsigned nListy, const std::string& strKod,
             const std::string& strCel1, const std::string& strCel2) {
    for (int n = 1; n <= 6; ++n)
        for (int i = 0; (nListy >> n & 1) && i < stan.Lista(n).Licznik(); ++i)
            if (strKod == "WL" ? stan.Lista(n).Pole4(i) == strCel1
                               : strKod == "WG" && stan.Lista(n).Pole2(i) == strCel1 &&
                                     stan.Lista(n).Pole3(i) == strCel2)
                return true;
    return false;
}

TEST(CStanPrzebiegu, PasujeJakPrzejscieListWKolejnosci) {
    CStanPrzebiegu stan;
    // Joined forms that must not be confused, empty fields and repeats across lists.
    stan.Dodaj(2, "G5BUD", "1,2", "x");
    stan.Dodaj(3, "G5BUD,1", "2", "y");
    stan.Dodaj(4, "G5BUD", "", "");
    stan.Dodaj(6, "G5BUD", "1,2", "x");
    for (int i = 0; i < 120; ++i)
        stan.Dodaj(1 + i % 6, "G5T" + std::to_string(i % 7), std::to_string(i % 13),
                   std::to_string(i % 17));
    const std::vector<std::string> teksty = {"",      "1",       "5",    "16",  "x", "y",
                                             "G5BUD", "G5BUD,1", "G5T3", "1,2", "2"};
    for (const unsigned nListy :
         {Listy({1}), Listy({2, 4}), Listy({3}), Listy({6}), Listy({1, 2, 4, 3, 6})})
        for (const char* szKod : {"WL", "WG", "D"})
            for (const std::string& a : teksty)
                for (const std::string& b : teksty)
                    EXPECT_EQ(stan.Pasuje(nListy, szKod, a, b), Liniowo(stan, nListy, szKod, a, b))
                        << nListy << szKod << a << "/" << b;
}

} // namespace
