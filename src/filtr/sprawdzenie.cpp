// The check of an SWDE file: one streaming read of every significant line (and every comment
// line) with the reader a run uses, the checksums recomputed on the way, the object keys kept
// as 64-bit hashes, and the references that could not be resolved at once kept until the end.
// The checksums are those of the program that made the file: every line up to the file end
// line, as it stands, comment and blank lines included. A target a run made has none of
// those, so for it they are also the checksums the run wrote.
#include "filtr/sprawdzenie.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <map>
#include <string_view>
#include <unordered_map>
#include <utility>

#include "swde/bledy.h"
#include "swde/crc.h"
#include "swde/czytnik.h"
#include "swde/format.h"
#include "swde/kodowanie.h"
#include "swde/naglowek.h"
#include "swde/platforma.h"
#include "swde/rekord.h"

namespace {

using format::ESekcja;

constexpr std::array<ESekcja, 4> SEKCJE = {ESekcja::SN, ESekcja::SP, ESekcja::ST, ESekcja::SO};

// A key of an object, 64 bits: 'G' with the type and identifier (fields 2 and 3 of its header,
// named by "WG" and "P,P"), or 'L' with its second identifier (field 4, named by "WL" and
// "P,K"). FNV-1a.
std::uint64_t Skrot(char cRodzaj, std::string_view strA, std::string_view strB = {}) {
    std::uint64_t n = 14695981039346656037ull;
    auto dopisz = [&](char c) { n = (n ^ static_cast<unsigned char>(c)) * 1099511628211ull; };
    dopisz(cRodzaj);
    for (const char c : strA)
        dopisz(c);
    dopisz(',');
    for (const char c : strB)
        dopisz(c);
    return n;
}

// A set of 64-bit keys in one open-addressing table, at most half full: 16 to 32 bytes a key.
class CZbiorSkrotow {
public:
    void Dodaj(std::uint64_t nSkrot) {
        if ((m_nLiczba + 1) * 2 > m_an.size())
            Powieksz();
        if (Wstaw(m_an, Niezerowy(nSkrot)))
            ++m_nLiczba;
    }
    bool Zawiera(std::uint64_t nSkrot) const {
        if (m_an.empty())
            return false;
        nSkrot = Niezerowy(nSkrot);
        const std::size_t nMaska = m_an.size() - 1;
        for (std::size_t i = Miejsce(nSkrot) & nMaska;; i = (i + 1) & nMaska) {
            if (m_an[i] == nSkrot)
                return true;
            if (m_an[i] == 0)
                return false;
        }
    }

private:
    // 0 marks an empty slot.
    static std::uint64_t Niezerowy(std::uint64_t n) { return n == 0 ? 1 : n; }
    // The hash's bits mixed so that the low ones pick the slot.
    static std::size_t Miejsce(std::uint64_t n) {
        n ^= n >> 33;
        n *= 0xFF51AFD7ED558CCDull;
        n ^= n >> 33;
        return static_cast<std::size_t>(n);
    }
    static bool Wstaw(std::vector<std::uint64_t>& an, std::uint64_t n) {
        const std::size_t nMaska = an.size() - 1;
        for (std::size_t i = Miejsce(n) & nMaska;; i = (i + 1) & nMaska) {
            if (an[i] == n)
                return false;
            if (an[i] == 0) {
                an[i] = n;
                return true;
            }
        }
    }
    void Powieksz() {
        std::vector<std::uint64_t> an(std::max<std::size_t>(1024, m_an.size() * 2), 0);
        for (const std::uint64_t n : m_an)
            if (n != 0)
                Wstaw(an, n);
        m_an.swap(an);
    }

