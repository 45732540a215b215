// Synthetic SWDE file generator. The object section repeats "parcel groups": the points of a
// parcel, the parcel with its geometry, its land-use classes, three register units (land,
// building, premises), owners and their shares, a building with two premises, a related right,
// a lease with its subject and share, addresses, a document and a change record. Every relation
// names an object written in the same file, so removing premises and buildings sets off the
// whole chain of dependent removals. Polish letters are ISO-8859-2 bytes.
#include "generator.h"

#include <array>
#include <charconv>
#include <cstdio>
#include <stdexcept>
#include <string_view>

namespace {

using std::string_view;

// Deterministic on every platform (the standard distributions are not).
class CLosowanie {
public:
    explicit CLosowanie(unsigned nZiarno) : m_nStan(0x9E3779B97F4A7C15ull ^ nZiarno) {}
    std::uint64_t Nastepna() {
        m_nStan ^= m_nStan << 13;
        m_nStan ^= m_nStan >> 7;
        m_nStan ^= m_nStan << 17;
        return m_nStan;
    }
    std::uint64_t Do(std::uint64_t n) { return Nastepna() % n; }

private:
    std::uint64_t m_nStan;
};

// ISO-8859-2 texts ("\xA3" is Ł, "\xA6" Ś, "\xB6" ś, "\xEA" ę, "\xF3" ó, "\xB1" ą, "\xBF" ż,
// "\xBC" ź, "\xE6" ć, "\xB3" ł, "\xF1" ń, "\xD3" Ó, "\xAF" Ż).
constexpr std::array<string_view, 8> NAZWISKA = {"KOWALSKI",
                                                 "NOWAK",
                                                 "W\xD3JCIK",
                                                 "WI\xA6NIEWSKI",
                                                 "KAMI\xD1SKA",
                                                 "LEWANDOWSKI",
                                                 "D\xA1"
                                                 "BROWSKA",
                                                 "SZYMA\xD1SKI"};
constexpr std::array<string_view, 8> IMIONA = {
    "JAN", "ANNA", "PIOTR", "MA\xA3GORZATA", "J\xD3ZEF", "KATARZYNA", "\xA3UKASZ", "EWA"};
constexpr std::array<string_view, 6> ULICE = {"\xA6wi\xEAtokrzyska",
                                              "D\xB3uga",
                                              "Ogrodowa",
                                              "Ko\xB6"
                                              "cielna",
                                              "\xAF"
                                              "eromskiego",
                                              "Polna"};
constexpr std::array<string_view, 4> MIEJSCOWOSCI = {"\xA3\xF3"
                                                     "d\xBC",
                                                     "Krak\xF3w", "Zielona G\xF3ra", "Wierzbica"};
constexpr std::array<string_view, 5> UZYTKI = {"R", "Ps", "\xA3", "B", "Lzr"};
constexpr std::array<string_view, 5> KLASY = {"IIIa", "IIIb", "IV", "V", "VI"};

constexpr std::size_t ROZMIAR_BUFORA = 1 << 20;

class CGenerator {
public:
    CGenerator(std::FILE* pPlik, unsigned nZiarno) : m_pPlik(pPlik), m_los(nZiarno) {
        m_strBufor.reserve(ROZMIAR_BUFORA + 65536);
    }

    void Naglowek();
    void SekcjeSPiST();
    void PoczatekSO();
    void Grupa(std::uint64_t g);
    void Koniec(bool bSuma);
    void Oproznij();
    std::uint64_t Rozmiar() const { return m_nZapisane + m_strBufor.size(); }

    std::uint64_t m_nZapisane = 0;
    std::uint64_t m_nRekordy = 0;

private:
    // Appending pieces of a line; W() ends the line with CR LF.
    void D(string_view s) { m_strBufor.append(s); }
    void D(std::uint64_t n) {
        char sz[24];
        auto wynik = std::to_chars(sz, sz + sizeof sz, n);
        m_strBufor.append(sz, wynik.ptr);
    }
    template <class... T> void W(const T&... czesci) {
        (D(czesci), ...);
        m_strBufor.append("\r\n");
        if (m_strBufor.size() >= ROZMIAR_BUFORA)
            Oproznij();
    }

