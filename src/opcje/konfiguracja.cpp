// The configuration file: writing the options as 31 key and value pairs and reading them back.
#include "opcje/konfiguracja.h"

#include <array>
#include <climits>
#include <filesystem>
#include <string_view>
#include <system_error>

#include "opcje/opcje.h"
#include "swde/bledy.h"
#include "swde/kodowanie.h"
#include "swde/platforma.h"

namespace {

constexpr int LICZBA_KLUCZY = 31;
constexpr int KLUCZ_CRC = 26;
constexpr int KLUCZ_PROPAGACJA = 27;
constexpr int PIERWSZY_KATALOG = 28;
// A configuration file is a few hundred bytes; anything beyond this is no configuration file
// (and a device that never ends must not be read without end).
constexpr std::size_t NAJWIEKSZY_PLIK = 1 << 20;
// The target folder for added files: a key after the 31, written only when a folder was
// chosen, so that readers of the 31 keys, which stop after them, read such a file as before.
constexpr std::string_view KLUCZ_KATALOGU_DOCELOWEGO = "Katalog_docelowy";
// The byte-order mark some Windows editors put before UTF-8 text.
constexpr std::string_view ZNACZNIK_UTF8 = "\xEF\xBB\xBF";

const std::string& NazwaPlikuDomyslnego() {
    static const std::string str = "KELVOR.cfg";
    return str;
}

const std::string& TekstOdmowyDostepu() {
    static const std::string str = kodowanie::T("Odmowa dostępu do pliku konfiguracyjnego");
    return str;
}

const std::string& TekstBrakuPliku() {
    static const std::string str =
        kodowanie::T("Nie znaleziono pliku z domyślną konfiguracją opcji programu.\n"
                     "Plik ten zostanie utworzony automatycznie.");
    return str;
}

// The 31 keys in number order: the object groups, the 25 types, the two flags, three folders.
const std::array<std::string, LICZBA_KLUCZY>& Klucze() {
    static const std::array<std::string, LICZBA_KLUCZY> klucze = [] {
        std::array<std::string, LICZBA_KLUCZY> k;
        k[0] = "Obiekty";
        for (int n = 1; n <= LICZBA_TYPOW; ++n)
            k[n] = OpisTypu(n).m_strKlucz;
        k[KLUCZ_CRC] = "CRC";
        k[KLUCZ_PROPAGACJA] = "Propagacja";
        k[28] = kodowanie::T("Źródło_danych");
        k[29] = kodowanie::T("Ujście_danych");
        k[30] = "Konfiguracje";
        return k;
    }();
    return klucze;
}

int NumerKlucza(std::string_view strKlucz) {
    const auto& klucze = Klucze();
    for (int n = 0; n < LICZBA_KLUCZY; ++n) {
        if (klucze[static_cast<std::size_t>(n)] == strKlucz)
            return n;
    }
    return -1;
}

// The folders of numbers 28, 29 and 30.
std::string COpcjeFiltrowania::*const g_katalogi[] = {&COpcjeFiltrowania::m_strZrodloDanych,
                                                      &COpcjeFiltrowania::m_strUjscieDanych,
                                                      &COpcjeFiltrowania::m_strKatalogKonfiguracji};

std::string& Katalog(COpcjeFiltrowania& opcje, int n) {
    return opcje.*g_katalogi[n - PIERWSZY_KATALOG];
}

const std::string& Katalog(const COpcjeFiltrowania& opcje, int n) {
    return opcje.*g_katalogi[n - PIERWSZY_KATALOG];
}

bool CzySeparatorTokenow(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r';
}

struct CToken {
    std::string_view m_str;
    bool m_bWCudzyslowie = false;
};

// Splits the text into tokens at runs of blanks, tabs and line breaks. A token that begins
// with a double quote runs to the first double quote that is followed by a separator or by the
// end of the text, on the same line; the quotes are not part of it. Without such a closing
// quote it is an ordinary token.
class CTokenizer {
public:
    explicit CTokenizer(std::string_view strTekst) : m_strTekst(strTekst) {}

