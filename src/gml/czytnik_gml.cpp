// The GML reader over expat: one parser per file, fed from a buffer the platform layer fills.
// Handlers never throw through expat's C frames: a failure is kept and the parser stopped.
#include "gml/czytnik_gml.h"

#include <expat.h>

#include <exception>
#include <memory>

#include "swde/bledy.h"
#include "swde/kodowanie.h"
#include "swde/platforma.h"

namespace gml {

namespace {

constexpr char SEPARATOR = '\x01'; // between a namespace URI and a local name (not an XML char)
constexpr std::size_t ROZMIAR_PORCJI = 1u << 20;
constexpr std::size_t NAJWIEKSZA_GLEBOKOSC = 10000;
static_assert(sizeof(XML_Index) >= 8, "byte positions past 2 GB need XML_LARGE_SIZE");

struct CNazwa {
    std::string_view strNs;
    std::string_view strNazwa;
};

CNazwa Rozdziel(const XML_Char* sz) {
    const std::string_view str(sz);
    const std::size_t n = str.find(SEPARATOR);
    if (n == std::string_view::npos)
        return {{}, str};
    return {str.substr(0, n), str.substr(n + 1)};
}

bool JestBialy(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r';
}

std::string_view Przytnij(std::string_view str) {
    while (!str.empty() && JestBialy(str.front()))
        str.remove_prefix(1);
    while (!str.empty() && JestBialy(str.back()))
        str.remove_suffix(1);
    return str;
}

EFormaOdwolania Forma(std::string_view str) {
    if (str.starts_with("#"))
        return EFormaOdwolania::Kotwica;
    if (str.starts_with("urn:"))
        return EFormaOdwolania::Urn;
    if (str.find_first_of(":/ ") != std::string_view::npos || str.empty())
        return EFormaOdwolania::Inna;
    return EFormaOdwolania::Id;
}

// An open element: whether it is in the GML namespace, whether an element started inside it.
struct CElement {
    bool bGml = false;
    bool bDzieci = false;
};

} // namespace

std::string_view PrefiksNamespace(std::string_view strNs) {
    if (strNs == NS_EGB || strNs == NS_EGB_2015)
        return "egb";
    if (strNs == NS_GML)
        return "gml";
    if (strNs == NS_OT)
        return "ot";
    if (strNs == NS_GES)
        return "ges";
    if (strNs == NS_BT)
        return "bt";
    return {};
}

std::string NazwaKwalifikowana(std::string_view strNs, std::string_view strNazwa) {
    if (strNs.empty())
        return std::string(strNazwa);
    const std::string_view strPrefiks = PrefiksNamespace(strNs);
    if (!strPrefiks.empty())
        return std::string(strPrefiks) + ":" + std::string(strNazwa);
    return "{" + std::string(strNs) + "}" + std::string(strNazwa);
}

bool JestEgib(std::string_view strNs) {
    return strNs == NS_EGB || strNs == NS_EGB_2015;
}

std::string CBladGml::PelnyKomunikat() const {
    std::string str = "Błąd nr " + std::to_string(m_nNumer) + ": " + m_strTekst;
    if (m_nLinia > 0)
        str += " (wiersz " + std::to_string(m_nLinia) + ", kolumna " + std::to_string(m_nKolumna) +
               ")";
    return str;
}

bool WygladaNaXml(std::string_view str) {
    if (str.starts_with("\xEF\xBB\xBF"))
        str.remove_prefix(3);
    while (!str.empty() && JestBialy(str.front()))
        str.remove_prefix(1);
    return str.starts_with("<");
}

struct CCzytnikGml::CDane {
    platforma::CPlikWejsciowy plik;
    std::string strSciezka;
    XML_Parser parser = nullptr;
    CSluchaczGml* pSluchacz = nullptr;

