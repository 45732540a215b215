// The CRC-32 checksum stage: every section end line becomes "SXC,<crc>;" and the file end line
// "SWDEXC,<crc>;".
#include "swde/crc.h"

#include <array>

#include "swde/bledy.h"
#include "swde/czytnik.h"
#include "swde/kodowanie.h"
#include "swde/plik_wynikowy.h"
#include "swde/powiadomienia.h"

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

// The same text into two registers at once (file and section): two independent chains keep
// the processor busier than two passes would.
void ObliczCRC2(std::uint32_t& nA, std::uint32_t& nB, std::string_view strTekst) {
    auto p = reinterpret_cast<const unsigned char*>(strTekst.data());
    std::size_t n = strTekst.size();
    for (; n >= 8; p += 8, n -= 8) {
        nA = Krok8(nA, p);
        nB = Krok8(nB, p);
    }
    for (; n > 0; ++p, --n) {
        nA = Krok1(nA, *p);
        nB = Krok1(nB, *p);
    }
}

bool ZaczynaSekcje(const std::string& strLinia) {
    return strLinia.starts_with("SN") || strLinia.starts_with("SP") || strLinia.starts_with("ST") ||
           strLinia.starts_with("SO");
}

bool JestKoncemPliku(const std::string& strLinia) {
    return strLinia.starts_with("SWDEX");
}

// Copies lines to the output and keeps the progress bar in step with the reader.
class CKopia {
public:
    CKopia(CCzytnikSWDE& czytnik, CPlikWynikowy& plik, CPowiadomienia& powiadomienia)
        : m_czytnik(czytnik), m_plik(plik), m_powiadomienia(powiadomienia),
          m_nDlugosc(czytnik.m_nDlugoscPliku) {}

    void Zapisz(const std::string& strLinia) {
        m_plik.Zapisz(strLinia);
        m_plik.Zapisz("\n");
    }
    // The bar moves in per mille; the display is told only when the value changes.
    void Postep() {
        const int n =
            m_nDlugosc == 0 ? 0 : static_cast<int>(m_czytnik.m_nPozycja * 1000 / m_nDlugosc);
        if (n != m_nOstatni)
            m_powiadomienia.UstawPostep(n);
        m_nOstatni = n;
    }

private:
    CCzytnikSWDE& m_czytnik;
    CPlikWynikowy& m_plik;
    CPowiadomienia& m_powiadomienia;
    std::uint64_t m_nDlugosc;
    int m_nOstatni = 0;
};

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

void DodajSumyCRC(const std::string& strWejscie, const std::string& strWyjscie,
                  CPowiadomienia& powiadomienia) {
    static const std::string strEtap = kodowanie::T("Dodawanie sum kontrolnych CRC");
    if (powiadomienia.CzyPrzerwac())
        return;
    CCzytnikSWDE czytnik;
    if (!czytnik.Otworz(strWejscie)) {
        powiadomienia.WyczyscNaglowki();
        throw CSWDEException(0, blad::OtwarciePlikuDocelowego() + strWejscie);
    }
    CPlikWynikowy plik;
    if (!plik.Otworz(strWyjscie)) {
        powiadomienia.WyczyscNaglowki();
        throw CSWDEException(0, blad::OtwarciePlikuZrodlowego() + strWyjscie);
    }
    powiadomienia.UstawPostep(0);
    powiadomienia.UstawEtap(strEtap);
    CKopia kopia(czytnik, plik, powiadomienia);

    std::uint32_t nPlik = 0xFFFFFFFFu;
    std::string strLinia;
    czytnik.CzytajWiersz(strLinia);
    while (!JestKoncemPliku(strLinia)) {
        if (powiadomienia.CzyPrzerwac())
            return;
        // Lines outside sections (the header line among them) count for the file only.
        while (!ZaczynaSekcje(strLinia) && !JestKoncemPliku(strLinia)) {
            nPlik = ObliczCRC(nPlik, strLinia);
            kopia.Zapisz(strLinia);
            kopia.Postep();
            czytnik.CzytajWiersz(strLinia);
        }
        if (JestKoncemPliku(strLinia))
            break;
        std::uint32_t nSekcja = 0xFFFFFFFFu;
        do {
            ObliczCRC2(nPlik, nSekcja, strLinia);
            kopia.Zapisz(strLinia);
            kopia.Postep();
            czytnik.CzytajWiersz(strLinia);
        } while (!CCzytnikSWDE::JestKoncemSekcji(strLinia));
        const std::string strSuma = "SXC," + std::to_string(~ObliczCRC(nSekcja, "SXC,")) + ";";
        kopia.Zapisz(strSuma);
        nPlik = ObliczCRC(nPlik, strSuma);
        czytnik.CzytajWiersz(strLinia);
    }
    plik.Zapisz("SWDEXC," + std::to_string(~ObliczCRC(nPlik, "SWDEXC,")) + ";");
    czytnik.Zamknij();
    plik.Zamknij();
    powiadomienia.UstawPostep(powiadomienia.GornaGranica());
    powiadomienia.UkryjPostep();
}
