// The report of --check for a GML file, in the sections of the SWDE report (structure,
// references, personal data, the verdict), and the report of a list of files of either format.
// The GML check's texts are UTF-8 already; only the path is code page 1250.
#include <algorithm>
#include <array>
#include <cstdio>

#include <nlohmann/json.hpp>

#include "raport_sprawdzenia.h"
#include "raport_wspolne.h"
#include "swde/kodowanie.h"

namespace {

using raport::CNazwyRodzaju;
using raport::Wiersze;

using kodowanie::Cp1250DoUtf8;
using Json = nlohmann::ordered_json;

// In the order of ERodzajDanychGml.
constexpr std::array<CNazwyRodzaju, LICZBA_RODZAJOW_DANYCH_GML> RODZAJE = {{
    {"PESEL", "pesel"},
    {"PESEL nieprawidłowy", "pesel_nieprawidlowy"},
    {"NIP", "nip"},
    {"dowód osobisty", "dowod_osobisty"},
    {"paszport", "paszport"},
    {"REGON", "regon"},
    {"numer KW", "numer_kw"},
    {"imię lub nazwisko", "imie_nazwisko"},
    {"adres osoby", "adres"},
}};

const CNazwyRodzaju& Nazwy(ERodzajDanychGml e) {
    return RODZAJE[static_cast<std::size_t>(e)];
}

constexpr std::array<const char*, 4> FORMY = {"id", "#", "urn", "inna"};
constexpr std::array<const char*, 4> GENERACJE = {"brak", "2021", "2015", "2021 i 2015"};

const char* Forma(gml::EFormaOdwolania e) {
    return FORMY[static_cast<std::size_t>(e)];
}

const char* Generacja(EGeneracjaSchematu e) {
    return GENERACJE[static_cast<std::size_t>(e)];
}

void Wiersz(std::string& str, const std::string& strWiersz, int nWciecie = 1) {
    str += std::string(static_cast<std::size_t>(nWciecie) * 2, ' ') + strWiersz + "\n";
}

std::string Lista(const std::vector<CPowtorzenie>& lista, std::uint64_t nLiczba) {
    std::string str;
    for (const CPowtorzenie& p : lista)
        str += (str.empty() ? "" : ", ") + p.m_strId + " (wiersz " + std::to_string(p.m_nLinia) + ")";
    return str + (nLiczba > lista.size() ? ", …" : "");
}

void Struktura(const CWynikSprawdzeniaGml& w, std::string& t) {
    if (w.m_bBlad)
        Wiersz(t, "Struktura: BŁĄD, sprawdzanie pliku zakończone: " + w.m_strBlad);
    else if (!w.CzyStrukturaCala())
        Wiersz(t, "Struktura: USTERKI");
    else
        Wiersz(t, "Struktura: kompletna (" + std::to_string(w.m_nBajty) + " bajtów, " +
                      std::to_string(w.m_nLinie) + " wierszy)");
    Wiersz(t, std::string("format: GML, schemat EGiB ") + Generacja(w.m_eGeneracja), 2);
    Wiersz(t, "system: " + (w.m_strSystem.empty() ? std::string("brak") : w.m_strSystem), 2);
    if (w.m_nPowtorzoneId > 0)
        Wiersz(t, "powtórzone gml:id: " + std::to_string(w.m_nPowtorzoneId) + ": " +
                      Lista(w.m_powtorzoneId, w.m_nPowtorzoneId), 2);
    if (w.m_nWieleAktualnych > 0)
        Wiersz(t, "kolejne aktualne wersje obiektu: " + std::to_string(w.m_nWieleAktualnych) +
                      ": " + Lista(w.m_wieleAktualnych, w.m_nWieleAktualnych), 2);
    Wiersz(t, "obiekty: " + std::to_string(w.m_nObiekty) +
                  ", klasy EGiB (aktualne, archiwalne):", 2);
    for (const CLiczbaKlasy& l : w.m_klasy) {
        char sz[160];
        std::snprintf(sz, sizeof sz, "%-36s %8llu %8llu", l.m_strKlasa.c_str(),
                      static_cast<unsigned long long>(l.m_nAktualne),
                      static_cast<unsigned long long>(l.m_nArchiwalne));
        Wiersz(t, sz, 3);
    }
    for (const CLiczbaObcych& l : w.m_obce)
        Wiersz(t, "obiekty innego schematu " + l.m_strSchemat + ": " + std::to_string(l.m_nLiczba),
               2);
}

void Odwolania(const CWynikSprawdzeniaGml& w, std::string& t) {
    if (!w.CzyPrzeczytany()) {
        Wiersz(t, "Odwołania: nie sprawdzono (plik nie został odczytany do końca)");
        return;
    }
    const std::string strLiczba = std::to_string(w.m_nOdwolania);
    if (w.m_nNierozwiazane == 0)
        Wiersz(t, "Odwołania: " + strLiczba + ", wszystkie wskazują obiekty tego pliku");
    else
        Wiersz(t, "Odwołania: " + std::to_string(w.m_nNierozwiazane) + " z " + strLiczba +
                      " wskazuje obiekty, których nie ma w pliku");
    for (const CGrupaOdwolanGml& g : w.m_odwolania) {
        std::string str = g.m_strKlasa + " " + g.m_strWlasciwosc + " -> " +
                          (g.m_strKlasaCelu.empty() ? "BRAK W PLIKU" : g.m_strKlasaCelu) + " [" +
                          Forma(g.m_eForma) + "]: " + std::to_string(g.m_nLiczba);
        if (!g.m_anLinie.empty())
            str += Wiersze(g.m_anLinie, g.m_nLiczba);
        Wiersz(t, str, 2);
    }
}

void DaneOsobowe(const CWynikSprawdzeniaGml& w, std::string& t) {
    const std::string strZakres = w.CzyPrzeczytany() ? "" : " (do miejsca błędu)";
    if (w.m_nDaneOsobowe == 0) {
        Wiersz(t, "Dane osobowe: nie znaleziono" + strZakres);
        return;
    }
    Wiersz(t, "Dane osobowe: ZNALEZIONO " + std::to_string(w.m_nDaneOsobowe) + strZakres);
    for (const CGrupaDanychGml& g : w.m_daneOsobowe) {
        Wiersz(t,
               std::string(Nazwy(g.m_eRodzaj).szTekst) + " w " +
                   (g.m_strKlasa.empty() ? "" : g.m_strKlasa + " ") + g.m_strWlasciwosc + ": " +
                   std::to_string(g.m_nLiczba) + raport::Wystapienia(g.m_wystapienia, g.m_nLiczba),
               2);
    }
}

void Wynik(const CWynikSprawdzeniaGml& w, std::string& t) {
    Wiersz(t, raport::Werdykt(w.CzyBezUsterek(),
                              {{!w.CzyStrukturaCala(), "struktura"},
                               {w.CzyPrzeczytany() && !w.CzyOdwolaniaCale(), "odwołania"},
                               {w.m_nDaneOsobowe > 0, "dane osobowe"}}));
}

std::string TekstPlikuGml(const CWynikSprawdzeniaGml& w) {
    std::string t;
    Wiersz(t, "Plik: " + Cp1250DoUtf8(w.m_strPlik), 0);
    if (!w.m_bOtwarty) {
        Wiersz(t, w.m_strBlad);
        return t;
    }
    Struktura(w, t);
    Odwolania(w, t);
    DaneOsobowe(w, t);
    Wynik(w, t);
    return t;
}

Json JsonListy(const std::vector<CPowtorzenie>& lista) {
    Json j = Json::array();
    for (const CPowtorzenie& p : lista)
        j.push_back({{"id", p.m_strId}, {"wiersz", p.m_nLinia}});
    return j;
}

Json JsonPlikuGml(const CWynikSprawdzeniaGml& w) {
    Json j;
    j["plik"] = Cp1250DoUtf8(w.m_strPlik);
    j["format"] = "gml";
    j["otwarty"] = w.m_bOtwarty;
    j["blad"] = w.m_bBlad ? Json{{"numer", w.m_nNumerBledu < 0 ? Json(nullptr) : Json(w.m_nNumerBledu)},
                                 {"tekst", w.m_strBlad},
                                 {"wiersz", w.m_nLiniaBledu},
                                 {"kolumna", w.m_nKolumnaBledu}}
                          : Json(nullptr);
    j["bajty"] = w.m_nBajty;
    j["wiersze"] = w.m_nLinie;
    if (w.m_bOtwarty) {
        Json s;
        s["kompletna"] = w.CzyStrukturaCala();
        s["schemat"] = Generacja(w.m_eGeneracja);
        s["system"] = w.m_strSystem;
        s["obiekty"] = w.m_nObiekty;
        s["klasy"] = Json::array();
        for (const CLiczbaKlasy& l : w.m_klasy)
            s["klasy"].push_back({{"klasa", l.m_strKlasa},
                                  {"aktualne", l.m_nAktualne},
                                  {"archiwalne", l.m_nArchiwalne}});
        s["obce"] = Json::array();
        for (const CLiczbaObcych& l : w.m_obce)
            s["obce"].push_back({{"schemat", l.m_strSchemat}, {"liczba", l.m_nLiczba}});
        s["powtorzone_id"] = {{"liczba", w.m_nPowtorzoneId}, {"pierwsze", JsonListy(w.m_powtorzoneId)}};
        s["wiele_aktualnych"] = {{"liczba", w.m_nWieleAktualnych},
                                 {"pierwsze", JsonListy(w.m_wieleAktualnych)}};
        j["struktura"] = s;
        Json o;
        o["sprawdzone"] = w.CzyPrzeczytany();
        o["liczba"] = w.m_nOdwolania;
        o["nierozwiazane"] = w.m_nNierozwiazane;
        o["grupy"] = Json::array();
        for (const CGrupaOdwolanGml& g : w.m_odwolania)
            o["grupy"].push_back({{"klasa", g.m_strKlasa},
                                  {"wlasciwosc", g.m_strWlasciwosc},
                                  {"klasa_celu", g.m_strKlasaCelu.empty() ? Json(nullptr)
                                                                          : Json(g.m_strKlasaCelu)},
                                  {"forma", Forma(g.m_eForma)},
                                  {"liczba", g.m_nLiczba},
                                  {"wiersze", g.m_anLinie}});
        j["odwolania"] = o;
        Json d;
        d["liczba"] = w.m_nDaneOsobowe;
        d["grupy"] = Json::array();
        for (const CGrupaDanychGml& g : w.m_daneOsobowe) {
            Json wystapienia = Json::array();
            for (const CWystapienie& wyst : g.m_wystapienia)
                wystapienia.push_back({{"wiersz", wyst.m_nLinia}, {"wartosc", wyst.m_strMaska}});
            d["grupy"].push_back({{"rodzaj", Nazwy(g.m_eRodzaj).szJson},
                                  {"klasa", g.m_strKlasa},
                                  {"wlasciwosc", g.m_strWlasciwosc},
                                  {"liczba", g.m_nLiczba},
                                  {"wystapienia", wystapienia}});
        }
        j["dane_osobowe"] = d;
    }
    j["kompletny"] = w.CzyCaly();
    j["bez_usterek"] = w.CzyBezUsterek();
    return j;
}

// The SWDE part of a list as the SWDE report's own list of one file.
CWynikSprawdzen Jeden(const CWynikSprawdzenia& w) {
    CWynikSprawdzen wynik;
    wynik.m_pliki.push_back(w);
    return wynik;
}

} // namespace