    // Where the parse is.
    std::vector<CElement> stos;
    bool bKorzen = false;       // the root element started
    bool bWCzlonku = false;     // inside a gml:featureMember or gml:featureMembers
    bool bCzlonkowie = false;   // ... and that is gml:featureMembers
    bool bWObiekcie = false;
    bool bObiektGotowy = false; // a feature of the open gml:featureMember waits for its end
    bool bWspolny = false;      // the open gml:featureMember holds more than one feature
    std::uint64_t nKoniecStartuCzlonka = 0;
    bool bNaglowek = false;     // the listener heard the header
    CNaglowekGml naglowek;
    std::uint64_t nKoniecOstatniego = 0; // end of the last markup among the members
    std::uint64_t nOdstepCzlonka = 0;
    CZakres zakresCzlonka;
    CObiekt obiekt;
    bool bIdentyfikator = false; // inside the property holding the identifier
    std::string strTekst;        // of the innermost open element inside a feature
    bool bZbieraj = false;

    // What stopped the parser.
    std::unique_ptr<CBladGml> pBlad;
    std::exception_ptr wyjatek;

    std::uint64_t Bajt() const { return static_cast<std::uint64_t>(XML_GetCurrentByteIndex(parser)); }
    std::uint64_t KoniecZdarzenia() const {
        return Bajt() + static_cast<std::uint64_t>(XML_GetCurrentByteCount(parser));
    }
    CZakres Poczatek() const {
        return {Bajt(), 0, static_cast<std::uint64_t>(XML_GetCurrentLineNumber(parser)),
                static_cast<std::uint64_t>(XML_GetCurrentColumnNumber(parser)) + 1};
    }

    void Zatrzymaj() { XML_StopParser(parser, XML_FALSE); }
    void Blad(int nNumer, std::string strTekst) {
        if (!pBlad)
            pBlad = std::make_unique<CBladGml>(CBladGml{
                nNumer, std::move(strTekst), XML_GetCurrentLineNumber(parser),
                static_cast<std::uint64_t>(XML_GetCurrentColumnNumber(parser)) + 1});
        Zatrzymaj();
    }

    void Naglowek() {
        if (!bNaglowek && pSluchacz)
            pSluchacz->Naglowek(naglowek);
        bNaglowek = true;
    }

    void Start(const XML_Char* szNazwa, const XML_Char** aszAtrybuty);
    void Koniec(const XML_Char* szNazwa);
    void Znaki(const XML_Char* s, int n);
    void Komentarz(const XML_Char* sz);

    template <class F> static void Chron(void* pDane, F f) {
        CDane& d = *static_cast<CDane*>(pDane);
        if (d.wyjatek || d.pBlad)
            return;
        try {
            f(d);
        } catch (...) {
            d.wyjatek = std::current_exception();
            d.Zatrzymaj();
        }
    }

