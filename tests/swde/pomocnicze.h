// Helpers of the file layer tests: a scratch folder per test and whole-file reads and writes.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>

#include "swde/bledy.h"
#include "swde/kodowanie.h"

namespace testy {

// A fresh folder for the running test, removed with everything in it afterwards.
class CKatalogTestu : public ::testing::Test {
protected:
    void SetUp() override {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        m_katalog = std::filesystem::temp_directory_path() /
                    ("kelvor_swde_" + std::to_string(std::random_device{}()) + "_" + info->name());
        std::filesystem::create_directories(m_katalog);
    }
    void TearDown() override {
        std::error_code blad;
        std::filesystem::remove_all(m_katalog, blad);
    }
    // The engine's path (code page 1250) of a file in the folder, the name given in code page
    // 1250. Not through a narrow std::filesystem string: its encoding differs by platform.
    std::string Sciezka(const std::string& strNazwa) const {
        const std::u8string strKatalog = m_katalog.u8string();
        return kodowanie::Utf8DoCp1250(std::string(strKatalog.begin(), strKatalog.end())) +
               static_cast<char>(std::filesystem::path::preferred_separator) + strNazwa;
    }

    std::filesystem::path m_katalog;
};

inline void ZapiszPlik(const std::string& strSciezka, const std::string& strTresc) {
    std::ofstream plik(strSciezka, std::ios::binary);
    plik << strTresc;
}

inline std::string CzytajPlik(const std::string& strSciezka) {
    std::ifstream plik(strSciezka, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(plik), std::istreambuf_iterator<char>());
}

// The full text of the error the call raises, or "no error".
template <class F> std::string TekstBledu(F f) {
    try {
        f();
    } catch (const CSWDEException& e) {
        return e.PelnyKomunikat();
    } catch (const CStandardException& e) {
        return e.Tekst();
    }
    return "no error";
}

} // namespace testy
