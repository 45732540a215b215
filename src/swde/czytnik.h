// Reader of one SWDE file: the line sections (SN, SP) line by line, the record sections (ST,
// SO) record by record and, for a reader of whole files, plain lines in file order. Chunks of
// 1 MiB are loaded keeping only the unconsumed tail; line and byte counters tell where an
// error was found and how far the reading has got.
//
// No significant line is passed over unread: between the file's first line, the sections and
// the file end line, and after that line, only comments may stand; the sections come once each
// in the order SN, SP, ST, SO, each ended by its end line before the next starts. Anything
// else is error 1 with the line and position where it stands.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "swde/format.h"
#include "swde/platforma.h"
#include "swde/rekord.h"

class CCzytnikSWDE {
public:
    static constexpr std::size_t ROZMIAR_PORCJI = 1048576;

    // nRozmiarPorcji other than the default is for tests of chunk boundaries.
    explicit CCzytnikSWDE(std::size_t nRozmiarPorcji = ROZMIAR_PORCJI);
    CCzytnikSWDE(const CCzytnikSWDE&) = delete;
    CCzytnikSWDE& operator=(const CCzytnikSWDE&) = delete;

    // Opens the file and starts at its top; false (nothing changed) when it cannot be opened.
    bool Otworz(const std::string& strSciezka);
    void Zamknij();
    bool JestOtwarty() const;

    // The next read starts again from the top of the file, the counters from 0.
    void Przewin();

    // Moves just past the start line of the section. The file's first significant line must be
    // the SWDE header line (error 1). A section is absent when the start line of a later
    // section comes first, and a line section also when the file ends; an absent section gives
    // false and leaves that line to be read next. Sections before the one asked for are read
    // through. For "ST;" and "SO;", running out of data is error 9.
    bool ZnajdzSekcje(format::ESekcja eSekcja);
    // The next line of the line section found. False at its end line, and in the header
    // section also at the start line of "SP;", which is then read next (a header section that
    // lacks its end line ends there). The end of the file inside the section, or any other
    // section start line, is error 1.
    bool CzytajWierszSekcji(std::string& strWiersz);
    // The next record of the record section found: header, element lines and end line as
    // read, as views into the chunk that hold until the next read (the chunk keeps the whole
    // record). False at the section's end line. The end of the "SO;" section also reads the
    // file end line (error 9 without it) and the rest of the file, where only blank and
    // comment lines may stand. Error 4 for a line that is no element line; error 1 for a
    // section start line, which tells that the section's end line is missing.
    bool CzytajRekord(Rekord& rekord);
    // The next significant line in file order; it holds until the next read. Error 9 when no
    // line is left.
    std::string_view CzytajWiersz();
    // The same, but empty when no line is left.
    std::string_view NastepnyWiersz();
    // The line CzytajWiersz or NastepnyWiersz gave last as it stands in the file: untrimmed,
    // without its line end (LF or CR LF). It holds until the next read.
    std::string_view JakStoi() const { return m_strJakStoi; }

    // Every line skipped from now on (blank or comment, "C;") is handed as it stands, without
    // its line end, to the function while Linia() is its line number; the function must not
    // read from this reader. An empty function hands none on.
    void UstawPominiete(std::function<void(std::string_view)> pominiete);

    // Physical lines taken since opening or rewinding, blank and comment lines included.
    std::uint64_t Linia() const { return m_nLinia; }
    // Byte offset just past the last line read record by record or as a plain line (its LF
    // included); lines of the line sections leave it as it is.
    std::uint64_t Pozycja() const { return m_nPozycja; }
    // The file's length in bytes, taken when it was opened.
    std::uint64_t Dlugosc() const { return m_nDlugoscPliku; }

    // True for a record end line; error 4 for a line that is no element line.
    static bool JestKoncemRekordu(std::string_view strWiersz);
    static bool JestKoncemSekcji(std::string_view strWiersz);

private:
    // The next significant line, trimmed; empty at the end of the file. bPozycja: the line
    // moves the position counter. bCzysty is cleared when the line was not taken exactly as
    // it stands (blank or comment lines skipped, blanks trimmed, no CR LF end).
    std::string_view NastepnyZnaczacy(bool bPozycja, bool& bCzysty);
    std::string_view NastepnyZnaczacy(bool bPozycja);
    // NastepnyZnaczacy for record reading: error 9 at the end of the file.
    std::string_view NastepnyWymagany(bool& bCzysty);
    std::string_view NastepnyWymagany();
    // The record's next line when it stands in the chunk just as it is read; false otherwise.
    bool KrotkaDroga(std::string_view& strLinia);
    // The record's next line read the long way; the record's lines follow a reload.
    std::string_view DlugaDroga(std::vector<std::string_view>& wiersze, bool& bCzysty);
    // The next physical line, without its LF; false at the end of the data.
    bool NastepnaLinia(std::string_view& strLinia);
    // Loads the next chunk behind the unconsumed tail (and the record being read); false when
    // nothing is left to load.
    bool WczytajPorcje();
    std::string_view Bufor() const { return {m_bufor.data(), m_nWBuforze}; }
    // The first LF in the chunk from nOd on, or null.
    const char* SzukajLF(std::size_t nOd) const;
    // The significant line just read is read again by the next read.
    void Cofnij();
    // Error 1 for the line just read, with its line number and the position just past it.
    [[noreturn]] void BladKolejnosci() const;
    // The file end line and what follows it, after the last section's end line.
    void CzytajKoniecPliku();

    static constexpr int KONIEC_PLIKU = 4; // m_nSekcja once the file end line has been read

    platforma::CPlikWejsciowy m_plik;
    std::size_t m_nRozmiarPorcji;
    std::uint64_t m_nDlugoscPliku = 0;
    std::uint64_t m_nLinia = 0;
    std::uint64_t m_nPozycja = 0;
    std::vector<char> m_bufor;             // the chunk; only the first m_nWBuforze bytes hold data
    std::size_t m_nWBuforze = 0;
    std::size_t m_nPozycjaWBuforze = 0;
    std::size_t m_nKotwica = SIZE_MAX;     // start of the record being read: kept at a reload
    std::uint64_t m_nPoczatekBufora = 0;   // file offset of m_bufor[0]
    bool m_bOstatniaPorcja = false;        // the chunk that reaches the end of the file is loaded
    std::uint64_t m_nPoczatekLinii = 0;    // file offset of the last line read
    int m_nSekcja = -2;                    // -2 before the header line, -1 after it, else the
                                           // section whose start line was read last, or
                                           // KONIEC_PLIKU
    std::uint64_t m_nPrzeladowania = 0;    // chunks loaded, so that a reader can tell a reload
    std::vector<std::uint64_t> m_anLinie;  // where the record's lines start, while it is read
    std::function<void(std::string_view)> m_pominiete;
    std::string_view m_strJakStoi;         // the last line taken, as it stands
};