    void Utworz();
    void Sprawdz(XML_Status eStan);
    [[noreturn]] void BladParsera();
};

void CCzytnikGml::CDane::Utworz() {
    if (parser)
        XML_ParserFree(parser);
    parser = XML_ParserCreateNS(nullptr, SEPARATOR);
    if (!parser)
        throw std::bad_alloc();
    XML_SetUserData(parser, this);
    XML_SetElementHandler(
        parser,
        [](void* p, const XML_Char* sz, const XML_Char** a) {
            Chron(p, [&](CDane& d) { d.Start(sz, a); });
        },
        [](void* p, const XML_Char* sz) { Chron(p, [&](CDane& d) { d.Koniec(sz); }); });
    XML_SetCharacterDataHandler(parser, [](void* p, const XML_Char* s, int n) {
        Chron(p, [&](CDane& d) { d.Znaki(s, n); });
    });
    XML_SetCommentHandler(parser, [](void* p, const XML_Char* sz) {
        Chron(p, [&](CDane& d) { d.Komentarz(sz); });
    });
    stos.clear();
    bKorzen = bWCzlonku = bCzlonkowie = bWObiekcie = bObiektGotowy = bWspolny = bNaglowek = false;
    naglowek = {};
    pBlad.reset();
    wyjatek = nullptr;
}

void CCzytnikGml::CDane::Start(const XML_Char* szNazwa, const XML_Char** aszAtrybuty) {
    const CNazwa nazwa = Rozdziel(szNazwa);
    const std::size_t nGlebokosc = stos.size() + 1; // of this element
    if (nGlebokosc > NAJWIEKSZA_GLEBOKOSC)
        return Blad(BLAD_GLEBOKOSC, "Zbyt głęboko zagnieżdżone elementy");
    if (!stos.empty())
        stos.back().bDzieci = true;
    stos.push_back({nazwa.strNs == NS_GML, false});
    if (nGlebokosc == 1) {
        if (nazwa.strNs != NS_GML || nazwa.strNazwa != "FeatureCollection")
            return Blad(BLAD_KORZEN, "Element główny nie jest gml:FeatureCollection: " +
                                         NazwaKwalifikowana(nazwa.strNs, nazwa.strNazwa));
        bKorzen = true;
        Naglowek();
        nKoniecOstatniego = KoniecZdarzenia();
        return;
    }
    if (nGlebokosc == 2) {
        bWCzlonku = nazwa.strNs == NS_GML &&
                    (nazwa.strNazwa == "featureMember" || nazwa.strNazwa == "featureMembers");
        bCzlonkowie = bWCzlonku && nazwa.strNazwa == "featureMembers";
        zakresCzlonka = Poczatek();
        nOdstepCzlonka = nKoniecOstatniego;
        nKoniecStartuCzlonka = KoniecZdarzenia();
        if (bCzlonkowie)
            nKoniecOstatniego = KoniecZdarzenia();
        return;
    }
    if (!bWCzlonku)
        return;
    if (nGlebokosc == 3) {
        // A second feature in one gml:featureMember: the member is shared, so each feature's
        // range stands for its member, as in gml:featureMembers, and the member stays.
        if (bObiektGotowy) {
            obiekt.m_zakresCzlonka = obiekt.m_zakres;
            if (!bWspolny) // the first one; a later one keeps the blank after the one before it
                obiekt.m_nOdstep = nKoniecStartuCzlonka;
            pSluchacz->Obiekt(obiekt);
            bObiektGotowy = false;
            bWspolny = true;
        }
        const std::uint64_t nKoniecPoprzedniego = obiekt.m_zakres.m_nKoniec;
        obiekt.m_strNs.assign(nazwa.strNs);
        obiekt.m_strKlasa.assign(nazwa.strNazwa);
        obiekt.m_strGmlId.clear();
        obiekt.m_strLokalnyId.clear();
        obiekt.m_strPrzestrzenNazw.clear();
        obiekt.m_strWersjaId.clear();
        obiekt.m_strKoniecWersji.clear();
        obiekt.m_strKoniecObiektu.clear();
        obiekt.m_wlasciwosci.clear();
        obiekt.m_odwolania.clear();
        obiekt.m_teksty.clear();
        obiekt.m_zakres = Poczatek();
        if (bCzlonkowie) {
            obiekt.m_zakresCzlonka = obiekt.m_zakres;
            obiekt.m_nOdstep = nKoniecOstatniego;
        } else if (bWspolny) {
            obiekt.m_zakresCzlonka = obiekt.m_zakres;
            obiekt.m_nOdstep = nKoniecPoprzedniego;
        } else {
            obiekt.m_zakresCzlonka = zakresCzlonka;
            obiekt.m_nOdstep = nOdstepCzlonka;
        }
        for (const XML_Char** a = aszAtrybuty; *a; a += 2) {
            const CNazwa atrybut = Rozdziel(a[0]);
            if (atrybut.strNs == NS_GML && atrybut.strNazwa == "id")
                obiekt.m_strGmlId = a[1];
        }
        bWObiekcie = true;
        return;
    }
    if (!bWObiekcie)
        return;
    if (nGlebokosc == 4) {
        obiekt.m_wlasciwosci.push_back({std::string(nazwa.strNs), std::string(nazwa.strNazwa),
                                        Poczatek()});
        bIdentyfikator = nazwa.strNazwa == "idIIP";
    }
    for (const XML_Char** a = aszAtrybuty; *a; a += 2) {
        const CNazwa atrybut = Rozdziel(a[0]);
        if (atrybut.strNs == NS_XLINK && atrybut.strNazwa == "href") {
            const std::string_view strCel(a[1]);
            obiekt.m_odwolania.push_back({obiekt.m_wlasciwosci.size() - 1, std::string(strCel),
                                          Forma(strCel),
                                          static_cast<std::uint64_t>(XML_GetCurrentLineNumber(parser))});
        }
    }
    strTekst.clear();
    bZbieraj = !stos.back().bGml;
}

void CCzytnikGml::CDane::Koniec(const XML_Char* szNazwa) {
    const std::size_t nGlebokosc = stos.size();
    const CElement element = stos.back();
    stos.pop_back();
    if (nGlebokosc == 2) {
        if (bWCzlonku && !bCzlonkowie) {
            nKoniecOstatniego = KoniecZdarzenia();
            if (bObiektGotowy) {
                obiekt.m_zakresCzlonka.m_nKoniec =
                    bWspolny ? obiekt.m_zakres.m_nKoniec : nKoniecOstatniego;
                pSluchacz->Obiekt(obiekt);
            }
        }
        bWCzlonku = bCzlonkowie = bObiektGotowy = bWspolny = false;
        return;
    }
    if (!bWObiekcie)
        return;
    if (nGlebokosc == 3) {
        obiekt.m_zakres.m_nKoniec = KoniecZdarzenia();
        bWObiekcie = false;
        if (bCzlonkowie) {
            obiekt.m_zakresCzlonka.m_nKoniec = obiekt.m_zakres.m_nKoniec;
            nKoniecOstatniego = obiekt.m_zakres.m_nKoniec;
            pSluchacz->Obiekt(obiekt);
        } else {
            // In a gml:featureMember the feature goes out at the member's end tag, when the
            // member's range is known.
            bObiektGotowy = true;
        }
        return;
    }
    const bool bLisc = !element.bDzieci;
    if (bLisc && bZbieraj) {
        const CNazwa nazwa = Rozdziel(szNazwa);
        const std::string_view strWartosc = Przytnij(strTekst);
        if (!strWartosc.empty()) {
            if (bIdentyfikator && nGlebokosc > 4) {
                if (nazwa.strNazwa == "lokalnyId")
                    obiekt.m_strLokalnyId.assign(strWartosc);
                else if (nazwa.strNazwa == "przestrzenNazw")
                    obiekt.m_strPrzestrzenNazw.assign(strWartosc);
                else if (nazwa.strNazwa == "wersjaId")
                    obiekt.m_strWersjaId.assign(strWartosc);
            } else if (nGlebokosc == 4 && nazwa.strNazwa == "koniecWersjaObiekt") {
                obiekt.m_strKoniecWersji.assign(strWartosc);
            } else if (nGlebokosc == 4 && nazwa.strNazwa == "koniecObiekt") {
                obiekt.m_strKoniecObiektu.assign(strWartosc);
            }
            obiekt.m_teksty.push_back({obiekt.m_wlasciwosci.size() - 1, std::string(nazwa.strNazwa),
                                       std::string(strWartosc), 0});
            obiekt.m_teksty.back().m_nLinia = obiekt.m_wlasciwosci.back().m_zakres.m_nLinia;
        }
    }
    bZbieraj = false;
    strTekst.clear();
    if (nGlebokosc == 4) {
        obiekt.m_wlasciwosci.back().m_zakres.m_nKoniec = KoniecZdarzenia();
        bIdentyfikator = false;
    }
}

void CCzytnikGml::CDane::Znaki(const XML_Char* s, int n) {
    if (bZbieraj) {
        strTekst.append(s, static_cast<std::size_t>(n));
        return;
    }
    // Text among the members that is not blank belongs to no feature's blank lead.
    const std::size_t nGlebokosc = stos.size();
    if (nGlebokosc == 1 || (nGlebokosc == 2 && bCzlonkowie)) {
        if (!Przytnij(std::string_view(s, static_cast<std::size_t>(n))).empty())
            nKoniecOstatniego = KoniecZdarzenia();
    }
}

void CCzytnikGml::CDane::Komentarz(const XML_Char* sz) {
    if (!bKorzen) {
        if (naglowek.m_strKomentarz.empty())
            naglowek.m_strKomentarz.assign(Przytnij(sz));
        return;
    }
    const std::size_t nGlebokosc = stos.size();
    if (nGlebokosc == 1 || (nGlebokosc == 2 && bCzlonkowie))
        nKoniecOstatniego = KoniecZdarzenia();
    pSluchacz->Komentarz(sz, XML_GetCurrentLineNumber(parser));
}

void CCzytnikGml::CDane::BladParsera() {
    const XML_Error eKod = XML_GetErrorCode(parser);
    const std::uint64_t nLinia = XML_GetCurrentLineNumber(parser);
    const std::uint64_t nKolumna = static_cast<std::uint64_t>(XML_GetCurrentColumnNumber(parser)) + 1;
    if (eKod == XML_ERROR_NO_ELEMENTS || eKod == XML_ERROR_UNCLOSED_TOKEN ||
        eKod == XML_ERROR_PARTIAL_CHAR || eKod == XML_ERROR_UNCLOSED_CDATA_SECTION)
        throw CBladGml{BLAD_KONIEC_DANYCH,
                       kodowanie::Cp1250DoUtf8(TekstBledu(EBlad::KoniecDanych)), nLinia, nKolumna};
    throw CBladGml{BLAD_XML, std::string("Nieprawidłowy zapis XML: ") + XML_ErrorString(eKod),
                   nLinia, nKolumna};
}

// Throws for a malformed file or a failure kept by a handler.
void CCzytnikGml::CDane::Sprawdz(XML_Status eStan) {
    if (wyjatek)
        std::rethrow_exception(wyjatek);
    if (pBlad)
        throw *pBlad;
    if (eStan == XML_STATUS_ERROR)
        BladParsera();
}

CCzytnikGml::CCzytnikGml() : m_pDane(new CDane) {}

CCzytnikGml::~CCzytnikGml() {
    if (m_pDane->parser)
        XML_ParserFree(m_pDane->parser);
    delete m_pDane;
}

bool CCzytnikGml::Otworz(const std::string& strSciezka) {
    m_pDane->strSciezka = strSciezka;
    return m_pDane->plik.Otworz(strSciezka);
}

std::uint64_t CCzytnikGml::Dlugosc() const {
    return m_pDane->plik.Dlugosc();
}

std::uint64_t CCzytnikGml::Linia() const {
    return m_pDane->parser ? XML_GetCurrentLineNumber(m_pDane->parser) : 0;
}

bool CCzytnikGml::Czytaj(CSluchaczGml& sluchacz) {
    CDane& d = *m_pDane;
    d.Utworz();
    d.pSluchacz = &sluchacz;
    std::uint64_t nBajty = 0;
    for (;;) {
        void* pBufor = XML_GetBuffer(d.parser, static_cast<int>(ROZMIAR_PORCJI));
        if (!pBufor)
            throw std::bad_alloc();
        std::size_t n = 0;
        try {
            n = d.plik.Czytaj(static_cast<char*>(pBufor), ROZMIAR_PORCJI);
        } catch (const CFileException& e) {
            throw CBladGml{BLAD_ODCZYT, "Błąd odczytu pliku: " + e.m_strPowod,
                           XML_GetCurrentLineNumber(d.parser), 0};
        }
        d.Sprawdz(XML_ParseBuffer(d.parser, static_cast<int>(n), n == 0));
        if (n == 0)
            break;
        nBajty += n;
        if (sluchacz.Postep(nBajty))
            return false;
    }
    if (!d.bKorzen)
        throw CBladGml{BLAD_KONIEC_DANYCH, kodowanie::Cp1250DoUtf8(TekstBledu(EBlad::KoniecDanych)),
                       Linia(), 0};
    return true;
}

bool CCzytnikGml::CzytajTekst(std::string_view strTekst, CSluchaczGml& sluchacz) {
    CCzytnikGml czytnik;
    CDane& d = *czytnik.m_pDane;
    d.Utworz();
    d.pSluchacz = &sluchacz;
    d.Sprawdz(XML_Parse(d.parser, strTekst.data(), static_cast<int>(strTekst.size()), XML_TRUE));
    return true;
}

bool JestKorzeniemGml(std::string_view strPoczatek) {
    // The header is told when the root element starts and is a gml:FeatureCollection.
    struct CSluchacz : CSluchaczGml {
        void Naglowek(const CNaglowekGml&) override { bKorzen = true; }
        void Obiekt(const CObiekt&) override {}
        bool bKorzen = false;
    } sluchacz;
    try {
        CCzytnikGml::CzytajTekst(strPoczatek, sluchacz);
    } catch (const CBladGml&) {
    }
    return sluchacz.bKorzen;
}

}  // namespace gml
