// The SWDE reader over one chunk buffer.
#include "swde/czytnik.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <utility>

#include "swde/bledy.h"

namespace {

bool JestKomentarzem(std::string_view str) {
    return str.starts_with("C;");
}

// The sixteen element codes a record line may start with ("D,", "WL", "WG", "TP", "WE", "WR",
// "WW", "K,", "GL", "P,", "IL", "IP", "OL", "OA", "GX", "PZ"), as one bit per pair of
// characters: row = first character, bit = second.
struct CKodyElementow {
    std::array<std::array<std::uint64_t, 4>, 256> m_anWiersze{};

    constexpr CKodyElementow() {
        for (const char* sz : {"D,", "WL", "WG", "TP", "WE", "WR", "WW", "K,", "GL", "P,", "IL", "IP",
                               "OL", "OA", "GX", "PZ"}) {
            const auto c1 = static_cast<unsigned char>(sz[1]);
            m_anWiersze[static_cast<unsigned char>(sz[0])][c1 / 64] |= std::uint64_t{1} << (c1 % 64);
        }
    }
    bool Jest(char c0, char c1) const {
        const auto n1 = static_cast<unsigned char>(c1);
        return (m_anWiersze[static_cast<unsigned char>(c0)][n1 / 64] >> (n1 % 64)) & 1;
    }
};

constexpr CKodyElementow KODY_ELEMENTOW;

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

void CCzytnikSWDE::UstawPominiete(std::function<void(std::string_view)> pominiete) {
    m_pominiete = std::move(pominiete);
}

void CCzytnikSWDE::Zamknij() {
    m_plik.Zamknij();
}

bool CCzytnikSWDE::JestOtwarty() const {
    return m_plik.JestOtwarty();
}

void CCzytnikSWDE::Przewin() {
    m_plik.PrzewinNaPoczatek();
    m_nWBuforze = 0;
    m_nPozycjaWBuforze = 0;
    m_nKotwica = SIZE_MAX;
    m_nPoczatekBufora = 0;
    m_nLinia = 0;
    m_nPozycja = 0;
    m_bOstatniaPorcja = false;
    m_nSekcja = -2;
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
    // What is not consumed yet, from the start of the record being read, moves to the front.
    const std::size_t nOd = std::min(m_nKotwica, m_nPozycjaWBuforze);
    if (m_nWBuforze > nOd) // an empty chunk may have no storage for memmove
        std::memmove(m_bufor.data(), m_bufor.data() + nOd, m_nWBuforze - nOd);
    m_nWBuforze -= nOd;
    m_nPozycjaWBuforze -= nOd;
    m_nPoczatekBufora += nOd;
    if (m_nKotwica != SIZE_MAX)
        m_nKotwica -= nOd;
    const std::size_t nPotrzeba = m_nWBuforze + nPorcja;
    if (nPotrzeba > m_bufor.size())
        m_bufor.resize(std::max(nPotrzeba, 2 * m_bufor.size()));
    ++m_nPrzeladowania;
    const std::size_t nWczytane = m_plik.Czytaj(m_bufor.data() + m_nWBuforze, nPorcja);
    m_nWBuforze += nWczytane;
    // A file that shrank since it was opened ends where its data ends.
    if (nWczytane < nPorcja)
        m_bOstatniaPorcja = true;
    return nWczytane > 0;
}

// An empty chunk has no storage at all: memchr must not be given its null pointer.
const char* CCzytnikSWDE::SzukajLF(std::size_t nOd) const {
    if (nOd >= m_nWBuforze)
        return nullptr;
    return static_cast<const char*>(std::memchr(m_bufor.data() + nOd, '\n', m_nWBuforze - nOd));
}

// A line is handed out only once its LF has been loaded, except the file's unterminated last
// line.
bool CCzytnikSWDE::NastepnaLinia(std::string_view& strLinia) {
    std::size_t nSzukajOd = m_nPozycjaWBuforze;
    const void* pLF = nullptr;
    for (;;) {
        pLF = SzukajLF(nSzukajOd);
        if (pLF || m_bOstatniaPorcja)
            break;
        const std::size_t nPrzeszukane = m_nWBuforze - m_nPozycjaWBuforze;
        if (!WczytajPorcje())
            break;
        nSzukajOd = m_nPozycjaWBuforze + nPrzeszukane;
    }
    if (!pLF && m_nPozycjaWBuforze >= m_nWBuforze)
        return false;
    const std::size_t nKoniec =
        pLF ? static_cast<std::size_t>(static_cast<const char*>(pLF) - m_bufor.data()) : m_nWBuforze;
    strLinia = Bufor().substr(m_nPozycjaWBuforze, nKoniec - m_nPozycjaWBuforze);
    m_nPozycjaWBuforze = pLF ? nKoniec + 1 : nKoniec;
    return true;
}

std::string_view CCzytnikSWDE::NastepnyZnaczacy(bool bPozycja, bool& bCzysty) {
    for (;;) {
        // A read that finds the end of the file counts as a line too.
        ++m_nLinia;
        std::string_view strLinia;
        if (!NastepnaLinia(strLinia))
            return {};
        m_nPoczatekLinii = m_nPoczatekBufora + static_cast<std::uint64_t>(strLinia.data() - m_bufor.data());
        if (bPozycja)
            m_nPozycja = m_nPoczatekBufora + m_nPozycjaWBuforze;
        // Most lines stand in the file exactly as they are read: no blanks, CR LF at the end.
        const std::size_t n = strLinia.size();
        if (n >= 2 && strLinia[n - 1] == '\r' && !JestBialy(strLinia[n - 2]) &&
            !JestBialy(strLinia[0]) && m_bufor[m_nPozycjaWBuforze - 1] == '\n' &&
            !JestKomentarzem(strLinia)) {
            m_strJakStoi = strLinia.substr(0, n - 1);
            return m_strJakStoi;
        }
        bCzysty = false;
        m_strJakStoi = strLinia.ends_with('\r') ? strLinia.substr(0, n - 1) : strLinia;
        strLinia = Przytnij(strLinia);
        if (!strLinia.empty() && !JestKomentarzem(strLinia))
            return strLinia;
        if (m_pominiete)
            m_pominiete(m_strJakStoi);
    }
}

std::string_view CCzytnikSWDE::NastepnyZnaczacy(bool bPozycja) {
    bool bCzysty = true;
    return NastepnyZnaczacy(bPozycja, bCzysty);
}

std::string_view CCzytnikSWDE::NastepnyWymagany(bool& bCzysty) {
    const std::string_view strLinia = NastepnyZnaczacy(true, bCzysty);
    if (strLinia.empty())
        throw CSWDEException(EBlad::KoniecDanych);
    return strLinia;
}

std::string_view CCzytnikSWDE::NastepnyWymagany() {
    bool bCzysty = true;
    return NastepnyWymagany(bCzysty);
}

// The line read last is still in the chunk: nothing is loaded after a line until the next read.
void CCzytnikSWDE::Cofnij() {
    m_nPozycjaWBuforze = static_cast<std::size_t>(m_nPoczatekLinii - m_nPoczatekBufora);
    m_nPozycja = std::min(m_nPozycja, m_nPoczatekLinii);
    --m_nLinia;
}

void CCzytnikSWDE::BladKolejnosci() const {
    throw CSWDEException(EBlad::FormatPliku, {}, m_nLinia, m_nPoczatekBufora + m_nPozycjaWBuforze);
}

bool CCzytnikSWDE::ZnajdzSekcje(format::ESekcja eSekcja) {
    using format::ESekcja;
    if (m_nSekcja == -2) {
        const std::string_view strPierwszy = NastepnyZnaczacy(false);
        if (strPierwszy != format::NAGLOWEK_PLIKU)
            throw CSWDEException(BladNaglowkaPliku(strPierwszy));
        m_nSekcja = -1;
    }
    const int nSzukana = static_cast<int>(eSekcja);
    for (;;) {
        const std::string_view strLinia = NastepnyZnaczacy(false);
        const int nSekcja = format::SekcjaPoczatku(strLinia);
        if (nSekcja == nSzukana && nSekcja > m_nSekcja) {
            m_nSekcja = nSekcja;
            return true;
        }
        const bool bKoniec = strLinia.empty() || strLinia.starts_with(format::POCZATEK_KONCA_PLIKU);
        if (bKoniec || nSekcja > nSzukana) {
            if (!strLinia.empty())
                Cofnij();
            if (bKoniec && !format::JestSekcjaWierszy(eSekcja))
                throw CSWDEException(EBlad::KoniecDanych);
            return false;
        }
        // A line where a section must start, or a section repeated or out of order.
        if (nSekcja <= m_nSekcja)
            BladKolejnosci();
        // An earlier section the caller passes over is read through.
        m_nSekcja = nSekcja;
        if (format::JestSekcjaWierszy(static_cast<ESekcja>(nSekcja))) {
            for (std::string strWiersz; CzytajWierszSekcji(strWiersz);) {
            }
        } else {
            for (Rekord rekord; CzytajRekord(rekord);) {
            }
        }
    }
}

bool CCzytnikSWDE::CzytajWierszSekcji(std::string& strWiersz) {
    const std::string_view strLinia = NastepnyZnaczacy(false);
    if (strLinia.empty())
        throw CSWDEException(EBlad::FormatPliku, {}, m_nLinia, m_nPozycja);
    if (JestKoncemSekcji(strLinia))
        return false;
    if (const int nSekcja = format::SekcjaPoczatku(strLinia); nSekcja >= 0) {
        // A header section without its end line ends where the next section starts; any other
        // section start would swallow a section.
        if (m_nSekcja != static_cast<int>(format::ESekcja::SN) ||
            nSekcja != static_cast<int>(format::ESekcja::SP))
            BladKolejnosci();
        Cofnij();
        return false;
    }
    strWiersz.assign(strLinia);
    return true;
}

// Most lines are whole in the chunk and stand there as they are read: no blanks around them,
// CR LF at the end, no comment. Such a line is taken here; false leaves everything as it was.
inline bool CCzytnikSWDE::KrotkaDroga(std::string_view& strLinia) {
    const char* p = m_bufor.data() + m_nPozycjaWBuforze;
    const char* pLF = SzukajLF(m_nPozycjaWBuforze);
    const std::size_t n = pLF ? static_cast<std::size_t>(pLF - p) : 0;
    if (n < 3 || pLF[-1] != '\r' || JestBialy(p[0]) || JestBialy(pLF[-2]) ||
        (p[0] == 'C' && p[1] == ';'))
        return false;
    strLinia = {p, n - 1};
    m_nPozycjaWBuforze += n + 1;
    ++m_nLinia;
    return true;
}

// Any other line, which may reload and move the chunk: the record's lines taken so far are
// noted by their distance from its start and put back where the chunk now has them.
std::string_view CCzytnikSWDE::DlugaDroga(std::vector<std::string_view>& wiersze, bool& bCzysty) {
    const char* pKotwica = m_bufor.data() + (m_nKotwica == SIZE_MAX ? 0 : m_nKotwica);
    m_anLinie.clear();
    for (const std::string_view str : wiersze)
        m_anLinie.push_back(static_cast<std::uint64_t>(str.data() - pKotwica));
    const std::uint64_t nPrzeladowania = m_nPrzeladowania;
    const std::string_view strLinia = NastepnyWymagany(bCzysty);
    // Before the header there is no record to move (and no anchor to add).
    if (m_nPrzeladowania != nPrzeladowania && m_nKotwica != SIZE_MAX) {
        pKotwica = m_bufor.data() + m_nKotwica;
        for (std::size_t i = 0; i < wiersze.size(); ++i)
            wiersze[i] = {pKotwica + m_anLinie[i], wiersze[i].size()};
    }
    return strLinia;
}

bool CCzytnikSWDE::CzytajRekord(Rekord& rekord) {
    rekord.Wyczysc();
    m_nKotwica = SIZE_MAX;
    std::vector<std::string_view>& wiersze = rekord.m_wiersze;
    // Lines skipped before the header make the record unclean too: rare, and never wrong.
    bool bCzysty = true;
    std::string_view strLinia;
    if (!KrotkaDroga(strLinia))
        strLinia = DlugaDroga(wiersze, bCzysty);
    if (JestKoncemSekcji(strLinia)) {
        m_nPozycja = m_nPoczatekBufora + m_nPozycjaWBuforze;
        if (m_nSekcja == static_cast<int>(format::ESekcja::SO))
            CzytajKoniecPliku();
        return false;
    }
    // A section whose end line is missing: the next one would be read as its records.
    if (format::SekcjaPoczatku(strLinia) >= 0)
        BladKolejnosci();
    // The whole record stays in the chunk: a reload keeps it from its header on.
    m_nKotwica = static_cast<std::size_t>(strLinia.data() - m_bufor.data());
    const std::uint64_t nLiniaNaglowka = m_nLinia;
    wiersze.push_back(strLinia);
    for (;;) {
        // An element or end line as KrotkaDroga takes it: its code (or "X") also tells that it
        // has no blank in front and is no comment.
        const char* p = m_bufor.data() + m_nPozycjaWBuforze;
        const char* pLF = SzukajLF(m_nPozycjaWBuforze);
        const std::size_t n = pLF ? static_cast<std::size_t>(pLF - p) : 0;
        if (n >= 3 && pLF[-1] == '\r' && !JestBialy(pLF[-2]) &&
            (p[0] == 'X' || KODY_ELEMENTOW.Jest(p[0], p[1]))) {
            wiersze.emplace_back(p, n - 1);
            m_nPozycjaWBuforze += n + 1;
            ++m_nLinia;
            if (p[0] == 'X')
                break;
            continue;
        }
        strLinia = DlugaDroga(wiersze, bCzysty);
        wiersze.push_back(strLinia);
        if (strLinia[0] == 'X')
            break;
        if (!KODY_ELEMENTOW.Jest(strLinia[0], strLinia.size() > 1 ? strLinia[1] : '\0')) {
            if (format::SekcjaPoczatku(strLinia) >= 0)
                BladKolejnosci();
            JestKoncemRekordu(strLinia); // error 4
        }
    }
    m_nKotwica = SIZE_MAX;
    m_nPozycja = m_nPoczatekBufora + m_nPozycjaWBuforze;
    // Nothing skipped between the lines: as many physical lines as the record has.
    if (bCzysty && m_nLinia - nLiniaNaglowka == wiersze.size() - 1) {
        const char* pPoczatek = wiersze.front().data();
        rekord.m_strSurowy = {pPoczatek, static_cast<std::size_t>(m_bufor.data() +
                                                                  m_nPozycjaWBuforze - pPoczatek)};
    }
    return true;
}

// Only the file end line may follow the last section, and after it nothing but blank and
// comment lines (and the DOS end-of-file mark): data there would be lost without a word.
void CCzytnikSWDE::CzytajKoniecPliku() {
    std::string_view strLinia = NastepnyWymagany();
    if (!strLinia.starts_with(format::POCZATEK_KONCA_PLIKU))
        BladKolejnosci();
    m_nSekcja = KONIEC_PLIKU;
    while (!(strLinia = NastepnyZnaczacy(true)).empty())
        if (strLinia != format::ZNAK_KONCA_DOS)
            BladKolejnosci();
}

std::string_view CCzytnikSWDE::CzytajWiersz() {
    const std::string_view strLinia = NastepnyWiersz();
    if (strLinia.empty())
        throw CSWDEException(EBlad::KoniecDanych);
    return strLinia;
}

std::string_view CCzytnikSWDE::NastepnyWiersz() {
    std::string_view strLinia;
    if (!KrotkaDroga(strLinia))
        return NastepnyZnaczacy(true);
    m_nPozycja = m_nPoczatekBufora + m_nPozycjaWBuforze;
    m_strJakStoi = strLinia;
    return strLinia;
}

bool CCzytnikSWDE::JestKoncemRekordu(std::string_view strWiersz) {
    if (strWiersz.starts_with('X'))
        return true;
    if (strWiersz.size() >= 2 && KODY_ELEMENTOW.Jest(strWiersz[0], strWiersz[1]))
        return false;
    throw CSWDEException(EBlad::ElementWSekcji, std::string(strWiersz.substr(0, 2)) + "'");
}

bool CCzytnikSWDE::JestKoncemSekcji(std::string_view strWiersz) {
    return strWiersz.starts_with(format::POCZATEK_KONCA_SEKCJI);
}