    std::vector<std::uint64_t> m_an;
    std::size_t m_nLiczba = 0;
};

// A reference whose target had not been read yet when it was met.
struct COczekujace {
    std::uint64_t nSkrot;
    std::uint64_t nLinia;
    std::size_t nGrupa;
};

// Whether the text is long enough for the shortest identifier, a document number of nine
// characters.
bool MozeBycIdentyfikatorem(std::string_view strTekst) {
    return strTekst.size() >= 9;
}

// The number an end line carries after its prefix, up to ";".
std::string ZapisanaSuma(std::string_view strWiersz, std::string_view strPrefiks) {
    std::string_view str = strWiersz.substr(strPrefiks.size());
    return std::string(str.substr(0, str.find(';')));
}

void DodajWystapienie(std::vector<std::uint64_t>& anLinie, std::uint64_t nLinia) {
    if (anLinie.size() < PIERWSZE_WYSTAPIENIA)
        anLinie.push_back(nLinia);
}

class CSprawdzanie {
public:
    CSprawdzanie(CWynikSprawdzenia& wynik, CObserwatorRunu& obserwator)
        : m_wynik(wynik), m_obserwator(obserwator) {}

    bool Otworz() { return m_czytnik.Otworz(m_wynik.m_strPlik); }
    // Reads the file to its end line, or until the user stops it. Reader errors propagate.
    void Czytaj();
    // Whatever the reading reached: the counts, and the references when the file was whole.
    void Zakoncz();
    std::uint64_t Linia() const { return m_czytnik.Linia(); }

private:
    enum class EMiejsce { PozaSekcja, SekcjaWierszy, SekcjaRekordow };

    std::string_view NastepnyWiersz();
    // One significant line; false at the file end line.
    bool Wiersz(std::string_view str);
    // A line the reader skips (blank or comment), as it stands.
    void Pominiety(std::string_view strJakStoi);
    // A significant line after the file end line, which a run would refuse.
    void PoKoncuPliku(std::string_view str);
    void PoczatekSekcji(std::string_view str);
    void KoniecSekcji(std::string_view str);
    void KoniecPliku(std::string_view str);
    void WierszNaglowka(std::string_view str);
    void NaglowekRekordu(std::string_view str);
    void ElementRekordu(std::string_view str);
    void Odwolanie(std::string_view str);
    void Odwolanie(std::uint64_t nSkrot, std::string_view strKod, std::string_view strWiazanie,
                   std::string_view strTypCelu);
    // The personal identifiers in the text, counted under the symbol strA, or strA + "," + strB.
    void Identyfikatory(std::string_view strTekst, std::string_view strA,
                        std::string_view strB = {});
    void Postep();

    CWynikSprawdzenia& m_wynik;
    CObserwatorRunu& m_obserwator;
    CCzytnikSWDE m_czytnik;
    CSumyCRC m_sumy;
    std::string m_strSekcjaSumy; // start line of the section the checksum register covers

    EMiejsce m_eMiejsce = EMiejsce::PozaSekcja;
    ESekcja m_eSekcja = ESekcja::SN;
    int m_nOstatniaSekcja = -1;
    std::array<bool, SEKCJE.size()> m_abSekcje{};
    bool m_bWRekordzie = false;
    bool m_bZlyNaglowek = false; // the header of the record being read has not six fields
    std::string m_strTypRekordu; // field 2 of the record being read

