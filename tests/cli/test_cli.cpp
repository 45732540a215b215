// kelvor-cli as a user runs it: whole runs, the target checks, the header and filter options,
// misuse, the check of files, and vanished output during a run; on POSIX also signals and the
// terminal (Ctrl+C, the question). Processes are started with fork, or CreateProcess on Windows.
#include <gtest/gtest.h>

#include <csignal>
#include <ctime>
#include <filesystem>
#include <regex>
#include <string>
#include <tuple>
#include <vector>

#ifdef _WIN32
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>
#else
#include <fcntl.h>
#include <poll.h>
#include <pty.h>
#include <sys/wait.h>
#include <unistd.h>
#endif

#include <nlohmann/json.hpp>

#include "opcje/konfiguracja.h"
#include "opcje/opcje.h"
#include "wspolne/katalog_testowy.h"

namespace {

namespace fs = std::filesystem;
using Lista = std::vector<std::string>;

#ifdef _WIN32
using Proces = HANDLE;
const fs::path PROGRAM = fs::path(KELVOR_BIN_DIR) / "kelvor-cli.exe";
#else
using Proces = pid_t;
const fs::path PROGRAM = fs::path(KELVOR_BIN_DIR) / "kelvor-cli";
#endif
const fs::path PRZYKLAD = fs::path(KELVOR_SRC_DIR) / "examples" / "obreb_przykladowy.swd";
const std::string PRZYKLAD_CFG = (fs::path(KELVOR_SRC_DIR) / "examples" / "przyklad.cfg").string();
const std::string PESEL_CFG = "Obiekty 0\r\nOSF 4\r\nCRC 1\r\n"; // one attribute, CRC asked

using testy::Czytaj;
using testy::Zapisz;

bool Zawiera(const std::string& strTekst, const std::string& strSzukany) {
    return strTekst.find(strSzukany) != std::string::npos;
}

// A person with a PESEL attribute and one premises record; strWstawka goes into the person.
std::string MalyPlik(bool bData = true, const std::string& strWstawka = "") {
    return std::regex_replace(
        std::string("SWDE.w.2.00.(C) GUGiK 2000;\nSN;\nNS,TR,146599_9\n") +
            (bData ? "NS,DN,2020-01-01\n" : "") +
            "SX;\nSP;\nSX;\nST;\nSX;\nSO;\nRO,,G5OSF,1,1_osf,11;\nD,G5PSL,D,0000000;\n"
            "D,G5NZW,D,Testowa;\n" +
            strWstawka + "X;\nRO,,G5LKL,2,2_lkl,11;\nD,G5LIZ,D,3;\nX;\nSX;\nSWDEX;\n",
        std::regex("\n"), "\r\n");
}

#ifndef _WIN32
// The example with its object section repeated to about 40 MB, so that a run takes a while.
const std::string& DuzyPlik() {
    static const std::string strWynik = [] {
        const std::string strPrzyklad = Czytaj(PRZYKLAD);
        const std::size_t nPoczatek = strPrzyklad.find("SO;\r\n") + 5;
        const std::string strObiekty =
            strPrzyklad.substr(nPoczatek, strPrzyklad.rfind("SX;\r\n") - nPoczatek);
        std::string str = strPrzyklad.substr(0, nPoczatek);
        while (str.size() < (40u << 20))
            str += strObiekty;
        return str + "SX;\r\nSWDEX;\r\n";
    }();
    return strWynik;
}
#endif

struct CWynik {
    int nKod = -1;
    std::string strWyjscie; // stdout and stderr
};

enum class EWyjscie { Pliki, ZamknietaRura, Terminal, PelnyDysk };

// A folder of its own for each test: the data in dane/, where the program runs.
class CKatalog : public testy::CKatalog {
public:
    CKatalog() { fs::create_directories(Dane()); }

    fs::path Dane() const { return m_sciezka / "dane"; }
    fs::path operator/(const std::string& strNazwa) const { return Dane() / strNazwa; }
    // Every file under dane/ or its subfolder, relative and sorted.
    Lista Pliki(const std::string& strPodkatalog = "") const {
        return testy::CKatalog::Pliki(Dane() / strPodkatalog);
    }

    // Starts the program: stdin from the null device and the output into a file beside dane/
    // (stderr a pipe nobody reads, with ZamknietaRura), or everything on a new terminal (its
    // other side in m_nTerminal; POSIX only).
#ifdef _WIN32
    Proces Start(const Lista& astrArgumenty, EWyjscie eWyjscie = EWyjscie::Pliki,
                 const fs::path& program = PROGRAM) {
        std::wstring strLinia = Cytat(program.wstring());
        for (const std::string& str : astrArgumenty) // UTF-8
            strLinia += L" " + Cytat(fs::path(std::u8string(str.begin(), str.end())).wstring());
        SECURITY_ATTRIBUTES dziedziczone{sizeof dziedziczone, nullptr, TRUE};
        const HANDLE hWejscie = CreateFileW(L"NUL", GENERIC_READ, FILE_SHARE_READ, &dziedziczone,
                                            OPEN_EXISTING, 0, nullptr);
        const HANDLE hWyjscie =
            CreateFileW((m_sciezka / "wyjscie.txt").c_str(), GENERIC_WRITE, FILE_SHARE_READ,
                        &dziedziczone, CREATE_ALWAYS, 0, nullptr);
        HANDLE hBledy = hWyjscie, hCzytanie = nullptr;
        if (eWyjscie == EWyjscie::ZamknietaRura && CreatePipe(&hCzytanie, &hBledy, &dziedziczone, 0))
            CloseHandle(hCzytanie);
        STARTUPINFOW start{};
        start.cb = sizeof start;
        start.dwFlags = STARTF_USESTDHANDLES;
        start.hStdInput = hWejscie;
        start.hStdOutput = hWyjscie;
        start.hStdError = hBledy;
        PROCESS_INFORMATION proces{};
        const BOOL bStart = CreateProcessW(nullptr, strLinia.data(), nullptr, nullptr, TRUE, 0, nullptr,
                                           Dane().c_str(), &start, &proces);
        CloseHandle(hWejscie);
        CloseHandle(hWyjscie);
        if (hBledy != hWyjscie)
            CloseHandle(hBledy);
        if (!bStart)
            return nullptr;
        CloseHandle(proces.hThread);
        return proces.hProcess;
    }

