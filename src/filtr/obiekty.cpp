// The object pass and the decisions of stages 1 to 4.
#include "filtr/obiekty.h"

#include <stdexcept>
#include <string>
#include <vector>

#include "filtr/elementy.h"
#include "swde/bledy.h"
#include "swde/format.h"
#include "swde/kodowanie.h"
#include "swde/rekord.h"

namespace {

// The header fields of a record; a field the header does not reach reads as empty.
struct CNaglowek {
    std::vector<std::string_view> astrPola; // views into the record's header line
    int nPol = 0;
    std::string_view operator[](int i) const { return Pole(astrPola, nPol, i); }
};

// The split is kept between records, so that its fields are not allocated again for each.
const CNaglowek& PodzielNaglowek(const Rekord& rekord) {
    thread_local CNaglowek naglowek;
    naglowek.nPol = PodzielWiersz(rekord.at(0), naglowek.astrPola);
    return naglowek;
}

// Status for the historical-data group: its last character is "2".
bool CzyHistoryczny(std::string_view strStatus) {
    return !strStatus.empty() && strStatus.back() == '2';
}

bool CzyRelacja(const CElement& element) {
    return element.strKod == "WL" || element.strKod == "WG";
}

// Adds the record's fields 2, 3, 4 to the list and empties the record.
bool Odrzuc(Rekord& rekord, const CNaglowek& naglowek, ELista eLista, CStanPrzebiegu& stan) {
    stan.Dodaj(eLista, naglowek[2], naglowek[3], naglowek[4]);
    rekord.Wyczysc();
    return false;
}

// The first element with the symbol, checked to be a relation (error 8 of the kind otherwise).
bool ZnajdzRelacje(std::string_view strSymbol, const Rekord& rekord, CElement& element,
                   EBlad eBlad) {
    int nPozycja = 1;
    if (!ZnajdzElement(strSymbol, rekord, element, nPozycja)) {
        return false;
    }
    if (!CzyRelacja(element)) {
        throw CSWDEException(eBlad);
    }
    return true;
}

// "G5DZE" becomes "G5O_DZE"; the header is rewritten as "RD" and the geometry blocks that
// follow the header directly are removed.
void ZamienNaOpisowy(Rekord& rekord, const CNaglowek& naglowek) {
    std::string strNaglowek = "RD,";
    // Held here: a temporary inside the loop's list would be gone before the loop body runs.
    const std::string strForma = FormaOpisowa(naglowek[2]);
    for (const std::string_view strPole : {naglowek[1], std::string_view(strForma), naglowek[3], naglowek[4]}) {
        strNaglowek += strPole;
        strNaglowek += ',';
    }
    strNaglowek += naglowek[5];
    strNaglowek += ';';
    rekord.Zamien(0, std::move(strNaglowek));
    const std::size_t nKoniec = rekord.size() - 1; // the end line stays where it is
    std::size_t nUsuniete = 0;
    auto usun = [&] {
        rekord.Usun(1);
        ++nUsuniete;
    };
    while (1 + nUsuniete < nKoniec && rekord[1] == "GL;") {
        usun();
        while (rekord[1] != "GX;") {
            if (1 + nUsuniete >= nKoniec) {
                throw std::runtime_error("geometry block not closed before the record end");
            }
            usun();
        }
        usun();
    }
}

bool CzyDzierzawa(std::string_view strTyp) {
    return strTyp == "G5DZW" || strTyp == "G5UDD" || strTyp == "G5PDZ";
}

// Steps 3 to 12 of stage 1: the list a record is dropped into, or 0 to keep it. A graphic
// record that is kept may be converted on the way; the run state notes which.
int RegulaEtapu1(Rekord& rekord, const CNaglowek& h, const std::string& strBaza,
                 const COpcjeFiltrowania& opcje, CStanPrzebiegu& stan) {
    const std::string_view strTyp = h[2];
    auto bezG = [&](std::string_view strSymbol) { return RownyBez(strTyp, "G_", strSymbol); };
    auto zaznaczona = [&](EGrupa g) { return opcje.CzyGrupaZaznaczona(g); };
    if (zaznaczona(GrupaLokale)) {
        if (strBaza == "G5LKL") {
            return ListaUsunietych;
        }
        if (strTyp == "G5JDR" && MaAtrybut("G5TJR", rekord, "3")) {
            return ListaJednostekLokali;
        }
    }
    if (zaznaczona(GrupaBudynki)) {
        if (strBaza == "G5BUD") {
            return ListaBudynkow;
        }
        if (strTyp == "G5JDR" && MaAtrybut("G5TJR", rekord, "2")) {
            return ListaJednostekBudynkow;
        }
        if (strTyp == "G5JRZ") {
            return ListaUsunietych;
        }
    }
    if ((zaznaczona(GrupaHistoryczne) && CzyHistoryczny(h[5])) ||
        (zaznaczona(GrupaRejony) && bezG("G5RST")) ||
        (zaznaczona(GrupaUzytki) && bezG("G5UZG")) ||
        (zaznaczona(GrupaKontury) && bezG("G5KKL")) ||
        (zaznaczona(GrupaNiestandardowe) && !CzyTypZnany(h[0], strTyp))) {
        return ListaUsunietych;
    }
    if (zaznaczona(GrupaGraficzne)) {
        if (CzyObiektGraficzny(h[0], strTyp)) {
            return ListaUsunietych;
        }
        if (h[0] == "RO") {
            ZamienNaOpisowy(rekord, h);
            stan.m_przeksztalcone.DodajPare(strTyp, h[3]);
        }
    }
    if ((zaznaczona(GrupaDzierzawa) && CzyDzierzawa(strTyp)) ||
        (zaznaczona(GrupaWladanie) && strTyp == "G5UDW")) {
        return ListaUsunietych;
    }
    return 0;
}

// Stage 2 for "G5PDZ": removes the "G5REPZ" elements that point at removed buildings or
// register units; a subject left without any is dropped and its "G5RPRZ" element noted.
bool SprawdzPrzedmiotDzierzawy(Rekord& rekord, const CNaglowek& h, CStanPrzebiegu& stan) {
    CElement element;
    int nPozycja = 1;
    bool bZostaje = false;
    while (ZnajdzElement("G5REPZ", rekord, element, nPozycja)) {
        if (!CzyRelacja(element)) {
            throw CSWDEException(EBlad::UzycieWiazaniaREPZ);
        }
        if (stan.Pasuje(Listy({ListaJednostekBudynkow, ListaBudynkow}), element.strKod,
                        element.strCel1, element.strCel2)) {
            rekord.Usun(static_cast<std::size_t>(nPozycja));
        } else {
            bZostaje = true;
            ++nPozycja;
        }
    }
    if (bZostaje) {
        return true;
    }
    nPozycja = 1;
    if (!ZnajdzElement("G5RPRZ", rekord, element, nPozycja)) {
        throw CSWDEException(EBlad::BrakWiazaniaRPRZ);
    }
    stan.Dodaj(ListaPrzedmiotowDzierzawy, element.strKod, element.strCel1, element.strCel2);
    return Odrzuc(rekord, h, ListaUsunietych, stan);
}

// A relation that matches an entry of one of the lists drops the record into list 1.
bool SprawdzRelacje(Rekord& rekord, const CNaglowek& h, std::string_view strSymbol, EBlad eBlad,
                    unsigned nListy, CStanPrzebiegu& stan) {
    CElement element;
    if (ZnajdzRelacje(strSymbol, rekord, element, eBlad) &&
        stan.Pasuje(nListy, element.strKod, element.strCel1, element.strCel2)) {
        return Odrzuc(rekord, h, ListaUsunietych, stan);
    }
    return true;
}

std::string KluczListy5(std::string_view strKod, std::string_view strCel1,
                        std::string_view strCel2) {
    std::string strKlucz(strKod);
    strKlucz += '\n';
    strKlucz += strCel1;
    strKlucz += '\n';
    strKlucz += strCel2;
    return strKlucz;
}

} // namespace

