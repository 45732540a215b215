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
    std::string strSymbol;    // ISO 8859-2 bytes
    std::vector<int> anListy; // removal lists consulted, in this order
};

constexpr bool O = true;  // also the "O_" form
constexpr bool W = false; // as written only

// Relation symbols with Polish letters: Ł = A3, Ż = AF, Ą = A1 (ISO 8859-2).
const std::vector<CRegula>& Reguly() {
    static const std::vector<CRegula> reguly = {
        {{{"G5OSF", W}, {"G5INS", W}, {"G5OSZ", W}, {"G5DZE", O}, {"G5BUD", O}, {"G5LKL", W}},
         "G5RADR",
         {1}},
        {{{"G5LKL", W}}, "G5RBUD", {1, 2, 3}},
        {{{"G5JRZ", W}, {"G5BUD", O}, {"G5LKL", W}, {"G5ZMN", W}, {"G5DOK", W}, {"G5DZW", W}},
         "G5RDOK",
         {1}},
        {{{"G5KLU", O}, {"G5BUD", O}}, "G5RDZE", {1}},
        {{{"G5PDZ", W}}, "G5REPZ", {1, 2, 4, 3}},
        {{{"G5DZE", O}, {"G5BUD", O}, {"G5LKL", W}}, "G5RJDR", {1, 2, 4}},
        {{{"G5OBR", O}}, "G5RJEW", {1}},
        {{{"G5JRZ", W}}, "G5RJRO", {1, 2, 4}},
        {{{"G5JRZ", W}}, "G5RJRW", {1, 2, 4}},
        {{{"G5JEW", O},
          {"G5OBR", O},
          {"G5RST", W},
          {"G5DZE", O},
          {"G5UZG", W},
          {"G5KKL", W},
          {"G5PZG", W},
          {"G5GRN", W}},
         "G5RKRG",
         {1}},
        {{{"G5MLZ", W}}, "G5RM\xA1\xAF", {1}},
        {{{"G5ZMN", W}}, "G5ROBJ", {1, 2, 4, 3, 6}},
        {{{"G5JDR", W}, {"G5UZG", W}, {"G5KKL", W}}, "G5ROBR", {1}},
        {{{"G5UDZ", W}, {"G5UDW", W}, {"G5ZMN", W}, {"G5UDD", W}}, "G5RPOD", {1}},
        {{{"G5PDZ", W}}, "G5RPRZ", {1}},
        {{{"G5DZE", O}, {"G5BUD", O}, {"G5LKL", W}}, "G5RPW\xA3", {1}},
        {{{"G5DZE", O}, {"G5BUD", O}}, "G5RPWD", {1}},
        {{{"G5OSZ", W}}, "G5RSKD", {1}},
        {{{"G5OSZ", W}}, "G5RSZD", {1}},
        {{{"G5UDW", W}},
         "G5RW\xA3"
         "D",
         {1, 2, 4}},
        {{{"G5UDZ", W}}, "G5RW\xA3S", {1, 2, 4}},
        {{{"G5UDD", W}}, "G5RWPZ", {1}},
        {{{"G5MLZ", W}}, "G5R\xAFONA", {1}},
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
// target, and registered otherwise.
void ZastosujRegule(const CRegula& regula, Rekord& rekord, CKontekstPrzebiegu& k) {
    CElement element;
    int nPozycja = 1;
    while (ZnajdzElement(regula.strSymbol, rekord, element, nPozycja, k.czytnik)) {
        bool bUsuniety = false;
        for (int nLista : regula.anListy) {
            bUsuniety = UsunOdwolanieDoListy(nLista, rekord, element, nPozycja, k);
            if (bUsuniety)
                break;
        }
        if (!bUsuniety) {
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
        stan.m_odwolaniaGlobalne.insert(strCel1 + "," + strCel2);
    else if (strKod == "P" && strRodzaj == "P" && !strCel1.empty() && !strCel2.empty())
        stan.m_punktyGlobalne.insert(strCel1 + "," + strCel2);
    else if (strKod == "P" && strRodzaj == "K" && !strCel1.empty())
        stan.m_punktyLokalne.insert(strCel1);
}

void ZapiszRekord(const Rekord& rekord, CPlikWynikowy& wyjscie) {
    for (const std::string& strWiersz : rekord) {
        wyjscie.Zapisz(strWiersz);
        wyjscie.Zapisz("\n");
    }
}

} // namespace

bool UsunOdwolanieDoListy(int nLista, Rekord& rekord, const CElement& element, int nPozycja,
                          CKontekstPrzebiegu& k) {
    if (element.strKod != "WL" && element.strKod != "WG") {
        if (nLista == 1)
            return false;
        throw BladUzycia(k.czytnik);
    }
    if (!k.stan.Lista(nLista).Pasuje(element.strKod, element.strCel1, element.strCel2))
        return false;
    rekord.erase(rekord.begin() + nPozycja);
    return true;
}

void ZarejestrujOdwolanie(const CElement& element, CKontekstPrzebiegu& k) {
    if (element.strKod == "WL")
        k.stan.m_odwolaniaLokalne.insert(element.strCel1);
    else if (element.strKod == "WG")
        k.stan.m_odwolaniaGlobalne.insert(element.strCel1 + "," + element.strCel2);
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
    Rekord rekord;
    while (!k.CzyPrzerwac()) {
        rekord.clear();
        int nLiczba = 0;
        if (!k.czytnik.CzytajRekord("SO;", rekord, nLiczba)) {
            k.wyjscie.Zapisz("SX;\n");
            k.wyjscie.Zapisz("SWDEX;");
            k.powiadomienia.UstawPostep(k.powiadomienia.GornaGranica());
            return;
        }
        UsunSlepeOdwolania(rekord, k);
        ZapiszRekord(rekord, k.wyjscie);
        k.UstawPostepCzytnika();
    }
}
