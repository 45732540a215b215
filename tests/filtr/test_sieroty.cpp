// The orphan pass: its two type tables, the point references that protect outline points, and
// the pass driven over small files after the dangling-reference pass.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "filtr/przebiegi.h"
#include "swde/kodowanie.h"
#include "wspolne/powiadomienia_testowe.h"

namespace {

const std::string POCZATEK = "SWDE.w.2.00.(C) GUGiK 2000;\n"
                             "SN;\nNS,TR,1;\nSX;\n"
                             "SP;\nSX;\n"
                             "ST;\nSX;\n"
                             "SO;\n";

std::string Plik(const std::string& strSO) {
    return POCZATEK + strSO + "SX;\nSWDEX;\n";
}

std::string ZCRLF(const std::string& strTekst) {
    std::string strWynik;
    for (char c : strTekst) {
        if (c == '\n')
            strWynik += '\r';
        strWynik += c;
    }
    return strWynik;
}

std::string Wynik(const std::string& strSO) {
    return ZCRLF(POCZATEK + strSO + "SX;\n") + "SWDEX;";
}

// Passes over temporary files sharing one run state.
class CPrzebiegPlikowy {
public:
    CPrzebiegPlikowy() {
        static int nLicznik = 0;
        const std::string strNazwa = "kelvor_c2_sier_" + std::to_string(++nLicznik);
        const std::filesystem::path katalog = std::filesystem::temp_directory_path();
        m_strWejscie = (katalog / (strNazwa + ".swd")).string();
        m_strWyjscie = (katalog / (strNazwa + "_wy.swd")).string();
    }
    ~CPrzebiegPlikowy() {
        std::filesystem::remove(m_strWejscie);
        std::filesystem::remove(m_strWyjscie);
    }

