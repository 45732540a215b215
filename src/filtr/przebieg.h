// The skeleton every pass over a file follows: the sections before the objects, the object
// records one by one, the end of the file. Each pass only says how the leading sections are
// made, how a record is judged and how a kept one ends.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "filtr/stan.h"
#include "filtr/zdarzenia.h"
#include "opcje/opcje.h"
#include "swde/czytnik.h"
#include "swde/plik_wynikowy.h"
#include "swde/rekord.h"

struct CParaPlikow;

// What a pass works with: the reader of its input, the writer of its output, the run's
// observer, the run state of the file and the run's snapshot of the options.
struct CKontekstPrzebiegu {
    CCzytnikSWDE& czytnik;
    CPlikWynikowy& wyjscie;
    CObserwatorRunu& obserwator;
    CStanPrzebiegu& stan;
    const COpcjeFiltrowania& opcje;
    int nOstatniPostep = -1; // the progress last told, so that only changes are told

    bool CzyPrzerwac() const { return obserwator.CzyPrzerwac(); }
    void UstawPostep(int nPromile);
};

// How a kept record ends: "X;" in place of its end line, or its end line as read.
enum class EKoniecRekordu { X, JakWczytany };

// Judges a record: true keeps it (possibly changed), false drops it.
using DecyzjaRekordu = std::function<bool(Rekord&)>;

struct COpisPrzebiegu {
    std::string strEtap; // stage text told when the pass starts the object records
    EKoniecRekordu eKoniec = EKoniecRekordu::X;
    // First stage: the header section is written from the pair's target header, and SP and ST
    // are copied with stage texts of their own. Otherwise all three are copied.
    const CParaPlikow* pPara = nullptr;
    bool bSumyCRC = false;  // the end lines carry checksums ("SXC,", "SWDEXC,")
    DecyzjaRekordu decyzja; // none keeps every record as read
};

// One pass from the input the reader has open to the output: the leading sections, "SO;" with
// the records the decision keeps, the section end and the file end. The cancel request is
// looked at before every copied line and record; on cancel the pass stops at once and returns
// false, leaving the output incomplete. An error raised by the decision is given the reader's
// location (the record's end line).
bool PrzejdzPlik(CKontekstPrzebiegu& k, const COpisPrzebiegu& opis);
