// The check of a GML file: one read with the streaming reader; per feature its counts, its keys
// (the gml:id and the object's namespace and local id, as 64-bit hashes with the index of the
// feature's class) and its references, resolved at once when the target came earlier and at
// the end otherwise; the personal data per class and property as the feature passes.
#include "filtr/sprawdzenie_gml.h"

#include <algorithm>
#include <array>
#include <map>
#include <string_view>

#include "swde/bledy.h"
#include "swde/kodowanie.h"
#include "swde/platforma.h"

namespace {

using gml::EFormaOdwolania;

// FNV-1a over a kind byte and the text.
std::uint64_t Skrot(char cRodzaj, std::string_view str) {
    std::uint64_t n = 14695981039346656037ull;
    auto dopisz = [&](char c) { n = (n ^ static_cast<unsigned char>(c)) * 1099511628211ull; };
    dopisz(cRodzaj);
    for (const char c : str)
        dopisz(c);
    return n;
}

// 64-bit keys with a 32-bit value each, open addressing, at most half full: 24 to 48 bytes a
// key.
class CMapaSkrotow {
public:
    // False (and nothing changed) when the key is there already.
    bool Dodaj(std::uint64_t nKlucz, std::uint32_t nWartosc) {
        if ((m_nLiczba + 1) * 2 > m_klucze.size())
            Powieksz();
        return Wstaw(Niezerowy(nKlucz), nWartosc);
    }
    std::uint32_t* Znajdz(std::uint64_t nKlucz) {
        if (m_klucze.empty())
            return nullptr;
        nKlucz = Niezerowy(nKlucz);
        const std::size_t nMaska = m_klucze.size() - 1;
        for (std::size_t i = Miejsce(nKlucz) & nMaska;; i = (i + 1) & nMaska) {
            if (m_klucze[i] == nKlucz)
                return &m_wartosci[i];
            if (m_klucze[i] == 0)
                return nullptr;
        }
    }

private:
    static std::uint64_t Niezerowy(std::uint64_t n) { return n == 0 ? 1 : n; }
    static std::size_t Miejsce(std::uint64_t n) {
        n ^= n >> 33;
        n *= 0xFF51AFD7ED558CCDull;
        n ^= n >> 33;
        return static_cast<std::size_t>(n);
    }
    bool Wstaw(std::uint64_t nKlucz, std::uint32_t nWartosc) {
        const std::size_t nMaska = m_klucze.size() - 1;
        for (std::size_t i = Miejsce(nKlucz) & nMaska;; i = (i + 1) & nMaska) {
            if (m_klucze[i] == nKlucz)
                return false;
            if (m_klucze[i] == 0) {
                m_klucze[i] = nKlucz;
                m_wartosci[i] = nWartosc;
                ++m_nLiczba;
                return true;
            }
        }
    }
    void Powieksz() {
        std::vector<std::uint64_t> klucze(std::max<std::size_t>(64, m_klucze.size() * 2), 0);
        std::vector<std::uint32_t> wartosci(klucze.size(), 0);
        klucze.swap(m_klucze);
        wartosci.swap(m_wartosci);
        m_nLiczba = 0;
        for (std::size_t i = 0; i < klucze.size(); ++i)
            if (klucze[i] != 0)
                Wstaw(klucze[i], wartosci[i]);
    }