    bool Nastepny(CToken& token) {
        while (m_nPoz < m_strTekst.size() && CzySeparatorTokenow(m_strTekst[m_nPoz]))
            ++m_nPoz;
        if (m_nPoz == m_strTekst.size())
            return false;
        if (m_strTekst[m_nPoz] == '"' && m_nPoz >= m_nBezZamkniecia) {
            const std::size_t nKoniec = ZamykajacyCudzyslow(m_nPoz + 1);
            if (nKoniec != std::string_view::npos) {
                token = {m_strTekst.substr(m_nPoz + 1, nKoniec - m_nPoz - 1), true};
                m_nPoz = nKoniec + 1;
                return true;
            }
        }
        const std::size_t nPoczatek = m_nPoz;
        while (m_nPoz < m_strTekst.size() && !CzySeparatorTokenow(m_strTekst[m_nPoz]))
            ++m_nPoz;
        token = {m_strTekst.substr(nPoczatek, m_nPoz - nPoczatek), false};
        return true;
    }

private:
    // The closing quote from nOd on, or npos. A line without one is remembered, so that a long
    // line of quotes is scanned once, not once per token.
    std::size_t ZamykajacyCudzyslow(std::size_t nOd) {
        std::size_t n = nOd;
        for (; n < m_strTekst.size() && m_strTekst[n] != '\n' && m_strTekst[n] != '\r'; ++n) {
            if (m_strTekst[n] == '"' &&
                (n + 1 == m_strTekst.size() || CzySeparatorTokenow(m_strTekst[n + 1])))
                return n;
        }
        m_nBezZamkniecia = n;
        return std::string_view::npos;
    }

    std::string_view m_strTekst;
    std::size_t m_nPoz = 0;
    std::size_t m_nBezZamkniecia = 0; // no closing quote for an opening quote before this
};

std::string WartoscKatalogu(const CToken& token) {
    if (!token.m_bWCudzyslowie && token.m_str == ".")
        return {};
    return std::string(token.m_str);
}

// True when the written value reads back as exactly this folder.
bool CzyCzytaSieJako(const std::string& strZapis, const std::string& strKatalog) {
    CTokenizer tokenizer(strZapis);
    CToken token, dalszy;
    return tokenizer.Nastepny(token) && !tokenizer.Nastepny(dalszy) &&
           WartoscKatalogu(token) == strKatalog;
}

// A folder as written: "." for none, the folder itself when it has no white space, else in
// double quotes. A folder that neither form would read back (a line break or a quote followed
// by a blank inside it) is not remembered rather than break the file.
std::string ZapisKatalogu(const std::string& strKatalog) {
    if (strKatalog.empty())
        return ".";
    if (CzyCzytaSieJako(strKatalog, strKatalog))
        return strKatalog;
    const std::string strWCudzyslowie = '"' + strKatalog + '"';
    if (CzyCzytaSieJako(strWCudzyslowie, strKatalog))
        return strWCudzyslowie;
    return ".";
}

[[noreturn]] void BladFormatu() {
    throw CStandardException(blad::TytulFormatu(), blad::KomunikatFormatu());
}

std::filesystem::path SciezkaSystemowa(const std::string& strSciezka) {
    const std::string strUtf8 = kodowanie::Cp1250DoUtf8(strSciezka);
    return std::filesystem::path(std::u8string(strUtf8.begin(), strUtf8.end()));
}

// The whole file, or false when it cannot be opened or read; a file longer than the largest
// configuration file is read only up to one byte beyond it.
bool CzytajPlik(const std::string& strSciezka, std::string& strTekst) {
    if (platforma::JestKatalogiem(strSciezka))
        return false;
    platforma::CPlikWejsciowy plik;
    if (!plik.Otworz(strSciezka))
        return false;
    try {
        char bufor[64 * 1024];
        for (std::size_t n; strTekst.size() <= NAJWIEKSZY_PLIK &&
                            (n = plik.Czytaj(bufor, sizeof bufor)) > 0;)
            strTekst.append(bufor, n);
    } catch (const CFileException&) {
        return false;
    }
    return true;
}

bool ZapiszCalosc(const std::string& strSciezka, const std::string& strTekst) {
    platforma::CPlikWyjsciowy plik;
    if (!plik.Otworz(strSciezka))
        return false;
    try {
        plik.Zapisz(strTekst);
        plik.Zamknij();
    } catch (const CFileException&) {
        return false; // the destructor closes what is left open
    }
    return true;
}

std::string FolderSciezki(const std::string& strSciezka) {
    return strSciezka.substr(0, platforma::PoczatekNazwy(strSciezka));
}

} // namespace