const std::array<std::string_view, LICZBA_TYPOW_OBIEKTOW>& TypyObiektow() {
    static const std::array<std::string_view, LICZBA_TYPOW_OBIEKTOW> typy = {
        "G5JEW",   "G5O_JEW", "G5OBR",   "G5O_OBR", "G5RST", "G5OSF",   "G5INS",   "G5MLZ",
        "G5OSZ",   "G5JDR",   "G5UDZ",   "G5UDW",   "G5JRZ", "G5DZE",   "G5O_DZE", "G5KLU",
        "G5BUD",   "G5O_BUD", "G5LKL",   "G5UZG",   "G5KKL", "G5ZMN",   "G5DOK",   "G5ADR",
        "G5DZW",   "G5UDD",   "G5PDZ",   "G5PZG",   "G5GRN", "G5G_JEW", "G5G_OBR", "G5G_RST",
        "G5G_DZE", "G5G_BUD", "G5G_UZG", "G5G_KKL"};
    return typy;
}

bool CzyTypZnany(std::string_view, std::string_view strTyp) {
    for (std::string_view strZnany : TypyObiektow()) {
        if (strZnany == strTyp) {
            return true;
        }
    }
    return false;
}

bool CzyObiektGraficzny(std::string_view strRodzaj, std::string_view strTyp) {
    const auto& typy = TypyObiektow();
    for (int i = PIERWSZY_TYP_GRAFICZNY; i < LICZBA_TYPOW_OBIEKTOW; ++i) {
        if (typy[static_cast<std::size_t>(i)] == strTyp) {
            return true;
        }
    }
    if (strRodzaj == "RP" || strRodzaj == "RL") {
        return true;
    }
    return strRodzaj == "RO" && (strTyp == "G5RST" || strTyp == "G5KKL" || strTyp == "G5UZG");
}

