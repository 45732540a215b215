// The dangling-reference pass: relation elements that point at removed objects are removed from
// every record; the targets of the relation elements and the point references that remain are
// recorded for the orphan pass.
#include <string>
#include <vector>

#include "filtr/elementy.h"
#include "filtr/przebiegi.h"
#include "swde/bledy.h"
#include "swde/format.h"
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
    std::string_view strSymbol; // ISO 8859-2 bytes
    unsigned nListy;            // removal lists consulted
};

constexpr bool O = true;  // also the "O_" form
constexpr bool W = false; // as written only

constexpr ELista L1 = ListaUsunietych, L2 = ListaJednostekBudynkow, L3 = ListaBudynkow,
                 L4 = ListaJednostekLokali, L6 = ListaDzierzaw;

const std::vector<CRegula>& Reguly() {
    static const std::vector<CRegula> reguly = {
        {{{"G5OSF", W}, {"G5INS", W}, {"G5OSZ", W}, {"G5DZE", O}, {"G5BUD", O}, {"G5LKL", W}},
         "G5RADR",
         Listy({L1})},
        {{{"G5LKL", W}}, "G5RBUD", Listy({L1, L2, L3})},
        {{{"G5JRZ", W}, {"G5BUD", O}, {"G5LKL", W}, {"G5ZMN", W}, {"G5DOK", W}, {"G5DZW", W}},
         "G5RDOK",
         Listy({L1})},
        {{{"G5KLU", O}, {"G5BUD", O}}, "G5RDZE", Listy({L1})},
        {{{"G5PDZ", W}}, "G5REPZ", Listy({L1, L2, L4, L3})},
        {{{"G5DZE", O}, {"G5BUD", O}, {"G5LKL", W}}, "G5RJDR", Listy({L1, L2, L4})},
        {{{"G5OBR", O}}, "G5RJEW", Listy({L1})},
        {{{"G5JRZ", W}}, "G5RJRO", Listy({L1, L2, L4})},
        {{{"G5JRZ", W}}, "G5RJRW", Listy({L1, L2, L4})},
        {{{"G5JEW", O},
          {"G5OBR", O},
          {"G5RST", W},
          {"G5DZE", O},
          {"G5UZG", W},
          {"G5KKL", W},
          {"G5PZG", W},
          {"G5GRN", W}},
         "G5RKRG",
         Listy({L1})},
        {{{"G5MLZ", W}}, format::G5RMAZ, Listy({L1})},
        {{{"G5ZMN", W}}, "G5ROBJ", Listy({L1, L2, L4, L3, L6})},
        {{{"G5JDR", W}, {"G5UZG", W}, {"G5KKL", W}}, "G5ROBR", Listy({L1})},
        {{{"G5UDZ", W}, {"G5UDW", W}, {"G5ZMN", W}, {"G5UDD", W}}, "G5RPOD", Listy({L1})},
        {{{"G5PDZ", W}}, "G5RPRZ", Listy({L1})},
        {{{"G5DZE", O}, {"G5BUD", O}, {"G5LKL", W}}, format::G5RPWL, Listy({L1})},
        {{{"G5DZE", O}, {"G5BUD", O}}, "G5RPWD", Listy({L1})},
        {{{"G5OSZ", W}}, "G5RSKD", Listy({L1})},
        {{{"G5OSZ", W}}, "G5RSZD", Listy({L1})},
        {{{"G5UDW", W}}, format::G5RWLD, Listy({L1, L2, L4})},
        {{{"G5UDZ", W}}, format::G5RWLS, Listy({L1, L2, L4})},
        {{{"G5UDD", W}}, "G5RWPZ", Listy({L1})},
        {{{"G5MLZ", W}}, format::G5RZONA, Listy({L1})},
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

// Applies one rule: every element with its symbol is removed when a consulted list holds its
// target, and registered otherwise. An element of another code than "WL" or "WG" is error 8:
// the first list passes it over, and the next list or the registration refuses it.
void ZastosujRegule(const CRegula& regula, Rekord& rekord, CStanPrzebiegu& stan) {
    CElement element;
    int nPozycja = 1;
    while (ZnajdzElement(regula.strSymbol, rekord, element, nPozycja)) {
        if (stan.Pasuje(regula.nListy, element.strKod, element.strCel1, element.strCel2)) {
            rekord.erase(rekord.begin() + nPozycja);
        } else {
            ZarejestrujOdwolanie(element, stan);
            ++nPozycja;
        }
    }
}

// A "WG" line that names a record the first stage made descriptive gets the descriptive type:
// the text between its second and third comma becomes the type with "O_" after "G5"; the rest
// of the line stays as it was.
void NazwijPrzeksztalcony(std::string& strWiersz, const std::string& strTyp) {
    const std::size_t nDrugi = strWiersz.find(',', strWiersz.find(',') + 1);
    const std::size_t nTrzeci = strWiersz.find(',', nDrugi + 1);
    strWiersz.replace(nDrugi + 1, nTrzeci - nDrugi - 1, FormaOpisowa(strTyp));
}

// Records what a written element line refers to: the target of a "WL" or "WG" relation, or the
// point named by a "P,P,<type>,<id>;" or "P,K,<idr>;" line of a geometry block. A "WG" line
// naming a record made descriptive is first given its descriptive type.
void ZarejestrujWiersz(std::string& strWiersz, CStanPrzebiegu& stan) {
    thread_local std::vector<std::string> astrPola;
    if (strWiersz.size() < 2 || JestWierszemDanych(strWiersz))
        return;
    const int n = PodzielWiersz(strWiersz, astrPola);
    const std::string& strKod = Pole(astrPola, n, 0);
    const std::string& strRodzaj = Pole(astrPola, n, 1);
    const std::string& strCel1 = Pole(astrPola, n, 2);
    const std::string& strCel2 = Pole(astrPola, n, 3);
    if (strKod == "WL" && !strCel1.empty()) {
        stan.m_odwolaniaLokalne.insert(strCel1);
    } else if (strKod == "WG" && n >= 4 && ZawieraPare(stan.m_przeksztalcone, strCel1, strCel2)) {
        NazwijPrzeksztalcony(strWiersz, strCel1);
        DodajPare(stan.m_odwolaniaGlobalne, FormaOpisowa(strCel1), strCel2);
    } else if (strKod == "WG" && !strCel1.empty() && !strCel2.empty())
        DodajPare(stan.m_odwolaniaGlobalne, strCel1, strCel2);
    else if (strKod == "P" && strRodzaj == "P" && !strCel1.empty() && !strCel2.empty())
        DodajPare(stan.m_punktyGlobalne, strCel1, strCel2);
    else if (strKod == "P" && strRodzaj == "K" && !strCel1.empty())
        stan.m_punktyLokalne.insert(strCel1);
}

} // namespace

void ZarejestrujOdwolanie(const CElement& element, CStanPrzebiegu& stan) {
    if (element.strKod == "WL")
        stan.m_odwolaniaLokalne.insert(element.strCel1);
    else if (element.strKod == "WG")
        DodajPare(stan.m_odwolaniaGlobalne, element.strCel1, element.strCel2);
    else
        throw CSWDEException(EBlad::UzycieWiazania);
}

void UsunSlepeOdwolania(Rekord& rekord, CStanPrzebiegu& stan) {
    if (rekord.empty())
        return;
    thread_local std::vector<std::string> astrPola;
    const int n = PodzielWiersz(rekord[0], astrPola);
    const std::string strTyp = Pole(astrPola, n, 2);
    const std::string strTypBezO = UsunPrefiksO(strTyp);
    for (const CRegula& regula : Reguly())
        if (RegulaDotyczy(regula, strTyp, strTypBezO))
            ZastosujRegule(regula, rekord, stan);
    // Everything left is written: the orphan pass must know every object it still names.
    for (std::size_t i = 1; i + 1 < rekord.size(); ++i)
        ZarejestrujWiersz(rekord[i], stan);
}

bool OdfiltrujSlepeOdwolania(CKontekstPrzebiegu& k) {
    k.stan.WyczyscOdwolania();
    COpisPrzebiegu opis;
    opis.strEtap = kodowanie::T("Filtrowanie ślepych odwołań");
    opis.eKoniec = EKoniecRekordu::JakWczytany;
    opis.decyzja = [&](Rekord& rekord) {
        UsunSlepeOdwolania(rekord, k.stan);
        return true;
    };
    return PrzejdzPlik(k, opis);
}