std::string SciezkaDomyslnejKonfiguracji() {
    const std::string strProgram = platforma::SciezkaProgramu();
    const std::size_t n = platforma::OstatniSeparator(strProgram);
    if (n == std::string::npos)
        return NazwaPlikuDomyslnego();
    return strProgram.substr(0, n) + platforma::Separator() + NazwaPlikuDomyslnego();
}

CMiejsceKonfiguracji MiejsceKonfiguracji(const std::string& strKatalogProgramu,
                                         bool bKatalogZapisywalny) {
    const std::string strObok = strKatalogProgramu.empty()
                                    ? NazwaPlikuDomyslnego()
                                    : strKatalogProgramu + platforma::Separator() +
                                          NazwaPlikuDomyslnego();
    const std::string strKatalogUzytkownika = platforma::KatalogUstawienUzytkownika();
    if (bKatalogZapisywalny || strKatalogUzytkownika.empty())
        return {strObok, strObok};
    const std::string strWlasny =
        strKatalogUzytkownika + platforma::Separator() + NazwaPlikuDomyslnego();
    return {platforma::Istnieje(strWlasny) ? strWlasny : strObok, strWlasny};
}

CMiejsceKonfiguracji MiejsceKonfiguracji(const std::string& strKatalogProgramu) {
    return MiejsceKonfiguracji(strKatalogProgramu,
                               platforma::MoznaTworzycPliki(strKatalogProgramu));
}

CMiejsceKonfiguracji MiejsceKonfiguracji() {
    const std::string strProgram = platforma::SciezkaProgramu();
    const std::size_t n = platforma::OstatniSeparator(strProgram);
    return MiejsceKonfiguracji(n == std::string::npos ? std::string() : strProgram.substr(0, n));
}

int LiczbaZTekstu(std::string_view strTekst, int nNajwieksza) {
    // Only plain decimal digits within the range: a sign, a hexadecimal form or an overflow
    // would otherwise read silently as every bit or as none.
    if (strTekst.empty() || strTekst.size() > 10)
        return -1;
    long long nWartosc = 0;
    for (const char c : strTekst) {
        if (c < '0' || c > '9')
            return -1;
        nWartosc = nWartosc * 10 + (c - '0');
    }
    return nWartosc <= nNajwieksza ? static_cast<int>(nWartosc) : -1;
}

std::string TekstKonfiguracji(const COpcjeFiltrowania& opcje) {
    const auto& klucze = Klucze();
    std::string strTekst;
    for (int n = 0; n <= LICZBA_TYPOW; ++n)
        strTekst += klucze[n] + ' ' + std::to_string(opcje.Maska(n)) + '\n';
    strTekst += klucze[KLUCZ_CRC] + (opcje.m_bSumyCRC ? " 1\n" : " 0\n");
    strTekst += klucze[KLUCZ_PROPAGACJA] + (opcje.m_bPropagacja ? " 1\n" : " 0\n");
    for (int n = PIERWSZY_KATALOG; n < LICZBA_KLUCZY; ++n)
        strTekst += klucze[n] + ' ' + ZapisKatalogu(Katalog(opcje, n)) + '\n';
    if (!opcje.m_strKatalogDocelowy.empty())
        ((strTekst += KLUCZ_KATALOGU_DOCELOWEGO) += ' ') +=
            ZapisKatalogu(opcje.m_strKatalogDocelowy) + '\n';
    return strTekst;
}

