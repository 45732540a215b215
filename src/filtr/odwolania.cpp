// The dangling-reference pass: relation elements that point at removed objects are removed from
// every record; the targets of the relation elements and the point references that remain are
// recorded for the orphan pass.
#include <string>
#include <vector>

#include "filtr/elementy.h"
#include "filtr/przebiegi.h"
#include "filtr/sekcje.h"
#include "swde/bledy.h"
#include "swde/kodowanie.h"
#include "swde/rekord.h"

namespace {

// A type a rule applies to; with bBezO the "O_" form of the type counts too.
struct CTypReguly {
    const char* szTyp;
    bool bBezO;
};

struct CRegula {
    std::vector<CTypReguly> typy;
    std::string strSymbol; // ISO 8859-2 bytes
    unsigned nListy;       // removal lists consulted
};

constexpr bool O = true;  // also the "O_" form
constexpr bool W = false; // as written only

// Relation symbols with Polish letters: Ł = A3, Ż = AF, Ą = A1 (ISO 8859-2).
const std::vector<CRegula>& Reguly() {
    static const std::vector<CRegula> reguly = {
        {{{"G5OSF", W}, {"G5INS", W}, {"G5OSZ", W}, {"G5DZE", O}, {"G5BUD", O}, {"G5LKL", W}},
         "G5RADR",
         Listy({1})},
        {{{"G5LKL", W}}, "G5RBUD", Listy({1, 2, 3})},
        {{{"G5JRZ", W}, {"G5BUD", O}, {"G5LKL", W}, {"G5ZMN", W}, {"G5DOK", W}, {"G5DZW", W}},
         "G5RDOK",
         Listy({1})},
        {{{"G5KLU", O}, {"G5BUD", O}}, "G5RDZE", Listy({1})},
        {{{"G5PDZ", W}}, "G5REPZ", Listy({1, 2, 4, 3})},
        {{{"G5DZE", O}, {"G5BUD", O}, {"G5LKL", W}}, "G5RJDR", Listy({1, 2, 4})},
        {{{"G5OBR", O}}, "G5RJEW", Listy({1})},
        {{{"G5JRZ", W}}, "G5RJRO", Listy({1, 2, 4})},
        {{{"G5JRZ", W}}, "G5RJRW", Listy({1, 2, 4})},
        {{{"G5JEW", O},
          {"G5OBR", O},
          {"G5RST", W},
          {"G5DZE", O},
          {"G5UZG", W},
          {"G5KKL", W},
          {"G5PZG", W},
          {"G5GRN", W}},
         "G5RKRG",
         Listy({1})},
        {{{"G5MLZ", W}}, "G5RM\xA1\xAF", Listy({1})},
        {{{"G5ZMN", W}}, "G5ROBJ", Listy({1, 2, 4, 3, 6})},
        {{{"G5JDR", W}, {"G5UZG", W}, {"G5KKL", W}}, "G5ROBR", Listy({1})},
        {{{"G5UDZ", W}, {"G5UDW", W}, {"G5ZMN", W}, {"G5UDD", W}}, "G5RPOD", Listy({1})},
        {{{"G5PDZ", W}}, "G5RPRZ", Listy({1})},
        {{{"G5DZE", O}, {"G5BUD", O}, {"G5LKL", W}}, "G5RPW\xA3", Listy({1})},
        {{{"G5DZE", O}, {"G5BUD", O}}, "G5RPWD", Listy({1})},
        {{{"G5OSZ", W}}, "G5RSKD", Listy({1})},
        {{{"G5OSZ", W}}, "G5RSZD", Listy({1})},
        {{{"G5UDW", W}},
         "G5RW\xA3"
         "D",
         Listy({1, 2, 4})},
        {{{"G5UDZ", W}}, "G5RW\xA3S", Listy({1, 2, 4})},
        {{{"G5UDD", W}}, "G5RWPZ", Listy({1})},
        {{{"G5MLZ", W}}, "G5R\xAFONA", Listy({1})},
    };
    return reguly;
}

bool RegulaDotyczy(const CRegula& regula, const std::string& strTyp,
                   const std::string& strTypBezO) {
    for (const CTypReguly& typ : regula.typy)
        if (strTyp == typ.szTyp || (typ.bBezO && strTypBezO == typ.szTyp))
            return true;
    return false;
}

CSWDEException BladUzycia(const CCzytnikSWDE& czytnik) {
    return CSWDEException(8, blad::UzycieWiazania(), czytnik.m_nLinia, czytnik.m_nPozycja);
}

// Applies one rule: every element with its symbol is removed when a consulted list holds its
// target, and registered otherwise. An element of another code than "WL" or "WG" is error 8:
// the first list passes it over, and the next list or the registration refuses it.
void ZastosujRegule(const CRegula& regula, Rekord& rekord, CKontekstPrzebiegu& k) {
    CElement element;
    int nPozycja = 1;
    while (ZnajdzElement(regula.strSymbol, rekord, element, nPozycja, k.czytnik)) {
        if (k.stan.Pasuje(regula.nListy, element.strKod, element.strCel1, element.strCel2)) {
            rekord.erase(rekord.begin() + nPozycja);
        } else {
            ZarejestrujOdwolanie(element, k);
            ++nPozycja;
        }
    }
}

// Records what a written element line refers to: the target of a "WL" or "WG" relation, or the
// point named by a "P,P,<type>,<id>;" or "P,K,<idr>;" line of a geometry block.
void ZarejestrujWiersz(const std::string& strWiersz, CStanPrzebiegu& stan) {
    thread_local std::vector<std::string> astrPola;
    if (strWiersz.size() < 2 || JestWierszemDanych(strWiersz))
        return;
    const int n = PodzielWiersz(strWiersz, astrPola);
    const std::string& strKod = Pole(astrPola, n, 0);
    const std::string& strRodzaj = Pole(astrPola, n, 1);
    const std::string& strCel1 = Pole(astrPola, n, 2);
    const std::string& strCel2 = Pole(astrPola, n, 3);
    if (strKod == "WL" && !strCel1.empty())
        stan.m_odwolaniaLokalne.insert(strCel1);
    else if (strKod == "WG" && !strCel1.empty() && !strCel2.empty())
        DodajPare(stan.m_odwolaniaGlobalne, strCel1, strCel2);
    else if (strKod == "P" && strRodzaj == "P" && !strCel1.empty() && !strCel2.empty())
        DodajPare(stan.m_punktyGlobalne, strCel1, strCel2);
    else if (strKod == "P" && strRodzaj == "K" && !strCel1.empty())
        stan.m_punktyLokalne.insert(strCel1);
}

} // namespace