    std::string Uruchom(const std::string& strTresc, void (*pPrzebieg)(CKontekstPrzebiegu&)) {
        std::ofstream(m_strWejscie, std::ios::binary) << strTresc;
        CCzytnikSWDE czytnik;
        CPlikWynikowy wyjscie;
        if (!czytnik.Otworz(m_strWejscie) || !wyjscie.Otworz(m_strWyjscie)) {
            ADD_FAILURE() << "cannot open the test files";
            return {};
        }
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
    Rekord rekord;
    std::vector<std::string> lokalne, globalne, punktyLokalne, punktyGlobalne;
    bool bZostaje;
};

// Ł = A3, Ż = AF, Ą = A1 in ISO 8859-2.
const CPrzypadek PRZYPADKI[] = {
    {"first table: own relation keeps",
     {"RO,a,G5KLU,5,6,11;", "WL,G5RDZE,x;", "X;"},
     {},
     {},
     {},
     {},
     true},
    {"first table: being referred to does not keep",
     {"RO,a,G5KLU,5,6,11;", "D,G5DTW,,1;", "X;"},
     {"6"},
     {"G5KLU,5"},
     {},
     {},
     false},
    {"the header's field 1 is no relation",
     {"RO,G5RDZE,G5KLU,5,6,11;", "X;"},
     {},
     {},
     {},
     {},
     false},
    {"the code of the line is not examined",
     {"RO,a,G5LKL,5,6,11;", "D,G5RDZE,,1;", "X;"},
     {},
     {},
     {},
     {},
     true},
    {"second table: own relation keeps",
     {"RO,a,G5OSF,5,6,11;", "WL,G5RADR,x;", "X;"},
     {},
     {},
     {},
     {},
     true},
    {"second table: referred to by WG",
     {"RO,a,G5OSF,5,6,11;", "X;"},
     {},
     {"G5OSF,5"},
     {},
     {},
     true},
    {"second table: referred to by WL", {"RO,a,G5OSF,5,6,11;", "X;"}, {"6"}, {}, {}, {}, true},
    {"second table: WL names field 4, not field 3",
     {"RO,a,G5OSF,5,6,11;", "X;"},
     {"5"},
     {"G5OSF,6"},
     {},
     {},
     false},
    {"address nobody refers to", {"RO,a,G5ADR,5,6,11;", "X;"}, {}, {"G5ADR,6"}, {}, {}, false},
    {"document referred to", {"RO,a,G5DOK,5,6,11;", "X;"}, {}, {"G5DOK,5"}, {}, {}, true},
    {"O_ form judged like the base type", {"RD,a,G5O_DZE,5,6,11;", "X;"}, {}, {}, {}, {}, false},
    {"O_ form with its own relation",
     {"RD,a,G5O_DZE,5,6,11;", "WG,G5RKRG,G5DOK,1;", "X;"},
     {},
     {},
     {},
     {},
     true},
    {"O_ form referred to as written",
     {"RD,a,G5O_BUD,5,6,11;", "X;"},
     {},
     {"G5O_BUD,5"},
     {},
     {},
     true},
    {"graphic form always stays", {"RO,a,G5G_DZE,5,6,11;", "X;"}, {}, {}, {}, {}, true},
    {"O_ form of an unmarked type always stays",
     {"RD,a,G5O_LKL,5,6,11;", "X;"},
     {},
     {},
     {},
     {},
     true},
    {"unknown type always stays", {"RO,a,G5XYZ,5,6,11;", "X;"}, {}, {}, {}, {}, true},
    {"spouse relation with Z dot",
     {"RO,a,G5MLZ,5,6,11;", "WL,G5R\xAFONA,1;", "X;"},
     {},
     {},
     {},
     {},
     true},
    {"spouse relation with A ogonek",
     {"RO,a,G5MLZ,5,6,11;", "WL,G5RM\xA1\xAF,1;", "X;"},
     {},
     {},
     {},
     {},
     true},
    {"code page 1250 spelling is not the relation",
     {"RO,a,G5MLZ,5,6,11;", "WL,G5RM\xA5\xAF,1;", "X;"},
     {},
     {},
     {},
     {},
     false},
    {"share with L stroke",
     {"RO,a,G5UDW,5,6,11;",
      "WG,G5RW\xA3"
      "D,G5JDR,1;",
      "X;"},
     {},
     {},
     {},
     {},
     true},
    {"boundary point used by an outline stays",
     {"RO,a,G5PZG,5,6,11;", "X;"},
     {},
     {},
     {},
     {"G5PZG,5"},
     true},
    {"boundary point named locally stays", {"RO,a,G5PZG,5,6,11;", "X;"}, {}, {}, {"6"}, {}, true},
    {"boundary point used by nothing goes",
     {"RO,a,G5PZG,5,6,11;", "X;"},
     {"6"},
     {"G5PZG,5"},
     {"5"},
     {"G5PZG,6"},
     false},
    {"point reference keeps any type", {"RO,a,G5KLU,5,6,11;", "X;"}, {}, {}, {}, {"G5KLU,5"}, true},
};

TEST(SprawdzSierote, JudgesEachTypeByItsTable) {
    for (const CPrzypadek& p : PRZYPADKI) {
        SCOPED_TRACE(p.nazwa);
        CCzytnikSWDE czytnik;
        CPlikWynikowy wyjscie;
        CPowiadomieniaTestowe powiadomienia;
        CStanPrzebiegu stan;
        COpcjeFiltrowania opcje;
        stan.m_odwolaniaLokalne.insert(p.lokalne.begin(), p.lokalne.end());
        stan.m_odwolaniaGlobalne.insert(p.globalne.begin(), p.globalne.end());
        stan.m_punktyLokalne.insert(p.punktyLokalne.begin(), p.punktyLokalne.end());
        stan.m_punktyGlobalne.insert(p.punktyGlobalne.begin(), p.punktyGlobalne.end());
        const CKontekstPrzebiegu k{czytnik, wyjscie, powiadomienia, stan, opcje, 0};
        EXPECT_EQ(SprawdzSierote(p.rekord, k), p.bZostaje);
    }
}

TEST(MaKtorykolwiekElement, LooksAtFieldOneOfEveryLineAfterTheHeader) {
    const Rekord rekord = {"RO,G5RADR,G5OSF,5,6,11;", "D,G5NIP,,G5RKRG;", "WL,G5RDOK,1;", "X;"};
    EXPECT_TRUE(MaElement(rekord, "G5RDOK"));
    EXPECT_TRUE(MaElement(rekord, "G5NIP"));
    EXPECT_FALSE(MaElement(rekord, "G5RADR"));
    EXPECT_FALSE(MaElement(rekord, "G5RKRG"));
    EXPECT_FALSE(MaElement(rekord, "1;"));
    EXPECT_TRUE(MaKtorykolwiekElement({"G5RKRG", "G5RDOK"}, rekord));
    EXPECT_FALSE(MaKtorykolwiekElement({"G5RKRG", "G5RADR"}, rekord));
    EXPECT_FALSE(MaKtorykolwiekElement({}, rekord));
}

TEST(OdfiltrujSieroty, DropsOrphansAndWritesKeptRecordsWithPlainEndLines) {
    CPrzebiegPlikowy przebieg;
    przebieg.stan.m_odwolaniaLokalne.insert("a1");
    const std::string strWynik =
        przebieg.Uruchom(Plik("RO,a,G5ADR,1,a1,11;\nD,G5KOD,,00-001;\nXC,5;\n"
                              "RO,a,G5ADR,2,a2,11;\nX;\n"
                              "RO,a,G5KLU,3,k3,11;\nWL,G5RDZE,d;\nXC,6;\n"
                              "RO,a,G5KLU,4,k4,11;\nX;\n"),
                         OdfiltrujSieroty);
    EXPECT_EQ(strWynik, Wynik("RO,a,G5ADR,1,a1,11;\nD,G5KOD,,00-001;\nX;\n"
                              "RO,a,G5KLU,3,k3,11;\nWL,G5RDZE,d;\nX;\n"));
    ASSERT_FALSE(przebieg.powiadomienia.etapy.empty());
    EXPECT_EQ(przebieg.powiadomienia.etapy.back(),
              ": " + kodowanie::T("Odfiltrowanie obiektów sierot"));
    EXPECT_EQ(przebieg.powiadomienia.postep.front(), 0);
    EXPECT_EQ(przebieg.powiadomienia.postep.back(), 1000);
}

TEST(OdfiltrujSieroty, CancelBeforeThePassWritesNothing) {
    CPrzebiegPlikowy przebieg;
    przebieg.powiadomienia.bPrzerwij = true;
    EXPECT_EQ(przebieg.Uruchom(Plik("RO,a,G5ADR,1,a1,11;\nX;\n"), OdfiltrujSieroty), "");
    EXPECT_TRUE(przebieg.powiadomienia.etapy.empty());
}

TEST(OdfiltrujSieroty, CancelStopsBeforeTheNextRecord) {
    CPrzebiegPlikowy przebieg;
    przebieg.powiadomienia.przyPostepie = [&](int n) {
        if (n > 0)
            przebieg.powiadomienia.bPrzerwij = true;
    };
    EXPECT_EQ(przebieg.Uruchom(Plik("RO,a,G5XYZ,1,a1,11;\nX;\nRO,a,G5XYZ,2,a2,11;\nX;\n"),
                               OdfiltrujSieroty),
              ZCRLF(POCZATEK + "RO,a,G5XYZ,1,a1,11;\nX;\n"));
}

// A small precinct: parcel and building outlines use boundary points that carry no relation of
// their own, a building names a document only through its G5RKRG relation, and one address is
// named only by a relation that points at a removed object.
TEST(OdfiltrujSieroty, AfterTheDanglingPassNothingStillUsedIsDropped) {
    const std::string strWejscie = Plik(
        "RO,a,G5PZG,101,p101,11;\nD,G5DTW,,2020;\nX;\n"
        "RO,a,G5PZG,102,p102,11;\nX;\n"
        "RO,a,G5PZG,103,p103,11;\nX;\n"
        "RO,a,G5PZG,104,p104,11;\nX;\n"
        "RO,a,G5DZE,1,d1,11;\nWL,G5RADR,ad1;\nGL;\nP,P,G5PZG,101;\nP,P,G5PZG,102;\nP,K,p104;\n"
        "GX;\nX;\n"
        "RO,a,G5BUD,2,b2,11;\nWG,G5RKRG,G5DOK,9;\nWL,G5RADR,ad2;\nGL;\nP,P,G5PZG,102;\nGX;\nX;\n"
        "RO,a,G5DOK,9,dok9,11;\nX;\n"
        "RO,a,G5DOK,10,dok10,11;\nX;\n"
        "RO,a,G5ADR,20,ad1,11;\nX;\n"
        "RO,a,G5ADR,21,ad2,11;\nX;\n");
    CPrzebiegPlikowy przebieg;
    przebieg.stan.Lista(1).Dodaj("G5ADR", "21", "ad2");
    const std::string strBezSlepych = przebieg.Uruchom(strWejscie, OdfiltrujSlepeOdwolania);
    EXPECT_EQ(przebieg.Uruchom(strBezSlepych, OdfiltrujSieroty),
              Wynik("RO,a,G5PZG,101,p101,11;\nD,G5DTW,,2020;\nX;\n"
                    "RO,a,G5PZG,102,p102,11;\nX;\n"
                    "RO,a,G5PZG,104,p104,11;\nX;\n"
                    "RO,a,G5DZE,1,d1,11;\nWL,G5RADR,ad1;\nGL;\nP,P,G5PZG,101;\nP,P,G5PZG,102;\n"
                    "P,K,p104;\nGX;\nX;\n"
                    "RO,a,G5BUD,2,b2,11;\nWG,G5RKRG,G5DOK,9;\nGL;\nP,P,G5PZG,102;\nGX;\nX;\n"
                    "RO,a,G5DOK,9,dok9,11;\nX;\n"
                    "RO,a,G5ADR,20,ad1,11;\nX;\n"));
}

} // namespace
