// Compact storage for the run state's texts: identifiers and symbols kept back to back in one
// arena of large blocks, and a hashed table of 8-byte slots over it, instead of a text object
// and a heap node per entry. A county file names millions of objects; this keeps the removal
// lists and the reference sets to a few tens of bytes an entry.
#pragma once

#include <array>
#include <cstddef>
#include <deque>
#include <cstdint>
#include <initializer_list>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

// A text as the tables see it: strA, or strA + cSeparator + strB for a joined pair (built
// neither for hashing nor for comparing).
struct CKlucz {
    std::string_view strA;
    std::string_view strB;
    char cSeparator = 0; // 0: the text is strA alone

    CKlucz(std::string_view a) : strA(a) {}
    CKlucz(std::string_view a, char c, std::string_view b) : strA(a), strB(b), cSeparator(c) {}
    std::size_t Dlugosc() const { return strA.size() + (cSeparator ? 1 + strB.size() : 0); }
    bool operator==(std::string_view str) const;
    std::uint64_t Hasz() const;
};

// Texts back to back in blocks of 1 MiB, each behind its length, known by their 32-bit place.
// Places stay valid until Wyczysc; the blocks stay allocated for the next file.
class CArenaTekstow {
public:
    using Miejsce = std::uint32_t;

    // Stores the texts one after another and returns the place of the first; nZapas bytes
    // (zero) follow the last.
    Miejsce Dodaj(std::initializer_list<CKlucz> teksty, std::size_t nZapas = 0);
    std::string_view Tekst(Miejsce nMiejsce) const;
    // The place of the text stored right after the one at nMiejsce.
    Miejsce Nastepny(Miejsce nMiejsce) const;
    // The first byte after the text at nMiejsce (the room Dodaj left behind the last text).
    unsigned char* Za(Miejsce nMiejsce) { return const_cast<unsigned char*>(ZaTekstem(nMiejsce)); }
    const unsigned char* ZaTekstem(Miejsce nMiejsce) const;
    void Wyczysc();

private:
    static constexpr std::size_t BLOK = std::size_t{1} << 20;
    const unsigned char* Adres(Miejsce nMiejsce) const;

    std::vector<std::unique_ptr<unsigned char[]>> m_bloki; // a long text takes several numbers
    std::size_t m_nBlok = 0;   // the block being filled
    std::size_t m_nZajete = 0; // bytes used in it
};

// A hashed set of texts in an arena; every text may carry a few bytes of its own (nZapas).
class CTablicaTekstow {
public:
    static constexpr CArenaTekstow::Miejsce BRAK = UINT32_MAX;

    explicit CTablicaTekstow(std::size_t nZapas = 0) : m_nZapas(nZapas) {}

    // The place of the text, BRAK when it is not in the table.
    CArenaTekstow::Miejsce Znajdz(const CKlucz& klucz) const;
    // Adds the text unless it is there; its place either way.
    CArenaTekstow::Miejsce Dodaj(const CKlucz& klucz);
    bool Zawiera(const CKlucz& klucz) const { return Znajdz(klucz) != BRAK; }
    // The bytes the text carries.
    unsigned char* ZapasTekstu(CArenaTekstow::Miejsce nMiejsce) { return m_arena.Za(nMiejsce); }
    const unsigned char* ZapasTekstu(CArenaTekstow::Miejsce nMiejsce) const {
        return m_arena.ZaTekstem(nMiejsce);
    }
    std::size_t Rozmiar() const { return m_nLiczba; }
    void Wyczysc();

private:
    // Slot: 0 empty, else the low 32 bits of the text's hash above its place + 1.
    std::size_t Szukaj(const CKlucz& klucz, std::uint64_t nHasz) const;
    void Powieksz(std::size_t nSloty);

    CArenaTekstow m_arena;
    std::vector<std::uint64_t> m_sloty;
    std::size_t m_nLiczba = 0;
    std::size_t m_nZapas;
};

// A byte of bits for each text.
class CMapaMasek {
public:
    // The bits of the text, 0 when it has none.
    unsigned char Bity(const CKlucz& klucz) const {
        const CArenaTekstow::Miejsce n = m_teksty.Znajdz(klucz);
        return n == CTablicaTekstow::BRAK ? 0 : *m_teksty.ZapasTekstu(n);
    }
    void Dodaj(const CKlucz& klucz, unsigned char nBity) {
        *m_teksty.ZapasTekstu(m_teksty.Dodaj(klucz)) |= nBity;
    }
    void Wyczysc() { m_teksty.Wyczysc(); }

private:
    CTablicaTekstow m_teksty{1};
};

