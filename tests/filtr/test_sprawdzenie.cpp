// The check of a file: structure and reader errors, checksum lines, references and personal
// identifiers, on small files in the short record form (the object records start at line 13).
#include <gtest/gtest.h>

#include "filtr/sprawdzenie.h"
#include "swde/crc.h"
#include "swde/rekord.h"
#include "silnik_testowy.h"

using namespace silnik_test;

namespace {

struct CSprawdzenie {
    CKatalog katalog;
    CObserwatorTestowy obserwator;

    CWynikSprawdzenia operator()(const std::string& strTresc) {
        Zapisz(katalog("plik.swd"), strTresc);
        return SprawdzPlik(katalog("plik.swd"), obserwator);
    }
};

std::string Liczby(const std::vector<CLiczbaObiektow>& obiekty) {
    std::string str;
    for (const CLiczbaObiektow& l : obiekty)
        str += l.m_strTyp + " " + std::to_string(l.m_nAktualne) + "/" +
               std::to_string(l.m_nHistoryczne) + ";";
    return str;
}

TEST(Sprawdzenie, CalyPlikBezUsterek) {
    // References backwards and forwards, to points and by second identifier; CR LF line ends,
    // a comment line, a historical record and a graphic form.
    std::string strPlik =
        Plik("G5ADR:1 / G5OSF:2 WG,G5RADR,G5ADR,1; / G5DZE:3 WL,G5RADR,4L; "
             "C;komentarz / G5ADR:4 / RP,1,G5PZG,9,9L,11; / "
             "RO,1,G5G_DZE,5,5L,10; GL; P,P,G5PZG,9; P,K,9L; GX; WG,G5RDZE,G5DZE,3;");
    strPlik = std::regex_replace(strPlik, std::regex("\n"), "\r\n") + "\r\n";
    CSprawdzenie sprawdz;
    const CWynikSprawdzenia w = sprawdz(strPlik);
    EXPECT_TRUE(w.CzyBezUsterek()) << w.m_strBlad;
    EXPECT_EQ(w.m_astrSekcje, (Lista{"SN;", "SP;", "ST;", "SO;"}));
    EXPECT_EQ(w.m_strJednostka, "1;");
    EXPECT_EQ(Liczby(w.m_obiekty), "G5ADR 2/0;G5DZE 1/1;G5OSF 1/0;G5PZG 1/0;");
    EXPECT_EQ(w.m_nRekordy, 6u);
    EXPECT_EQ(w.m_nOdwolania, 5u);
    EXPECT_EQ(w.StanSum(), EStanSum::Brak);
    EXPECT_EQ(w.m_nLinie, 34u);
    EXPECT_EQ(w.m_nBajty, strPlik.size());
    EXPECT_EQ(sprawdz.obserwator.postep.back(), 1000);
}

// The checksummed target of a run; a byte changed in one section breaks that section's sum and
// the file's, and no other.
TEST(Sprawdzenie, SumyKontrolneSekcjiIPliku) {
    CRun run(Bit(GrupaLokale), true);
    run.FiltrujJeden("G5DZE:1 D,G5NRD,,1; / G5LKL:2");
    const std::string strCel = Czytaj(run.pary[0].m_strCel);
    CSprawdzenie sprawdz;
    const CWynikSprawdzenia w = sprawdz(strCel);
    ASSERT_EQ(w.StanSum(), EStanSum::Zgodne);
    EXPECT_TRUE(w.CzyBezUsterek());
    ASSERT_EQ(w.m_sumySekcji.size(), 4u);

    const std::string astrSekcje[] = {"SN;", "SP;", "ST;", "SO;"};
    for (std::size_t i = 0; i < 4; ++i) {
        SCOPED_TRACE(astrSekcje[i]);
        std::string strZmieniony = strCel;
        strZmieniony[strZmieniony.find(astrSekcje[i] + "\r\n") + 6] ^= 1;
        const CWynikSprawdzenia z = sprawdz(strZmieniony);
        EXPECT_EQ(z.StanSum(), EStanSum::Niezgodne);
        EXPECT_FALSE(z.CzyCaly());
        for (std::size_t j = 0; j < 4; ++j)
            EXPECT_EQ(z.m_sumySekcji[j].CzyZgodna(), i != j) << j;
        EXPECT_FALSE(z.m_sumaPliku.CzyZgodna());
        EXPECT_EQ(z.m_sumySekcji[i].m_strZapisana, w.m_sumySekcji[i].m_strZapisana);
    }
    // A section end without its sum among checksummed ones is a fault too.
    std::string strBezSumy = strCel;
    const std::size_t nSX = strBezSumy.find("SXC,");
    strBezSumy.replace(nSX, strBezSumy.find("\r\n", nSX) - nSX, "SX;");
    const CWynikSprawdzenia b = sprawdz(strBezSumy);
    EXPECT_EQ(b.StanSum(), EStanSum::Niezgodne);
    EXPECT_FALSE(b.m_sumySekcji[0].m_bZapisana);
    EXPECT_TRUE(b.m_sumySekcji[1].CzyZgodna());
}

// The program that makes a file computes its checksums over every line as it stands, comment
// lines inside records and blanks around lines included; a file made so is whole, although
// the same sums over the lines as a reader trims them and without comments would not match.
TEST(Sprawdzenie, SumyKontrolnePrzezWszystkieWierszeJakStoja) {
    const std::vector<std::string> wiersze = {
        "SWDE.w.2.00.(C) GUGiK 2000;", "SN;", "NS,TR,1 ", "SX", "SP;", "C;uklad", "UW,1;", "SX",
        "SO;", "RO,,G5DZE,1,1,11;", "C;  dzialka", "D,G5NRD,D,1;", "X;", "SX"};
    auto sumy = [&](bool bJakEksporter) {
        std::string strPlik;
        std::uint32_t nPlik = 0xFFFFFFFFu, nSekcja = 0xFFFFFFFFu;
        for (std::string str : wiersze) {
            if (!bJakEksporter && str.starts_with("C;"))
                continue;
            if (!bJakEksporter)
                str = std::string(Przytnij(str));
            if (str.size() == 3 && str[0] == 'S' && str[2] == ';')
                nSekcja = 0xFFFFFFFFu;
            if (str == "SX") {
                str = "SXC," + std::to_string(CSumyCRC::Suma(nSekcja, "SXC,")) + ";";
            } else {
                nSekcja = ObliczCRC(nSekcja, str);
            }
            nPlik = ObliczCRC(nPlik, str);
            strPlik += str + "\r\n";
        }
        return strPlik + "SWDEXC," + std::to_string(CSumyCRC::Suma(nPlik, "SWDEXC,")) + ";";
    };
    CSprawdzenie sprawdz;
    const std::string strEksport = sumy(true);
    const CWynikSprawdzenia w = sprawdz(strEksport);
    EXPECT_EQ(w.StanSum(), EStanSum::Zgodne) << strEksport;
    EXPECT_TRUE(w.CzyCaly());
    ASSERT_EQ(w.m_sumySekcji.size(), 3u);
    // Trimmed and without comments the sums differ from every one the file carries.
    const std::string strPrzyciete = sumy(false);
    for (const std::string_view strKoniec : {"SXC,", "SWDEXC,"}) {
        for (std::size_t n = 0; (n = strEksport.find(strKoniec, n)) != std::string::npos; ++n) {
            const std::string strWiersz = strEksport.substr(n, strEksport.find(';', n) - n);
            EXPECT_EQ(strPrzyciete.find(strWiersz), std::string::npos) << strWiersz;
        }
    }
}

TEST(Sprawdzenie, OdwolaniaDoBrakujacychObiektowIPunktow) {
    CSprawdzenie sprawdz;
    const CWynikSprawdzenia w = sprawdz(
        Plik("G5OSF:1 WG,G5RADR,G5ADR,99; WG,G5RADR,G5ADR,98; WG,G5RADR,G5ADR,5; / "
             "G5LKL:2 WL,G5RBUD,brak; / G5DZE:3 GL; P,P,G5PZG,404; P,K,404L; GX; / G5ADR:5"));
    EXPECT_FALSE(w.CzyCaly());
    EXPECT_TRUE(w.CzyStrukturaCala());
    EXPECT_EQ(w.m_nOdwolania, 6u);
    EXPECT_EQ(w.m_nNierozwiazane, 5u);
    Lista astrGrupy;
    for (const CGrupaOdwolan& g : w.m_odwolania) {
        std::string str = g.m_strTypRekordu + "|" + g.m_strKod + "|" + g.m_strWiazanie + "|" +
                          g.m_strTypCelu + "|" + std::to_string(g.m_nLiczba) + "|";
        for (const std::uint64_t n : g.m_anLinie)
            str += std::to_string(n) + " ";
        astrGrupy.push_back(str);
    }
    EXPECT_EQ(astrGrupy, (Lista{"G5OSF|WG|G5RADR|G5ADR|2|14 15 ", "G5LKL|WL|G5RBUD||1|19 ",
                                "G5DZE|P,P||G5PZG|1|23 ", "G5DZE|P,K|||1|24 "}));
}

// Each kind valid in an attribute, in a comment line and in the header; each one digit off is
// not reported. No identifier is kept whole in the result.
TEST(Sprawdzenie, IdentyfikatoryWAtrybutachKomentarzachINaglowku) {
    const std::string strPlik =
        "SWDE.w.2.00.(C) GUGiK 2000;\nSN;\nNS,TR,1;\nNS,TO,Jan 777-12-34-567\n"
        "NS,OO,Ewa 777-12-34-568\nSX;\nSP;\nSX;\nST;\nSX;\nSO;\n"
        "RO,1,G5OSF,1,1L,11;\nD,G5PSL,D,85031412347;\nD,G5NIP,D,5261048274;\n"
        "C;dowod ABA300000, paszport AB6234567\nC;dowod KLM523457, paszport AB6234568\n"
        "D,G5DOS,D,KLM 523456;\nD,G5DOS,D,85031412348;\nX;\nSX;\nSWDEX;\n";
    CSprawdzenie sprawdz;
    const CWynikSprawdzenia w = sprawdz(strPlik);
    EXPECT_TRUE(w.CzyCaly());
    EXPECT_FALSE(w.CzyBezUsterek());
    EXPECT_EQ(w.m_nIdentyfikatory, 5u);
    Lista astrGrupy;
    for (const CGrupaIdentyfikatorow& g : w.m_identyfikatory)
        for (const CWystapienie& wyst : g.m_wystapienia)
            astrGrupy.push_back(std::to_string(static_cast<int>(g.m_eRodzaj)) + " " +
                                g.m_strSymbol + " " + std::to_string(wyst.m_nLinia) + " " +
                                wyst.m_strMaska);
    EXPECT_EQ(astrGrupy, (Lista{"1 NS,TO 4 7771******", "0 G5PSL 13 8503*******",
                                "2 C; 15 ABA3*****", "3 C; 15 AB62*****", "2 G5DOS 17 KLM5*****"}));
}

TEST(Sprawdzenie, BladCzytnikaKonczySprawdzeniePliku) {
    const std::string NAGLOWEK = "SWDE.w.2.00.(C) GUGiK 2000;\n";
    const struct {
        const char* nazwa;
        std::string strTresc;
        std::string strBlad;
        std::uint64_t nLinia;
    } przypadki[] = {
        {"element code", Plik("G5OSF:1 D,G5NAZ,,a; ZZ,1;"),
         "Błąd nr 4: Nieprawidłowy element w sekcji: 'ZZ'", 15},
        {"record header, judged at the record's end", Plik("RO,1,G5DZE,7,7L; D,G5NAZ,,a;"),
         "Błąd nr 11: Nieprawidłowy nagłówek rekordu (Linia w pliku nr: 15, pozycja w pliku: ", 15},
        {"file end line for a record header", POCZATEK + SO("G5DZE:1") + "SWDEX;\n",
         "Błąd nr 9: ", 16},
        {"no SWDE header line", "swde.w.2.00.(C) GUGiK 2000;\n",
         "Błąd nr 1: Nieprawidłowy format pliku ", 1},
        {"empty", "", "Błąd nr 1: Nieprawidłowy format pliku ", 1},
        {"UTF-8 with a byte order mark", "\xEF\xBB\xBF" + NAGLOWEK,
         "Błąd nr 1: Nieprawidłowy format pliku (zapisany w UTF-8 ze znacznikiem BOM", 1},
        {"end inside SP", NAGLOWEK + "SN;\nSX;\nSP;\nP1;\n",
         "Błąd nr 1: Nieprawidłowy format pliku! (Linia w pliku nr: 6", 6},
        {"no file end line", POCZATEK + SO("G5DZE:1") + "SX;\n", "Błąd nr 9: ", 16},
        // A section whose end line is missing, as a run reports it.
        {"SP without its end line", NAGLOWEK + "SP;\nUW,1;\nST;\nSX;\nSO;\nSX;\nSWDEX;\n",
         "Błąd nr 1: Nieprawidłowy format pliku! (Linia w pliku nr: 4, pozycja w pliku: 42)", 4},
        {"ST inside the header", NAGLOWEK + "SN;\nST;\nSX;\n",
         "Błąd nr 1: Nieprawidłowy format pliku! (Linia w pliku nr: 3", 3},
        {"ST without its end line", NAGLOWEK + "ST;\nRT,1;\nX;\nSO;\nSX;\nSWDEX;\n",
         "Błąd nr 1: Nieprawidłowy format pliku! (Linia w pliku nr: 5", 5},
    };
    for (const auto& p : przypadki) {
        SCOPED_TRACE(p.nazwa);
        CSprawdzenie sprawdz;
        const CWynikSprawdzenia w = sprawdz(p.strTresc);
        EXPECT_TRUE(w.m_bBlad);
        EXPECT_TRUE(w.m_strBlad.starts_with(T(p.strBlad))) << w.m_strBlad;
        EXPECT_EQ(w.m_nLiniaBledu, p.nLinia);
        EXPECT_FALSE(w.CzyCaly());
        EXPECT_TRUE(w.m_odwolania.empty());
    }
    CObserwatorTestowy obserwator;
    const CWynikSprawdzenia brak = SprawdzPlik("/nie/ma/takiego.swd", obserwator);
    EXPECT_FALSE(brak.m_bOtwarty);
    EXPECT_EQ(brak.m_nNumerBledu, 0);
}

TEST(Sprawdzenie, UwagiOSekcjach) {
    const std::string NAGLOWEK = "SWDE.w.2.00.(C) GUGiK 2000;\n";
    const struct {
        std::string strTresc;
        EUwagaStruktury eUwaga;
        std::string strSekcja;
    } przypadki[] = {
        {NAGLOWEK + "SN;\nSX;\nSWDEX;\n", EUwagaStruktury::BrakSekcjiObiektow, ""},
        {NAGLOWEK + "SO;\nSX;\nSO;\nSX;\nSWDEX;\n", EUwagaStruktury::PowtorzonaSekcja, "SO;"},
        {NAGLOWEK + "ST;\nSX;\nSP;\nSX;\nSO;\nSX;\nSWDEX;\n", EUwagaStruktury::KolejnoscSekcji,
         "SP;"},
        // Two files one after the other: the second one's lines would be lost in a run.
        {NAGLOWEK + "SO;\nSX;\nSWDEX;\n\nC;x\n" + NAGLOWEK + "SO;\nSX;\nSWDEX;\n",
         EUwagaStruktury::DaneZaKoncemPliku, ""},
    };
    for (const auto& p : przypadki) {
        CSprawdzenie sprawdz;
        const CWynikSprawdzenia w = sprawdz(p.strTresc);
        ASSERT_EQ(w.m_uwagi.size(), 1u) << p.strTresc;
        EXPECT_EQ(w.m_uwagi[0].m_eUwaga, p.eUwaga);
        EXPECT_EQ(w.m_uwagi[0].m_strSekcja, p.strSekcja);
        EXPECT_FALSE(w.CzyCaly());
        EXPECT_TRUE(w.CzyPrzeczytany());
    }
    CSprawdzenie sprawdz;
    // After the file end line the search for identifiers goes on to the end of the file; the
    // DOS end-of-file mark alone is no data.
    const CWynikSprawdzenia po = sprawdz(NAGLOWEK + "SO;\nSX;\nSWDEX;\nRO,,G5OSF,1,1,11;\n"
                                                    "D,G5PSL,D,44051401359;\nX;\n");
    ASSERT_EQ(po.m_uwagi.size(), 1u);
    EXPECT_EQ(po.m_uwagi[0].m_nLinia, 5u);
    EXPECT_EQ(po.m_nIdentyfikatory, 1u);
    EXPECT_EQ(po.m_nLinie, 4u);
    EXPECT_TRUE(sprawdz(NAGLOWEK + "SO;\nSX;\nSWDEX;\n\x1A").CzyBezUsterek());
    // A header section without its end line ends at "SP;", whose lines stay lines of SP.
    const CWynikSprawdzenia sn = sprawdz(NAGLOWEK + "SN;\nNS,TR,1\nSP;\nUW,1;\nSX;\nSO;\nSX;\nSWDEX;\n");
    EXPECT_TRUE(sn.CzyBezUsterek()) << sn.m_strBlad;
    EXPECT_EQ(sn.m_astrSekcje, (std::vector<std::string>{"SN;", "SP;", "SO;"}));
    EXPECT_EQ(sn.m_strJednostka, "1");
}

TEST(Sprawdzenie, WielePlikowIPrzerwanie) {
    CKatalog katalog;
    std::string strDuzy;
    for (int i = 0; i < 600; ++i)
        strDuzy += "G5ADR:" + std::to_string(i) + " / ";
    Zapisz(katalog("a.swd"), Plik("G5ADR:1"));
    Zapisz(katalog("b.swd"), Plik(strDuzy + "G5ADR:x"));
    CObserwatorTestowy obserwator;
    const CWynikSprawdzen w = SprawdzPliki(
        {katalog("a.swd"), katalog("brak.swd"), katalog("b.swd"), katalog("a.swd")}, obserwator);
    EXPECT_FALSE(w.m_bPrzerwano);
    EXPECT_EQ(obserwator.zdarzenia, (Lista{"run 4", "plik 0", "gotowe 0", "plik 1", "blad 1",
                                           "plik 2", "gotowe 2", "plik 3", "gotowe 3", "koniec"}));
    EXPECT_EQ(obserwator.etapy[0], "a.swd: Sprawdzanie pliku");

    CObserwatorTestowy przerywajacy;
    przerywajacy.bPrzerwij = true;
    const CWynikSprawdzen p = SprawdzPliki({katalog("b.swd"), katalog("a.swd")}, przerywajacy);
    EXPECT_TRUE(p.m_bPrzerwano);
    ASSERT_EQ(p.m_pliki.size(), 1u);
    EXPECT_TRUE(p.m_pliki[0].m_bPrzerwany);
    EXPECT_FALSE(p.m_pliki[0].CzyCaly());
    EXPECT_EQ(przerywajacy.wynik.m_eWynik, EWynikFiltrowania::Przerwano);
}

} // namespace