    // The output with Windows line ends as "\n", as the tests expect it.
    CWynik Koniec(Proces proces) const {
        DWORD nKod = static_cast<DWORD>(-1);
        if (proces) {
            WaitForSingleObject(proces, INFINITE);
            GetExitCodeProcess(proces, &nKod);
            CloseHandle(proces);
        }
        return {static_cast<int>(nKod),
                std::regex_replace(Czytaj(m_sciezka / "wyjscie.txt"), std::regex("\r"), "")};
    }

    // One argument as the program's command-line parser reads it back.
    static std::wstring Cytat(const std::wstring& str) {
        std::wstring strWynik = L"\"";
        std::size_t nUkosniki = 0;
        for (wchar_t c : str) {
            if (c == L'\\') {
                ++nUkosniki;
                continue;
            }
            strWynik.append(c == L'"' ? nUkosniki * 2 + 1 : nUkosniki, L'\\');
            nUkosniki = 0;
            strWynik += c;
        }
        strWynik.append(nUkosniki * 2, L'\\');
        return strWynik + L"\"";
    }
#else
    Proces Start(const Lista& astrArgumenty, EWyjscie eWyjscie = EWyjscie::Pliki,
                 const fs::path& program = PROGRAM) {
        const pid_t pid = eWyjscie == EWyjscie::Terminal
                              ? forkpty(&m_nTerminal, nullptr, nullptr, nullptr)
                              : fork();
        if (pid != 0)
            return pid;
        int anRura[2];
        if (chdir(Dane().c_str()) != 0 || pipe(anRura) != 0)
            _exit(127);
        close(anRura[0]);
        if (eWyjscie != EWyjscie::Terminal) {
            dup2(open("/dev/null", O_RDONLY), 0);
            dup2(open((m_sciezka / "wyjscie.txt").c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644), 1);
            dup2(eWyjscie == EWyjscie::ZamknietaRura ? anRura[1] : 1, 2);
            if (eWyjscie == EWyjscie::PelnyDysk)
                dup2(open("/dev/full", O_WRONLY), 1);
        }
        std::vector<char*> argv{const_cast<char*>("kelvor-cli")};
        for (const std::string& strArgument : astrArgumenty)
            argv.push_back(const_cast<char*>(strArgument.c_str()));
        argv.push_back(nullptr);
        execv(program.c_str(), argv.data());
        _exit(127);
    }

    CWynik Koniec(pid_t pid) const {
        int nStatus = 0;
        waitpid(pid, &nStatus, 0);
        return {WIFEXITED(nStatus) ? WEXITSTATUS(nStatus) : -1, Czytaj(m_sciezka / "wyjscie.txt")};
    }
#endif

    CWynik Uruchom(const Lista& astrArgumenty, const fs::path& program = PROGRAM) {
        return Koniec(Start(astrArgumenty, EWyjscie::Pliki, program));
    }

