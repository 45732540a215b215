// The orphan decision: the two type tables and the point references that protect outline points.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "filtr/przebiegi.h"
#include "wspolne/powiadomienia_testowe.h"

namespace {

struct CPrzypadek {
    Rekord rekord;
    std::vector<std::string> lokalne, globalne, punktyLokalne, punktyGlobalne;
    bool bZostaje;
};

// Header fields 2, 3, 4 are the type, "5" and "6". Ł = A3, Ż = AF, Ą = A1 in ISO 8859-2.
// clang-format off
const CPrzypadek PRZYPADKI[] = {
    // First table: own relations only; the header and the code of the line do not count.
    {{"RO,a,G5KLU,5,6,11;", "WL,G5RDZE,x;", "X;"}, {}, {}, {}, {}, true},
    {{"RO,a,G5KLU,5,6,11;", "D,G5DTW,,1;", "X;"}, {"6"}, {"G5KLU,5"}, {}, {}, false},
    {{"RO,G5RDZE,G5KLU,5,6,11;", "X;"}, {}, {}, {}, {}, false},
    {{"RO,a,G5LKL,5,6,11;", "D,G5RDZE,,1;", "X;"}, {}, {}, {}, {}, true},
    // Second table: own relations, else "WL" naming field 4 or "WG" naming fields 2 and 3.
    {{"RO,a,G5OSF,5,6,11;", "WL,G5RADR,x;", "X;"}, {}, {}, {}, {}, true},
    {{"RO,a,G5OSF,5,6,11;", "X;"}, {}, {"G5OSF,5"}, {}, {}, true},
    {{"RO,a,G5OSF,5,6,11;", "X;"}, {"6"}, {}, {}, {}, true},
    {{"RO,a,G5OSF,5,6,11;", "X;"}, {"5"}, {"G5OSF,6"}, {}, {}, false},
    {{"RO,a,G5ADR,5,6,11;", "X;"}, {}, {"G5ADR,6"}, {}, {}, false},
    {{"RO,a,G5DOK,5,6,11;", "X;"}, {}, {"G5DOK,5"}, {}, {}, true},
    // O_ forms of marked types are judged like the base type, referred to as written.
    {{"RD,a,G5O_DZE,5,6,11;", "X;"}, {}, {}, {}, {}, false},
    {{"RD,a,G5O_DZE,5,6,11;", "WG,G5RKRG,G5DOK,1;", "X;"}, {}, {}, {}, {}, true},
    {{"RD,a,G5O_BUD,5,6,11;", "X;"}, {}, {"G5O_BUD,5"}, {}, {}, true},
    // Graphic forms, O_ forms of unmarked types and unknown types always stay.
    {{"RO,a,G5G_DZE,5,6,11;", "X;"}, {}, {}, {}, {}, true},
    {{"RD,a,G5O_LKL,5,6,11;", "X;"}, {}, {}, {}, {}, true},
    {{"RO,a,G5XYZ,5,6,11;", "X;"}, {}, {}, {}, {}, true},
    // Symbols with Polish letters; the code page 1250 spelling of Ą is no relation.
    {{"RO,a,G5MLZ,5,6,11;", "WL,G5R\xAFONA,1;", "X;"}, {}, {}, {}, {}, true},
    {{"RO,a,G5MLZ,5,6,11;", "WL,G5RM\xA1\xAF,1;", "X;"}, {}, {}, {}, {}, true},
    {{"RO,a,G5MLZ,5,6,11;", "WL,G5RM\xA5\xAF,1;", "X;"}, {}, {}, {}, {}, false},
    {{"RO,a,G5UDW,5,6,11;", "WG,G5RW\xA3" "D,G5JDR,1;", "X;"}, {}, {}, {}, {}, true},
    // Points that outlines use stay, whatever their type; others go.
    {{"RO,a,G5PZG,5,6,11;", "X;"}, {}, {}, {}, {"G5PZG,5"}, true},
    {{"RO,a,G5PZG,5,6,11;", "X;"}, {}, {}, {"6"}, {}, true},
    {{"RO,a,G5PZG,5,6,11;", "X;"}, {"6"}, {"G5PZG,5"}, {"5"}, {"G5PZG,6"}, false},
    {{"RO,a,G5KLU,5,6,11;", "X;"}, {}, {}, {}, {"G5KLU,5"}, true},
};
// clang-format on

TEST(SprawdzSierote, JudgesEachTypeByItsTable) {
    for (const CPrzypadek& p : PRZYPADKI) {
        SCOPED_TRACE(p.rekord[0] + " " + p.rekord[1]);
        CCzytnikSWDE czytnik;
        CPlikWynikowy wyjscie;
        CPowiadomieniaTestowe powiadomienia;
        CStanPrzebiegu stan;
        const COpcjeFiltrowania opcje;
        stan.m_odwolaniaLokalne.insert(p.lokalne.begin(), p.lokalne.end());
        stan.m_odwolaniaGlobalne.insert(p.globalne.begin(), p.globalne.end());
        stan.m_punktyLokalne.insert(p.punktyLokalne.begin(), p.punktyLokalne.end());
        stan.m_punktyGlobalne.insert(p.punktyGlobalne.begin(), p.punktyGlobalne.end());
        const CKontekstPrzebiegu k{czytnik, wyjscie, powiadomienia, stan, opcje, 0};
        EXPECT_EQ(SprawdzSierote(p.rekord, k), p.bZostaje);
    }
}

} // namespace
