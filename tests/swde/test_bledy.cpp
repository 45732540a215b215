// Texts of the numbered errors, byte for byte in code page 1250.
#include <gtest/gtest.h>

#include "swde/bledy.h"

TEST(Bledy, FullTextNamesNumberMessageAndWhereKnownTheLocation) {
    const struct {
        EBlad eBlad;
        std::string strDopisek;
        std::uint64_t nLinia, nPozycja;
        std::string strPelny;
    } przypadki[] = {
        {EBlad::KoniecDanych, "", 0, 0,
         "B\xB3\xB9\x64 nr 9: B\xB3\xB9\x64 w pliku przy pobieraniu kolejnej porcji danych. "
         "Niespodziewany koniec pliku."},
        {EBlad::NaglowekRekordu, "", 7, 312,
         "B\xB3\xB9\x64 nr 11: Nieprawid\xB3owy nag\xB3\xF3wek rekordu (Linia w pliku nr: 7, "
         "pozycja w pliku: 312)"},
        // Only the position known: the parenthesis opens straight onto it.
        {EBlad::FormatDanychWRekordzie, "", 0, 5,
         "B\xB3\xB9\x64 nr 6: Nieprawid\xB3owy format danych w rekordzie (, pozycja w pliku: 5)"},
        // Counters beyond 32 bits print in full.
        {EBlad::UzycieWiazaniaRWLS, "", 1ull << 32, (1ull << 32) + 17,
         "B\xB3\xB9\x64 nr 8: Nieprawid\xB3owe u\xBFycie wi\xB9zania G5RW\xA3S w obiekcie G5UDZ "
         "(Linia w pliku nr: 4294967296, pozycja w pliku: 4294967313)"},
        {EBlad::OtwarciePlikuZrodlowego, "C:\\a.swd", 0, 0,
         "B\xB3\xB9\x64 nr 0: B\xB3\xB9\x64 otwarcia pliku \x9Fr\xF3\x64\xB3owego: C:\\a.swd"},
    };
    for (const auto& p : przypadki)
        EXPECT_EQ(CSWDEException(p.eBlad, p.strDopisek, p.nLinia, p.nPozycja).PelnyKomunikat(),
                  p.strPelny);
}

// An error raised where its place is unknown gets the place once; errors that name no place,
// or have one already, keep their text.
TEST(Bledy, LocationIsAddedOnlyWhereTheErrorNamesOne) {
    CSWDEException bezMiejsca(EBlad::NaglowekRekordu);
    bezMiejsca.UzupelnijMiejsce(7, 312);
    bezMiejsca.UzupelnijMiejsce(8, 400);
    EXPECT_EQ(bezMiejsca.m_strKomunikat,
              "Nieprawid\xB3owy nag\xB3\xF3wek rekordu (Linia w pliku nr: 7, pozycja w pliku: 312)");
    CSWDEException koniec(EBlad::KoniecDanych);
    koniec.UzupelnijMiejsce(7, 312);
    EXPECT_EQ(koniec.PelnyKomunikat().find('('), std::string::npos);
}
