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

namespace {

// In the order of EPoleNaglowka.
constexpr std::array<std::string_view, LICZBA_POL_NAGLOWKA> KODY = {
    "TR", "TN", "TA", "TO", "DN", "ZN", "ZR", "ZD", "OP", "OR", "ON", "OA", "OO"};

// Codes whose lines are not shown but kept for the target as they stand.
constexpr std::array<std::string_view, 7> KODY_ZACHOWANE = {"UX", "OS", "NX", "NY",
                                                            "NZ", "UH", "HZ"};

bool JestSeparatorem(char c) {
    return c == ' ' || c == ',' || c == '\t';
}

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

bool JestZachowany(std::string_view strKod) {
    for (std::string_view str : KODY_ZACHOWANE)
        if (strKod == str)
            return true;
    return false;
}

void Zachowaj(std::string& strZachowane, std::string_view strPierwszy,
              const CWierszNaglowka& wiersz) {
    ((((strZachowane += strPierwszy) += ",") += wiersz.strDrugi) += ",");
    (strZachowane += wiersz.strWartosc) += "\n";
}

void DodajWiersz(CParaPlikow& para, const std::string& strLinia, const CData& dataCelu) {
    const CWierszNaglowka wiersz = PodzielWierszNaglowka(strLinia);
    if (wiersz.strPierwszy == "NU") {
        Zachowaj(para.m_strZachowane, "NU", wiersz);
        return;
    }
    const EPoleNaglowka ePole = PoleZKodu(wiersz.strDrugi);
    if (ePole != LICZBA_POL_NAGLOWKA) {
        para.m_zrodlowe[ePole] = kodowanie::Iso88592DoCp1250(wiersz.strWartosc);
        para.m_docelowe[ePole] = ePole == PoleDN ? TekstDaty(dataCelu) : para.m_zrodlowe[ePole];
    } else if (JestZachowany(wiersz.strDrugi)) {
        Zachowaj(para.m_strZachowane, "NS", wiersz);
    }
}

// The length of the UTF-8 sequence at the start of str and its code point; a broken sequence
// is one byte long with code point 0xFFFD.
std::size_t ZnakUtf8(std::string_view str, char32_t& cZnak) {
    const auto b = static_cast<unsigned char>(str[0]);
    const std::size_t n = b < 0x80           ? 1
                          : (b >> 5) == 0x6  ? 2
                          : (b >> 4) == 0xE  ? 3
                          : (b >> 3) == 0x1E ? 4
                                             : 0;
    cZnak = 0xFFFD;
    if (n == 0 || n > str.size())
        return 1;
    char32_t c = n == 1 ? b : b & (0x7F >> n);
    for (std::size_t i = 1; i < n; ++i) {
        const auto d = static_cast<unsigned char>(str[i]);
        if ((d & 0xC0) != 0x80)
            return 1;
        c = (c << 6) | (d & 0x3F);
    }
    cZnak = c;
    return n;
}

std::string NazwaZnaku(char32_t cZnak) {
    char sz[16];
    std::snprintf(sz, sizeof sz, "U+%04X", static_cast<unsigned>(cZnak));
    return sz;
}

} // namespace

std::vector<std::string> ZnakiSpozaNaglowka(std::string_view strUtf8) {
    std::vector<std::string> astrZnaki;
    auto dodaj = [&astrZnaki](std::string strZnak) {
        if (std::find(astrZnaki.begin(), astrZnaki.end(), strZnak) == astrZnaki.end())
            astrZnaki.push_back(std::move(strZnak));
    };
    while (!strUtf8.empty()) {
        char32_t cZnak = 0;
        const std::size_t n = ZnakUtf8(strUtf8, cZnak);
        const std::string_view strZnak = strUtf8.substr(0, n);
        strUtf8.remove_prefix(n);
        const bool bSterujacy = cZnak < 0x20 || (cZnak >= 0x7F && cZnak < 0xA0);
        if (bSterujacy || cZnak == 0xFFFD) {
            dodaj(NazwaZnaku(cZnak));
            continue;
        }
        // Through code page 1250 into the file's ISO-8859-2 and back: what does not come back
        // would be written as "?".
        const std::string strIso = kodowanie::Cp1250DoIso88592(kodowanie::Utf8DoCp1250(strZnak));
        if (kodowanie::Cp1250DoUtf8(kodowanie::Iso88592DoCp1250(strIso)) != strZnak)
            dodaj(std::string(strZnak));
    }
    return astrZnaki;
}

CWierszNaglowka PodzielWierszNaglowka(std::string_view str) {
    CWierszNaglowka wiersz;
    wiersz.strPierwszy = Token(str);
    wiersz.strDrugi = Token(str);
    wiersz.strWartosc = str.empty() ? str : str.substr(1);
    return wiersz;
}

std::string_view KodPola(EPoleNaglowka ePole) {
    return KODY.at(static_cast<std::size_t>(ePole));
}

EPoleNaglowka PoleZKodu(std::string_view strKod) {
    for (std::size_t i = 0; i < KODY.size(); ++i)
        if (KODY[i] == strKod)
            return static_cast<EPoleNaglowka>(i);
    return LICZBA_POL_NAGLOWKA;
}

std::string TekstDaty(const CData& data) {
    char sz[48];
    std::snprintf(sz, sizeof sz, "%d-%02d-%02d", data.nRok, data.nMiesiac, data.nDzien);
    return sz;
}

void CzytajNaglowek(CParaPlikow& para, const CData& dataCelu) {
    CCzytnikSWDE czytnik;
    if (!czytnik.Otworz(para.m_strZrodlo))
        throw CSWDEException(EBlad::OtwarciePlikuDocelowego, para.m_strZrodlo);
    std::vector<std::string> astrWiersze;
    if (czytnik.ZnajdzSekcje(format::ESekcja::SN))
        for (std::string strWiersz; czytnik.CzytajWierszSekcji(strWiersz);)
            astrWiersze.push_back(strWiersz);
    czytnik.Zamknij();
    // A header without a line leaves its field empty, the target date included.
    para.m_zrodlowe = {};
    para.m_docelowe = {};
    para.m_strZachowane.clear();
    for (const std::string& strWiersz : astrWiersze)
        DodajWiersz(para, strWiersz, dataCelu);
}

std::string TekstBleduNaglowka(const CSWDEException& blad, const std::string& strZrodlo) {
    std::string strTekst = blad.PelnyKomunikat();
    if (blad.m_nNumer == 1)
        strTekst += strZrodlo;
    return strTekst;
}

void ZapiszNaglowek(const CParaPlikow& para, CPlikWynikowy& plik) {
    plik.ZapiszWiersz(format::NAGLOWEK_PLIKU);
    plik.ZapiszWiersz(format::Znacznik(format::ESekcja::SN));
    // The date line comes last. A value is the user's text: a line end in it lands as CR LF.
    auto zapiszPole = [&](int i) {
        const auto ePole = static_cast<EPoleNaglowka>(i);
        plik.Zapisz("NS," + std::string(KodPola(ePole)) + "," +
                    kodowanie::Cp1250DoIso88592(para.m_docelowe[ePole]) + "\n");
    };
    for (int i = 0; i < LICZBA_POL_NAGLOWKA; ++i)
        if (i != PoleDN)
            zapiszPole(i);
    zapiszPole(PoleDN);
    plik.Zapisz(para.m_strZachowane);
    plik.ZapiszWiersz(format::KONIEC_SEKCJI);
}
