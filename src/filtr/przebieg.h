// What a record pass works with: the reader of its input, the writer of its output, the run
// notifications, the run state and the progress denominator.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "filtr/stan.h"
#include "opcje/opcje.h"
#include "swde/czytnik.h"
#include "swde/plik_wynikowy.h"
#include "swde/powiadomienia.h"

// A record: its trimmed lines, header first, end line last. The reader appends to an empty
// vector, so size() is the record's line count.
using Rekord = std::vector<std::string>;

struct CKontekstPrzebiegu {
    CCzytnikSWDE& czytnik;
    CPlikWynikowy& wyjscie;
    CPowiadomienia& powiadomienia;
    CStanPrzebiegu& stan;
    const COpcjeFiltrowania& opcje;  // the run's snapshot
    std::uint64_t nDlugoscWejscia = 0;

    bool CzyPrzerwac() const { return powiadomienia.CzyPrzerwac(); }
    // Progress after a record: reader position x 1000 / input length.
    void UstawPostepCzytnika();
};
