// The benchmark of the whole program, run the way users run it: kelvor-cli (beside this
// program) started as a process on generated district-like files, its stage lines timed as
// they arrive. It measures the floor (a copy of the file in 1 MiB blocks through user space, the
// median of five), the longest plan (premises and buildings removed, leases kept, orphans and
// checksums on, a few attributes) pass by pass in MB/s and in floors, the peak resident memory,
// the same on a file ten times smaller, a run of the desktop window offscreen against the
// console's, eight small files with -j 2 against one after another, and --diff of the file
// against a copy with planted changes. Every target is compared with a stored checksum (or the
// target of a reference program) and the benchmark fails loudly on a difference. The last two
// lines are machine-readable:
//
//   DIFF floors=.. rss_mib=..
//
//   RATIO whole=.. worst_pass=.. rss_mib=.. removed=.. scale=.. window=.. parallel=..
//
//   bench_kelvor [SIZE_MB] [-r REPEATS] [--folder DIR] [--program KELVOR_CLI]
//                [--reference KELVOR_CLI] [--window BENCH_OKNO]
//
// The programs are taken from beside this one unless given: kelvor-cli, and bench_okno (the
// window's run), which is there when the window is built.
//   bench_kelvor --generate SIZE_MB SEED PATH
//   bench_kelvor --change OLD NEW        (the copy with planted changes that --diff compares)
//
// Processes are started with fork and their memory read with wait4: Linux only.
#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <vector>

#include <fcntl.h>
#include <poll.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include "generator.h"
#include "generator_zmiany.h"
#include "swde/crc.h"
#include "swde/czytnik.h"

