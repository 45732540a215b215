// Throughput of the file layer on a synthetic file: raw block reading as the yardstick, then
// reading record by record, copying through the buffered writer and the CRC stage.
//
//   bench_plik [MB] [path]      (default 200 MB in the temporary folder)
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "generator.h"
#include "swde/bledy.h"
#include "swde/crc.h"
#include "swde/czytnik.h"
#include "swde/plik_wynikowy.h"
#include "swde/powiadomienia.h"

namespace {

// Notifications that show nothing and never cancel.
class CCichePowiadomienia : public CPowiadomienia {
public:
    void PokazPostep() override {}
    void UkryjPostep() override {}
    void UstawPlik(const std::string&) override {}
    void UstawEtap(const std::string&) override {}
    void UstawPostep(int) override {}
    bool CzyPrzerwac() const override { return false; }
    int LiczbaWierszy() override { return 0; }
    void ZaznaczWiersz(int) override {}
    std::string TekstWiersza(int) override { return {}; }
    void PokazPare(int) override {}
    void WyczyscNaglowki() override {}
    void WlaczOkno(bool) override {}
    void WlaczPrzetwarzaj(bool) override {}
    bool Komunikat(const std::string&, ERodzajKomunikatu) override { return true; }
};

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

// Reads the file as a pass does; with a writer, copies every line as a pass would.
std::uint64_t CzytajRekordy(const std::string& strSciezka, CPlikWynikowy* pPlik) {
    CCzytnikSWDE czytnik;
    if (!czytnik.Otworz(strSciezka))
        return 0;
    std::vector<std::string> linie;
    std::uint64_t nRekordy = 0;
    auto zapisz = [&](const std::string& str) {
        if (pPlik) {
            pPlik->Zapisz(str);
            pPlik->Zapisz("\n");
        }
    };
    for (const char* szSekcja : {"SN;", "SP;"}) {
        int n = 0;
        czytnik.m_bSzukajSekcji = true;
        while (czytnik.CzytajWierszSekcji(szSekcja, linie, n))
            zapisz(linie[static_cast<std::size_t>(n - 1)]);
    }
    for (const char* szSekcja : {"ST;", "SO;"}) {
        int n = 0;
        czytnik.m_bSzukajSekcji = true;
        linie.clear();
        while (czytnik.CzytajRekord(szSekcja, linie, n)) {
            ++nRekordy;
            for (const std::string& str : linie)
                zapisz(str);
            linie.clear();
        }
    }
    czytnik.Zamknij();
    return nRekordy;
}

void Wypisz(const char* szNazwa, double dSekundy, std::uint64_t nBajty, double dOdniesienie) {
    const double dMBs = static_cast<double>(nBajty) / 1048576.0 / dSekundy;
    std::printf("%-34s %8.3f s %9.1f MB/s", szNazwa, dSekundy, dMBs);
    if (dOdniesienie > 0)
        std::printf("   %.2f of raw", dMBs / dOdniesienie);
    std::printf("\n");
}

} // namespace

int main(int argc, char** argv) {
    const std::uint64_t nMB = argc > 1 ? std::strtoull(argv[1], nullptr, 10) : 200;
    const std::string strSciezka =
        argc > 2 ? argv[2]
                 : (std::filesystem::temp_directory_path() / "kelvor_bench_plik.swd").string();
    const std::string strKopia = strSciezka + ".kopia";
    const std::string strCRC = strSciezka + ".crc";
    try {
        auto start = std::chrono::steady_clock::now();
        COpcjeGeneratora opcje;
        opcje.nRozmiar = nMB << 20;
        const std::uint64_t nObiekty = GenerujPlikSWDE(strSciezka, opcje);
        const std::uint64_t nBajty = std::filesystem::file_size(strSciezka);
        std::printf("%s: %llu bytes, %llu records in SO\n", strSciezka.c_str(),
                    static_cast<unsigned long long>(nBajty),
                    static_cast<unsigned long long>(nObiekty));
        Wypisz("generating", Sekundy(start), nBajty, 0);

        CzytajBloki(strSciezka); // warms the cache for everyone alike
        start = std::chrono::steady_clock::now();
        CzytajBloki(strSciezka);
        const double dSurowe = static_cast<double>(nBajty) / 1048576.0 / Sekundy(start);
        Wypisz("raw read, 1 MiB blocks", Sekundy(start), nBajty, 0);

        start = std::chrono::steady_clock::now();
        const std::uint64_t nRekordy = CzytajRekordy(strSciezka, nullptr);
        Wypisz("records (CCzytnikSWDE)", Sekundy(start), nBajty, dSurowe);

        start = std::chrono::steady_clock::now();
        CPlikWynikowy plik;
        if (!plik.Otworz(strKopia))
            throw std::runtime_error("cannot create " + strKopia);
        CzytajRekordy(strSciezka, &plik);
        plik.Zamknij();
        Wypisz("records copied (CPlikWynikowy)", Sekundy(start), nBajty, dSurowe);

        CCichePowiadomienia powiadomienia;
        start = std::chrono::steady_clock::now();
        DodajSumyCRC(strSciezka, strCRC, powiadomienia);
        Wypisz("CRC stage (DodajSumyCRC)", Sekundy(start), nBajty, dSurowe);

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
    std::filesystem::remove(strCRC);
    if (argc <= 2)
        std::filesystem::remove(strSciezka);
    return 0;
}