bool MaAtrybut(std::string_view strSymbol, const Rekord& rekord, std::string_view strWartosc) {
    for (std::size_t i = 1; i + 1 < rekord.size(); ++i) {
        CPolaWiersza pola(rekord[i]);
        std::string_view strPole;
        if (!pola.Nastepne(strPole) || !pola.Nastepne(strPole) || strPole != strSymbol) {
            continue;
        }
        std::string_view strPole3;
        if (!pola.Nastepne(strPole3) || !pola.Nastepne(strPole3)) {
            strPole3 = {};
        }
        if (!strPole3.empty() && strPole3.back() == ';') {
            strPole3.remove_suffix(1);
        }
        if (strPole3 == strWartosc) {
            return true;
        }
    }
    return false;
}

CIndeksListy5 ZbudujIndeksListy5(const ListaRekordow& lista5) {
    CIndeksListy5 indeks;
    for (int i = 0; i < lista5.Licznik(); ++i) {
        const std::string_view strKod = lista5.Pole2(i);
        if (strKod == "WL") {
            indeks.m_indeks.emplace(KluczListy5("WL", lista5.Pole3(i), ""), i);
        } else if (strKod == "WG") {
            indeks.m_indeks.emplace(KluczListy5("WG", lista5.Pole3(i), lista5.Pole4(i)), i);
        } else if (indeks.m_nPierwszyBledny < 0) {
            indeks.m_nPierwszyBledny = i;
        }
    }
    return indeks;
}

bool SprawdzRekordEtap1(Rekord& rekord, bool bAtrybuty, CStanPrzebiegu& stan,
                        const COpcjeFiltrowania& opcje, CTypyEtapu1& typy) {
    const CNaglowek& h = PodzielNaglowek(rekord);
    if (h.nPol != 6) {
        throw CSWDEException(EBlad::NaglowekRekordu);
    }
    CTypEtapu1& typ = typy.Wpis(h[2], [&](std::string_view strTyp) {
        CTypEtapu1 nowy;
        nowy.strBaza = UsunPrefiks(strTyp);
        if (bAtrybuty && opcje.CzyFiltrowacAtrybutyTypu(nowy.strBaza)) {
            nowy.astrAtrybuty = opcje.ZaznaczoneAtrybuty(NumerTypu(nowy.strBaza));
        }
        return nowy;
    });
    // The counters: source current and historical, target current and historical.
    const bool bAktualny = CzyAktualny(h[5]);
    auto zlicz = [&](int nLicznik, MapaLicznikow& mapa) {
        long*& pLicznik = typ.apLiczniki[static_cast<std::size_t>(nLicznik)];
        if (pLicznik == nullptr) {
            pLicznik = &mapa.try_emplace(typ.strBaza, 0).first->second;
        }
        ++*pLicznik;
    };
    if (bAktualny) {
        zlicz(0, stan.m_mapaZrodloAkt);
    } else {
        zlicz(1, stan.m_mapaZrodloHist);
    }
    const int nLista = RegulaEtapu1(rekord, h, typ.strBaza, opcje, stan);
    if (nLista != 0) {
        return Odrzuc(rekord, h, static_cast<ELista>(nLista), stan);
    }
    if (bAktualny) {
        zlicz(2, stan.m_mapaCelAkt);
    } else {
        zlicz(3, stan.m_mapaCelHist);
    }
    if (!typ.astrAtrybuty.empty()) {
        UsunElementy(typ.astrAtrybuty, rekord);
    }
    return true;
}