    std::map<std::string, CLiczbaObiektow> m_obiekty;
    CZbiorSkrotow m_rekordy;
    std::vector<COczekujace> m_oczekujace;
    std::unordered_map<std::string, std::size_t> m_grupyOdwolan;
    std::string m_strKlucz;
    std::map<std::pair<ERodzajIdentyfikatora, std::string>, std::size_t> m_grupyIdentyfikatorow;
    std::vector<CIdentyfikator> m_znalezione;
    int m_nPostep = -1;
};

std::string_view CSprawdzanie::NastepnyWiersz() {
    try {
        return m_czytnik.CzytajWiersz();
    } catch (const CSWDEException& blad) {
        // A run reads the line sections line by line and reports their unexpected end so.
        if (blad.m_eBlad == EBlad::KoniecDanych && m_eMiejsce == EMiejsce::SekcjaWierszy)
            throw CSWDEException(EBlad::FormatPliku, {}, m_czytnik.Linia(), m_czytnik.Pozycja());
        throw;
    }
}

void CSprawdzanie::Czytaj() {
    m_wynik.m_nBajty = m_czytnik.Dlugosc();
    m_czytnik.UstawPominiete([this](std::string_view str) { Pominiety(str); });
    // The first significant line must be the SWDE header line, as for the header section of a
    // run; a file without any significant line is no SWDE file either.
    std::string_view str;
    try {
        str = m_czytnik.CzytajWiersz();
    } catch (const CSWDEException& blad) {
        if (blad.m_eBlad != EBlad::KoniecDanych)
            throw;
    }
    if (str != format::NAGLOWEK_PLIKU)
        throw CSWDEException(BladNaglowkaPliku(str));
    m_sumy.Wiersz(m_czytnik.JakStoi());
    // Up to the file end line, then on to the end of the file: whatever stands after it.
    for (std::uint64_t n = 0;; ++n) {
        if (n % 1024 == 0) {
            if (m_obserwator.CzyPrzerwac()) {
                m_wynik.m_bPrzerwany = true;
                return;
            }
            Postep();
        }
        if (!m_wynik.m_bKoniecPliku) {
            if (!Wiersz(NastepnyWiersz()))
                m_wynik.m_nLinie = m_czytnik.Linia();
            continue;
        }
        const std::string_view strPo = m_czytnik.NastepnyWiersz();
        if (strPo.empty())
            break;
        PoKoncuPliku(strPo);
    }
    m_obserwator.Postep(1000);
}

void CSprawdzanie::Pominiety(std::string_view strJakStoi) {
    const std::string_view str = Przytnij(strJakStoi);
    if (str.starts_with("C;"))
        Identyfikatory(str.substr(2), str.substr(0, 2));
    if (!m_wynik.m_bKoniecPliku)
        m_sumy.Wiersz(strJakStoi);
}

void CSprawdzanie::PoKoncuPliku(std::string_view str) {
    if (str == format::ZNAK_KONCA_DOS)
        return;
    if (m_wynik.m_uwagi.empty() ||
        m_wynik.m_uwagi.back().m_eUwaga != EUwagaStruktury::DaneZaKoncemPliku)
        m_wynik.m_uwagi.push_back({EUwagaStruktury::DaneZaKoncemPliku, {}, m_czytnik.Linia()});
    Identyfikatory(str, {});
}

bool CSprawdzanie::Wiersz(std::string_view str) {
    const int nSekcja = format::SekcjaPoczatku(str);
    if (m_eMiejsce != EMiejsce::PozaSekcja && nSekcja >= 0) {
        // As in a run: a header section without its end line ends where "SP;" starts; any
        // other section start inside a section tells that the section's end line is missing.
        if (m_bWRekordzie || m_eSekcja != ESekcja::SN || nSekcja != static_cast<int>(ESekcja::SP))
            throw CSWDEException(EBlad::FormatPliku, {}, m_czytnik.Linia(), m_czytnik.Pozycja());
        m_eMiejsce = EMiejsce::PozaSekcja;
        m_sumy.ZamknijSekcje({});
    }
    if (m_bWRekordzie) {
        // Error 4 for anything that is no element line, a section end included.
        const bool bKoniec = CCzytnikSWDE::JestKoncemRekordu(str);
        m_sumy.Wiersz(m_czytnik.JakStoi());
        if (!bKoniec) {
            ElementRekordu(str);
            return true;
        }
        m_bWRekordzie = false;
        // As in a run, a header is judged once its record has been read whole.
        if (m_bZlyNaglowek)
            throw CSWDEException(EBlad::NaglowekRekordu, {}, m_czytnik.Linia(),
                                 m_czytnik.Pozycja());
        return true;
    }
    if (m_eMiejsce != EMiejsce::PozaSekcja && CCzytnikSWDE::JestKoncemSekcji(str)) {
        KoniecSekcji(str);
        return true;
    }
    if (m_eMiejsce == EMiejsce::PozaSekcja && str.starts_with(format::POCZATEK_KONCA_PLIKU)) {
        KoniecPliku(str);
        return false;
    }
    if (!m_sumy.WSekcji() && ZaczynaSekcje(str))
        m_strSekcjaSumy = str.substr(0, 3);
    m_sumy.Wiersz(m_czytnik.JakStoi());
    switch (m_eMiejsce) {
    case EMiejsce::PozaSekcja:
        PoczatekSekcji(str);
        break;
    case EMiejsce::SekcjaWierszy:
        if (m_eSekcja == ESekcja::SN)
            WierszNaglowka(str);
        else
            Identyfikatory(str, str.substr(0, std::min(str.find(','), str.find(';'))));
        break;
    case EMiejsce::SekcjaRekordow:
        NaglowekRekordu(str);
        m_bWRekordzie = true;
        break;
    }
    return true;
}

void CSprawdzanie::PoczatekSekcji(std::string_view str) {
    for (std::size_t i = 0; i < SEKCJE.size(); ++i) {
        const std::string_view strZnacznik = format::Znacznik(SEKCJE[i]);
        if (!str.starts_with(strZnacznik))
            continue;
        const std::uint64_t nLinia = m_czytnik.Linia();
        if (m_abSekcje[i])
            m_wynik.m_uwagi.push_back(
                {EUwagaStruktury::PowtorzonaSekcja, std::string(strZnacznik), nLinia});
        else if (static_cast<int>(i) < m_nOstatniaSekcja)
            m_wynik.m_uwagi.push_back(
                {EUwagaStruktury::KolejnoscSekcji, std::string(strZnacznik), nLinia});
        m_abSekcje[i] = true;
        m_nOstatniaSekcja = std::max(m_nOstatniaSekcja, static_cast<int>(i));
        m_wynik.m_astrSekcje.emplace_back(strZnacznik);
        m_eSekcja = SEKCJE[i];
        m_eMiejsce = format::JestSekcjaWierszy(m_eSekcja) ? EMiejsce::SekcjaWierszy
                                                          : EMiejsce::SekcjaRekordow;
        return;
    }
    // A line between the sections: a run skips it, the checksum covers it.
    Identyfikatory(str, {});
}

void CSprawdzanie::KoniecSekcji(std::string_view str) {
    m_eMiejsce = EMiejsce::PozaSekcja;
    if (!m_sumy.WSekcji()) {
        m_sumy.Wiersz(m_czytnik.JakStoi());
        return;
    }
    CSumaKontrolna suma;
    suma.m_strCzesc = m_strSekcjaSumy;
    suma.m_nLinia = m_czytnik.Linia();
    suma.m_bZapisana = str.starts_with(format::KONIEC_SEKCJI_CRC);
    if (suma.m_bZapisana)
        suma.m_strZapisana = ZapisanaSuma(str, format::KONIEC_SEKCJI_CRC);
    suma.m_nObliczona = m_sumy.SumaSekcji();
    m_sumy.ZamknijSekcje(m_czytnik.JakStoi());
    m_wynik.m_sumySekcji.push_back(std::move(suma));
}

void CSprawdzanie::KoniecPliku(std::string_view str) {
    CSumaKontrolna& suma = m_wynik.m_sumaPliku;
    suma.m_nLinia = m_czytnik.Linia();
    suma.m_bZapisana = str.starts_with(format::KONIEC_PLIKU_CRC);
    if (suma.m_bZapisana)
        suma.m_strZapisana = ZapisanaSuma(str, format::KONIEC_PLIKU_CRC);
    suma.m_nObliczona = m_sumy.SumaPliku();
    m_wynik.m_bKoniecPliku = true;
}

void CSprawdzanie::WierszNaglowka(std::string_view str) {
    const CWierszNaglowka wiersz = PodzielWierszNaglowka(str);
    if (wiersz.strPierwszy == "NU") {
        Identyfikatory(wiersz.strWartosc, wiersz.strPierwszy);
        return;
    }
    const std::pair<EPoleNaglowka, std::string*> pokazywane[] = {
        {PoleTR, &m_wynik.m_strJednostka},
        {PoleTN, &m_wynik.m_strNazwaJednostki},
        {PoleDN, &m_wynik.m_strData}};
    for (const auto& [ePole, pstrPole] : pokazywane)
        if (PoleZKodu(wiersz.strDrugi) == ePole)
            *pstrPole = ZamaskujIdentyfikatory(kodowanie::Iso88592DoCp1250(wiersz.strWartosc));
    Identyfikatory(wiersz.strWartosc, wiersz.strPierwszy, wiersz.strDrugi);
}

void CSprawdzanie::NaglowekRekordu(std::string_view str) {
    if (m_eSekcja != ESekcja::SO)
        return;
    std::array<std::string_view, 6> pola;
    m_bZlyNaglowek = PodzielNaWidoki(str, pola) != static_cast<int>(pola.size());
    if (m_bZlyNaglowek)
        return;
    ++m_wynik.m_nRekordy;
    const std::string strTyp = UsunPrefiks(pola[2]);
    CLiczbaObiektow& liczba = m_obiekty[strTyp];
    ++(CzyAktualny(pola[5]) ? liczba.m_nAktualne : liczba.m_nHistoryczne);
    m_strTypRekordu.assign(pola[2]);
    if (!pola[2].empty() && !pola[3].empty())
        m_rekordy.Dodaj(Skrot('G', pola[2], pola[3]));
    if (!pola[4].empty())
        m_rekordy.Dodaj(Skrot('L', pola[4]));
}

void CSprawdzanie::ElementRekordu(std::string_view str) {
    // References and geometry name objects and points; they hold no personal data.
    if (str.starts_with("WG") || str.starts_with("WL") || str.starts_with("P,")) {
        if (m_eSekcja == ESekcja::SO)
            Odwolanie(str);
        return;
    }
    if (str.starts_with("K,") || str.starts_with("GL") || str.starts_with("GX"))
        return;
    if (JestWierszemDanych(str)) {
        const auto pola = PolaWierszaDanych(str);
        Identyfikatory(pola[3], pola[1]);
    } else {
        Identyfikatory(str.substr(2), str.substr(0, 2));
    }
}

// What an element names, as the dangling-reference pass records it for the orphan pass.
void CSprawdzanie::Odwolanie(std::string_view str) {
    // Most "P," lines are coordinates; only "P,P" and "P,K" name a point.
    if (str[0] == 'P') {
        const std::string_view strRodzaj = PoleWiersza(str, 1);
        if (strRodzaj != "P" && strRodzaj != "K")
            return;
    }
    std::array<std::string_view, 4> p;
    PodzielNaWidoki(str, p);
    if (p[0] == "WL" && !p[2].empty())
        Odwolanie(Skrot('L', p[2]), "WL", p[1], {});
    else if (p[0] == "WG" && !p[2].empty() && !p[3].empty())
        Odwolanie(Skrot('G', p[2], p[3]), "WG", p[1], p[2]);
    else if (p[0] == "P" && p[1] == "P" && !p[2].empty() && !p[3].empty())
        Odwolanie(Skrot('G', p[2], p[3]), "P,P", {}, p[2]);
    else if (p[0] == "P" && p[1] == "K" && !p[2].empty())
        Odwolanie(Skrot('L', p[2]), "P,K", {}, {});
}

void CSprawdzanie::Odwolanie(std::uint64_t nSkrot, std::string_view strKod,
                             std::string_view strWiazanie, std::string_view strTypCelu) {
    ++m_wynik.m_nOdwolania;
    if (m_rekordy.Zawiera(nSkrot))
        return;
    m_strKlucz.assign(m_strTypRekordu);
    (((m_strKlucz += '\n') += strKod) += '\n') += strWiazanie;
    (m_strKlucz += '\n') += strTypCelu;
    auto [it, bNowa] = m_grupyOdwolan.try_emplace(m_strKlucz, m_wynik.m_odwolania.size());
    if (bNowa) {
        CGrupaOdwolan grupa;
        grupa.m_strTypRekordu = kodowanie::Iso88592DoCp1250(m_strTypRekordu);
        grupa.m_strKod = strKod;
        grupa.m_strWiazanie = kodowanie::Iso88592DoCp1250(strWiazanie);
        grupa.m_strTypCelu = kodowanie::Iso88592DoCp1250(strTypCelu);
        m_wynik.m_odwolania.push_back(std::move(grupa));
    }
    m_oczekujace.push_back({nSkrot, m_czytnik.Linia(), it->second});
}

void CSprawdzanie::Identyfikatory(std::string_view strTekst, std::string_view strA,
                                  std::string_view strB) {
    if (!MozeBycIdentyfikatorem(strTekst))
        return;
    ZnajdzIdentyfikatory(strTekst, m_znalezione);
    for (const CIdentyfikator& identyfikator : m_znalezione) {
        std::string strSymbol(strA);
        if (!strB.empty())
            (strSymbol += ',') += strB;
        strSymbol = kodowanie::Iso88592DoCp1250(strSymbol);
        auto [it, bNowa] = m_grupyIdentyfikatorow.try_emplace({identyfikator.m_eRodzaj, strSymbol},
                                                              m_wynik.m_identyfikatory.size());
        if (bNowa) {
            CGrupaIdentyfikatorow grupa;
            grupa.m_eRodzaj = identyfikator.m_eRodzaj;
            grupa.m_strSymbol = strSymbol;
            m_wynik.m_identyfikatory.push_back(std::move(grupa));
        }
        CGrupaIdentyfikatorow& grupa = m_wynik.m_identyfikatory[it->second];
        ++grupa.m_nLiczba;
        ++m_wynik.m_nIdentyfikatory;
        if (grupa.m_wystapienia.size() < PIERWSZE_WYSTAPIENIA)
            grupa.m_wystapienia.push_back({m_czytnik.Linia(), Zamaskuj(identyfikator.m_str)});
    }
}

void CSprawdzanie::Postep() {
    const std::uint64_t nDlugosc = m_czytnik.Dlugosc();
    const int nPostep = nDlugosc == 0 ? 0
                                      : static_cast<int>(std::min<std::uint64_t>(
                                            m_czytnik.Pozycja() * 1000 / nDlugosc, 1000));
    if (nPostep != m_nPostep)
        m_obserwator.Postep(nPostep);
    m_nPostep = nPostep;
}

void CSprawdzanie::Zakoncz() {
    for (auto& [strTyp, liczba] : m_obiekty) {
        liczba.m_strTyp = kodowanie::Iso88592DoCp1250(strTyp);
        m_wynik.m_obiekty.push_back(liczba);
    }
    if (m_wynik.CzyPrzeczytany() && !m_abSekcje[static_cast<std::size_t>(ESekcja::SO)])
        m_wynik.m_uwagi.push_back({EUwagaStruktury::BrakSekcjiObiektow, {}, 0});
    // References are judged only against the whole file: a partial read would leave every
    // later target unknown.
    if (!m_wynik.CzyPrzeczytany()) {
        m_wynik.m_odwolania.clear();
        return;
    }
    for (const COczekujace& o : m_oczekujace) {
        if (m_rekordy.Zawiera(o.nSkrot))
            continue;
        CGrupaOdwolan& grupa = m_wynik.m_odwolania[o.nGrupa];
        ++grupa.m_nLiczba;
        ++m_wynik.m_nNierozwiazane;
        DodajWystapienie(grupa.m_anLinie, o.nLinia);
    }
    std::erase_if(m_wynik.m_odwolania, [](const CGrupaOdwolan& g) { return g.m_nLiczba == 0; });
    std::sort(m_wynik.m_odwolania.begin(), m_wynik.m_odwolania.end(),
              [](const CGrupaOdwolan& a, const CGrupaOdwolan& b) {
                  return a.m_anLinie.front() < b.m_anLinie.front();
              });
}

} // namespace

