#include "terminal.h"

#include <atomic>
#include <cctype>
#include <csignal>
#include <iostream>
#include <iterator>

#ifdef _WIN32
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <io.h>
#include <windows.h>
#else
#include <cerrno>
#include <sys/select.h>
#include <unistd.h>
#endif

namespace terminal {

namespace {

std::atomic<int> g_nPrzerwania{0};
std::atomic<int> g_nSygnal{0};
static_assert(std::atomic<int>::is_always_lock_free, "the Ctrl+C counter is used by a handler");

bool CzyPrzerwano(int nPrzed) {
    return g_nPrzerwania != nPrzed || g_nSygnal != 0;
}

bool CzyTak(const std::string& strOdpowiedz) {
    std::string strSlowo;
    for (char c : strOdpowiedz)
        if (!std::isspace(static_cast<unsigned char>(c)))
            strSlowo += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return strSlowo == "t" || strSlowo == "tak" || strSlowo == "y" || strSlowo == "yes";
}

#ifdef _WIN32

constexpr int SIGTERM_NUMER = 15;
std::atomic<bool> g_bPosprzatane{true};

BOOL WINAPI ObsluzCtrlC(DWORD nZdarzenie) {
    if (nZdarzenie == CTRL_C_EVENT || nZdarzenie == CTRL_BREAK_EVENT) {
        ++g_nPrzerwania;
        return TRUE;
    }
    // Closing the window, logging off, shutting down: the process ends when this returns, so
    // the run gets the few seconds Windows allows to cancel and clean up.
    g_nSygnal = SIGTERM_NUMER;
    for (int i = 0; i < 90 && !g_bPosprzatane; ++i)
        Sleep(50);
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

// The signals a run handles, and what was set for them before.
constexpr int SYGNALY[] = {SIGINT, SIGTERM, SIGHUP};
struct sigaction g_poprzednie[std::size(SYGNALY)];

extern "C" void ObsluzSygnal(int nSygnal) {
    if (nSygnal == SIGINT)
        ++g_nPrzerwania;
    else
        g_nSygnal = nSygnal;
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
    g_bPosprzatane = false;
    SetConsoleCtrlHandler(ObsluzCtrlC, TRUE);
}

void WylaczPrzerwania() {
    g_bPosprzatane = true;
    // Removing the handler now would let a pending close end the process before its code is
    // returned; the handler stays, answering at once.
    if (g_nSygnal == 0)
        SetConsoleCtrlHandler(ObsluzCtrlC, FALSE);
}

EOdpowiedz CzytajTakNie(int nPrzed) {
    std::string strOdpowiedz;
    const bool bWczytano = static_cast<bool>(std::getline(std::cin, strOdpowiedz));
    // Ctrl+C ends the console read before its handler, which runs on a thread of its own, has
    // counted it: the handler gets a moment.
    for (int i = 0; !bWczytano && i < 20 && !CzyPrzerwano(nPrzed); ++i)
        Sleep(10);
    std::cin.clear();
    if (CzyPrzerwano(nPrzed))
        return EOdpowiedz::Przerwano;
    return bWczytano && CzyTak(strOdpowiedz) ? EOdpowiedz::Tak : EOdpowiedz::Nie;
}

#else

void PrzygotujKonsole() {
    // Output whose reader has gone away must not end a run halfway, leaving its partial target
    // and temporary files: the write fails and the run goes on.
    std::signal(SIGPIPE, SIG_IGN);
}

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
    akcja.sa_handler = ObsluzSygnal;
    sigemptyset(&akcja.sa_mask);
    // Writes that a signal interrupts are restarted (an interrupted write would put std::cerr in
    // a failed state); the wait for an answer is a pselect, which a signal always ends.
    akcja.sa_flags = SA_RESTART;
    for (std::size_t i = 0; i < std::size(SYGNALY); ++i)
        sigaction(SYGNALY[i], &akcja, &g_poprzednie[i]);
}

void WylaczPrzerwania() {
    for (std::size_t i = 0; i < std::size(SYGNALY); ++i)
        sigaction(SYGNALY[i], &g_poprzednie[i], nullptr);
}

EOdpowiedz CzytajTakNie(int nPrzed) {
    // The signals are held back except inside pselect, so one can never fall between a look at
    // the counters and the wait and leave the question waiting for a line.
    sigset_t sygnaly, poprzednia;
    sigemptyset(&sygnaly);
    for (int nSygnal : SYGNALY)
        sigaddset(&sygnaly, nSygnal);
    sigprocmask(SIG_BLOCK, &sygnaly, &poprzednia);
    std::string strOdpowiedz;
    bool bKoniec = false;
    while (!bKoniec && !CzyPrzerwano(nPrzed)) {
        fd_set wejscie;
        FD_ZERO(&wejscie);
        FD_SET(STDIN_FILENO, &wejscie);
        const int nGotowe =
            pselect(STDIN_FILENO + 1, &wejscie, nullptr, nullptr, nullptr, &poprzednia);
        char c = 0;
        if (nGotowe < 0)
            bKoniec = errno != EINTR;
        else if (read(STDIN_FILENO, &c, 1) <= 0 || c == '\n')
            bKoniec = true;
        else
            strOdpowiedz += c;
    }
    sigprocmask(SIG_SETMASK, &poprzednia, nullptr); // a signal held back is counted here
    if (CzyPrzerwano(nPrzed))
        return EOdpowiedz::Przerwano;
    return CzyTak(strOdpowiedz) ? EOdpowiedz::Tak : EOdpowiedz::Nie;
}

#endif

int LiczbaPrzerwan() {
    return g_nPrzerwania;
}

int SygnalZakonczenia() {
    return g_nSygnal;
}

void ZerujPrzerwania() {
    g_nPrzerwania = 0;
}

} // namespace terminal
