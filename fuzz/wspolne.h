// What the fuzz targets share: a scratch folder of the process, files written from the input,
// and a check that stops the run on a broken rule (libFuzzer keeps the input that broke it).
#pragma once

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <vector>

#include "swde/kodowanie.h"

namespace fuzz {

namespace fs = std::filesystem;

// The process's own folder, made empty for every input.
inline const fs::path& Katalog() {
    static const fs::path katalog = [] {
        fs::path k = fs::temp_directory_path() /
                     ("kelvor_fuzz_" + std::to_string(std::random_device{}()));
        fs::create_directories(k);
        return k;
    }();
    return katalog;
}

inline void Oproznij() {
    for (const auto& wpis : fs::directory_iterator(Katalog()))
        fs::remove_all(wpis.path());
}

// The engine's path (code page 1250) of a file in the folder.
inline std::string Sciezka(const std::string& strNazwa) {
    const std::u8string str = (Katalog() / strNazwa).u8string();
    return kodowanie::Utf8DoCp1250(std::string(str.begin(), str.end()));
}

inline void Zapisz(const std::string& strNazwa, const std::uint8_t* pDane, std::size_t nDane) {
    std::ofstream(Katalog() / strNazwa, std::ios::binary)
        .write(reinterpret_cast<const char*>(pDane), static_cast<std::streamsize>(nDane));
}

inline std::string Czytaj(const std::string& strNazwa) {
    std::ifstream plik(Katalog() / strNazwa, std::ios::binary);
    return {std::istreambuf_iterator<char>(plik), std::istreambuf_iterator<char>()};
}

// Names of the files in the folder, sorted.
inline std::vector<std::string> Pliki() {
    std::vector<std::string> astr;
    for (const auto& wpis : fs::directory_iterator(Katalog()))
        astr.push_back(wpis.path().filename().string());
    std::sort(astr.begin(), astr.end());
    return astr;
}

#define KELVOR_SPRAWDZ(warunek)                                                                    \
    do {                                                                                           \
        if (!(warunek)) {                                                                          \
            std::fprintf(stderr, "broken rule: %s (%s:%d)\n", #warunek, __FILE__, __LINE__);      \
            std::abort();                                                                          \
        }                                                                                          \
    } while (0)

} // namespace fuzz