// A set of texts; pairs are stored joined by a comma ("G5JDR,77"). Identifiers mostly end in a
// number, and objects are mostly written in the order of their numbers: texts that differ only
// in the last 6 bits of that number share one entry, a "block" with a bit for each, so that
// neighbours in the file are neighbours in memory and a crowded block takes a bit a text. Any
// other text has an entry of its own.
class ZbiorTekstow {
public:
    void Dodaj(std::string_view str) { Dodaj(CKlucz(str)); }
    bool Zawiera(std::string_view str) const { return Zawiera(CKlucz(str)); }
    void DodajPare(std::string_view strA, std::string_view strB) {
        Dodaj(CKlucz(strA, ',', strB));
    }
    bool ZawieraPare(std::string_view strA, std::string_view strB) const {
        return Zawiera(CKlucz(strA, ',', strB));
    }
    void Wyczysc();

private:
    void Dodaj(const CKlucz& klucz);
    bool Zawiera(const CKlucz& klucz) const;

    // A text that ends in a number written the one way (no leading zero, at most 18 digits):
    // the text before the number (strA, then cSeparator and strB when it is a pair), the
    // number's block and its place in the block.
    struct CBlok {
        CKlucz przedrostek{std::string_view()};
        std::uint64_t nBlok = 0;
        unsigned nMiejsce = 0;
    };
    static bool Blok(const CKlucz& klucz, CBlok& blok);
    // The bits of the block; a set that is not const adds the block when it is missing, a
    // const one gives null.
    template <class Zbior> static auto Bity(Zbior& zbior, const CBlok& blok);

    CTablicaTekstow m_teksty;   // texts of their own
    CTablicaTekstow m_bloki{8}; // blocks of 64 numbers: the text before the number, "\x01"
                                // and the block's number make the key
    // The blocks met last, looking up or adding, one for each of a few texts before the
    // number: the next text of a kind is mostly in the block its kind met last.
    struct COstatni {
        bool bZnany = false; // the entry holds a block met
        std::string strPrzedrostek;
        std::uint64_t nBlok = 0;
        unsigned char* pBity = nullptr; // its 64 bits; null: the set has no such block
    };
    mutable std::array<COstatni, 16> m_ostatnie;
};

// What a pass has worked out about each type symbol it met (as written), found again by a hash
// of the symbol: the passes judge millions of records of a few dozen types.
template <class T> class CPamiecTypow {
public:
    // The entry of the type; utworz(strTyp) makes it the first time the type is met.
    template <class F> T& Wpis(std::string_view strTyp, F utworz) {
        if (2 * (m_wpisy.size() + 1) > m_anSloty.size())
            Powieksz();
        const std::size_t nMaska = m_anSloty.size() - 1;
        for (std::size_t i = CKlucz(strTyp).Hasz() & nMaska;; i = (i + 1) & nMaska) {
            const int n = m_anSloty[i];
            if (n < 0) {
                m_anSloty[i] = static_cast<int>(m_wpisy.size());
                // Braces: clang 14 (the fuzz build) has no parenthesised aggregate init.
                return m_wpisy.emplace_back(CWpis{std::string(strTyp), utworz(strTyp)}).wartosc;
            }
            if (m_wpisy[static_cast<std::size_t>(n)].strTyp == strTyp)
                return m_wpisy[static_cast<std::size_t>(n)].wartosc;
        }
    }

private:
    struct CWpis {
        std::string strTyp;
        T wartosc;
    };

    void Powieksz() {
        m_anSloty.assign(m_anSloty.empty() ? 64 : 2 * m_anSloty.size(), -1);
        const std::size_t nMaska = m_anSloty.size() - 1;
        for (std::size_t n = 0; n < m_wpisy.size(); ++n) {
            std::size_t i = CKlucz(m_wpisy[n].strTyp).Hasz() & nMaska;
            while (m_anSloty[i] >= 0)
                i = (i + 1) & nMaska;
            m_anSloty[i] = static_cast<int>(n);
        }
    }

    std::deque<CWpis> m_wpisy; // a deque keeps the entries in place as it grows
    std::vector<int> m_anSloty;
};
