#include "terminal.h"

#include <atomic>
#include <cctype>
#include <csignal>
#include <iostream>

#ifdef _WIN32
#define NOMINMAX
#include <io.h>
#include <windows.h>
#else
#include <cerrno>
#include <unistd.h>
#endif

namespace terminal {

namespace {

std::atomic<int> g_nPrzerwania{0};
static_assert(std::atomic<int>::is_always_lock_free, "the Ctrl+C counter is used by a handler");

bool CzyTak(const std::string& strOdpowiedz) {
    std::string strSlowo;
    for (char c : strOdpowiedz)
        if (!std::isspace(static_cast<unsigned char>(c)))
            strSlowo += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return strSlowo == "t" || strSlowo == "tak" || strSlowo == "y" || strSlowo == "yes";
}

#ifdef _WIN32

BOOL WINAPI ObsluzCtrlC(DWORD nZdarzenie) {
    if (nZdarzenie != CTRL_C_EVENT && nZdarzenie != CTRL_BREAK_EVENT)
        return FALSE;
    ++g_nPrzerwania;
    return TRUE;
}

std::string Utf8(const wchar_t* szTekst) {
    const int nDlugosc = WideCharToMultiByte(CP_UTF8, 0, szTekst, -1, nullptr, 0, nullptr, nullptr);
    std::string strWynik(nDlugosc > 0 ? nDlugosc - 1 : 0, '\0');
    if (nDlugosc > 1)
        WideCharToMultiByte(CP_UTF8, 0, szTekst, -1, strWynik.data(), nDlugosc, nullptr, nullptr);
    return strWynik;
}

#else

struct sigaction g_poprzednia;

extern "C" void ObsluzSigint(int) {
    ++g_nPrzerwania;
}

#endif

} // namespace

#ifdef _WIN32

void PrzygotujKonsole() {
    SetConsoleOutputCP(CP_UTF8);
    SetConsoleCP(CP_UTF8);
}

std::vector<std::string> ArgumentyUtf8(int, char**) {
    int nLiczba = 0;
    wchar_t** pArgumenty = CommandLineToArgvW(GetCommandLineW(), &nLiczba);
    std::vector<std::string> astrWynik;
    for (int i = 1; pArgumenty && i < nLiczba; ++i)
        astrWynik.push_back(Utf8(pArgumenty[i]));
    LocalFree(pArgumenty);
    return astrWynik;
}

bool JestTerminalem(EStrumien eStrumien) {
    const int nStrumien = eStrumien == EStrumien::Wejscie   ? 0
                          : eStrumien == EStrumien::Wyjscie ? 1
                                                            : 2;
    return _isatty(nStrumien) != 0;
}

void WlaczPrzerwania() {
    g_nPrzerwania = 0;
    SetConsoleCtrlHandler(ObsluzCtrlC, TRUE);
}

void WylaczPrzerwania() {
    SetConsoleCtrlHandler(ObsluzCtrlC, FALSE);
}

EOdpowiedz CzytajTakNie() {
    const int nPrzed = g_nPrzerwania;
    std::string strOdpowiedz;
    const bool bWczytano = static_cast<bool>(std::getline(std::cin, strOdpowiedz));
    if (g_nPrzerwania != nPrzed) {
        std::cin.clear();
        return EOdpowiedz::Przerwano;
    }
    return bWczytano && CzyTak(strOdpowiedz) ? EOdpowiedz::Tak : EOdpowiedz::Nie;
}

#else

void PrzygotujKonsole() {}

std::vector<std::string> ArgumentyUtf8(int argc, char** argv) {
    return std::vector<std::string>(argv + (argc > 0 ? 1 : 0), argv + argc);
}

bool JestTerminalem(EStrumien eStrumien) {
    const int nStrumien = eStrumien == EStrumien::Wejscie   ? STDIN_FILENO
                          : eStrumien == EStrumien::Wyjscie ? STDOUT_FILENO
                                                            : STDERR_FILENO;
    return isatty(nStrumien) != 0;
}

void WlaczPrzerwania() {
    g_nPrzerwania = 0;
    struct sigaction akcja {};
    akcja.sa_handler = ObsluzSigint;
    sigemptyset(&akcja.sa_mask);
    akcja.sa_flags = 0; // no SA_RESTART: a Ctrl+C interrupts a pending read of the answer
    sigaction(SIGINT, &akcja, &g_poprzednia);
}

void WylaczPrzerwania() {
    sigaction(SIGINT, &g_poprzednia, nullptr);
}

EOdpowiedz CzytajTakNie() {
    const int nPrzed = g_nPrzerwania;
    std::string strOdpowiedz;
    char c = 0;
    for (;;) {
        const ssize_t nWczytano = read(STDIN_FILENO, &c, 1);
        if (nWczytano < 0 && errno == EINTR) {
            if (g_nPrzerwania != nPrzed)
                return EOdpowiedz::Przerwano;
            continue;
        }
        if (nWczytano <= 0 || c == '\n')
            break;
        strOdpowiedz += c;
    }
    if (g_nPrzerwania != nPrzed)
        return EOdpowiedz::Przerwano;
    return CzyTak(strOdpowiedz) ? EOdpowiedz::Tak : EOdpowiedz::Nie;
}

#endif

int LiczbaPrzerwan() {
    return g_nPrzerwania;
}

void ZerujPrzerwania() {
    g_nPrzerwania = 0;
}

} // namespace terminal
