// Stage lines, the progress bar and Ctrl+C on a console shared by the engines of a run.
#include "konsola.h"

#include <algorithm>
#include <cstdio>
#include <iostream>

#include "filtr/silnik.h"
#include "swde/kodowanie.h"
#include "terminal.h"

namespace {

constexpr int SZEROKOSC_PASKA = 40;
constexpr std::size_t SZEROKOSC_LINII = SZEROKOSC_PASKA + 12;
constexpr int GORNA_GRANICA = 1000;
constexpr auto ODSTEP_RYSOWANIA = std::chrono::milliseconds(200);

// One engine's bar: "  [####....]  45%".
std::string Pasek(int nPozycja) {
    const int nWypelnione = nPozycja * SZEROKOSC_PASKA / GORNA_GRANICA;
    char szProcent[16];
    std::snprintf(szProcent, sizeof szProcent, "] %3d%%", nPozycja * 100 / GORNA_GRANICA);
    return "  [" + std::string(static_cast<std::size_t>(nWypelnione), '#') +
           std::string(static_cast<std::size_t>(SZEROKOSC_PASKA - nWypelnione), '.') + szProcent;
}

} // namespace

std::string DoWypisania(const std::string& strCp1250) {
    const std::string strUtf8 = kodowanie::Cp1250DoUtf8(strCp1250);
    std::string strWynik;
    strWynik.reserve(strUtf8.size());
    for (std::size_t i = 0; i < strUtf8.size(); ++i) {
        const auto c = static_cast<unsigned char>(strUtf8[i]);
        // C1 controls are two bytes in UTF-8: C2 80 to C2 9F.
        const bool bC1 = c == 0xC2 && i + 1 < strUtf8.size() &&
                         static_cast<unsigned char>(strUtf8[i + 1]) <= 0x9F &&
                         static_cast<unsigned char>(strUtf8[i + 1]) >= 0x80;
        if ((c < 0x20 && c != '\n' && c != '\t') || c == 0x7F || bC1) {
            const unsigned nKod = bC1 ? static_cast<unsigned char>(strUtf8[++i]) : c;
            char sz[8];
            std::snprintf(sz, sizeof sz, "\\x%02x", nKod);
            strWynik += sz;
        } else {
            strWynik += static_cast<char>(c);
        }
    }
    return strWynik;
}

void Wypisz(const std::string& strCp1250, bool bBledy) {
    std::ostream& strumien = bBledy ? std::cerr : std::cout;
    strumien << DoWypisania(strCp1250) << '\n';
    strumien.flush();
}

CKonsola::CKonsola(bool bCicho, bool bInteraktywny, bool bPasek)
    : m_bCicho(bCicho), m_bInteraktywny(bInteraktywny), m_bPasek(bPasek && !bCicho), m_postepy(1) {}

void CKonsola::ZdejmijPasek() {
    if (!m_bPasekWidoczny)
        return;
    std::cerr << '\r' << std::string(m_nSzerokosc, ' ') << '\r';
    std::cerr.flush();
    m_bPasekWidoczny = false;
}

void CKonsola::ZakonczPasek() {
    const std::lock_guard<std::mutex> blokada(m_blokada);
    ZdejmijPasek();
}

void CKonsola::Etap(int n, const std::string& strPlik, const std::string& strTekst) {
    if (m_bCicho)
        return;
    const std::lock_guard<std::mutex> blokada(m_blokada);
    m_postepy[static_cast<std::size_t>(n)].strPlik = strPlik;
    ZdejmijPasek();
    Wypisz(strPlik + ": " + strTekst, true);
}

void CKonsola::KoniecPliku(int n) {
    const std::lock_guard<std::mutex> blokada(m_blokada);
    m_postepy[static_cast<std::size_t>(n)] = {};
}

