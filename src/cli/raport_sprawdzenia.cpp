// Text and JSON renderings of the check's result. The engine's texts are code page 1250; what
// leaves here is UTF-8. Identifiers arrive masked already.
#include "raport_sprawdzenia.h"

#include <algorithm>
#include <array>
#include <cstdio>

#include <nlohmann/json.hpp>

#include "raport_wspolne.h"
#include "swde/kodowanie.h"

namespace {

using raport::CNazwyRodzaju;
using raport::Wiersze;

using kodowanie::Cp1250DoUtf8;
using Json = nlohmann::ordered_json;

constexpr std::array<CNazwyRodzaju, LICZBA_RODZAJOW_IDENTYFIKATOROW> RODZAJE = {{
    {"PESEL", "pesel"},
    {"NIP", "nip"},
    {"dowód osobisty", "dowod_osobisty"},
    {"paszport", "paszport"},
}};

const CNazwyRodzaju& Nazwy(ERodzajIdentyfikatora eRodzaj) {
    return RODZAJE[static_cast<std::size_t>(eRodzaj)];
}

// JSON names of the structural remarks and checksum states, in the order of their enums.
constexpr std::array<const char*, 4> JSON_UWAG = {"brak_sekcji_obiektow", "powtorzona_sekcja",
                                                  "kolejnosc_sekcji", "dane_za_koncem_pliku"};
constexpr std::array<const char*, 3> JSON_STANOW = {"brak", "zgodne", "niezgodne"};

template <class E, std::size_t N>
const char* NazwaJson(const std::array<const char*, N>& nazwy, E e) {
    return nazwy[static_cast<std::size_t>(e)];
}

std::string TekstUwagi(const CUwagaStruktury& uwaga) {
    const std::string strSekcja = Cp1250DoUtf8(uwaga.m_strSekcja);
    const std::string strWiersz = " w wierszu " + std::to_string(uwaga.m_nLinia);
    switch (uwaga.m_eUwaga) {
    case EUwagaStruktury::BrakSekcjiObiektow:
        return "brak sekcji obiektów SO; (filtrowanie zakończy się błędem)";
    case EUwagaStruktury::PowtorzonaSekcja:
        return "sekcja " + strSekcja + " powtórzona" + strWiersz +
               " (filtrowanie czyta tylko pierwszą)";
    case EUwagaStruktury::DaneZaKoncemPliku:
        return "dane za wierszem końca pliku SWDEX" + strWiersz +
               " (filtrowanie zakończy się błędem)";
    case EUwagaStruktury::KolejnoscSekcji:
        break;
    }
    return "sekcja " + strSekcja + strWiersz +
           " stoi za sekcją późniejszą (kolejność: SN; SP; ST; SO;)";
}

// A line of the parts of a file's report, "  Name: text".
class CTekst {
public:
    void Wiersz(const std::string& str, int nWciecie = 1) {
        m_str += std::string(static_cast<std::size_t>(nWciecie) * 2, ' ') + str + "\n";
    }
    std::string m_str;
};

void Struktura(const CWynikSprawdzenia& w, CTekst& t) {
    if (w.m_bBlad)
        t.Wiersz("Struktura: BŁĄD w wierszu " + std::to_string(w.m_nLiniaBledu) +
                 ", sprawdzanie pliku zakończone: " + Cp1250DoUtf8(w.m_strBlad));
    else if (!w.m_uwagi.empty())
        t.Wiersz("Struktura: USTERKI");
    else
        t.Wiersz("Struktura: kompletna (" + std::to_string(w.m_nBajty) + " bajtów, " +
                 std::to_string(w.m_nLinie) + " wierszy)");
    for (const CUwagaStruktury& uwaga : w.m_uwagi)
        t.Wiersz(TekstUwagi(uwaga), 2);
    std::string strSekcje;
    for (const std::string& str : w.m_astrSekcje)
        strSekcje += (strSekcje.empty() ? "" : " ") + Cp1250DoUtf8(str);
    t.Wiersz("sekcje: " + (strSekcje.empty() ? std::string("brak") : strSekcje), 2);
    auto pole = [](const std::string& str) {
        return str.empty() ? std::string("brak") : Cp1250DoUtf8(str);
    };
    t.Wiersz("nagłówek: jednostka " + pole(w.m_strJednostka) + " (" + pole(w.m_strNazwaJednostki) +
                 "), data " + pole(w.m_strData),
             2);
    t.Wiersz("rekordy obiektów: " + std::to_string(w.m_nRekordy) +
                 ", według typów (aktualne, historyczne):",
             2);
    for (const CLiczbaObiektow& liczba : w.m_obiekty) {
        char sz[96];
        std::snprintf(sz, sizeof sz, "%-8s %8llu %8llu", Cp1250DoUtf8(liczba.m_strTyp).c_str(),
                      static_cast<unsigned long long>(liczba.m_nAktualne),
                      static_cast<unsigned long long>(liczba.m_nHistoryczne));
        t.Wiersz(sz, 3);
    }
}

std::string TekstSumy(const CSumaKontrolna& suma) {
    const std::string strObliczona = std::to_string(suma.m_nObliczona);
    const std::string strWiersz = " (wiersz " + std::to_string(suma.m_nLinia) + ")";
    if (!suma.m_bZapisana)
        return "BRAK SUMY, obliczona " + strObliczona + strWiersz;
    if (suma.CzyZgodna())
        return "zgodna " + strObliczona;
    return "NIEZGODNA: w pliku " + Cp1250DoUtf8(suma.m_strZapisana) + ", obliczona " +
           strObliczona + strWiersz;
}

void Sumy(const CWynikSprawdzenia& w, CTekst& t) {
    const EStanSum eStan = w.StanSum();
    if (eStan == EStanSum::Brak) {
        t.Wiersz("Sumy kontrolne: brak (żaden wiersz SX ani SWDEX nie niesie sumy)");
        return;
    }
    if (!w.CzyPrzeczytany())
        t.Wiersz("Sumy kontrolne: sprawdzone do miejsca błędu");
    else
        t.Wiersz(eStan == EStanSum::Zgodne ? "Sumy kontrolne: zgodne"
                                           : "Sumy kontrolne: NIEZGODNE");
    for (const CSumaKontrolna& suma : w.m_sumySekcji)
        t.Wiersz(Cp1250DoUtf8(suma.m_strCzesc) +
                     std::string(6 - std::min<std::size_t>(suma.m_strCzesc.size(), 5), ' ') +
                     TekstSumy(suma),
                 2);
    if (w.m_bKoniecPliku)
        t.Wiersz("plik  " + TekstSumy(w.m_sumaPliku), 2);
}

std::string TekstGrupyOdwolan(const CGrupaOdwolan& g) {
    std::string str = Cp1250DoUtf8(g.m_strTypRekordu) + " " + g.m_strKod;
    if (!g.m_strWiazanie.empty())
        str += " " + Cp1250DoUtf8(g.m_strWiazanie);
    if (!g.m_strTypCelu.empty())
        str += " -> " + Cp1250DoUtf8(g.m_strTypCelu);
    return str + ": " + std::to_string(g.m_nLiczba) + Wiersze(g.m_anLinie, g.m_nLiczba);
}

void Odwolania(const CWynikSprawdzenia& w, CTekst& t) {
    if (!w.CzyPrzeczytany()) {
        t.Wiersz("Odwołania: nie sprawdzono (plik nie został odczytany do końca)");
        return;
    }
    const std::string strLiczba = std::to_string(w.m_nOdwolania);
    if (w.m_nNierozwiazane == 0) {
        t.Wiersz("Odwołania: " + strLiczba + ", wszystkie wskazują obiekty tego pliku");
        return;
    }
    t.Wiersz("Odwołania: " + std::to_string(w.m_nNierozwiazane) + " z " + strLiczba +
             " wskazuje obiekty, których nie ma w pliku");
    for (const CGrupaOdwolan& g : w.m_odwolania)
        t.Wiersz(TekstGrupyOdwolan(g), 2);
}

std::string GdzieIdentyfikator(const std::string& strSymbol) {
    if (strSymbol.empty())
        return "poza sekcjami";
    if (strSymbol == "C;")
        return "w komentarzach C;";
    return "w " + Cp1250DoUtf8(strSymbol);
}

void DaneOsobowe(const CWynikSprawdzenia& w, CTekst& t) {
    const std::string strZakres = w.CzyPrzeczytany() ? "" : " (do miejsca błędu)";
    if (w.m_nIdentyfikatory == 0) {
        t.Wiersz("Dane osobowe: nie znaleziono numerów PESEL, NIP, dowodów osobistych ani "
                 "paszportów" +
                 strZakres);
        return;
    }
    t.Wiersz("Dane osobowe: ZNALEZIONO " + std::to_string(w.m_nIdentyfikatory) + strZakres);
    for (const CGrupaIdentyfikatorow& g : w.m_identyfikatory) {
        t.Wiersz(std::string(Nazwy(g.m_eRodzaj).szTekst) + " " + GdzieIdentyfikator(g.m_strSymbol) +
                     ": " + std::to_string(g.m_nLiczba) +
                     raport::Wystapienia(g.m_wystapienia, g.m_nLiczba),
                 2);
    }
}

void Wynik(const CWynikSprawdzenia& w, CTekst& t) {
    t.Wiersz(raport::Werdykt(w.CzyBezUsterek(),
                             {{!w.CzyStrukturaCala(), "struktura"},
                              {w.StanSum() == EStanSum::Niezgodne, "sumy kontrolne"},
                              {w.CzyPrzeczytany() && !w.CzyOdwolaniaCale(), "odwołania"},
                              {w.m_nIdentyfikatory > 0, "dane osobowe"}}));
}

std::string TekstPliku(const CWynikSprawdzenia& w) {
    CTekst t;
    t.Wiersz("Plik: " + Cp1250DoUtf8(w.m_strPlik), 0);
    if (!w.m_bOtwarty) {
        t.Wiersz(Cp1250DoUtf8(w.m_strBlad));
        return t.m_str;
    }
    Struktura(w, t);
    Sumy(w, t);
    Odwolania(w, t);
    DaneOsobowe(w, t);
    Wynik(w, t);
    return t.m_str;
}

Json JsonSumy(const CSumaKontrolna& suma) {
    Json j;
    if (!suma.m_strCzesc.empty())
        j["sekcja"] = Cp1250DoUtf8(suma.m_strCzesc);
    j["wiersz"] = suma.m_nLinia;
    j["zapisana"] = suma.m_bZapisana ? Json(Cp1250DoUtf8(suma.m_strZapisana)) : Json(nullptr);
    j["obliczona"] = suma.m_nObliczona;
    j["zgodna"] = suma.CzyZgodna();
    return j;
}

Json JsonStruktury(const CWynikSprawdzenia& w) {
    Json j;
    j["kompletna"] = w.CzyStrukturaCala();
    j["sekcje"] = Json::array();
    for (const std::string& str : w.m_astrSekcje)
        j["sekcje"].push_back(Cp1250DoUtf8(str));
    j["koniec_pliku"] = w.m_bKoniecPliku;
    j["uwagi"] = Json::array();
    for (const CUwagaStruktury& u : w.m_uwagi)
        j["uwagi"].push_back({{"rodzaj", NazwaJson(JSON_UWAG, u.m_eUwaga)},
                              {"sekcja", Cp1250DoUtf8(u.m_strSekcja)},
                              {"wiersz", u.m_nLinia}});
    j["naglowek"] = {{"TR", Cp1250DoUtf8(w.m_strJednostka)},
                     {"TN", Cp1250DoUtf8(w.m_strNazwaJednostki)},
                     {"DN", Cp1250DoUtf8(w.m_strData)}};
    j["rekordy"] = w.m_nRekordy;
    j["obiekty"] = Json::array();
    for (const CLiczbaObiektow& l : w.m_obiekty)
        j["obiekty"].push_back({{"typ", Cp1250DoUtf8(l.m_strTyp)},
                                {"aktualne", l.m_nAktualne},
                                {"historyczne", l.m_nHistoryczne}});
    return j;
}

Json JsonOdwolan(const CWynikSprawdzenia& w) {
    Json j;
    j["sprawdzone"] = w.CzyPrzeczytany();
    j["liczba"] = w.m_nOdwolania;
    j["nierozwiazane"] = w.m_nNierozwiazane;
    j["grupy"] = Json::array();
    for (const CGrupaOdwolan& g : w.m_odwolania)
        j["grupy"].push_back({{"typ_rekordu", Cp1250DoUtf8(g.m_strTypRekordu)},
                              {"element", g.m_strKod},
                              {"wiazanie", Cp1250DoUtf8(g.m_strWiazanie)},
                              {"typ_celu", Cp1250DoUtf8(g.m_strTypCelu)},
                              {"liczba", g.m_nLiczba},
                              {"wiersze", g.m_anLinie}});
    return j;
}

Json JsonDanychOsobowych(const CWynikSprawdzenia& w) {
    Json j;
    j["liczba"] = w.m_nIdentyfikatory;
    j["grupy"] = Json::array();
    for (const CGrupaIdentyfikatorow& g : w.m_identyfikatory) {
        Json wystapienia = Json::array();
        for (const CWystapienie& wyst : g.m_wystapienia)
            wystapienia.push_back({{"wiersz", wyst.m_nLinia}, {"wartosc", wyst.m_strMaska}});
        j["grupy"].push_back({{"rodzaj", Nazwy(g.m_eRodzaj).szJson},
                              {"symbol", Cp1250DoUtf8(g.m_strSymbol)},
                              {"liczba", g.m_nLiczba},
                              {"wystapienia", wystapienia}});
    }
    return j;
}

Json JsonPliku(const CWynikSprawdzenia& w) {
    Json j;
    j["plik"] = Cp1250DoUtf8(w.m_strPlik);
    j["otwarty"] = w.m_bOtwarty;
    j["blad"] = w.m_bBlad
                    ? Json{{"numer", w.m_nNumerBledu < 0 ? Json(nullptr) : Json(w.m_nNumerBledu)},
                           {"tekst", Cp1250DoUtf8(w.m_strBlad)},
                           {"wiersz", w.m_nLiniaBledu}}
                    : Json(nullptr);
    j["bajty"] = w.m_nBajty;
    j["wiersze"] = w.m_nLinie;
    if (w.m_bOtwarty) {
        j["struktura"] = JsonStruktury(w);
        j["sumy_kontrolne"] = {{"stan", NazwaJson(JSON_STANOW, w.StanSum())},
                               {"sekcje", Json::array()}};
        for (const CSumaKontrolna& suma : w.m_sumySekcji)
            j["sumy_kontrolne"]["sekcje"].push_back(JsonSumy(suma));
        j["sumy_kontrolne"]["plik"] = w.m_bKoniecPliku ? JsonSumy(w.m_sumaPliku) : Json(nullptr);
        j["odwolania"] = JsonOdwolan(w);
        j["dane_osobowe"] = JsonDanychOsobowych(w);
    }
    j["kompletny"] = w.CzyCaly();
    j["bez_usterek"] = w.CzyBezUsterek();
    return j;
}

} // namespace

