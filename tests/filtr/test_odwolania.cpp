// The dangling-reference and orphan passes, driven over small files through the real reader
// and writer.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "filtr/przebiegi.h"
#include "swde/bledy.h"
#include "swde/kodowanie.h"
#include "wspolne/powiadomienia_testowe.h"

namespace {

const std::string POCZATEK = "SWDE.w.2.00.(C) GUGiK 2000;\nSN;\nNS,TR,1;\nSX;\nSP;\nP1;\nSX;\n"
                             "ST;\nRT,1,X;\nX;\nSX;\nSO;\n";

std::string Plik(const std::string& strSO) {
    return POCZATEK + strSO + "SX;\nSWDEX;\n";
}

std::string ZCRLF(const std::string& strTekst) {
    std::string strWynik;
    for (char c : strTekst)
        strWynik += c == '\n' ? std::string("\r\n") : std::string(1, c);
    return strWynik;
}

// What a pass writes for an object section: CR LF everywhere, the file end line without one.
std::string Wynik(const std::string& strSO) {
    return ZCRLF(POCZATEK + strSO + "SX;\n") + "SWDEX;";
}

struct CWpisListy {
    int nLista;
    std::string p2, p3, p4;
};

// Passes over temporary files sharing one run state.
class CPrzebiegPlikowy {
public:
    explicit CPrzebiegPlikowy(const std::vector<CWpisListy>& wpisy = {}) {
        static int nLicznik = 0;
        const auto katalog = std::filesystem::temp_directory_path();
        const std::string strNazwa = "kelvor_c2_" + std::to_string(++nLicznik);
        m_strWejscie = (katalog / (strNazwa + ".swd")).string();
        m_strWyjscie = (katalog / (strNazwa + "_wy.swd")).string();
        for (const CWpisListy& w : wpisy)
            stan.Lista(w.nLista).Dodaj(w.p2, w.p3, w.p4);
    }
    ~CPrzebiegPlikowy() {
        std::filesystem::remove(m_strWejscie);
        std::filesystem::remove(m_strWyjscie);
    }

    std::string Uruchom(const std::string& strTresc, void (*pPrzebieg)(CKontekstPrzebiegu&)) {
        std::ofstream(m_strWejscie, std::ios::binary) << strTresc;
        CCzytnikSWDE czytnik;
        CPlikWynikowy wyjscie;
        if (!czytnik.Otworz(m_strWejscie) || !wyjscie.Otworz(m_strWyjscie))
            throw std::runtime_error("cannot open the test files");
        CKontekstPrzebiegu k{czytnik, wyjscie, powiadomienia, stan, opcje, czytnik.m_nDlugoscPliku};
        czytnik.m_bPrzewin = true;
        pPrzebieg(k);
        wyjscie.Zamknij();
        czytnik.Zamknij();
        std::ifstream plik(m_strWyjscie, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(plik), {});
    }

