// The SWDE reader: section lines in line mode, records and plain lines in buffered mode.
#include "swde/czytnik.h"

#include <algorithm>
#include <cstring>
#include <string_view>

#include "swde/bledy.h"
#include "swde/kodowanie.h"

namespace {

const std::string& LiniaNaglowka() {
    static const std::string str = "SWDE.w.2.00.(C) GUGiK 2000;";
    return str;
}

bool JestBialy(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f';
}

// The line without white space at both ends; a comment line ("C;") counts as empty.
std::string_view Znaczacy(std::string_view str) {
    std::size_t nPoczatek = 0, nKoniec = str.size();
    while (nPoczatek < nKoniec && JestBialy(str[nPoczatek]))
        ++nPoczatek;
    while (nKoniec > nPoczatek && JestBialy(str[nKoniec - 1]))
        --nKoniec;
    str = str.substr(nPoczatek, nKoniec - nPoczatek);
    return str.starts_with("C;") ? std::string_view() : str;
}

[[noreturn]] void BladKoncaDanych() {
    throw CSWDEException(9, blad::KoniecDanych());
}

// The element codes a record line may start with, by first character: the second characters
// allowed after it ("D,", "WL", "WG", "TP", "WE", "WR", "WW", "K,", "GL", "P,", "IL", "IP",
// "OL", "OA", "GX", "PZ").
std::string_view DrugieZnakiKodu(char c) {
    switch (c) {
    case 'D':
    case 'K':
        return ",";
    case 'W':
        return "LGERW";
    case 'T':
        return "P";
    case 'G':
        return "LX";
    case 'P':
        return ",Z";
    case 'I':
        return "LP";
    case 'O':
        return "LA";
    default:
        return {};
    }
}

bool JestKoncemRekorduWidok(std::string_view str) {
    if (str.starts_with('X'))
        return true;
    if (str.size() >= 2 && DrugieZnakiKodu(str[0]).find(str[1]) != std::string_view::npos)
        return false;
    throw CSWDEException(4, blad::ElementWSekcji() + std::string(str.substr(0, 2)) + "'");
}

// Field i of the record gets the line, reusing the text already there.
void UstawWiersz(std::vector<std::string>& astrWiersze, std::size_t i, std::string_view str) {
    if (i < astrWiersze.size())
        astrWiersze[i].assign(str);
    else
        astrWiersze.emplace_back(str);
}

} // namespace

CCzytnikSWDE::CCzytnikSWDE(std::size_t nRozmiarPorcji)
    : m_nRozmiarPorcji(std::max<std::size_t>(nRozmiarPorcji, 1)) {}

CCzytnikSWDE::~CCzytnikSWDE() = default;

bool CCzytnikSWDE::Otworz(const std::string& strSciezka) {
    if (!m_plik.Otworz(strSciezka))
        return false;
    m_nDlugoscPliku = m_plik.Dlugosc();
    m_nLinia = 0;
    m_nPozycja = 0;
    m_strBufor.clear();
    m_nPozycjaWBuforze = 0;
    m_nPoczatekBufora = 0;
    m_bOstatniaPorcja = false;
    m_bPrzewin = false;
    m_bSzukajSekcji = true;
    m_bOtwarty = true;
    return true;
}

void CCzytnikSWDE::Zamknij() {
    m_plik.Zamknij();
    m_bOtwarty = false;
}

void CCzytnikSWDE::Przewin() {
    m_plik.PrzewinNaPoczatek();
    m_strBufor.clear();
    m_nPozycjaWBuforze = 0;
    m_nPoczatekBufora = 0;
    m_nLinia = 0;
    m_nPozycja = 0;
    m_bOstatniaPorcja = false;
    m_bPrzewin = false;
}

// Line mode: the next significant line straight from the file, empty at the end of the file.
// The position counter belongs to buffered mode and stays as it is.
std::string CCzytnikSWDE::CzytajLinieWierszowo() {
    std::string strLinia;
    for (;;) {
        ++m_nLinia;
        if (!m_plik.CzytajLinie(strLinia))
            return {};
        const std::string_view str = Znaczacy(strLinia);
        if (!str.empty())
            return std::string(str);
    }
}

// Loads the next chunk behind the unconsumed tail. The chunk that reaches the end of the file
// is the last one; nothing left to load at all is error 9.
void CCzytnikSWDE::WczytajPorcje() {
    const std::uint64_t nOffset = m_plik.Pozycja();
    const std::uint64_t nReszta = m_nDlugoscPliku > nOffset ? m_nDlugoscPliku - nOffset : 0;
    if (nReszta == 0) {
        m_bOstatniaPorcja = true;
        BladKoncaDanych();
    }
    std::size_t nPorcja = m_nRozmiarPorcji;
    if (nReszta <= m_nRozmiarPorcji) {
        nPorcja = static_cast<std::size_t>(nReszta);
        m_bOstatniaPorcja = true;
    }
    if (m_nPozycjaWBuforze >= m_strBufor.size()) {
        m_strBufor.clear();
        m_nPoczatekBufora = nOffset;
    } else {
        m_strBufor.erase(0, m_nPozycjaWBuforze);
        m_nPoczatekBufora += m_nPozycjaWBuforze;
    }
    m_nPozycjaWBuforze = 0;
    const std::size_t nStary = m_strBufor.size();
    m_strBufor.resize(nStary + nPorcja);
    const std::size_t nWczytane = m_plik.Czytaj(m_strBufor.data() + nStary, nPorcja);
    m_strBufor.resize(nStary + nWczytane);
    // A file that shrank since it was opened ends where its data ends.
    if (nWczytane < nPorcja)
        m_bOstatniaPorcja = true;
}

