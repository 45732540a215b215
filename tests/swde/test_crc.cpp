// CRC-32 values and the checksums of a file taken line by line: what each one covers, and that
// a file's own checksum lines come back unchanged.
#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "swde/crc.h"

namespace {

std::uint32_t Crc32(std::string_view str) {
    return ~ObliczCRC(0xFFFFFFFFu, str);
}

// The lines as a pass writes them: end lines replaced by the checksum forms, "\n" between.
std::string ZSumami(const std::string& strLinie) {
    CSumyCRC sumy;
    std::istringstream wejscie(strLinie);
    std::string strWynik;
    for (std::string strLinia; std::getline(wejscie, strLinia);) {
        if (strLinia.starts_with("SWDEX")) {
            strWynik += sumy.KoniecPliku();
        } else if (strLinia.starts_with("SX")) {
            strWynik += sumy.KoniecSekcji() + "\n";
        } else {
            sumy.Wiersz(strLinia);
            strWynik += strLinia + "\n";
        }
    }
    return strWynik;
}

} // namespace

TEST(ObliczCRC, StandardCheckValuesAndAnySplitOfTheInput) {
    EXPECT_EQ(Crc32("123456789"), 3421780262u);
    EXPECT_EQ(ObliczCRC(0x12345678u, ""), 0x12345678u);
    // Feeding a text in two pieces gives the register of feeding it whole, at every split.
    std::string str;
    for (int i = 0; i < 300; ++i)
        str += static_cast<char>(i * 37 + 11);
    const std::uint32_t nCaly = ObliczCRC(0xFFFFFFFFu, str);
    for (std::size_t k = 0; k <= str.size(); ++k) {
        const std::string_view sv = str;
        ASSERT_EQ(ObliczCRC(ObliczCRC(0xFFFFFFFFu, sv.substr(0, k)), sv.substr(k)), nCaly) << k;
    }
}

// A section covers its start line and its lines, then "SXC,"; the file covers every line
// before its end (lines between sections and the new "SXC," lines in full), then "SWDEXC,".
TEST(SumyCRC, EverySectionAndTheFileGetTheirChecksums) {
    const std::string strSN = "SXC," + std::to_string(Crc32("SN;NS,TR,1SXC,")) + ";";
    const std::string strSP = "SXC," + std::to_string(Crc32("SP;SXC,")) + ";";
    const std::string strST = "SXC," + std::to_string(Crc32("ST;RT,1;X;SXC,")) + ";";
    const std::string strSO = "SXC," + std::to_string(Crc32("SO;RO,,G5DZE,1,1,11;XC,5;SXC,")) + ";";
    const std::string strPlik = "SWDE.w.2.00.(C) GUGiK 2000;SN;NS,TR,1" + strSN + "miedzySP;" +
                                strSP + "ST;RT,1;X;" + strST + "SO;RO,,G5DZE,1,1,11;XC,5;" + strSO;
    const std::string strOczekiwany =
        "SWDE.w.2.00.(C) GUGiK 2000;\nSN;\nNS,TR,1\n" + strSN + "\nmiedzy\nSP;\n" + strSP +
        "\nST;\nRT,1;\nX;\n" + strST + "\nSO;\nRO,,G5DZE,1,1,11;\nXC,5;\n" + strSO +
        "\nSWDEXC," + std::to_string(Crc32(strPlik + "SWDEXC,")) + ";";
    const std::string strWejscie = "SWDE.w.2.00.(C) GUGiK 2000;\nSN;\nNS,TR,1\nSX;\nmiedzy\nSP;\n"
                                   "SXC,1;\nST;\nRT,1;\nX;\nSX;\nSO;\nRO,,G5DZE,1,1,11;\nXC,5;\n"
                                   "SX;\nSWDEX;";
    EXPECT_EQ(ZSumami(strWejscie), strOczekiwany);
    // Its own output comes back byte for byte: old checksum lines are replaced, never covered.
    EXPECT_EQ(ZSumami(strOczekiwany), strOczekiwany);
    // A section of its start line only: the standard CRC-32 of seven characters.
    EXPECT_EQ(ZSumami("SN;\nSX;\n"), "SN;\nSXC," + std::to_string(Crc32("SN;SXC,")) + ";\n");
}
