// The check of a generated GML file against the floor for the job: a bare parse of the same
// file with the XML parser alone (namespaces resolved, no handlers, the same 1 MiB buffers).
// Prints MB/s of both, their ratio and the process's peak memory after the check.
//   bench_gml [SIZE_MB (1024)] [FILE (/tmp/kelvor_bench.gml)] [-r RUNS (1, the best counts)]
#include <expat.h>
#include <sys/resource.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "filtr/sprawdzenie_gml.h"
#include "generator_gml.h"

namespace {

double Sekundy(std::chrono::steady_clock::time_point t0) {
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();
}

// The floor: false when the parser found the file malformed.
bool GolyOdczyt(const std::string& strSciezka) {
    std::FILE* plik = std::fopen(strSciezka.c_str(), "rb");
    if (!plik)
        return false;
    XML_Parser parser = XML_ParserCreateNS(nullptr, '\x01');
    bool bDobrze = true;
    for (;;) {
        void* p = XML_GetBuffer(parser, 1 << 20);
        const std::size_t n = std::fread(p, 1, 1 << 20, plik);
        if (XML_ParseBuffer(parser, static_cast<int>(n), n == 0) != XML_STATUS_OK) {
            bDobrze = false;
            break;
        }
        if (n == 0)
            break;
    }
    XML_ParserFree(parser);
    std::fclose(plik);
    return bDobrze;
}

} // namespace

int main(int argc, char** argv) {
    std::vector<std::string> argumenty(argv + 1, argv + argc);
    int nPowtorzenia = 1;
    for (std::size_t i = 0; i + 1 < argumenty.size(); ++i)
        if (argumenty[i] == "-r") {
            nPowtorzenia = std::max(1, std::atoi(argumenty[i + 1].c_str()));
            argumenty.erase(argumenty.begin() + static_cast<std::ptrdiff_t>(i), argumenty.begin() + static_cast<std::ptrdiff_t>(i) + 2);
            break;
        }
    const std::uint64_t nMB = argumenty.size() > 0 ? std::strtoull(argumenty[0].c_str(), nullptr, 10) : 1024;
    const std::string strPlik = argumenty.size() > 1 ? argumenty[1] : "/tmp/kelvor_bench.gml";

    COpcjeGeneratoraGml opcje;
    opcje.nRozmiar = nMB << 20;
    auto t0 = std::chrono::steady_clock::now();
    const CLiczbyGml liczby = GenerujPlikGml(strPlik, opcje);
    std::printf("generated %s: %llu bytes in %.1f s\n", strPlik.c_str(),
                static_cast<unsigned long long>(liczby.nBajty), Sekundy(t0));
    const double dMB = static_cast<double>(liczby.nBajty) / 1e6;

    double dSprawdzenie = 1e30;
    double dPodloga = 1e30;
    CWynikSprawdzeniaGml wynik;
    for (int r = 0; r < nPowtorzenia; ++r) {
        CObserwatorRunu obserwator;
        t0 = std::chrono::steady_clock::now();
        wynik = SprawdzPlikGml(strPlik, obserwator);
        dSprawdzenie = std::min(dSprawdzenie, Sekundy(t0));
        t0 = std::chrono::steady_clock::now();
        if (!GolyOdczyt(strPlik)) {
            std::fprintf(stderr, "the bare parse failed\n");
            return 1;
        }
        dPodloga = std::min(dPodloga, Sekundy(t0));
    }
    rusage zuzycie{};
    getrusage(RUSAGE_SELF, &zuzycie);
    if (!wynik.CzyPrzeczytany()) {
        std::fprintf(stderr, "the check failed: %s\n", wynik.m_strBlad.c_str());
        return 1;
    }
    std::printf("check:      %.1f s, %.0f MB/s (%llu features, %llu references)\n", dSprawdzenie,
                dMB / dSprawdzenie, static_cast<unsigned long long>(wynik.m_nObiekty),
                static_cast<unsigned long long>(wynik.m_nOdwolania));
    std::printf("bare parse: %.1f s, %.0f MB/s\n", dPodloga, dMB / dPodloga);
    std::printf("peak memory of the process: %ld MiB\n", zuzycie.ru_maxrss / 1024);
    std::printf("RATIO check/bare %.2f\n", dPodloga / dSprawdzenie);
    return 0;
}
