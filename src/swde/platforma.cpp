// The platform layer: binary files over std::FILE with own byte offsets, "\n" written as CR LF,
// files created new, names replaced, locks, paths converted from code page 1250, local time.
// The only file of the engine with system-specific code.
#include "swde/platforma.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <filesystem>
#include <system_error>

#include "swde/bledy.h"
#include "swde/kodowanie.h"

#ifdef _WIN32
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <fcntl.h>
#include <io.h>
#include <share.h>
#include <windows.h>
#else
#include <climits>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace fs = std::filesystem;

namespace platforma {
namespace {

awarie::CAwaria g_awaria;

// The fault set for this path, or null.
const awarie::CAwaria* Awaria(const std::string& strSciezka) {
    if (g_awaria.strFragment.empty() || strSciezka.find(g_awaria.strFragment) == std::string::npos)
        return nullptr;
    return &g_awaria;
}

// The system's text for an error number, code page 1250.
std::string Powod(int nErrno) {
    return kodowanie::Utf8DoCp1250(std::generic_category().message(nErrno));
}

#ifdef _WIN32
std::string PowodWindows(DWORD nBlad) {
    // The system's own text, in the system's code page (1250 on Polish Windows).
    std::string strPowod = std::system_category().message(static_cast<int>(nBlad));
    while (!strPowod.empty() && (strPowod.back() == '\n' || strPowod.back() == '\r'))
        strPowod.pop_back();
    return strPowod;
}
#endif

[[noreturn]] void BladPliku(const std::string& strSciezka, int nErrno) {
    throw CFileException(strSciezka, Powod(nErrno));
}

fs::path Sciezka(const std::string& strSciezka) {
    const std::string strUtf8 = kodowanie::Cp1250DoUtf8(strSciezka);
    return fs::path(std::u8string(strUtf8.begin(), strUtf8.end()));
}

std::string TekstSciezki(const fs::path& sciezka) {
    const std::u8string str = sciezka.u8string();
    return kodowanie::Utf8DoCp1250(std::string(str.begin(), str.end()));
}

// Opens for reading with others allowed to read and, where the platform can refuse it, not to
// write.
std::FILE* OtworzDoOdczytu(const fs::path& sciezka) {
#ifdef _WIN32
    std::FILE* pPlik = _wfsopen(sciezka.c_str(), L"rb", _SH_DENYWR);
#else
    std::FILE* pPlik = std::fopen(sciezka.c_str(), "rb");
#endif
    return pPlik;
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
    const awarie::CAwaria* pAwaria = Awaria(strSciezka);
    if (pAwaria && pAwaria->bOtwarcie)
        return false;
    const fs::path sciezka = Sciezka(strSciezka);
    std::error_code blad;
    // A FIFO would stop the run at the opening, a device give endless or changing data.
    if (!fs::is_regular_file(sciezka, blad))
        return false;
    std::FILE* pPlik = OtworzDoOdczytu(sciezka);
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
    const awarie::CAwaria* pAwaria = Awaria(d.strSciezka);
    if (pAwaria && pAwaria->bOdczyt)
        BladPliku(d.strSciezka, EIO);
    errno = 0;
    const std::size_t nWczytane = std::fread(pBufor, 1, nIle, d.pPlik);
    if (nWczytane < nIle && std::ferror(d.pPlik))
        BladPliku(d.strSciezka, errno ? errno : EIO);
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
        BladPliku(d.strSciezka, errno);
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
    std::string strCRLF;        // the text being written, with CR LF line ends
    std::uint64_t nZapisane = 0; // bytes handed to the file
};

namespace {

// True for what an output may replace as a name: an ordinary file or a link.
bool ZastepowalnaNazwa(const fs::file_status& stan) {
    return fs::is_regular_file(stan) || fs::is_symlink(stan);
}

// Removes a file or a link that has the name, as a name; anything else (a folder, a device, a
// FIFO) stays, and the creation then fails.
void UsunNazwe(const fs::path& sciezka) {
    std::error_code blad;
    const fs::file_status stan = fs::symlink_status(sciezka, blad);
    if (blad || !ZastepowalnaNazwa(stan))
        return;
#ifdef _WIN32
    SetFileAttributesW(sciezka.c_str(), FILE_ATTRIBUTE_NORMAL);
#endif
    fs::remove(sciezka, blad);
}

// A file created new: fails when anything has the name. nTryb: the permissions asked for (POSIX;
// the process's umask takes its share as ever).
std::FILE* UtworzNowy(const fs::path& sciezka, unsigned nTryb = 0666) {
#ifdef _WIN32
    (void)nTryb; // Windows files inherit the folder's access list
    const HANDLE h = CreateFileW(sciezka.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr,
                                 CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE)
        return nullptr;
    const int nPlik = _open_osfhandle(reinterpret_cast<intptr_t>(h), _O_WRONLY | _O_BINARY);
    if (nPlik < 0) {
        CloseHandle(h);
        return nullptr;
    }
    std::FILE* pPlik = _fdopen(nPlik, "wb");
    if (!pPlik)
        _close(nPlik);
    return pPlik;
#else
    const int nPlik = ::open(sciezka.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC,
                             static_cast<mode_t>(nTryb));
    if (nPlik < 0)
        return nullptr;
    std::FILE* pPlik = fdopen(nPlik, "wb");
    if (!pPlik)
        ::close(nPlik);
    return pPlik;
#endif
}

// The permissions a new file asks for: those of strWzor at most, the owner always reading and
// writing it (the run reads its own temporary files back).
unsigned TrybWedlugWzoru(const std::string& strWzor) {
    if (strWzor.empty())
        return 0666;
    std::error_code blad;
    const fs::file_status stan = fs::status(Sciezka(strWzor), blad);
    if (blad || !fs::exists(stan))
        return 0600; // nothing to follow: nobody but the owner
    return (static_cast<unsigned>(stan.permissions()) & 0666u) | 0600u;
}

} // namespace

CPlikWyjsciowy::CPlikWyjsciowy() : m_pDane(new CDane) {}

CPlikWyjsciowy::~CPlikWyjsciowy() {
    if (m_pDane->pPlik)
        std::fclose(m_pDane->pPlik);
    delete m_pDane;
}

bool CPlikWyjsciowy::Otworz(const std::string& strSciezka, const std::string& strWzor) {
    const awarie::CAwaria* pAwaria = Awaria(strSciezka);
    if (pAwaria && pAwaria->bTworzenie)
        return false;
    const fs::path sciezka = Sciezka(strSciezka);
    UsunNazwe(sciezka);
    std::FILE* pPlik = UtworzNowy(sciezka, TrybWedlugWzoru(strWzor));
    if (!pPlik)
        return false;
    if (m_pDane->pPlik)
        std::fclose(m_pDane->pPlik);
    m_pDane->pPlik = pPlik;
    m_pDane->strSciezka = strSciezka;
    m_pDane->nZapisane = 0;
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
    std::size_t nDoZapisu = strBajty.size();
    const awarie::CAwaria* pAwaria = Awaria(d.strSciezka);
    const std::uint64_t nWolne =
        pAwaria ? pAwaria->nZapisDo - std::min(pAwaria->nZapisDo, d.nZapisane) : UINT64_MAX;
    const bool bPelny = nWolne < nDoZapisu;
    if (bPelny)
        nDoZapisu = static_cast<std::size_t>(nWolne);
    errno = 0;
    const std::size_t nZapisane = std::fwrite(strBajty.data(), 1, nDoZapisu, d.pPlik);
    d.nZapisane += nZapisane;
    if (bPelny)
        BladPliku(d.strSciezka, ENOSPC);
    if (nZapisane != nDoZapisu)
        BladPliku(d.strSciezka, errno ? errno : EIO);
}

void CPlikWyjsciowy::Oproznij() {
    if (m_pDane->pPlik && std::fflush(m_pDane->pPlik) != 0)
        BladPliku(m_pDane->strSciezka, errno);
}

void CPlikWyjsciowy::Utrwal() {
    CDane& d = *m_pDane;
    if (!d.pPlik)
        return;
    Oproznij();
#ifdef _WIN32
    const HANDLE h = reinterpret_cast<HANDLE>(_get_osfhandle(_fileno(d.pPlik)));
    if (h == INVALID_HANDLE_VALUE || !FlushFileBuffers(h))
        throw CFileException(d.strSciezka, PowodWindows(GetLastError()));
#else
    if (::fsync(fileno(d.pPlik)) != 0 && errno != EINVAL && errno != ENOTSUP)
        BladPliku(d.strSciezka, errno); // EINVAL, ENOTSUP: a file system that keeps nothing to flush
#endif
}

void CPlikWyjsciowy::Zamknij() {
    std::FILE* pPlik = m_pDane->pPlik;
    if (!pPlik)
        return;
    m_pDane->pPlik = nullptr;
    if (std::fclose(pPlik) != 0)
        BladPliku(m_pDane->strSciezka, errno);
}

bool CPlikWyjsciowy::JestOtwarty() const {
    return m_pDane->pPlik != nullptr;
}

// ---- Files and folders ---------------------------------------------------------------------

bool Istnieje(const std::string& strSciezka) {
    std::error_code blad;
    return fs::exists(Sciezka(strSciezka), blad);
}

bool NazwaZajeta(const std::string& strSciezka) {
    std::error_code blad;
    return fs::exists(fs::symlink_status(Sciezka(strSciezka), blad));
}

bool JestKatalogiem(const std::string& strSciezka) {
    std::error_code blad;
    return fs::is_directory(Sciezka(strSciezka), blad);
}

bool JestZwyklymPlikiem(const std::string& strSciezka) {
    std::error_code blad;
    return fs::is_regular_file(Sciezka(strSciezka), blad);
}

bool ZajetaNieplikiem(const std::string& strSciezka) {
    std::error_code blad;
    const fs::file_status stan = fs::symlink_status(Sciezka(strSciezka), blad);
    return !blad && fs::exists(stan) && !ZastepowalnaNazwa(stan) && !fs::is_directory(stan);
}

std::uint64_t RozmiarPliku(const std::string& strSciezka) {
    std::error_code blad;
    const fs::path sciezka = Sciezka(strSciezka);
    if (!fs::is_regular_file(sciezka, blad))
        return UINT64_MAX;
    const std::uintmax_t n = fs::file_size(sciezka, blad);
    return blad ? UINT64_MAX : static_cast<std::uint64_t>(n);
}

bool Usun(const std::string& strSciezka) {
    const awarie::CAwaria* pAwaria = Awaria(strSciezka);
    if (pAwaria && pAwaria->bUsuwanie)
        return false;
    std::error_code blad;
    return fs::remove(Sciezka(strSciezka), blad) && !blad;
}

void ZamienNazwe(const std::string& strZ, const std::string& strNa) {
    const awarie::CAwaria* pAwaria = Awaria(strNa);
    if (pAwaria && pAwaria->bTworzenie)
        BladPliku(strNa, EACCES);
    const fs::path z = Sciezka(strZ), na = Sciezka(strNa);
    if (ZajetaNieplikiem(strNa))
        BladPliku(strNa, EEXIST);
#ifdef _WIN32
    // A read-only file under the name would refuse to be replaced.
    std::error_code blad;
    if (fs::is_regular_file(fs::symlink_status(na, blad)))
        SetFileAttributesW(na.c_str(), FILE_ATTRIBUTE_NORMAL);
    if (!MoveFileExW(z.c_str(), na.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        throw CFileException(strNa, PowodWindows(GetLastError()));
#else
    if (std::rename(z.c_str(), na.c_str()) != 0)
        BladPliku(strNa, errno);
    // The new name lasts a power cut only once the folder that holds it is on the disk. A
    // system that cannot flush a folder leaves it to its own journal.
    fs::path katalog = na.parent_path();
    if (katalog.empty())
        katalog = ".";
    const int nKatalog = ::open(katalog.c_str(), O_RDONLY | O_CLOEXEC | O_DIRECTORY);
    if (nKatalog >= 0) {
        ::fsync(nKatalog);
        ::close(nKatalog);
    }
#endif
}

bool NazwaZaDluga(const std::string& strSciezka) {
    const fs::path sciezka = Sciezka(strSciezka);
    std::error_code blad;
    fs::path pelna = fs::absolute(sciezka, blad);
    if (blad)
        pelna = sciezka;
#ifdef _WIN32
    // Without the long-path prefix the Windows file functions stop at MAX_PATH.
    return sciezka.filename().native().size() > 255 || pelna.native().size() >= MAX_PATH;
#else
    fs::path katalog = pelna.parent_path();
    if (katalog.empty())
        katalog = ".";
    const long nNazwa = pathconf(katalog.c_str(), _PC_NAME_MAX);
    const long nSciezka = pathconf(katalog.c_str(), _PC_PATH_MAX);
    return sciezka.filename().native().size() > static_cast<std::size_t>(nNazwa > 0 ? nNazwa : 255) ||
           pelna.native().size() >= static_cast<std::size_t>(nSciezka > 0 ? nSciezka : PATH_MAX);
#endif
}

// ---- Locks ---------------------------------------------------------------------------------

struct CBlokadaPliku::CDane {
#ifdef _WIN32
    HANDLE h = INVALID_HANDLE_VALUE;
#else
    int nPlik = -1;
#endif
};

CBlokadaPliku::CBlokadaPliku() : m_pDane(new CDane) {}

CBlokadaPliku::~CBlokadaPliku() {
    Zwolnij();
    delete m_pDane;
}

#ifdef _WIN32
// Windows locks bar even the locker's own other handles from reading the range, so the lock
// covers one byte far beyond any file's end.
constexpr DWORD BLOKADA_NISKO = 0xFFFFFFFE, BLOKADA_WYSOKO = 0x7FFFFFFF;

CBlokadaPliku::EWynik CBlokadaPliku::Zablokuj(const std::string& strSciezka) {
    Zwolnij();
    const HANDLE h = CreateFileW(Sciezka(strSciezka).c_str(), GENERIC_READ,
                                 FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                 OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE)
        return EWynik::Niedostepny;
    OVERLAPPED miejsce{};
    miejsce.Offset = BLOKADA_NISKO;
    miejsce.OffsetHigh = BLOKADA_WYSOKO;
    if (!LockFileEx(h, LOCKFILE_EXCLUSIVE_LOCK | LOCKFILE_FAIL_IMMEDIATELY, 0, 1, 0, &miejsce)) {
        const DWORD nBlad = GetLastError();
        CloseHandle(h);
        return nBlad == ERROR_LOCK_VIOLATION || nBlad == ERROR_IO_PENDING ? EWynik::Zajety
                                                                          : EWynik::Niedostepny;
    }
    m_pDane->h = h;
    return EWynik::Zablokowano;
}

void CBlokadaPliku::Zwolnij() {
    if (m_pDane->h == INVALID_HANDLE_VALUE)
        return;
    OVERLAPPED miejsce{};
    miejsce.Offset = BLOKADA_NISKO;
    miejsce.OffsetHigh = BLOKADA_WYSOKO;
    UnlockFileEx(m_pDane->h, 0, 1, 0, &miejsce);
    CloseHandle(m_pDane->h);
    m_pDane->h = INVALID_HANDLE_VALUE;
}
#else
CBlokadaPliku::EWynik CBlokadaPliku::Zablokuj(const std::string& strSciezka) {
    Zwolnij();
    // Non-blocking, so that a FIFO under the name cannot stop the run here.
    const int nPlik = ::open(Sciezka(strSciezka).c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK);
    if (nPlik < 0)
        return EWynik::Niedostepny;
    // flock belongs to this open file, so the reader's own opening and closing of the file
    // leaves it in place.
    if (flock(nPlik, LOCK_EX | LOCK_NB) != 0) {
        const int nBlad = errno;
        ::close(nPlik);
        return nBlad == EWOULDBLOCK ? EWynik::Zajety : EWynik::Niedostepny;
    }
    m_pDane->nPlik = nPlik;
    return EWynik::Zablokowano;
}

void CBlokadaPliku::Zwolnij() {
    if (m_pDane->nPlik < 0)
        return;
    ::close(m_pDane->nPlik); // releases the lock
    m_pDane->nPlik = -1;
}
#endif

namespace awarie {
void Ustaw(const CAwaria& awaria) {
    g_awaria = awaria;
}
void Wylacz() {
    g_awaria = {};
}
} // namespace awarie

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

std::string KluczPliku(const std::string& strSciezka) {
    const fs::path sciezka = Sciezka(strSciezka);
#ifdef _WIN32
    // Windows file names ignore case.
    std::wstring str = PelnaSciezka(sciezka).wstring();
    if (!str.empty())
        CharUpperBuffW(str.data(), static_cast<DWORD>(str.size()));
    return TekstSciezki(fs::path(str));
#else
    struct stat stan {};
    if (::stat(sciezka.c_str(), &stan) == 0)
        return "i:" + std::to_string(stan.st_dev) + ":" + std::to_string(stan.st_ino);
    return "p:" + PelnaSciezka(sciezka).string();
#endif
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

bool MoznaTworzycPliki(const std::string& strKatalog) {
    // A probe of a name no other file has, made new and removed again: the only test that
    // answers for every system, file system and kind of access right alike.
    const fs::path katalog = Sciezka(strKatalog.empty() ? std::string(".") : strKatalog);
    for (int n = 0; n < 100; ++n) {
        const fs::path proba = katalog / ("KELVOR_PROBA_" + std::to_string(n) + ".tmp");
        const awarie::CAwaria* pAwaria = Awaria(TekstSciezki(proba));
        if (pAwaria && pAwaria->bTworzenie)
            return false;
        std::error_code blad;
        if (fs::exists(proba, blad) || blad)
            continue;
        std::FILE* pPlik = UtworzNowy(proba);
        if (!pPlik) {
            if (fs::exists(proba, blad))
                continue; // another process probes the same folder
            return false;
        }
        std::fclose(pPlik);
        fs::remove(proba, blad);
        return true;
    }
    return false;
}

std::string KatalogUstawienUzytkownika() {
#ifdef _WIN32
    const wchar_t* szDane = _wgetenv(L"APPDATA");
    if (!szDane || !*szDane)
        return {};
    return TekstSciezki(fs::path(szDane) / L"KELVOR");
#else
    const char* szXdg = std::getenv("XDG_CONFIG_HOME");
    if (szXdg && *szXdg == '/')
        return TekstSciezki(fs::path(szXdg) / "kelvor");
    const char* szDom = std::getenv("HOME");
    if (!szDom || !*szDom)
        return {};
    return TekstSciezki(fs::path(szDom) / ".config" / "kelvor");
#endif
}

bool UtworzKatalogi(const std::string& strKatalog) {
    std::error_code blad;
    const fs::path katalog = Sciezka(strKatalog);
    fs::create_directories(katalog, blad);
    return fs::is_directory(katalog, blad);
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
