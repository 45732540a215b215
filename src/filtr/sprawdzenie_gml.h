// Checking the cadastre's GML files without changing them, beside the check of SWDE files: the
// structure (well-formed, the schema generation, the exporting system, features by class and
// version, duplicate gml:ids, several current versions of one object), the references between
// features and the personal data left in the file. One streaming read; the ids and references
// are kept as 64-bit hashes. Texts are UTF-8, as the file has them.
//
// SprawdzPlikiDowolne checks a list of files of either format, each chosen by its content.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "filtr/sprawdzenie.h"
#include "gml/czytnik_gml.h"

// The generations of the cadastre's schema, by namespace.
enum class EGeneracjaSchematu { Brak, Schemat2021, Schemat2015, Obie };

// Features of one class of the cadastre's schema.
struct CLiczbaKlasy {
    std::string m_strKlasa; // "egb:EGB_DzialkaEwidencyjna"
    std::uint64_t m_nAktualne = 0;
    std::uint64_t m_nArchiwalne = 0;
};

// Features of another schema, by namespace.
struct CLiczbaObcych {
    std::string m_strSchemat; // the prefix the report uses ("ot", "ges") or the URI
    std::uint64_t m_nLiczba = 0;
};

// A structural finding about one object: a gml:id used again, a second current version.
struct CPowtorzenie {
    std::string m_strId; // the gml:id, or the namespace and local id of the object
    std::uint64_t m_nLinia = 0;
};

// References of one (class, property, target class, form); the target class is empty for
// those that name no feature of the file.
struct CGrupaOdwolanGml {
    std::string m_strKlasa;
    std::string m_strWlasciwosc;
    std::string m_strKlasaCelu;
    gml::EFormaOdwolania m_eForma = gml::EFormaOdwolania::Id;
    std::uint64_t m_nLiczba = 0;
    std::vector<std::uint64_t> m_anLinie; // the first few, in file order (unresolved only)
};

// The kinds of personal data the GML check counts, beside the identifiers found in free text.
enum class ERodzajDanychGml {
    Pesel,            // a valid PESEL in a pesel property, or found in free text
    PeselBledny,      // a pesel property whose value is not a valid PESEL
    Nip,              // found in free text
    DowodOsobisty,    // found in free text
    Paszport,         // found in free text
    Regon,            // a regon property
    NumerKW,          // a numerKW property
    ImieNazwisko,     // a name of a natural person
    Adres,            // the address of a natural person (a reference to EGB_AdresPodmiotu)
};
constexpr int LICZBA_RODZAJOW_DANYCH_GML = 9;

// Personal data of one kind in one property of one class ("komentarz" for XML comments).
struct CGrupaDanychGml {
    ERodzajDanychGml m_eRodzaj = ERodzajDanychGml::Pesel;
    std::string m_strKlasa;
    std::string m_strWlasciwosc;
    std::uint64_t m_nLiczba = 0;
    std::vector<CWystapienie> m_wystapienia; // the first few, masked, in file order
};

struct CWynikSprawdzeniaGml {
    std::string m_strPlik;
    bool m_bOtwarty = false;
    bool m_bPrzerwany = false;
    bool m_bBlad = false;
    int m_nNumerBledu = -1;
    std::string m_strBlad; // the full text, UTF-8
    std::uint64_t m_nLiniaBledu = 0;
    std::uint64_t m_nKolumnaBledu = 0;

    std::uint64_t m_nBajty = 0;
    std::uint64_t m_nLinie = 0;

    // Structure.
    EGeneracjaSchematu m_eGeneracja = EGeneracjaSchematu::Brak;
    std::string m_strSystem; // the leading comment
    std::uint64_t m_nObiekty = 0;
    std::vector<CLiczbaKlasy> m_klasy; // by name
    std::vector<CLiczbaObcych> m_obce; // by schema
    std::uint64_t m_nPowtorzoneId = 0;
    std::vector<CPowtorzenie> m_powtorzoneId;
    std::uint64_t m_nWieleAktualnych = 0;
    std::vector<CPowtorzenie> m_wieleAktualnych;

    // References (complete only when the file was read to its end).
    std::uint64_t m_nOdwolania = 0;
    std::uint64_t m_nNierozwiazane = 0;
    std::vector<CGrupaOdwolanGml> m_odwolania;

    // Personal data.
    std::uint64_t m_nDaneOsobowe = 0;
    std::vector<CGrupaDanychGml> m_daneOsobowe;

    bool CzyPrzeczytany() const { return m_bOtwarty && !m_bBlad && !m_bPrzerwany; }
    bool CzyStrukturaCala() const {
        return CzyPrzeczytany() && m_nPowtorzoneId == 0 && m_nWieleAktualnych == 0;
    }
    bool CzyOdwolaniaCale() const { return CzyPrzeczytany() && m_nNierozwiazane == 0; }
    bool CzyCaly() const { return CzyStrukturaCala() && CzyOdwolaniaCale(); }
    bool CzyBezUsterek() const { return CzyCaly() && m_nDaneOsobowe == 0; }
};

CWynikSprawdzeniaGml SprawdzPlikGml(const std::string& strSciezka, CObserwatorRunu& obserwator);

// The format of a file by its first bytes: GML (an XML file whose root element is a
// gml:FeatureCollection), SWDE (an SWDE header or comment line first), or neither; Brak when
// the file cannot be opened.
enum class EFormatPliku { Swde, Gml, Inny, Brak };
EFormatPliku RozpoznajFormat(const std::string& strSciezka);

// One checked file of either format. A file of neither format is an unopened GML result whose
// error names it so.
struct CWynikSprawdzeniaPliku {
    bool m_bGml = false;
    CWynikSprawdzenia m_swde;
    CWynikSprawdzeniaGml m_gml;

    bool CzyOtwarty() const { return m_bGml ? m_gml.m_bOtwarty : m_swde.m_bOtwarty; }
    bool CzyBezUsterek() const { return m_bGml ? m_gml.CzyBezUsterek() : m_swde.CzyBezUsterek(); }
};

struct CWynikSprawdzenPlikow {
    std::vector<CWynikSprawdzeniaPliku> m_pliki;
    bool m_bPrzerwano = false;
};

// "Plik nie jest plikiem SWDE ani GML" (UTF-8).
const std::string& TekstInnegoFormatu();

// As SprawdzPliki, each file checked as its content says.
CWynikSprawdzenPlikow SprawdzPlikiDowolne(const std::vector<std::string>& astrSciezki,
                                          CObserwatorRunu& obserwator);
