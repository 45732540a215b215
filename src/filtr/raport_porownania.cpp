// Renderings of the comparison's result, for the console and the window alike. The engine's
// texts are code page 1250; what leaves here is UTF-8. Personal data arrives masked already.
#include "filtr/raport_porownania.h"

#include <array>

#include "swde/kodowanie.h"

namespace {

using kodowanie::Cp1250DoUtf8;

// Column heads of the summary.
constexpr std::array<const char*, LICZBA_STANOW_REKORDU> KOLUMNY = {
    "bez zmian", "nowa wersja", "nowy identyfikator", "zmiana", "dodane", "usunięte"};

std::string Stan(EStanRekordu e) { return Cp1250DoUtf8(NazwaStanu(e)); }

// "G5DZE 5001" or, for a new identifier, "G5DZE 5001 (dawniej 4711)".
std::string Rekord(const CZmianaRekordu& z) {
    std::string str = Cp1250DoUtf8(z.m_strTyp + " " + z.m_strId);
    if (!z.m_strIdStary.empty() && z.m_strIdStary != z.m_strId)
        str += " (dawniej " + Cp1250DoUtf8(z.m_strIdStary) + ")";
    return str;
}

std::string Zmiana(const CZmianaPola& p) {
    auto wartosc = [](const std::string& s) { return s.empty() ? std::string("—") : Cp1250DoUtf8(s); };
    return Cp1250DoUtf8(p.m_strCo) + ": " + wartosc(p.m_strPrzed) + " → " + wartosc(p.m_strPo);
}

std::string StanDzialki(const CZmianaDzialki& d) {
    return d.m_eStan == EStanRekordu::Dodany     ? "dodana"
           : d.m_eStan == EStanRekordu::Usuniety ? "usunięta"
                                                 : "zmiana";
}

} // namespace

int KodWyjsciaPorownania(const CWynikPorownania& wynik) {
    if (wynik.m_bBlad)
        return 2;
    return wynik.CzySaRoznice() ? 1 : 0;
}

std::string TekstPorownania(const CWynikPorownania& w) {
    std::string s = "Porównanie plików\n  stary: " + Cp1250DoUtf8(w.m_strStary) +
                    "\n  nowy:  " + Cp1250DoUtf8(w.m_strNowy) + "\n";
    if (w.m_bBlad) {
        s += "BŁĄD w pliku " + std::string(w.m_nPlikBledu == 0 ? "starym" : "nowym") + ": " +
             Cp1250DoUtf8(w.m_strBlad) + "\n";
        return s;
    }
    s += "\nNagłówek (SN;), stary | nowy:\n";
    for (const CPoleNaglowkaPorownania& p : w.m_naglowek)
        s += "  " + p.m_strKod + ": " + Cp1250DoUtf8(p.m_strStary) +
             (p.m_strStary == p.m_strNowy ? "" : " | " + Cp1250DoUtf8(p.m_strNowy)) + "\n";
    // A table: every count right-aligned under its column head.
    s += "\nRekordy według typów:\n  typ     ";
    for (const char* sz : KOLUMNY)
        s += std::string("  ") + sz;
    s += "\n";
    for (const CLiczbyTypu& t : w.m_typy) {
        const std::string strTyp = Cp1250DoUtf8(t.m_strTyp);
        s += "  " + strTyp + std::string(strTyp.size() < 8 ? 8 - strTyp.size() : 0, ' ');
        for (std::size_t i = 0; i < t.m_an.size(); ++i) {
            const std::string strLiczba = std::to_string(t.m_an[i]);
            const std::size_t nSzerokosc = kodowanie::Utf8DoCp1250(KOLUMNY[i]).size() + 2;
            s += std::string(nSzerokosc > strLiczba.size() ? nSzerokosc - strLiczba.size() : 0,
                             ' ') + strLiczba;
        }
        s += "\n";
    }
    s += "\nDziałki:\n";
    if (w.m_dzialki.empty())
        s += "  bez zmian\n";
    for (const CZmianaDzialki& d : w.m_dzialki) {
        s += "  " + Cp1250DoUtf8(d.m_strIdd) + " (" + StanDzialki(d) + ")\n";
        for (const CZmianaPola& p : d.m_pola)
            s += "    " + Zmiana(p) + "\n";
        if (d.m_bUzytki)
            s += "    użytki: " + Cp1250DoUtf8(d.m_strUzytkiPrzed) + " → " +
                 Cp1250DoUtf8(d.m_strUzytkiPo) + "\n";
        for (const std::size_t n : d.m_anInne) {
            s += "    " + Rekord(w.m_zmiany[n]) + ": " + Stan(w.m_zmiany[n].m_eStan) + "\n";
            for (const CZmianaPola& p : w.m_zmiany[n].m_pola)
                s += "      " + Zmiana(p) + "\n";
        }
    }
    s += "\nRekordy:\n";
    if (w.m_zmiany.empty())
        s += "  bez zmian\n";
    for (const CZmianaRekordu& z : w.m_zmiany) {
        s += "  " + Rekord(z) + ": " + Stan(z.m_eStan);
        if (!z.m_strDzialka.empty())
            s += " (działka " + Cp1250DoUtf8(z.m_strDzialka) + ")";
        s += "\n";
        for (const CZmianaPola& p : z.m_pola)
            s += "    " + Zmiana(p) + "\n";
    }
    s += w.CzySaRoznice() ? "\nWynik: pliki się różnią.\n" : "\nWynik: brak różnic.\n";
    return s;
}

