// Checking SWDE files without changing them: whether a file is whole (its structure as the
// reader of a run sees it, its checksum lines, the references between its objects) and which
// personal identifiers are left in it. One streaming read per file; nothing is written. Texts
// are code page 1250.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "filtr/identyfikatory.h"
#include "filtr/zdarzenia.h"

// A structural fault that does not stop the reading.
enum class EUwagaStruktury {
    BrakSekcjiObiektow, // no "SO;" section: a run cannot filter the file
    PowtorzonaSekcja,   // a section comes again (a run reads only the first one)
    KolejnoscSekcji,    // the sections are not in the order SN, SP, ST, SO
    DaneZaKoncemPliku,  // significant lines after the file end line (a run refuses the file)
};

struct CUwagaStruktury {
    EUwagaStruktury m_eUwaga;
    std::string m_strSekcja; // the section concerned ("SO;"), empty for the other two
    std::uint64_t m_nLinia = 0; // the first line concerned
};

// Object records of one base type, as the log's table counts them.
struct CLiczbaObiektow {
    std::string m_strTyp;
    std::uint64_t m_nAktualne = 0;
    std::uint64_t m_nHistoryczne = 0;
};

// A checksum line of a section or of the whole file, recomputed.
struct CSumaKontrolna {
    std::string m_strCzesc;     // the section's start line ("SN;" ...); empty for the file
    std::uint64_t m_nLinia = 0; // the end line
    bool m_bZapisana = false;   // the end line carries a checksum ("SXC," or "SWDEXC,")
    std::string m_strZapisana;  // the checksum as the end line carries it
    std::uint32_t m_nObliczona = 0;

    bool CzyZgodna() const;
};

// References that name no record of the file, by the referring record's type, the element
// ("WG", "WL", "P,P", "P,K"), the relation symbol (none for points) and the target type (none
// for "WL" and "P,K", which name an object by its second identifier only).
struct CGrupaOdwolan {
    std::string m_strTypRekordu;
    std::string m_strKod;
    std::string m_strWiazanie;
    std::string m_strTypCelu;
    std::uint64_t m_nLiczba = 0;
    std::vector<std::uint64_t> m_anLinie; // the first few, in file order
};

struct CWystapienie {
    std::uint64_t m_nLinia = 0;
    std::string m_strMaska; // the first four characters, the rest masked
};

// Identifiers of one kind found under one symbol: the attribute symbol of a "D," line, the
// element code of another record line, "NS,<code>" or "NU" in the header, the first field of
// an "SP;" line, "C;" for comment lines, empty for a line outside the sections.
struct CGrupaIdentyfikatorow {
    ERodzajIdentyfikatora m_eRodzaj = ERodzajIdentyfikatora::Pesel;
    std::string m_strSymbol;
    std::uint64_t m_nLiczba = 0;
    std::vector<CWystapienie> m_wystapienia; // the first few, in file order
};

enum class EStanSum { Brak, Zgodne, Niezgodne };

struct CWynikSprawdzenia {
    std::string m_strPlik;
    bool m_bOtwarty = false;
    bool m_bPrzerwany = false; // the user stopped the check
    // An error ended the check (or the file could not be opened): its number (-1 for a failure
    // without one), its full text and the line the reader had reached.
    bool m_bBlad = false;
    int m_nNumerBledu = -1;
    std::string m_strBlad;
    std::uint64_t m_nLiniaBledu = 0;

    std::uint64_t m_nBajty = 0;
    std::uint64_t m_nLinie = 0;  // physical lines up to the file end line
    bool m_bKoniecPliku = false; // the file end line was reached

    // Structure.
    std::vector<std::string> m_astrSekcje; // start lines in file order
    std::vector<CUwagaStruktury> m_uwagi;
    std::string m_strJednostka;             // "TR" of the header
    std::string m_strNazwaJednostki;        // "TN"
    std::string m_strData;                  // "DN"
    std::vector<CLiczbaObiektow> m_obiekty; // "SO;" records by base type symbol
    std::uint64_t m_nRekordy = 0;

    // Checksums.
    std::vector<CSumaKontrolna> m_sumySekcji;
    CSumaKontrolna m_sumaPliku; // valid when m_bKoniecPliku

    // References (complete only when the file was read to its end).
    std::uint64_t m_nOdwolania = 0;
    std::uint64_t m_nNierozwiazane = 0;
    std::vector<CGrupaOdwolan> m_odwolania;

    // Personal identifiers.
    std::uint64_t m_nIdentyfikatory = 0;
    std::vector<CGrupaIdentyfikatorow> m_identyfikatory;

    bool CzyPrzeczytany() const { return !m_bBlad && !m_bPrzerwany && m_bKoniecPliku; }
    bool CzyStrukturaCala() const { return CzyPrzeczytany() && m_uwagi.empty(); }
    // Brak: no end line carries a checksum. Zgodne: every section and the file carry one and all
    // match. Niezgodne otherwise.
    EStanSum StanSum() const;
    bool CzyOdwolaniaCale() const { return CzyPrzeczytany() && m_nNierozwiazane == 0; }
    // Structure, checksums and references whole.
    bool CzyCaly() const;
    bool CzyBezUsterek() const { return CzyCaly() && m_nIdentyfikatory == 0; }
};

struct CWynikSprawdzen {
    std::vector<CWynikSprawdzenia> m_pliki; // in the order given, up to a stop
    bool m_bPrzerwano = false;
};

// How many line numbers (and masked identifiers) a group keeps.
constexpr std::size_t PIERWSZE_WYSTAPIENIA = 5;

// Checks one file. The observer hears the stage text and the progress and is asked whether to
// stop.
CWynikSprawdzenia SprawdzPlik(const std::string& strSciezka, CObserwatorRunu& obserwator);

// Checks the files in order, with the events of a run: RozpoczetoRun, for each file
// RozpoczetoPlik, its stage and progress, ZakonczonoPlik (with the error that ended it, if
// any), and ZakonczonoRun.
CWynikSprawdzen SprawdzPliki(const std::vector<std::string>& astrSciezki,
                             CObserwatorRunu& obserwator);
