// The arena of texts and the hashed table over it.
#include "filtr/zbiory.h"

#include <cstring>
#include <stdexcept>
#include <string>
#include <type_traits>

namespace {

// A 64-bit hash of the bytes, eight at a time.
std::uint64_t HaszBajtow(const char* p, std::size_t n) {
    std::uint64_t nHasz = 0x9E3779B97F4A7C15ull ^ (n * 0xFF51AFD7ED558CCDull);
    for (; n >= 8; p += 8, n -= 8) {
        std::uint64_t nSlowo;
        std::memcpy(&nSlowo, p, 8);
        nHasz = (nHasz ^ nSlowo) * 0xBF58476D1CE4E5B9ull;
        nHasz ^= nHasz >> 31;
    }
    // The last 0 to 7 bytes: two overlapping loads, or single bytes.
    std::uint64_t nReszta = 0;
    if (n >= 4) {
        std::uint32_t nA, nB;
        std::memcpy(&nA, p, 4);
        std::memcpy(&nB, p + n - 4, 4);
        nReszta = (std::uint64_t{nA} << 32) | nB;
    } else {
        for (std::size_t i = 0; i < n; ++i)
            nReszta = (nReszta << 8) | static_cast<unsigned char>(p[i]);
    }
    nHasz = (nHasz ^ nReszta) * 0x94D049BB133111EBull;
    return nHasz ^ (nHasz >> 29);
}

// The length in 7-bit groups, low first, the high bit marking that another follows.
std::size_t DlugoscDlugosci(std::size_t n) {
    std::size_t nBajty = 1;
    for (; n >= 0x80; n >>= 7)
        ++nBajty;
    return nBajty;
}

unsigned char* ZapiszDlugosc(unsigned char* p, std::size_t n) {
    for (; n >= 0x80; n >>= 7)
        *p++ = static_cast<unsigned char>(n | 0x80);
    *p++ = static_cast<unsigned char>(n);
    return p;
}

const unsigned char* CzytajDlugosc(const unsigned char* p, std::size_t& n) {
    n = 0;
    for (unsigned nPrzesuniecie = 0;; nPrzesuniecie += 7) {
        const unsigned char c = *p++;
        n |= static_cast<std::size_t>(c & 0x7F) << nPrzesuniecie;
        if (c < 0x80)
            return p;
    }
}

unsigned char* ZapiszTekst(unsigned char* p, const CKlucz& klucz) {
    p = ZapiszDlugosc(p, klucz.Dlugosc());
    if (!klucz.strA.empty()) // an empty view may have no storage for memcpy
        std::memcpy(p, klucz.strA.data(), klucz.strA.size());
    p += klucz.strA.size();
    if (klucz.cSeparator) {
        *p++ = static_cast<unsigned char>(klucz.cSeparator);
        if (!klucz.strB.empty())
            std::memcpy(p, klucz.strB.data(), klucz.strB.size());
        p += klucz.strB.size();
    }
    return p;
}

// Places are 32-bit: the arena may hold up to 4095 blocks (almost 4 GiB of texts).
constexpr std::size_t NAJWIECEJ_BLOKOW = 4095;

} // namespace

bool CKlucz::operator==(std::string_view str) const {
    if (!cSeparator)
        return str == strA;
    return str.size() == Dlugosc() && str.starts_with(strA) && str[strA.size()] == cSeparator &&
           str.ends_with(strB);
}

std::uint64_t CKlucz::Hasz() const {
    if (!cSeparator)
        return HaszBajtow(strA.data(), strA.size());
    // A joined text is hashed as the text it stands for.
    char szBufor[128];
    const std::size_t n = Dlugosc();
    std::string strDlugi;
    char* p = szBufor;
    if (n > sizeof szBufor) {
        strDlugi.resize(n);
        p = strDlugi.data();
    }
    // An empty view may have no storage: memcpy must not be given its null pointer.
    if (!strA.empty())
        std::memcpy(p, strA.data(), strA.size());
    p[strA.size()] = cSeparator;
    if (!strB.empty())
        std::memcpy(p + strA.size() + 1, strB.data(), strB.size());
    return HaszBajtow(p, n);
}

// ---- CArenaTekstow -------------------------------------------------------------------------

