#include "argumenty.h"

#include <array>
#include <vector>

#include "swde/naglowek.h"
#include "wybor.h"

namespace {

enum class EOpcja {
    Konfiguracja,
    Wyjscie,
    Katalog,
    Data,
    Naglowek,
    Flaga,
    Usun,
    UsunAtrybuty,
    SumyCRC,
    BezSumCRC,
    ZapiszKonfiguracje,
    Zadania,
    Csv,
    Html
};

struct COpisOpcji {
    const char* szKrotka;
    const char* szDluga;
    EOpcja eOpcja;
    bool bWartosc;
    bool bFiltrowanie;                  // meaningful only for a filter run, not for --check/--diff
    bool CArgumenty::*pFlaga = nullptr; // for EOpcja::Flaga: the flag the option sets
};

constexpr std::array<COpisOpcji, 22> OPCJE{{
    {"-c", "--config", EOpcja::Konfiguracja, true, true},
    {"-o", "--output", EOpcja::Wyjscie, true, true},
    {"-d", "--target-dir", EOpcja::Katalog, true, true},
    {nullptr, "--date", EOpcja::Data, true, true},
    {nullptr, "--header", EOpcja::Naglowek, true, true},
    {"-y", "--yes", EOpcja::Flaga, false, false, &CArgumenty::m_bTak}, // filtering and --diff
    {"-q", "--quiet", EOpcja::Flaga, false, false, &CArgumenty::m_bCicho},
    {"-j", "--jobs", EOpcja::Zadania, true, true},
    {"-h", "--help", EOpcja::Flaga, false, false, &CArgumenty::m_bPomoc},
    {nullptr, "--version", EOpcja::Flaga, false, false, &CArgumenty::m_bWersja},
    {nullptr, "--remove", EOpcja::Usun, true, true},
    {nullptr, "--remove-attr", EOpcja::UsunAtrybuty, true, true},
    {nullptr, "--crc", EOpcja::SumyCRC, false, true},
    {nullptr, "--no-crc", EOpcja::BezSumCRC, false, true},
    {nullptr, "--save-config", EOpcja::ZapiszKonfiguracje, true, true},
    {nullptr, "--list", EOpcja::Flaga, false, false, &CArgumenty::m_bLista},
    {nullptr, "--check", EOpcja::Flaga, false, false, &CArgumenty::m_bSprawdz},
    {nullptr, "--json", EOpcja::Flaga, false, false, &CArgumenty::m_bJson},
    {nullptr, "--diff", EOpcja::Flaga, false, false, &CArgumenty::m_bPorownaj},
    {nullptr, "--csv", EOpcja::Csv, true, false},
    {nullptr, "--html", EOpcja::Html, true, false},
    {nullptr, "--show-personal-data", EOpcja::Flaga, false, false, &CArgumenty::m_bDaneOsobowe},
}};

const COpisOpcji* ZnajdzOpcje(const std::string& strNazwa) {
    for (const COpisOpcji& opis : OPCJE)
        if ((opis.szKrotka && strNazwa == opis.szKrotka) || strNazwa == opis.szDluga)
            return &opis;
    return nullptr;
}

bool UstawRaz(std::string& strPole, const std::string& strWartosc, const std::string& strNazwa,
              std::string& strBlad) {
    if (!strPole.empty()) {
        strBlad = "opcja " + strNazwa + " została podana więcej niż raz";
        return false;
    }
    if (strWartosc.empty()) {
        strBlad = "opcja " + strNazwa + " wymaga niepustej wartości";
        return false;
    }
    strPole = strWartosc;
    return true;
}

bool CzytajNaglowekCelu(const std::string& strWartosc, CArgumenty& argumenty,
                        std::string& strBlad) {
    const std::size_t nRowne = strWartosc.find('=');
    const std::string strKod = strWartosc.substr(0, nRowne);
    if (nRowne == std::string::npos) {
        strBlad = "--header wymaga postaci KOD=WARTOŚĆ, podano '" + strWartosc + "'";
        return false;
    }
    const std::string strTekst = strWartosc.substr(nRowne + 1);
    if (strTekst.find_first_of("\r\n") != std::string::npos) {
        strBlad = "wartość nagłówka " + strKod + " nie może zawierać końca wiersza";
        return false;
    }
    // A character the file cannot carry would land as "?", a control character would break it.
    const std::vector<std::string> astrZnaki = ZnakiSpozaNaglowka(strTekst);
    if (!astrZnaki.empty()) {
        strBlad =
            "wartość nagłówka " + strKod + " ma znaki, których nie da się zapisać w pliku SWDE:";
        for (const std::string& strZnak : astrZnaki)
            strBlad += " " + strZnak;
        return false;
    }
    // The date has its own option; every other shown field can be set.
    const EPoleNaglowka ePole = PoleZKodu(strKod);
    if (ePole != LICZBA_POL_NAGLOWKA && ePole != PoleDN) {
        argumenty.m_naglowki.emplace_back(ePole, strTekst);
        return true;
    }
    strBlad = "nieznany kod nagłówka '" + strKod +
              "' (dozwolone: TR TN TA TO ZN ZR ZD OP OR ON OA OO; datę ustawia --date)";
    return false;
}

bool CzytajLiczbeZadan(const std::string& strWartosc, CArgumenty& argumenty, std::string& strBlad) {
    const bool bCyfry = !strWartosc.empty() && strWartosc.size() <= 4 &&
                        strWartosc.find_first_not_of("0123456789") == std::string::npos;
    if (!bCyfry) {
        strBlad = "nieprawidłowa liczba jednocześnie filtrowanych plików '" + strWartosc +
                  "' (oczekiwano liczby od 0 do 9999)";
        return false;
    }
    argumenty.m_nZadania = std::stoi(strWartosc);
    return true;
}

bool UstawSumyCRC(bool bSumy, CArgumenty& argumenty, std::string& strBlad) {
    if (argumenty.m_bSumyCRC && *argumenty.m_bSumyCRC != bSumy) {
        strBlad = "opcji --crc i --no-crc nie można łączyć";
        return false;
    }
    argumenty.m_bSumyCRC = bSumy;
    return true;
}

bool UstawOpcje(const COpisOpcji& opis, const std::string& strNazwa, const std::string& strWartosc,
                CArgumenty& argumenty, std::string& strBlad) {
    const EOpcja eOpcja = opis.eOpcja;
    switch (eOpcja) {
    case EOpcja::Flaga:
        argumenty.*opis.pFlaga = true;
        return true;
    case EOpcja::Konfiguracja:
        return UstawRaz(argumenty.m_strKonfiguracja, strWartosc, strNazwa, strBlad);
    case EOpcja::Wyjscie:
        return UstawRaz(argumenty.m_strWyjscie, strWartosc, strNazwa, strBlad);
    case EOpcja::Katalog:
        return UstawRaz(argumenty.m_strKatalog, strWartosc, strNazwa, strBlad);
    case EOpcja::Data:
        if (argumenty.m_bData) {
            strBlad = "opcja --date została podana więcej niż raz";
            return false;
        }
        if (!CzytajDate(strWartosc, argumenty.m_data)) {
            strBlad = "nieprawidłowa data '" + strWartosc + "' (oczekiwano RRRR-MM-DD)";
            return false;
        }
        argumenty.m_bData = true;
        return true;
    case EOpcja::Naglowek:
        return CzytajNaglowekCelu(strWartosc, argumenty, strBlad);
    case EOpcja::Usun:
        return CzytajGrupy(strWartosc, argumenty.m_anGrupy, strBlad);
    case EOpcja::UsunAtrybuty:
        return CzytajAtrybuty(strWartosc, argumenty.m_atrybuty, strBlad);
    case EOpcja::SumyCRC:
    case EOpcja::BezSumCRC:
        return UstawSumyCRC(eOpcja == EOpcja::SumyCRC, argumenty, strBlad);
    case EOpcja::ZapiszKonfiguracje:
        return UstawRaz(argumenty.m_strZapiszKonfiguracje, strWartosc, strNazwa, strBlad);
    case EOpcja::Zadania:
        return CzytajLiczbeZadan(strWartosc, argumenty, strBlad);
    case EOpcja::Csv:
        return UstawRaz(argumenty.m_strCsv, strWartosc, strNazwa, strBlad);
    case EOpcja::Html:
        return UstawRaz(argumenty.m_strHtml, strWartosc, strNazwa, strBlad);
    }
    return false;
}

// One option at astrArgumenty[i]; advances i past its value.
bool CzytajOpcje(const std::vector<std::string>& astrArgumenty, std::size_t& i,
                 CArgumenty& argumenty, std::string& strBlad) {
    const std::string& strArgument = astrArgumenty[i];
    const bool bDluga = strArgument.rfind("--", 0) == 0;
    const std::size_t nRowne = bDluga ? strArgument.find('=') : std::string::npos;
    const std::string strNazwa = strArgument.substr(0, nRowne);
    const COpisOpcji* pOpis = ZnajdzOpcje(strNazwa);
    if (!pOpis) {
        strBlad = "nieznana opcja '" + strNazwa + "'";
        return false;
    }
    std::string strWartosc;
    if (nRowne != std::string::npos) {
        if (!pOpis->bWartosc) {
            strBlad = "opcja " + strNazwa + " nie przyjmuje wartości";
            return false;
        }
        strWartosc = strArgument.substr(nRowne + 1);
    } else if (pOpis->bWartosc) {
        if (i + 1 >= astrArgumenty.size()) {
            strBlad = "opcja " + strNazwa + " wymaga wartości";
            return false;
        }
        strWartosc = astrArgumenty[++i];
    }
    if (pOpis->bFiltrowanie && argumenty.m_strOpcjaFiltrowania.empty())
        argumenty.m_strOpcjaFiltrowania = strNazwa;
    return UstawOpcje(*pOpis, strNazwa, strWartosc, argumenty, strBlad);
}

bool SprawdzSprawdzanie(const CArgumenty& argumenty, std::string& strBlad) {
    if (!argumenty.m_strOpcjaFiltrowania.empty())
        strBlad = "opcji " + argumenty.m_strOpcjaFiltrowania + " nie można łączyć z --check";
    else if (argumenty.m_bTak)
        strBlad = "opcji -y nie można łączyć z --check";
    else if (argumenty.m_astrZrodla.empty())
        strBlad = "nie podano żadnego pliku do sprawdzenia";
    return strBlad.empty();
}

bool SprawdzPorownanie(const CArgumenty& argumenty, std::string& strBlad) {
    if (argumenty.m_bSprawdz)
        strBlad = "opcji --check nie można łączyć z --diff";
    else if (!argumenty.m_strOpcjaFiltrowania.empty())
        strBlad = "opcji " + argumenty.m_strOpcjaFiltrowania + " nie można łączyć z --diff";
    else if (argumenty.m_astrZrodla.size() != 2)
        strBlad = "opcja --diff wymaga dokładnie dwóch plików: STARY NOWY";
    return strBlad.empty();
}

bool SprawdzCalosc(const CArgumenty& argumenty, std::string& strBlad) {
    if (argumenty.m_bPorownaj)
        return SprawdzPorownanie(argumenty, strBlad);
    if (!argumenty.m_strCsv.empty() || !argumenty.m_strHtml.empty() || argumenty.m_bDaneOsobowe)
        strBlad = "opcje --csv, --html i --show-personal-data działają tylko z --diff";
    else if (argumenty.m_bSprawdz)
        return SprawdzSprawdzanie(argumenty, strBlad);
    else if (argumenty.m_bJson)
        strBlad = "opcja --json działa tylko z --check i --diff";
    else if (argumenty.m_astrZrodla.empty() && argumenty.m_strZapiszKonfiguracje.empty())
        strBlad = "nie podano żadnego pliku źródłowego";
    else if (!argumenty.m_strWyjscie.empty() && !argumenty.m_strKatalog.empty())
        strBlad = "opcji -o (--output) nie można łączyć z -d (--target-dir)";
    else if (!argumenty.m_strWyjscie.empty() && argumenty.m_astrZrodla.size() > 1)
        strBlad = "opcja -o (--output) wymaga dokładnie jednego pliku źródłowego";
    return strBlad.empty();
}

} // namespace

