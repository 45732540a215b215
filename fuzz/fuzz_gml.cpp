// The GML reader over any bytes, and the check of them as a file. Only numbered errors may come
// out of the reading; every range a feature is handed out with lies inside the input, nested as
// a writer that cuts by them expects: the blank lead, the member, the feature, its properties.
#include "filtr/sprawdzenie_gml.h"
#include "gml/czytnik_gml.h"
#include "wspolne.h"

namespace {

struct CSprawdzacz : gml::CSluchaczGml {
    explicit CSprawdzacz(std::size_t nDlugosc) : m_nDlugosc(nDlugosc) {}
    void Obiekt(const gml::CObiekt& o) override {
        const gml::CZakres& czlonek = o.m_zakresCzlonka;
        const gml::CZakres& obiekt = o.m_zakres;
        KELVOR_SPRAWDZ(m_nKoniec <= o.m_nOdstep && o.m_nOdstep <= czlonek.m_nPoczatek);
        KELVOR_SPRAWDZ(czlonek.m_nPoczatek <= obiekt.m_nPoczatek);
        KELVOR_SPRAWDZ(obiekt.m_nPoczatek < obiekt.m_nKoniec && obiekt.m_nKoniec <= czlonek.m_nKoniec);
        KELVOR_SPRAWDZ(czlonek.m_nKoniec <= m_nDlugosc);
        std::uint64_t nPoprzedni = obiekt.m_nPoczatek;
        for (const gml::CWlasciwosc& w : o.m_wlasciwosci) {
            KELVOR_SPRAWDZ(nPoprzedni <= w.m_zakres.m_nPoczatek);
            KELVOR_SPRAWDZ(w.m_zakres.m_nPoczatek < w.m_zakres.m_nKoniec);
            KELVOR_SPRAWDZ(w.m_zakres.m_nKoniec <= obiekt.m_nKoniec);
            nPoprzedni = w.m_zakres.m_nKoniec;
        }
        for (const gml::COdwolanie& odw : o.m_odwolania)
            KELVOR_SPRAWDZ(odw.m_nWlasciwosc < o.m_wlasciwosci.size());
        for (const gml::CTekst& t : o.m_teksty)
            KELVOR_SPRAWDZ(t.m_nWlasciwosc < o.m_wlasciwosci.size());
        m_nKoniec = czlonek.m_nKoniec;
    }
    const std::size_t m_nDlugosc;
    std::uint64_t m_nKoniec = 0;
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* pDane, std::size_t nDane) {
    const std::string_view str(reinterpret_cast<const char*>(pDane), nDane);
    CSprawdzacz sprawdzacz(nDane);
    try {
        gml::CCzytnikGml::CzytajTekst(str, sprawdzacz);
    } catch (const gml::CBladGml& blad) {
        KELVOR_SPRAWDZ(blad.m_nNumer > 0);
    }
    fuzz::Zapisz("we.gml", pDane, nDane);
    CObserwatorRunu obserwator;
    const CWynikSprawdzeniaGml wynik = SprawdzPlikGml(fuzz::Sciezka("we.gml"), obserwator);
    KELVOR_SPRAWDZ(wynik.m_bOtwarty);
    KELVOR_SPRAWDZ(wynik.m_nNierozwiazane <= wynik.m_nOdwolania);
    return 0;
}