CArenaTekstow::Miejsce CArenaTekstow::Dodaj(std::initializer_list<CKlucz> teksty,
                                            std::size_t nZapas) {
    std::size_t nPotrzeba = nZapas;
    for (const CKlucz& klucz : teksty)
        nPotrzeba += DlugoscDlugosci(klucz.Dlugosc()) + klucz.Dlugosc();
    if (m_bloki.empty() || m_nZajete + nPotrzeba > BLOK) {
        // A new block; a text longer than a block gets one of its own that takes as many
        // block numbers.
        const std::size_t nNumery = (nPotrzeba + BLOK - 1) / BLOK;
        if (m_bloki.size() + nNumery > NAJWIECEJ_BLOKOW)
            throw std::length_error("too many texts for the run state");
        m_nBlok = m_bloki.size();
        m_bloki.push_back(std::make_unique_for_overwrite<unsigned char[]>(nNumery * BLOK));
        for (std::size_t i = 1; i < nNumery; ++i)
            m_bloki.emplace_back();
        m_nZajete = 0;
    }
    const auto nMiejsce = static_cast<Miejsce>(m_nBlok * BLOK + m_nZajete);
    unsigned char* p = m_bloki[m_nBlok].get() + m_nZajete;
    for (const CKlucz& klucz : teksty)
        p = ZapiszTekst(p, klucz);
    std::memset(p, 0, nZapas);
    m_nZajete += nPotrzeba;
    return nMiejsce;
}

const unsigned char* CArenaTekstow::Adres(Miejsce nMiejsce) const {
    return m_bloki[nMiejsce / BLOK].get() + nMiejsce % BLOK;
}

std::string_view CArenaTekstow::Tekst(Miejsce nMiejsce) const {
    std::size_t n = 0;
    const unsigned char* p = CzytajDlugosc(Adres(nMiejsce), n);
    return {reinterpret_cast<const char*>(p), n};
}

CArenaTekstow::Miejsce CArenaTekstow::Nastepny(Miejsce nMiejsce) const {
    std::size_t n = 0;
    const unsigned char* p = Adres(nMiejsce);
    return nMiejsce + static_cast<Miejsce>(CzytajDlugosc(p, n) - p + n);
}

const unsigned char* CArenaTekstow::ZaTekstem(Miejsce nMiejsce) const {
    const std::string_view str = Tekst(nMiejsce);
    return reinterpret_cast<const unsigned char*>(str.data() + str.size());
}

void CArenaTekstow::Wyczysc() {
    m_bloki.clear();
    m_nBlok = 0;
    m_nZajete = 0;
}

// ---- CTablicaTekstow -----------------------------------------------------------------------

std::size_t CTablicaTekstow::Szukaj(const CKlucz& klucz, std::uint64_t nHasz) const {
    const std::size_t nMaska = m_sloty.size() - 1;
    const std::uint64_t nZnacznik = nHasz & 0xFFFFFFFFu;
    for (std::size_t i = nHasz & nMaska;; i = (i + 1) & nMaska) {
        const std::uint64_t nSlot = m_sloty[i];
        if (nSlot == 0 || ((nSlot >> 32) == nZnacznik &&
                           klucz == m_arena.Tekst(static_cast<std::uint32_t>(nSlot) - 1)))
            return i;
    }
}

CArenaTekstow::Miejsce CTablicaTekstow::Znajdz(const CKlucz& klucz) const {
    if (m_nLiczba == 0)
        return BRAK;
    const std::uint64_t nSlot = m_sloty[Szukaj(klucz, klucz.Hasz())];
    return nSlot == 0 ? BRAK : static_cast<std::uint32_t>(nSlot) - 1;
}

CArenaTekstow::Miejsce CTablicaTekstow::Dodaj(const CKlucz& klucz) {
    // At most three quarters of the slots are taken.
    if (4 * (m_nLiczba + 1) > 3 * m_sloty.size())
        Powieksz(m_sloty.empty() ? 64 : 2 * m_sloty.size());
    const std::uint64_t nHasz = klucz.Hasz();
    std::uint64_t& nSlot = m_sloty[Szukaj(klucz, nHasz)];
    if (nSlot == 0) {
        const CArenaTekstow::Miejsce nMiejsce = m_arena.Dodaj({klucz}, m_nZapas);
        nSlot = (nHasz << 32) | (std::uint64_t{nMiejsce} + 1);
        ++m_nLiczba;
    }
    return static_cast<std::uint32_t>(nSlot) - 1;
}

// The slots hold the low half of each hash, which places them in any table of up to 2^32 slots.
void CTablicaTekstow::Powieksz(std::size_t nSloty) {
    std::vector<std::uint64_t> stare(nSloty, 0);
    stare.swap(m_sloty);
    const std::size_t nMaska = nSloty - 1;
    for (const std::uint64_t nSlot : stare) {
        if (nSlot == 0)
            continue;
        std::size_t i = (nSlot >> 32) & nMaska;
        while (m_sloty[i] != 0)
            i = (i + 1) & nMaska;
        m_sloty[i] = nSlot;
    }
}

void CTablicaTekstow::Wyczysc() {
    m_arena.Wyczysc();
    m_sloty.clear();
    m_sloty.shrink_to_fit();
    m_nLiczba = 0;
}