bool CzytajArgumenty(const std::vector<std::string>& astrArgumenty, CArgumenty& argumenty,
                     std::string& strBlad) {
    strBlad.clear();
    bool bTylkoPliki = false;
    // Reading goes on after a misuse, so that a later --help or --version is still seen; the
    // first misuse is the one reported.
    for (std::size_t i = 0; i < astrArgumenty.size(); ++i) {
        const std::string& strArgument = astrArgumenty[i];
        std::string strTen;
        if (bTylkoPliki || strArgument.size() < 2 || strArgument[0] != '-')
            argumenty.m_astrZrodla.push_back(strArgument);
        else if (strArgument == "--")
            bTylkoPliki = true;
        else if (!CzytajOpcje(astrArgumenty, i, argumenty, strTen) && strBlad.empty())
            strBlad = strTen;
    }
    if (argumenty.m_bPomoc || argumenty.m_bWersja || argumenty.m_bLista) {
        strBlad.clear();
        return true;
    }
    return strBlad.empty() && SprawdzCalosc(argumenty, strBlad);
}

bool CzytajDate(const std::string& strTekst, CData& data) {
    if (strTekst.size() != 10 || strTekst[4] != '-' || strTekst[7] != '-')
        return false;
    for (std::size_t i : {0, 1, 2, 3, 5, 6, 8, 9})
        if (strTekst[i] < '0' || strTekst[i] > '9')
            return false;
    const int nRok = std::stoi(strTekst.substr(0, 4));
    const int nMiesiac = std::stoi(strTekst.substr(5, 2));
    const int nDzien = std::stoi(strTekst.substr(8, 2));
    static constexpr int DNI[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (nRok < 1 || nMiesiac < 1 || nMiesiac > 12 || nDzien < 1)
        return false;
    const bool bPrzestepny = (nRok % 4 == 0 && nRok % 100 != 0) || nRok % 400 == 0;
    if (nDzien > DNI[nMiesiac - 1] + (nMiesiac == 2 && bPrzestepny ? 1 : 0))
        return false;
    data = {nRok, nMiesiac, nDzien};
    return true;
}

const char* TekstPomocy() {
    return "Użycie: kelvor-cli [OPCJE] PLIK_ŹRÓDŁOWY...\n"
           "       kelvor-cli --check [--json] [-q] PLIK...\n"
           "       kelvor-cli --diff [--json] [--csv PLIK] [--html PLIK] STARY NOWY\n"
           "       kelvor-cli --list\n"
           "Filtruje pliki SWDE według ustawień z pliku konfiguracji lub z wiersza poleceń;\n"
           "obok każdego pliku docelowego zapisuje raport o tej samej nazwie z rozszerzeniem\n"
           ".log. Z --check tylko sprawdza pliki, niczego nie zapisując.\n"
           "\n"
           "  -c, --config PLIK      ustawienia filtrowania z pliku konfiguracji (domyślnie\n"
           "                         KELVOR.cfg obok programu, gdy istnieje i nie wybrano\n"
           "                         filtrów poniższymi opcjami)\n"
           "      --remove GRUPA[,GRUPA...]\n"
           "                         usuwa grupy obiektów (nazwy: --list), np. lokale,budynki\n"
           "      --remove-attr TYP:ATRYBUT[,ATRYBUT...]\n"
           "                         usuwa atrybuty typu, np. OSF:G5PSL,G5NIP (opcje można\n"
           "                         powtarzać; zaznaczają to samo co zakładki okna, dodając\n"
           "                         do ustawień z -c albo do pustych)\n"
           "      --crc, --no-crc    dodawanie sum kontrolnych CRC włączone / wyłączone\n"
           "      --save-config PLIK zapisuje wynikowe ustawienia w formacie konfiguracji\n"
           "                         (bez plików źródłowych tylko zapisuje)\n"
           "      --list             nazwy grup, typów i atrybutów z opisami\n"
           "  -o, --output PLIK      plik docelowy (tylko przy jednym pliku źródłowym)\n"
           "  -d, --target-dir KAT   katalog wszystkich plików docelowych\n"
           "                         (bez -o i -d: plik źródłowy z dopiskiem \"_nowy\")\n"
           "      --date RRRR-MM-DD  data w nagłówku każdego pliku docelowego\n"
           "      --header KOD=WART  tekst nagłówka docelowego; KOD: TR TN TA TO ZN ZR ZD\n"
           "                         OP OR ON OA OO (opcję można powtarzać)\n"
           "  -y, --yes              zastępuj istniejące pliki docelowe (i pliki z\n"
           "                         --save-config, --csv, --html) bez pytania\n"
           "      --check            sprawdza pliki: struktura, sumy kontrolne, odwołania\n"
           "                         do obiektów, pozostawione numery PESEL, NIP, dowodów\n"
           "                         osobistych i paszportów\n"
           "      --json             raport --check lub --diff jako jeden dokument JSON\n"
           "      --diff             porównuje dwa eksporty tego samego obszaru: co się\n"
           "                         naprawdę zmieniło (rekordy i działki)\n"
           "      --csv PLIK         z --diff: zmiany jako tabela CSV (UTF-8, średniki)\n"
           "      --html PLIK        z --diff: raport do wydruku\n"
           "      --show-personal-data\n"
           "                         z --diff: nazwiska i adresy w całości\n"
           "  -q, --quiet            bez informacji o postępie\n"
           "  -j, --jobs N           ile plików filtrować jednocześnie (domyślnie 1,\n"
           "                         0: tyle, ile procesor ma rdzeni)\n"
           "  -h, --help             ten opis\n"
           "      --version          wersja programu\n"
           "\n"
           "Kod wyjścia: 0 wszystkie pliki przefiltrowane, 1 co najmniej jeden plik z błędem,\n"
           "2 błędne wywołanie, konfiguracja lub pliki docelowe, 130 przerwano (Ctrl+C).\n"
           "Z --check: 0 wszystkie pliki kompletne i bez danych osobowych, 1 któryś plik ma\n"
           "usterki, 2 błędne wywołanie lub żadnego pliku nie dało się otworzyć.\n"
           "Z --diff: 0 brak różnic poza nowymi wersjami, 1 pliki się różnią, 2 błędne\n"
           "wywołanie lub pliku nie dało się przeczytać.\n";
}
