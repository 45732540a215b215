// The buffered output file: lines collect in a 1 MiB buffer that goes to the file in one write.
#include "swde/plik_wynikowy.h"

#include "swde/bledy.h"

CPlikWynikowy::~CPlikWynikowy() {
    try {
        Zamknij();
    } catch (...) {
        // A destructor cannot report; the owner that cares closes the file itself.
    }
}

bool CPlikWynikowy::Otworz(const std::string& strSciezka) {
    // Data buffered for a file still open is written before the object takes another one.
    if (m_bOtwarty)
        Zamknij();
    if (!m_plik.Otworz(strSciezka))
        return false;
    m_strSciezka = strSciezka;
    m_strBufor.clear();
    m_strBufor.reserve(ROZMIAR_BUFORA);
    m_nLiczba = 0;
    m_bOtwarty = true;
    return true;
}

void CPlikWynikowy::Oproznij() {
    if (m_nLiczba != 0) {
        m_plik.Zapisz(m_strBufor);
        m_strBufor.clear();
        m_nLiczba = 0;
    }
    m_plik.Oproznij();
}

void CPlikWynikowy::Zamknij() {
    if (!m_bOtwarty)
        return;
    m_bOtwarty = false;
    try {
        if (m_nLiczba != 0)
            Oproznij();
    } catch (...) {
        m_strBufor.clear();
        m_nLiczba = 0;
        try {
            m_plik.Zamknij();
        } catch (...) {
        }
        throw;
    }
    m_plik.Zamknij();
}

void CPlikWynikowy::Zapisz(std::string_view strTekst) {
    if (!m_bOtwarty)
        throw CFileException(m_strSciezka);
    if (m_nLiczba + strTekst.size() >= ROZMIAR_BUFORA)
        Oproznij();
    // A text that would not fit even an empty buffer goes straight to the file.
    if (strTekst.size() >= ROZMIAR_BUFORA) {
        m_plik.Zapisz(strTekst);
        return;
    }
    m_strBufor.append(strTekst);
    m_nLiczba += strTekst.size();
}