    int m_nTerminal = -1;
};

// With KELVOR.cfg beside the program and no -c, replacing an earlier result, with Polish
// header texts.
TEST(Konsola, SameAtrybutyJedenEtapWprostDoCelu) {
    CKatalog katalog;
    const fs::path program = katalog.m_sciezka / "bin" / PROGRAM.filename();
    fs::create_directories(program.parent_path());
    fs::copy_file(PROGRAM, program);
    Zapisz(program.parent_path() / "KELVOR.cfg", PESEL_CFG);
    Zapisz(katalog / "osoby.swd", MalyPlik());
    Zapisz(katalog / "osoby_nowy.swd", "stary wynik");

    const CWynik wynik = katalog.Uruchom(
        {"-y", "--header=TN=Śląsk, Biuro Źródeł", "--header", "OO=Zażółć gęślą jaźń", "osoby.swd"},
        program);

    EXPECT_EQ(wynik.nKod, 0) << wynik.strWyjscie;
    EXPECT_EQ(katalog.Pliki(), (Lista{"osoby.swd", "osoby_nowy.log", "osoby_nowy.swd"}));
    char szDzis[16]; // a source with a date gets the window's initial date: today
    const std::time_t nTeraz = std::time(nullptr);
    std::strftime(szDzis, sizeof szDzis, "%Y-%m-%d", std::localtime(&nTeraz));
    const std::string strCel = Czytaj(katalog / "osoby_nowy.swd");
    for (const std::string& strWiersze :
         {std::string("NS,TR,146599_9\r\nNS,TN,\246l\261sk, Biuro \254r\363de\263\r\n"),
          std::string("NS,OO,Za\277\363\263\346 g\352\266l\261 ja\274\361\r\nNS,DN,") + szDzis,
          std::string("D,G5NZW,D,Testowa;\r\nX;\r\nRO,,G5LKL,2,2_lkl,11;")})
        EXPECT_TRUE(Zawiera(strCel, strWiersze)) << strWiersze;
    EXPECT_FALSE(Zawiera(strCel, "G5PSL"));
    const std::string strLog = Czytaj(katalog / "osoby_nowy.log");
    EXPECT_TRUE(Zawiera(strLog, "plikiem konfiguracyjnym: '" +
                                    (program.parent_path() / "KELVOR.cfg").string() + "'\r\n"));
    EXPECT_TRUE(Zawiera(wynik.strWyjscie, "Filtrowanie zakończone.\nCzas filtrowania: "));
    EXPECT_TRUE(Zawiera(wynik.strWyjscie, "osoby.swd: Filtrowanie obiektów (1/1)\n"));
}

// The example with -c and -d, checked before and after. Stderr is a pipe nobody reads, which
// must not stop the run halfway, though the lost messages make the status 2. Three identity card numbers of the example happen to have valid
// check digits; the filter removes that attribute.
TEST(Konsola, PrzykladFiltrowanyISprawdzony) {
    CKatalog katalog;
    fs::copy_file(PRZYKLAD, katalog / "obreb.swd");
    fs::create_directories(katalog / "wyniki");
    const CWynik zrodlo = katalog.Uruchom({"--check", "obreb.swd"});
    EXPECT_EQ(zrodlo.nKod, 1) << zrodlo.strWyjscie;
    for (const char* sz : {"Struktura: kompletna", "Sumy kontrolne: brak",
                           "G5OSF          16        1", "wszystkie wskazują obiekty tego pliku",
                           "dowód osobisty w G5DOS: 3 (", "Wynik: USTERKI (dane osobowe)"})
        EXPECT_TRUE(Zawiera(zrodlo.strWyjscie, sz)) << sz;

    const Proces pid =
        katalog.Start({"-c", PRZYKLAD_CFG, "-d", "wyniki", "obreb.swd"}, EWyjscie::ZamknietaRura);
    ASSERT_EQ(katalog.Koniec(pid).nKod, 2);
    EXPECT_TRUE(Zawiera(Czytaj(katalog / "wyniki/obreb_nowy.log"),
                        "konfiguracyjnym: '" +
                            fs::absolute(PRZYKLAD_CFG).lexically_normal().string() + "'\r\n"));
    const std::string strCel = Czytaj(katalog / "wyniki/obreb_nowy.swd");
    const std::pair<const char*, bool> oczekiwane[] = {
        {"RO,,G5LKL,", false},      {"RO,,G5BUD,", false}, // premises and buildings
        {"G5BUD,300", false},                              // and every relation to them
        {"RO,,G5DZW,1201,", false},                        // a lease of a building only
        {"RO,,G5ADR,8012,", false},                        // an orphan address
        {"RO,,G5OSF,7001,", true},  {"D,G5PSL,", false},   {"SXC,", true},
    };
    for (const auto& [szTekst, bJest] : oczekiwane)
        EXPECT_EQ(Zawiera(strCel, szTekst), bJest) << szTekst;
    const CWynik cel = katalog.Uruchom({"-q", "--check", "wyniki/obreb_nowy.swd"});
    EXPECT_EQ(cel.nKod, 0) << cel.strWyjscie;
    for (const char* sz : {"Sumy kontrolne: zgodne", "    SO;   zgodna ", "    plik  zgodna ",
                           "Dane osobowe: nie znaleziono", "Wynik: plik kompletny"})
        EXPECT_TRUE(Zawiera(cel.strWyjscie, sz)) << sz;
    EXPECT_EQ(katalog.Pliki(),
              (Lista{"obreb.swd", "wyniki/obreb_nowy.log", "wyniki/obreb_nowy.swd"}));
#ifndef _WIN32
    // A report that could not be written is no success.
    for (const Lista& argumenty : {Lista{"--check", "--json", "wyniki/obreb_nowy.swd"}, Lista{"--help"}}) {
        const CWynik pelny = katalog.Koniec(katalog.Start(argumenty, EWyjscie::PelnyDysk));
        EXPECT_EQ(pelny.nKod, 2) << argumenty.front();
        EXPECT_TRUE(Zawiera(pelny.strWyjscie, "standardowe wyjście")) << pelny.strWyjscie;
    }
#endif
}

TEST(Konsola, BledneWywolaniaNicNieZapisuja) {
    CKatalog katalog;
    const struct {
        Lista astrArgumenty;
        std::string strKomunikat;
    } przypadki[] = {
        {{}, "nie podano żadnego pliku źródłowego"},
        {{"--bogus", "a.swd"}, "nieznana opcja '--bogus'"},
        {{"a.swd", "-c"}, "opcja -c wymaga wartości"},
        {{"--yes=1", "a.swd"}, "opcja --yes nie przyjmuje wartości"},
        {{"-c", "pesel.cfg", "--config=pesel.cfg", "a.swd"}, "podana więcej niż raz"},
        {{"--date", "2023-02-29", "a.swd"}, "nieprawidłowa data '2023-02-29'"},
        {{"--date", "2024-1-05", "a.swd"}, "nieprawidłowa data"},
        {{"--header", "XX=1", "a.swd"}, "nieznany kod nagłówka 'XX'"},
        {{"--header", "DN=2024-01-01", "a.swd"}, "nieznany kod nagłówka 'DN'"},
        {{"--header", "TN", "a.swd"}, "KOD=WARTOŚĆ"},
        {{"--header", "TN=a\nb", "a.swd"}, "nie może zawierać końca wiersza"},
        {{"--header", "ON=Biuro „Szkic”", "a.swd"}, "nie da się zapisać w pliku SWDE: „ ”"},
        {{"--header", "OO=Anna\tProbna", "a.swd"}, "nie da się zapisać w pliku SWDE: U+0009"},
        {{"-o", "x.swd", "a.swd", "b.swd"}, "dokładnie jednego pliku źródłowego"},
        {{"-j", "dwa", "a.swd"}, "nieprawidłowa liczba jednocześnie filtrowanych plików 'dwa'"},
        {{"-o", "x.swd", "-d", "wyniki", "a.swd"}, "nie można łączyć"},
        {{"-c", "brak.cfg", "a.swd"}, "nie można odczytać pliku konfiguracji"},
        {{"-c", "zla.cfg", "a.swd"},
         "Błędny format pliku: Plik konfiguracji ma nieprawidłowy format"},
        {{"-c", "pesel.cfg", "-d", "brak", "a.swd"}, "umieszczone w nieprawidłowych folderach:\n"},
        {{"-c", "pesel.cfg", "-d", "wyniki", "a.swd", "x/a.swd"}, "ten sam plik docelowy"},
        {{"-c", "pusta.cfg", "a.swd"}, "Nie wybrano żadnej opcji filtrowania."},
        {{"-c", "pesel.cfg", "a.swd", "b.swd"}, // without a terminal and without -y
         "Poniższe pliki docelowe już istnieją:\n" + (katalog / "b_nowy.swd").string() + "."},
        {{"--remove", "lokale,strych", "a.swd"},
         "nieznana grupa obiektów 'strych' (dostępne: lokale, budynki, wladanie, dzierzawa,"},
        {{"--remove-attr", "XYZ:G5PLC", "a.swd"},
         "nieznany typ obiektów 'XYZ' (dostępne: JEW, OBR,"},
        {{"--remove-attr", "OSF:G5PLC,G5XXX", "a.swd"},
         "typ G5OSF nie ma atrybutu 'G5XXX' (dostępne: G5STI, G5PLC, G5PSL, G5NIP,"},
        {{"--remove-attr", "OSF", "a.swd"}, "TYP:ATRYBUT"},
        {{"--remove-attr", "BUD:G5WRT", "--remove", "budynki", "a.swd"},
         "atrybutów typu G5BUD nie można wybrać, gdy usuwana jest cała grupa 'budynki'"},
        {{"--crc", "--no-crc", "a.swd"}, "opcji --crc i --no-crc nie można łączyć"},
        {{"--remove", "lokale", "--save-config", "pesel.cfg"}, "Plik konfiguracji już istnieje: "},
        // Saving the settings never destroys a file of another kind, whatever -y says.
        {{"-y", "--remove", "budynki", "--save-config", "a.swd", "a.swd"}, "' jest plikiem źródłowym"},
        {{"-y", "--remove", "budynki", "--save-config", "b.swd"}, "' nie jest plikiem konfiguracji"},
        {{"-y", "--remove", "budynki", "--save-config", "duzy.cfg"}, "' nie jest plikiem konfiguracji"},
        {{"-y", "--remove", "budynki", "--save-config", "/dev/full"}, "' nie jest plikiem konfiguracji"},
        {{"--check", "-y", "a.swd"}, "opcji -y nie można łączyć z --check"},
        {{"--check"}, "nie podano żadnego pliku do sprawdzenia"},
        {{"--json", "a.swd"}, "opcja --json działa tylko z --check"},
        {{"--check", "brak.swd"}, "Błąd nr 0: Błąd otwarcia pliku źródłowego: "},
        {{"--diff", "a.swd"}, "opcja --diff wymaga dokładnie dwóch plików"},
        {{"--diff", "--html", "pesel.cfg", "a.swd", "b.swd"}, "Plik raportu już istnieje: "},
        {{"--html", "r.html", "a.swd"}, "działają tylko z --diff"},
        {{"--diff", "--csv", "a.swd", "a.swd", "b.swd"}, "nie może zastąpić porównywanego pliku"},
        {{"--diff", "a.swd", "brak.swd"}, "Błąd otwarcia pliku źródłowego: "},
    };
    Zapisz(katalog / "a.swd", MalyPlik());
    Zapisz(katalog / "b.swd", MalyPlik());
    Zapisz(katalog / "b_nowy.swd", "stary wynik");
    fs::create_directories(katalog / "x");
    Zapisz(katalog / "x/a.swd", MalyPlik());
    Zapisz(katalog / "pusta.cfg", "Obiekty 0\r\n");
    Zapisz(katalog / "pesel.cfg", PESEL_CFG);
    Zapisz(katalog / "zla.cfg", "Obiekty 1\r\nNieznany 3\r\n");
    Zapisz(katalog / "duzy.cfg", PESEL_CFG + std::string(1 << 20, ' '));
    fs::create_directories(katalog / "wyniki");
    const Lista astrPrzed = katalog.Pliki();
    for (const auto& p : przypadki) {
        if (std::find(p.astrArgumenty.begin(), p.astrArgumenty.end(), "/dev/full") !=
                p.astrArgumenty.end() &&
            !fs::exists("/dev/full"))
            continue; // Windows has no such device
        const CWynik wynik = katalog.Uruchom(p.astrArgumenty);
        EXPECT_EQ(wynik.nKod, 2) << p.strKomunikat;
        EXPECT_TRUE(Zawiera(wynik.strWyjscie, p.strKomunikat)) << wynik.strWyjscie;
        EXPECT_EQ(katalog.Pliki(), astrPrzed) << p.strKomunikat; // nothing written
    }
    EXPECT_EQ(Czytaj(katalog / "b_nowy.swd"), "stary wynik");
    EXPECT_EQ(Czytaj(katalog / "pesel.cfg"), PESEL_CFG);
    EXPECT_EQ(katalog.Uruchom({"--bogus", "--help"}).nKod, 0); // help whatever else is wrong
}

// A file that is no SWDE file and one that fails among good ones: the first is skipped before
// anything is written for it, the failed one leaves only its log, the others are written, and the
// errors name their files (a terminal escape shown escaped). Several files at once give every
// target, every log (time stamps aside), the summary and the exit status of the run one file
// after another, whatever -j says (0: as many as there are cores; more engines than files).
TEST(Konsola, ZlePlikiWsrodDobrychIKilkaNaraz) {
    CKatalog katalog;
    fs::copy_file(PRZYKLAD, katalog / "a.swd");
    fs::copy_file(PRZYKLAD, katalog / "c.swd");
    Zapisz(katalog / "b.swd", MalyPlik(false));
    Zapisz(katalog / "zly.swd", MalyPlik(true, "\x1b[2J;\n")); // a terminal escape
    Zapisz(katalog / "tekst.txt", "to nie jest plik SWDE\r\n");
    const std::regex czasy("[0-9]{4}-[0-9]{2}-[0-9]{2} [0-9:]{8}|Czas [a-z ]+: [0-9:]+|wyniki[0-9]");
    std::string strPoKolei;
    for (const std::string strJ : {"1", "2", "0", "9"}) {
        SCOPED_TRACE(strJ);
        const std::string strWyniki = "wyniki" + strJ;
        fs::create_directories(katalog / strWyniki);
        const CWynik wynik =
            katalog.Uruchom({"-q", "-j", strJ, "-c", PRZYKLAD_CFG, "-d", strWyniki + "/", "a.swd",
                             "zly.swd", "b.swd", "tekst.txt", "c.swd"});
        EXPECT_EQ(wynik.nKod, 1);
        EXPECT_FALSE(Zawiera(wynik.strWyjscie, "\x1b"));
        std::string strWszystko = wynik.strWyjscie;
        for (const std::string& strPlik : katalog.Pliki())
            if (strPlik.starts_with(strWyniki + "/"))
                strWszystko += strPlik.substr(strWyniki.size()) + "\n" + Czytaj(katalog / strPlik);
        strWszystko = std::regex_replace(strWszystko, czasy, "#");
        if (strPoKolei.empty())
            strPoKolei = strWszystko;
        EXPECT_TRUE(strWszystko == strPoKolei);
    }
    EXPECT_EQ(katalog.Pliki("wyniki1"),
              (Lista{"a_nowy.log", "a_nowy.swd", "b_nowy.log", "b_nowy.swd", "c_nowy.log",
                     "c_nowy.swd", "zly_nowy.log"}));
    EXPECT_TRUE(Zawiera(strPoKolei, "Ilość błędów filtrowania: 2\n"));
    EXPECT_TRUE(Zawiera(strPoKolei, (katalog / "zly.swd").string() +
                                        ": Błąd nr 4: Nieprawidłowy element w sekcji: '\\x1b['"));
    EXPECT_TRUE(Zawiera(strPoKolei, (katalog / "tekst.txt").string() + ": Błąd nr 1: "));
    EXPECT_TRUE(Zawiera(Czytaj(katalog / "wyniki1/b_nowy.swd"), "NS,DN,\r\n")); // no DN line

    Zapisz(katalog / "pesel.cfg", PESEL_CFG);
    const CWynik pominiete = katalog.Uruchom({"-c", "pesel.cfg", "tekst.txt"});
    EXPECT_EQ(pominiete.nKod, 1);
    EXPECT_TRUE(Zawiera(pominiete.strWyjscie, "Ilość błędów filtrowania: 1\n"));
    const CWynik data = katalog.Uruchom(
        {"-q", "-y", "-c", "pesel.cfg", "--date=2024-02-29", "-o", "wyniki1/b.swd", "b.swd"});
    EXPECT_EQ(data.nKod, 0);
    EXPECT_FALSE(Zawiera(data.strWyjscie, "Filtrowanie obiektów")); // quiet
    EXPECT_TRUE(Zawiera(Czytaj(katalog / "wyniki1/b.swd"), "NS,DN,2024-02-29\r\n"));
}

// Valid identifiers made for the tests (computed check digits), each also one digit off.
const std::string IDENTYFIKATORY[] = {"85031412347", "5261048273", "ABA300000", "AB6234567"};
const std::string ZLE_IDENTYFIKATORY[] = {"85031412348", "5261048274", "ABA300001", "AB6234568"};

// Each identifier in an attribute and in a comment line, and every one one digit off; a file
// without findings beside it. Neither the text nor the JSON shows an identifier whole.
TEST(KonsolaSprawdzanie, UsterkiKodyWyjsciaIMaskowanie) {
    CKatalog katalog;
    std::string strWstawka;
    for (std::size_t i = 0; i < 4; ++i)
        strWstawka += "D,G5NZW,D,x " + IDENTYFIKATORY[i] + ";\nC;uwaga " + IDENTYFIKATORY[i] +
                      "\nD,G5NZW,D," + ZLE_IDENTYFIKATORY[i] + ";\n";
    Zapisz(katalog / "dane.swd", MalyPlik(true, strWstawka));
    Zapisz(katalog / "dobry.swd", MalyPlik());
    EXPECT_EQ(katalog.Uruchom({"--check", "dobry.swd"}).nKod, 0);

    const CWynik tekst = katalog.Uruchom({"--check", "dobry.swd", "dane.swd"});
    const CWynik json =
        katalog.Uruchom({"--check", "--json", "-q", "dobry.swd", "dane.swd", "brak.swd"});
    EXPECT_EQ(tekst.nKod, 1);
    EXPECT_EQ(json.nKod, 1);
    for (const std::string& str : IDENTYFIKATORY) {
        EXPECT_FALSE(Zawiera(tekst.strWyjscie, str)) << str;
        EXPECT_FALSE(Zawiera(json.strWyjscie, str)) << str;
        EXPECT_TRUE(Zawiera(tekst.strWyjscie, str.substr(0, 4) + std::string(str.size() - 4, '*')));
    }
    EXPECT_TRUE(Zawiera(tekst.strWyjscie, "Dane osobowe: ZNALEZIONO 8"));
    EXPECT_TRUE(
        Zawiera(tekst.strWyjscie, "dowód osobisty w komentarzach C;: 1 (wiersz 21: ABA3*****)"));
    const auto j = nlohmann::json::parse(json.strWyjscie);
    EXPECT_EQ(j["kod_wyjscia"], 1);
    ASSERT_EQ(j["pliki"].size(), 3u);
    EXPECT_EQ(j["pliki"][0]["bez_usterek"], true);
    EXPECT_EQ(j["pliki"][1]["kompletny"], true);
    EXPECT_EQ(j["pliki"][1]["dane_osobowe"]["liczba"], 8);
    EXPECT_EQ(j["pliki"][1]["dane_osobowe"]["grupy"][0]["rodzaj"], "pesel");
    EXPECT_EQ(j["pliki"][2]["blad"]["numer"], 0);
    EXPECT_EQ(katalog.Uruchom({"--check", "brak.swd", "inny_brak.swd"}).nKod, 2);
}

// GML files are chosen by content, whatever their name; a file of neither format is named so.
TEST(KonsolaSprawdzanie, PlikiGml) {
    CKatalog katalog;
    const std::string strPoczatek =
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<gml:FeatureCollection "
        "xmlns:gml=\"http://www.opengis.net/gml/3.2\" xmlns:egb=\"ewidencjaGruntowIBudynkow:1.0\" "
        "xmlns:xlink=\"http://www.w3.org/1999/xlink\">\n";
    const std::string strOsoba = "<gml:featureMember><egb:EGB_OsobaFizyczna gml:id=\"o1\">"
                                 "<egb:pesel>" + IDENTYFIKATORY[0] + "</egb:pesel>"
                                 "<egb:adresZameldowania xlink:href=\"a1\"/>"
                                 "</egb:EGB_OsobaFizyczna></gml:featureMember>\n";
    Zapisz(katalog / "dobry.swd", strPoczatek + "</gml:FeatureCollection>\n");
    Zapisz(katalog / "osoba.gml", strPoczatek + strOsoba + "</gml:FeatureCollection>\n");
    Zapisz(katalog / "inny.gml", "<?xml version=\"1.0\"?>\n<html/>\n");
    const CWynik dobry = katalog.Uruchom({"--check", "dobry.swd"});
    EXPECT_EQ(dobry.nKod, 0);
    EXPECT_TRUE(Zawiera(dobry.strWyjscie, "format: GML, schemat EGiB brak"));
    EXPECT_TRUE(Zawiera(dobry.strWyjscie, "Wynik: plik kompletny, bez danych osobowych"));
    const CWynik osoba = katalog.Uruchom({"--check", "osoba.gml"});
    EXPECT_EQ(osoba.nKod, 1);
    EXPECT_FALSE(Zawiera(osoba.strWyjscie, IDENTYFIKATORY[0]));
    EXPECT_TRUE(Zawiera(osoba.strWyjscie, "Wynik: USTERKI (odwołania, dane osobowe)"));
    const CWynik inny = katalog.Uruchom({"--check", "inny.gml"});
    EXPECT_EQ(inny.nKod, 2);
    EXPECT_TRUE(Zawiera(inny.strWyjscie, "Plik nie jest plikiem SWDE ani GML"));
    const CWynik json = katalog.Uruchom({"--check", "--json", "-q", "osoba.gml", "inny.gml"});
    EXPECT_EQ(json.nKod, 1);
    EXPECT_FALSE(Zawiera(json.strWyjscie, IDENTYFIKATORY[0]));
    const auto j = nlohmann::json::parse(json.strWyjscie);
    EXPECT_EQ(j["pliki"][0]["format"], "gml");
    EXPECT_EQ(j["pliki"][0]["odwolania"]["nierozwiazane"], 1);
    EXPECT_EQ(j["pliki"][0]["dane_osobowe"]["grupy"].size(), 2u);
    EXPECT_EQ(j["pliki"][1]["otwarty"], false);
}

// A file against itself, against a changed copy in every output, and against no SWDE file.
TEST(KonsolaPorownanie, RaportyIKodyWyjscia) {
    CKatalog katalog;
    Zapisz(katalog / "a.swd", MalyPlik());
    Zapisz(katalog / "b.swd", std::regex_replace(MalyPlik(), std::regex("G5LIZ,D,3"), "G5LIZ,D,4"));
    Zapisz(katalog / "c.swd", "tekst\r\n");
    const CWynik sam = katalog.Uruchom({"-q", "--diff", "a.swd", "a.swd"});
    EXPECT_EQ(sam.nKod, 0);
    EXPECT_TRUE(Zawiera(sam.strWyjscie, "Wynik: brak różnic.")) << sam.strWyjscie;

    const CWynik tekst =
        katalog.Uruchom({"-q", "--diff", "--csv", "r.csv", "--html", "r.html", "a.swd", "b.swd"});
    EXPECT_EQ(tekst.nKod, 1);
    EXPECT_TRUE(Zawiera(tekst.strWyjscie, "G5LKL 2: zmiana\n    G5LIZ: 3 → 4")) << tekst.strWyjscie;
    // An existing report is replaced with -y, as any other output.
    Zapisz(katalog / "r.csv", "stary raport");
    EXPECT_EQ(katalog.Uruchom({"-q", "-y", "--diff", "--csv", "r.csv", "a.swd", "b.swd"}).nKod, 1);
    const std::string strCsv = Czytaj(katalog / "r.csv");
    EXPECT_TRUE(strCsv.starts_with("\xEF\xBB\xBFtyp;identyfikator;działka;co;przed;po\r\n"));
    EXPECT_TRUE(Zawiera(strCsv, "\r\nG5LKL;2;;G5LIZ;3;4\r\n")) << strCsv;
    EXPECT_TRUE(Zawiera(Czytaj(katalog / "r.html"), "<td>G5LKL 2</td><td>zmiana</td>"));

    const CWynik json = katalog.Uruchom({"-q", "--diff", "--json", "a.swd", "b.swd"});
    EXPECT_EQ(json.nKod, 1);
    const auto j = nlohmann::json::parse(json.strWyjscie);
    EXPECT_EQ(j["roznice"], true);
    EXPECT_EQ(j["zmiany"][0]["pola"][0]["po"], "4");

    const CWynik blad = katalog.Uruchom({"-q", "--diff", "a.swd", "c.swd"});
    EXPECT_EQ(blad.nKod, 2);
    EXPECT_TRUE(Zawiera(blad.strWyjscie, "BŁĄD w pliku nowym: Błąd nr 1")) << blad.strWyjscie;
}

struct CWybor {
    Lista astrOpcje;         // on the command line
    std::string strBaza;     // -c under them; empty: none
    std::string strCfg;      // the same choice in a configuration file
    bool bNazwaKonfiguracji; // the log of the options' run names the configuration file
};

// The same choice through options and through a configuration file gives the same target;
// the log names the file only when the options changed nothing in it.
TEST(KonsolaWybor, OpcjeDajaTenSamCelCoKonfiguracja) {
    // "G5DTU" ticked on one page is propagated to all 25, at each page's own bit.
    const std::string strDaty =
        "JEW 4\r\nOBR 4\r\nRST 2\r\nOSF 128\r\nINS 256\r\nMLZ 2\r\nOSZ 64\r\nJDR 16\r\n"
        "UDZ 2\r\nUDW 4\r\nJRZ 2\r\nDZE 128\r\nKLU 2\r\nBUD 1024\r\nLKL 128\r\nUZG 2\r\n"
        "KKL 2\r\nZMN 32\r\nDOK 16\r\nADR 128\r\nPZG 2\r\nGRN 2\r\nDZW 8\r\nUDD 2\r\nPDZ 2\r\n";
    const CWybor przypadki[] = {
        {{"--remove", "budynki, Sieroty", "--remove-attr", "OSF:G5PSL,g5nip", "--remove-attr",
          "G5OSF:G5DOS", "--crc"},
         "",
         "Obiekty 1027\r\nOSF 44\r\nCRC 1\r\n",
         false},
        {{"--remove", "historyczne,użytki", "--remove-attr", "DZE:G5RPWL", "--no-crc"},
         "",
         "Obiekty 272\r\nDZE 256\r\nCRC 0\r\n",
         false},
        {{"--remove-attr", "ZMN:G5DTU"}, "", strDaty, false},
        {{"--remove", "lokale", "--crc"}, "Obiekty 1027\r\n", "Obiekty 1027\r\n", true},
        {{"--remove", "historyczne"}, "Obiekty 1027\r\n", "Obiekty 1043\r\n", false},
    };
    for (const CWybor& p : przypadki) {
        SCOPED_TRACE(p.astrOpcje[1]);
        CKatalog katalog;
        fs::copy_file(PRZYKLAD, katalog / "obreb.swd");
        Zapisz(katalog / "baza.cfg", p.strBaza);
        Zapisz(katalog / "wybor.cfg", p.strCfg);
        auto uruchom = [&](Lista astrArgumenty, const std::string& strKatalog) {
            fs::create_directories(katalog / strKatalog);
            astrArgumenty.insert(astrArgumenty.end(),
                                 {"-q", "--date", "2024-05-06", "-d", strKatalog, "obreb.swd"});
            return katalog.Uruchom(astrArgumenty).nKod;
        };
        Lista astrOpcje = p.astrOpcje;
        if (!p.strBaza.empty())
            astrOpcje.insert(astrOpcje.end(), {"-c", "baza.cfg"});
        ASSERT_EQ(uruchom(astrOpcje, "opcje"), 0);
        ASSERT_EQ(uruchom({"-c", "wybor.cfg"}, "plik"), 0);
        const std::string strCel = Czytaj(katalog / "opcje/obreb_nowy.swd");
        EXPECT_EQ(strCel, Czytaj(katalog / "plik/obreb_nowy.swd"));
        EXPECT_NE(strCel, Czytaj(katalog / "obreb.swd"));
        const std::string strLog = Czytaj(katalog / "opcje/obreb_nowy.log");
        EXPECT_EQ(Zawiera(strLog, "plikiem konfiguracyjnym: '" + (katalog / "baza.cfg").string()),
                  p.bNazwaKonfiguracji);
        EXPECT_EQ(Zawiera(strLog, "ustawieniami u\xBFytkownika..."), !p.bNazwaKonfiguracji);
    }
}

// --save-config without sources only saves; -c and the window's reading of configuration files
// read it back to the same settings.
TEST(KonsolaWybor, ZapisanaKonfiguracjaWracaTaSama) {
    CKatalog katalog;
    const CWynik zapis =
        katalog.Uruchom({"--remove", "dzierżawa,GRAFICZNE", "--remove-attr", "BUD:G5RPWŁ,G5WRT",
                         "--no-crc", "--save-config", "a.cfg"});
    ASSERT_EQ(zapis.nKod, 0) << zapis.strWyjscie;
    EXPECT_EQ(katalog.Pliki(), (Lista{"a.cfg"}));
    COpcjeFiltrowania opcje;
    ASSERT_EQ(WczytajKonfiguracje(opcje, (katalog / "a.cfg").string()),
              EWynikKonfiguracji::Wykonano);
    EXPECT_EQ(opcje.Maska(0), (1 << GrupaDzierzawa) | (1 << GrupaGraficzne));
    EXPECT_EQ(opcje.ZaznaczoneAtrybuty(TypBUD), (Lista{"G5WRT", "G5RPW\xA3"}));
    EXPECT_FALSE(opcje.m_bSumyCRC);
    EXPECT_TRUE(opcje.m_bPropagacja);

    ASSERT_EQ(katalog.Uruchom({"-c", "a.cfg", "--save-config", "b.cfg"}).nKod, 0);
    EXPECT_EQ(Czytaj(katalog / "b.cfg"), Czytaj(katalog / "a.cfg"));
    ASSERT_EQ(katalog.Uruchom({"-y", "--remove", "lokale", "--save-config", "b.cfg"}).nKod, 0);
    EXPECT_TRUE(Czytaj(katalog / "b.cfg").starts_with("Obiekty 1\r\n"));
}

TEST(KonsolaWybor, ListaNazw) {
    CKatalog katalog;
    const CWynik wynik = katalog.Uruchom({"--list"});
    EXPECT_EQ(wynik.nKod, 0);
    for (const char* sz :
         {"  dzierzawa       Danych dotyczących dzierżawy\n", "  OSF  Osoba fizyczna (G5OSF)\n",
          "       G5RPWŁ   Podstawa własności (G5RPWŁ)\n"})
        EXPECT_TRUE(Zawiera(wynik.strWyjscie, sz)) << sz;
}

#ifndef _WIN32
// Signals and terminals: POSIX only (wine delivers neither Ctrl+C nor a console close to a
// program run without a console).

bool CzekajNaPlik(const fs::path& sciezka) {
    for (int i = 0; i < 60000 && !fs::exists(sciezka); ++i)
        usleep(1000);
    return fs::exists(sciezka);
}

// The cancelled run left the source and its log ending with the cancel line, nothing else.
void SprawdzPrzerwany(const CKatalog& katalog, const CWynik& wynik, int nKod = 130) {
    EXPECT_EQ(wynik.nKod, nKod);
    EXPECT_EQ(katalog.Pliki(), (Lista{"duzy.swd", "duzy_nowy.log"}));
    EXPECT_TRUE(Czytaj(katalog / "duzy.swd") == DuzyPlik());
    EXPECT_TRUE(Czytaj(katalog / "duzy_nowy.log").ends_with(" Przerwano filtrowanie.\r\n"));
    EXPECT_FALSE(Zawiera(wynik.strWyjscie, "Filtrowanie zako")); // no summary
}

// Ctrl+C without a terminal ends the run at once, in the first stage and in the pass before the
// checksums; a request to end cancels the same way, with the signal's exit status.
TEST(KonsolaPrzerwanie, SygnalyBezTerminalaKonczaPrzebiegOdRazu) {
    const std::tuple<int, int, const char*> przypadki[] = {{SIGINT, 130, "duzy_KELVOR1.swd"},
                                                           {SIGINT, 130, "duzy_KELVOR_SIEROTY.swd"},
                                                           {SIGTERM, 143, "duzy_KELVOR2.swd"},
                                                           {SIGHUP, 129, "duzy_KELVOR2.swd"}};
    for (const auto& [nSygnal, nKod, szTymczasowy] : przypadki) {
        SCOPED_TRACE(std::string(szTymczasowy) + ", signal " + std::to_string(nSygnal));
        CKatalog katalog;
        Zapisz(katalog / "duzy.swd", DuzyPlik());
        const pid_t pid = katalog.Start({"-c", PRZYKLAD_CFG, "duzy.swd"});
        ASSERT_TRUE(CzekajNaPlik(katalog / szTymczasowy));
        kill(pid, nSygnal);
        SprawdzPrzerwany(katalog, katalog.Koniec(pid), nKod);
    }
}

// With several files at once, one Ctrl+C stops every engine: each file begun keeps only its log
// (ending with the cancel line), and no file is begun after it.
TEST(KonsolaPrzerwanie, SigintZatrzymujeWszystkiePlikiNaraz) {
    CKatalog katalog;
    for (const char* szPlik : {"a.swd", "b.swd", "c.swd"})
        Zapisz(katalog / szPlik, DuzyPlik());
    const pid_t pid = katalog.Start({"-j", "2", "-c", PRZYKLAD_CFG, "a.swd", "b.swd", "c.swd"});
    ASSERT_TRUE(CzekajNaPlik(katalog / "a_KELVOR1.swd"));
    ASSERT_TRUE(CzekajNaPlik(katalog / "b_KELVOR1.swd"));
    kill(pid, SIGINT);
    const CWynik wynik = katalog.Koniec(pid);
    EXPECT_EQ(wynik.nKod, 130);
    EXPECT_EQ(katalog.Pliki(), (Lista{"a.swd", "a_nowy.log", "b.swd", "b_nowy.log", "c.swd"}));
    for (const char* szLog : {"a_nowy.log", "b_nowy.log"})
        EXPECT_TRUE(Czytaj(katalog / szLog).ends_with(" Przerwano filtrowanie.\r\n")) << szLog;
    EXPECT_FALSE(Zawiera(wynik.strWyjscie, "Filtrowanie zako"));
}

// What the terminal shows until the text has appeared, or about a minute has passed.
std::string Ekran(int nTerminal, const std::string& strTekst) {
    std::string strEkran;
    char szBufor[4096];
    pollfd opis{nTerminal, POLLIN, 0};
    for (int i = 0; i < 6000 && !Zawiera(strEkran, strTekst); ++i) {
        const ssize_t n = poll(&opis, 1, 10) > 0 ? read(nTerminal, szBufor, sizeof szBufor) : 0;
        if (n < 0)
            break;
        strEkran.append(szBufor, static_cast<std::size_t>(n));
    }
    return strEkran;
}

TEST(KonsolaPrzerwanie, NaTerminaluPytaDrugiCtrlCPodczasPytaniaPrzerywa) {
    CKatalog katalog;
    Zapisz(katalog / "duzy.swd", DuzyPlik());
    const pid_t pid = katalog.Start({"-c", PRZYKLAD_CFG, "duzy.swd"}, EWyjscie::Terminal);
    ASSERT_TRUE(CzekajNaPlik(katalog / "duzy_KELVOR1.swd"));
    // No goes on (the bar is drawn again); the next Ctrl+C asks again, one while asking cancels.
    const std::string strPytanie = "Czy na pewno chcesz przerwać filtrowanie? [t/N] ";
    const std::pair<std::string, std::string> kroki[] = {{"\x03", strPytanie},
                                                         {"n\n", "%"},
                                                         {"\x03", strPytanie},
                                                         {"\x03", "Przerwano filtrowanie."}};
    for (const auto& [strKlawisze, strEkranPo] : kroki) {
        ASSERT_EQ(write(katalog.m_nTerminal, strKlawisze.data(), strKlawisze.size()),
                  static_cast<ssize_t>(strKlawisze.size()));
        const std::string strEkran = Ekran(katalog.m_nTerminal, strEkranPo);
        ASSERT_TRUE(Zawiera(strEkran, strEkranPo)) << strEkranPo << "\n" << strEkran;
    }
    SprawdzPrzerwany(katalog, katalog.Koniec(pid));
    close(katalog.m_nTerminal);
}

#endif

} // namespace