    std::uint64_t NoweId() { return ++m_nId; }
    void Rekord(string_view strRodzaj, string_view strTyp, std::uint64_t nId, char cLitera,
                string_view strStatus = "11");
    void KoniecRekordu();
    void Atrybut(string_view strSymbol, string_view strWartosc) {
        W("D,", strSymbol, ",D,", strWartosc);
    }
    void AtrybutN(string_view strSymbol, std::uint64_t n) { W("D,", strSymbol, ",D,", n); }
    void WG(string_view strRelacja, string_view strTyp, std::uint64_t nId) {
        W("WG,", strRelacja, ",", strTyp, ",", nId, ";");
    }
    void WL(string_view strRelacja, char cLitera, std::uint64_t nId) {
        W("WL,", strRelacja, ",3_", string_view(&cLitera, 1), "_", nId, ";");
    }
    void Data(string_view strSymbol);
    void Pesel();
    template <std::size_t N> string_view Z(const std::array<string_view, N>& tab) {
        return tab[m_los.Do(N)];
    }

    std::uint64_t Punkt(std::uint64_t nObreb);
    std::uint64_t Adres();
    std::uint64_t Dokument();
    std::uint64_t Osoba(std::uint64_t nAdres);
    std::uint64_t Instytucja(std::uint64_t nAdres);
    std::uint64_t Malzenstwo(std::uint64_t nOn, std::uint64_t nOna);
    std::uint64_t Jednostka(std::uint64_t nObreb, int nTyp);
    std::uint64_t Dzialka(std::uint64_t nObreb, const std::array<std::uint64_t, 6>& anPunkty,
                          std::uint64_t nJednostka, std::uint64_t nAdres, string_view strStatus);
    void Kontur(std::uint64_t nDzialka);
    std::uint64_t Budynek(std::uint64_t nObreb, const std::array<std::uint64_t, 6>& anPunkty,
                          std::uint64_t nDzialka, std::uint64_t nJednostka, std::uint64_t nAdres);
    std::uint64_t Lokal(std::uint64_t nBudynek, std::uint64_t nJednostka, std::uint64_t nAdres);
    void Udzial(string_view strTyp, string_view strRelacja, std::uint64_t nJednostka,
                string_view strTypPodmiotu, std::uint64_t nPodmiot);

