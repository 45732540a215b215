// Finding element lines by their symbol: the first match from a position, its code and targets,
// and fields a short line lacks read as empty, not as what a longer line split before held.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "filtr/elementy.h"

namespace {

// A parcel with a geometry block whose long line is split first, relations, attributes and a
// relation without an identifier; Ł is byte A3 (ISO 8859-2).
// clang-format off
const Rekord DZIALKA = {"RO,a,G5DZE,12,34,11;", "GL;", "P,P,G5PZG,1,2,3,4;", "GX;",
                        "WG,G5RJDR,G5JDR,77;", "WL,G5RADR,15;", "D,G5PEW,R,12;", "D,G5DTW,D,x,y;",
                        "WG,G5RKRG,G5JEW;", "WG,G5RW\xA3S,G5JDR,78;", "XC,77;"};
// clang-format on

TEST(ZnajdzElement, PierwszyWierszZSymbolemIJegoCele) {
    struct CPrzypadek {
        std::string symbol;
        int start;
        int pozycja; // 10 (the end line): not found
        std::vector<std::string> element;
    };
    const CPrzypadek przypadki[] = {
        {"G5RJDR", 1, 4, {"WG", "G5JDR", "77"}}, {"G5RADR", 1, 5, {"WL", "15", ""}},
        {"G5PEW", 1, 6, {"D", "12;", ""}},       {"G5DTW", 1, 7, {"D", "x,y;", ""}},
        {"G5RKRG", 1, 8, {"WG", "G5JEW", ""}},   {"G5RW\xA3S", 1, 9, {"WG", "G5JDR", "78"}},
        {"G5RWŁS", 1, 10, {}} /* UTF-8 */,       {"G5RJDR", 5, 10, {}},
        {"G5RADR", 5, 5, {"WL", "15", ""}},      {"a", 1, 10, {}} /* header */,
        {"77;", 1, 10, {}} /* end line */,
    };
    for (const CPrzypadek& p : przypadki) {
        SCOPED_TRACE(p.symbol);
        CElement element{"stale", "stale", "stale"};
        int nPozycja = p.start;
        EXPECT_EQ(ZnajdzElement(p.symbol, DZIALKA, element, nPozycja), p.pozycja < 10);
        EXPECT_EQ(nPozycja, p.pozycja);
        if (p.pozycja < 10) {
            EXPECT_EQ((std::vector<std::string>{element.strKod, element.strCel1, element.strCel2}),
                      p.element);
        }
    }
}

} // namespace
