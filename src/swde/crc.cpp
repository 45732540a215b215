// CRC-32 arithmetic, several bytes at a time, and the checksums of a file taken line by line.
#include "swde/crc.h"

#include <array>

#include "swde/format.h"

namespace {

using CTablicaCRC = std::array<std::array<std::uint32_t, 256>, 8>;

// Table 0 is the classic byte table of the reflected polynomial; table k advances a byte
// through k further zero bytes, so that eight bytes are folded in one step.
constexpr CTablicaCRC ZbudujTablice() {
    CTablicaCRC t{};
    for (std::uint32_t i = 0; i < 256; ++i) {
        std::uint32_t n = i;
        for (int k = 0; k < 8; ++k)
            n = (n & 1) ? (n >> 1) ^ 0xEDB88320u : n >> 1;
        t[0][i] = n;
    }
    for (std::size_t k = 1; k < 8; ++k)
        for (std::size_t i = 0; i < 256; ++i)
            t[k][i] = (t[k - 1][i] >> 8) ^ t[0][t[k - 1][i] & 0xFF];
    return t;
}

constexpr CTablicaCRC TABLICA = ZbudujTablice();

std::uint32_t Slowo(const unsigned char* p) {
    return p[0] | (std::uint32_t{p[1]} << 8) | (std::uint32_t{p[2]} << 16) |
           (std::uint32_t{p[3]} << 24);
}

// Eight bytes folded into a register by the sliced tables.
std::uint32_t Krok8(std::uint32_t nRejestr, const unsigned char* p) {
    const auto& t = TABLICA;
    const std::uint32_t a = nRejestr ^ Slowo(p);
    const std::uint32_t b = Slowo(p + 4);
    return t[7][a & 0xFF] ^ t[6][(a >> 8) & 0xFF] ^ t[5][(a >> 16) & 0xFF] ^ t[4][a >> 24] ^
           t[3][b & 0xFF] ^ t[2][(b >> 8) & 0xFF] ^ t[1][(b >> 16) & 0xFF] ^ t[0][b >> 24];
}

std::uint32_t Krok1(std::uint32_t nRejestr, unsigned char b) {
    return TABLICA[0][(nRejestr ^ b) & 0xFF] ^ (nRejestr >> 8);
}

constexpr std::size_t CZEKAJACE = 4096; // section bytes gathered before they are fed

// Multiplies two polynomials modulo the CRC polynomial, in the register's reflected order
// (bit 31 stands for x^0).
constexpr std::uint32_t MnozModP(std::uint32_t a, std::uint32_t b) {
    std::uint32_t nWynik = 0;
    for (std::uint32_t m = 1u << 31; m != 0 && a != 0; m >>= 1) {
        if (a & m) {
            nWynik ^= b;
            a ^= m;
        }
        b = (b & 1) ? (b >> 1) ^ 0xEDB88320u : b >> 1;
    }
    return nWynik;
}

// x^(2^k) modulo the polynomial, k = 0..63.
using CPotegiX = std::array<std::uint32_t, 64>;
constexpr CPotegiX ZbudujPotegi() {
    CPotegiX t{};
    std::uint32_t p = 1u << 30; // x^1
    for (std::size_t k = 0; k < t.size(); ++k) {
        t[k] = p;
        p = MnozModP(p, p);
    }
    return t;
}
constexpr CPotegiX POTEGI_X = ZbudujPotegi();

} // namespace

std::uint32_t ObliczCRC(std::uint32_t nRejestr, std::string_view strTekst) {
    auto p = reinterpret_cast<const unsigned char*>(strTekst.data());
    std::size_t n = strTekst.size();
    for (; n >= 8; p += 8, n -= 8)
        nRejestr = Krok8(nRejestr, p);
    for (; n > 0; ++p, --n)
        nRejestr = Krok1(nRejestr, *p);
    return nRejestr;
}

std::uint32_t PrzesunCRC(std::uint32_t nRejestr, std::uint64_t nBajtow) {
    // x^(8n): the bits of n, each standing for x^(8 * 2^k).
    std::uint32_t nX = 1u << 31; // x^0
    for (std::size_t k = 3; nBajtow != 0; nBajtow >>= 1, ++k)
        if (nBajtow & 1)
            nX = MnozModP(POTEGI_X[k % POTEGI_X.size()], nX);
    return MnozModP(nX, nRejestr);
}

bool ZaczynaSekcje(std::string_view strWiersz) {
    return strWiersz.starts_with("SN") || strWiersz.starts_with("SP") ||
           strWiersz.starts_with("ST") || strWiersz.starts_with("SO");
}

std::uint32_t CSumyCRC::Suma(std::uint32_t nRejestr, std::string_view strZamkniecie) {
    return ~ObliczCRC(nRejestr, strZamkniecie);
}

void CSumyCRC::Wiersz(std::string_view strWiersz) {
    if (!m_bWSekcji && ZaczynaSekcje(strWiersz)) {
        m_bWSekcji = true;
        m_nSekcja = 0xFFFFFFFFu;
        m_nPlikPrzedSekcja = m_nPlik;
        m_nBajtySekcji = 0;
    }
    if (!m_bWSekcji) {
        m_nPlik = ObliczCRC(m_nPlik, strWiersz);
        return;
    }
    m_strCzekajace += strWiersz;
    m_nBajtySekcji += strWiersz.size();
    if (m_strCzekajace.size() >= CZEKAJACE)
        Nakarm();
}

void CSumyCRC::Nakarm() {
    m_nSekcja = ObliczCRC(m_nSekcja, m_strCzekajace);
    m_strCzekajace.clear();
}

void CSumyCRC::Dogon() {
    Nakarm();
    // F = S xor (what F0 xor S0 becomes over the section's bytes), S0 being all ones.
    m_nPlik = m_nSekcja ^ PrzesunCRC(m_nPlikPrzedSekcja ^ 0xFFFFFFFFu, m_nBajtySekcji);
}

std::uint32_t CSumyCRC::SumaSekcji() {
    Nakarm();
    return Suma(m_nSekcja, format::KONIEC_SEKCJI_CRC);
}

std::uint32_t CSumyCRC::SumaPliku() {
    if (m_bWSekcji)
        Dogon();
    return Suma(m_nPlik, format::KONIEC_PLIKU_CRC);
}

void CSumyCRC::ZamknijSekcje(std::string_view strKoniec) {
    if (m_bWSekcji)
        Dogon();
    m_nPlik = ObliczCRC(m_nPlik, strKoniec);
    m_bWSekcji = false;
}

std::string CSumyCRC::KoniecSekcji() {
    std::string strWiersz(format::KONIEC_SEKCJI_CRC);
    strWiersz += std::to_string(SumaSekcji());
    strWiersz += ';';
    ZamknijSekcje(strWiersz);
    return strWiersz;
}

std::string CSumyCRC::KoniecPliku() {
    std::string strWiersz(format::KONIEC_PLIKU_CRC);
    strWiersz += std::to_string(SumaPliku());
    strWiersz += ';';
    return strWiersz;
}
