// The dangling-reference pass: relation elements that point at removed objects are removed from
// every record; the targets of the relation elements and the point references that remain are
// recorded for the orphan pass.
#include <array>
#include <string>
#include <vector>

#include "filtr/przebiegi.h"
#include "swde/bledy.h"
#include "swde/format.h"
#include "swde/kodowanie.h"
#include "swde/rekord.h"

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

namespace {

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

bool RegulaDotyczy(const CRegula& regula, std::string_view strTyp, std::string_view strTypBezO) {
    for (const CTypReguly& typ : regula.typy)
        if (strTyp == typ.szTyp || (typ.bBezO && strTypBezO == typ.szTyp))
            return true;
    return false;
}

// What every rule's symbol begins with ("G5R").
std::string_view PoczatekSymboli() {
    static const std::string_view strPoczatek = [] {
        std::string_view str = Reguly().front().strSymbol;
        for (const CRegula& regula : Reguly()) {
            std::size_t n = 0;
            while (n < str.size() && n < regula.strSymbol.size() && str[n] == regula.strSymbol[n])
                ++n;
            str = str.substr(0, n);
        }
        return str;
    }();
    return strPoczatek;
}

// Whether field 1 of the line may be a rule's symbol: a line whose second field plainly starts
// otherwise (right after its first comma, or after "D," in a data line) holds none.
bool MozeBycRelacja(std::string_view strWiersz) {
    const std::size_t nPrzecinek = JestWierszemDanych(strWiersz) ? 1 : strWiersz.find(',');
    if (nPrzecinek == std::string_view::npos)
        return false;
    const std::string_view strReszta = strWiersz.substr(nPrzecinek + 1);
    return strReszta.starts_with(PoczatekSymboli()) || strReszta.empty() ||
           strReszta[0] == ',' || JestBialy(strReszta[0]);
}

// The rules that apply to a type as written, in rule order.
std::vector<const CRegula*> RegulyTypu(std::string_view strTyp) {
    std::vector<const CRegula*> reguly;
    const std::string strTypBezO = UsunPrefiksO(strTyp);
    for (const CRegula& regula : Reguly())
        if (RegulaDotyczy(regula, strTyp, strTypBezO))
            reguly.push_back(&regula);
    return reguly;
}

// A "WG" line that names a record the first stage made descriptive gets the descriptive type:
// the text between its second and third comma becomes the type with "O_" after "G5"; the rest
// of the line stays as it was.
std::string NazwaPrzeksztalconego(std::string_view strWiersz, std::string_view strTyp) {
    const std::size_t nDrugi = strWiersz.find(',', strWiersz.find(',') + 1);
    const std::size_t nTrzeci = strWiersz.find(',', nDrugi + 1);
    std::string str(strWiersz.substr(0, nDrugi + 1));
    str += FormaOpisowa(strTyp);
    str += strWiersz.substr(nTrzeci);
    return str;
}

// The first four fields of a line, which is all the rules and the registration look at; n
// counts them up to four.
struct CCzteryPola {
    std::array<std::string_view, 4> astr;
    int n = 0;

    explicit CCzteryPola(std::string_view strWiersz) {
        CPolaWiersza pola(strWiersz);
        while (n < 4 && pola.Nastepne(astr[static_cast<std::size_t>(n)]))
            ++n;
    }
    std::string_view operator[](int i) const { return i < n ? astr[static_cast<std::size_t>(i)] : std::string_view(); }
};

// Records what a written element line refers to: the target of a "WL" or "WG" relation, or the
// point named by a "P,P,<type>,<id>;" or "P,K,<idr>;" line of a geometry block. A "WG" line
// naming a record made descriptive is first given its descriptive type. Only lines that start
// with "W" or "P" can be any of these. bZarejestrowany: a rule has registered the line's
// target already, so only the descriptive type may still be missing.
void ZarejestrujWiersz(Rekord& rekord, std::size_t i, const CCzteryPola& pola, bool bZarejestrowany,
                       CStanPrzebiegu& stan) {
    const std::string_view strKod = pola[0];
    const std::string_view strCel1 = pola[2];
    const std::string_view strCel2 = pola[3];
    if (strKod == "WG" && pola.n >= 4 && stan.m_przeksztalcone.ZawieraPare(strCel1, strCel2)) {
        stan.m_odwolaniaGlobalne.DodajPare(FormaOpisowa(strCel1), strCel2);
        rekord.Zamien(i, NazwaPrzeksztalconego(rekord[i], strCel1));
    } else if (bZarejestrowany) {
        return;
    } else if (strKod == "WL" && !strCel1.empty()) {
        stan.m_odwolaniaLokalne.Dodaj(strCel1);
    } else if (strKod == "WG" && !strCel1.empty() && !strCel2.empty()) {
        stan.m_odwolaniaGlobalne.DodajPare(strCel1, strCel2);
    } else if (strKod == "P" && pola[1] == "P" && !strCel1.empty() && !strCel2.empty()) {
        stan.m_punktyGlobalne.DodajPare(strCel1, strCel2);
    } else if (strKod == "P" && pola[1] == "K" && !strCel1.empty()) {
        stan.m_punktyLokalne.Dodaj(strCel1);
    }
}

// The first error a rule meets: the rules run in their order, each over the lines in theirs.
struct CBladReguly {
    std::size_t nRegula = SIZE_MAX;
    EBlad eBlad = EBlad::UzycieWiazania;

