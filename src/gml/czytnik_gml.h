// The streaming reader of the cadastre's GML files: a gml:FeatureCollection whose
// gml:featureMember (or gml:featureMembers) children each hold one feature. The reader hands the
// features out one at a time, with their class (namespace URI and local name), gml:id, the
// object's identifier and version, their properties with the byte range of each, the xlink:href
// references and the texts of their simple elements; what it keeps is one feature at a time,
// whatever the size of the file. Texts are UTF-8 bytes as the file has them.
//
// The XML parser is expat. It is a push parser over buffers we fill ourselves (the file is read
// through the platform layer like every other file), it resolves namespaces to URIs before any
// handler sees a name, and for every event it gives the byte offset and length of the markup in
// the file together with its line and column: exactly what a writer needs that copies a file's
// bytes unchanged except for the ranges it removes. libxml2's reader would also stream, but it
// reads the file itself, reports positions only by line and keeps a tree of the current node;
// expat is also the smaller library to build for Windows. Expat stays inside czytnik_gml.cpp.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace gml {

// The namespaces the reader and its callers know by URI.
inline constexpr std::string_view NS_GML = "http://www.opengis.net/gml/3.2";
inline constexpr std::string_view NS_XLINK = "http://www.w3.org/1999/xlink";
inline constexpr std::string_view NS_EGB = "ewidencjaGruntowIBudynkow:1.0";
inline constexpr std::string_view NS_EGB_2015 =
    "urn:gugik:specyfikacje:gmlas:ewidencjaGruntowBudynkow:1.0";
inline constexpr std::string_view NS_BT = "urn:gugik:specyfikacje:gmlas:modelPodstawowy:1.0";
inline constexpr std::string_view NS_OT = "bazaDanychObiektowTopograficznych500:1.0";
inline constexpr std::string_view NS_GES = "geodezyjnaEwidencjaSieciUzbrojeniaTerenu:1.0";

// The prefix the reports use for a known namespace ("egb", "ot" ...), empty for another one.
std::string_view PrefiksNamespace(std::string_view strNs);
// "egb:EGB_DzialkaEwidencyjna" for a known namespace, "{uri}name" otherwise, the bare name
// without a namespace.
std::string NazwaKwalifikowana(std::string_view strNs, std::string_view strNazwa);
// Whether the namespace is the cadastre's, of either generation.
bool JestEgib(std::string_view strNs);

// Bytes [m_nPoczatek, m_nKoniec) of the file, and where they start (line and column from 1).
struct CZakres {
    std::uint64_t m_nPoczatek = 0;
    std::uint64_t m_nKoniec = 0;
    std::uint64_t m_nLinia = 0;
    std::uint64_t m_nKolumna = 0;
};

// How an xlink:href names its target: the plain gml:id, "#" and the gml:id, a urn
// ("urn:pzgik:id:<namespace>:<local id>" without or with the version), or anything else.
enum class EFormaOdwolania { Id, Kotwica, Urn, Inna };

struct COdwolanie {
    std::size_t m_nWlasciwosc = 0; // index of the property holding it (in m_wlasciwosci)
    std::string m_strCel;          // as written
    EFormaOdwolania m_eForma = EFormaOdwolania::Id;
    std::uint64_t m_nLinia = 0;
};

// A property: a child element of the feature, from its start tag to its end tag.
struct CWlasciwosc {
    std::string m_strNs;
    std::string m_strNazwa;
    CZakres m_zakres;
};

// The text of an element with no element inside it, anywhere in the feature outside the GML
// namespace (geometry stays out): the property it stands in, its own name and its text.
struct CTekst {
    std::size_t m_nWlasciwosc = 0;
    std::string m_strNazwa;
    std::string m_strTekst;
    std::uint64_t m_nLinia = 0;
};

