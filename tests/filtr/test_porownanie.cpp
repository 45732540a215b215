// The comparison of two exports: every kind of change on a small precinct, the parcel view,
// masking, read errors and stopping.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "filtr/porownanie.h"
#include "generator.h"
#include "generator_zmiany.h"
#include "silnik_testowy.h"

using namespace silnik_test;

namespace {

// Two parcels with their land use, register units, a share and two persons.
const std::string DZE1 = "G5DZE:1 D,G5IDD,D,146599_9.0001.1; D,G5PEW,D,700; D,G5DTW,D,2020-01-01; "
                         "WG,G5RJDR,G5JDR,10;";
const std::string DZE2 = "G5DZE:2 D,G5IDD,D,146599_9.0001.2; D,G5PEW,D,500; WG,G5RJDR,G5JDR,11;";
const std::string KLU3 = "G5KLU:3 D,G5OFU,D,B; D,G5OZU,D,R; D,G5OZK,D,IVa; D,G5PEW,D,1500; "
                         "WG,G5RDZE,G5DZE,1;";
const std::string KLU4 = "G5KLU:4 D,G5OFU,D,Ps; D,G5OZK,D,IV; D,G5PEW,D,600; WG,G5RDZE,G5DZE,1;";
const std::string JDR = "G5JDR:10 D,G5IJR,D,G1; / G5JDR:11 D,G5IJR,D,G2;";
const std::string UDZ = "G5UDZ:20 D,G5LCL,D,1; D,G5MNK,D,2; WG,G5RWLS,G5JDR,10; WG,G5RPOD,G5OSF,30;";
const std::string OSF = "G5OSF:30 D,G5NZW,D,Kowalski; D,G5PSL,D,85031412347; / "
                        "G5OSF:31 D,G5NZW,D,Nowak;";

std::string Obreb(const std::vector<std::string>& rekordy) {
    std::string str;
    for (const std::string& r : rekordy)
        if (!r.empty())
            str += (str.empty() ? "" : " / ") + r;
    return Plik(str);
}

const std::vector<std::string> BAZA = {DZE1, DZE2, KLU3, KLU4, JDR, UDZ, OSF};

// The base with record i replaced (several records may stand in one text, none in an empty
// one), and with record j too.
std::vector<std::string> Zmien(std::size_t i, const std::string& strRekord,
                               std::size_t j = SIZE_MAX, const std::string& strJ = {}) {
    std::vector<std::string> r = BAZA;
    r[i] = strRekord;
    if (j < r.size())
        r[j] = strJ;
    return r;
}

std::string Pola(const std::vector<CZmianaPola>& pola) {
    std::string str;
    for (const CZmianaPola& p : pola)
        str += " " + p.m_strCo + ":" + p.m_strPrzed + ">" + p.m_strPo;
    return str;
}

// "G5DZE 1 zmiana G5PEW:700>750 | ..."
std::string Zmiany(const CWynikPorownania& w) {
    std::string str;
    for (const CZmianaRekordu& z : w.m_zmiany)
        str += (str.empty() ? "" : " | ") + z.m_strTyp + " " + z.m_strId + " " +
               NazwaStanu(z.m_eStan) + Pola(z.m_pola);
    return str;
}

// "146599_9.0001.1 zmiana G5PEW:700>750 [a>b] +G5UDZ 20 | ..."
std::string Dzialki(const CWynikPorownania& w) {
    std::string str;
    for (const CZmianaDzialki& d : w.m_dzialki) {
        str += (str.empty() ? "" : " | ") + d.m_strIdd + " " + NazwaStanu(d.m_eStan) + Pola(d.m_pola);
        if (d.m_bUzytki)
            str += " [" + d.m_strUzytkiPrzed + ">" + d.m_strUzytkiPo + "]";
        for (const std::size_t n : d.m_anInne)
            str += " +" + w.m_zmiany[n].m_strTyp + " " + w.m_zmiany[n].m_strId;
    }
    return str;
}

struct CPorownaj {
    CKatalog katalog;
    CObserwatorTestowy obserwator;
    COpcjePorownania opcje;