    CPowiadomieniaTestowe powiadomienia;
    CStanPrzebiegu stan;
    COpcjeFiltrowania opcje;

private:
    std::string m_strWejscie, m_strWyjscie;
};

struct CPrzypadek {
    const char* nazwa;
    std::vector<CWpisListy> listy;
    std::string so, oczekiwane;
};

// Ł = A3, Ż = AF, Ą = A1 in ISO 8859-2; code page 1250 writes Ą as A5.
// clang-format off
const CPrzypadek PRZYPADKI[] = {
    {"WL matched by field 4 of list 3", {{3, "G5BUD", "1", "15"}},
     "RO,a,G5LKL,5,6,11;\nWL,G5RBUD,15;\nD,G5LIZ,,2;\nX;\n",
     "RO,a,G5LKL,5,6,11;\nD,G5LIZ,,2;\nX;\n"},
    {"WL compared with field 4, not field 3", {{3, "G5BUD", "15", "16"}},
     "RO,a,G5LKL,5,6,11;\nWL,G5RBUD,15;\nX;\n",
     "RO,a,G5LKL,5,6,11;\nWL,G5RBUD,15;\nX;\n"},
    {"consecutive dangling elements go, the end line stays as read",
     {{1, "G5ADR", "1", "a1"}, {1, "G5ADR", "2", "a2"}},
     "RO,a,G5OSF,5,6,11;\nWL,G5RADR,a1;\nWL,G5RADR,a2;\nWL,G5RADR,a3;\nWL,G5RADR,a1;\nXC,9;\n",
     "RO,a,G5OSF,5,6,11;\nWL,G5RADR,a3;\nXC,9;\n"},
    {"a record losing every element stays", {{1, "G5ADR", "1", "a1"}},
     "RO,a,G5INS,5,6,11;\nWL,G5RADR,a1;\nX;\n",
     "RO,a,G5INS,5,6,11;\nX;\n"},
    {"WG by type and identifier; the O_ form of a marked type too", {{4, "G5JDR", "77", "x"}},
     "RO,a,G5DZE,5,6,11;\nWG,G5RJDR,G5JDR,77;\nWG,G5RJDR,G5JDR,78;\nX;\n"
     "RD,a,G5O_DZE,7,8,11;\nWG,G5RJDR,G5JDR,77;\nX;\n",
     "RO,a,G5DZE,5,6,11;\nWG,G5RJDR,G5JDR,78;\nX;\nRD,a,G5O_DZE,7,8,11;\nX;\n"},
    {"graphic types, O_ forms of unmarked types and types without rules keep everything",
     {{1, "G5JDR", "77", "x"}, {1, "G5JEW", "1", "y"}, {3, "G5BUD", "1", "15"}},
     "RO,a,G5G_DZE,5,6,11;\nWG,G5RJDR,G5JDR,77;\nX;\nRO,a,G5G_JEW,5,6,11;\nWG,G5RKRG,G5JEW,1;\nX;\n"
     "RD,a,G5O_LKL,5,6,11;\nWL,G5RBUD,15;\nX;\nRO,a,G5ADR,5,6,11;\nWL,G5RADR,y;\nX;\n",
     "RO,a,G5G_DZE,5,6,11;\nWG,G5RJDR,G5JDR,77;\nX;\nRO,a,G5G_JEW,5,6,11;\nWG,G5RKRG,G5JEW,1;\nX;\n"
     "RD,a,G5O_LKL,5,6,11;\nWL,G5RBUD,15;\nX;\nRO,a,G5ADR,5,6,11;\nWL,G5RADR,y;\nX;\n"},
    {"only the lists of the rule are consulted",
     {{2, "G5JDR", "1", "a1"}, {3, "G5BUD", "2", "b2"}, {6, "G5DZW", "3", "c3"}},
     "RO,a,G5OSF,5,6,11;\nWL,G5RADR,a1;\nX;\nRO,a,G5DZE,5,6,11;\nWL,G5RJDR,b2;\nX;\n"
     "RO,a,G5ZMN,5,6,11;\nWL,G5ROBJ,a1;\nWL,G5ROBJ,b2;\nWG,G5ROBJ,G5DZW,3;\nX;\n",
     "RO,a,G5OSF,5,6,11;\nWL,G5RADR,a1;\nX;\nRO,a,G5DZE,5,6,11;\nWL,G5RJDR,b2;\nX;\n"
     "RO,a,G5ZMN,5,6,11;\nX;\n"},
    {"several rules on one type",
     {{1, "G5ADR", "1", "a"}, {2, "G5JDR", "2", "b"}, {1, "G5DOK", "3", "c"}},
     "RO,a,G5LKL,5,6,11;\nWL,G5RADR,a;\nWL,G5RBUD,b;\nWL,G5RDOK,c;\nWL,G5RJDR,b;\n"
     "WL,G5RPW\xA3,a;\nWL,G5RPWD,a;\nX;\n",
     "RO,a,G5LKL,5,6,11;\nWL,G5RPWD,a;\nX;\n"},
    {"symbols with Polish letters as ISO 8859-2 bytes",
     {{1, "G5OSF", "1", "m"}, {2, "G5JDR", "77", "j"}},
     "RO,a,G5UDZ,5,6,11;\nWG,G5RW\xA3S,G5JDR,77;\nWL,G5RPOD,m;\nX;\n"
     "RO,a,G5UDW,5,6,11;\nWL,G5RW\xA3" "D,j;\nX;\n"
     "RO,a,G5MLZ,5,6,11;\nWL,G5RM\xA1\xAF,m;\nWL,G5R\xAFONA,m;\nWL,G5RM\xA5\xAF,m;\nX;\n",
     "RO,a,G5UDZ,5,6,11;\nX;\nRO,a,G5UDW,5,6,11;\nX;\n"
     "RO,a,G5MLZ,5,6,11;\nWL,G5RM\xA5\xAF,m;\nX;\n"},
    {"lines with other symbols or codes are left alone", {{1, "G5ADR", "1", "a1"}},
     "RO,a,G5OSF,5,6,11;\nWL,G5RXXX,a1;\nD,G5NIP,,a1;\nGL;\nP,P,G5ADR,1;\nGX;\nX;\n",
     "RO,a,G5OSF,5,6,11;\nWL,G5RXXX,a1;\nD,G5NIP,,a1;\nGL;\nP,P,G5ADR,1;\nGX;\nX;\n"},
};
// clang-format on

TEST(OdfiltrujSlepeOdwolania, RemovesTheElementsThatPointAtRemovedObjects) {
    for (const CPrzypadek& p : PRZYPADKI) {
        SCOPED_TRACE(p.nazwa);
        CPrzebiegPlikowy przebieg(p.listy);
        EXPECT_EQ(przebieg.Uruchom(Plik(p.so), OdfiltrujSlepeOdwolania), Wynik(p.oczekiwane));
    }
}

TEST(OdfiltrujSlepeOdwolania, RecordsEveryWrittenRelationAndPointReference) {
    CPrzebiegPlikowy przebieg({{1, "G5ADR", "1", "a1"}, {1, "G5JDR", "7", "j7"}});
    przebieg.stan.m_punktyLokalne.insert("from an earlier file");
    przebieg.Uruchom(Plik("RO,a,G5OSF,5,6,11;\nWL,G5RADR,a1;\nWL,G5RADR,a2;\nX;\n"
                          "RO,a,G5DZE,5,6,11;\nWG,G5RJDR,G5JDR,7;\nWG,G5RJDR,G5JDR,8;\n"
                          "GL;\nP,P,G5PZG,101;\nP,K,k7;\nGX;\nX;\n"
                          // Relations that no rule examines.
                          "RO,a,G5BUD,5,6,11;\nWG,G5RKRG,G5DOK,5;\nX;\n"
                          "RO,a,G5ADR,5,6,11;\nWL,G5RXXX,q;\nD,G5RADR,,d;\nX;\n"),
                     OdfiltrujSlepeOdwolania);
    using Zbior = std::unordered_set<std::string>;
    EXPECT_EQ(przebieg.stan.m_odwolaniaLokalne, (Zbior{"a2", "q"}));
    EXPECT_EQ(przebieg.stan.m_odwolaniaGlobalne, (Zbior{"G5JDR,8", "G5DOK,5"}));
    EXPECT_EQ(przebieg.stan.m_punktyGlobalne, (Zbior{"G5PZG,101"}));
    EXPECT_EQ(przebieg.stan.m_punktyLokalne, (Zbior{"k7"}));
    EXPECT_EQ(przebieg.powiadomienia.etapy,
              std::vector<std::string>{": " + kodowanie::T("Filtrowanie ślepych odwołań")});
}

TEST(OdfiltrujSlepeOdwolania, MisusedRelationSymbolsFailTheFile) {
    struct CPrzypadekBledu {
        std::string so;
        int nNumer;
        std::string strKomunikat;
    };
    const CPrzypadekBledu przypadki[] = {
        // A geometry line carrying a relation symbol.
        {"RO,a,G5OSF,5,6,11;\nK,G5RADR,1;\nX;\n", 6, blad::FormatDanychWRekordzie()},
        // A data line: list 1 passes it over, list 2 refuses it.
        {"RO,a,G5LKL,5,6,11;\nD,G5RBUD,,15;\nX;\n", 8, blad::UzycieWiazania()},
        // A data line where only list 1 is consulted: the registration refuses it.
        {"RO,a,G5OSF,5,6,11;\nD,G5RADR,,x;\nX;\n", 8, blad::UzycieWiazania()},
    };
    for (const CPrzypadekBledu& p : przypadki) {
        CPrzebiegPlikowy przebieg;
        try {
            przebieg.Uruchom(Plik("RO,a,G5DZE,1,2,11;\nX;\n" + p.so), OdfiltrujSlepeOdwolania);
            ADD_FAILURE() << "no error: " << p.so;
        } catch (const CSWDEException& e) {
            EXPECT_EQ(e.m_nNumer, p.nNumer);
            // The reader stopped at the end line of the record, line 17 of the file.
            EXPECT_EQ(e.m_strKomunikat.rfind(p.strKomunikat + " (Linia w pliku nr: 17,", 0), 0u)
                << e.m_strKomunikat;
        }
    }
}

TEST(UsunOdwolanieDoListy, OnlyTheFirstListPassesOverNonRelationCodes) {
    CCzytnikSWDE czytnik;
    CPlikWynikowy wyjscie;
    CPowiadomieniaTestowe powiadomienia;
    CStanPrzebiegu stan;
    COpcjeFiltrowania opcje;
    CKontekstPrzebiegu k{czytnik, wyjscie, powiadomienia, stan, opcje, 0};
    const Rekord przed = {"RO,a,G5ZMN,5,6,11;", "D,G5ROBJ,,15;", "WL,G5ROBJ,15;", "X;"};
    for (int nLista : {1, 2, 3, 4, 6}) {
        SCOPED_TRACE(nLista);
        stan.Lista(nLista).Dodaj("G5BUD", "1", "15");
        Rekord rekord = przed;
        if (nLista == 1)
            EXPECT_FALSE(UsunOdwolanieDoListy(nLista, rekord, {"D", "15", ""}, 1, k));
        else
            EXPECT_THROW(UsunOdwolanieDoListy(nLista, rekord, {"D", "15", ""}, 1, k),
                         CSWDEException);
        EXPECT_FALSE(UsunOdwolanieDoListy(nLista, rekord, {"WL", "16", ""}, 2, k));
        EXPECT_EQ(rekord, przed);
        EXPECT_TRUE(UsunOdwolanieDoListy(nLista, rekord, {"WL", "15", ""}, 2, k));
        EXPECT_EQ(rekord, (Rekord{"RO,a,G5ZMN,5,6,11;", "D,G5ROBJ,,15;", "X;"}));
    }
}

TEST(OdfiltrujSieroty, DropsOrphansAndWritesKeptRecordsWithPlainEndLines) {
    CPrzebiegPlikowy przebieg;
    przebieg.stan.m_odwolaniaLokalne.insert("a1");
    EXPECT_EQ(przebieg.Uruchom(Plik("RO,a,G5ADR,1,a1,11;\nD,G5KOD,,00-001;\nXC,5;\n"
                                    "RO,a,G5ADR,2,a2,11;\nX;\n"
                                    "RO,a,G5KLU,3,k3,11;\nWL,G5RDZE,d;\nXC,6;\n"
                                    "RO,a,G5KLU,4,k4,11;\nX;\n"),
                               OdfiltrujSieroty),
              Wynik("RO,a,G5ADR,1,a1,11;\nD,G5KOD,,00-001;\nX;\n"
                    "RO,a,G5KLU,3,k3,11;\nWL,G5RDZE,d;\nX;\n"));
    EXPECT_EQ(przebieg.powiadomienia.etapy,
              std::vector<std::string>{": " + kodowanie::T("Odfiltrowanie obiektów sierot")});
    EXPECT_EQ(przebieg.powiadomienia.postep.front(), 0);
    EXPECT_EQ(przebieg.powiadomienia.postep.back(), 1000);
}

TEST(OdfiltrujSieroty, CancelBeforeThePassWritesNothing) {
    CPrzebiegPlikowy przebieg;
    przebieg.powiadomienia.bPrzerwij = true;
    EXPECT_EQ(przebieg.Uruchom(Plik("RO,a,G5ADR,1,a1,11;\nX;\n"), OdfiltrujSieroty), "");
    EXPECT_TRUE(przebieg.powiadomienia.etapy.empty());
}

// A small precinct: outlines use boundary points that carry no relation of their own, a
// building names a document only through its G5RKRG relation, and one address is named only
// by a relation that points at a removed object.
TEST(OdfiltrujSieroty, AfterTheDanglingPassNothingStillUsedIsDropped) {
    const std::string strWspolne =
        "RO,a,G5PZG,101,p101,11;\nD,G5DTW,,2020;\nX;\nRO,a,G5PZG,102,p102,11;\nX;\n";
    const std::string strDzialka =
        "RO,a,G5DZE,1,d1,11;\nWL,G5RADR,ad1;\nGL;\nP,P,G5PZG,101;\nP,K,p104;\nGX;\nX;\n";
    CPrzebiegPlikowy przebieg({{1, "G5ADR", "21", "ad2"}});
    const std::string strBezSlepych = przebieg.Uruchom(
        Plik(strWspolne + "RO,a,G5PZG,103,p103,11;\nX;\nRO,a,G5PZG,104,p104,11;\nX;\n" +
             strDzialka +
             "RO,a,G5BUD,2,b2,11;\nWG,G5RKRG,G5DOK,9;\nWL,G5RADR,ad2;\nGL;\nP,P,G5PZG,102;\n"
             "GX;\nX;\nRO,a,G5DOK,9,dok9,11;\nX;\nRO,a,G5DOK,10,dok10,11;\nX;\n"
             "RO,a,G5ADR,20,ad1,11;\nX;\nRO,a,G5ADR,21,ad2,11;\nX;\n"),
        OdfiltrujSlepeOdwolania);
    EXPECT_EQ(przebieg.Uruchom(strBezSlepych, OdfiltrujSieroty),
              Wynik(strWspolne + "RO,a,G5PZG,104,p104,11;\nX;\n" + strDzialka +
                    "RO,a,G5BUD,2,b2,11;\nWG,G5RKRG,G5DOK,9;\nGL;\nP,P,G5PZG,102;\nGX;\nX;\n"
                    "RO,a,G5DOK,9,dok9,11;\nX;\nRO,a,G5ADR,20,ad1,11;\nX;\n"));
}

} // namespace