std::string CsvPorownania(const CWynikPorownania& w) {
    auto pole = [](const std::string& strCp1250) {
        const std::string str = Cp1250DoUtf8(strCp1250);
        if (str.find_first_of(";\"\r\n") == std::string::npos)
            return str;
        std::string s = "\"";
        for (const char c : str)
            s += c == '"' ? std::string("\"\"") : std::string(1, c);
        return s + "\"";
    };
    std::string s = "\xEF\xBB\xBFtyp;identyfikator;działka;co;przed;po\r\n";
    auto wiersz = [&](const std::string& strTyp, const std::string& strId,
                      const std::string& strDzialka, const std::string& strCo,
                      const std::string& strPrzed, const std::string& strPo) {
        s += pole(strTyp) + ";" + pole(strId) + ";" + pole(strDzialka) + ";" + pole(strCo) + ";" +
             pole(strPrzed) + ";" + pole(strPo) + "\r\n";
    };
    for (const CZmianaDzialki& d : w.m_dzialki)
        if (d.m_bUzytki)
            wiersz("G5DZE", d.m_strId, d.m_strIdd, kodowanie::T("użytki"), d.m_strUzytkiPrzed,
                   d.m_strUzytkiPo);
    for (const CZmianaRekordu& z : w.m_zmiany) {
        if (z.m_pola.empty())
            wiersz(z.m_strTyp, z.m_strId, z.m_strDzialka, NazwaStanu(z.m_eStan),
                   z.m_strIdStary, z.m_eStan == EStanRekordu::Usuniety ? "" : z.m_strId);
        for (const CZmianaPola& p : z.m_pola)
            wiersz(z.m_strTyp, z.m_strId, z.m_strDzialka, p.m_strCo, p.m_strPrzed, p.m_strPo);
    }
    return s;
}