    std::vector<std::uint64_t> m_klucze;
    std::vector<std::uint32_t> m_wartosci;
    std::size_t m_nLiczba = 0;
};

constexpr std::string_view PREFIKS_URN = "urn:pzgik:id:";
// The bit of an object key's value that marks a current version seen; the rest is the class.
constexpr std::uint32_t AKTUALNY = 0x80000000u;
constexpr std::array<std::string_view, 6> NAZWY_OSOBY = {
    "pierwszeImie", "drugieImie", "pierwszyCzlonNazwiska", "drugiCzlonNazwiska",
    "imieOjca",     "imieMatki"};
constexpr std::array<std::string_view, 2> ADRESY_OSOBY = {"adresZameldowania",
                                                          "adresStalegoPobytu"};
constexpr std::array<std::string_view, 5> TEKSTY_WOLNE = {
    "dodatkoweInformacje", "informacjaOSmierci", "opisDokumentu", "opisOperatu", "opisZmiany"};

template <std::size_t N> bool Jest(const std::array<std::string_view, N>& a, std::string_view s) {
    return std::find(a.begin(), a.end(), s) != a.end();
}

// The first four characters (not bytes: the text is UTF-8) and "*" for the rest.
std::string ZamaskujUtf8(std::string_view str) {
    std::size_t nZnaki = 0;
    std::size_t i = 0;
    for (; i < str.size(); ++i) {
        if ((static_cast<unsigned char>(str[i]) & 0xC0) == 0x80)
            continue;
        if (nZnaki == 4)
            break;
        ++nZnaki;
    }
    std::string strWynik(str.substr(0, i));
    for (; i < str.size(); ++i)
        if ((static_cast<unsigned char>(str[i]) & 0xC0) != 0x80)
            strWynik += '*';
    return strWynik;
}

ERodzajDanychGml RodzajIdentyfikatora(ERodzajIdentyfikatora e) {
    switch (e) {
    case ERodzajIdentyfikatora::Pesel:
        return ERodzajDanychGml::Pesel;
    case ERodzajIdentyfikatora::Nip:
        return ERodzajDanychGml::Nip;
    case ERodzajIdentyfikatora::DowodOsobisty:
        return ERodzajDanychGml::DowodOsobisty;
    case ERodzajIdentyfikatora::Paszport:
        break;
    }
    return ERodzajDanychGml::Paszport;
}

class CSprawdzanieGml : public gml::CSluchaczGml {
public:
    CSprawdzanieGml(CWynikSprawdzeniaGml& wynik, CObserwatorRunu& obserwator, std::uint64_t nDlugosc)
        : m_wynik(wynik), m_obserwator(obserwator), m_nDlugosc(nDlugosc) {}

    void Naglowek(const gml::CNaglowekGml& naglowek) override {
        m_wynik.m_strSystem = naglowek.m_strKomentarz;
    }
    void Obiekt(const gml::CObiekt& obiekt) override;
    void Komentarz(std::string_view strTekst, std::uint64_t nLinia) override {
        WolnyTekst("", "komentarz", strTekst, nLinia);
    }
    bool Postep(std::uint64_t nBajty) override {
        const int nPostep = m_nDlugosc == 0 ? 1000 : static_cast<int>(nBajty * 1000 / m_nDlugosc);
        if (nPostep != m_nPostep)
            m_obserwator.Postep(std::min(nPostep, 1000));
        m_nPostep = nPostep;
        return m_obserwator.CzyPrzerwac();
    }
    void Zakoncz();

private:
    std::uint32_t IndeksKlasy(const std::string& strKlasa) {
        const auto [it, bNowa] =
            m_indeksyKlas.try_emplace(strKlasa, static_cast<std::uint32_t>(m_astrKlasy.size()));
        if (bNowa)
            m_astrKlasy.push_back(strKlasa);
        return it->second;
    }
    void Dane(ERodzajDanychGml eRodzaj, const std::string& strKlasa, std::string_view strWlasciwosc,
              std::string strMaska, std::uint64_t nLinia);
    void WolnyTekst(const std::string& strKlasa, std::string_view strWlasciwosc,
                    std::string_view strTekst, std::uint64_t nLinia);
    void Odwolanie(std::uint32_t nKlasa, const std::string& strWlasciwosc,
                   const gml::COdwolanie& odwolanie);
    std::size_t Grupa(std::uint32_t nKlasa, const std::string& strWlasciwosc,
                      std::uint32_t nKlasaCelu, EFormaOdwolania eForma);

    CWynikSprawdzeniaGml& m_wynik;
    CObserwatorRunu& m_obserwator;
    const std::uint64_t m_nDlugosc;
    int m_nPostep = -1;

