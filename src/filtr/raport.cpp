// The log report.
#include "filtr/raport.h"

#include <cstdio>

#include "opcje/slownik.h"
#include "swde/kodowanie.h"

namespace {

long Liczba(const MapaLicznikow& mapa, const std::string& strSymbol) {
    const auto it = mapa.find(strSymbol);
    return it == mapa.end() ? 0 : it->second;
}

std::string WierszTabeli(const std::string& strSymbol, const CStanPrzebiegu& stan) {
    const long nZrodloAkt = Liczba(stan.m_mapaZrodloAkt, strSymbol);
    const long nZrodloHist = Liczba(stan.m_mapaZrodloHist, strSymbol);
    const long nCelAkt = Liczba(stan.m_mapaCelAkt, strSymbol);
    const long nCelHist = Liczba(stan.m_mapaCelHist, strSymbol);
    std::string strWiersz = strSymbol + ":";
    for (long n : {nZrodloAkt, nZrodloHist, nZrodloAkt + nZrodloHist, nCelAkt, nCelHist,
                   nCelAkt + nCelHist}) {
        strWiersz += "\t" + std::to_string(n);
    }
    return strWiersz;
}

} // namespace

std::int64_t ZapiszWLogu(CPlikLogu& log, const std::string& strTekst, bool bPustaLinia) {
    const std::int64_t nCzas = platforma::Teraz();
    std::string strWiersz = bPustaLinia ? "\n" : "";
    strWiersz += platforma::CzasLokalny(nCzas, "%Y-%m-%d %H:%M:%S ");
    strWiersz += strTekst;
    strWiersz += "\n";
    log.Zapisz(strWiersz);
    log.Oproznij();
    return nCzas;
}

void ZapiszUstawienia(CPlikLogu& log, const COpcjeFiltrowania& opcje) {
    static const std::string strPoczatek = kodowanie::T("Rozpoczęcie filtrowania zgodnego z ");
    static const std::string strUzytkownika = kodowanie::T("ustawieniami użytkownika...");
    static const std::string strPlikiem = kodowanie::T("plikiem konfiguracyjnym: '");
    ZapiszWLogu(log, strPoczatek + (opcje.m_bZmienione
                                        ? strUzytkownika
                                        : strPlikiem + opcje.m_strPlikKonfiguracji + "'"));
}

void ZapiszFiltrowaneObiekty(CPlikLogu& log, const COpcjeFiltrowania& opcje) {
    std::string strBlok = "\nFiltrowane obiekty:\n";
    for (int nBit = 0; nBit < LICZBA_GRUP; ++nBit) {
        strBlok += OpisGrupy(nBit).m_strEtykietaLogu;
        strBlok += opcje.CzyGrupaZaznaczona(nBit) ? " (T)\n" : " (N)\n";
    }
    log.Zapisz(strBlok);
}

void ZapiszFiltrowaneAtrybuty(CPlikLogu& log, const COpcjeFiltrowania& opcje) {
    std::string strBlok = "\nFiltrowane atrybuty:\n";
    for (int nTyp = 1; nTyp <= LICZBA_TYPOW; ++nTyp) {
        const COpisTypu& typ = OpisTypu(nTyp);
        strBlok += typ.m_strEtykietaLogu;
        for (std::size_t i = 0; i < typ.m_atrybuty.size(); ++i) {
            strBlok += i == 0 ? "" : ", ";
            strBlok += typ.m_atrybuty[i].m_strSymbolLogu;
            strBlok += opcje.CzyAtrybutZaznaczony(nTyp, static_cast<int>(i)) ? "(T)" : "(N)";
        }
        strBlok += "\n";
    }
    log.Zapisz(strBlok);
}

void ZapiszTabeleObiektow(CPlikLogu& log, const CStanPrzebiegu& stan) {
    static const std::string strTytul = kodowanie::T("Liczba obiektów");
    static const std::string strPliki = kodowanie::T("\t\tPlik źródłowy\t\tPlik docelowy");
    ZapiszWLogu(log, strTytul, true);
    ZapiszWLogu(log, strPliki);
    ZapiszWLogu(log, "Symbol\tAkt.\tHist.\tRazem\tAkt.\tHist.\tRazem");
    for (char cLitera = 'A'; cLitera <= 'Z'; ++cLitera) {
        for (const auto& [strSymbol, nLiczba] : stan.m_mapaZrodloAkt) {
            if (strSymbol.size() > 2 && strSymbol[2] == cLitera) {
                ZapiszWLogu(log, WierszTabeli(strSymbol, stan));
            }
        }
    }
}

void ZapiszUsunieteSieroty(CPlikLogu& log, const CStanPrzebiegu& stan) {
    static const std::string strTytul = kodowanie::T("Usunięto obiektów sierot: ");
    MapaLicznikow razem = stan.m_mapaSierotyAkt;
    for (const auto& [strSymbol, n] : stan.m_mapaSierotyHist)
        razem[strSymbol] += n;
    long nRazem = 0;
    for (const auto& [strSymbol, n] : razem)
        nRazem += n;
    ZapiszWLogu(log, strTytul + std::to_string(nRazem));
    if (nRazem == 0)
        return;
    ZapiszWLogu(log, "Symbol\tAkt.\tHist.\tRazem");
    for (const auto& [strSymbol, n] : razem) {
        ZapiszWLogu(log, strSymbol + ":\t" + std::to_string(Liczba(stan.m_mapaSierotyAkt, strSymbol)) +
                             "\t" + std::to_string(Liczba(stan.m_mapaSierotyHist, strSymbol)) +
                             "\t" + std::to_string(n));
    }
}

std::string CzasTrwania(std::int64_t nSekundy) {
    if (nSekundy < 0) {
        nSekundy = 0;
    }
    char szTekst[64];
    std::snprintf(szTekst, sizeof szTekst, "%lld:%02d:%02d:%02d",
                  static_cast<long long>(nSekundy / 86400), static_cast<int>(nSekundy / 3600 % 24),
                  static_cast<int>(nSekundy / 60 % 60), static_cast<int>(nSekundy % 60));
    return szTekst;
}
