// Check digits of Polish personal identifiers and their search in a line of text.
#include "filtr/identyfikatory.h"

#include <algorithm>
#include <array>
#include <cstddef>

namespace {

bool JestCyfra(char c) {
    return static_cast<unsigned char>(c - '0') < 10;
}

bool JestLitera(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

// Letters, digits and every byte above 127 (Polish letters) join a word; anything else ends it.
bool LaczySie(char c) {
    return JestCyfra(c) || JestLitera(c) || static_cast<unsigned char>(c) >= 0x80;
}

int Cyfra(char c) {
    return c - '0';
}

// A letter counts 10 (A) to 35 (Z), a digit its value.
int Wartosc(char c) {
    if (JestCyfra(c))
        return Cyfra(c);
    return (c >= 'a' ? c - 'a' : c - 'A') + 10;
}

// The weighted sum of the characters.
template <std::size_t N> int Suma(std::string_view str, const std::array<int, N>& wagi) {
    int nSuma = 0;
    for (std::size_t i = 0; i < N; ++i)
        nSuma += Wartosc(str[i]) * wagi[i];
    return nSuma;
}

// nLiter letters, then digits up to nDlugosc characters.
bool MaPostac(std::string_view str, std::size_t nLiter, std::size_t nDlugosc) {
    if (str.size() != nDlugosc)
        return false;
    for (std::size_t i = 0; i < str.size(); ++i)
        if (i < nLiter ? !JestLitera(str[i]) : !JestCyfra(str[i]))
            return false;
    return true;
}

bool CzyPrzestepny(int nRok) {
    return (nRok % 4 == 0 && nRok % 100 != 0) || nRok % 400 == 0;
}

// The month field of a PESEL carries the century: +80 for the 1800s, +0 for the 1900s, +20,
// +40, +60 for the 2000s to the 2200s.
bool CzyDataPesel(int nRok2, int nMiesiacPesel, int nDzien) {
    static constexpr std::array<int, 5> PRZESUNIECIA = {80, 0, 20, 40, 60};
    static constexpr std::array<int, 12> DNI = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    for (std::size_t i = 0; i < PRZESUNIECIA.size(); ++i) {
        const int nMiesiac = nMiesiacPesel - PRZESUNIECIA[i];
        if (nMiesiac < 1 || nMiesiac > 12)
            continue;
        const int nRok = 1800 + 100 * static_cast<int>(i) + nRok2;
        const int nDni = DNI[static_cast<std::size_t>(nMiesiac - 1)] +
                         (nMiesiac == 2 && CzyPrzestepny(nRok) ? 1 : 0);
        return nDzien >= 1 && nDzien <= nDni;
    }
    return false;
}

// A run of digits in the text: where it starts and how long it is.
struct CGrupa {
    std::size_t nPoczatek, nDlugosc;
};

// The text around a candidate: nothing that joins a word may touch it.
bool StoiOsobno(std::string_view str, std::size_t nPoczatek, std::size_t nKoniec) {
    return (nPoczatek == 0 || !LaczySie(str[nPoczatek - 1])) &&
           (nKoniec >= str.size() || !LaczySie(str[nKoniec]));
}

// Exactly nLiter letters (with one blank allowed after them) right before the digits at
// nCyfry, and nothing joined before the letters; the start of the letters, or npos.
std::size_t Litery(std::string_view str, std::size_t nCyfry, std::size_t nLiter) {
    std::size_t n = nCyfry;
    if (n > 0 && str[n - 1] == ' ')
        --n;
    if (n < nLiter)
        return std::string_view::npos;
    const std::size_t nPoczatek = n - nLiter;
    for (std::size_t i = nPoczatek; i < n; ++i)
        if (!JestLitera(str[i]))
            return std::string_view::npos;
    const bool bOsobno = nPoczatek == 0 || !LaczySie(str[nPoczatek - 1]);
    return bOsobno ? nPoczatek : std::string_view::npos;
}

void Dodaj(std::vector<CIdentyfikator>& wynik, ERodzajIdentyfikatora eRodzaj, std::string str,
           std::size_t nPoczatek, std::size_t nKoniec) {
    wynik.push_back({eRodzaj, std::move(str), nPoczatek, nKoniec - nPoczatek});
}

// One digit group judged alone: 11 or 10 digits, or 6 or 7 digits behind the letters of a
// document number.
void SprawdzGrupe(std::string_view str, const CGrupa& g, std::vector<CIdentyfikator>& wynik) {
    const std::size_t nKoniec = g.nPoczatek + g.nDlugosc;
    const std::string_view strCyfry = str.substr(g.nPoczatek, g.nDlugosc);
    if (nKoniec < str.size() && LaczySie(str[nKoniec]))
        return;
    if (g.nDlugosc == 11 || g.nDlugosc == 10) {
        if (!StoiOsobno(str, g.nPoczatek, nKoniec))
            return;
        if (g.nDlugosc == 11 && CzyPesel(strCyfry))
            Dodaj(wynik, ERodzajIdentyfikatora::Pesel, std::string(strCyfry), g.nPoczatek, nKoniec);
        else if (g.nDlugosc == 10 && CzyNip(strCyfry))
            Dodaj(wynik, ERodzajIdentyfikatora::Nip, std::string(strCyfry), g.nPoczatek, nKoniec);
        return;
    }
    if (g.nDlugosc != 6 && g.nDlugosc != 7)
        return;
    const std::size_t nLiter = g.nDlugosc == 6 ? 3 : 2;
    const std::size_t nLitery = Litery(str, g.nPoczatek, nLiter);
    if (nLitery == std::string_view::npos)
        return;
    const std::string strNumer = std::string(str.substr(nLitery, nLiter)) + std::string(strCyfry);
    if (nLiter == 3 && CzyDowodOsobisty(strNumer))
        Dodaj(wynik, ERodzajIdentyfikatora::DowodOsobisty, strNumer, nLitery, nKoniec);
    else if (nLiter == 2 && CzyPaszport(strNumer))
        Dodaj(wynik, ERodzajIdentyfikatora::Paszport, strNumer, nLitery, nKoniec);
}

// Digit groups joined by single dashes, as a NIP is often written: 3-3-2-2 or 3-2-2-3.
bool JestUklademNip(const std::array<CGrupa, 4>& grupy) {
    static constexpr std::array<std::array<std::size_t, 4>, 2> UKLADY = {
        {{3, 3, 2, 2}, {3, 2, 2, 3}}};
    for (const auto& uklad : UKLADY) {
        bool bPasuje = true;
        for (std::size_t i = 0; i < uklad.size(); ++i)
            bPasuje = bPasuje && grupy[i].nDlugosc == uklad[i];
        if (bPasuje)
            return true;
    }
    return false;
}

// Whether the text can hold an identifier at all: six digits in a row (PESEL, NIP, the digits
// of a document number) or three digits before a dash (a NIP written with dashes). Dates,
// times and short numbers are passed over at the cost of one look at each character.
bool MozeZawierac(std::string_view str) {
    std::size_t nCyfr = 0;
    for (const char c : str) {
        if (JestCyfra(c)) {
            if (++nCyfr == 6)
                return true;
        } else {
            if (c == '-' && nCyfr == 3)
                return true;
            nCyfr = 0;
        }
    }
    return false;
}

} // namespace

bool CzyPesel(std::string_view str) {
    static constexpr std::array<int, 10> WAGI = {1, 3, 7, 9, 1, 3, 7, 9, 1, 3};
    if (!MaPostac(str, 0, 11) || (10 - Suma(str, WAGI) % 10) % 10 != Cyfra(str[10]))
        return false;
    return CzyDataPesel(Cyfra(str[0]) * 10 + Cyfra(str[1]), Cyfra(str[2]) * 10 + Cyfra(str[3]),
                        Cyfra(str[4]) * 10 + Cyfra(str[5]));
}

bool CzyNip(std::string_view str) {
    static constexpr std::array<int, 9> WAGI = {6, 5, 7, 2, 3, 4, 5, 6, 7};
    if (!MaPostac(str, 0, 10) || str[0] == '0')
        return false;
    const int nKontrolna = Suma(str, WAGI) % 11;
    return nKontrolna != 10 && nKontrolna == Cyfra(str[9]);
}

bool CzyDowodOsobisty(std::string_view str) {
    // The check digit (fourth character) weighs 9: the whole sum is a multiple of 10.
    static constexpr std::array<int, 9> WAGI = {7, 3, 1, 9, 7, 3, 1, 7, 3};
    return MaPostac(str, 3, 9) && Suma(str, WAGI) % 10 == 0;
}

bool CzyPaszport(std::string_view str) {
    // The check digit (third character) weighs 9: the whole sum is a multiple of 10.
    static constexpr std::array<int, 9> WAGI = {7, 3, 9, 1, 7, 3, 1, 7, 3};
    return MaPostac(str, 2, 9) && Suma(str, WAGI) % 10 == 0;
}

void ZnajdzIdentyfikatory(std::string_view str, std::vector<CIdentyfikator>& wynik) {
    wynik.clear();
    if (!MozeZawierac(str))
        return;
    for (std::size_t i = 0; i < str.size();) {
        // Most of a text is no digit: passed over in a tight loop.
        while (i < str.size() && !JestCyfra(str[i]))
            ++i;
        if (i == str.size())
            break;
        // Digit groups joined by single dashes, from i to n, each judged alone unless the first
        // four are the layout of a NIP and nothing follows them.
        std::array<CGrupa, 4> grupy{};
        std::size_t nGrup = 0, n = i;
        // Only runs of 6, 7, 10 or 11 digits can be an identifier alone.
        auto sprawdz = [&](const CGrupa& g) {
            if (g.nDlugosc == 6 || g.nDlugosc == 7 || g.nDlugosc == 10 || g.nDlugosc == 11)
                SprawdzGrupe(str, g, wynik);
        };
        auto sprawdzPierwsze = [&] {
            for (std::size_t k = 0; k < std::min(nGrup, grupy.size()); ++k)
                sprawdz(grupy[k]);
        };
        for (;;) {
            const std::size_t nPoczatek = n;
            while (n < str.size() && JestCyfra(str[n]))
                ++n;
            const CGrupa grupa = {nPoczatek, n - nPoczatek};
            if (nGrup < grupy.size())
                grupy[nGrup] = grupa;
            else
                sprawdz(grupa);
            if (++nGrup == grupy.size() + 1)
                sprawdzPierwsze();
            if (n + 1 >= str.size() || str[n] != '-' || !JestCyfra(str[n + 1]))
                break;
            ++n;
        }
        if (nGrup == grupy.size() && JestUklademNip(grupy) && StoiOsobno(str, i, n)) {
            std::string strNip;
            for (const CGrupa& g : grupy)
                strNip += str.substr(g.nPoczatek, g.nDlugosc);
            if (CzyNip(strNip))
                Dodaj(wynik, ERodzajIdentyfikatora::Nip, std::move(strNip), i, n);
        } else if (nGrup <= grupy.size()) {
            sprawdzPierwsze();
        }
        i = n;
    }
}

std::string Zamaskuj(std::string_view str) {
    constexpr std::size_t WIDOCZNE = 4;
    std::string strWynik(str.substr(0, WIDOCZNE));
    if (str.size() > WIDOCZNE)
        strWynik.append(str.size() - WIDOCZNE, '*');
    return strWynik;
}

std::string ZamaskujIdentyfikatory(std::string_view strTekst) {
    std::vector<CIdentyfikator> znalezione;
    ZnajdzIdentyfikatory(strTekst, znalezione);
    std::string strWynik;
    std::size_t nPoz = 0;
    for (const CIdentyfikator& identyfikator : znalezione) {
        strWynik += strTekst.substr(nPoz, identyfikator.m_nPoczatek - nPoz);
        strWynik += Zamaskuj(identyfikator.m_str);
        nPoz = identyfikator.m_nPoczatek + identyfikator.m_nDlugosc;
    }
    strWynik += strTekst.substr(nPoz);
    return strWynik;
}