// Buffered mode: the next significant line from the chunk buffer, as a view that holds until
// the next read. A line is handed out only once its LF has been loaded, except the file's
// unterminated last line.
std::string_view CCzytnikSWDE::CzytajLinieBuforowo() {
    for (;;) {
        std::size_t nSzukajOd = m_nPozycjaWBuforze;
        const void* pLF = nullptr;
        for (;;) {
            pLF = std::memchr(m_strBufor.data() + nSzukajOd, '\n', m_strBufor.size() - nSzukajOd);
            if (pLF || m_bOstatniaPorcja)
                break;
            const std::size_t nPrzeszukane = m_strBufor.size() - m_nPozycjaWBuforze;
            WczytajPorcje();
            nSzukajOd = nPrzeszukane;
        }
        const std::size_t nKoniec =
            pLF ? static_cast<std::size_t>(static_cast<const char*>(pLF) - m_strBufor.data())
                : m_strBufor.size();
        if (!pLF && m_nPozycjaWBuforze >= m_strBufor.size())
            BladKoncaDanych();
        const std::size_t nNastepny = pLF ? nKoniec + 1 : nKoniec;
        const std::string_view str = Znaczacy(
            std::string_view(m_strBufor).substr(m_nPozycjaWBuforze, nKoniec - m_nPozycjaWBuforze));
        m_nPozycjaWBuforze = nNastepny;
        m_nPozycja = m_nPoczatekBufora + nNastepny;
        ++m_nLinia;
        if (!str.empty())
            return str;
    }
}

bool CCzytnikSWDE::CzytajWierszSekcji(const std::string& strZnacznik,
                                      std::vector<std::string>& astrWiersze, int& nIndeks) {
    if (m_bPrzewin)
        Przewin();
    if (m_bSzukajSekcji) {
        m_bSzukajSekcji = false;
        if (strZnacznik == "SN;" && CzytajLinieWierszowo() != LiniaNaglowka())
            throw CSWDEException(1, blad::FormatPlikuNaglowek());
        for (;;) {
            const std::string strLinia = CzytajLinieWierszowo();
            if (strLinia.starts_with(strZnacznik))
                break;
            if (strLinia.empty() || strLinia.starts_with("ST;") || strLinia.starts_with("SO;")) {
                m_bPrzewin = true;
                return false;
            }
        }
    }
    std::string strLinia = CzytajLinieWierszowo();
    if (strLinia.empty())
        throw CSWDEException(1, blad::FormatPliku(), m_nLinia, m_nPozycja);
    const auto i = static_cast<std::size_t>(nIndeks++);
    if (JestKoncemSekcji(strLinia))
        return false;
    if (astrWiersze.size() <= i)
        astrWiersze.resize(i + 1);
    astrWiersze[i] = std::move(strLinia);
    return true;
}

bool CCzytnikSWDE::CzytajRekord(const std::string& strZnacznik,
                                std::vector<std::string>& astrWiersze, int& nLiczba) {
    nLiczba = 0;
    if (m_bPrzewin)
        Przewin();
    if (m_bSzukajSekcji) {
        m_bSzukajSekcji = false;
        for (;;) {
            const std::string_view strLinia = CzytajLinieBuforowo();
            if (strLinia.starts_with(strZnacznik))
                break;
            if (strZnacznik == "ST;" && strLinia.starts_with("SO;")) {
                astrWiersze.clear();
                m_bPrzewin = true;
                return false;
            }
        }
    }
    std::string_view strLinia = CzytajLinieBuforowo();
    if (strLinia.starts_with("SX")) {
        astrWiersze.clear();
        return false;
    }
    // The texts of a vector the caller did not empty are reused, so that their memory is.
    std::size_t n = 0;
    UstawWiersz(astrWiersze, n++, strLinia);
    bool bKoniec = false;
    while (!bKoniec) {
        strLinia = CzytajLinieBuforowo();
        bKoniec = JestKoncemRekorduWidok(strLinia);
        UstawWiersz(astrWiersze, n++, strLinia);
    }
    astrWiersze.resize(n);
    nLiczba = static_cast<int>(n);
    return true;
}

std::string CCzytnikSWDE::CzytajWiersz() {
    return std::string(CzytajLinieBuforowo());
}

void CCzytnikSWDE::CzytajWiersz(std::string& strWiersz) {
    strWiersz.assign(CzytajLinieBuforowo());
}

bool CCzytnikSWDE::JestKoncemRekordu(const std::string& strWiersz) {
    return JestKoncemRekorduWidok(strWiersz);
}

bool CCzytnikSWDE::JestKoncemSekcji(const std::string& strWiersz) {
    return strWiersz.starts_with("SX");
}