void ZastosujTekstKonfiguracji(COpcjeFiltrowania& opcje, std::string_view strTekst) {
    if (strTekst.size() > NAJWIEKSZY_PLIK)
        BladFormatu();
    // A file saved as UTF-8 with its byte-order mark is read as UTF-8.
    std::string strZUtf8;
    if (strTekst.starts_with(ZNACZNIK_UTF8)) {
        strZUtf8 = kodowanie::Utf8DoCp1250(strTekst.substr(ZNACZNIK_UTF8.size()));
        strTekst = strZUtf8;
    }
    std::array<int, PIERWSZY_KATALOG> anWartosci{};
    anWartosci[KLUCZ_CRC] = 1;
    anWartosci[KLUCZ_PROPAGACJA] = 1;
    CTokenizer tokenizer(strTekst);
    for (int p = 0; p < LICZBA_KLUCZY; ++p) {
        CToken klucz, wartosc;
        if (!tokenizer.Nastepny(klucz))
            break;
        const int nKlucz = NumerKlucza(klucz.m_str);
        if (nKlucz < 0 || !tokenizer.Nastepny(wartosc))
            BladFormatu();
        if (p >= PIERWSZY_KATALOG) {
            Katalog(opcje, p) = WartoscKatalogu(wartosc); // by position, whatever the key
        } else if (nKlucz < PIERWSZY_KATALOG) {
            const int nNajwieksza =
                nKlucz <= LICZBA_TYPOW ? (1 << opcje.LiczbaAtrybutow(nKlucz)) - 1 : 1;
            anWartosci[nKlucz] = LiczbaZTekstu(wartosc.m_str, nNajwieksza);
            if (anWartosci[nKlucz] < 0)
                BladFormatu();
            if (nKlucz == 0)
                opcje.UstawStronyWedlugObiektow(anWartosci[0]);
        }
    }
    CToken klucz, wartosc;
    if (tokenizer.Nastepny(klucz) && klucz.m_str == KLUCZ_KATALOGU_DOCELOWEGO &&
        tokenizer.Nastepny(wartosc))
        opcje.m_strKatalogDocelowy = WartoscKatalogu(wartosc);
    for (int n = 0; n <= LICZBA_TYPOW; ++n)
        opcje.UstawMaske(n, anWartosci[n]);
    opcje.m_bSumyCRC = anWartosci[KLUCZ_CRC] == 1;
    opcje.m_bPropagacja = anWartosci[KLUCZ_PROPAGACJA] == 1;
    // Every page follows the mask now in force, also when the file named no "Obiekty" value:
    // a group the file leaves unticked never keeps its pages disabled.
    opcje.UstawStronyWedlugObiektow(opcje.m_nMaskaObiektow);
}

bool ZapiszPlikKonfiguracji(const COpcjeFiltrowania& opcje, const std::string& strSciezka) {
    // A folder, a device or a FIFO under the name is never replaced by a file.
    if (platforma::JestKatalogiem(strSciezka) || platforma::ZajetaNieplikiem(strSciezka) ||
        platforma::ZajetaNieplikiem(strSciezka + ".tmp"))
        return false;
    if (platforma::Istnieje(strSciezka))
        platforma::UstawZapisywalny(strSciezka);
    // The new text goes to a file beside the old one, which it replaces only when complete.
    const std::string strTymczasowy = strSciezka + ".tmp";
    if (platforma::Istnieje(strTymczasowy))
        platforma::UstawZapisywalny(strTymczasowy);
    if (!ZapiszCalosc(strTymczasowy, TekstKonfiguracji(opcje))) {
        platforma::Usun(strTymczasowy);
        return false;
    }
    std::error_code blad;
    std::filesystem::rename(SciezkaSystemowa(strTymczasowy), SciezkaSystemowa(strSciezka), blad);
    if (blad) {
        platforma::Usun(strTymczasowy);
        return false;
    }
    return true;
}

std::string OdmowaZapisuKonfiguracji(const std::string& strSciezka,
                                     const std::vector<std::string>& astrZrodla) {
    static const std::string strZrodlo =
        kodowanie::T("' jest plikiem źródłowym; konfiguracja nie może go zastąpić.");
    static const std::string strInny =
        kodowanie::T("' nie jest plikiem konfiguracji; konfiguracja nie może go zastąpić.");
    for (const std::string& strZrodloRunu : astrZrodla) {
        if (platforma::TenSamPlik(strSciezka, strZrodloRunu))
            return "Plik '" + strSciezka + strZrodlo;
    }
    if (!platforma::Istnieje(strSciezka))
        return {};
    if (platforma::RozmiarPliku(strSciezka) > NAJWIEKSZY_PLIK)
        return "Plik '" + strSciezka + strInny; // no regular file, or too large for a configuration
    std::string strTekst;
    if (!CzytajPlik(strSciezka, strTekst))
        return {}; // unreadable: the write then says what the system refuses
    COpcjeFiltrowania proba;
    try {
        ZastosujTekstKonfiguracji(proba, strTekst);
    } catch (const CStandardException&) {
        return "Plik '" + strSciezka + strInny;
    }
    return {};
}

bool TeSameUstawienia(const COpcjeFiltrowania& a, const COpcjeFiltrowania& b) {
    for (int n = 0; n <= LICZBA_TYPOW; ++n)
        if (a.Maska(n) != b.Maska(n))
            return false;
    return a.m_bSumyCRC == b.m_bSumyCRC;
}

