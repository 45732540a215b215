// The buffered output file every pass writes through: about one megabyte of lines is
// collected and handed to the file in one write; every "\n" lands as CR LF.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "swde/platforma.h"

class CPlikWynikowy {
public:
    // The buffer's size in characters as given to Zapisz ("\n" counting as one).
    static constexpr std::size_t ROZMIAR_BUFORA = 1048576;

    CPlikWynikowy() = default;
    virtual ~CPlikWynikowy();

    // Creates the file new, replacing a file or link that had the name, with at most the
    // permissions of strWzor when given (platforma::CPlikWyjsciowy).
    virtual bool Otworz(const std::string& strSciezka, const std::string& strWzor = {});
    virtual void Oproznij();
    // Writes what is buffered and hands it to the disk itself, before the file takes a name
    // that has to last.
    void Utrwal();
    virtual void Zamknij();
    void Zapisz(std::string_view strTekst);
    // The line (which has no "\n" of its own) followed by its line end.
    void ZapiszWiersz(std::string_view strWiersz) {
        if (m_nLiczba + strWiersz.size() + 1 >= ROZMIAR_BUFORA || !m_bOtwarty) {
            Zapisz(strWiersz);
            Zapisz("\n");
            return;
        }
        Dopisz(strWiersz);
        Dopisz("\r\n");
        m_nLiczba += strWiersz.size() + 1;
    }
    // Bytes that already are lines ended by CR LF (nLinii of them), as they are.
    void ZapiszWiersze(std::string_view strBajty, std::size_t nLinii);
    bool JestOtwarty() const { return m_bOtwarty; }

private:
    void Dopisz(std::string_view str) {
        str.copy(m_pBufor.get() + m_nBajty, str.size());
        m_nBajty += str.size();
    }
    // Appends the text with every "\n" as CR LF; the buffer has room for it.
    void DopiszZKoncami(std::string_view strTekst);

    platforma::CPlikWyjsciowy m_plik;
    // Twice the size, as every "\n" takes two bytes.
    std::unique_ptr<char[]> m_pBufor;
    std::size_t m_nBajty = 0;  // bytes in the buffer
    std::uint64_t m_nLiczba = 0; // characters in the buffer as given ("\n" one)
    bool m_bOtwarty = false;
    std::string m_strSciezka;  // for the error of a write to a closed file
};
