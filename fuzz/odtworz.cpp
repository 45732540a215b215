// Replays the inputs of the given folders through a fuzz target, for the tests: the seed corpus
// and every input a fuzzer has found (regresje/). Built with any compiler, without libFuzzer.
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* pDane, std::size_t nDane);

int main(int argc, char** argv) {
    std::vector<std::filesystem::path> pliki;
    for (int i = 1; i < argc; ++i) {
        std::error_code blad;
        for (const auto& wpis : std::filesystem::directory_iterator(argv[i], blad))
            if (wpis.is_regular_file())
                pliki.push_back(wpis.path());
    }
    std::sort(pliki.begin(), pliki.end());
    for (const auto& plik : pliki) {
        std::ifstream wejscie(plik, std::ios::binary);
        const std::string strDane(std::istreambuf_iterator<char>(wejscie), {});
        LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(strDane.data()), strDane.size());
    }
    std::printf("%zu passed, 0 failed\n", pliki.size());
    return pliki.empty() ? 1 : 0;
}
