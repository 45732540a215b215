// Personal identifiers in text. The valid numbers below were made for these tests: their check
// digits are computed, the rest is arbitrary; each "off" case changes one digit of a valid one.
#include <gtest/gtest.h>

#include "filtr/identyfikatory.h"

namespace {

using E = ERodzajIdentyfikatora;

// What was found, as "kind:plain form" joined by " ".
std::string Znalezione(const std::string& strTekst) {
    static const char* const NAZWY[] = {"pesel", "nip", "dowod", "paszport"};
    std::vector<CIdentyfikator> znalezione;
    ZnajdzIdentyfikatory(strTekst, znalezione);
    std::string str;
    for (const CIdentyfikator& id : znalezione) {
        str += (str.empty() ? "" : " ") + std::string(NAZWY[static_cast<int>(id.m_eRodzaj)]) + ":" +
               id.m_str;
        EXPECT_EQ(strTekst.substr(id.m_nPoczatek, 1), id.m_str.substr(0, 1)) << strTekst;
    }
    return str;
}

TEST(Identyfikatory, WazneIJednaCyfraObok) {
    const std::pair<std::string, std::string> przypadki[] = {
        // PESEL: the check digit, and the date with its century in the month.
        {"85031412347", "pesel:85031412347"},
        {"85031412348", ""},                  // check digit off by one
        {"05231412341", "pesel:05231412341"}, // month 23: March 2005
        {"00022900003", ""},                  // 1900-02-29 does not exist
        {"00222900009", "pesel:00222900009"}, // 2000-02-29 does
        {"85131412340", ""},                  // month 13 belongs to no century
        {"90831412345", "pesel:90831412345"}, // month 83: March 1890
        // NIP, plain and in both dashed layouts.
        {"5261048273", "nip:5261048273"},
        {"5261048274", ""},
        {"NIP: 123-456-32-18.", "nip:1234563218"},
        {"777-12-34-567", "nip:7771234567"},
        {"12-3456-32-18", ""}, // not a NIP layout
        {"0000000000", ""},    // no tax office code starts with 0
        // Identity card: three letters, the check digit, five digits.
        {"ABA300000", "dowod:ABA300000"},
        {"KLM 523456", "dowod:KLM523456"},
        {"KLM523457", ""},
        {"ZZZ100000", ""},
        // Passport: two letters, the check digit, six digits.
        {"AB6234567", "paszport:AB6234567"},
        {"zk9000123", "paszport:zk9000123"},
        {"AB6234568", ""},
        // Standing alone: nothing that joins a word may touch the number.
        {"x85031412347", ""},
        {"85031412347a", ""},
        {"185031412347", ""},
        {std::string(1, '\xB3') + "85031412347", ""}, // a Polish letter before it
        {"XABA300000", ""},
        {"PESEL=85031412347;NIP=5261048273", "pesel:85031412347 nip:5261048273"},
        {"2024-03-15 85031412347-5261048273", "pesel:85031412347 nip:5261048273"},
    };
    for (const auto& [strTekst, strOczekiwane] : przypadki)
        EXPECT_EQ(Znalezione(strTekst), strOczekiwane) << strTekst;
}

TEST(Identyfikatory, MaskaZostawiaCzteryZnaki) {
    EXPECT_EQ(Zamaskuj("85031412347"), "8503*******");
    EXPECT_EQ(Zamaskuj("AB6"), "AB6");
    EXPECT_EQ(ZamaskujIdentyfikatory("Jan, 123-456-32-18, ABA 300000."),
              "Jan, 1234******, ABA3*****.");
}

} // namespace
