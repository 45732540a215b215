// The small layer over what the standard library lacks: files with byte offsets, shared and
// exclusive opening, creating a file new, replacing a name, locking a file against a second
// run, the limits of file names, the running program's path and local time; and, for tests, a
// switch that makes chosen file operations fail.
//
// Paths are code page 1250 byte strings, as everywhere in the engine; this layer converts them
// to the operating system's own form. "/" separates folders everywhere, "\" too on Windows.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace platforma {

// A file read in binary; the CR of a CR LF pair reaches the caller (readers trim it).
class CPlikWejsciowy {
public:
    CPlikWejsciowy();
    ~CPlikWejsciowy();
    CPlikWejsciowy(const CPlikWejsciowy&) = delete;
    CPlikWejsciowy& operator=(const CPlikWejsciowy&) = delete;

    // Opens for reading; others may read but, where the platform allows, not write.
    bool Otworz(const std::string& strSciezka);
    void Zamknij();
    bool JestOtwarty() const;

    // Reads up to nIle bytes; returns how many arrived (0 at the end). CFileException on error.
    std::size_t Czytaj(char* pBufor, std::size_t nIle);
    // Byte offset of the next unread byte.
    std::uint64_t Pozycja() const;
    void PrzewinNaPoczatek();
    // Length in bytes, taken when the file was opened.
    std::uint64_t Dlugosc() const;

private:
    struct CDane;
    CDane* m_pDane;
};

// A file written in binary with every "\n" written as CR LF, on every platform.
class CPlikWyjsciowy {
public:
    CPlikWyjsciowy();
    ~CPlikWyjsciowy();
    CPlikWyjsciowy(const CPlikWyjsciowy&) = delete;
    CPlikWyjsciowy& operator=(const CPlikWyjsciowy&) = delete;

    // Creates the file new and exclusively: a file or a link that has the name already is
    // removed as a name first, never followed or written through; anything else under the name
    // (a device, a FIFO, a folder), or a file that appears under it meanwhile, makes the open
    // fail. Others may read the file while it is written, not write it. strWzor, when given, is
    // the file whose permissions the new one takes at most (it is never opened to more users
    // than that file is), the owner's reading and writing kept.
    bool Otworz(const std::string& strSciezka, const std::string& strWzor = {});
    // Writes the text, "\n" as CR LF. CFileException on error.
    void Zapisz(std::string_view strTekst);
    // Writes the bytes as they are. CFileException on error.
    void ZapiszBajty(std::string_view strBajty);
    void Oproznij();
    // Hands what is written to the disk itself (not only the system's cache); CFileException
    // when it cannot.
    void Utrwal();
    // Closes; CFileException when the data could not be written. Closing a closed file does nothing.
    void Zamknij();
    bool JestOtwarty() const;

private:
    struct CDane;
    CDane* m_pDane;
};

bool Istnieje(const std::string& strSciezka);
// True when anything has the name, a link to nothing included.
bool NazwaZajeta(const std::string& strSciezka);
bool JestKatalogiem(const std::string& strSciezka);
// True when the path leads (links followed) to an ordinary file: no folder, device, FIFO or
// socket, nothing whose reading could wait forever or never end.
bool JestZwyklymPlikiem(const std::string& strSciezka);
// True when the name is taken by something an output must never replace and whose opening
// would not fail by itself: a device, a FIFO, a socket (a folder is none of these).
bool ZajetaNieplikiem(const std::string& strSciezka);
// The size of an ordinary file; UINT64_MAX when the path is no ordinary file.
std::uint64_t RozmiarPliku(const std::string& strSciezka);
// Deletes a file (a link itself, never what it points to); false when it could not (a missing
// file included).
bool Usun(const std::string& strSciezka);
// Gives the file strZ the name strNa, replacing a file or a link that has that name as a name
// (a link is replaced, not followed; anything else under the name is refused), then makes the
// new name last where the system allows (the folder is flushed to disk). CFileException when
// it cannot.
void ZamienNazwe(const std::string& strZ, const std::string& strNa);
// True when a file of this path could not be created because its name, or the whole path, is
// longer than the file system allows.
bool NazwaZaDluga(const std::string& strSciezka);

// An exclusive lock on a file held while a run uses it; the system releases it when the
// process ends in any way. Reading the file, also by another process, stays possible.
class CBlokadaPliku {
public:
    enum class EWynik { Zablokowano, Zajety, Niedostepny };
    CBlokadaPliku();
    ~CBlokadaPliku();
    CBlokadaPliku(const CBlokadaPliku&) = delete;
    CBlokadaPliku& operator=(const CBlokadaPliku&) = delete;

    // Zajety: another process holds the lock; Niedostepny: the file cannot be opened.
    EWynik Zablokuj(const std::string& strSciezka);
    void Zwolnij();

private:
    struct CDane;
    CDane* m_pDane;
};

// Makes an existing file an ordinary writable file for its owner.
void UstawZapisywalny(const std::string& strSciezka);
// True when the two paths name the same file (existing or not), after making them absolute.
bool TenSamPlik(const std::string& strA, const std::string& strB);
// A key equal for two paths exactly when they name the same file (as TenSamPlik decides, an
// existing file by its identity on POSIX), for comparing many paths through a hash set.
std::string KluczPliku(const std::string& strSciezka);

// Full path of the running executable.
std::string SciezkaProgramu();

// Whether files can be created in this folder (a probe file is made and removed again).
bool MoznaTworzycPliki(const std::string& strKatalog);
// The user's own folder for the program's settings: %APPDATA%\KELVOR on Windows,
// $XDG_CONFIG_HOME/kelvor or ~/.config/kelvor elsewhere; empty when the system names none.
std::string KatalogUstawienUzytkownika();
// Creates a folder and its missing parents; true when the folder is there afterwards.
bool UtworzKatalogi(const std::string& strKatalog);

// Current time as 64-bit seconds.
std::int64_t Teraz();
// Local time formatted with strftime; empty when it cannot be formatted.
std::string CzasLokalny(std::int64_t nCzas, const char* szWzorzec);
// Today's local date.
void DzisiejszaData(int& nRok, int& nMiesiac, int& nDzien);

// Index of the last folder separator in a path ("/" and, on Windows, also "\"), or npos.
std::size_t OstatniSeparator(std::string_view strSciezka);
// Index just past the folder part of a path: where its file name starts (0 without a folder).
std::size_t PoczatekNazwy(std::string_view strSciezka);
// The file-name part of a path.
std::string NazwaPliku(const std::string& strSciezka);

// The platform's preferred separator: "\" on Windows, "/" elsewhere.
char Separator();

// Faults on demand, for the tests of failure handling only: file operations on paths that
// contain strFragment fail as the system's would. Nothing fails while no fault is set.
namespace awarie {
struct CAwaria {
    std::string strFragment;                  // empty: no fault
    std::uint64_t nZapisDo = UINT64_MAX;      // writes fail once this many bytes are written
    bool bOdczyt = false;                     // reads fail
    bool bTworzenie = false;                  // the file cannot be created, nor named by a rename
    bool bOtwarcie = false;                   // the file cannot be opened for reading
    bool bUsuwanie = false;                   // the file cannot be deleted
};
void Ustaw(const CAwaria& awaria);
void Wylacz();
}  // namespace awarie

}  // namespace platforma