    CWynikPorownania operator()(const std::string& strStary, const std::string& strNowy) {
        Zapisz(katalog("stary.swd"), strStary);
        Zapisz(katalog("nowy.swd"), strNowy);
        return PorownajPliki(katalog("stary.swd"), katalog("nowy.swd"), opcje, obserwator);
    }
};

TEST(Porownanie, KazdyRodzajZmiany) {
    const struct {
        const char* szCo;
        std::vector<std::string> nowy;
        bool bRoznice;
        std::string strZmiany;
        std::string strDzialki;
    } przypadki[] = {
        {"identical", BAZA, false, "", ""},
        {"new version: second identifier and version date",
         Zmien(0, "RO,1,G5DZE,1,1v2,11; D,G5IDD,D,146599_9.0001.1; D,G5PEW,D,700; "
                  "D,G5DTW,D,2024-05-05; WG,G5RJDR,G5JDR,10;"),
         false, "", ""},
        {"re-identified, unchanged", Zmien(3, "G5KLU:40" + KLU4.substr(7)), false,
         "G5KLU 40 " + T("bez zmian (nowy identyfikator)"), ""},
        {"parcel re-identified: its land use names it anew and is unchanged",
         {"G5DZE:8" + DZE1.substr(7), DZE2,
          std::regex_replace(KLU3, std::regex("G5DZE,1;"), "G5DZE,8;"),
          std::regex_replace(KLU4, std::regex("G5DZE,1;"), "G5DZE,8;"), JDR, UDZ, OSF},
         false, "G5DZE 8 " + T("bez zmian (nowy identyfikator)"), ""},
        {"area", Zmien(0, std::regex_replace(DZE1, std::regex("700"), "750")), true,
         "G5DZE 1 zmiana G5PEW:700>750", "146599_9.0001.1 zmiana G5PEW:700>750"},
        {"land-use split re-identified and changed",
         Zmien(2, "G5KLU:42 D,G5OFU,D,Bi; D,G5PEW,D,1800; WG,G5RDZE,G5DZE,1; / "
                  "G5KLU:41 D,G5OFU,D,Ps; D,G5OZK,D,IV; D,G5PEW,D,1200; WG,G5RDZE,G5DZE,1;",
               3),
         true,
         T("G5KLU 3 usunięty | G5KLU 4 usunięty | G5KLU 41 dodany | G5KLU 42 dodany"),
         "146599_9.0001.1 zmiana [B-RIVa 0,1500 ha; Ps-IV 0,0600 ha>Bi 0,1800 ha; "
         "Ps-IV 0,1200 ha]"},
        {"share", Zmien(5, std::regex_replace(UDZ, std::regex("MNK,D,2"), "MNK,D,3")), true,
         "G5UDZ 20 zmiana G5MNK:2>3", "146599_9.0001.1 zmiana +G5UDZ 20"},
        {"relation names another object",
         Zmien(1, std::regex_replace(DZE2, std::regex("G5JDR,11"), "G5JDR,10")), true,
         "G5DZE 2 zmiana WG,G5RJDR:G5JDR 11>G5JDR 10",
         "146599_9.0001.2 zmiana WG,G5RJDR:G5JDR 11>G5JDR 10"},
        {"owner replaced", Zmien(5, std::regex_replace(UDZ, std::regex("OSF,30"), "OSF,31")), true,
         "G5UDZ 20 zmiana WG,G5RPOD:G5OSF 30>G5OSF 31", "146599_9.0001.1 zmiana +G5UDZ 20"},
        {"person's data: the holder's parcels",
         Zmien(6, std::regex_replace(OSF, std::regex("Kowalski"), "Kowalska")), true,
         "G5OSF 30 zmiana G5NZW:Kowa****>Kowa****", "146599_9.0001.1 zmiana +G5OSF 30"},
        {"parcel removed, another added",
         Zmien(1, "G5DZE:5 D,G5IDD,D,146599_9.0001.5; D,G5PEW,D,90; WG,G5RJDR,G5JDR,11;"), true,
         T("G5DZE 2 usunięty | G5DZE 5 dodany"),
         T("146599_9.0001.2 usunięty | 146599_9.0001.5 dodany")},
    };
    for (const auto& p : przypadki) {
        SCOPED_TRACE(p.szCo);
        CPorownaj porownaj;
        const CWynikPorownania w = porownaj(Obreb(BAZA), Obreb(p.nowy));
        ASSERT_FALSE(w.m_bBlad) << w.m_strBlad;
        EXPECT_EQ(w.CzySaRoznice(), p.bRoznice);
        EXPECT_EQ(Zmiany(w), p.strZmiany);
        EXPECT_EQ(Dzialki(w), p.strDzialki);
        EXPECT_EQ(porownaj.obserwator.postep.back(), 1000);
    }
}

TEST(Porownanie, LiczbyTypowINaglowek) {
    CPorownaj porownaj;
    std::string strNowy = Obreb(Zmien(0, "RO,1,G5DZE,1,1v2,11; D,G5IDD,D,146599_9.0001.1; "
                                         "D,G5PEW,D,700; WG,G5RJDR,G5JDR,10;"));
    strNowy = std::regex_replace(strNowy, std::regex("NS,TR,1;"), "NS,TR,2;\nNS,DN,2024-01-02");
    const CWynikPorownania w = porownaj(Obreb(BAZA), strNowy);
    ASSERT_EQ(w.m_typy.size(), 5u);
    EXPECT_EQ(w.m_typy[0].m_strTyp, "G5DZE");
    EXPECT_EQ(w.m_typy[0].m_an[0], 1u); // parcel 2 unchanged
    EXPECT_EQ(w.m_typy[0].m_an[1], 1u); // parcel 1: a version date dropped, new version
    ASSERT_EQ(w.m_naglowek.size(), 2u);
    EXPECT_EQ(w.m_naglowek[0].m_strKod + w.m_naglowek[0].m_strStary + w.m_naglowek[0].m_strNowy,
              "TR1;2;");
    EXPECT_EQ(w.m_naglowek[1].m_strStary + ">" + w.m_naglowek[1].m_strNowy, ">2024-01-02");
}

TEST(Porownanie, DaneOsoboweMaskowaneAlboNaZyczenie) {
    const std::string strNowy =
        Obreb(Zmien(6, "G5OSF:30 D,G5NZW,D,Kowalska; D,G5PSL,D,85031412348; / G5OSF:31 "
                       "D,G5NZW,D,Nowak;"));
    for (const bool bDaneOsobowe : {false, true}) {
        CPorownaj porownaj;
        porownaj.opcje.m_bDaneOsobowe = bDaneOsobowe;
        const std::string str = Zmiany(porownaj(Obreb(BAZA), strNowy));
        EXPECT_EQ(str, bDaneOsobowe
                           ? "G5OSF 30 zmiana G5NZW:Kowalski>Kowalska G5PSL:85031412347>85031412348"
                           // the new number has a wrong check digit: no identifier to mask
                           : "G5OSF 30 zmiana G5NZW:Kowa****>Kowa**** G5PSL:8503*******>85031412348");
    }
}

TEST(Porownanie, BladPlikuINumerIPlik) {
    const struct {
        const char* szCo;
        std::string strStary, strNowy;
        int nPlik, nNumer;
    } przypadki[] = {
        {"no SWDE file", "tekst\n", Obreb(BAZA), 0, 1},
        {"element line", Obreb(BAZA), Plik("G5DZE:1 QQ,1;"), 1, 4},
        {"cut short", Obreb(BAZA), Obreb(BAZA).substr(0, 120), 1, 9},
    };
    for (const auto& p : przypadki) {
        SCOPED_TRACE(p.szCo);
        CPorownaj porownaj;
        const CWynikPorownania w = porownaj(p.strStary, p.strNowy);
        EXPECT_TRUE(w.m_bBlad);
        EXPECT_EQ(w.m_nPlikBledu, p.nPlik);
        EXPECT_EQ(w.m_nNumerBledu, p.nNumer) << w.m_strBlad;
    }
    CPorownaj porownaj;
    Zapisz(porownaj.katalog("stary.swd"), Obreb(BAZA));
    const CWynikPorownania w = PorownajPliki(porownaj.katalog("stary.swd"),
                                             porownaj.katalog("brak.swd"), {}, porownaj.obserwator);
    EXPECT_EQ(w.m_nPlikBledu, 1);
    EXPECT_EQ(w.m_nNumerBledu, 0);
}

TEST(Porownanie, PrzerwanieNicNieZwraca) {
    CPorownaj porownaj;
    porownaj.obserwator.bPrzerwij = true;
    const CWynikPorownania w = porownaj(Obreb(BAZA), Obreb(BAZA));
    EXPECT_TRUE(w.m_bPrzerwany);
    EXPECT_FALSE(w.m_bBlad);
    EXPECT_TRUE(w.m_typy.empty());
}

// A generated district and its copy with planted changes: the report names exactly those.
TEST(Porownanie, WygenerowanaParaDajeDokladniePosadzoneZmiany) {
    CPorownaj porownaj;
    GenerujPlikSWDE(porownaj.katalog("stary.swd"), {3u << 20, 1});
    const std::vector<CPosadzonaZmiana> posadzone =
        ZapiszZmienionyPlik(porownaj.katalog("stary.swd"), porownaj.katalog("nowy.swd"), 50);
    const CWynikPorownania w = PorownajPliki(porownaj.katalog("stary.swd"),
                                             porownaj.katalog("nowy.swd"), {}, porownaj.obserwator);
    ASSERT_FALSE(w.m_bBlad) << w.m_strBlad;
    std::vector<CPosadzonaZmiana> oczekiwane;
    std::uint64_t nWersje = 0;
    for (const CPosadzonaZmiana& z : posadzone)
        if (z.m_eStan == EStanRekordu::NowaWersja)
            ++nWersje;
        else
            oczekiwane.push_back(z);
    std::vector<CPosadzonaZmiana> znalezione;
    for (const CZmianaRekordu& z : w.m_zmiany)
        znalezione.push_back({z.m_strTyp, z.m_strId, z.m_eStan});
    std::set<std::string> typy;
    for (const CPosadzonaZmiana& z : oczekiwane)
        typy.insert(z.m_strTyp + " " + NazwaStanu(z.m_eStan));
    EXPECT_EQ(typy.size(), 7u); // every kind planted at least once
    EXPECT_EQ(znalezione, oczekiwane);
    std::uint64_t nZnalezioneWersje = 0;
    for (const CLiczbyTypu& t : w.m_typy)
        nZnalezioneWersje += t.m_an[static_cast<std::size_t>(EStanRekordu::NowaWersja)];
    EXPECT_EQ(nZnalezioneWersje, nWersje);
    EXPECT_GT(nWersje, 0u);
    // Every changed area and every changed land-use split stands in the parcel view.
    std::size_t nUzytki = 0, nPowierzchnie = 0;
    for (const CZmianaDzialki& d : w.m_dzialki) {
        nUzytki += d.m_bUzytki;
        nPowierzchnie += !d.m_pola.empty();
    }
    EXPECT_EQ(nPowierzchnie, std::count_if(oczekiwane.begin(), oczekiwane.end(), [](const auto& z) {
                  return z.m_strTyp == "G5DZE";
              }));
    EXPECT_GT(nUzytki, 0u);
}

TEST(Porownanie, RaportZapisanyPrzezNazweRobocza) {
    CKatalog katalog;
    Zapisz(katalog("raport.csv"), "stary");
    ZapiszRaportPorownania(katalog("raport.csv"), "nowy\n");
    EXPECT_EQ(Czytaj(katalog("raport.csv")), "nowy\n");
    EXPECT_EQ(katalog.Pliki(), Lista{"raport.csv"});
    // A folder that does not exist: nothing left behind.
    EXPECT_ANY_THROW(ZapiszRaportPorownania(katalog("brak") + "/raport.csv", "x"));
    EXPECT_EQ(katalog.Pliki(), Lista{"raport.csv"});
}

} // namespace