namespace {

namespace fs = std::filesystem;
using Zegar = std::chrono::steady_clock;

double Sekundy(Zegar::time_point a, Zegar::time_point b) {
    return std::chrono::duration<double>(b - a).count();
}

[[noreturn]] void Porazka(const std::string& strTekst) {
    std::fprintf(stderr, "\nBENCHMARK FAILED: %s\n", strTekst.c_str());
    std::exit(1);
}

// ---- Files ---------------------------------------------------------------------------------

constexpr std::size_t BLOK = 1 << 20;
constexpr double MB = 1024.0 * 1024.0;

// The floor: the file copied with 1 MiB reads and writes through user space.
double Kopiuj(const fs::path& zrodlo, const fs::path& cel) {
    const auto start = Zegar::now();
    std::FILE* pWe = std::fopen(zrodlo.c_str(), "rb");
    std::FILE* pWy = std::fopen(cel.c_str(), "wb");
    if (!pWe || !pWy)
        Porazka("cannot copy " + zrodlo.string());
    std::setvbuf(pWe, nullptr, _IONBF, 0);
    std::setvbuf(pWy, nullptr, _IONBF, 0);
    std::vector<char> bufor(BLOK);
    for (std::size_t n; (n = std::fread(bufor.data(), 1, BLOK, pWe)) > 0;)
        if (std::fwrite(bufor.data(), 1, n, pWy) != n)
            Porazka("cannot write " + cel.string());
    std::fclose(pWe);
    if (std::fclose(pWy) != 0)
        Porazka("cannot write " + cel.string());
    return Sekundy(start, Zegar::now());
}

double Podloga(const fs::path& zrodlo, const fs::path& katalog) {
    std::vector<double> czasy;
    for (int i = 0; i < 5; ++i)
        czasy.push_back(Kopiuj(zrodlo, katalog / "kopia.swd"));
    fs::remove(katalog / "kopia.swd");
    std::sort(czasy.begin(), czasy.end());
    return czasy[czasy.size() / 2];
}

// The CRC-32 and the length of a file, as "crc/length".
std::string Suma(const fs::path& sciezka) {
    std::ifstream plik(sciezka, std::ios::binary);
    if (!plik)
        Porazka("cannot read " + sciezka.string());
    std::vector<char> bufor(BLOK);
    std::uint32_t nRejestr = 0xFFFFFFFFu;
    std::uint64_t nDlugosc = 0;
    while (plik.read(bufor.data(), BLOK) || plik.gcount() > 0) {
        const auto n = static_cast<std::size_t>(plik.gcount());
        nRejestr = ObliczCRC(nRejestr, std::string_view(bufor.data(), n));
        nDlugosc += n;
    }
    return std::to_string(~nRejestr) + "/" + std::to_string(nDlugosc);
}

std::uint64_t LiczbaObiektow(const fs::path& sciezka) {
    CCzytnikSWDE czytnik;
    if (!czytnik.Otworz(sciezka.string()))
        Porazka("cannot read " + sciezka.string());
    Rekord rekord;
    std::uint64_t n = 0;
    czytnik.ZnajdzSekcje(format::ESekcja::SO);
    while (czytnik.CzytajRekord(rekord))
        ++n;
    return n;
}

// Targets of the benchmark's plan made by the program before it was made fast (same
// generator, header date 2024-05-06): "crc/length" by the generated size in bytes and seed.
struct CSumaWzorcowa {
    std::uint64_t nBajty;
    unsigned nZiarno;
    const char* szSuma;
};
constexpr CSumaWzorcowa SUMY_WZORCOWE[] = {
    {209715, 1, "1131544614/164881"},        {524288, 1, "3721078527/412028"},
    {2097152, 1, "117426896/1652959"},       {5242880, 1, "2811682733/4119985"},
    {10485760, 1, "731450921/8191482"},      {20971520, 1, "1674633801/16538211"},
    {26843545, 1, "3400614681/21256644"},    {52428800, 1, "89200131/41412178"},
    {104857600, 1, "704762747/82742832"},    {107374182, 1, "443706799/84712938"},
    {268435456, 1, "1299956347/211301869"},  {1073741824, 1, "2192119039/845485836"},
};

std::optional<std::string> SumaWzorcowa(std::uint64_t nBajty, unsigned nZiarno) {
    for (const CSumaWzorcowa& s : SUMY_WZORCOWE)
        if (s.nBajty == nBajty && s.nZiarno == nZiarno)
            return s.szSuma;
    return std::nullopt;
}

// ---- Processes -----------------------------------------------------------------------------

struct CEtap {
    std::string strTekst; // the stage text, UTF-8
    double dStart;        // seconds from the start of the process
};

struct CProces {
    int nKod = -1;
    double dCzas = 0;
    long nRssKiB = 0;
    std::vector<CEtap> etapy;
    std::string strBledy; // stderr
};

// Runs the program with the arguments, stdout to the null device and stderr read line by line:
// every line that names a file and a stage ("<file>: <stage>") is timed as it arrives.
CProces Uruchom(const std::vector<std::string>& astrArgumenty,
                const std::vector<std::string>& astrSrodowisko = {}) {
    int anRura[2];
    if (pipe(anRura) != 0)
        Porazka("pipe");
    const auto start = Zegar::now();
    const pid_t pid = fork();
    if (pid == 0) {
        dup2(open("/dev/null", O_RDWR), 0);
        dup2(open("/dev/null", O_RDWR), 1);
        dup2(anRura[1], 2);
        close(anRura[0]);
        for (const std::string& str : astrSrodowisko)
            putenv(const_cast<char*>(str.c_str()));
        std::vector<char*> argv;
        for (const std::string& str : astrArgumenty)
            argv.push_back(const_cast<char*>(str.c_str()));
        argv.push_back(nullptr);
        execv(argv[0], argv.data());
        _exit(127);
    }
    close(anRura[1]);
    CProces proces;
    std::string strLinia;
    char szBufor[4096];
    for (ssize_t n; (n = read(anRura[0], szBufor, sizeof szBufor)) != 0;) {
        if (n < 0)
            continue;
        const double dTeraz = Sekundy(start, Zegar::now());
        proces.strBledy.append(szBufor, static_cast<std::size_t>(n));
        for (ssize_t i = 0; i < n; ++i) {
            if (szBufor[i] != '\n') {
                strLinia += szBufor[i];
                continue;
            }
            const std::size_t nDwukropek = strLinia.find(": ");
            if (nDwukropek != std::string::npos && strLinia.find(".swd: ") != std::string::npos)
                proces.etapy.push_back({strLinia.substr(nDwukropek + 2), dTeraz});
            strLinia.clear();
        }
    }
    close(anRura[0]);
    int nStatus = 0;
    rusage zuzycie{};
    wait4(pid, &nStatus, 0, &zuzycie);
    proces.dCzas = Sekundy(start, Zegar::now());
    proces.nKod = WIFEXITED(nStatus) ? WEXITSTATUS(nStatus) : -1;
    proces.nRssKiB = zuzycie.ru_maxrss;
    return proces;
}

// ---- The plan ------------------------------------------------------------------------------

// Premises and buildings (bits 0 and 1) and orphans (bit 10); leases not. Personal data of
// persons (sex, PESEL) and two parcel attributes; checksums on.
constexpr const char* KONFIGURACJA = "Obiekty 1027\r\nOSF 6\r\nDZE 18\r\nCRC 1\r\n";
constexpr const char* DATA = "2024-05-06";

struct CSrodowisko {
    fs::path katalog;
    std::string strProgram;  // kelvor-cli
    std::string strWzorzec;  // a reference kelvor-cli, or empty
    std::string strOkno;     // the window program, or empty
    std::string strKonfiguracja;
    int nPowtorzen = 1;
};

std::vector<std::string> Polecenie(const CSrodowisko& s, const std::string& strProgram,
                                   std::vector<std::string> astrPliki,
                                   const std::vector<std::string>& astrOpcje) {
    std::vector<std::string> astr = {strProgram, "-y", "-c", s.strKonfiguracja, "--date", DATA};
    astr.insert(astr.end(), astrOpcje.begin(), astrOpcje.end());
    astr.insert(astr.end(), astrPliki.begin(), astrPliki.end());
    return astr;
}

// A pass: its stage texts (the first stage has three) and time.
struct CPrzebieg {
    std::string strNazwa;
    double dCzas = 0;
};

std::vector<CPrzebieg> Przebiegi(const CProces& proces) {
    std::vector<CPrzebieg> przebiegi;
    for (std::size_t i = 0; i < proces.etapy.size(); ++i) {
        const std::string& str = proces.etapy[i].strTekst;
        const double dKoniec = i + 1 < proces.etapy.size() ? proces.etapy[i + 1].dStart : proces.dCzas;
        // The first stage copies SP and ST under stage texts of their own before its objects.
        const bool bCzescPierwszego =
            !przebiegi.empty() && przebiegi.size() == 1 &&
            (str.starts_with("Filtrowanie typów") || str.starts_with("Filtrowanie obiektów (1/"));
        if (!bCzescPierwszego)
            przebiegi.push_back({str, 0});
        else if (str.starts_with("Filtrowanie obiektów"))
            przebiegi.back().strNazwa = str;
        przebiegi.back().dCzas += dKoniec - proces.etapy[i].dStart;
    }
    return przebiegi;
}

struct CPomiar {
    double dCzas = 0;
    long nRssKiB = 0;
    std::vector<CPrzebieg> przebiegi;
    std::uint64_t nUsuniete = 0;
    std::uint64_t nObiekty = 0;
};

void SprawdzCel(const CSrodowisko& s, const fs::path& zrodlo, const fs::path& cel,
                std::uint64_t nBajty, unsigned nZiarno) {
    const std::string strSuma = Suma(cel);
    std::optional<std::string> wzorzec = SumaWzorcowa(nBajty, nZiarno);
    if (!s.strWzorzec.empty()) {
        const fs::path celWzorca = s.katalog / "wzorzec.swd";
        const CProces proces =
            Uruchom(Polecenie(s, s.strWzorzec, {zrodlo.string()}, {"-q", "-o", celWzorca.string()}));
        if (proces.nKod != 0)
            Porazka("the reference program failed:\n" + proces.strBledy);
        wzorzec = Suma(celWzorca);
        fs::remove(celWzorca);
        fs::remove(fs::path(celWzorca).replace_extension(".log"));
    }
    if (!wzorzec) {
        std::printf("  (no stored checksum for %llu bytes, seed %u: target %s unchecked; give "
                    "--reference KELVOR_CLI to compare)\n",
                    static_cast<unsigned long long>(nBajty), nZiarno, strSuma.c_str());
        return;
    }
    if (*wzorzec != strSuma)
        Porazka("the target of " + zrodlo.string() + " differs from the reference: " + strSuma +
                " instead of " + *wzorzec);
}

// The longest plan on a file generated with nBajty and seed 1.
CPomiar Zmierz(const CSrodowisko& s, std::uint64_t nBajty, const fs::path& zrodlo) {
    const fs::path cel = s.katalog / ("cel_" + std::to_string(nBajty) + ".swd");
    CPomiar pomiar;
    for (int i = 0; i < s.nPowtorzen; ++i) {
        const CProces proces = Uruchom(Polecenie(s, s.strProgram, {zrodlo.string()}, {"-o", cel.string()}));
        if (proces.nKod != 0)
            Porazka("kelvor-cli failed (" + std::to_string(proces.nKod) + "):\n" + proces.strBledy);
        const std::vector<CPrzebieg> przebiegi = Przebiegi(proces);
        if (i == 0) {
            pomiar.dCzas = proces.dCzas;
            pomiar.przebiegi = przebiegi;
        }
        // The best of the repeats, pass by pass: what the machine can do when left alone.
        pomiar.dCzas = std::min(pomiar.dCzas, proces.dCzas);
        for (std::size_t p = 0; p < przebiegi.size() && p < pomiar.przebiegi.size(); ++p)
            pomiar.przebiegi[p].dCzas = std::min(pomiar.przebiegi[p].dCzas, przebiegi[p].dCzas);
        pomiar.nRssKiB = std::max(pomiar.nRssKiB, proces.nRssKiB);
    }
    SprawdzCel(s, zrodlo, cel, nBajty, 1);
    pomiar.nObiekty = LiczbaObiektow(zrodlo);
    pomiar.nUsuniete = pomiar.nObiekty - LiczbaObiektow(cel);
    fs::remove(cel);
    fs::remove(fs::path(cel).replace_extension(".log"));
    return pomiar;
}

// The window's run against the console's on the same file: NaN when there is no window. The
// window program times its own run, from "Przetwarzaj" to the hand-back.
double Okno(const CSrodowisko& s, const fs::path& zrodlo, double dKonsola) {
    if (s.strOkno.empty())
        return NAN;
    const fs::path katalog = s.katalog / "okno";
    fs::create_directories(katalog);
    double dNajlepszy = 0;
    for (int i = 0; i < s.nPowtorzen; ++i) {
        const CProces proces = Uruchom({s.strOkno, s.strKonfiguracja, zrodlo.string(), katalog.string()},
                                       {"QT_QPA_PLATFORM=offscreen"});
        const std::size_t nCzas = proces.strBledy.find("okno: ");
        if (proces.nKod != 0 || nCzas == std::string::npos)
            Porazka("the window run failed (" + std::to_string(proces.nKod) + "):\n" + proces.strBledy);
        const double dCzas = std::stod(proces.strBledy.substr(nCzas + 6));
        dNajlepszy = i == 0 ? dCzas : std::min(dNajlepszy, dCzas);
    }
    fs::remove_all(katalog);
    return dNajlepszy / dKonsola;
}

// Eight files with -j 2 against the same eight one after another; the targets must be the same.
double Rownolegle(const CSrodowisko& s, const std::vector<std::string>& astrPliki) {
    double adCzas[2] = {0, 0};
    std::vector<std::string> astrSumy[2];
    for (int j = 0; j < 2; ++j) {
        const fs::path katalog = s.katalog / ("j" + std::to_string(j + 1));
        fs::create_directories(katalog);
        for (int i = 0; i < s.nPowtorzen; ++i) {
            const CProces proces = Uruchom(Polecenie(
                s, s.strProgram, astrPliki, {"-q", "-j", std::to_string(j + 1), "-d", katalog.string()}));
            if (proces.nKod != 0) {
                std::printf("  (-j %d failed with %d: parallel not measured)\n", j + 1, proces.nKod);
                return NAN;
            }
            adCzas[j] = i == 0 ? proces.dCzas : std::min(adCzas[j], proces.dCzas);
        }
        for (const std::string& strPlik : astrPliki)
            astrSumy[j].push_back(
                Suma(katalog / (fs::path(strPlik).stem().string() + "_nowy.swd")));
        fs::remove_all(katalog);
    }
    if (astrSumy[0] != astrSumy[1])
        Porazka("the targets of -j 2 differ from those of -j 1");
    return adCzas[1] / adCzas[0];
}

// kelvor-cli --diff of the file against its copy with planted changes: the best time of the
// repeats and the peak memory. The exit status must be 1 (differences found).
CProces Porownaj(const CSrodowisko& s, const fs::path& zrodlo) {
    const fs::path zmieniony = s.katalog / "zmieniony.swd";
    ZapiszZmienionyPlik(zrodlo.string(), zmieniony.string());
    CProces najlepszy;
    for (int i = 0; i < s.nPowtorzen; ++i) {
        const CProces proces = Uruchom({s.strProgram, "-q", "--diff", zrodlo.string(), zmieniony.string()});
        if (proces.nKod != 1)
            Porazka("kelvor-cli --diff failed (" + std::to_string(proces.nKod) + "):\n" + proces.strBledy);
        if (i == 0 || proces.dCzas < najlepszy.dCzas)
            najlepszy.dCzas = proces.dCzas;
        najlepszy.nRssKiB = std::max(najlepszy.nRssKiB, proces.nRssKiB);
    }
    fs::remove(zmieniony);
    return najlepszy;
}

std::string Liczba(double d, int nMiejsc = 2) {
    if (std::isnan(d))
        return "NA";
    char sz[32];
    std::snprintf(sz, sizeof sz, "%.*f", nMiejsc, d);
    return sz;
}

// The text padded to a width in characters (the stage texts are UTF-8).
std::string Kolumna(const std::string& str, std::size_t nSzerokosc) {
    std::size_t nZnaki = 0;
    for (const char c : str)
        nZnaki += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    return str + std::string(nSzerokosc > nZnaki ? nSzerokosc - nZnaki : 0, ' ');
}

void Tabela(const CPomiar& duzy, std::uint64_t nRozmiar, double dPodloga) {
    const double dMB = static_cast<double>(nRozmiar) / MB;
    std::printf("\n%s %8s %8s %8s\n", Kolumna("pass", 34).c_str(), "s", "MB/s", "floors");
    for (const CPrzebieg& p : duzy.przebiegi)
        std::printf("%s %8.3f %8.0f %8.2f\n", Kolumna(p.strNazwa, 34).c_str(), p.dCzas,
                    dMB / p.dCzas, p.dCzas / dPodloga);
    std::printf("%s %8.3f %8s %8.2f  (%.2f in units of seven floors)\n",
                Kolumna("whole run", 34).c_str(), duzy.dCzas, "", duzy.dCzas / dPodloga,
                duzy.dCzas / (7 * dPodloga));
}

} // namespace