    std::map<std::string, std::uint32_t> m_indeksyKlas;
    std::vector<std::string> m_astrKlasy;
    std::map<std::string, CLiczbaKlasy> m_klasy;
    std::map<std::string, std::uint64_t> m_obce;
    CMapaSkrotow m_cele; // gml:ids and object keys, with their class (and AKTUALNY)
    // Reference groups by (class, property, target class + 1 or 0 for none, form).
    std::map<std::tuple<std::uint32_t, std::string, std::uint32_t, int>, std::size_t> m_grupy;
    struct COczekujace { // 24 bytes
        std::uint64_t nSkrot;
        std::uint64_t nLinia : 56;
        std::uint64_t nForma : 8;
        std::uint32_t nKlasa;
        std::uint32_t nWlasciwosc; // index into m_astrWlasciwosci
    };
    std::vector<COczekujace> m_oczekujace;
    std::map<std::string, std::uint32_t> m_indeksyWlasciwosci;
    std::vector<std::string> m_astrWlasciwosci;
    std::map<std::tuple<int, std::string, std::string>, std::size_t> m_grupyDanych;
    std::vector<CIdentyfikator> m_identyfikatory;
};

void CSprawdzanieGml::Dane(ERodzajDanychGml eRodzaj, const std::string& strKlasa,
                           std::string_view strWlasciwosc, std::string strMaska,
                           std::uint64_t nLinia) {
    const auto [it, bNowa] = m_grupyDanych.try_emplace(
        {static_cast<int>(eRodzaj), strKlasa, std::string(strWlasciwosc)},
        m_wynik.m_daneOsobowe.size());
    if (bNowa)
        m_wynik.m_daneOsobowe.push_back({eRodzaj, strKlasa, std::string(strWlasciwosc), 0, {}});
    CGrupaDanychGml& grupa = m_wynik.m_daneOsobowe[it->second];
    ++grupa.m_nLiczba;
    ++m_wynik.m_nDaneOsobowe;
    if (grupa.m_wystapienia.size() < PIERWSZE_WYSTAPIENIA)
        grupa.m_wystapienia.push_back({nLinia, std::move(strMaska)});
}

void CSprawdzanieGml::WolnyTekst(const std::string& strKlasa, std::string_view strWlasciwosc,
                                 std::string_view strTekst, std::uint64_t nLinia) {
    ZnajdzIdentyfikatory(strTekst, m_identyfikatory);
    for (const CIdentyfikator& id : m_identyfikatory)
        Dane(RodzajIdentyfikatora(id.m_eRodzaj), strKlasa, strWlasciwosc, Zamaskuj(id.m_str),
             nLinia);
}

std::size_t CSprawdzanieGml::Grupa(std::uint32_t nKlasa, const std::string& strWlasciwosc,
                                   std::uint32_t nKlasaCelu, EFormaOdwolania eForma) {
    const auto [it, bNowa] = m_grupy.try_emplace(
        {nKlasa, strWlasciwosc, nKlasaCelu, static_cast<int>(eForma)}, m_wynik.m_odwolania.size());
    if (bNowa)
        m_wynik.m_odwolania.push_back(
            {m_astrKlasy[nKlasa], strWlasciwosc,
             nKlasaCelu == 0 ? std::string() : m_astrKlasy[nKlasaCelu - 1], eForma, 0, {}});
    return it->second;
}

// The key a reference names its target by, as the features' keys are made.
std::uint64_t KluczCelu(std::string_view strCel, EFormaOdwolania eForma) {
    if (eForma == EFormaOdwolania::Kotwica)
        return Skrot('I', strCel.substr(1));
    if (eForma == EFormaOdwolania::Urn && strCel.starts_with(PREFIKS_URN))
        return Skrot('U', strCel.substr(PREFIKS_URN.size()));
    return Skrot('I', strCel);
}

void CSprawdzanieGml::Odwolanie(std::uint32_t nKlasa, const std::string& strWlasciwosc,
                                const gml::COdwolanie& odwolanie) {
    ++m_wynik.m_nOdwolania;
    const std::uint64_t nKlucz = KluczCelu(odwolanie.m_strCel, odwolanie.m_eForma);
    if (const std::uint32_t* pKlasa = m_cele.Znajdz(nKlucz)) {
        ++m_wynik.m_odwolania[Grupa(nKlasa, strWlasciwosc, (*pKlasa & ~AKTUALNY) + 1,
                                    odwolanie.m_eForma)]
              .m_nLiczba;
        return;
    }
    const auto [it, bNowa] = m_indeksyWlasciwosci.try_emplace(
        strWlasciwosc, static_cast<std::uint32_t>(m_astrWlasciwosci.size()));
    if (bNowa)
        m_astrWlasciwosci.push_back(strWlasciwosc);
    m_oczekujace.push_back({nKlucz, odwolanie.m_nLinia, static_cast<std::uint64_t>(odwolanie.m_eForma),
                            nKlasa, it->second});
}

void CSprawdzanieGml::Obiekt(const gml::CObiekt& obiekt) {
    ++m_wynik.m_nObiekty;
    const bool bEgib = gml::JestEgib(obiekt.m_strNs);
    const std::string strKlasa = gml::NazwaKwalifikowana(obiekt.m_strNs, obiekt.m_strKlasa);
    const std::uint32_t nKlasa = IndeksKlasy(strKlasa);
    const std::uint64_t nLinia = obiekt.m_zakres.m_nLinia;
    if (bEgib) {
        const auto eTa = obiekt.m_strNs == gml::NS_EGB ? EGeneracjaSchematu::Schemat2021
                                                       : EGeneracjaSchematu::Schemat2015;
        if (m_wynik.m_eGeneracja == EGeneracjaSchematu::Brak)
            m_wynik.m_eGeneracja = eTa;
        else if (m_wynik.m_eGeneracja != eTa)
            m_wynik.m_eGeneracja = EGeneracjaSchematu::Obie;
        CLiczbaKlasy& liczba = m_klasy[strKlasa];
        ++(obiekt.CzyArchiwalny() ? liczba.m_nArchiwalne : liczba.m_nAktualne);
    } else {
        const std::string_view strPrefiks = gml::PrefiksNamespace(obiekt.m_strNs);
        ++m_obce[strPrefiks.empty() ? obiekt.m_strNs : std::string(strPrefiks)];
    }

    if (!obiekt.m_strGmlId.empty() && !m_cele.Dodaj(Skrot('I', obiekt.m_strGmlId), nKlasa)) {
        ++m_wynik.m_nPowtorzoneId;
        if (m_wynik.m_powtorzoneId.size() < PIERWSZE_WYSTAPIENIA)
            m_wynik.m_powtorzoneId.push_back({obiekt.m_strGmlId, nLinia});
    }
    // The object's key names every version of it (a urn without the version); its value also
    // marks whether a current version was seen.
    if (!obiekt.m_strLokalnyId.empty()) {
        const std::string strObiekt = obiekt.m_strPrzestrzenNazw + ":" + obiekt.m_strLokalnyId;
        const bool bAktualny = bEgib && !obiekt.CzyArchiwalny();
        const std::uint64_t nKlucz = Skrot('U', strObiekt);
        if (!m_cele.Dodaj(nKlucz, nKlasa | (bAktualny ? AKTUALNY : 0)) && bAktualny) {
            std::uint32_t& nWartosc = *m_cele.Znajdz(nKlucz);
            if (nWartosc & AKTUALNY) {
                ++m_wynik.m_nWieleAktualnych;
                if (m_wynik.m_wieleAktualnych.size() < PIERWSZE_WYSTAPIENIA)
                    m_wynik.m_wieleAktualnych.push_back({strObiekt, nLinia});
            }
            nWartosc |= AKTUALNY;
        }
    }

    const bool bOsoba = bEgib && obiekt.m_strKlasa == "EGB_OsobaFizyczna";
    for (const gml::COdwolanie& odwolanie : obiekt.m_odwolania) {
        const std::string& strWlasciwosc = obiekt.m_wlasciwosci[odwolanie.m_nWlasciwosc].m_strNazwa;
        Odwolanie(nKlasa, strWlasciwosc, odwolanie);
        if (bOsoba && Jest(ADRESY_OSOBY, strWlasciwosc))
            Dane(ERodzajDanychGml::Adres, strKlasa, strWlasciwosc, ZamaskujUtf8(odwolanie.m_strCel),
                 odwolanie.m_nLinia);
    }
    for (const gml::CTekst& tekst : obiekt.m_teksty) {
        const std::string& strWlasciwosc = obiekt.m_wlasciwosci[tekst.m_nWlasciwosc].m_strNazwa;
        const bool bWprost = tekst.m_strNazwa == strWlasciwosc; // the property's own text
        if (bWprost && strWlasciwosc == "pesel")
            Dane(CzyPesel(tekst.m_strTekst) ? ERodzajDanychGml::Pesel : ERodzajDanychGml::PeselBledny,
                 strKlasa, strWlasciwosc, Zamaskuj(tekst.m_strTekst), tekst.m_nLinia);
        else if (bWprost && strWlasciwosc == "regon")
            Dane(ERodzajDanychGml::Regon, strKlasa, strWlasciwosc, Zamaskuj(tekst.m_strTekst),
                 tekst.m_nLinia);
        else if (bWprost && strWlasciwosc == "numerKW")
            Dane(ERodzajDanychGml::NumerKW, strKlasa, strWlasciwosc, ZamaskujUtf8(tekst.m_strTekst),
                 tekst.m_nLinia);
        else if (bOsoba && bWprost && Jest(NAZWY_OSOBY, strWlasciwosc))
            Dane(ERodzajDanychGml::ImieNazwisko, strKlasa, strWlasciwosc,
                 ZamaskujUtf8(tekst.m_strTekst), tekst.m_nLinia);
        else if (Jest(TEKSTY_WOLNE, strWlasciwosc))
            WolnyTekst(strKlasa, strWlasciwosc, tekst.m_strTekst, tekst.m_nLinia);
    }
}

void CSprawdzanieGml::Zakoncz() {
    for (auto& [strKlasa, liczba] : m_klasy) {
        liczba.m_strKlasa = strKlasa;
        m_wynik.m_klasy.push_back(liczba);
    }
    for (const auto& [strSchemat, nLiczba] : m_obce)
        m_wynik.m_obce.push_back({strSchemat, nLiczba});
    // References are judged only against the whole file.
    if (!m_wynik.CzyPrzeczytany()) {
        m_wynik.m_odwolania.clear();
        m_wynik.m_nOdwolania = 0;
        return;
    }
    for (const COczekujace& o : m_oczekujace) {
        const std::uint32_t* pKlasa = m_cele.Znajdz(o.nSkrot);
        CGrupaOdwolanGml& grupa =
            m_wynik.m_odwolania[Grupa(o.nKlasa, m_astrWlasciwosci[o.nWlasciwosc],
                                      pKlasa ? (*pKlasa & ~AKTUALNY) + 1 : 0,
                                      static_cast<EFormaOdwolania>(o.nForma))];
        ++grupa.m_nLiczba;
        if (pKlasa)
            continue;
        ++m_wynik.m_nNierozwiazane;
        if (grupa.m_anLinie.size() < PIERWSZE_WYSTAPIENIA)
            grupa.m_anLinie.push_back(o.nLinia);
    }
    std::sort(m_wynik.m_odwolania.begin(), m_wynik.m_odwolania.end(),
              [](const CGrupaOdwolanGml& a, const CGrupaOdwolanGml& b) {
                  return std::tie(a.m_strKlasa, a.m_strWlasciwosc, a.m_strKlasaCelu, a.m_eForma) <
                         std::tie(b.m_strKlasa, b.m_strWlasciwosc, b.m_strKlasaCelu, b.m_eForma);
              });
}

constexpr std::size_t POCZATEK_PLIKU = 64 * 1024;

} // namespace

