// Synthetic SWDE file generator. A county of six communes with eight precincts each; the object
// section is a run of parcel groups, each in one precinct: the boundary points (shared with the
// previous parcel), the parcel with one to three geometry blocks of "P,P" point references,
// its land-use contours, its register unit with the owners and their shares, buildings with
// their outline points and sometimes a register unit of their own, premises in some buildings
// (each with its unit, owner, share, address and related right), and now and then a document,
// a change record, a lease, a historical parcel, a land-use or classification contour and a
// stray address nobody names. Every relation names an object of the same file, so removing
// premises and buildings sets off the whole chain of dependent removals, and the orphan pass
// has real work. Polish letters are ISO-8859-2 bytes; lines end with CR LF.
#include "generator.h"
#include "losowanie.h"

#include <array>
#include <charconv>
#include <cstdio>
#include <stdexcept>
#include <string_view>
#include <vector>

namespace {

using std::string_view;
using Id = std::uint64_t;

// ISO-8859-2 texts ("\xA3" is Ł, "\xA6" Ś, "\xB6" ś, "\xEA" ę, "\xF3" ó, "\xB1" ą, "\xBF" ż,
// "\xBC" ź, "\xE6" ć, "\xB3" ł, "\xF1" ń, "\xD3" Ó, "\xAF" Ż, "\xD1" Ń, "\xA1" Ą).
constexpr std::array<string_view, 8> NAZWISKA = {
    "KOWALSKI", "NOWAK", "W\xD3JCIK", "WI\xA6NIEWSKI", "KAMI\xD1SKA", "LEWANDOWSKI",
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
constexpr std::array<string_view, 6> GMINY = {"Wierzbica", "Jastrz\xEB"
                                                           "bia",
                                              "Iwaniska", "Zielona G\xF3ra", "\xA3\xF3"
                                                                             "d\xBC",
                                              "Krak\xF3w"};
constexpr std::array<string_view, 5> UZYTKI = {"R", "Ps", "\xA3", "B", "Lzr"};
constexpr std::array<string_view, 5> KLASY = {"IIIa", "IIIb", "IV", "V", "VI"};
constexpr std::array<string_view, 25> TYPY = {
    "G5JEW", "G5OBR", "G5RST", "G5OSF", "G5INS", "G5MLZ", "G5OSZ", "G5JDR", "G5UDZ",
    "G5UDW", "G5JRZ", "G5DZE", "G5KLU", "G5BUD", "G5LKL", "G5UZG", "G5KKL", "G5ZMN",
    "G5DOK", "G5ADR", "G5PZG", "G5GRN", "G5DZW", "G5UDD", "G5PDZ"};

constexpr string_view RWLS = "G5RW\xA3S";
constexpr string_view RWLD = "G5RW\xA3"
                             "D";
constexpr std::size_t LICZBA_GMIN = 6, OBREBOW_W_GMINIE = 8;
constexpr std::uint64_t GRUP_W_OBREBIE = 96;
constexpr std::size_t ROZMIAR_BUFORA = 1 << 20;

// A subject a share names: its type and identifier.
struct CPodmiot {
    string_view strTyp;
    Id nId;
};

using Punkty = std::vector<Id>;

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

    Id NoweId() { return ++m_nId; }
    // The header "<kind>,,<type>,<id>,3_<letter>_<id>,<status>;".
    Id Rekord(string_view strRodzaj, string_view strTyp, char cLitera, string_view strStatus = "11");
    void KoniecRekordu();
    void Atrybut(string_view strSymbol, string_view strWartosc) {
        W("D,", strSymbol, ",D,", strWartosc);
    }
    void AtrybutN(string_view strSymbol, std::uint64_t n) { W("D,", strSymbol, ",D,", n); }
    void WG(string_view strRelacja, string_view strTyp, Id nId) {
        W("WG,", strRelacja, ",", strTyp, ",", nId, ";");
    }
    void WG(string_view strRelacja, const CPodmiot& podmiot) {
        WG(strRelacja, podmiot.strTyp, podmiot.nId);
    }
    void WL(string_view strRelacja, char cLitera, Id nId) {
        W("WL,", strRelacja, ",3_", string_view(&cLitera, 1), "_", nId, ";");
    }
    void Data(string_view strSymbol);
    template <std::size_t N> string_view Z(const std::array<string_view, N>& tab) {
        return tab[m_los.Do(N)];
    }

    Id Punkt(Id nObreb);
    Punkty NowePunkty(Id nObreb, std::uint64_t n);
    // A closed outline: "GL;", the points (the first again at the end), "GX;".
    void Blok(const Punkty& punkty, bool bPoLokalnym = false);
    Id Adres();
    Id Dokument();
    Id Osoba(Id nAdres);
    Id Instytucja(Id nAdres);
    Id Malzenstwo(Id nOn, Id nOna);
    Id PodmiotGrupowy(Id nA, Id nB, Id nAdres);
    CPodmiot NowyWlasciciel(Id nAdres);
    Id Jednostka(Id nObreb, int nTyp);
    void Udzial(string_view strTyp, string_view strRelacja, Id nJednostka, const CPodmiot& podmiot);
    // A register unit with one to three owners and their shares.
    Id JednostkaZUdzialami(Id nObreb, int nTyp, Id nAdres);
    Id Dzialka(Id nObreb, const std::vector<Punkty>& bloki, Id nJednostka, Id nAdres,
               string_view strStatus);
    void Kontur(Id nDzialka, const Punkty& punkty);
    Id Budynek(Id nObreb, Id nDzialka, Id nJednostka, Id nAdres);
    void Lokale(Id nObreb, Id nBudynek, Id nJdrGrunt, Id nDokument);
    void Dzierzawa(Id nBudynek, Id nDokument, const CPodmiot& podmiot);
    void Zmiana(Id nDzialka, Id nDokument, Id nPodmiot, string_view strStatus);
    void KonturObrebu(string_view strRodzaj, string_view strTyp, char cLitera,
                      string_view strAtrybut, string_view strWartosc, Id nObreb,
                      const Punkty& punkty);
    void KonturyObrebu(Id nObreb, const Punkty& punkty);

    std::FILE* m_pPlik;
    CLosowanie m_los;
    std::string m_strBufor;
    Id m_nId = 100;
    std::vector<Id> m_anObreby;
    Punkty m_wspolne; // the last boundary points of the previous parcel of the precinct
    Id m_nObrebWspolnych = 0;
    Id m_nJdrGrunt = 0, m_nDokument = 0;
    CPodmiot m_ostatniWlasciciel{};
};

void CGenerator::Oproznij() {
    if (!m_strBufor.empty() &&
        std::fwrite(m_strBufor.data(), 1, m_strBufor.size(), m_pPlik) != m_strBufor.size())
        throw std::runtime_error("write failed");
    m_nZapisane += m_strBufor.size();
    m_strBufor.clear();
}

Id CGenerator::Rekord(string_view strRodzaj, string_view strTyp, char cLitera,
                      string_view strStatus) {
    const Id nId = NoweId();
    W(strRodzaj, ",,", strTyp, ",", nId, ",3_", string_view(&cLitera, 1), "_", nId, ",", strStatus,
      ";");
    return nId;
}

void CGenerator::KoniecRekordu() {
    // Verification and creation times close every object; now and then the creation time
    // carries trailing blanks, as some exports leave them.
    W("D,G5DTW,D,", 1990 + m_los.Do(30), "-0", 1 + m_los.Do(9), "-1", m_los.Do(10), "T1",
      m_los.Do(10), ":", 10 + m_los.Do(50), ":", 10 + m_los.Do(50));
    W("D,G5DTU,D,", 1990 + m_los.Do(30), "-0", 1 + m_los.Do(9), "-1", m_los.Do(10), "T0",
      m_los.Do(10), ":", 10 + m_los.Do(50), ":", 10 + m_los.Do(50), m_los.Raz(400) ? "  " : "");
    ++m_nRekordy;
    // Now and then a record end line with a record checksum.
    if (m_los.Raz(97))
        W("XC,", m_los.Do(4000000000u), ";");
    else
        W("X;");
}

void CGenerator::Data(string_view strSymbol) {
    W("D,", strSymbol, ",D,", 1990 + m_los.Do(30), "-0", 1 + m_los.Do(9), "-1", m_los.Do(10));
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
    W("NS,ZD,Powiat wierzbicki, 6 gmin, 48 obr\xEA"
      "b\xF3w, stan na 2024-03-15");
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
    int n = 1;
    for (string_view strTyp : TYPY) {
        W("RT,", n, ",", strTyp, ",", n, ",", n, ",11;");
        W("D,G5OPIS,D,Typ obiektu ", strTyp, ", wersja 2;");
        W("D,G5ATR,D,G5DTW,G5DTU");
        W("X;");
        ++n;
    }
    W("SX;");
}

void CGenerator::PoczatekSO() {
    W("SO;");
    for (std::size_t j = 0; j < LICZBA_GMIN; ++j) {
        const Id nJew = Rekord("RO", "G5JEW", 'j');
        W("D,G5IDJ,D,1465", j + 1, "_", 1 + j % 3);
        Atrybut("G5NAZ", GMINY[j]);
        KoniecRekordu();
        for (std::size_t o = 0; o < OBREBOW_W_GMINIE; ++o) {
            const Id nObreb = Rekord("RO", "G5OBR", 'o');
            AtrybutN("G5NRO", o + 1);
            W("D,G5NAZ,D,Obr\xEA"
              "b ",
              o + 1);
            WG("G5RJEW", "G5JEW", nJew);
            KoniecRekordu();
            m_anObreby.push_back(nObreb);
        }
    }
}

Id CGenerator::Punkt(Id nObreb) {
    const Id nId = Rekord("RP", "G5PZG", 'p');
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

Punkty CGenerator::NowePunkty(Id nObreb, std::uint64_t n) {
    Punkty punkty;
    for (std::uint64_t i = 0; i < n; ++i)
        punkty.push_back(Punkt(nObreb));
    return punkty;
}

void CGenerator::Blok(const Punkty& punkty, bool bPoLokalnym) {
    W("GL;");
    for (const Id nPunkt : punkty) {
        if (bPoLokalnym)
            W("P,K,3_p_", nPunkt, ";");
        else
            W("P,P,G5PZG,", nPunkt, ";");
    }
    W("P,P,G5PZG,", punkty.front(), ";");
    W("K,+;");
    W("GX;");
}

Id CGenerator::Adres() {
    const Id nId = Rekord("RO", "G5ADR", 'a');
    Atrybut("G5TAR", "1");
    Atrybut("G5KRJ", "Polska");
    Atrybut("G5WOJ", "mazowieckie");
    Atrybut("G5PWT", "wierzbicki");
    Atrybut("G5GMN", Z(GMINY));
    Atrybut("G5MSC", Z(GMINY));
    Atrybut("G5ULC", Z(ULICE));
    AtrybutN("G5NRA", 1 + m_los.Do(120));
    if (m_los.Raz(3))
        AtrybutN("G5NRL", 1 + m_los.Do(40));
    W("D,G5KOD,D,26-", 600 + m_los.Do(99));
    Atrybut("G5PCZ", "Wierzbica");
    KoniecRekordu();
    return nId;
}

Id CGenerator::Dokument() {
    const Id nId = Rekord("RO", "G5DOK", 'k');
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

Id CGenerator::Osoba(Id nAdres) {
    const Id nId = Rekord("RO", "G5OSF", 'f');
    char sz[11];
    for (char& c : sz)
        c = static_cast<char>('0' + m_los.Do(10));
    W("D,G5PSL,D,", string_view(sz, sizeof sz));
    Atrybut("G5NPR", Z(NAZWISKA));
    Atrybut("G5PIM", Z(IMIONA));
    if (m_los.Raz(2))
        Atrybut("G5DIM", Z(IMIONA));
    Atrybut("G5OIM", Z(IMIONA));
    Atrybut("G5MIM", Z(IMIONA));
    AtrybutN("G5PLC", 1 + m_los.Do(2));
    Atrybut("G5STI", "1");
    WG("G5RADR", "G5ADR", nAdres);
    KoniecRekordu();
    return nId;
}

Id CGenerator::Instytucja(Id nAdres) {
    const Id nId = Rekord("RO", "G5INS", 'i');
    W("D,G5NPE,D,Sp\xF3\xB3"
      "dzielnia Mieszkaniowa \"",
      Z(ULICE), "\" w ", Z(GMINY));
    W("D,G5NSK,D,SM ", Z(ULICE));
    W("D,G5RGN,D,", 100000000 + m_los.Do(899999999));
    W("D,G5NIP,D,", 1000000000 + m_los.Do(8999999999ull));
    AtrybutN("G5STI", 1 + m_los.Do(3));
    WG("G5RADR", "G5ADR", nAdres);
    KoniecRekordu();
    return nId;
}

Id CGenerator::Malzenstwo(Id nOn, Id nOna) {
    const Id nId = Rekord("RO", "G5MLZ", 'm');
    WG("G5RM\xA1\xAF", "G5OSF", nOn);
    WG("G5R\xAF"
       "ONA",
       "G5OSF", nOna);
    KoniecRekordu();
    return nId;
}

Id CGenerator::PodmiotGrupowy(Id nA, Id nB, Id nAdres) {
    const Id nId = Rekord("RO", "G5OSZ", 'g');
    W("D,G5NPE,D,Wsp\xF3lnota gruntowa wsi ", Z(GMINY));
    AtrybutN("G5STI", 4);
    WG("G5RSKD", "G5OSF", nA);
    WG("G5RSKD", "G5OSF", nB);
    WG("G5RADR", "G5ADR", nAdres);
    KoniecRekordu();
    return nId;
}

// Mostly a person; sometimes a married couple, an institution or a group.
CPodmiot CGenerator::NowyWlasciciel(Id nAdres) {
    const std::uint64_t n = m_los.Do(20);
    if (n < 13)
        return {"G5OSF", Osoba(nAdres)};
    if (n < 17)
        return {"G5MLZ", Malzenstwo(Osoba(nAdres), Osoba(nAdres))};
    if (n < 19)
        return {"G5INS", Instytucja(nAdres)};
    return {"G5OSZ", PodmiotGrupowy(Osoba(nAdres), Osoba(nAdres), nAdres)};
}

Id CGenerator::Jednostka(Id nObreb, int nTyp) {
    const Id nId = Rekord("RO", "G5JDR", 'r');
    W("D,G5IJR,D,G.", nId);
    // Some register units carry a stray ";" after the type, as in real files.
    if (m_los.Raz(10))
        W("D,G5TJR,D,", nTyp, ";");
    else
        W("D,G5TJR,D,", nTyp);
    W("D,G5KWJ,D,RA1R/000", 10000 + m_los.Do(90000), "/", m_los.Do(10));
    Data("G5DWR");
    WG("G5ROBR", "G5OBR", nObreb);
    KoniecRekordu();
    return nId;
}

void CGenerator::Udzial(string_view strTyp, string_view strRelacja, Id nJednostka,
                        const CPodmiot& podmiot) {
    Rekord("RO", strTyp, 's');
    AtrybutN("G5RPW", 1 + m_los.Do(3));
    W("D,G5WUD,D,", 1 + m_los.Do(3), "/", 4 + m_los.Do(5));
    WG(strRelacja, "G5JDR", nJednostka);
    WG("G5RPOD", podmiot);
    KoniecRekordu();
}

Id CGenerator::JednostkaZUdzialami(Id nObreb, int nTyp, Id nAdres) {
    const Id nJdr = Jednostka(nObreb, nTyp);
    const std::uint64_t nWlascicieli = 1 + m_los.Do(2) + (m_los.Raz(5) ? 1 : 0);
    for (std::uint64_t i = 0; i < nWlascicieli; ++i) {
        // Neighbours often share an owner.
        const CPodmiot podmiot = i == 0 && m_ostatniWlasciciel.nId != 0 && m_los.Raz(4)
                                     ? m_ostatniWlasciciel
                                     : NowyWlasciciel(nAdres);
        Udzial("G5UDZ", RWLS, nJdr, podmiot);
        m_ostatniWlasciciel = podmiot;
    }
    return nJdr;
}

Id CGenerator::Dzialka(Id nObreb, const std::vector<Punkty>& bloki, Id nJednostka, Id nAdres,
                       string_view strStatus) {
    const Id nId = Rekord("RO", "G5DZE", 'd', strStatus);
    for (const Punkty& punkty : bloki)
        Blok(punkty);
    W("D,G5IDD,D,1465", 1 + nObreb % LICZBA_GMIN, "_2.", nObreb % 100, ".", nId % 1000, "/",
      1 + m_los.Do(20));
    AtrybutN("G5NOS", 1000 + m_los.Do(9000));
    W("D,G5PEW,D,", m_los.Do(30000), ".", m_los.Do(10));
    AtrybutN("G5NKR", 10 + m_los.Do(90));
    W("D,G5RZN,D,Rezerwa, ", Z(UZYTKI));
    Data("G5DWR");
    WG("G5RJDR", "G5JDR", nJednostka);
    if (m_los.Raz(3))
        WL("G5RADR", 'a', nAdres);
    else
        WG("G5RADR", "G5ADR", nAdres);
    WG("G5RKRG", "G5OBR", nObreb);
    KoniecRekordu();
    return nId;
}

void CGenerator::Kontur(Id nDzialka, const Punkty& punkty) {
    Rekord("RO", "G5KLU", 'u');
    if (m_los.Raz(2))
        Blok(punkty);
    Atrybut("G5OFU", Z(UZYTKI));
    Atrybut("G5OZU", Z(UZYTKI));
    Atrybut("G5OZK", Z(KLASY));
    W("D,G5PEW,D,", m_los.Do(20000), ".", m_los.Do(10));
    WG("G5RDZE", "G5DZE", nDzialka);
    KoniecRekordu();
}

Id CGenerator::Budynek(Id nObreb, Id nDzialka, Id nJednostka, Id nAdres) {
    const Punkty punkty = NowePunkty(nObreb, 4 + m_los.Do(3));
    const Id nId = Rekord("RO", "G5BUD", 'b');
    Blok(punkty, m_los.Raz(5));
    W("D,G5IDB,D,1465", 1 + nObreb % LICZBA_GMIN, "_2.", nObreb % 100, ".", nDzialka % 1000,
      "_BUD.", nId % 10);
    AtrybutN("G5FUZ", 1 + m_los.Do(8));
    AtrybutN("G5RBB", 101 + m_los.Do(8));
    AtrybutN("G5LKN", 1 + m_los.Do(5));
    AtrybutN("G5LKP", m_los.Do(2));
    W("D,G5PEW,D,", 40 + m_los.Do(400), ".", m_los.Do(10));
    AtrybutN("G5SCN", 1 + m_los.Do(3));
    Data("G5DWR");
    WG("G5RDZE", "G5DZE", nDzialka);
    if (nJednostka != 0)
        WG("G5RJDR", "G5JDR", nJednostka);
    WG("G5RADR", "G5ADR", nAdres);
    WG("G5RKRG", "G5OBR", nObreb);
    KoniecRekordu();
    return nId;
}

// Premises of a block of flats: each with its register unit, owner, share, address and the
// right that ties the unit to the land.
void CGenerator::Lokale(Id nObreb, Id nBudynek, Id nJdrGrunt, Id nDokument) {
    const std::uint64_t nLokali = 2 + m_los.Do(11);
    for (std::uint64_t i = 0; i < nLokali; ++i) {
        const Id nAdres = Adres();
        const Id nJdr = Jednostka(nObreb, 3);
        Udzial("G5UDZ", RWLS, nJdr, NowyWlasciciel(nAdres));
        const Id nLokal = Rekord("RO", "G5LKL", 'l');
        W("D,G5IDL,D,1465_2.", nBudynek % 1000, "_BUD.1_LOK.", i + 1);
        AtrybutN("G5TLOK", 1 + m_los.Do(3));
        W("D,G5PPP,D,", 20 + m_los.Do(150), ".", m_los.Do(100));
        AtrybutN("G5LPP", 1 + m_los.Do(6));
        AtrybutN("G5NRK", m_los.Do(12));
        Data("G5DWR");
        WG("G5RBUD", "G5BUD", nBudynek);
        WG("G5RJDR", "G5JDR", nJdr);
        WL("G5RADR", 'a', nAdres);
        KoniecRekordu();
        Rekord("RO", "G5JRZ", 'z');
        W("D,G5OPIS,D,Prawo zwi\xB1zane z lokalem nr ", nLokal % 100, ", udzia\xB3 1/",
          2 + m_los.Do(7));
        WG("G5RJRW", "G5JDR", nJdr);
        WG("G5RJRO", "G5JDR", nJdrGrunt);
        WG("G5RDOK", "G5DOK", nDokument);
        KoniecRekordu();
    }
}

void CGenerator::Dzierzawa(Id nBudynek, Id nDokument, const CPodmiot& podmiot) {
    const Id nDzierzawa = Rekord("RO", "G5DZW", 'w');
    AtrybutN("G5RDZW", 1 + m_los.Do(4));
    Data("G5DTP");
    WG("G5RDOK", "G5DOK", nDokument);
    KoniecRekordu();
    Rekord("RO", "G5PDZ", 'y');
    WG("G5RPRZ", "G5DZW", nDzierzawa);
    WG("G5REPZ", "G5BUD", nBudynek);
    KoniecRekordu();
    Rekord("RO", "G5UDD", 'x');
    W("D,G5WUD,D,1/", 1 + m_los.Do(4));
    WG("G5RWPZ", "G5DZW", nDzierzawa);
    WG("G5RPOD", podmiot);
    KoniecRekordu();
}

void CGenerator::Zmiana(Id nDzialka, Id nDokument, Id nPodmiot, string_view strStatus) {
    Rekord("RO", "G5ZMN", 'n', strStatus);
    W("D,G5NRZ,D,", 1990 + m_los.Do(30), "/", 1 + m_los.Do(900));
    Data("G5DZZ");
    W("D,G5OPZ,D,Podzia\xB3 dzia\xB3ki, aktualizacja operatu; zmiana nr ", m_los.Do(5000));
    WG("G5ROBJ", "G5DZE", nDzialka);
    WG("G5RDOK", "G5DOK", nDokument);
    if (nPodmiot != 0)
        WG("G5RPOD", "G5OSF", nPodmiot);
    KoniecRekordu();
}

// A contour over part of the parcel's outline, in its precinct.
void CGenerator::KonturObrebu(string_view strRodzaj, string_view strTyp, char cLitera,
                              string_view strAtrybut, string_view strWartosc, Id nObreb,
                              const Punkty& punkty) {
    Rekord(strRodzaj, strTyp, cLitera);
    Blok(punkty);
    Atrybut(strAtrybut, strWartosc);
    WG("G5RKRG", "G5OBR", nObreb);
    WG("G5ROBR", "G5OBR", nObreb);
    KoniecRekordu();
}

// Land-use and classification contours now and then; the latter as "RC" records.
void CGenerator::KonturyObrebu(Id nObreb, const Punkty& punkty) {
    if (m_los.Raz(6))
        KonturObrebu("RO", "G5UZG", 'g', "G5OFU", Z(UZYTKI), nObreb, punkty);
    if (m_los.Raz(8))
        KonturObrebu("RC", "G5KKL", 'c', "G5OZK", Z(KLASY), nObreb, punkty);
}

void CGenerator::Grupa(std::uint64_t g) {
    const Id nObreb = m_anObreby[(g / GRUP_W_OBREBIE) % m_anObreby.size()];
    if (g % 50 == 3) {
        W("");
        W("C; grupa dzia\xB3"
          "ek ",
          g);
    }
    // The outline: two points shared with the previous parcel of the precinct and new ones.
    Punkty obrys = NowePunkty(nObreb, 3 + m_los.Do(8));
    if (m_nObrebWspolnych == nObreb)
        obrys.insert(obrys.begin(), m_wspolne.begin(), m_wspolne.end());
    m_wspolne.assign(obrys.end() - 2, obrys.end());
    m_nObrebWspolnych = nObreb;
    std::vector<Punkty> bloki = {obrys};
    if (m_los.Raz(4)) // an enclave
        bloki.push_back(NowePunkty(nObreb, 3 + m_los.Do(3)));
    if (m_los.Raz(10)) // a second part across a road
        bloki.push_back(NowePunkty(nObreb, 4 + m_los.Do(4)));

    const Id nAdres = Adres();
    if (m_nDokument == 0 || m_los.Raz(2))
        m_nDokument = Dokument();
    // A register unit often holds several parcels.
    if (m_nJdrGrunt == 0 || m_los.Do(10) < 6)
        m_nJdrGrunt = JednostkaZUdzialami(nObreb, 1, nAdres);
    const Id nDzialka = Dzialka(nObreb, bloki, m_nJdrGrunt, nAdres, "11");
    for (std::uint64_t i = 1 + m_los.Do(3); i > 0; --i)
        Kontur(nDzialka, Punkty(obrys.begin(), obrys.begin() + 3));

    const std::uint64_t nLos = m_los.Do(20);
    const int nBudynkow = nLos < 9 ? 0 : nLos < 18 ? 1 : 2;
    for (int b = 0; b < nBudynkow; ++b) {
        const Id nAdresBudynku = m_los.Raz(2) ? Adres() : nAdres;
        const Id nJdrBud = m_los.Raz(4) ? JednostkaZUdzialami(nObreb, 2, nAdresBudynku) : 0;
        const Id nBudynek = Budynek(nObreb, nDzialka, nJdrBud, nAdresBudynku);
        if (m_los.Raz(6))
            Lokale(nObreb, nBudynek, m_nJdrGrunt, m_nDokument);
        if (nJdrBud != 0 && m_los.Raz(3))
            Udzial("G5UDW", RWLD, nJdrBud, {"G5INS", Instytucja(nAdresBudynku)});
        if (m_los.Raz(12))
            Dzierzawa(nBudynek, m_nDokument, m_ostatniWlasciciel);
    }
    if (m_los.Raz(3))
        Zmiana(nDzialka, m_nDokument,
               m_ostatniWlasciciel.strTyp == "G5OSF" ? m_ostatniWlasciciel.nId : 0, "11");
    // Now and then the parcel's historical version with the change that ended it.
    if (m_los.Raz(10))
        Zmiana(Dzialka(nObreb, {}, m_nJdrGrunt, nAdres, "12"), m_nDokument, 0, "12");
    KonturyObrebu(nObreb, obrys);
    // An address nobody names any more: the orphan pass removes it.
    if (m_los.Raz(15))
        Adres();
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
        const std::uint64_t nPrzed = gen.Rozmiar();
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
