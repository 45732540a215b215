// Group, type and attribute names of the command line.
#include "wybor.h"

#include <string_view>

#include "argumenty.h"
#include "opcje/konfiguracja.h"
#include "opcje/opcje.h"
#include "opcje/slownik.h"
#include "swde/kodowanie.h"
#include "swde/rekord.h"

namespace {

// Code page 1250 Polish letters and their plain Latin letters.
constexpr std::string_view POLSKIE = "\xB9\xE6\xEA\xB3\xF1\xF3\x9C\x9F\xBF"
                                     "\xA5\xC6\xCA\xA3\xD1\xD3\x8C\x8F\xAF";
constexpr std::string_view ZWYKLE = "acelnoszzACELNOSZZ";

// A name as compared: code page 1250, Polish letters plain, upper case.
std::string Porownywana(std::string_view strCp1250) {
    std::string str;
    for (char c : strCp1250) {
        const std::size_t n = POLSKIE.find(c);
        if (n != std::string_view::npos)
            c = ZWYKLE[n];
        str += (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
    }
    return str;
}

bool TaSamaNazwa(const std::string& strUtf8, const std::string& strCp1250) {
    return Porownywana(kodowanie::Utf8DoCp1250(strUtf8)) == Porownywana(strCp1250);
}

// The parts between the separators, without the blanks around them.
std::vector<std::string> Podziel(std::string_view str, char cSeparator) {
    std::vector<std::string> astr;
    for (;;) {
        const std::size_t n = str.find(cSeparator);
        astr.emplace_back(Przytnij(str.substr(0, n)));
        if (n == std::string_view::npos)
            return astr;
        str.remove_prefix(n + 1);
    }
}

// The names joined by ", ", as UTF-8.
template <class F> std::string Nazwy(int nOd, int nDo, F nazwa) {
    std::string str;
    for (int n = nOd; n <= nDo; ++n)
        str += (n == nOd ? "" : ", ") + kodowanie::Cp1250DoUtf8(nazwa(n));
    return str;
}

int Grupa(const std::string& strNazwa) {
    for (int nBit = 0; nBit < LICZBA_GRUP; ++nBit)
        if (TaSamaNazwa(strNazwa, OpisGrupy(nBit).m_strNazwa))
            return nBit;
    return -1;
}

int Typ(const std::string& strNazwa) {
    for (int nTyp = 1; nTyp <= LICZBA_TYPOW; ++nTyp) {
        const COpisTypu& typ = OpisTypu(nTyp);
        if (TaSamaNazwa(strNazwa, typ.m_strKlucz) || TaSamaNazwa(strNazwa, typ.m_strSymbol))
            return nTyp;
    }
    return 0;
}

int Atrybut(int nTyp, const std::string& strNazwa) {
    const auto& atrybuty = OpisTypu(nTyp).m_atrybuty;
    for (std::size_t i = 0; i < atrybuty.size(); ++i)
        if (TaSamaNazwa(strNazwa, atrybuty[i].m_strSymbol))
            return static_cast<int>(i);
    return -1;
}

// The ticked group that disables the page of type n, or -1.
int GrupaWylaczajaca(const COpcjeFiltrowania& opcje, int nTyp) {
    for (int nBit = 0; nBit < LICZBA_GRUP; ++nBit)
        for (const int nStrona : OpisGrupy(nBit).m_anStrony)
            if (nStrona == nTyp && opcje.CzyGrupaZaznaczona(nBit))
                return nBit;
    return -1;
}

} // namespace

bool CzytajGrupy(const std::string& strWartosc, std::vector<int>& anGrupy, std::string& strBlad) {
    for (const std::string& strNazwa : Podziel(strWartosc, ',')) {
        const int nBit = Grupa(strNazwa);
        if (nBit < 0) {
            strBlad = "nieznana grupa obiektów '" + strNazwa + "' (dostępne: " +
                      Nazwy(0, LICZBA_GRUP - 1, [](int n) { return OpisGrupy(n).m_strNazwa; }) +
                      ")";
            return false;
        }
        anGrupy.push_back(nBit);
    }
    return true;
}

bool CzytajAtrybuty(const std::string& strWartosc, std::vector<std::pair<int, int>>& atrybuty,
                    std::string& strBlad) {
    const std::size_t nDwukropek = strWartosc.find(':');
    if (nDwukropek == std::string::npos) {
        strBlad =
            "--remove-attr wymaga postaci TYP:ATRYBUT[,ATRYBUT...], podano '" + strWartosc + "'";
        return false;
    }
    const std::string strTyp(Przytnij(std::string_view(strWartosc).substr(0, nDwukropek)));
    const int nTyp = Typ(strTyp);
    if (nTyp == 0) {
        strBlad = "nieznany typ obiektów '" + strTyp + "' (dostępne: " +
                  Nazwy(1, LICZBA_TYPOW, [](int n) { return OpisTypu(n).m_strKlucz; }) + ")";
        return false;
    }
    for (const std::string& strNazwa : Podziel(strWartosc.substr(nDwukropek + 1), ',')) {
        const int i = Atrybut(nTyp, strNazwa);
        if (i < 0) {
            const auto& atrybuty = OpisTypu(nTyp).m_atrybuty;
            strBlad =
                "typ " + OpisTypu(nTyp).m_strSymbol + " nie ma atrybutu '" + strNazwa +
                "' (dostępne: " +
                Nazwy(0, static_cast<int>(atrybuty.size()) - 1,
                      [&](int n) { return atrybuty[static_cast<std::size_t>(n)].m_strSymbol; }) +
                ")";
            return false;
        }
        atrybuty.emplace_back(nTyp, i);
    }
    return true;
}

bool ZastosujWybor(const CArgumenty& argumenty, COpcjeFiltrowania& opcje, std::string& strBlad) {
    const COpcjeFiltrowania przed = opcje;
    for (const int nBit : argumenty.m_anGrupy)
        if (!opcje.CzyGrupaZaznaczona(nBit))
            opcje.KliknijGrupe(nBit, true);
    for (const auto& [nTyp, i] : argumenty.m_atrybuty) {
        if (opcje.CzyAtrybutZaznaczony(nTyp, i))
            continue;
        if (!opcje.KliknijAtrybut(nTyp, i, true)) {
            const int nGrupa = GrupaWylaczajaca(opcje, nTyp);
            strBlad = "atrybutów typu " + OpisTypu(nTyp).m_strSymbol +
                      " nie można wybrać, gdy usuwana jest cała grupa '" +
                      (nGrupa < 0 ? std::string("?") : OpisGrupy(nGrupa).m_strNazwa) + "'";
            return false;
        }
    }
    if (argumenty.m_bSumyCRC)
        opcje.m_bSumyCRC = *argumenty.m_bSumyCRC;
    if (!TeSameUstawienia(przed, opcje))
        opcje.m_bZmienione = true;
    return true;
}

std::string TekstListy() {
    using kodowanie::Cp1250DoUtf8;
    std::string str = "Grupy obiektów (--remove GRUPA[,GRUPA...]):\n";
    for (int nBit = 0; nBit < LICZBA_GRUP; ++nBit) {
        const COpisGrupy& grupa = OpisGrupy(nBit);
        str += "  " + grupa.m_strNazwa + std::string(16 - grupa.m_strNazwa.size(), ' ') +
               Cp1250DoUtf8(grupa.m_strPodpis) + "\n";
    }
    str += "\nTypy obiektów i ich atrybuty (--remove-attr TYP:ATRYBUT[,ATRYBUT...]):\n";
    for (int nTyp = 1; nTyp <= LICZBA_TYPOW; ++nTyp) {
        const COpisTypu& typ = OpisTypu(nTyp);
        str += "  " + typ.m_strKlucz + "  " + Cp1250DoUtf8(typ.m_strPodpis) + "\n";
        for (const COpisAtrybutu& atrybut : typ.m_atrybuty) {
            const std::string strSymbol = Cp1250DoUtf8(atrybut.m_strSymbol);
            str += "       " + strSymbol + std::string(9 - atrybut.m_strSymbol.size(), ' ') +
                   Cp1250DoUtf8(atrybut.m_strPodpis) + "\n";
        }
    }
    return str;
}