// ---- ZbiorTekstow -------------------------------------------------------------------------

bool ZbiorTekstow::Blok(const CKlucz& klucz, CBlok& blok) {
    const std::string_view strKoniec = klucz.cSeparator ? klucz.strB : klucz.strA;
    std::size_t k = strKoniec.size();
    while (k > 0 && strKoniec[k - 1] >= '0' && strKoniec[k - 1] <= '9')
        --k;
    const std::size_t nCyfr = strKoniec.size() - k;
    // A separator that is a digit would make the number longer than the second text.
    const bool bCyfraPrzed = k == 0 && klucz.cSeparator >= '0' && klucz.cSeparator <= '9';
    if (nCyfr == 0 || nCyfr > 18 || (nCyfr > 1 && strKoniec[k] == '0') || bCyfraPrzed)
        return false;
    std::uint64_t nLiczba = 0;
    for (std::size_t i = k; i < strKoniec.size(); ++i)
        nLiczba = 10 * nLiczba + static_cast<std::uint64_t>(strKoniec[i] - '0');
    blok.przedrostek = klucz.cSeparator
                           ? CKlucz(klucz.strA, klucz.cSeparator, klucz.strB.substr(0, k))
                           : CKlucz(klucz.strA.substr(0, k));
    blok.nBlok = nLiczba / 64;
    blok.nMiejsce = static_cast<unsigned>(nLiczba % 64);
    return true;
}

template <class Zbior> auto ZbiorTekstow::Bity(Zbior& zbior, const CBlok& blok) {
    constexpr bool bDodaj = !std::is_const_v<Zbior>;
    using Wskaznik = decltype(zbior.m_bloki.ZapasTekstu(0));
    // A few of the text's characters choose the memory: kinds differ in their type or letter.
    const std::string_view strA = blok.przedrostek.strA;
    const std::size_t nWybor =
        strA.empty() ? 0
                     : 7 * strA.size() + 5 * static_cast<unsigned char>(strA.back()) +
                           3 * static_cast<unsigned char>(strA[strA.size() / 2]);
    COstatni& ostatni = zbior.m_ostatnie[nWybor % zbior.m_ostatnie.size()];
    if (!ostatni.bZnany || blok.nBlok != ostatni.nBlok || (bDodaj && !ostatni.pBity) ||
        !(blok.przedrostek == ostatni.strPrzedrostek)) {
        std::string strKlucz;
        strKlucz.reserve(blok.przedrostek.Dlugosc() + 1 + sizeof blok.nBlok);
        strKlucz += blok.przedrostek.strA;
        if (blok.przedrostek.cSeparator) {
            strKlucz += blok.przedrostek.cSeparator;
            strKlucz += blok.przedrostek.strB;
        }
        const std::size_t nPrzedrostek = strKlucz.size();
        strKlucz += '\x01';
        strKlucz.append(reinterpret_cast<const char*>(&blok.nBlok), sizeof blok.nBlok);
        CArenaTekstow::Miejsce n = CTablicaTekstow::BRAK;
        if constexpr (bDodaj)
            n = zbior.m_bloki.Dodaj(CKlucz(strKlucz));
        else
            n = zbior.m_bloki.Znajdz(CKlucz(strKlucz));
        strKlucz.resize(nPrzedrostek);
        // The arena keeps the block's bits in place: the memory may point at them.
        unsigned char* pBity =
            n == CTablicaTekstow::BRAK ? nullptr : const_cast<unsigned char*>(zbior.m_bloki.ZapasTekstu(n));
        ostatni = {true, std::move(strKlucz), blok.nBlok, pBity};
    }
    return static_cast<Wskaznik>(ostatni.pBity);
}

void ZbiorTekstow::Dodaj(const CKlucz& klucz) {
    CBlok blok;
    if (!Blok(klucz, blok)) {
        m_teksty.Dodaj(klucz);
        return;
    }
    Bity(*this, blok)[blok.nMiejsce / 8] |= static_cast<unsigned char>(1u << (blok.nMiejsce % 8));
}

bool ZbiorTekstow::Zawiera(const CKlucz& klucz) const {
    if (m_teksty.Rozmiar() == 0 && m_bloki.Rozmiar() == 0)
        return false;
    CBlok blok;
    if (!Blok(klucz, blok))
        return m_teksty.Zawiera(klucz);
    const unsigned char* pBity = Bity(*this, blok);
    return pBity && (pBity[blok.nMiejsce / 8] >> (blok.nMiejsce % 8) & 1) != 0;
}

void ZbiorTekstow::Wyczysc() {
    m_teksty.Wyczysc();
    m_bloki.Wyczysc();
    m_ostatnie = {};
}
