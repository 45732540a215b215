// The buffered output file: lines collect in a 1 MiB buffer, already with their CR LF ends,
// that goes to the file in one write.
#include "swde/plik_wynikowy.h"

#include <algorithm>

#include "swde/bledy.h"

CPlikWynikowy::~CPlikWynikowy() {
    try {
        Zamknij();
    } catch (...) {
        // A destructor cannot report; the owner that cares closes the file itself.
    }
}

bool CPlikWynikowy::Otworz(const std::string& strSciezka, const std::string& strWzor) {
    // Data buffered for a file still open is written before the object takes another one.
    if (m_bOtwarty)
        Zamknij();
    if (!m_plik.Otworz(strSciezka, strWzor))
        return false;
    m_strSciezka = strSciezka;
    if (!m_pBufor)
        m_pBufor = std::make_unique_for_overwrite<char[]>(2 * ROZMIAR_BUFORA);
    m_nBajty = 0;
    m_nLiczba = 0;
    m_bOtwarty = true;
    return true;
}

void CPlikWynikowy::Oproznij() {
    if (m_nBajty != 0) {
        const std::size_t nBajty = m_nBajty;
        m_nBajty = 0;
        m_nLiczba = 0;
        m_plik.ZapiszBajty(std::string_view(m_pBufor.get(), nBajty));
    }
    m_plik.Oproznij();
}

void CPlikWynikowy::Utrwal() {
    if (!m_bOtwarty)
        throw CFileException(m_strSciezka);
    Oproznij();
    m_plik.Utrwal();
}

void CPlikWynikowy::Zamknij() {
    if (!m_bOtwarty)
        return;
    m_bOtwarty = false;
    try {
        if (m_nBajty != 0)
            Oproznij();
    } catch (...) {
        m_nBajty = 0;
        m_nLiczba = 0;
        try {
            m_plik.Zamknij();
        } catch (...) {
        }
        throw;
    }
    m_plik.Zamknij();
}

void CPlikWynikowy::DopiszZKoncami(std::string_view strTekst) {
    for (std::size_t nLF; (nLF = strTekst.find('\n')) != std::string_view::npos;) {
        Dopisz(strTekst.substr(0, nLF));
        Dopisz("\r\n");
        strTekst.remove_prefix(nLF + 1);
    }
    Dopisz(strTekst);
}

void CPlikWynikowy::Zapisz(std::string_view strTekst) {
    if (!m_bOtwarty)
        throw CFileException(m_strSciezka);
    if (m_nLiczba + strTekst.size() >= ROZMIAR_BUFORA)
        Oproznij();
    // A text that would not fit even an empty buffer goes to the file piece by piece.
    while (strTekst.size() >= ROZMIAR_BUFORA) {
        DopiszZKoncami(strTekst.substr(0, ROZMIAR_BUFORA - 1));
        strTekst.remove_prefix(ROZMIAR_BUFORA - 1);
        Oproznij();
    }
    DopiszZKoncami(strTekst);
    m_nLiczba += strTekst.size();
}

void CPlikWynikowy::ZapiszWiersze(std::string_view strBajty, std::size_t nLinii) {
    if (!m_bOtwarty)
        throw CFileException(m_strSciezka);
    const std::size_t nZnaki = strBajty.size() - nLinii;
    if (m_nLiczba + nZnaki >= ROZMIAR_BUFORA)
        Oproznij();
    if (nZnaki >= ROZMIAR_BUFORA) {
        m_plik.ZapiszBajty(strBajty);
        return;
    }
    Dopisz(strBajty);
    m_nLiczba += nZnaki;
}
