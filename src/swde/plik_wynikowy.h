// The buffered output file every pass writes through: about one megabyte of lines is
// collected and handed to the file in one write; every "\n" lands as CR LF.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "swde/platforma.h"

class CPlikWynikowy {
public:
    static constexpr std::size_t ROZMIAR_BUFORA = 1048576;

    CPlikWynikowy() = default;
    virtual ~CPlikWynikowy();

    // Creates the file new, replacing whatever had the name (platforma::CPlikWyjsciowy).
    virtual bool Otworz(const std::string& strSciezka);
    virtual void Oproznij();
    virtual void Zamknij();
    void Zapisz(std::string_view strTekst);
    // The line followed by its line end.
    void ZapiszWiersz(std::string_view strWiersz) {
        Zapisz(strWiersz);
        Zapisz("\n");
    }
    bool JestOtwarty() const { return m_bOtwarty; }

private:
    platforma::CPlikWyjsciowy m_plik;
    std::string m_strBufor;
    std::uint64_t m_nLiczba = 0;
    bool m_bOtwarty = false;
    std::string m_strSciezka;  // for the error of a write to a closed file
};
