// The header section: reading a source header into the file pair and writing the target header.
#include "swde/naglowek.h"

#include <algorithm>
#include <cstdio>
#include <string_view>
#include <vector>

#include "swde/bledy.h"
#include "swde/czytnik.h"
#include "swde/kodowanie.h"
#include "swde/plik_wynikowy.h"
#include "swde/powiadomienia.h"

const std::array<SPoleNaglowka, 13> POLA_NAGLOWKA = {{
    {"TR", 2, 15},
    {"TN", 3, 16},
    {"TA", 4, 17},
    {"TO", 5, 18},
    {"DN", 6, 19},
    {"ZN", 7, 20},
    {"ZR", 8, 21},
    {"ZD", 9, 22},
    {"OP", 10, 23},
    {"OR", 11, 24},
    {"ON", 12, 25},
    {"OA", 13, 26},
    {"OO", 14, 27},
}};

namespace {

// Codes whose lines are not shown but kept for the target as they stand.
constexpr std::array<std::string_view, 7> KODY_ZACHOWANE = {"UX", "OS", "NX", "NY",
                                                            "NZ", "UH", "HZ"};

bool JestSeparatorem(char c) {
    return c == ' ' || c == ',' || c == '\t';
}

// A header line cut into its first token, its second token and the value: everything after the
// one separator that follows the second token.
struct CWierszNaglowka {
    std::string_view strPierwszy, strDrugi, strWartosc;
};

std::string_view Token(std::string_view& str) {
    while (!str.empty() && JestSeparatorem(str.front()))
        str.remove_prefix(1);
    std::size_t n = 0;
    while (n < str.size() && !JestSeparatorem(str[n]))
        ++n;
    std::string_view strToken = str.substr(0, n);
    str.remove_prefix(n);
    return strToken;
}

CWierszNaglowka PodzielWierszNaglowka(std::string_view str) {
    CWierszNaglowka wiersz;
    wiersz.strPierwszy = Token(str);
    wiersz.strDrugi = Token(str);
    wiersz.strWartosc = str.empty() ? str : str.substr(1);
    return wiersz;
}

const SPoleNaglowka* ZnajdzPole(std::string_view strKod) {
    for (const SPoleNaglowka& pole : POLA_NAGLOWKA)
        if (strKod == pole.szKod)
            return &pole;
    return nullptr;
}

bool JestZachowany(std::string_view strKod) {
    for (std::string_view str : KODY_ZACHOWANE)
        if (strKod == str)
            return true;
    return false;
}

void DodajWiersz(CParaPlikow& para, const std::string& strLinia, const CData& dataCelu) {
    const CWierszNaglowka wiersz = PodzielWierszNaglowka(strLinia);
    std::string& strZachowane = para[CParaPlikow::ZACHOWANE];
    if (wiersz.strPierwszy == "NU") {
        ((strZachowane += "NU,") += wiersz.strDrugi) += ",";
        (strZachowane += wiersz.strWartosc) += "\n";
        return;
    }
    if (const SPoleNaglowka* pPole = ZnajdzPole(wiersz.strDrugi)) {
        para[pPole->nIndeksZrodla] = kodowanie::Iso88592DoCp1250(wiersz.strWartosc);
        para[pPole->nIndeksCelu] = pPole->nIndeksCelu == CParaPlikow::DATA_CELU
                                       ? TekstDaty(dataCelu)
                                       : para[pPole->nIndeksZrodla];
    } else if (JestZachowany(wiersz.strDrugi)) {
        ((strZachowane += "NS,") += wiersz.strDrugi) += ",";
        (strZachowane += wiersz.strWartosc) += "\n";
    }
}

} // namespace

std::string TekstDaty(const CData& data) {
    char sz[48];
    std::snprintf(sz, sizeof sz, "%d-%02d-%02d", data.nRok, data.nMiesiac, data.nDzien);
    return sz;
}

void CzytajNaglowek(CParaPlikow& para, const CData& dataCelu, CPowiadomienia& powiadomienia) {
    CCzytnikSWDE czytnik;
    const std::string& strSciezka = para[CParaPlikow::ZRODLO];
    if (!czytnik.Otworz(strSciezka)) {
        // Shown here once; the exception carries the same text to the caller.
        const std::string strTekst = blad::OtwarciePlikuDocelowego() + strSciezka;
        powiadomienia.Komunikat(strTekst, ERodzajKomunikatu::Zwykly);
        powiadomienia.WyczyscNaglowki();
        throw CSWDEException(0, strTekst);
    }
    std::vector<std::string> astrWiersze;
    int nIndeks = 0;
    while (czytnik.CzytajWierszSekcji("SN;", astrWiersze, nIndeks)) {
    }
    czytnik.Zamknij();
    // A header without a line leaves its field empty, the target date included.
    for (int i = CParaPlikow::CEL + 1; i < CParaPlikow::LICZBA_TEKSTOW; ++i)
        para[i].clear();
    const std::size_t nLiczba = std::min(astrWiersze.size(), static_cast<std::size_t>(nIndeks));
    for (std::size_t i = 0; i < nLiczba; ++i)
        DodajWiersz(para, astrWiersze[i], dataCelu);
}

void ZapiszNaglowek(const CParaPlikow& para, CPlikWynikowy& plik) {
    plik.Zapisz("SWDE.w.2.00.(C) GUGiK 2000;\n");
    plik.Zapisz("SN;\n");
    // The date line comes last.
    auto zapiszPole = [&](const SPoleNaglowka& pole) {
        plik.Zapisz("NS," + std::string(pole.szKod) + "," +
                    kodowanie::Cp1250DoIso88592(para[pole.nIndeksCelu]) + "\n");
    };
    for (const SPoleNaglowka& pole : POLA_NAGLOWKA)
        if (pole.nIndeksCelu != CParaPlikow::DATA_CELU)
            zapiszPole(pole);
    for (const SPoleNaglowka& pole : POLA_NAGLOWKA)
        if (pole.nIndeksCelu == CParaPlikow::DATA_CELU)
            zapiszPole(pole);
    plik.Zapisz(para[CParaPlikow::ZACHOWANE]);
    plik.Zapisz("SX;\n");
}