void ZarejestrujOdwolanie(const CElement& element, CKontekstPrzebiegu& k) {
    if (element.strKod == "WL")
        k.stan.m_odwolaniaLokalne.insert(element.strCel1);
    else if (element.strKod == "WG")
        DodajPare(k.stan.m_odwolaniaGlobalne, element.strCel1, element.strCel2);
    else
        throw BladUzycia(k.czytnik);
}

void UsunSlepeOdwolania(Rekord& rekord, CKontekstPrzebiegu& k) {
    if (rekord.empty())
        return;
    thread_local std::vector<std::string> astrPola;
    const int n = PodzielWiersz(rekord[0], astrPola);
    const std::string strTyp = Pole(astrPola, n, 2);
    const std::string strTypBezO = UsunPrefiksO(strTyp);
    for (const CRegula& regula : Reguly())
        if (RegulaDotyczy(regula, strTyp, strTypBezO))
            ZastosujRegule(regula, rekord, k);
    // Everything left is written: the orphan pass must know every object it still names.
    for (std::size_t i = 1; i + 1 < rekord.size(); ++i)
        ZarejestrujWiersz(rekord[i], k.stan);
}

void OdfiltrujSlepeOdwolania(CKontekstPrzebiegu& k) {
    static const std::string strEtap = kodowanie::T("Filtrowanie ślepych odwołań");
    k.stan.WyczyscOdwolania();
    KopiujSekcjeSN(k);
    KopiujSekcjeSP(k);
    KopiujSekcjeST(k);
    k.powiadomienia.UstawPostep(0);
    k.powiadomienia.UstawEtap(strEtap);
    k.wyjscie.Zapisz("SO;\n");
    k.czytnik.m_bPrzewin = true;
    k.czytnik.m_bSzukajSekcji = true;
    const bool bKoniec = PrzejdzRekordySO(k, EKoniecRekordu::JakWczytany, [&](Rekord& rekord) {
        UsunSlepeOdwolania(rekord, k);
        return true;
    });
    if (bKoniec) {
        k.wyjscie.Zapisz("SX;\nSWDEX;");
    }
}