bool CSumaKontrolna::CzyZgodna() const {
    std::uint32_t n = 0;
    const char* pKoniec = m_strZapisana.data() + m_strZapisana.size();
    const auto [p, blad] = std::from_chars(m_strZapisana.data(), pKoniec, n);
    return m_bZapisana && blad == std::errc() && p == pKoniec && n == m_nObliczona;
}

EStanSum CWynikSprawdzenia::StanSum() const {
    const bool bJakakolwiek = m_sumaPliku.m_bZapisana ||
                              std::any_of(m_sumySekcji.begin(), m_sumySekcji.end(),
                                          [](const CSumaKontrolna& s) { return s.m_bZapisana; });
    if (!bJakakolwiek)
        return EStanSum::Brak;
    const bool bWszystkie = m_bKoniecPliku && m_sumaPliku.CzyZgodna() &&
                            std::all_of(m_sumySekcji.begin(), m_sumySekcji.end(),
                                        [](const CSumaKontrolna& s) { return s.CzyZgodna(); });
    return bWszystkie ? EStanSum::Zgodne : EStanSum::Niezgodne;
}

bool CWynikSprawdzenia::CzyCaly() const {
    return CzyStrukturaCala() && StanSum() != EStanSum::Niezgodne && CzyOdwolaniaCale();
}