int main(int argc, char** argv) {
    std::vector<std::string> astrArg(argv + 1, argv + argc);
    if (astrArg.size() == 4 && astrArg[0] == "--generate") {
        const std::uint64_t nObiekty = GenerujPlikSWDE(
            astrArg[3], {std::stoull(astrArg[1]) << 20, static_cast<unsigned>(std::stoul(astrArg[2]))});
        std::printf("%llu objects\n", static_cast<unsigned long long>(nObiekty));
        return 0;
    }
    if (astrArg.size() == 3 && astrArg[0] == "--change") {
        std::printf("%zu changes\n", ZapiszZmienionyPlik(astrArg[1], astrArg[2]).size());
        return 0;
    }
    CSrodowisko s;
    std::uint64_t nMB = 256;
    s.katalog = fs::temp_directory_path() / "kelvor_bench";
    const fs::path folder = fs::canonical("/proc/self/exe").parent_path();
    s.strProgram = (folder / "kelvor-cli").string();
    if (fs::exists(folder / "bench_okno"))
        s.strOkno = (folder / "bench_okno").string();
    for (std::size_t i = 0; i < astrArg.size(); ++i) {
        const std::string& a = astrArg[i];
        const bool bWartosc = i + 1 < astrArg.size();
        if (a == "-r" && bWartosc)
            s.nPowtorzen = std::max(1, std::stoi(astrArg[++i]));
        else if (a == "--folder" && bWartosc)
            s.katalog = astrArg[++i];
        else if (a == "--program" && bWartosc) {
            // Another console program: the window beside this one is not its window.
            s.strProgram = fs::absolute(astrArg[++i]).string();
            s.strOkno.clear();
        }
        else if (a == "--reference" && bWartosc)
            s.strWzorzec = fs::absolute(astrArg[++i]).string();
        else if (a == "--window" && bWartosc)
            s.strOkno = fs::absolute(astrArg[++i]).string();
        else if (!a.empty() && a[0] != '-')
            nMB = std::stoull(a);
        else
            Porazka("usage: bench_kelvor [SIZE_MB] [-r REPEATS] [--folder DIR] [--program "
                    "KELVOR_CLI] [--reference KELVOR_CLI] [--window BENCH_OKNO]");
    }
    const std::uint64_t nDuzy = nMB << 20, nMaly = nDuzy / 10;
    fs::create_directories(s.katalog);
    s.strKonfiguracja = (s.katalog / "plan.cfg").string();
    std::ofstream(s.strKonfiguracja, std::ios::binary) << KONFIGURACJA;

    const fs::path duzy = s.katalog / ("powiat_" + std::to_string(nMB) + ".swd");
    std::vector<std::string> astrMale;
    for (unsigned z = 1; z <= 8; ++z) {
        astrMale.push_back((s.katalog / ("gmina_" + std::to_string(z) + ".swd")).string());
        GenerujPlikSWDE(astrMale.back(), {nMaly, z});
    }
    GenerujPlikSWDE(duzy.string(), {nDuzy, 1});
    const std::uint64_t nRozmiar = fs::file_size(duzy);

    const double dPodloga = Podloga(duzy, s.katalog);
    std::printf("KELVOR benchmark: %.0f MB district-like file, longest plan (premises, buildings,\n"
                "orphans, checksums, 4 attributes); best of %d run(s)\n",
                static_cast<double>(nRozmiar) / MB, s.nPowtorzen);
    std::printf("floor: copy in 1 MiB blocks, median of 5: %.3f s (%.0f MB/s)\n", dPodloga,
                static_cast<double>(nRozmiar) / MB / dPodloga);
    const CPomiar pomiarDuzy = Zmierz(s, nDuzy, duzy);
    const CPomiar pomiarMaly = Zmierz(s, nMaly, astrMale[0]);
    Tabela(pomiarDuzy, nRozmiar, dPodloga);

    const double dWhole = pomiarDuzy.dCzas / (7 * dPodloga);
    double dNajgorszy = 0;
    for (const CPrzebieg& p : pomiarDuzy.przebiegi)
        dNajgorszy = std::max(dNajgorszy, p.dCzas / dPodloga);
    const double dRss = static_cast<double>(pomiarDuzy.nRssKiB) / 1024.0;
    const double dLimit = 64.0 + 96.0 * static_cast<double>(pomiarDuzy.nUsuniete) / MB;
    const double dSkala = pomiarDuzy.dCzas / pomiarMaly.dCzas;
    std::printf("%-34s %8.1f MiB (limit 64 + 96 B x removed = %.1f MiB)\n", "peak resident memory",
                dRss, dLimit);
    std::printf("%-34s %8llu of %llu objects\n", "removed",
                static_cast<unsigned long long>(pomiarDuzy.nUsuniete),
                static_cast<unsigned long long>(pomiarDuzy.nObiekty));
    std::printf("%-34s %8.3f s, %.1f MiB; scale %.2f for a size ratio of %.2f\n", "file ten times smaller",
                pomiarMaly.dCzas, static_cast<double>(pomiarMaly.nRssKiB) / 1024.0, dSkala,
                static_cast<double>(nRozmiar) / static_cast<double>(fs::file_size(astrMale[0])));
    const double dOkno = Okno(s, duzy, pomiarDuzy.dCzas);
    std::printf("%-34s %8s\n", "window run / console run", Liczba(dOkno).c_str());
    const double dRownolegle = Rownolegle(s, astrMale);
    std::printf("%-34s %8s\n", "8 files: -j 2 / one after another", Liczba(dRownolegle).c_str());
    const CProces porownanie = Porownaj(s, duzy);
    std::printf("%-34s %8.3f s, %.2f floors, %.1f MiB\n", "--diff with a changed copy",
                porownanie.dCzas, porownanie.dCzas / dPodloga,
                static_cast<double>(porownanie.nRssKiB) / 1024.0);

    fs::remove(duzy);
    for (const std::string& strPlik : astrMale)
        fs::remove(strPlik);
    std::printf("DIFF floors=%s rss_mib=%s\n", Liczba(porownanie.dCzas / dPodloga).c_str(),
                Liczba(static_cast<double>(porownanie.nRssKiB) / 1024.0, 1).c_str());
    std::printf("RATIO whole=%s worst_pass=%s rss_mib=%s removed=%llu scale=%s window=%s "
                "parallel=%s\n",
                Liczba(dWhole).c_str(), Liczba(dNajgorszy).c_str(), Liczba(dRss, 1).c_str(),
                static_cast<unsigned long long>(pomiarDuzy.nUsuniete), Liczba(dSkala).c_str(),
                Liczba(dOkno).c_str(), Liczba(dRownolegle).c_str());
    return 0;
}
