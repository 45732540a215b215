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