bool ZgodneZPlikiemKonfiguracji(const COpcjeFiltrowania& opcje) {
    if (opcje.m_strPlikKonfiguracji.empty())
        return false;
    COpcjeFiltrowania zPliku;
    if (WczytajKonfiguracje(zPliku, opcje.m_strPlikKonfiguracji) != EWynikKonfiguracji::Wykonano)
        return false;
    return TeSameUstawienia(opcje, zPliku);
}

const std::string& TekstWyniku(EWynikKonfiguracji eWynik) {
    static const std::string strPusty;
    static const std::string strFormat =
        CStandardException(blad::TytulFormatu(), blad::KomunikatFormatu()).Tekst();
    switch (eWynik) {
    case EWynikKonfiguracji::BrakPliku:
        return TekstBrakuPliku();
    case EWynikKonfiguracji::ZlyFormat:
        return strFormat;
    case EWynikKonfiguracji::OdmowaZapisu:
        return TekstOdmowyDostepu();
    case EWynikKonfiguracji::Wykonano:
        break;
    }
    return strPusty;
}

EWynikKonfiguracji ZapiszKonfiguracje(const COpcjeFiltrowania& opcje,
                                      const std::string& strSciezka) {
    const std::string strPlik = strSciezka.empty() ? SciezkaDomyslnejKonfiguracji() : strSciezka;
    return ZapiszPlikKonfiguracji(opcje, strPlik) ? EWynikKonfiguracji::Wykonano
                                                  : EWynikKonfiguracji::OdmowaZapisu;
}

EWynikKonfiguracji ZapiszKonfiguracjeDomyslna(const COpcjeFiltrowania& opcje,
                                              const CMiejsceKonfiguracji& miejsce) {
    const std::string strKatalog = FolderSciezki(miejsce.m_strZapis);
    if (!strKatalog.empty() && !platforma::Istnieje(strKatalog))
        platforma::UtworzKatalogi(strKatalog);
    return ZapiszKonfiguracje(opcje, miejsce.m_strZapis);
}

EWynikKonfiguracji WczytajKonfiguracje(COpcjeFiltrowania& opcje, const std::string& strSciezka) {
    const std::string strPlik = strSciezka.empty() ? SciezkaDomyslnejKonfiguracji() : strSciezka;
    std::string strTekst;
    if (!CzytajPlik(strPlik, strTekst))
        return EWynikKonfiguracji::BrakPliku;
    try {
        ZastosujTekstKonfiguracji(opcje, strTekst);
    } catch (const CStandardException&) {
        return EWynikKonfiguracji::ZlyFormat;
    }
    return EWynikKonfiguracji::Wykonano;
}

EWynikKonfiguracji PrzygotujKlucze(COpcjeFiltrowania& opcje) {
    return PrzygotujKlucze(opcje, SciezkaDomyslnejKonfiguracji());
}

EWynikKonfiguracji PrzygotujKlucze(COpcjeFiltrowania& opcje, const std::string& strDomyslny) {
    const EWynikKonfiguracji eWynik = WczytajKonfiguracje(opcje, strDomyslny);
    if (eWynik == EWynikKonfiguracji::ZlyFormat)
        return eWynik;
    opcje.m_strPlikKonfiguracji = eWynik == EWynikKonfiguracji::Wykonano ? strDomyslny : "";
    opcje.m_bZmienione = false;
    return eWynik;
}

EWynikKonfiguracji OdczytajKonfiguracjeZPliku(COpcjeFiltrowania& opcje,
                                              const std::string& strSciezka) {
    if (strSciezka.empty())
        return EWynikKonfiguracji::BrakPliku;
    const EWynikKonfiguracji eWynik = WczytajKonfiguracje(opcje, strSciezka);
    if (eWynik != EWynikKonfiguracji::Wykonano)
        return eWynik;
    opcje.m_strPlikKonfiguracji = strSciezka;
    opcje.m_bZmienione = false;
    opcje.m_strKatalogKonfiguracji = FolderSciezki(strSciezka);
    return eWynik;
}

EWynikKonfiguracji ZapiszKonfiguracjeDoPliku(COpcjeFiltrowania& opcje,
                                             const std::string& strSciezka) {
    if (strSciezka.empty() || !ZapiszPlikKonfiguracji(opcje, strSciezka))
        return EWynikKonfiguracji::OdmowaZapisu;
    opcje.m_strPlikKonfiguracji = strSciezka;
    opcje.m_bZmienione = false;
    return EWynikKonfiguracji::Wykonano;
}