int KodWyjsciaSprawdzenia(const CWynikSprawdzen& wynik) {
    const auto& pliki = wynik.m_pliki;
    if (std::none_of(pliki.begin(), pliki.end(), [](const auto& w) { return w.m_bOtwarty; }))
        return 2;
    const bool bUsterki =
        std::any_of(pliki.begin(), pliki.end(), [](const auto& w) { return !w.CzyBezUsterek(); });
    return bUsterki ? 1 : 0;
}

std::string TekstSprawdzenia(const CWynikSprawdzen& wynik) {
    std::string str;
    std::size_t nBezUsterek = 0;
    for (const CWynikSprawdzenia& w : wynik.m_pliki) {
        str += (str.empty() ? "" : "\n") + TekstPliku(w);
        nBezUsterek += w.CzyBezUsterek() ? 1 : 0;
    }
    if (wynik.m_pliki.size() > 1)
        str += "\nSprawdzono plików: " + std::to_string(wynik.m_pliki.size()) +
               ", bez usterek: " + std::to_string(nBezUsterek) +
               ", z usterkami: " + std::to_string(wynik.m_pliki.size() - nBezUsterek) + "\n";
    return str;
}

std::string JsonSprawdzenia(const CWynikSprawdzen& wynik) {
    Json j;
    j["pliki"] = Json::array();
    for (const CWynikSprawdzenia& w : wynik.m_pliki)
        j["pliki"].push_back(JsonPliku(w));
    j["kod_wyjscia"] = KodWyjsciaSprawdzenia(wynik);
    return j.dump(2) + "\n";
}
