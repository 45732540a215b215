// Helpers of every test program: a scratch folder, whole-file reads and writes, and the text of
// the error a call raises.
#pragma once

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <vector>

#include "swde/bledy.h"
#include "swde/kodowanie.h"

namespace testy {

namespace fs = std::filesystem;

// A fresh folder, removed with everything in it when the object goes.
class CKatalog {
public:
    CKatalog() { fs::create_directories(m_sciezka); }
    ~CKatalog() {
        std::error_code blad;
        fs::remove_all(m_sciezka, blad);
    }
    CKatalog(const CKatalog&) = delete;
    CKatalog& operator=(const CKatalog&) = delete;

    // The engine's path (code page 1250) of a file in the folder, the name given in code page
    // 1250. Not through a narrow std::filesystem string: its encoding differs by platform.
    std::string operator()(const std::string& strNazwa) const {
        const std::u8string strKatalog = m_sciezka.u8string();
        return kodowanie::Utf8DoCp1250(std::string(strKatalog.begin(), strKatalog.end())) +
               static_cast<char>(fs::path::preferred_separator) + strNazwa;
    }
    // The files in the subfolder and below, relative to it with "/", sorted.
    std::vector<std::string> Pliki(const fs::path& podkatalog = {}) const {
        std::vector<std::string> astr;
        for (const auto& wpis : fs::recursive_directory_iterator(m_sciezka / podkatalog))
            if (wpis.is_regular_file())
                astr.push_back(fs::relative(wpis.path(), m_sciezka / podkatalog).generic_string());
        std::sort(astr.begin(), astr.end());
        return astr;
    }

    const fs::path m_sciezka =
        fs::temp_directory_path() / ("kelvor_test_" + std::to_string(std::random_device{}()));
};

// Whole files as bytes; the path an engine string or a std::filesystem path.
template <class P> void Zapisz(const P& sciezka, const std::string& strTresc) {
    std::ofstream(sciezka, std::ios::binary) << strTresc;
}

template <class P> std::string Czytaj(const P& sciezka) {
    std::ifstream plik(sciezka, std::ios::binary);
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
