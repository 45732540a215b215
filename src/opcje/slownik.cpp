// The vocabulary tables. Texts are written here as UTF-8 and converted once to code page 1250.
#include "opcje/slownik.h"

#include <array>
#include <cassert>

#include "swde/kodowanie.h"

namespace {

struct CGrupaZrodlo {
    const char* szPodpis;
    const char* szEtykieta;
    int nKontrolka;
    std::vector<int> anStrony;
};

// Bit order; the pages are those disabled while the group is ticked.
const CGrupaZrodlo g_grupy[LICZBA_GRUP] = {
    {"Danych dotyczących lokali", "Dane dotyczące lokali", 1121, {15}},
    {"Danych dotyczących budynków", "Dane dotyczące budynków", 1122, {14, 15}},
    {"Danych dotyczących władania", "Dane dotyczące władania", 1123, {10}},
    {"Danych dotyczących dzierżawy", "Dane dotyczące dzierżawy", 1124, {23, 24, 25}},
    {"Danych historycznych", "Dane historyczne", 1125, {}},
    {"Danych graficznych", "Dane graficzne", 1126, {21, 22}},
    {"Danych typów niestandardowych", "Dane typów niestandardowych", 1127, {}},
    {"Danych dotyczących rejonów statystycznych",
     "Dane dotyczące rejonów statystycznych",
     1191,
     {3}},
    {"Danych dotyczących konturów użytków gruntowych",
     "Dane dotyczące użytków gruntowych",
     1192,
     {16}},
    {"Danych dotyczących konturów klasyfikacyjnych",
     "Dane dotyczące konturów klasyfikacyjnych",
     1193,
     {17}},
    {"Sierot", "Sieroty", 1213, {}},
};

// A check box: control id and caption; the caption ends with the symbol in parentheses.
struct CPole {
    int nKontrolka;
    const char* szPodpis;
};

const CPole DTW{1112, "Data weryfikacji danych (G5DTW)"};
const CPole DTU{1113, "Data utworzenia obiektu (G5DTU)"};
const CPole RKRG_GRANICE{1140, "Źródło danych o przebiegu granic (G5RKRG)"};
const CPole STI{1128, "Status (G5STI)"};
const CPole NSK{1130, "Nazwa skrócona (G5NSK)"};
const CPole RGN{1131, "Numer REGON (G5RGN)"};
const CPole NIP{1132, "NIP (G5NIP)"};
const CPole NSR{1154, "Nazwa sądu rejestrowego (G5NSR)"};
const CPole WRT{1145, "Wartość (G5WRT)"};
const CPole DWR{1146, "Data wyceny (G5DWR)"};
const CPole DWW{1120, "Data upływu władania (G5DWW)"};
const CPole RDOK{1148, "Podstawa (G5RDOK)"};
const CPole GSP{1149, "Wyróżnienie gospodarstw rolnych i leśnych (G5GSP)"};

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
     {{1139, "Pole powierzchni ewidencyjnej (G5PEW)"}, DTW, DTU, RKRG_GRANICE}},
    {"OBR",
     "Obręb",
     "obręb",
     {{1139, "Pole powierzchni ewidencyjnej (G5PEW)"}, DTW, DTU, RKRG_GRANICE}},
    {"RST", "Rejon statystyczny", "rejon statystyczny", g_tylkoDaty},
    {"OSF",
     "Osoba fizyczna",
     "osoba fizyczna",
     {STI,
      {1135, "Płeć (G5PLC)"},
      {1136, "PESEL (G5PSL)"},
      NIP,
      {1137, "Obywatelstwo (G5OBL)"},
      {1138, "Oznaczenie dokumentu stwierdz. tożsamość (G5DOS)"},
      DTW,
      DTU}},
    {"INS",
     "Instytucja",
     "instytucja",
     {STI,
      NSK,
      RGN,
      NIP,
      {1152, "Nazwa rejestru osób prawnych (G5NZR)"},
      {1153, "Nr rejestru osób prawnych (G5NRR)"},
      NSR,
      DTW,
      DTU}},
    {"MLZ", "Małżeństwo", "małżeństwo", g_tylkoDaty},
    {"OSZ",
     "Inny podmiot złożony",
     "podmiot złożony",
     {STI,
      {1129, "Nazwa pełna (G5NPE)"},
      NSK,
      RGN,
      NIP,
      DTW,
      DTU,
      {1133, "Zarząd wspólnoty gruntowej (G5RSZD)"},
      {1134, "Adres siedziby (G5RADR)"}}},
    {"JDR",
     "Jednostka rejestrowa",
     "jednostka rejestrowa",
     {GSP,
      {1150, "Numer gospodarstwa w bazie LPIS (G5LPIS)"},
      {1131, "Oznacz. gospod. roln. lub leśn. - numer REGON (G5RGN)"},
      DTW,
      DTU}},
    {"UDZ", "Udział własności", "udział własności", g_tylkoDaty},
    {"UDW", "Udział władania", "udział władania", {DWW, DTW, DTU}},
    {"JRZ", "Prawa związane", "prawa związane", {DTW, DTU, {1148, "Podstawa prawna (G5RDOK)"}}},
    {"DZE",
     "Działka ewidencyjna",
     "działka",
     {{1155, "Identyfikator rejonu statystycznego GUS (G5IDR)"},
      {1156, "Numer obwodu spisowego GUS (G5NOS)"},
      WRT,
      DWR,
      {1157, "Numer rejestru zabytków (G5RZN)"},
      DWW,
      DTW,
      DTU,
      {1147, "Podstawa własności lub władania (G5RPWŁ)"},
      {1158, "Podstawa innych praw do nieruchomości (G5RPWD)"},
      {1140, "Źródło danych o przebiegu danych (G5RKRG)"}}},
    {"KLU", "Klasoużytek", "klasoużytek", g_tylkoDaty},
    {"BUD",
     "Budynek",
     "budynek",
     {WRT,
      DWR,
      {1049, "Rok zakończenia budowy (G5RBB)"},
      {1050, "Ilość kondygnacji podziemnych (G5LKP)"},
      {1051, "Ilość kondygnacji nadziemnych (G5LKN)"},
      {1139, "Pole powierzchni zabudowy (G5PEW)"},
      {1054, "Łączna pow. użytk. lokali z pomieszcz. przynal. (G5PEU)"},
      {1157, "Nr rejestru zabytków (G5RZN)"},
      {1056, "Materiał ścian zewnętrznych (G5SCN)"},
      DTW,
      DTU,
      {1147, "Podstawa własności (G5RPWŁ)"},
      {1158, "Podstawa do innych praw do budynku (G5RPWD)"},
      {1140, "Źródło danych o położeniu (G5RKRG)"},
      RDOK}},
    {"LKL",
     "Lokal",
     "lokal",
     {{1141, "Powierzchnia pomieszczeń przynal. do lokali (G5PPP)"},
      {1143, "Liczba izb (G5LIZ)"},
      {1144, "Liczba pomieszczeń przynależnych (G5LPP)"},
      {1142, "Rodzaj pomieszczeń przynależnych (G5RPP)"},
      WRT,
      DWR,
      DTW,
      DTU,
      {1147, "Podstawa własności (G5RPWŁ)"},
      RDOK}},
    {"UZG", "Kontur użytku gruntowego", "kontur użytku gruntowego", g_tylkoDaty},
    {"KKL", "Kontur użytku klasyfikacyjnego", "kontur użytku klasyfikacyjnego", g_tylkoDaty},
    {"ZMN",
     "Zmiana",
     "zmiana",
     {{1115, "Typ wniosku (G5TPZ)"},
      {1116, "Rodzaj wnioskowanej zmiany (G5RWZ)"},
      {1117, "Data druku zawiadomienia o zmianie (G5DTZ)"},
      {1118, "Jednostka prowadząca (G5NAZ)"},
      DTW,
      DTU,
      {1119, "Osoba zgłaszająca zmianę (G5RPOD)"}}},
    {"DOK",
     "Dokument",
     "dokument",
     {{1159, "Data przyjęcia do zasobu (G5DTP)"},
      {1160, "Sygnatura dokumentu (G5SYG)"},
      {1154, "Nazwa Sądu Rejonowego (G5NSR)"},
      DTW,
      DTU,
      {1148, "Związany jest z (G5RDOK)"}}},
    {"ADR",
     "Adres",
     "adres",
     {{1114, "Kraj (G5KRJ)"},
      {1107, "Województwo (G5WJD)"},
      {1108, "Powiat - miasto (G5PWJ)"},
      {1109, "Gmina - dzielnica (G5GMN)"},
      {1110, "Kod pocztowy (G5KOD)"},
      {1111, "Poczta (G5PCZ)"},
      DTW,
      DTU}},
    {"PZG", "Punkt załamania granicy", "punkt załamania granicy", {DTW, DTU, RKRG_GRANICE}},
    {"GRN", "Granica", "granica", {DTW, DTU, RKRG_GRANICE}},
    {"DZW",
     "Dzierżawy rejestrowane",
     "dzierżawa rejestrowana",
     {GSP, {1150, "Numer LPIS (G5LPIS)"}, DTW, DTU, RDOK}},
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
    return {kodowanie::T(pole.szPodpis), kodowanie::T(strSymbol), SymbolLogu(strSymbol),
            pole.nKontrolka};
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
            wynik[n] = {kodowanie::T(g.szPodpis), kodowanie::T(g.szEtykieta), g.nKontrolka,
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
