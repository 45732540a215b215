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

// The register of a run of zero bytes worked out at once is the register fed them one by one.
TEST(ObliczCRC, ZeroBytesAdvancedAtOnce) {
    for (const std::uint32_t nRejestr : {0u, 1u, 0xFFFFFFFFu, 0x12345678u})
        for (const std::size_t n : {0, 1, 7, 8, 9, 64, 1000, 4096, 65537})
            EXPECT_EQ(PrzesunCRC(nRejestr, n), ObliczCRC(nRejestr, std::string(n, '\0')))
                << nRejestr << " " << n;
}

// A section far longer than what is gathered before feeding: both checksums are those of the
// bytes themselves, also when the file ends inside the section.
TEST(SumyCRC, LongSectionsFedInPieces) {
    std::string strLinie = "SO;\n", strSekcja = "SO;", strPlik = "SWDE.w.2.00.(C) GUGiK 2000;SO;";
    for (int i = 0; i < 3000; ++i) {
        const std::string strLinia = "D,G5NOS,D," + std::to_string(i * 7919);
        strLinie += strLinia + "\n";
        strSekcja += strLinia;
        strPlik += strLinia;
    }
    const std::string strSXC = "SXC," + std::to_string(Crc32(strSekcja + "SXC,")) + ";";
    EXPECT_EQ(ZSumami("SWDE.w.2.00.(C) GUGiK 2000;\n" + strLinie + "SX;\nSWDEX;"),
              "SWDE.w.2.00.(C) GUGiK 2000;\n" + strLinie + strSXC + "\nSWDEXC," +
                  std::to_string(Crc32(strPlik + strSXC + "SWDEXC,")) + ";");
    EXPECT_EQ(ZSumami("SWDE.w.2.00.(C) GUGiK 2000;\n" + strLinie + "SWDEX;"),
              "SWDE.w.2.00.(C) GUGiK 2000;\n" + strLinie + "SWDEXC," +
                  std::to_string(Crc32(strPlik + "SWDEXC,")) + ";");
}
