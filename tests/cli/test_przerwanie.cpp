// Ctrl+C during a run of kelvor-cli without a terminal: the run stops at once as cancelled.
#ifndef _WIN32

#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <string>
#include <thread>
#include <vector>

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include "konsola_testowa.h"

namespace {

using namespace cli_test;

// The example with its object section repeated up to about nRozmiar bytes.
std::string DuzyPlik(std::size_t nRozmiar) {
    const std::string strPrzyklad = Czytaj(Przyklad("obreb_przykladowy.swd"));
    const std::size_t nPoczatek = strPrzyklad.find("SO;\r\n") + 5;
    const std::size_t nKoniec = strPrzyklad.rfind("SX;\r\n");
    const std::string strObiekty = strPrzyklad.substr(nPoczatek, nKoniec - nPoczatek);
    std::string strWynik = strPrzyklad.substr(0, nPoczatek);
    strWynik.reserve(nRozmiar + strObiekty.size() + 16);
    while (strWynik.size() < nRozmiar)
        strWynik += strObiekty;
    return strWynik + "SX;\r\nSWDEX;\r\n";
}

pid_t Uruchom(const CKatalog& katalog, const std::vector<std::string>& astrArgumenty) {
    const pid_t pid = fork();
    if (pid != 0)
        return pid;
    if (chdir(katalog.Dane().c_str()) != 0)
        _exit(127);
    const int nPusty = open("/dev/null", O_RDONLY);
    const int nWyjscie = open((katalog.m_sciezka / "stdout.txt").c_str(), O_WRONLY | O_CREAT, 0644);
    const int nBledy = open((katalog.m_sciezka / "stderr.txt").c_str(), O_WRONLY | O_CREAT, 0644);
    dup2(nPusty, 0);
    dup2(nWyjscie, 1);
    dup2(nBledy, 2);
    std::vector<char*> argv{const_cast<char*>("kelvor-cli")};
    for (const std::string& strArgument : astrArgumenty)
        argv.push_back(const_cast<char*>(strArgument.c_str()));
    argv.push_back(nullptr);
    execv(Program().c_str(), argv.data());
    _exit(127);
}

bool CzekajNaPlik(const fs::path& sciezka, std::chrono::seconds limit) {
    const auto koniec = std::chrono::steady_clock::now() + limit;
    while (std::chrono::steady_clock::now() < koniec) {
        std::error_code blad;
        if (fs::exists(sciezka, blad))
            return true;
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    return false;
}

TEST(KonsolaPrzerwanie, SigintBezTerminalaKonczyPrzebiegJakoPrzerwany) {
    const std::string strZrodlo = DuzyPlik(40u << 20);
    // Stopped in the first stage and in the pass before the checksums.
    for (const char* szTymczasowy : {"duzy_KELVOR1.swd", "duzy_KELVOR_SIEROTY.swd"}) {
        CKatalog katalog;
        Zapisz(katalog / "duzy.swd", strZrodlo);

        const pid_t pid = Uruchom(katalog, {"-c", Przyklad("przyklad.cfg").string(), "duzy.swd"});
        ASSERT_GT(pid, 0);
        const bool bJest = CzekajNaPlik(katalog / szTymczasowy, std::chrono::seconds(120));
        kill(pid, SIGINT);
        int nStatus = 0;
        waitpid(pid, &nStatus, 0);
        ASSERT_TRUE(bJest) << szTymczasowy << " never appeared";

        ASSERT_TRUE(WIFEXITED(nStatus)) << szTymczasowy;
        EXPECT_EQ(WEXITSTATUS(nStatus), 130) << szTymczasowy;
        // Target and temporary files gone; the source and the log stay.
        EXPECT_EQ(katalog.Pliki(), (std::vector<std::string>{"duzy.swd", "duzy_nowy.log"}))
            << szTymczasowy;
        EXPECT_TRUE(Czytaj(katalog / "duzy.swd") == strZrodlo) << szTymczasowy;
        const std::string strLog = Czytaj(katalog / "duzy_nowy.log");
        const std::string strKoniec = "Przerwano filtrowanie.\r\n";
        EXPECT_EQ(strLog.compare(strLog.size() - strKoniec.size(), strKoniec.size(), strKoniec), 0)
            << szTymczasowy;
        const std::string strWyjscie = Czytaj(katalog.m_sciezka / "stdout.txt");
        EXPECT_EQ(strWyjscie.find("Filtrowanie zako"), std::string::npos); // no summary
        EXPECT_NE(Czytaj(katalog.m_sciezka / "stderr.txt").find("Przerwano filtrowanie."),
                  std::string::npos);
    }
}

} // namespace

#endif