std::string HtmlPorownania(const CWynikPorownania& w) {
    auto h = [](const std::string& strCp1250) {
        std::string s;
        for (const char c : Cp1250DoUtf8(strCp1250)) {
            switch (c) {
            case '<': s += "&lt;"; break;
            case '>': s += "&gt;"; break;
            case '&': s += "&amp;"; break;
            case '"': s += "&quot;"; break;
            default: s += c;
            }
        }
        return s;
    };
    auto zmiany = [&](const std::vector<CZmianaPola>& v) {
        std::string s;
        for (const CZmianaPola& p : v)
            s += "<div>" + h(p.m_strCo) + ": " + h(p.m_strPrzed) + " &rarr; " + h(p.m_strPo) +
                 "</div>";
        return s;
    };
    std::string s =
        "<!DOCTYPE html>\n<html lang=\"pl\"><head><meta charset=\"utf-8\">"
        "<title>Porównanie plików</title><style>body{font-family:sans-serif}"
        "table{border-collapse:collapse;margin-bottom:1em}td,th{border:1px solid #888;"
        "padding:2px 6px;vertical-align:top}th{background:#eee}</style></head><body>\n"
        "<h1>Porównanie plików</h1>\n<p>stary: " + h(w.m_strStary) + "<br>nowy: " +
        h(w.m_strNowy) + "</p>\n";
    if (w.m_bBlad)
        return s + "<p><b>BŁĄD w pliku " + (w.m_nPlikBledu == 0 ? "starym" : "nowym") + ": " +
               h(w.m_strBlad) + "</b></p></body></html>\n";
    s += "<h2>Rekordy według typów</h2>\n<table><tr><th>typ</th>";
    for (const char* sz : KOLUMNY)
        s += std::string("<th>") + sz + "</th>";
    s += "</tr>\n";
    for (const CLiczbyTypu& t : w.m_typy) {
        s += "<tr><td>" + h(t.m_strTyp) + "</td>";
        for (const std::uint64_t n : t.m_an)
            s += "<td align=\"right\">" + std::to_string(n) + "</td>";
        s += "</tr>\n";
    }
    s += "</table>\n<h2>Działki</h2>\n<table><tr><th>działka</th><th>stan</th><th>dane działki"
         "</th><th>użytki przed</th><th>użytki po</th><th>inne rekordy</th></tr>\n";
    for (const CZmianaDzialki& d : w.m_dzialki) {
        std::string strInne;
        for (const std::size_t n : d.m_anInne)
            strInne += "<div>" + h(w.m_zmiany[n].m_strTyp + " " + w.m_zmiany[n].m_strId) + ": " +
                       h(NazwaStanu(w.m_zmiany[n].m_eStan)) + "</div>";
        s += "<tr><td>" + h(d.m_strIdd) + "</td><td>" + StanDzialki(d) + "</td><td>" +
             zmiany(d.m_pola) + "</td><td>" + (d.m_bUzytki ? h(d.m_strUzytkiPrzed) : "") +
             "</td><td>" + (d.m_bUzytki ? h(d.m_strUzytkiPo) : "") + "</td><td>" + strInne +
             "</td></tr>\n";
    }
    s += "</table>\n<h2>Nagłówek</h2>\n<table><tr><th>pole</th><th>stary</th><th>nowy</th></tr>\n";
    for (const CPoleNaglowkaPorownania& p : w.m_naglowek)
        s += "<tr><td>" + h(p.m_strKod) + "</td><td>" + h(p.m_strStary) + "</td><td>" +
             h(p.m_strNowy) + "</td></tr>\n";
    s += "</table>\n<h2>Rekordy</h2>\n<table><tr><th>rekord</th><th>stan</th><th>działka</th>"
         "<th>zmiany</th></tr>\n";
    for (const CZmianaRekordu& z : w.m_zmiany)
        s += "<tr><td>" + h(z.m_strTyp + " " + z.m_strId) + "</td><td>" + h(NazwaStanu(z.m_eStan)) +
             "</td><td>" + h(z.m_strDzialka) + "</td><td>" + zmiany(z.m_pola) + "</td></tr>\n";
    return s + "</table>\n<p>" + (w.CzySaRoznice() ? "Pliki się różnią." : "Brak różnic.") +
           "</p>\n</body></html>\n";
}
