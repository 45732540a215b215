// Run state: a hashed lookup over any set of lists must answer as walking those lists would,
// whatever the joined forms, empty fields and repeats across lists; the sets of texts answer
// as a plain set of the texts would; the memory of types finds every type again.
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "filtr/stan.h"

namespace {

// Walks lists 1..6 in the set as the passes once did.
bool Liniowo(const CStanPrzebiegu& stan, unsigned nListy, const std::string& strKod,
             const std::string& strCel1, const std::string& strCel2) {
    for (int n = 1; n <= LICZBA_LIST; ++n) {
        const ListaRekordow& lista = stan.Lista(static_cast<ELista>(n));
        for (int i = 0; (nListy >> n & 1) && i < lista.Licznik(); ++i)
            if (strKod == "WL" ? lista.Pole4(i) == strCel1
                               : strKod == "WG" && lista.Pole2(i) == strCel1 &&
                                     lista.Pole3(i) == strCel2)
                return true;
    }
    return false;
}

TEST(CStanPrzebiegu, PasujeJakPrzejscieListWKolejnosci) {
    CStanPrzebiegu stan;
    // Joined forms that must not be confused, empty fields and repeats across lists.
    stan.Dodaj(ListaJednostekBudynkow, "G5BUD", "1,2", "x");
    stan.Dodaj(ListaBudynkow, "G5BUD,1", "2", "y");
    stan.Dodaj(ListaJednostekLokali, "G5BUD", "", "");
    stan.Dodaj(ListaDzierzaw, "G5BUD", "1,2", "x");
    for (int i = 0; i < 120; ++i)
        stan.Dodaj(static_cast<ELista>(1 + i % LICZBA_LIST), "G5T" + std::to_string(i % 7),
                   std::to_string(i % 13), std::to_string(i % 17));
    const std::vector<std::string> teksty = {"",      "1",       "5",    "16",  "x", "y",
                                             "G5BUD", "G5BUD,1", "G5T3", "1,2", "2"};
    for (const unsigned nListy :
         {Listy({ListaUsunietych}), Listy({ListaJednostekBudynkow, ListaJednostekLokali}),
          Listy({ListaBudynkow}), Listy({ListaDzierzaw}),
          Listy({ListaUsunietych, ListaJednostekBudynkow, ListaJednostekLokali, ListaBudynkow,
                 ListaDzierzaw})})
        for (const char* szKod : {"WL", "WG", "D"})
            for (const std::string& a : teksty)
                for (const std::string& b : teksty)
                    EXPECT_EQ(stan.Pasuje(nListy, szKod, a, b), Liniowo(stan, nListy, szKod, a, b))
                        << nListy << szKod << a << "/" << b;
}

} // namespace

// The sets keep texts that end in a number 64 to a block and any other text on its own: every
// text, and every pair by its joined text, must be found exactly when it was added, whatever
// its digits (leading zeros, 19 of them, none), whatever kinds come between, and after the
// set was emptied and filled anew.
TEST(ZbiorTekstow, ZawieraDokladnieToCoDodano) {
    const std::vector<std::string> przedrostki = {"", "G5PZG", "G5BUD,1", "3_a_", "x\x01", "7", "G5O_DZE"};
    const std::vector<std::string> koncowki = {"", "0", "00", "7", "007", "63", "64", "65", "127",
                                               "128", "999999999999999999", "1000000000000000000",
                                               "12345678901234567890", "1,2", "a", "12a", "1 "};
    std::vector<std::string> teksty;
    for (const std::string& a : przedrostki)
        for (const std::string& b : koncowki)
            teksty.push_back(a + b);
    // Twenty kinds of numbered identifiers, more than the set remembers blocks of.
    for (int n = 0; n < 2000; ++n)
        teksty.push_back("3_" + std::string(1, static_cast<char>('a' + n % 20)) + "_" +
                         std::to_string(n * 37 % 1500));
    ZbiorTekstow zbior, pary;
    // A pair is its joined text, however it was split.
    pary.DodajPare("G5BUD", "1,2");
    pary.DodajPare("a,b", "c");
    EXPECT_TRUE(pary.ZawieraPare("G5BUD,1", "2") && pary.ZawieraPare("a", "b,c"));
    pary.Wyczysc();
    std::set<std::string> wzor, wzorPar;
    for (int nRunda = 0; nRunda < 2; ++nRunda) {
        for (std::size_t i = 0; i < teksty.size(); i += 2 + nRunda) {
            zbior.Dodaj(teksty[i]);
            wzor.insert(teksty[i]);
            const std::string& b = teksty[(i * 7) % teksty.size()];
            pary.DodajPare(teksty[i], b);
            wzorPar.insert(teksty[i] + "," + b);
        }
        for (const std::string& a : teksty) {
            ASSERT_EQ(zbior.Zawiera(a), wzor.contains(a)) << a;
            for (const std::string& b : {std::string("1,2"), std::string("2"), teksty[a.size() % 40]}) {
                ASSERT_EQ(pary.ZawieraPare(a, b), wzorPar.contains(a + "," + b)) << a << "/" << b;
            }
        }
        zbior.Wyczysc();
        pary.Wyczysc();
        wzor.clear();
        wzorPar.clear();
    }
}

// What a pass works out for a type is worked out once, and found again however many types a
// file has (the table grows as they come).
TEST(CPamiecTypow, KazdyTypRazITakSamo) {
    CPamiecTypow<std::string> typy;
    int nUtworzone = 0;
    auto utworz = [&](std::string_view strTyp) {
        ++nUtworzone;
        return "*" + std::string(strTyp);
    };
    for (int nRunda = 0; nRunda < 3; ++nRunda)
        for (int i = 0; i < 300; ++i) {
            const std::string strTyp = "G5X" + std::to_string(i * 7919);
            ASSERT_EQ(typy.Wpis(strTyp, utworz), "*" + strTyp);
        }
    EXPECT_EQ(nUtworzone, 300);
}
