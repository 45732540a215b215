// The platform layer: binary files over std::FILE with own byte offsets, "\n" written as CR LF,
// paths converted from code page 1250, local time. The only file with system-specific code.
#include "swde/platforma.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <filesystem>
#include <system_error>

#include "swde/bledy.h"
#include "swde/kodowanie.h"

#ifdef _WIN32
#include <share.h>
#include <windows.h>
#endif

namespace fs = std::filesystem;

namespace platforma {
namespace {

fs::path Sciezka(const std::string& strSciezka) {
    const std::string strUtf8 = kodowanie::Cp1250DoUtf8(strSciezka);
    return fs::path(std::u8string(strUtf8.begin(), strUtf8.end()));
}

std::string TekstSciezki(const fs::path& sciezka) {
    const std::u8string str = sciezka.u8string();
    return kodowanie::Utf8DoCp1250(std::string(str.begin(), str.end()));
}

// Opens with others allowed to read and, where the platform can refuse it, not to write.
std::FILE* OtworzPlik(const fs::path& sciezka, bool bZapis) {
#ifdef _WIN32
    return _wfsopen(sciezka.c_str(), bZapis ? L"wb" : L"rb", _SH_DENYWR);
#else
    return std::fopen(sciezka.c_str(), bZapis ? "wb" : "rb");
#endif
}

bool TenSamTekst(const fs::path& a, const fs::path& b) {
#ifdef _WIN32
    // Windows file names ignore case.
    return CompareStringOrdinal(a.c_str(), -1, b.c_str(), -1, TRUE) == CSTR_EQUAL;
#else
    return a == b;
#endif
}

} // namespace

// ---- CPlikWejsciowy ------------------------------------------------------------------------

// The file with the offset of the next unread byte counted here, so that it is always exact.
struct CPlikWejsciowy::CDane {
    std::FILE* pPlik = nullptr;
    std::string strSciezka;
    std::uint64_t nDlugosc = 0;
    std::uint64_t nPozycja = 0; // offset of the next byte the caller gets
};

CPlikWejsciowy::CPlikWejsciowy() : m_pDane(new CDane) {}

CPlikWejsciowy::~CPlikWejsciowy() {
    Zamknij();
    delete m_pDane;
}

bool CPlikWejsciowy::Otworz(const std::string& strSciezka) {
    const fs::path sciezka = Sciezka(strSciezka);
    std::error_code blad;
    if (fs::is_directory(sciezka, blad))
        return false;
    std::FILE* pPlik = OtworzPlik(sciezka, false);
    if (!pPlik)
        return false;
    const std::uintmax_t nDlugosc = fs::file_size(sciezka, blad);
    Zamknij();
    m_pDane->pPlik = pPlik;
    m_pDane->strSciezka = strSciezka;
    m_pDane->nDlugosc = blad ? 0 : nDlugosc;
    m_pDane->nPozycja = 0;
    return true;
}

void CPlikWejsciowy::Zamknij() {
    if (m_pDane->pPlik)
        std::fclose(m_pDane->pPlik);
    m_pDane->pPlik = nullptr;
}

bool CPlikWejsciowy::JestOtwarty() const {
    return m_pDane->pPlik != nullptr;
}

std::size_t CPlikWejsciowy::Czytaj(char* pBufor, std::size_t nIle) {
    CDane& d = *m_pDane;
    if (!d.pPlik)
        throw CFileException(d.strSciezka);
    const std::size_t nWczytane = std::fread(pBufor, 1, nIle, d.pPlik);
    if (nWczytane < nIle && std::ferror(d.pPlik))
        throw CFileException(d.strSciezka);
    d.nPozycja += nWczytane;
    return nWczytane;
}

std::uint64_t CPlikWejsciowy::Pozycja() const {
    return m_pDane->nPozycja;
}

void CPlikWejsciowy::PrzewinNaPoczatek() {
    CDane& d = *m_pDane;
    if (!d.pPlik)
        return;
    if (std::fseek(d.pPlik, 0, SEEK_SET) != 0)
        throw CFileException(d.strSciezka);
    std::clearerr(d.pPlik);
    d.nPozycja = 0;
}

std::uint64_t CPlikWejsciowy::Dlugosc() const {
    return m_pDane->nDlugosc;
}

// ---- CPlikWyjsciowy ------------------------------------------------------------------------

struct CPlikWyjsciowy::CDane {
    std::FILE* pPlik = nullptr;
    std::string strSciezka;
    std::string strCRLF; // the text being written, with CR LF line ends
};

CPlikWyjsciowy::CPlikWyjsciowy() : m_pDane(new CDane) {}

CPlikWyjsciowy::~CPlikWyjsciowy() {
    if (m_pDane->pPlik)
        std::fclose(m_pDane->pPlik);
    delete m_pDane;
}

bool CPlikWyjsciowy::Otworz(const std::string& strSciezka) {
    std::FILE* pPlik = OtworzPlik(Sciezka(strSciezka), true);
    if (!pPlik)
        return false;
    if (m_pDane->pPlik)
        std::fclose(m_pDane->pPlik);
    m_pDane->pPlik = pPlik;
    m_pDane->strSciezka = strSciezka;
    return true;
}

void CPlikWyjsciowy::Zapisz(std::string_view strTekst) {
    CDane& d = *m_pDane;
    if (!d.pPlik)
        throw CFileException(d.strSciezka);
    d.strCRLF.clear();
    d.strCRLF.reserve(strTekst.size() + strTekst.size() / 16 + 2);
    for (std::size_t i = 0; i < strTekst.size();) {
        std::size_t nLF = strTekst.find('\n', i);
        if (nLF == std::string_view::npos) {
            d.strCRLF.append(strTekst.substr(i));
            break;
        }
        d.strCRLF.append(strTekst.substr(i, nLF - i));
        d.strCRLF.append("\r\n");
        i = nLF + 1;
    }
    ZapiszBajty(d.strCRLF);
}

void CPlikWyjsciowy::ZapiszBajty(std::string_view strBajty) {
    CDane& d = *m_pDane;
    if (!d.pPlik)
        throw CFileException(d.strSciezka);
    if (std::fwrite(strBajty.data(), 1, strBajty.size(), d.pPlik) != strBajty.size())
        throw CFileException(d.strSciezka);
}

void CPlikWyjsciowy::Oproznij() {
    if (m_pDane->pPlik && std::fflush(m_pDane->pPlik) != 0)
        throw CFileException(m_pDane->strSciezka);
}

void CPlikWyjsciowy::Zamknij() {
    std::FILE* pPlik = m_pDane->pPlik;
    if (!pPlik)
        return;
    m_pDane->pPlik = nullptr;
    if (std::fclose(pPlik) != 0)
        throw CFileException(m_pDane->strSciezka);
}

bool CPlikWyjsciowy::JestOtwarty() const {
    return m_pDane->pPlik != nullptr;
}

// ---- Files and folders ---------------------------------------------------------------------

bool Istnieje(const std::string& strSciezka) {
    std::error_code blad;
    return fs::exists(Sciezka(strSciezka), blad);
}

bool JestKatalogiem(const std::string& strSciezka) {
    std::error_code blad;
    return fs::is_directory(Sciezka(strSciezka), blad);
}

bool Usun(const std::string& strSciezka) {
    std::error_code blad;
    return fs::remove(Sciezka(strSciezka), blad) && !blad;
}

void UstawZapisywalny(const std::string& strSciezka) {
    std::error_code blad;
    fs::permissions(Sciezka(strSciezka), fs::perms::owner_read | fs::perms::owner_write,
                    fs::perm_options::add, blad);
}

namespace {
// The absolute form with "." and ".." resolved and, as far as the path exists, links followed.
fs::path PelnaSciezka(const fs::path& sciezka) {
    std::error_code blad;
    fs::path pelna = fs::absolute(sciezka, blad);
    if (blad)
        pelna = sciezka;
    fs::path kanoniczna = fs::weakly_canonical(pelna, blad);
    return blad ? pelna.lexically_normal() : kanoniczna;
}
} // namespace

bool TenSamPlik(const std::string& strA, const std::string& strB) {
    const fs::path a = Sciezka(strA), b = Sciezka(strB);
    std::error_code blad;
    if (fs::exists(a, blad) && fs::exists(b, blad)) {
        const bool bTen = fs::equivalent(a, b, blad);
        if (!blad)
            return bTen;
    }
    return TenSamTekst(PelnaSciezka(a), PelnaSciezka(b));
}

std::string SciezkaProgramu() {
#ifdef _WIN32
    std::wstring str(MAX_PATH, L'\0');
    for (;;) {
        const DWORD n = GetModuleFileNameW(nullptr, str.data(), static_cast<DWORD>(str.size()));
        if (n == 0)
            return {};
        if (n < str.size()) {
            str.resize(n);
            return TekstSciezki(fs::path(str));
        }
        str.resize(str.size() * 2);
    }
#else
    std::error_code blad;
    const fs::path sciezka = fs::read_symlink("/proc/self/exe", blad);
    return blad ? std::string() : TekstSciezki(sciezka);
#endif
}

// ---- Time ----------------------------------------------------------------------------------

std::int64_t Teraz() {
    return static_cast<std::int64_t>(std::time(nullptr));
}

namespace {
bool NaCzasLokalny(std::int64_t nCzas, std::tm& czas) {
    const std::time_t t = static_cast<std::time_t>(nCzas);
#ifdef _WIN32
    return localtime_s(&czas, &t) == 0;
#else
    return localtime_r(&t, &czas) != nullptr;
#endif
}
} // namespace

std::string CzasLokalny(std::int64_t nCzas, const char* szWzorzec) {
    std::tm czas{};
    if (!NaCzasLokalny(nCzas, czas))
        return {};
    char sz[256];
    const std::size_t n = std::strftime(sz, sizeof sz, szWzorzec, &czas);
    return std::string(sz, n);
}

void DzisiejszaData(int& nRok, int& nMiesiac, int& nDzien) {
    std::tm czas{};
    if (!NaCzasLokalny(Teraz(), czas)) {
        nRok = nMiesiac = nDzien = 0;
        return;
    }
    nRok = czas.tm_year + 1900;
    nMiesiac = czas.tm_mon + 1;
    nDzien = czas.tm_mday;
}

// ---- Separators ----------------------------------------------------------------------------

std::size_t OstatniSeparator(std::string_view strSciezka) {
#ifdef _WIN32
    return strSciezka.find_last_of("/\\");
#else
    return strSciezka.find_last_of('/');
#endif
}

std::size_t PoczatekNazwy(std::string_view strSciezka) {
    const std::size_t nSeparator = OstatniSeparator(strSciezka);
    return nSeparator == std::string_view::npos ? 0 : nSeparator + 1;
}

std::string NazwaPliku(const std::string& strSciezka) {
    return strSciezka.substr(PoczatekNazwy(strSciezka));
}

char Separator() {
#ifdef _WIN32
    return '\\';
#else
    return '/';
#endif
}

} // namespace platforma