    void Zanotuj(std::size_t nRegula, EBlad eBlad) {
        if (nRegula < this->nRegula)
            *this = {nRegula, eBlad};
    }
};

} // namespace

// Every rule of the type removes the elements with its symbol whose target a consulted list
// holds and registers the others; what is left is registered for the orphan pass. The rules'
// symbols differ, so one sweep over the lines applies them all: a line has at most one rule.
// An element of a rule's symbol whose code is none of "WL", "WG", "D" is error 6; a "D" one is
// error 8 (no list holds it and it cannot be registered). The error thrown is the one the
// rules would meet first, taken one after another.
void UsunSlepeOdwolania(Rekord& rekord, CStanPrzebiegu& stan, CRegulyTypow& typy) {
    if (rekord.empty())
        return;
    const std::vector<const CRegula*>& reguly = typy.Wpis(PoleWiersza(rekord[0], 2), RegulyTypu);
    auto regulaSymbolu = [&](std::string_view strSymbol) -> std::size_t {
        for (std::size_t r = 0; r < reguly.size(); ++r)
            if (reguly[r]->strSymbol == strSymbol)
                return r;
        return SIZE_MAX;
    };
    CBladReguly blad;
    for (std::size_t i = 1; i + 1 < rekord.size();) {
        const std::string_view strWiersz = rekord[i];
        if ((strWiersz[0] != 'W' && strWiersz[0] != 'P') || JestWierszemDanych(strWiersz)) {
            // No target to register: only a rule's symbol here would be an error, 8 in a "D,"
            // line (nothing can be registered for it), 6 in any other. Most symbols are
            // attributes, told apart by their first characters.
            if (!reguly.empty() && MozeBycRelacja(strWiersz)) {
                const std::size_t r = regulaSymbolu(PoleWiersza(strWiersz, 1));
                if (r != SIZE_MAX)
                    blad.Zanotuj(r, JestWierszemDanych(strWiersz) ? EBlad::UzycieWiazania
                                                                  : EBlad::FormatDanychWRekordzie);
            }
            ++i;
            continue;
        }
        const CCzteryPola pola(strWiersz);
        const std::size_t r = reguly.empty() ? SIZE_MAX : regulaSymbolu(pola[1]);
        if (r != SIZE_MAX) {
            const std::string_view strKod = pola[0];
            if (strKod != "WL" && strKod != "WG") {
                blad.Zanotuj(r, EBlad::FormatDanychWRekordzie);
                ++i;
                continue;
            }
            const std::string_view strCel2 = strKod == "WG" ? pola[3] : std::string_view();
            if (stan.Pasuje(reguly[r]->nListy, strKod, pola[2], strCel2)) {
                rekord.Usun(i);
                continue;
            }
            if (strKod == "WL")
                stan.m_odwolaniaLokalne.Dodaj(pola[2]);
            else
                stan.m_odwolaniaGlobalne.DodajPare(pola[2], strCel2);
        }
        ZarejestrujWiersz(rekord, i, pola, r != SIZE_MAX, stan);
        ++i;
    }
    if (blad.nRegula != SIZE_MAX)
        throw CSWDEException(blad.eBlad);
}

bool OdfiltrujSlepeOdwolania(CKontekstPrzebiegu& k) {
    k.stan.WyczyscOdwolania();
    COpisPrzebiegu opis;
    opis.strEtap = kodowanie::T("Filtrowanie ślepych odwołań");
    opis.eKoniec = EKoniecRekordu::JakWczytany;
    CRegulyTypow typy;
    opis.decyzja = [&](Rekord& rekord) {
        UsunSlepeOdwolania(rekord, k.stan, typy);
        return true;
    };
    return PrzejdzPlik(k, opis);
}
