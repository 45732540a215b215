// The orphan pass: objects left without the relations their type needs and, for some types,
// without anything referring to them, are dropped in one sweep.
#include <vector>

#include "filtr/przebiegi.h"
#include "swde/format.h"
#include "swde/kodowanie.h"
#include "swde/rekord.h"

namespace {

using Symbole = std::vector<std::string_view>;

struct CTypSieroty {
    const char* szTyp;
    bool bBezO;      // the "O_" form of the type is judged the same way
    Symbole symbole; // own relations (ISO 8859-2 bytes)
};

const Symbole RELACJE_LOKALU = {"G5RADR", format::G5RPWL, "G5RPWD", "G5RKRG", "G5RJDR", "G5RDZE"};

// Types judged by their own relations only.
const std::vector<CTypSieroty>& TypyWlasneRelacje() {
    static const std::vector<CTypSieroty> typy = {
        {"G5GRN", false, {"G5RKRG"}},
        {"G5JRZ", false, {"G5RDOK", "G5RJRW", "G5RJRO"}},
        {"G5KKL", false, {"G5RKRG", "G5ROBR"}},
        {"G5KLU", false, {"G5RDZE"}},
        {"G5LKL", false, RELACJE_LOKALU},
        {"G5PDZ", false, {"G5RPRZ", "G5REPZ"}},
        {"G5PZG", false, {"G5RKRG"}},
        {"G5RST", false, {"G5RKRG"}},
        {"G5UDD", false, {"G5RWPZ", "G5RPOD"}},
        {"G5UDW", false, {format::G5RWLD, "G5RPOD"}},
        {"G5UDZ", false, {format::G5RWLS, "G5RPOD"}},
        {"G5UZG", false, {"G5RKRG", "G5ROBR"}},
        {"G5ZMN", false, {"G5ROBJ", "G5RDOK", "G5RPOD"}},
    };
    return typy;
}

// Types kept by their own relations or by being referred to.
const std::vector<CTypSieroty>& TypyZOdwolaniami() {
    static const std::vector<CTypSieroty> typy = {
        {"G5ADR", false, {}},
        {"G5DOK", false, {}},
        {"G5BUD", true, RELACJE_LOKALU},
        {"G5DZE", true, {"G5RADR", format::G5RPWL, "G5RPWD", "G5RKRG", "G5RJDR"}},
        {"G5DZW", false, {"G5RDOK"}},
        {"G5INS", false, {"G5RADR"}},
        {"G5JEW", true, {"G5RKRG"}},
        {"G5JDR", false, {"G5ROBR"}},
        {"G5MLZ", false, {format::G5RZONA, format::G5RMAZ}},
        {"G5OBR", true, {"G5RKRG", "G5RJEW"}},
        {"G5OSF", false, {"G5RADR"}},
        {"G5OSZ", false, {"G5RSKD", "G5RADR", "G5RSZD"}},
    };
    return typy;
}

const CTypSieroty* Znajdz(const std::vector<CTypSieroty>& typy, std::string_view strTyp,
                          std::string_view strTypBezO) {
    for (const CTypSieroty& typ : typy)
        if (strTyp == typ.szTyp || (typ.bBezO && strTypBezO == typ.szTyp))
            return &typ;
    return nullptr;
}

// How a type as written is judged: by its own relations only, or also by being referred to.
COcenaSieroty OcenaTypu(std::string_view strTyp) {
    COcenaSieroty ocena;
    ocena.pSymbole = nullptr;
    if (const CTypSieroty* pTyp = Znajdz(TypyWlasneRelacje(), strTyp, strTyp)) {
        ocena.pSymbole = &pTyp->symbole;
    } else if (const CTypSieroty* pTyp = Znajdz(TypyZOdwolaniami(), strTyp, UsunPrefiksO(strTyp))) {
        ocena.pSymbole = &pTyp->symbole;
        ocena.bOdwolania = true;
    }
    return ocena;
}

} // namespace

bool MaKtorykolwiekElement(const Symbole& astrSymbole, const Rekord& rekord) {
    for (std::size_t i = 1; i < rekord.size(); ++i) {
        const std::string_view strSymbol = PoleWiersza(rekord[i], 1);
        for (const std::string_view strSzukany : astrSymbole)
            if (strSymbol == strSzukany)
                return true;
    }
    return false;
}

bool SprawdzSierote(const Rekord& rekord, const CStanPrzebiegu& stan, COcenyTypow& typy) {
    if (rekord.empty())
        return true;
    thread_local std::vector<std::string_view> astrPola;
    const int n = PodzielWiersz(rekord[0], astrPola);
    const std::string_view strTyp = Pole(astrPola, n, 2);
    const std::string_view strId = Pole(astrPola, n, 3);
    const std::string_view strLokalny = Pole(astrPola, n, 4);
    // A point that a kept outline uses stays, whatever its type and relations.
    if (stan.m_punktyGlobalne.ZawieraPare(strTyp, strId) ||
        stan.m_punktyLokalne.Zawiera(strLokalny))
        return true;
    const COcenaSieroty& ocena = typy.Wpis(strTyp, OcenaTypu);
    if (!ocena.pSymbole)
        return true;
    if (MaKtorykolwiekElement(*ocena.pSymbole, rekord))
        return true;
    return ocena.bOdwolania && (stan.m_odwolaniaLokalne.Zawiera(strLokalny) ||
                                stan.m_odwolaniaGlobalne.ZawieraPare(strTyp, strId));
}

bool OdfiltrujSieroty(CKontekstPrzebiegu& k) {
    COpisPrzebiegu opis;
    opis.strEtap = kodowanie::T("Odfiltrowanie obiektów sierot");
    COcenyTypow typy;
    opis.decyzja = [&](Rekord& rekord) {
        if (SprawdzSierote(rekord, k.stan, typy))
            return true;
        CStanPrzebiegu::Zlicz(rekord.at(0), k.stan.m_mapaSierotyAkt, k.stan.m_mapaSierotyHist, 1);
        return false;
    };
    return PrzejdzPlik(k, opis);
}