// One engine: its bar. Several: every file being filtered with its percentage.
void CKonsola::RysujPasek() {
    std::string strLinia;
    if (m_postepy.size() == 1) {
        strLinia = Pasek(m_postepy[0].nPromile);
    } else {
        for (const CPostep& postep : m_postepy) {
            if (postep.strPlik.empty() || postep.nPromile < 0)
                continue;
            char szProcent[16];
            std::snprintf(szProcent, sizeof szProcent, " %3d%%", postep.nPromile * 100 / GORNA_GRANICA);
            strLinia += "  " + DoWypisania(postep.strPlik) + szProcent;
        }
    }
    // A shorter line than the one shown covers the rest of it with blanks.
    const std::size_t nReszta = m_bPasekWidoczny && m_nSzerokosc > strLinia.size()
                                    ? m_nSzerokosc - strLinia.size()
                                    : 0;
    std::cerr << '\r' << strLinia << std::string(nReszta, ' ');
    std::cerr.flush();
    m_nSzerokosc = std::max(SZEROKOSC_LINII, strLinia.size());
    m_bPasekWidoczny = true;
}

void CKonsola::Postep(int n, const std::string& strPlik, int nPozycja) {
    if (!m_bPasek)
        return;
    nPozycja = nPozycja < 0 ? 0 : nPozycja > GORNA_GRANICA ? GORNA_GRANICA : nPozycja;
    const std::lock_guard<std::mutex> blokada(m_blokada);
    CPostep& postep = m_postepy[static_cast<std::size_t>(n)];
    const bool bTaSama = m_bPasekWidoczny && postep.nPromile == nPozycja;
    postep = {strPlik, nPozycja};
    const auto teraz = std::chrono::steady_clock::now();
    // A few redraws a second; the start and the end of a pass are always shown.
    const bool bKraniec = nPozycja == 0 || nPozycja == GORNA_GRANICA;
    if (bTaSama || (m_bPasekWidoczny && !bKraniec && teraz - m_czasRysowania < ODSTEP_RYSOWANIA))
        return;
    m_czasRysowania = teraz;
    RysujPasek();
}

terminal::EOdpowiedz CKonsola::Pytaj(const std::string& strPytanie, int nPrzerwania) {
    ZdejmijPasek();
    std::cerr << DoWypisania(strPytanie) << " [t/N] ";
    std::cerr.flush();
    if (!m_bInteraktywny) {
        std::cerr << "(nie)\n";
        return terminal::EOdpowiedz::Nie;
    }
    const terminal::EOdpowiedz eOdpowiedz = terminal::CzytajTakNie(nPrzerwania);
    if (eOdpowiedz == terminal::EOdpowiedz::Przerwano)
        std::cerr << '\n';
    return eOdpowiedz;
}

bool CKonsola::Zapytaj(const std::string& strPytanie) {
    const std::lock_guard<std::mutex> blokada(m_blokada);
    return Pytaj(strPytanie, terminal::LiczbaPrzerwan()) == terminal::EOdpowiedz::Tak;
}

bool CKonsola::CzyPrzerwac() {
    if (m_bPrzerwano.load(std::memory_order_relaxed))
        return true;
    // A request to end (SIGTERM, SIGHUP) cancels at once, without a question.
    const bool bKoniec = terminal::SygnalZakonczenia() != 0;
    if (!bKoniec && terminal::LiczbaPrzerwan() == 0)
        return false;
    // The first engine to see the press asks; the others wait here for the answer.
    const std::lock_guard<std::mutex> blokada(m_blokada);
    const int nPrzerwania = terminal::LiczbaPrzerwan();
    if (m_bPrzerwano || (!bKoniec && nPrzerwania == 0))
        return m_bPrzerwano;
    // Without a terminal, or after a second Ctrl+C before the question was even shown, it
    // stops at once. Otherwise the run waits here, inside its own check, until the question
    // is answered; a Ctrl+C from now on cancels.
    static const std::string strPytanie =
        kodowanie::T("\nCzy na pewno chcesz przerwać filtrowanie?");
    if (!bKoniec && m_bInteraktywny && nPrzerwania == 1 &&
        Pytaj(strPytanie, nPrzerwania) == terminal::EOdpowiedz::Nie) {
        terminal::ZerujPrzerwania();
        return false;
    }
    m_bPrzerwano = true;
    if (m_pKolejka)
        m_pKolejka->Zatrzymaj();
    return true;
}
