// Engine benchmark: the longest plan (premises and buildings removed, leases kept, orphans and
// checksums on) over generated files of two sizes. Prints the time of each run (the best of a
// few, the machine being shared), the objects it removed and the ratio of the two times, which
// must stay under 12 for files ten times apart.
//
//   bench_silnik [small MB] [large MB] [folder]     (defaults: 20 200 and the temp folder)
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <string>
#include <utility>
#include <vector>

#include "filtr/silnik.h"
#include "generator.h"
#include "swde/czytnik.h"
#include "swde/kodowanie.h"

namespace {

// An observer that shows nothing and never cancels; it notes when each stage text came, so
// that the time of every pass of the last run can be shown.
class CCichyObserwator : public CObserwatorRunu {
public:
    using Zegar = std::chrono::steady_clock;
    std::vector<std::pair<std::string, Zegar::time_point>> etapy;

    void Etap(const std::string& strEtap) override { etapy.emplace_back(strEtap, Zegar::now()); }
};

std::uint64_t LiczbaObiektow(const std::string& strSciezka) {
    CCzytnikSWDE czytnik;
    if (!czytnik.Otworz(strSciezka)) {
        return 0;
    }
    Rekord rekord;
    std::uint64_t n = 0;
    czytnik.ZnajdzSekcje(format::ESekcja::SO);
    while (czytnik.CzytajRekord(rekord))
        ++n;
    czytnik.Zamknij();
    return n;
}

struct CPomiar {
    double dSekundy = 0;  // wall time
    double dProcesor = 0; // processor time of this process
    std::uint64_t nUsuniete = 0;
};

CPomiar Zmierz(const std::filesystem::path& katalog, std::uint64_t nMB, int nPowtorzen) {
    const std::string strZrodlo =
        (katalog / ("bench_silnik_" + std::to_string(nMB) + ".swd")).string();
    const std::string strCel =
        (katalog / ("bench_silnik_" + std::to_string(nMB) + "_wy.swd")).string();
    const std::uint64_t nObiekty = GenerujPlikSWDE(strZrodlo, {nMB << 20, 1});

    COpcjeFiltrowania opcje;
    opcje.m_nMaskaObiektow = (1 << GrupaLokale) | (1 << GrupaBudynki) | (1 << GrupaSieroty);
    opcje.m_bSumyCRC = true;
    CParaPlikow para;
    para.m_strZrodlo = strZrodlo;
    para.m_strCel = strCel;
    CCichyObserwator powiadomienia;
    CSilnikFiltrowania silnik(powiadomienia);

    CPomiar pomiar;
    for (int i = 0; i < nPowtorzen; ++i) {
        powiadomienia.etapy.clear();
        const auto start = std::chrono::steady_clock::now();
        const std::clock_t nStartProcesora = std::clock();
        const bool bKoniec = silnik.Filtruj({para}, opcje);
        const double dProcesor =
            static_cast<double>(std::clock() - nStartProcesora) / CLOCKS_PER_SEC;
        const std::chrono::duration<double> czas = std::chrono::steady_clock::now() - start;
        if (!bKoniec || silnik.LiczbaBledow() != 0) {
            std::fprintf(stderr, "run failed: %s\n",
                         silnik.Bledy().empty() ? "?" : silnik.Bledy()[0].m_strTekst.c_str());
            std::exit(1);
        }
        if (i == 0 || czas.count() < pomiar.dSekundy) {
            pomiar.dSekundy = czas.count();
        }
        if (i == 0 || dProcesor < pomiar.dProcesor) {
            pomiar.dProcesor = dProcesor;
        }
        powiadomienia.etapy.emplace_back("koniec", std::chrono::steady_clock::now());
    }
    pomiar.nUsuniete = nObiekty - LiczbaObiektow(strCel);
    std::printf("%4llu MB: %llu objects, %.2f s (processor %.2f s), %llu removed\n",
                static_cast<unsigned long long>(nMB), static_cast<unsigned long long>(nObiekty),
                pomiar.dSekundy, pomiar.dProcesor,
                static_cast<unsigned long long>(pomiar.nUsuniete));
    const auto& etapy = powiadomienia.etapy;
    for (std::size_t i = 0; i + 1 < etapy.size(); ++i) {
        const std::chrono::duration<double> czas = etapy[i + 1].second - etapy[i].second;
        std::printf("        %6.2f s  %s\n", czas.count(),
                    kodowanie::Cp1250DoUtf8(etapy[i].first).c_str());
    }
    for (const std::string& strPlik :
         {strZrodlo, strCel, strCel.substr(0, strCel.size() - 4) + ".log"}) {
        std::filesystem::remove(strPlik);
    }
    return pomiar;
}

} // namespace

int main(int argc, char** argv) {
    const std::uint64_t nMaly = argc > 1 ? std::strtoull(argv[1], nullptr, 10) : 20;
    const std::uint64_t nDuzy = argc > 2 ? std::strtoull(argv[2], nullptr, 10) : 200;
    const std::filesystem::path katalog =
        argc > 3 ? std::filesystem::path(argv[3]) : std::filesystem::temp_directory_path();
    std::filesystem::create_directories(katalog);
    const CPomiar maly = Zmierz(katalog, nMaly, 5);
    const CPomiar duzy = Zmierz(katalog, nDuzy, 3);
    // On a machine shared with other work the processor time is the steadier measure; both
    // ratios are shown and the processor one decides.
    const double dStosunek = duzy.dProcesor / maly.dProcesor;
    std::printf("time ratio %.2f (wall %.2f) for a size ratio of %.1f (%s)\n", dStosunek,
                duzy.dSekundy / maly.dSekundy,
                static_cast<double>(nDuzy) / static_cast<double>(nMaly),
                dStosunek < 12.0 ? "linear" : "TOO SLOW");
    return dStosunek < 12.0 ? 0 : 1;
}
