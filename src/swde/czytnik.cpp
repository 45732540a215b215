// The SWDE reader over one chunk buffer.
#include "swde/czytnik.h"

#include <algorithm>
#include <cstring>
#include <utility>

#include "swde/bledy.h"

namespace {

bool JestKomentarzem(std::string_view str) {
    return str.starts_with("C;");
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

// Line i of the record gets the text, reusing the text already there.
void UstawWiersz(Rekord& rekord, std::size_t i, std::string_view str) {
    if (i < rekord.size())
        rekord[i].assign(str);
    else
        rekord.emplace_back(str);
}

} // namespace

CCzytnikSWDE::CCzytnikSWDE(std::size_t nRozmiarPorcji)
    : m_nRozmiarPorcji(std::max<std::size_t>(nRozmiarPorcji, 1)) {}

bool CCzytnikSWDE::Otworz(const std::string& strSciezka) {
    if (!m_plik.Otworz(strSciezka))
        return false;
    m_nDlugoscPliku = m_plik.Dlugosc();
    Przewin();
    return true;
}

void CCzytnikSWDE::UstawKomentarze(std::function<void(std::string_view)> komentarze) {
    m_komentarze = std::move(komentarze);
}

void CCzytnikSWDE::Zamknij() {
    m_plik.Zamknij();
}

bool CCzytnikSWDE::JestOtwarty() const {
    return m_plik.JestOtwarty();
}

void CCzytnikSWDE::Przewin() {
    m_plik.PrzewinNaPoczatek();
    m_strBufor.clear();
    m_nPozycjaWBuforze = 0;
    m_nPoczatekBufora = 0;
    m_nLinia = 0;
    m_nPozycja = 0;
    m_bOstatniaPorcja = false;
    m_bPrzewinPrzedSzukaniem = false;
}

// The chunk that reaches the end of the file is the last one.
bool CCzytnikSWDE::WczytajPorcje() {
    const std::uint64_t nOffset = m_plik.Pozycja();
    const std::uint64_t nReszta = m_nDlugoscPliku > nOffset ? m_nDlugoscPliku - nOffset : 0;
    if (nReszta == 0) {
        m_bOstatniaPorcja = true;
        return false;
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
    return nWczytane > 0;
}

// A line is handed out only once its LF has been loaded, except the file's unterminated last
// line.
bool CCzytnikSWDE::NastepnaLinia(std::string_view& strLinia) {
    std::size_t nSzukajOd = m_nPozycjaWBuforze;
    const void* pLF = nullptr;
    for (;;) {
        pLF = std::memchr(m_strBufor.data() + nSzukajOd, '\n', m_strBufor.size() - nSzukajOd);
        if (pLF || m_bOstatniaPorcja)
            break;
        const std::size_t nPrzeszukane = m_strBufor.size() - m_nPozycjaWBuforze;
        if (!WczytajPorcje())
            break;
        nSzukajOd = nPrzeszukane;
    }
    if (!pLF && m_nPozycjaWBuforze >= m_strBufor.size())
        return false;
    const std::size_t nKoniec =
        pLF ? static_cast<std::size_t>(static_cast<const char*>(pLF) - m_strBufor.data())
            : m_strBufor.size();
    strLinia = std::string_view(m_strBufor).substr(m_nPozycjaWBuforze, nKoniec - m_nPozycjaWBuforze);
    m_nPozycjaWBuforze = pLF ? nKoniec + 1 : nKoniec;
    return true;
}

std::string_view CCzytnikSWDE::NastepnyZnaczacy(bool bPozycja) {
    for (;;) {
        // A read that finds the end of the file counts as a line too.
        ++m_nLinia;
        std::string_view strLinia;
        if (!NastepnaLinia(strLinia))
            return {};
        if (bPozycja)
            m_nPozycja = m_nPoczatekBufora + m_nPozycjaWBuforze;
        strLinia = Przytnij(strLinia);
        if (JestKomentarzem(strLinia)) {
            if (m_komentarze)
                m_komentarze(strLinia);
        } else if (!strLinia.empty()) {
            return strLinia;
        }
    }
}

std::string_view CCzytnikSWDE::NastepnyWymagany() {
    const std::string_view strLinia = NastepnyZnaczacy(true);
    if (strLinia.empty())
        throw CSWDEException(EBlad::KoniecDanych);
    return strLinia;
}

bool CCzytnikSWDE::ZnajdzSekcje(format::ESekcja eSekcja) {
    using format::ESekcja;
    if (m_bPrzewinPrzedSzukaniem)
        Przewin();
    const std::string_view strZnacznik = format::Znacznik(eSekcja);
    if (format::JestSekcjaWierszy(eSekcja)) {
        if (eSekcja == ESekcja::SN && NastepnyZnaczacy(false) != format::NAGLOWEK_PLIKU)
            throw CSWDEException(EBlad::FormatPlikuNaglowek);
        for (;;) {
            const std::string_view strLinia = NastepnyZnaczacy(false);
            if (strLinia.starts_with(strZnacznik))
                return true;
            if (strLinia.empty() || strLinia.starts_with(format::Znacznik(ESekcja::ST)) ||
                strLinia.starts_with(format::Znacznik(ESekcja::SO))) {
                m_bPrzewinPrzedSzukaniem = true;
                return false;
            }
        }
    }
    for (;;) {
        const std::string_view strLinia = NastepnyWymagany();
        if (strLinia.starts_with(strZnacznik))
            return true;
        if (eSekcja == ESekcja::ST && strLinia.starts_with(format::Znacznik(ESekcja::SO))) {
            m_bPrzewinPrzedSzukaniem = true;
            return false;
        }
    }
}

bool CCzytnikSWDE::CzytajWierszSekcji(std::string& strWiersz) {
    const std::string_view strLinia = NastepnyZnaczacy(false);
    if (strLinia.empty())
        throw CSWDEException(EBlad::FormatPliku, {}, m_nLinia, m_nPozycja);
    if (JestKoncemSekcji(strLinia))
        return false;
    strWiersz.assign(strLinia);
    return true;
}

bool CCzytnikSWDE::CzytajRekord(Rekord& rekord) {
    std::string_view strLinia = NastepnyWymagany();
    if (JestKoncemSekcji(strLinia)) {
        rekord.clear();
        return false;
    }
    std::size_t n = 0;
    UstawWiersz(rekord, n++, strLinia);
    for (bool bKoniec = false; !bKoniec;) {
        strLinia = NastepnyWymagany();
        bKoniec = JestKoncemRekordu(strLinia);
        UstawWiersz(rekord, n++, strLinia);
    }
    rekord.resize(n);
    return true;
}

std::string_view CCzytnikSWDE::CzytajWiersz() {
    return NastepnyWymagany();
}

bool CCzytnikSWDE::JestKoncemRekordu(std::string_view strWiersz) {
    if (strWiersz.starts_with('X'))
        return true;
    if (strWiersz.size() >= 2 &&
        DrugieZnakiKodu(strWiersz[0]).find(strWiersz[1]) != std::string_view::npos)
        return false;
    throw CSWDEException(EBlad::ElementWSekcji, std::string(strWiersz.substr(0, 2)) + "'");
}

bool CCzytnikSWDE::JestKoncemSekcji(std::string_view strWiersz) {
    return strWiersz.starts_with(format::POCZATEK_KONCA_SEKCJI);
}
