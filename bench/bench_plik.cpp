// Throughput of the file layer on a synthetic file: raw block reading as the yardstick, then
// reading record by record, copying through the buffered writer, the CRC stage, one whole
// filtering pass (the dangling-reference pass) and the check of a file beside it. Every phase
// runs twice: warm (the file in the page cache) and, on Linux, cold (the file dropped from the
// cache first, so that it comes from the disk).
//
//   bench_plik [MB] [path]      (default 200 MB in the temporary folder)
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <iterator>
#include <stdexcept>
#include <string>
#include <vector>

#include "filtr/przebiegi.h"
#include "filtr/sprawdzenie.h"
#include "generator.h"
#include "swde/bledy.h"
#include "swde/crc.h"
#include "swde/czytnik.h"
#include "swde/plik_wynikowy.h"

#ifdef __linux__
#include <fcntl.h>
#include <unistd.h>
#endif

namespace {

double Sekundy(std::chrono::steady_clock::time_point start) {
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

std::uint64_t CzytajBloki(const std::string& strSciezka) {
    std::FILE* p = std::fopen(strSciezka.c_str(), "rb");
    if (!p)
        return 0;
    std::vector<char> bufor(1 << 20);
    std::uint64_t nSuma = 0, n = 0;
    while ((n = std::fread(bufor.data(), 1, bufor.size(), p)) > 0)
        nSuma += n + static_cast<unsigned char>(bufor[n / 2]);
    std::fclose(p);
    return nSuma;
}

// Reads the file as a pass does; with a writer, copies every line as a pass would. bOprozniaj:
// the caller empties the record array before each record, as the passes do now.
std::uint64_t CzytajRekordy(const std::string& strSciezka, CPlikWynikowy* pPlik, bool bOprozniaj) {
    CCzytnikSWDE czytnik;
    if (!czytnik.Otworz(strSciezka))
        return 0;
    Rekord linie;
    std::uint64_t nRekordy = 0;
    auto zapisz = [&](std::string_view str) {
        if (pPlik)
            pPlik->ZapiszWiersz(str);
    };
    using format::ESekcja;
    for (const ESekcja eSekcja : {ESekcja::SN, ESekcja::SP}) {
        if (czytnik.ZnajdzSekcje(eSekcja))
            for (std::string str; czytnik.CzytajWierszSekcji(str);)
                zapisz(str);
    }
    for (const ESekcja eSekcja : {ESekcja::ST, ESekcja::SO}) {
        if (!czytnik.ZnajdzSekcje(eSekcja))
            continue;
        linie.Wyczysc();
        while (czytnik.CzytajRekord(linie)) {
            ++nRekordy;
            for (const std::string_view str : linie)
                zapisz(str);
            if (bOprozniaj)
                linie.Wyczysc();
        }
    }
    czytnik.Zamknij();
    return nRekordy;
}

// Every line of the file read in order and fed to the checksums, as the checksum pass does.
void Sumy(const std::string& strSciezka) {
    CCzytnikSWDE czytnik;
    if (!czytnik.Otworz(strSciezka))
        return;
    CSumyCRC sumy;
    for (std::string_view str = czytnik.CzytajWiersz();; str = czytnik.CzytajWiersz()) {
        if (str.starts_with("SWDEX"))
            break;
        if (str.starts_with("SX"))
            sumy.KoniecSekcji();
        else
            sumy.Wiersz(str);
    }
    std::printf("%s", sumy.KoniecPliku().empty() ? "?" : "");
}

// One filtering pass over the whole file, as a run makes it after the object stages.
void Przebieg(const std::string& strSciezka, const std::string& strKopia) {
    CCzytnikSWDE czytnik;
    CPlikWynikowy plik;
    if (!czytnik.Otworz(strSciezka) || !plik.Otworz(strKopia))
        throw std::runtime_error("cannot open " + strSciezka + " or " + strKopia);
    CObserwatorRunu obserwator;
    CStanPrzebiegu stan;
    const COpcjeFiltrowania opcje;
    CKontekstPrzebiegu k{czytnik, plik, obserwator, stan, opcje};
    OdfiltrujSlepeOdwolania(k);
    plik.Zamknij();
}

// The check of the file, read to its end (the generated file has random checksums and
// identifier-like numbers, so it is not found clean).
void Sprawdz(const std::string& strSciezka) {
    CObserwatorRunu obserwator;
    const CWynikSprawdzenia wynik = SprawdzPlik(strSciezka, obserwator);
    if (!wynik.CzyPrzeczytany())
        throw std::runtime_error("the check did not read the file to its end: " + wynik.m_strBlad);
}

// Drops the file from the page cache (after writing back anything pending), so that the next
// read comes from the disk. False where the platform cannot do it.
bool OdrzucZPamieci(const std::string& strSciezka) {
#ifdef __linux__
    const int n = ::open(strSciezka.c_str(), O_RDONLY);
    if (n < 0)
        return false;
    const bool bUdane = ::fsync(n) == 0 && ::posix_fadvise(n, 0, 0, POSIX_FADV_DONTNEED) == 0;
    ::close(n);
    return bUdane;
#else
    (void)strSciezka;
    return false;
#endif
}

struct CFaza {
    const char* szNazwa;
    std::function<void()> uruchom;
    double adSekundy[2] = {0, 0}; // warm, cold
};

void Wypisz(const CFaza& faza, std::uint64_t nBajty, const CFaza& surowy, bool bZimne) {
    std::printf("%-34s", faza.szNazwa);
    for (int i = 0; i < (bZimne ? 2 : 1); ++i) {
        const double dMBs = static_cast<double>(nBajty) / 1048576.0 / faza.adSekundy[i];
        std::printf(" %8.3f s %8.1f MB/s", faza.adSekundy[i], dMBs);
        if (&faza != &surowy)
            std::printf(" (%.2f of raw)", surowy.adSekundy[i] / faza.adSekundy[i]);
    }
    std::printf("\n");
}

} // namespace

int main(int argc, char** argv) {
    const std::uint64_t nMB = argc > 1 ? std::strtoull(argv[1], nullptr, 10) : 200;
    const std::string strSciezka =
        argc > 2 ? argv[2]
                 : (std::filesystem::temp_directory_path() / "kelvor_bench_plik.swd").string();
    const std::string strKopia = strSciezka + ".kopia";
    try {
        auto start = std::chrono::steady_clock::now();
        COpcjeGeneratora opcje;
        opcje.nRozmiar = nMB << 20;
        const std::uint64_t nObiekty = GenerujPlikSWDE(strSciezka, opcje);
        const std::uint64_t nBajty = std::filesystem::file_size(strSciezka);
        std::printf("%s: %llu bytes, %llu records in SO, generated in %.3f s\n", strSciezka.c_str(),
                    static_cast<unsigned long long>(nBajty),
                    static_cast<unsigned long long>(nObiekty), Sekundy(start));

        std::uint64_t nRekordy = 0;
        auto kopiuj = [&] {
            CPlikWynikowy plik;
            if (!plik.Otworz(strKopia))
                throw std::runtime_error("cannot create " + strKopia);
            CzytajRekordy(strSciezka, &plik, true);
            plik.Zamknij();
        };
        CFaza fazy[] = {
            {"raw read, 1 MiB blocks", [&] { CzytajBloki(strSciezka); }},
            {"records, array reused",
             [&] { nRekordy = CzytajRekordy(strSciezka, nullptr, false); }},
            {"records, array emptied by caller", [&] { CzytajRekordy(strSciezka, nullptr, true); }},
            {"records copied (CPlikWynikowy)", kopiuj},
            {"checksums of every line (CSumyCRC)", [&] { Sumy(strSciezka); }},
            {"filtering pass (dangling refs)", [&] { Przebieg(strSciezka, strKopia); }},
            {"check (SprawdzPlik)", [&] { Sprawdz(strSciezka); }},
        };
        bool bZimne = true;
        for (int i = 0; i < 2; ++i) {
            CzytajBloki(strSciezka); // warm for every phase alike
            for (CFaza& faza : fazy) {
                if (i == 1) {
                    bZimne = bZimne && OdrzucZPamieci(strSciezka);
                } else {
                    faza.uruchom(); // one run to warm the caches and the allocator
                }
                start = std::chrono::steady_clock::now();
                faza.uruchom();
                faza.adSekundy[i] = Sekundy(start);
            }
        }
        std::printf("%-34s %26s", "phase", "warm (page cache)");
        std::printf(bZimne ? " %27s\n" : "\n", "cold (from disk)");
        for (const CFaza& faza : fazy)
            Wypisz(faza, nBajty, fazy[0], bZimne);
        const CFaza& przebieg = fazy[std::size(fazy) - 2];
        const CFaza& sprawdzenie = fazy[std::size(fazy) - 1];
        std::printf("check speed / filtering pass speed: %.2f warm",
                    przebieg.adSekundy[0] / sprawdzenie.adSekundy[0]);
        if (bZimne)
            std::printf(", %.2f cold", przebieg.adSekundy[1] / sprawdzenie.adSekundy[1]);
        std::printf("\n");
        std::printf("records read: %llu\n", static_cast<unsigned long long>(nRekordy));
    } catch (const std::exception& e) {
        std::fprintf(stderr, "bench_plik: %s\n", e.what());
        return 1;
    } catch (const CSWDEException& e) {
        std::fprintf(stderr, "bench_plik: %s\n", e.PelnyKomunikat().c_str());
        return 1;
    } catch (...) {
        std::fprintf(stderr, "bench_plik: failed\n");
        return 1;
    }
    std::filesystem::remove(strKopia);
    if (argc <= 2)
        std::filesystem::remove(strSciezka);
    return 0;
}