int KodWyjsciaSprawdzenia(const CWynikSprawdzenPlikow& wynik) {
    const auto& pliki = wynik.m_pliki;
    if (std::none_of(pliki.begin(), pliki.end(), [](const auto& w) { return w.CzyOtwarty(); }))
        return 2;
    const bool bUsterki =
        std::any_of(pliki.begin(), pliki.end(), [](const auto& w) { return !w.CzyBezUsterek(); });
    return bUsterki ? 1 : 0;
}

std::string TekstSprawdzenia(const CWynikSprawdzenPlikow& wynik) {
    std::string str;
    std::size_t nBezUsterek = 0;
    for (const CWynikSprawdzeniaPliku& w : wynik.m_pliki) {
        str += (str.empty() ? "" : "\n") +
               (w.m_bGml ? TekstPlikuGml(w.m_gml) : TekstSprawdzenia(Jeden(w.m_swde)));
        nBezUsterek += w.CzyBezUsterek() ? 1 : 0;
    }
    if (wynik.m_pliki.size() > 1)
        str += "\nSprawdzono plików: " + std::to_string(wynik.m_pliki.size()) +
               ", bez usterek: " + std::to_string(nBezUsterek) +
               ", z usterkami: " + std::to_string(wynik.m_pliki.size() - nBezUsterek) + "\n";
    return str;
}

std::string JsonSprawdzenia(const CWynikSprawdzenPlikow& wynik) {
    Json j;
    j["pliki"] = Json::array();
    for (const CWynikSprawdzeniaPliku& w : wynik.m_pliki) {
        if (w.m_bGml) {
            j["pliki"].push_back(JsonPlikuGml(w.m_gml));
            continue;
        }
        Json swde = Json::parse(JsonSprawdzenia(Jeden(w.m_swde)))["pliki"][0];
        j["pliki"].push_back(swde);
    }
    j["kod_wyjscia"] = KodWyjsciaSprawdzenia(wynik);
    return j.dump(2) + "\n";
}