CWynikSprawdzeniaGml SprawdzPlikGml(const std::string& strSciezka, CObserwatorRunu& obserwator) {
    CWynikSprawdzeniaGml wynik;
    wynik.m_strPlik = strSciezka;
    gml::CCzytnikGml czytnik;
    if (!czytnik.Otworz(strSciezka)) {
        const CSWDEException blad(EBlad::OtwarciePlikuDocelowego, strSciezka);
        wynik.m_bBlad = true;
        wynik.m_nNumerBledu = blad.m_nNumer;
        wynik.m_strBlad = kodowanie::Cp1250DoUtf8(blad.PelnyKomunikat());
        return wynik;
    }
    wynik.m_bOtwarty = true;
    wynik.m_nBajty = czytnik.Dlugosc();
    obserwator.Etap(kodowanie::T("Sprawdzanie pliku"));
    obserwator.Postep(0);
    CSprawdzanieGml sprawdzanie(wynik, obserwator, wynik.m_nBajty);
    try {
        wynik.m_bPrzerwany = !czytnik.Czytaj(sprawdzanie);
    } catch (const gml::CBladGml& blad) {
        wynik.m_bBlad = true;
        wynik.m_nNumerBledu = blad.m_nNumer;
        wynik.m_strBlad = blad.PelnyKomunikat();
        wynik.m_nLiniaBledu = blad.m_nLinia;
        wynik.m_nKolumnaBledu = blad.m_nKolumna;
    } catch (...) {
        wynik.m_bBlad = true;
        wynik.m_nNumerBledu = NumerBiezacegoBledu();
        wynik.m_strBlad = kodowanie::Cp1250DoUtf8(TekstBiezacegoBledu());
        wynik.m_nLiniaBledu = czytnik.Linia();
    }
    wynik.m_nLinie = czytnik.Linia();
    sprawdzanie.Zakoncz();
    return wynik;
}

