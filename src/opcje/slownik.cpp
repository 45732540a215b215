// The vocabulary tables. Texts are written here as UTF-8 and converted once to code page 1250.
#include "opcje/slownik.h"

#include <array>
#include <cassert>

#include "swde/kodowanie.h"

namespace {

struct CGrupaZrodlo {
    const char* szPodpis;
    const char* szEtykieta;
    const char* szNazwa;
    std::vector<int> anStrony;
};

// Bit order; the pages are those disabled while the group is ticked.
const CGrupaZrodlo g_grupy[LICZBA_GRUP] = {
    {"Danych dotyczących lokali", "Dane dotyczące lokali", "lokale", {TypLKL}},
    {"Danych dotyczących budynków", "Dane dotyczące budynków", "budynki", {TypBUD, TypLKL}},
    {"Danych dotyczących władania", "Dane dotyczące władania", "wladanie", {TypUDW}},
    {"Danych dotyczących dzierżawy", "Dane dotyczące dzierżawy", "dzierzawa", {TypDZW, TypUDD, TypPDZ}},
    {"Danych historycznych", "Dane historyczne", "historyczne", {}},
    {"Danych graficznych", "Dane graficzne", "graficzne", {TypPZG, TypGRN}},
    {"Danych typów niestandardowych", "Dane typów niestandardowych", "niestandardowe", {}},
    {"Danych dotyczących rejonów statystycznych",
     "Dane dotyczące rejonów statystycznych",
     "rejony",
     {TypRST}},
    {"Danych dotyczących konturów użytków gruntowych",
     "Dane dotyczące użytków gruntowych",
     "uzytki",
     {TypUZG}},
    {"Danych dotyczących konturów klasyfikacyjnych",
     "Dane dotyczące konturów klasyfikacyjnych",
     "kontury",
     {TypKKL}},
    {"Sierot", "Sieroty", "sieroty", {}},
};

// A check box caption; it ends with the symbol in parentheses.
struct CPole {
    const char* szPodpis;
};

const CPole DTW{"Data weryfikacji danych (G5DTW)"};
const CPole DTU{"Data utworzenia obiektu (G5DTU)"};
const CPole RKRG_GRANICE{"Źródło danych o przebiegu granic (G5RKRG)"};
const CPole STI{"Status (G5STI)"};
const CPole NSK{"Nazwa skrócona (G5NSK)"};
const CPole RGN{"Numer REGON (G5RGN)"};
const CPole NIP{"NIP (G5NIP)"};
const CPole NSR{"Nazwa sądu rejestrowego (G5NSR)"};
const CPole WRT{"Wartość (G5WRT)"};
const CPole DWR{"Data wyceny (G5DWR)"};
const CPole DWW{"Data upływu władania (G5DWW)"};
const CPole RDOK{"Podstawa (G5RDOK)"};
const CPole GSP{"Wyróżnienie gospodarstw rolnych i leśnych (G5GSP)"};

struct CTypZrodlo {
    const char* szKlucz;     // the symbol is "G5" + key
    const char* szNazwa;     // list caption without the symbol
    const char* szNazwaLogu; // log label without the symbol
    std::vector<CPole> pola; // bit order
};

const std::vector<CPole> g_tylkoDaty = {DTW, DTU};

const CTypZrodlo g_typy[LICZBA_TYPOW] = {
    {"JEW",
     "Jednostka ewidencyjna",
     "jednostka ewidencyjna",
     {{"Pole powierzchni ewidencyjnej (G5PEW)"}, DTW, DTU, RKRG_GRANICE}},
    {"OBR",
     "Obręb",
     "obręb",
     {{"Pole powierzchni ewidencyjnej (G5PEW)"}, DTW, DTU, RKRG_GRANICE}},
    {"RST", "Rejon statystyczny", "rejon statystyczny", g_tylkoDaty},
    {"OSF",
     "Osoba fizyczna",
     "osoba fizyczna",
     {STI,
      {"Płeć (G5PLC)"},
      {"PESEL (G5PSL)"},
      NIP,
      {"Obywatelstwo (G5OBL)"},
      {"Oznaczenie dokumentu stwierdz. tożsamość (G5DOS)"},
      DTW,
      DTU}},
    {"INS",
     "Instytucja",
     "instytucja",
     {STI,
      NSK,
      RGN,
      NIP,
      {"Nazwa rejestru osób prawnych (G5NZR)"},
      {"Nr rejestru osób prawnych (G5NRR)"},
      NSR,
      DTW,
      DTU}},
    {"MLZ", "Małżeństwo", "małżeństwo", g_tylkoDaty},
    {"OSZ",
     "Inny podmiot złożony",
     "podmiot złożony",
     {STI,
      {"Nazwa pełna (G5NPE)"},
      NSK,
      RGN,
      NIP,
      DTW,
      DTU,
      {"Zarząd wspólnoty gruntowej (G5RSZD)"},
      {"Adres siedziby (G5RADR)"}}},
    {"JDR",
     "Jednostka rejestrowa",
     "jednostka rejestrowa",
     {GSP,
      {"Numer gospodarstwa w bazie LPIS (G5LPIS)"},
      {"Oznacz. gospod. roln. lub leśn. - numer REGON (G5RGN)"},
      DTW,
      DTU}},
    {"UDZ", "Udział własności", "udział własności", g_tylkoDaty},
    {"UDW", "Udział władania", "udział władania", {DWW, DTW, DTU}},
    {"JRZ", "Prawa związane", "prawa związane", {DTW, DTU, {"Podstawa prawna (G5RDOK)"}}},
    {"DZE",
     "Działka ewidencyjna",
     "działka",
     {{"Identyfikator rejonu statystycznego GUS (G5IDR)"},
      {"Numer obwodu spisowego GUS (G5NOS)"},
      WRT,
      DWR,
      {"Numer rejestru zabytków (G5RZN)"},
      DWW,
      DTW,
      DTU,
      {"Podstawa własności lub władania (G5RPWŁ)"},
      {"Podstawa innych praw do nieruchomości (G5RPWD)"},
      {"Źródło danych o przebiegu danych (G5RKRG)"}}},
    {"KLU", "Klasoużytek", "klasoużytek", g_tylkoDaty},
    {"BUD",
     "Budynek",
     "budynek",
     {WRT,
      DWR,
      {"Rok zakończenia budowy (G5RBB)"},
      {"Ilość kondygnacji podziemnych (G5LKP)"},
      {"Ilość kondygnacji nadziemnych (G5LKN)"},
      {"Pole powierzchni zabudowy (G5PEW)"},
      {"Łączna pow. użytk. lokali z pomieszcz. przynal. (G5PEU)"},
      {"Nr rejestru zabytków (G5RZN)"},
      {"Materiał ścian zewnętrznych (G5SCN)"},
      DTW,
      DTU,
      {"Podstawa własności (G5RPWŁ)"},
      {"Podstawa do innych praw do budynku (G5RPWD)"},
      {"Źródło danych o położeniu (G5RKRG)"},
      RDOK}},
    {"LKL",
     "Lokal",
     "lokal",
     {{"Powierzchnia pomieszczeń przynal. do lokali (G5PPP)"},
      {"Liczba izb (G5LIZ)"},
      {"Liczba pomieszczeń przynależnych (G5LPP)"},
      {"Rodzaj pomieszczeń przynależnych (G5RPP)"},
      WRT,
      DWR,
      DTW,
      DTU,
      {"Podstawa własności (G5RPWŁ)"},
      RDOK}},
    {"UZG", "Kontur użytku gruntowego", "kontur użytku gruntowego", g_tylkoDaty},
    {"KKL", "Kontur użytku klasyfikacyjnego", "kontur użytku klasyfikacyjnego", g_tylkoDaty},
    {"ZMN",
     "Zmiana",
     "zmiana",
     {{"Typ wniosku (G5TPZ)"},
      {"Rodzaj wnioskowanej zmiany (G5RWZ)"},
      {"Data druku zawiadomienia o zmianie (G5DTZ)"},
      {"Jednostka prowadząca (G5NAZ)"},
      DTW,
      DTU,
      {"Osoba zgłaszająca zmianę (G5RPOD)"}}},
    {"DOK",
     "Dokument",
     "dokument",
     {{"Data przyjęcia do zasobu (G5DTP)"},
      {"Sygnatura dokumentu (G5SYG)"},
      {"Nazwa Sądu Rejonowego (G5NSR)"},
      DTW,
      DTU,
      {"Związany jest z (G5RDOK)"}}},
    {"ADR",
     "Adres",
     "adres",
     {{"Kraj (G5KRJ)"},
      {"Województwo (G5WJD)"},
      {"Powiat - miasto (G5PWJ)"},
      {"Gmina - dzielnica (G5GMN)"},
      {"Kod pocztowy (G5KOD)"},
      {"Poczta (G5PCZ)"},
      DTW,
      DTU}},
    {"PZG", "Punkt załamania granicy", "punkt załamania granicy", {DTW, DTU, RKRG_GRANICE}},
    {"GRN", "Granica", "granica", {DTW, DTU, RKRG_GRANICE}},
    {"DZW",
     "Dzierżawy rejestrowane",
     "dzierżawa rejestrowana",
     {GSP, {"Numer LPIS (G5LPIS)"}, DTW, DTU, RDOK}},
    {"UDD", "Udział w dzierżawie", "udział w dzierżawie", g_tylkoDaty},
    {"PDZ", "Przedmiot dzierżawy", "przedmiot dzierżawy", g_tylkoDaty},
};

// The symbol in the caption's closing parentheses.
std::string SymbolZPodpisu(std::string_view strPodpis) {
    const std::size_t nPoczatek = strPodpis.rfind('(');
    const std::size_t nKoniec = strPodpis.rfind(')');
    assert(nPoczatek != std::string_view::npos && nKoniec > nPoczatek);
    return std::string(strPodpis.substr(nPoczatek + 1, nKoniec - nPoczatek - 1));
}

// The log writes symbols in plain ASCII: "G5RPWŁ" becomes "G5RPWL".
std::string SymbolLogu(std::string strSymbol) {
    const std::string_view strL = "Ł";
    for (std::size_t n = strSymbol.find(strL); n != std::string::npos; n = strSymbol.find(strL))
        strSymbol.replace(n, strL.size(), "L");
    return strSymbol;
}

COpisAtrybutu ZbudujAtrybut(const CPole& pole) {
    const std::string strSymbol = SymbolZPodpisu(pole.szPodpis);
    return {kodowanie::T(pole.szPodpis), kodowanie::T(strSymbol), SymbolLogu(strSymbol)};
}

COpisTypu ZbudujTyp(const CTypZrodlo& zrodlo) {
    const std::string strSymbol = std::string("G5") + zrodlo.szKlucz;
    COpisTypu opis;
    opis.m_strKlucz = zrodlo.szKlucz;
    opis.m_strSymbol = strSymbol;
    opis.m_strPodpis = kodowanie::T(std::string(zrodlo.szNazwa) + " (" + strSymbol + ")");
    opis.m_strEtykietaLogu = kodowanie::T(strSymbol + "(" + zrodlo.szNazwaLogu + "): ");
    for (const CPole& pole : zrodlo.pola)
        opis.m_atrybuty.push_back(ZbudujAtrybut(pole));
    return opis;
}

const std::array<COpisGrupy, LICZBA_GRUP>& Grupy() {
    static const std::array<COpisGrupy, LICZBA_GRUP> grupy = [] {
        std::array<COpisGrupy, LICZBA_GRUP> wynik;
        for (int n = 0; n < LICZBA_GRUP; ++n) {
            const CGrupaZrodlo& g = g_grupy[n];
            wynik[n] = {kodowanie::T(g.szPodpis), kodowanie::T(g.szEtykieta), g.szNazwa,
                        g.anStrony};
        }
        return wynik;
    }();
    return grupy;
}

const std::array<COpisTypu, LICZBA_TYPOW>& Typy() {
    static const std::array<COpisTypu, LICZBA_TYPOW> typy = [] {
        std::array<COpisTypu, LICZBA_TYPOW> wynik;
        for (int n = 0; n < LICZBA_TYPOW; ++n)
            wynik[n] = ZbudujTyp(g_typy[n]);
        return wynik;
    }();
    return typy;
}

} // namespace

const COpisGrupy& OpisGrupy(int nBit) {
    assert(nBit >= 0 && nBit < LICZBA_GRUP);
    return Grupy().at(static_cast<std::size_t>(nBit));
}

const COpisTypu& OpisTypu(int nTyp) {
    assert(nTyp >= 1 && nTyp <= LICZBA_TYPOW);
    return Typy().at(static_cast<std::size_t>(nTyp - 1));
}

int NumerTypu(std::string_view strSymbol) {
    const auto& typy = Typy();
    for (int n = 0; n < LICZBA_TYPOW; ++n) {
        if (typy[n].m_strSymbol == strSymbol)
            return n + 1;
    }
    return 0;
}

int IndeksAtrybutu(int nTyp, std::string_view strSymbol) {
    if (nTyp < 1 || nTyp > LICZBA_TYPOW)
        return -1;
    const auto& atrybuty = OpisTypu(nTyp).m_atrybuty;
    for (std::size_t i = 0; i < atrybuty.size(); ++i)
        if (atrybuty[i].m_strSymbol == strSymbol)
            return static_cast<int>(i);
    return -1;
}
