// CRC-32 values and the checksum stage: coverage, idempotence, cancel and failures.
#include "pomocnicze.h"
#include "swde/crc.h"
#include "swde/kodowanie.h"
#include "wspolne/powiadomienia_testowe.h"

namespace {

std::uint32_t Crc32(std::string_view str) {
    return ~ObliczCRC(0xFFFFFFFFu, str);
}

const std::string WEJSCIE = "  SWDE.w.2.00.(C) GUGiK 2000;\r\n"
                            "SN;\r\nNS,TR,1 \r\nC; uwaga\r\n\r\nSX;\r\n"
                            "miedzy\r\n"
                            "SP;\r\nSXC,1;\r\n"
                            "ST;\r\nRT,1;\r\nX;\r\nSX;\r\n"
                            "SO;\r\nRO,,G5DZE,1,1,11;\r\nXC,5;\r\nSX;\r\n"
                            "SWDEX;\r\n";

class Crc : public testy::CKatalogTestu {
protected:
    std::string Przetworz(const std::string& strTresc) {
        testy::ZapiszPlik(Sciezka("we.swd"), strTresc);
        DodajSumyCRC(Sciezka("we.swd"), Sciezka("wy.swd"), m_powiadomienia);
        return testy::CzytajPlik(Sciezka("wy.swd"));
    }
    CPowiadomieniaTestowe m_powiadomienia;
};

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

TEST_F(Crc, EverySectionAndTheFileGetTheirChecksums) {
    const std::string strSN = "SXC," + std::to_string(Crc32("SN;NS,TR,1SXC,")) + ";";
    const std::string strSP = "SXC," + std::to_string(Crc32("SP;SXC,")) + ";";
    const std::string strST = "SXC," + std::to_string(Crc32("ST;RT,1;X;SXC,")) + ";";
    const std::string strSO = "SXC," + std::to_string(Crc32("SO;RO,,G5DZE,1,1,11;XC,5;SXC,")) + ";";
    const std::string strPlik = "SWDE.w.2.00.(C) GUGiK 2000;SN;NS,TR,1" + strSN + "miedzySP;" +
                                strSP + "ST;RT,1;X;" + strST + "SO;RO,,G5DZE,1,1,11;XC,5;" + strSO;
    const std::string strOczekiwany =
        "SWDE.w.2.00.(C) GUGiK 2000;\r\nSN;\r\nNS,TR,1\r\n" + strSN + "\r\nmiedzy\r\nSP;\r\n" +
        strSP + "\r\nST;\r\nRT,1;\r\nX;\r\n" + strST + "\r\nSO;\r\nRO,,G5DZE,1,1,11;\r\nXC,5;\r\n" +
        strSO + "\r\nSWDEXC," + std::to_string(Crc32(strPlik + "SWDEXC,")) + ";";
    EXPECT_EQ(Przetworz(WEJSCIE), strOczekiwany);
    EXPECT_EQ(m_powiadomienia.etapy, std::vector<std::string>{": Dodawanie sum kontrolnych CRC"});
    const std::vector<int>& postep = m_powiadomienia.postep; // from 0 to 1000, never back
    EXPECT_TRUE(postep.size() > 2 && postep.front() == 0 && postep.back() == 1000 &&
                std::is_sorted(postep.begin(), postep.end()));
    EXPECT_EQ(m_powiadomienia.zdarzenia, std::vector<std::string>{"ukryj"});
    // Its own output comes back byte for byte.
    EXPECT_EQ(Przetworz(strOczekiwany), strOczekiwany);
}

TEST_F(Crc, CancelStopsAtTheStartOrAfterASection) {
    m_powiadomienia.bPrzerwij = true;
    testy::ZapiszPlik(Sciezka("we.swd"), WEJSCIE);
    DodajSumyCRC(Sciezka("we.swd"), Sciezka("wy.swd"), m_powiadomienia);
    EXPECT_FALSE(std::filesystem::exists(Sciezka("wy.swd")));

    // Asked while the first section is being copied: that section is finished, nothing more.
    m_powiadomienia.bPrzerwij = false;
    m_powiadomienia.przyPostepie = [this](int) {
        m_powiadomienia.bPrzerwij = m_powiadomienia.postep.size() >= 3;
    };
    EXPECT_EQ(Przetworz(WEJSCIE), "SWDE.w.2.00.(C) GUGiK 2000;\r\nSN;\r\nNS,TR,1\r\nSXC," +
                                      std::to_string(Crc32("SN;NS,TR,1SXC,")) + ";\r\n");
    EXPECT_TRUE(m_powiadomienia.zdarzenia.empty());
}

TEST_F(Crc, FailuresNameTheFileAndClearTheHeaderTabs) {
    using kodowanie::T;
    const auto Blad = [&](const std::string& strWe, const std::string& strWy) {
        return testy::TekstBledu(
            [&] { DodajSumyCRC(Sciezka(strWe), Sciezka(strWy), m_powiadomienia); });
    };
    EXPECT_EQ(Blad("brak.swd", "wy.swd"),
              T("Błąd nr 0: Błąd otwarcia pliku docelowego: ") + Sciezka("brak.swd"));
    testy::ZapiszPlik(Sciezka("we.swd"), WEJSCIE);
    EXPECT_EQ(Blad("we.swd", "brak/wy.swd"),
              T("Błąd nr 0: Błąd otwarcia pliku źródłowego: ") + Sciezka("brak/wy.swd"));
    EXPECT_EQ(m_powiadomienia.nWyczyszczen, 2);
    // A file that ends without its end line.
    testy::ZapiszPlik(Sciezka("we.swd"), "SWDE.w.2.00.(C) GUGiK 2000;\r\nSN;\r\nSX;\r\n");
    EXPECT_EQ(Blad("we.swd", "wy.swd").substr(0, 10), T("Błąd nr 9:"));
}
