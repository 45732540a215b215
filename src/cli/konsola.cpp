// Stage lines, the progress bar and Ctrl+C on a console.
#include "konsola.h"

#include <cstdio>
#include <iostream>

#include "swde/kodowanie.h"
#include "terminal.h"

namespace {

constexpr int SZEROKOSC_PASKA = 40;
constexpr int GORNA_GRANICA = 1000;
constexpr auto ODSTEP_RYSOWANIA = std::chrono::milliseconds(200);

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

CObserwatorKonsoli::CObserwatorKonsoli(bool bCicho, bool bInteraktywny, bool bPasek)
    : m_bCicho(bCicho), m_bInteraktywny(bInteraktywny), m_bPasek(bPasek && !bCicho) {}

void CObserwatorKonsoli::ZakonczPasek() const {
    if (!m_bPasekWidoczny)
        return;
    std::cerr << '\r' << std::string(SZEROKOSC_PASKA + 12, ' ') << '\r';
    std::cerr.flush();
    m_bPasekWidoczny = false;
}

void CObserwatorKonsoli::Etap(const std::string& strTekst) {
    if (m_bCicho)
        return;
    ZakonczPasek();
    Wypisz(m_strPlik + ": " + strTekst, true);
}

void CObserwatorKonsoli::Postep(int nPozycja) {
    if (!m_bPasek)
        return;
    const int nGranica = GORNA_GRANICA;
    nPozycja = nPozycja < 0 ? 0 : nPozycja > nGranica ? nGranica : nPozycja;
    const auto teraz = std::chrono::steady_clock::now();
    // A few redraws a second; the start and the end of a pass are always shown.
    const bool bKraniec = nPozycja == 0 || nPozycja == nGranica;
    if (m_bPasekWidoczny &&
        (nPozycja == m_nNarysowana || (!bKraniec && teraz - m_czasRysowania < ODSTEP_RYSOWANIA)))
        return;
    m_czasRysowania = teraz;
    m_nNarysowana = nPozycja;
    const int nWypelnione = nPozycja * SZEROKOSC_PASKA / nGranica;
    char szProcent[16];
    std::snprintf(szProcent, sizeof szProcent, "] %3d%%", nPozycja * 100 / nGranica);
    std::cerr << "\r  [" << std::string(nWypelnione, '#')
              << std::string(SZEROKOSC_PASKA - nWypelnione, '.') << szProcent;
    std::cerr.flush();
    m_bPasekWidoczny = true;
}

terminal::EOdpowiedz CObserwatorKonsoli::Pytaj(const std::string& strPytanie,
                                                  int nPrzerwania) const {
    ZakonczPasek();
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

bool CObserwatorKonsoli::Zapytaj(const std::string& strPytanie) const {
    return Pytaj(strPytanie, terminal::LiczbaPrzerwan()) == terminal::EOdpowiedz::Tak;
}

bool CObserwatorKonsoli::CzyPrzerwac() {
    const int nPrzerwania = terminal::LiczbaPrzerwan();
    // A request to end cancels at once, without a question.
    m_bPrzerwano |= terminal::SygnalZakonczenia() != 0;
    if (m_bPrzerwano || nPrzerwania == 0)
        return m_bPrzerwano;
    // Without a terminal, or after a second Ctrl+C before the question was even shown.
    if (!m_bInteraktywny || nPrzerwania > 1) {
        m_bPrzerwano = true;
        return true;
    }
    // The run waits here, inside its own check, until the question is answered; a Ctrl+C from
    // now on cancels.
    static const std::string strPytanie =
        kodowanie::T("\nCzy na pewno chcesz przerwać filtrowanie?");
    if (Pytaj(strPytanie, nPrzerwania) == terminal::EOdpowiedz::Nie)
        terminal::ZerujPrzerwania();
    else
        m_bPrzerwano = true;
    return m_bPrzerwano;
}
