// What a record pass works with: the reader of its input, the writer of its output, the run
// notifications, the run state and the progress denominator.
#pragma once

#include <cstdint>
#include <functional>
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
    const COpcjeFiltrowania& opcje; // the run's snapshot
    std::uint64_t nDlugoscWejscia = 0;

    bool CzyPrzerwac() const { return powiadomienia.CzyPrzerwac(); }
    // Progress after a record: reader position x 1000 / input length.
    void UstawPostepCzytnika();
};

// Writes every line of the record as read (its own end line too), each followed by "\n".
void ZapiszRekord(const Rekord& rekord, CPlikWynikowy& wyjscie);
// Writes the lines but the end line, each followed by "\n", then "X;\n" in place of the end line.
void ZapiszRekordX(const Rekord& rekord, CPlikWynikowy& wyjscie);

// How a record pass ends the records it keeps.
enum class EKoniecRekordu { X, JakWczytany };

// The record loop of a pass over the "SO;" section: before each record it looks at the cancel
// request; the decision judges (and may change) each record, and a kept one is written.
// Progress after every record and the upper bound at the end. True when the section was read
// to its end, false when the run was cancelled first.
bool PrzejdzRekordySO(CKontekstPrzebiegu& k, EKoniecRekordu eKoniec,
                      const std::function<bool(Rekord&)>& decyzja);