bool SprawdzRekordEtap2(Rekord& rekord, CStanPrzebiegu& stan, const COpcjeFiltrowania& opcje) {
    // Only the type is looked at in most records; the header is split for the few judged.
    const std::string_view strTyp = PoleWiersza(rekord.at(0), 2);
    const bool bBudynki = opcje.CzyGrupaZaznaczona(GrupaBudynki);
    if (strTyp == "G5UDZ") {
        return SprawdzRelacje(rekord, PodzielNaglowek(rekord), format::G5RWLS, EBlad::UzycieWiazaniaRWLS,
                              Listy({ListaJednostekBudynkow, ListaJednostekLokali}), stan);
    }
    if (bBudynki && !opcje.CzyGrupaZaznaczona(GrupaWladanie) && strTyp == "G5UDW") {
        return SprawdzRelacje(rekord, PodzielNaglowek(rekord), format::G5RWLD, EBlad::UzycieWiazaniaRWLD,
                              Listy({ListaJednostekBudynkow}), stan);
    }
    if (!bBudynki && strTyp == "G5JRZ") {
        return SprawdzRelacje(rekord, PodzielNaglowek(rekord), "G5RJRW", EBlad::UzycieWiazaniaRJRW,
                              Listy({ListaJednostekLokali}), stan);
    }
    if (bBudynki && !opcje.CzyGrupaZaznaczona(GrupaDzierzawa) && strTyp == "G5PDZ") {
        return SprawdzPrzedmiotDzierzawy(rekord, PodzielNaglowek(rekord), stan);
    }
    return true;
}

bool SprawdzRekordEtap3(Rekord& rekord, CStanPrzebiegu& stan, const CIndeksListy5& indeks) {
    if (PoleWiersza(rekord.at(0), 2) != "G5DZW") {
        return true;
    }
    const CNaglowek& h = PodzielNaglowek(rekord);
    // The first matching entry in list order; an entry with another code before it fails.
    int nPierwszy = -1;
    for (const std::string& strKlucz :
         {KluczListy5("WL", h[4], ""), KluczListy5("WG", h[2], h[3])}) {
        const auto it = indeks.m_indeks.find(strKlucz);
        if (it != indeks.m_indeks.end() && (nPierwszy < 0 || it->second < nPierwszy)) {
            nPierwszy = it->second;
        }
    }
    if (indeks.m_nPierwszyBledny >= 0 && (nPierwszy < 0 || indeks.m_nPierwszyBledny < nPierwszy)) {
        throw CSWDEException(EBlad::UzycieWiazaniaRPRZ);
    }
    if (nPierwszy < 0) {
        return true;
    }
    return Odrzuc(rekord, h, ListaDzierzaw, stan);
}

bool SprawdzRekordEtap4(Rekord& rekord, CStanPrzebiegu& stan) {
    if (PoleWiersza(rekord.at(0), 2) != "G5UDD") {
        return true;
    }
    return SprawdzRelacje(rekord, PodzielNaglowek(rekord), "G5RWPZ", EBlad::UzycieWiazaniaRWPZ, Listy({ListaDzierzaw}),
                          stan);
}

bool FiltrujObiekty(CKontekstPrzebiegu& k, int nEtap, int nLiczbaEtapow, bool bAtrybuty,
                    const CParaPlikow* pPara) {
    static const std::string strEtap = kodowanie::T("Filtrowanie obiektów (");
    COpisPrzebiegu opis;
    opis.strEtap =
        strEtap + std::to_string(nEtap) + "/" + std::to_string(nLiczbaEtapow) + ")";
    opis.pPara = nEtap == 1 ? pPara : nullptr;
    CIndeksListy5 indeks;
    CTypyEtapu1 typy; // the maps' counters it holds stay put: nothing empties the maps meanwhile
    if (nEtap == 3) {
        indeks = ZbudujIndeksListy5(k.stan.Lista(ListaPrzedmiotowDzierzawy));
    }
    auto etap = [&](Rekord& rekord) {
        switch (nEtap) {
        case 1:
            return SprawdzRekordEtap1(rekord, bAtrybuty, k.stan, k.opcje, typy);
        case 2:
            return SprawdzRekordEtap2(rekord, k.stan, k.opcje);
        case 3:
            return SprawdzRekordEtap3(rekord, k.stan, indeks);
        default:
            return SprawdzRekordEtap4(rekord, k.stan);
        }
    };
    // Stage 1 counts what it keeps for the log's table; a record a later stage drops is taken
    // off again, so that the table tells what the object stages kept.
    std::string strNaglowek;
    opis.decyzja = [&](Rekord& rekord) {
        if (nEtap == 1)
            return etap(rekord);
        strNaglowek.assign(rekord.at(0));
        if (etap(rekord))
            return true;
        CStanPrzebiegu::Zlicz(strNaglowek, k.stan.m_mapaCelAkt, k.stan.m_mapaCelHist, -1);
        return false;
    };
    return PrzejdzPlik(k, opis);
}
