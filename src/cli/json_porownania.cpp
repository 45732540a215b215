// The JSON report of kelvor-cli --diff. The engine's texts are code page 1250; what leaves here
// is UTF-8.
#include "json_porownania.h"

#include <nlohmann/json.hpp>

#include "swde/kodowanie.h"

namespace {

using kodowanie::Cp1250DoUtf8;
using Json = nlohmann::ordered_json;

constexpr std::array<const char*, LICZBA_STANOW_REKORDU> JSON_STANOW = {
    "bez_zmian", "nowa_wersja", "nowy_identyfikator", "zmiana", "dodany", "usuniety"};

std::size_t Indeks(EStanRekordu e) { return static_cast<std::size_t>(e); }

} // namespace

std::string JsonPorownania(const CWynikPorownania& w) {
    Json j;
    j["stary"] = Cp1250DoUtf8(w.m_strStary);
    j["nowy"] = Cp1250DoUtf8(w.m_strNowy);
    if (w.m_bBlad) {
        j["blad"] = {{"plik", w.m_nPlikBledu == 0 ? "stary" : "nowy"},
                     {"numer", w.m_nNumerBledu},
                     {"tekst", Cp1250DoUtf8(w.m_strBlad)}};
        return j.dump(2) + "\n";
    }
    j["roznice"] = w.CzySaRoznice();
    Json& naglowek = j["naglowek"] = Json::array();
    for (const CPoleNaglowkaPorownania& p : w.m_naglowek)
        naglowek.push_back({{"kod", p.m_strKod},
                            {"stary", Cp1250DoUtf8(p.m_strStary)},
                            {"nowy", Cp1250DoUtf8(p.m_strNowy)}});
    Json& typy = j["typy"] = Json::array();
    for (const CLiczbyTypu& t : w.m_typy) {
        Json typ = {{"typ", Cp1250DoUtf8(t.m_strTyp)}};
        for (std::size_t i = 0; i < t.m_an.size(); ++i)
            typ[JSON_STANOW[i]] = t.m_an[i];
        typy.push_back(std::move(typ));
    }
    auto pola = [](const std::vector<CZmianaPola>& v) {
        Json a = Json::array();
        for (const CZmianaPola& p : v)
            a.push_back({{"co", Cp1250DoUtf8(p.m_strCo)},
                         {"przed", Cp1250DoUtf8(p.m_strPrzed)},
                         {"po", Cp1250DoUtf8(p.m_strPo)}});
        return a;
    };
    Json& dzialki = j["dzialki"] = Json::array();
    for (const CZmianaDzialki& d : w.m_dzialki) {
        Json dz = {{"idd", Cp1250DoUtf8(d.m_strIdd)},
                   {"id", Cp1250DoUtf8(d.m_strId)},
                   {"stan", JSON_STANOW[Indeks(d.m_eStan)]},
                   {"pola", pola(d.m_pola)}};
        if (d.m_bUzytki)
            dz["uzytki"] = {{"przed", Cp1250DoUtf8(d.m_strUzytkiPrzed)},
                            {"po", Cp1250DoUtf8(d.m_strUzytkiPo)}};
        Json& inne = dz["inne"] = Json::array();
        for (const std::size_t n : d.m_anInne)
            inne.push_back({{"typ", Cp1250DoUtf8(w.m_zmiany[n].m_strTyp)},
                            {"id", Cp1250DoUtf8(w.m_zmiany[n].m_strId)},
                            {"stan", JSON_STANOW[Indeks(w.m_zmiany[n].m_eStan)]}});
        dzialki.push_back(std::move(dz));
    }
    Json& zmiany = j["zmiany"] = Json::array();
    for (const CZmianaRekordu& z : w.m_zmiany)
        zmiany.push_back({{"typ", Cp1250DoUtf8(z.m_strTyp)},
                          {"id", Cp1250DoUtf8(z.m_strId)},
                          {"id_stary", Cp1250DoUtf8(z.m_strIdStary)},
                          {"stan", JSON_STANOW[Indeks(z.m_eStan)]},
                          {"dzialka", Cp1250DoUtf8(z.m_strDzialka)},
                          {"pola", pola(z.m_pola)}});
    return j.dump(2) + "\n";
}