EFormatPliku RozpoznajFormat(const std::string& strSciezka) {
    platforma::CPlikWejsciowy plik;
    if (!plik.Otworz(strSciezka))
        return EFormatPliku::Brak;
    std::string str(POCZATEK_PLIKU, '\0');
    try {
        str.resize(plik.Czytaj(str.data(), str.size()));
    } catch (const CFileException&) {
        return EFormatPliku::Brak;
    }
    if (gml::WygladaNaXml(str))
        return gml::JestKorzeniemGml(str) ? EFormatPliku::Gml : EFormatPliku::Inny;
    const std::string_view strPoczatek = std::string_view(str).substr(
        std::min(str.size(), str.find_first_not_of(" \t\r\n")));
    if (strPoczatek.starts_with("SWDE") || strPoczatek.starts_with("C;"))
        return EFormatPliku::Swde;
    return EFormatPliku::Inny;
}

const std::string& TekstInnegoFormatu() {
    static const std::string str = "Plik nie jest plikiem SWDE ani GML";
    return str;
}

CWynikSprawdzenPlikow SprawdzPlikiDowolne(const std::vector<std::string>& astrSciezki,
                                          CObserwatorRunu& obserwator) {
    const std::int64_t nStart = platforma::Teraz();
    CWynikSprawdzenPlikow wynik;
    obserwator.RozpoczetoRun(static_cast<int>(astrSciezki.size()));
    for (std::size_t j = 0; j < astrSciezki.size() && !wynik.m_bPrzerwano; ++j) {
        const int nPlik = static_cast<int>(j);
        obserwator.RozpoczetoPlik(nPlik, platforma::NazwaPliku(astrSciezki[j]));
        CWynikSprawdzeniaPliku plik;
        CBladPliku blad{nPlik, -1, {}, {}};
        bool bBlad = false;
        switch (RozpoznajFormat(astrSciezki[j])) {
        case EFormatPliku::Gml:
            plik.m_bGml = true;
            plik.m_gml = SprawdzPlikGml(astrSciezki[j], obserwator);
            wynik.m_bPrzerwano = plik.m_gml.m_bPrzerwany;
            bBlad = plik.m_gml.m_bBlad;
            blad.m_nNumer = plik.m_gml.m_nNumerBledu;
            blad.m_strTekst = kodowanie::Utf8DoCp1250(plik.m_gml.m_strBlad);
            break;
        case EFormatPliku::Inny:
            plik.m_bGml = true;
            plik.m_gml.m_strPlik = astrSciezki[j];
            plik.m_gml.m_bBlad = bBlad = true;
            plik.m_gml.m_strBlad = TekstInnegoFormatu();
            blad.m_strTekst = kodowanie::Utf8DoCp1250(TekstInnegoFormatu());
            break;
        case EFormatPliku::Swde:
        case EFormatPliku::Brak:
            plik.m_swde = SprawdzPlik(astrSciezki[j], obserwator);
            wynik.m_bPrzerwano = plik.m_swde.m_bPrzerwany;
            bBlad = plik.m_swde.m_bBlad;
            blad.m_nNumer = plik.m_swde.m_nNumerBledu;
            blad.m_strTekst = plik.m_swde.m_strBlad;
            break;
        }
        wynik.m_pliki.push_back(std::move(plik));
        obserwator.ZakonczonoPlik(nPlik, bBlad ? &blad : nullptr);
    }
    CWynikRunu run;
    run.m_eWynik =
        wynik.m_bPrzerwano ? EWynikFiltrowania::Przerwano : EWynikFiltrowania::Zakonczono;
    run.m_nCzas = platforma::Teraz() - nStart;
    obserwator.ZakonczonoRun(run);
    return wynik;
}
