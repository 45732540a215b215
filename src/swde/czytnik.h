// Reader of one SWDE file: section lines in line mode, records and plain lines in buffered
// mode (chunks of 1 MiB keeping only the unconsumed tail), with line and byte counters for
// error messages and progress.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "swde/platforma.h"

class CCzytnikSWDE {
public:
    static constexpr std::size_t ROZMIAR_PORCJI = 1048576;

    // nRozmiarPorcji other than the default is for tests of chunk boundaries.
    explicit CCzytnikSWDE(std::size_t nRozmiarPorcji = ROZMIAR_PORCJI);
    virtual ~CCzytnikSWDE();

    bool Otworz(const std::string& strSciezka);
    void Zamknij();

    // "SN;" and "SP;": stores the next line of the section at astrWiersze[nIndeks] and
    // increments nIndeks. False at the section's end line (nIndeks incremented) or when the
    // section is absent (nothing changed).
    bool CzytajWierszSekcji(const std::string& strZnacznik, std::vector<std::string>& astrWiersze,
                            int& nIndeks);
    // "ST;" and "SO;": one whole record at astrWiersze[0..nLiczba-1]. False at the section's end
    // or when the section is absent. On return the array's size is always nLiczba; texts it
    // already held are overwritten, so a caller that does not empty it saves their memory.
    // Section lines are read before records: line mode does not see what a chunk has loaded.
    bool CzytajRekord(const std::string& strZnacznik, std::vector<std::string>& astrWiersze,
                      int& nLiczba);
    // The next significant line in file order.
    std::string CzytajWiersz();
    // The same into strWiersz, reusing its memory.
    void CzytajWiersz(std::string& strWiersz);

    // True for a record end line; error 4 for a line that is no element line.
    static bool JestKoncemRekordu(const std::string& strWiersz);
    static bool JestKoncemSekcji(const std::string& strWiersz);

    std::uint64_t m_nDlugoscPliku = 0;
    std::uint64_t m_nLinia = 0;
    // In buffered mode: byte offset in the file just past the last line read (its LF included).
    std::uint64_t m_nPozycja = 0;
    bool m_bOstatniaPorcja = false;
    bool m_bPrzewin = false;
    bool m_bSzukajSekcji = false;
    bool m_bOtwarty = false;

private:
    void Przewin();
    std::string CzytajLinieWierszowo();
    std::string_view CzytajLinieBuforowo();
    void WczytajPorcje();

    // File offset of m_strBufor[0]; m_nPozycja is worked out from it.
    std::uint64_t m_nPoczatekBufora = 0;

    platforma::CPlikWejsciowy m_plik;
    std::size_t m_nRozmiarPorcji;
    std::string m_strBufor;
    std::size_t m_nPozycjaWBuforze = 0;
};