    std::FILE* m_pPlik;
    CLosowanie m_los;
    std::string m_strBufor;
    std::uint64_t m_nId = 100;
    std::uint64_t m_nJew = 0;
    std::array<std::uint64_t, 5> m_anObreby{};
};

void CGenerator::Oproznij() {
    if (!m_strBufor.empty() &&
        std::fwrite(m_strBufor.data(), 1, m_strBufor.size(), m_pPlik) != m_strBufor.size())
        throw std::runtime_error("write failed");
    m_nZapisane += m_strBufor.size();
    m_strBufor.clear();
}

void CGenerator::Rekord(string_view strRodzaj, string_view strTyp, std::uint64_t nId, char cLitera,
                        string_view strStatus) {
    W(strRodzaj, ",,", strTyp, ",", nId, ",3_", string_view(&cLitera, 1), "_", nId, ",", strStatus,
      ";");
}

void CGenerator::KoniecRekordu() {
    // Creation and archiving times close every object.
    W("D,G5DTW,D,", 1990 + m_los.Do(30), "-0", 1 + m_los.Do(9), "-1", m_los.Do(10), "T1",
      m_los.Do(10), ":", 10 + m_los.Do(50), ":", 10 + m_los.Do(50));
    W("D,G5DTU,D,", 1990 + m_los.Do(30), "-0", 1 + m_los.Do(9), "-1", m_los.Do(10), "T0",
      m_los.Do(10), ":", 10 + m_los.Do(50), ":", 10 + m_los.Do(50));
    ++m_nRekordy;
    // Now and then a record end line with a record checksum.
    if (m_los.Do(97) == 0)
        W("XC,", m_los.Do(4000000000u), ";");
    else
        W("X;");
}

void CGenerator::Data(string_view strSymbol) {
    W("D,", strSymbol, ",D,", 1990 + m_los.Do(30), "-0", 1 + m_los.Do(9), "-1", m_los.Do(10));
}

void CGenerator::Pesel() {
    char sz[12];
    for (int i = 0; i < 11; ++i)
        sz[i] = static_cast<char>('0' + m_los.Do(10));
    W("D,G5PLC,D,", string_view(sz, 11));
}

void CGenerator::Naglowek() {
    W("SWDE.w.2.00.(C) GUGiK 2000;");
    W("SN;");
    W("NS,TR,1465011_1");
    W("NS,TN,Starostwo Powiatowe w Wierzbicy");
    W("NS,TA,ul. ", ULICE[0], " 5, 26-680 Wierzbica");
    W("NS,TO,Jan Kowalski");
    W("NS,DN,2024-03-15");
    W("NS,ZN,System ewidencji grunt\xF3w i budynk\xF3w");
    W("NS,ZR,2.1");
    W("NS,ZD,Obr\xEA"
      "by 0001-0005, stan na 2024-03-15");
    W("NS,OP,Udost\xEApnienie danych");
    W("NS,OR,REGON 123456789");
    W("NS,ON,Urz\xB1"
      "d Gminy Wierzbica");
    W("NS,OA,ul. ", ULICE[4], " 1, 26-680 Wierzbica");
    W("NS,OO,Anna Nowak");
    W("NS,UX,1");
    W("NU,INFO,plik testowy, dane fikcyjne");
    W("SX;");
}

void CGenerator::SekcjeSPiST() {
    W("SP;");
    W("PS,G5,Ewidencja grunt\xF3w i budynk\xF3w,2.00;");
    W("PS,UW,PL-1992,1;");
    W("PS,JE,metry;");
    W("");
    W("SXC,", m_los.Do(4000000000u), ";");
    W("ST;");
    const std::array<string_view, 6> typy = {"G5DZE", "G5BUD", "G5LKL", "G5JDR", "G5OSF", "G5ADR"};
    int n = 1;
    for (string_view strTyp : typy) {
        W("RT,", n, ",", strTyp, ",", n, ",", n, ",11;");
        W("D,G5OPIS,D,Typ obiektu ", strTyp, ", wersja 2;");
        W("X;");
        ++n;
    }
    W("SX;");
}

void CGenerator::PoczatekSO() {
    W("SO;");
    m_nJew = NoweId();
    Rekord("RO", "G5JEW", m_nJew, 'j');
    W("D,G5IDJ,D,146501_1");
    W("D,G5NAZ,D,Wierzbica");
    KoniecRekordu();
    for (auto& nObreb : m_anObreby) {
        nObreb = NoweId();
        Rekord("RO", "G5OBR", nObreb, 'o');
        AtrybutN("G5NRO", nObreb % 100);
        W("D,G5NAZ,D,Obr\xEA"
          "b ",
          nObreb % 100);
        WG("G5RJEW", "G5JEW", m_nJew);
        KoniecRekordu();
    }
}

std::uint64_t CGenerator::Punkt(std::uint64_t nObreb) {
    std::uint64_t nId = NoweId();
    Rekord("RP", "G5PZG", nId, 'p');
    W("P,", 5600000 + m_los.Do(90000), ".", 10 + m_los.Do(90), ",", 7500000 + m_los.Do(90000), ".",
      10 + m_los.Do(90), ";");
    W("D,G5IDP,D,", nObreb % 100, ".", nId);
    AtrybutN("G5ZRD", 1 + m_los.Do(7));
    AtrybutN("G5BPP", 1 + m_los.Do(8));
    AtrybutN("G5STB", 1 + m_los.Do(3));
    WG("G5RKRG", "G5OBR", nObreb);
    KoniecRekordu();
    return nId;
}

std::uint64_t CGenerator::Adres() {
    std::uint64_t nId = NoweId();
    Rekord("RO", "G5ADR", nId, 'a');
    Atrybut("G5TAR", "1");
    Atrybut("G5KRJ", "Polska");
    Atrybut("G5WOJ", "mazowieckie");
    Atrybut("G5PWT", "radomski");
    Atrybut("G5GMN", "Wierzbica");
    Atrybut("G5MSC", Z(MIEJSCOWOSCI));
    Atrybut("G5ULC", Z(ULICE));
    AtrybutN("G5NRA", 1 + m_los.Do(120));
    if (m_los.Do(3) == 0)
        AtrybutN("G5NRL", 1 + m_los.Do(40));
    W("D,G5KOD,D,26-", 600 + m_los.Do(99));
    Atrybut("G5PCZ", "Wierzbica");
    KoniecRekordu();
    return nId;
}

std::uint64_t CGenerator::Dokument() {
    std::uint64_t nId = NoweId();
    Rekord("RO", "G5DOK", nId, 'k');
    AtrybutN("G5KDK", 1 + m_los.Do(30));
    Data("G5DTD");
    Data("G5DTP");
    // A value with commas and semicolons of its own.
    W("D,G5SYG,D,Akt notarialny Rep. A, nr ", 100 + m_los.Do(9000), "/", 1990 + m_los.Do(30),
      "; KW RA1R/", 10000 + m_los.Do(90000), "/", m_los.Do(10), ";");
    W("D,G5NSR,D,S\xB1"
      "d Rejonowy w Radomiu, Wydzia\xB3 Ksi\xB1g Wieczystych");
    W("D,G5OPD,D,Umowa sprzeda\xBFy nieruchomo\xB6"
      "ci, zmiana w\xB3"
      "a\xB6"
      "ciciela");
    KoniecRekordu();
    return nId;
}

std::uint64_t CGenerator::Osoba(std::uint64_t nAdres) {
    std::uint64_t nId = NoweId();
    Rekord("RO", "G5OSF", nId, 'f');
    Pesel();
    Atrybut("G5NPR", Z(NAZWISKA));
    Atrybut("G5PIM", Z(IMIONA));
    if (m_los.Do(2) == 0)
        Atrybut("G5DIM", Z(IMIONA));
    Atrybut("G5OIM", Z(IMIONA));
    Atrybut("G5MIM", Z(IMIONA));
    AtrybutN("G5PLC", 1 + m_los.Do(2));
    Atrybut("G5STI", "1");
    WG("G5RADR", "G5ADR", nAdres);
    KoniecRekordu();
    return nId;
}

std::uint64_t CGenerator::Instytucja(std::uint64_t nAdres) {
    std::uint64_t nId = NoweId();
    Rekord("RO", "G5INS", nId, 'i');
    W("D,G5NPE,D,Sp\xF3\xB3"
      "dzielnia Mieszkaniowa \"",
      Z(ULICE), "\" w ", Z(MIEJSCOWOSCI));
    W("D,G5NSK,D,SM ", Z(ULICE));
    W("D,G5RGN,D,", 100000000 + m_los.Do(899999999));
    W("D,G5NIP,D,", 1000000000 + m_los.Do(8999999999ull));
    AtrybutN("G5STI", 1 + m_los.Do(3));
    WG("G5RADR", "G5ADR", nAdres);
    KoniecRekordu();
    return nId;
}

std::uint64_t CGenerator::Malzenstwo(std::uint64_t nOn, std::uint64_t nOna) {
    std::uint64_t nId = NoweId();
    Rekord("RO", "G5MLZ", nId, 'm');
    WG("G5RM\xA1\xAF", "G5OSF", nOn);
    WG("G5R\xAFONA", "G5OSF", nOna);
    KoniecRekordu();
    return nId;
}

std::uint64_t CGenerator::Jednostka(std::uint64_t nObreb, int nTyp) {
    std::uint64_t nId = NoweId();
    Rekord("RO", "G5JDR", nId, 'r');
    W("D,G5IJR,D,G.", nId);
    // Some register unit types carry a stray ";" after the value, as in real files.
    if (m_los.Do(10) == 0)
        W("D,G5TJR,D,", nTyp, ";");
    else
        W("D,G5TJR,D,", nTyp);
    W("D,G5KWJ,D,RA1R/000", 10000 + m_los.Do(90000), "/", m_los.Do(10));
    Data("G5DWR");
    WG("G5ROBR", "G5OBR", nObreb);
    KoniecRekordu();
    return nId;
}

std::uint64_t CGenerator::Dzialka(std::uint64_t nObreb,
                                  const std::array<std::uint64_t, 6>& anPunkty,
                                  std::uint64_t nJednostka, std::uint64_t nAdres,
                                  string_view strStatus) {
    std::uint64_t nId = NoweId();
    Rekord("RO", "G5DZE", nId, 'd', strStatus);
    if (strStatus == "11") {
        W("GL;");
        for (std::uint64_t nPunkt : anPunkty)
            W("P,P,G5PZG,", nPunkt, ";");
        W("P,P,G5PZG,", anPunkty[0], ";");
        W("K,+;");
        W("PZ;");
        W("GX;");
    }
    W("D,G5IDD,D,146501_1.", nObreb % 100, ".", nId % 1000, "/", 1 + m_los.Do(20));
    AtrybutN("G5NOS", 1000 + m_los.Do(9000));
    W("D,G5PEW,D,", m_los.Do(30000), ".", m_los.Do(10));
    AtrybutN("G5NKR", 10 + m_los.Do(90));
    W("D,G5RZN,D,Rezerwa, ", Z(UZYTKI));
    Data("G5DWR");
    WG("G5RJDR", "G5JDR", nJednostka);
    WL("G5RADR", 'a', nAdres);
    WG("G5RKRG", "G5OBR", nObreb);
    KoniecRekordu();
    return nId;
}

void CGenerator::Kontur(std::uint64_t nDzialka) {
    std::uint64_t nId = NoweId();
    Rekord("RO", "G5KLU", nId, 'u');
    Atrybut("G5OFU", Z(UZYTKI));
    Atrybut("G5OZU", Z(UZYTKI));
    Atrybut("G5OZK", Z(KLASY));
    W("D,G5PEW,D,", m_los.Do(20000), ".", m_los.Do(10));
    WG("G5RDZE", "G5DZE", nDzialka);
    KoniecRekordu();
}

std::uint64_t CGenerator::Budynek(std::uint64_t nObreb,
                                  const std::array<std::uint64_t, 6>& anPunkty,
                                  std::uint64_t nDzialka, std::uint64_t nJednostka,
                                  std::uint64_t nAdres) {
    std::uint64_t nId = NoweId();
    Rekord("RO", "G5BUD", nId, 'b');
    W("GL;");
    for (int i = 1; i < 5; ++i)
        W("P,P,G5PZG,", anPunkty[i], ";");
    W("P,P,G5PZG,", anPunkty[1], ";");
    W("K,+;");
    W("GX;");
    W("D,G5IDB,D,146501_1.", nObreb % 100, ".", nDzialka % 1000, "_BUD.", nId % 10);
    AtrybutN("G5FUZ", 1 + m_los.Do(8));
    AtrybutN("G5RBB", 101 + m_los.Do(8));
    AtrybutN("G5LKN", 1 + m_los.Do(5));
    AtrybutN("G5LKP", m_los.Do(2));
    W("D,G5PEW,D,", 40 + m_los.Do(400), ".", m_los.Do(10));
    AtrybutN("G5SCN", 1 + m_los.Do(3));
    Data("G5DWR");
    WG("G5RDZE", "G5DZE", nDzialka);
    WG("G5RJDR", "G5JDR", nJednostka);
    WG("G5RADR", "G5ADR", nAdres);
    WG("G5RKRG", "G5OBR", nObreb);
    KoniecRekordu();
    return nId;
}

std::uint64_t CGenerator::Lokal(std::uint64_t nBudynek, std::uint64_t nJednostka,
                                std::uint64_t nAdres) {
    std::uint64_t nId = NoweId();
    Rekord("RO", "G5LKL", nId, 'l');
    W("D,G5IDL,D,146501_1.", nBudynek % 1000, "_BUD.1_LOK.", nId % 100);
    AtrybutN("G5TLOK", 1 + m_los.Do(3));
    W("D,G5PPP,D,", 20 + m_los.Do(150), ".", m_los.Do(100));
    AtrybutN("G5LPP", 1 + m_los.Do(6));
    AtrybutN("G5NRK", m_los.Do(12));
    Data("G5DWR");
    WG("G5RBUD", "G5BUD", nBudynek);
    WG("G5RJDR", "G5JDR", nJednostka);
    WL("G5RADR", 'a', nAdres);
    KoniecRekordu();
    return nId;
}

void CGenerator::Udzial(string_view strTyp, string_view strRelacja, std::uint64_t nJednostka,
                        string_view strTypPodmiotu, std::uint64_t nPodmiot) {
    std::uint64_t nId = NoweId();
    Rekord("RO", strTyp, nId, 's');
    AtrybutN("G5RPW", 1 + m_los.Do(3));
    W("D,G5WUD,D,", 1 + m_los.Do(3), "/", 4 + m_los.Do(5));
    WG(strRelacja, "G5JDR", nJednostka);
    WG("G5RPOD", strTypPodmiotu, nPodmiot);
    KoniecRekordu();
}

void CGenerator::Grupa(std::uint64_t g) {
    std::uint64_t nObreb = m_anObreby[g % m_anObreby.size()];
    if (g % 50 == 3) {
        W("");
        W("C; grupa dzia\xB3"
          "ek ",
          g);
    }
    std::array<std::uint64_t, 6> anPunkty{};
    for (auto& nPunkt : anPunkty)
        nPunkt = Punkt(nObreb);
    std::uint64_t nAdres1 = Adres();
    std::uint64_t nAdres2 = Adres();
    std::uint64_t nDokument = Dokument();
    std::uint64_t nOn = Osoba(nAdres1);
    std::uint64_t nOna = Osoba(nAdres1);
    std::uint64_t nInstytucja = Instytucja(nAdres2);
    std::uint64_t nMalzenstwo = Malzenstwo(nOn, nOna);
    std::uint64_t nJdrGrunt = Jednostka(nObreb, 1);
    std::uint64_t nJdrBud = Jednostka(nObreb, 2);
    std::uint64_t nJdrLok = Jednostka(nObreb, 3);
    std::uint64_t nDzialka = Dzialka(nObreb, anPunkty, nJdrGrunt, nAdres1, "11");
    Kontur(nDzialka);
    Kontur(nDzialka);
    std::uint64_t nBudynek = Budynek(nObreb, anPunkty, nDzialka, nJdrBud, nAdres1);
    std::uint64_t nLokal = Lokal(nBudynek, nJdrLok, nAdres2);
    Lokal(nBudynek, nJdrLok, nAdres2);
    Udzial("G5UDZ", "G5RW\xA3S", nJdrGrunt, "G5MLZ", nMalzenstwo);
    Udzial("G5UDZ", "G5RW\xA3S", nJdrBud, "G5INS", nInstytucja);
    Udzial("G5UDZ", "G5RW\xA3S", nJdrLok, "G5OSF", nOn);
    Udzial("G5UDW",
           "G5RW\xA3"
           "D",
           nJdrBud, "G5INS", nInstytucja);

    std::uint64_t nPrawo = NoweId();
    Rekord("RO", "G5JRZ", nPrawo, 'z');
    W("D,G5OPIS,D,Prawo zwi\xB1zane z lokalem nr ", nLokal % 100, ", udzia\xB3 1/", 2 + g % 7);
    WG("G5RJRW", "G5JDR", nJdrLok);
    WG("G5RJRO", "G5JDR", nJdrGrunt);
    WG("G5RDOK", "G5DOK", nDokument);
    KoniecRekordu();

    std::uint64_t nDzierzawa = NoweId();
    Rekord("RO", "G5DZW", nDzierzawa, 'w');
    AtrybutN("G5RDZW", 1 + m_los.Do(4));
    Data("G5DTP");
    WG("G5RDOK", "G5DOK", nDokument);
    KoniecRekordu();

    std::uint64_t nPrzedmiot = NoweId();
    Rekord("RO", "G5PDZ", nPrzedmiot, 'y');
    WG("G5RPRZ", "G5DZW", nDzierzawa);
    WG("G5REPZ", "G5BUD", nBudynek);
    KoniecRekordu();

    std::uint64_t nUdzialD = NoweId();
    Rekord("RO", "G5UDD", nUdzialD, 'x');
    W("D,G5WUD,D,1/", 1 + m_los.Do(4));
    WG("G5RWPZ", "G5DZW", nDzierzawa);
    WG("G5RPOD", "G5OSF", nOna);
    KoniecRekordu();

    std::uint64_t nZmiana = NoweId();
    Rekord("RO", "G5ZMN", nZmiana, 'n');
    W("D,G5NRZ,D,", 1990 + m_los.Do(30), "/", 1 + m_los.Do(900));
    Data("G5DZZ");
    W("D,G5OPZ,D,Podzia\xB3 dzia\xB3ki, aktualizacja operatu; zmiana nr ", g);
    WG("G5ROBJ", "G5DZE", nDzialka);
    WG("G5RDOK", "G5DOK", nDokument);
    WG("G5RPOD", "G5OSF", nOn);
    KoniecRekordu();

    // Every tenth group keeps the historical version of its parcel.
    if (g % 10 == 7) {
        std::uint64_t nStara = Dzialka(nObreb, anPunkty, nJdrGrunt, nAdres1, "12");
        Rekord("RO", "G5ZMN", NoweId(), 'n', "12");
        W("D,G5OPZ,D,Zmiana historyczna");
        WG("G5ROBJ", "G5DZE", nStara);
        WG("G5RDOK", "G5DOK", nDokument);
        KoniecRekordu();
    }
}

void CGenerator::Koniec(bool bSuma) {
    W("SX;");
    // A file that went through a checksum stage before ends with the checksum form.
    if (bSuma)
        W("SWDEXC,", m_los.Do(4000000000u), ";");
    else
        W("SWDEX;");
    Oproznij();
}

struct CZamykacz {
    std::FILE* p;
    ~CZamykacz() {
        if (p)
            std::fclose(p);
    }
};

} // namespace

std::uint64_t GenerujPlikSWDE(const std::string& strSciezka, const COpcjeGeneratora& opcje) {
    CZamykacz plik{std::fopen(strSciezka.c_str(), "wb")};
    if (!plik.p)
        throw std::runtime_error("cannot create " + strSciezka);
    CGenerator gen(plik.p, opcje.nZiarno);
    gen.Naglowek();
    gen.SekcjeSPiST();
    gen.PoczatekSO();
    // At least one group; stop when the next one would overshoot by more than it undershoots.
    std::uint64_t g = 0;
    std::uint64_t nGrupa = 0;
    do {
        std::uint64_t nPrzed = gen.Rozmiar();
        gen.Grupa(g++);
        nGrupa = gen.Rozmiar() - nPrzed;
    } while (gen.Rozmiar() + nGrupa / 2 < opcje.nRozmiar);
    gen.Koniec(opcje.nZiarno % 2 == 0);
    std::FILE* p = plik.p;
    plik.p = nullptr;
    if (std::fclose(p) != 0)
        throw std::runtime_error("cannot close " + strSciezka);
    return gen.m_nRekordy;
}
