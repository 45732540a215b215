// Target folders, the target check before a run and its messages.
#include "filtr/cele.h"

#include <array>
#include <cstddef>
#include <unordered_map>

#include "swde/kodowanie.h"
#include "swde/platforma.h"

namespace {

bool KonczySieSeparatorem(const std::string& strSciezka) {
    return !strSciezka.empty() && platforma::OstatniSeparator(strSciezka) == strSciezka.size() - 1;
}

bool FolderIstnieje(const std::string& strCel) {
    const std::string strKatalog = KatalogPliku(strCel);
    return platforma::JestKatalogiem(strKatalog.empty() ? std::string(".") : strKatalog);
}

} // namespace

std::string CelWKatalogu(const std::string& strKatalog, const std::string& strCel) {
    std::string strWynik = strKatalog;
    if (!strWynik.empty() && !KonczySieSeparatorem(strWynik))
        strWynik += platforma::Separator();
    return strWynik + platforma::NazwaPliku(strCel);
}

std::string KatalogPliku(const std::string& strSciezka) {
    const std::size_t nSeparator = platforma::OstatniSeparator(strSciezka);
    if (nSeparator == std::string::npos)
        return {};
    // The root folder keeps its separator ("/plik" lies in "/").
    return strSciezka.substr(0, nSeparator == 0 ? 1 : nSeparator);
}

CSprawdzenieCelow SprawdzPlikiDocelowe(const std::vector<CParaPlikow>& pary) {
    CSprawdzenieCelow wynik;
    // Each target and its log named once by its key; the first and last pair writing each
    // file, so that a pair's collisions with earlier and later ones are known at once.
    struct CPary {
        std::size_t nPierwsza, nOstatnia;
    };
    std::unordered_map<std::string, CPary> pisane;
    std::vector<std::array<std::string, 2>> klucze(pary.size());
    for (std::size_t i = 0; i < pary.size(); ++i) {
        klucze[i] = {platforma::KluczPliku(pary[i].m_strCel),
                     platforma::KluczPliku(NazwaLogu(pary[i].m_strCel))};
        for (const std::string& strKlucz : klucze[i]) {
            const auto [it, bNowy] = pisane.try_emplace(strKlucz, CPary{i, i});
            it->second.nOstatnia = i;
        }
    }
    for (std::size_t i = 0; i < pary.size(); ++i) {
        const std::string& strCel = pary[i].m_strCel;
        if (!FolderIstnieje(strCel) || platforma::JestKatalogiem(strCel)) {
            wynik.m_astrBledneFoldery.push_back(strCel);
        } else {
            // The log is replaced like the target, so an existing one is asked about too.
            for (const std::string& strPlik : {strCel, NazwaLogu(strCel)})
                if (platforma::NazwaZajeta(strPlik))
                    wynik.m_astrIstniejace.push_back(strPlik);
        }

        bool bWczesniej = false, bPozniej = false;
        for (const std::string& strKlucz : klucze[i]) {
            const CPary& p = pisane.at(strKlucz);
            bWczesniej = bWczesniej || p.nPierwsza < i;
            bPozniej = bPozniej || p.nOstatnia > i;
        }
        if (bPozniej && !bWczesniej)
            wynik.m_astrPowtorzone.push_back(strCel);
    }
    return wynik;
}

std::string ListaSciezek(const std::vector<std::string>& astrSciezki) {
    std::string strLista;
    for (const std::string& strSciezka : astrSciezki) {
        if (!strLista.empty())
            strLista += ",\n";
        strLista += strSciezka;
    }
    return strLista;
}

std::string TekstBlednychFolderow(const std::vector<std::string>& astrSciezki) {
    static const std::string strPoczatek =
        kodowanie::T("Poniższe pliki docelowe są umieszczone w nieprawidłowych folderach:\n");
    static const std::string strKoniec = kodowanie::T(
        ".\n\nNależy poprawić nazwy folderów, w których mają zostać umieszczone pliki docelowe.");
    return strPoczatek + ListaSciezek(astrSciezki) + strKoniec;
}

std::string TekstIstniejacych(const std::vector<std::string>& astrSciezki) {
    static const std::string strPoczatek = kodowanie::T("Poniższe pliki docelowe już istnieją:\n");
    return strPoczatek + ListaSciezek(astrSciezki) + ".";
}

std::string PytanieOIstniejace(const std::vector<std::string>& astrSciezki) {
    static const std::string strPytanie =
        kodowanie::T("\n\nCzy chcesz je zastąpić nowymi plikami o tej samej nazwie?");
    return TekstIstniejacych(astrSciezki) + strPytanie;
}

std::string TekstPowtorzonych(const std::vector<std::string>& astrSciezki) {
    static const std::string strPoczatek =
        kodowanie::T("Kilka plików źródłowych ma ten sam plik docelowy:\n");
    return strPoczatek + ListaSciezek(astrSciezki) + ".";
}