CWynikSprawdzenia SprawdzPlik(const std::string& strSciezka, CObserwatorRunu& obserwator) {
    CWynikSprawdzenia wynik;
    wynik.m_strPlik = strSciezka;
    CSprawdzanie sprawdzanie(wynik, obserwator);
    if (!sprawdzanie.Otworz()) {
        const CSWDEException blad(EBlad::OtwarciePlikuZrodlowego, strSciezka);
        wynik.m_bBlad = true;
        wynik.m_nNumerBledu = blad.m_nNumer;
        wynik.m_strBlad = blad.PelnyKomunikat();
        return wynik;
    }
    wynik.m_bOtwarty = true;
    obserwator.Etap(kodowanie::T("Sprawdzanie pliku"));
    obserwator.Postep(0);
    try {
        sprawdzanie.Czytaj();
    } catch (...) {
        wynik.m_bBlad = true;
        wynik.m_nNumerBledu = NumerBiezacegoBledu();
        wynik.m_strBlad = TekstBiezacegoBledu();
        wynik.m_nLiniaBledu = sprawdzanie.Linia();
    }
    sprawdzanie.Zakoncz();
    return wynik;
}

CWynikSprawdzen SprawdzPliki(const std::vector<std::string>& astrSciezki,
                             CObserwatorRunu& obserwator) {
    const std::int64_t nStart = platforma::Teraz();
    CWynikSprawdzen wynik;
    obserwator.RozpoczetoRun(static_cast<int>(astrSciezki.size()));
    for (std::size_t j = 0; j < astrSciezki.size() && !wynik.m_bPrzerwano; ++j) {
        const int nPlik = static_cast<int>(j);
        obserwator.RozpoczetoPlik(nPlik, platforma::NazwaPliku(astrSciezki[j]));
        wynik.m_pliki.push_back(SprawdzPlik(astrSciezki[j], obserwator));
        const CWynikSprawdzenia& plik = wynik.m_pliki.back();
        wynik.m_bPrzerwano = plik.m_bPrzerwany;
        const CBladPliku blad{nPlik, plik.m_nNumerBledu, plik.m_strBlad, {}};
        obserwator.ZakonczonoPlik(nPlik, plik.m_bBlad ? &blad : nullptr);
    }
    CWynikRunu run;
    run.m_eWynik =
        wynik.m_bPrzerwano ? EWynikFiltrowania::Przerwano : EWynikFiltrowania::Zakonczono;
    run.m_nCzas = platforma::Teraz() - nStart;
    obserwator.ZakonczonoRun(run);
    return wynik;
}