struct CObiekt {
    std::string m_strNs;
    std::string m_strKlasa;
    std::string m_strGmlId;
    // From the feature's identifier (egb:EGB_IdentyfikatorIIP or bt:BT_Identyfikator).
    std::string m_strLokalnyId;
    std::string m_strPrzestrzenNazw;
    std::string m_strWersjaId;
    // The texts of koniecWersjaObiekt and koniecObiekt; an archival version carries the first.
    std::string m_strKoniecWersji;
    std::string m_strKoniecObiektu;

    CZakres m_zakres;            // the feature element
    CZakres m_zakresCzlonka;     // the gml:featureMember around it (the feature's own range
                                 // when it stands in gml:featureMembers)
    std::uint64_t m_nOdstep = 0; // where the blank text before m_zakresCzlonka starts
    std::vector<CWlasciwosc> m_wlasciwosci;
    std::vector<COdwolanie> m_odwolania;
    std::vector<CTekst> m_teksty;

    bool CzyArchiwalny() const { return !m_strKoniecWersji.empty(); }
};

// What the reader found before the first feature.
struct CNaglowekGml {
    std::string m_strKomentarz; // the first comment before the root element, trimmed
};

// What a caller is told while a file is read.
class CSluchaczGml {
public:
    virtual ~CSluchaczGml() = default;
    virtual void Naglowek(const CNaglowekGml& /*naglowek*/) {}
    virtual void Obiekt(const CObiekt& obiekt) = 0;
    // A comment anywhere in the file after the root element started.
    virtual void Komentarz(std::string_view /*strTekst*/, std::uint64_t /*nLinia*/) {}
    // The bytes read so far, after each buffer; true stops the reading.
    virtual bool Postep(std::uint64_t /*nBajty*/) { return false; }
};

// A numbered error of a GML file, with its place. Texts are UTF-8.
struct CBladGml {
    int m_nNumer = 0;
    std::string m_strTekst;     // the fixed text and what follows it
    std::uint64_t m_nLinia = 0; // 0: not known
    std::uint64_t m_nKolumna = 0;
    // "Błąd nr <n>: <text> (wiersz <l>, kolumna <k>)".
    std::string PelnyKomunikat() const;
};

// The numbers of the GML errors: a file cut short is the SWDE error 9; the others are new.
inline constexpr int BLAD_KONIEC_DANYCH = 9;
inline constexpr int BLAD_XML = 20;        // "Nieprawidłowy zapis XML: " + the parser's reason
inline constexpr int BLAD_KORZEN = 21;     // "Element główny nie jest gml:FeatureCollection: "
inline constexpr int BLAD_ODCZYT = 22;     // "Błąd odczytu pliku: " + the system's reason
inline constexpr int BLAD_GLEBOKOSC = 23;  // "Zbyt głęboko zagnieżdżone elementy"

// Whether the start of a file is XML (an optional byte order mark and blanks, then "<").
bool WygladaNaXml(std::string_view strPoczatek);
// Whether the first part of an XML file opens a gml:FeatureCollection: its root element starts
// within it and is that one.
bool JestKorzeniemGml(std::string_view strPoczatek);

// Reads GML files. Czytaj returns normally at the end of a well-formed file or when the listener
// stopped it, and throws CBladGml otherwise.
class CCzytnikGml {
public:
    CCzytnikGml();
    ~CCzytnikGml();
    CCzytnikGml(const CCzytnikGml&) = delete;
    CCzytnikGml& operator=(const CCzytnikGml&) = delete;

    // False when the file cannot be opened.
    bool Otworz(const std::string& strSciezka);
    std::uint64_t Dlugosc() const;
    // Returns false when the listener stopped the reading.
    bool Czytaj(CSluchaczGml& sluchacz);
    // Reads bytes held in memory, for a file's first part or a test.
    static bool CzytajTekst(std::string_view strTekst, CSluchaczGml& sluchacz);

    // The line the parser reached (the last line when the file was read whole).
    std::uint64_t Linia() const;

private:
    struct CDane;
    CDane* m_pDane;
};

}  // namespace gml
