// What a run tells the front end that started it, and the one thing it asks: whether to stop.
// The engine shows nothing itself; the window and the console each decide what the user sees.
// Texts are code page 1250.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

enum class EWynikFiltrowania {
    Zakonczono, // every pair was processed (single files may have failed)
    Odmowa,     // nothing to do: no filter option chosen; nothing was written
    Przerwano,  // the user stopped the run
};

// A pair that failed: its index, the error number (-1 for a failure without one), the text
// its log ends with (without the leading "\n\t" and the trailing "\n") and, for a failed file
// access, the file and the system's reason ("Plik '<path>': <reason>") for the user to see
// beside it.
struct CBladPliku {
    int m_nPara = 0;
    int m_nNumer = -1;
    std::string m_strTekst;
    std::string m_strSzczegoly;
};

struct CWynikRunu {
    EWynikFiltrowania m_eWynik = EWynikFiltrowania::Zakonczono;
    std::string m_strOdmowa;         // for Odmowa: the text to show
    std::vector<CBladPliku> m_bledy; // failed pairs, in pair order
    std::int64_t m_nCzas = 0;        // whole seconds from the start to the end of the run
};

// "Filtrowanie zakończone.\nCzas filtrowania: <time>\nIlość błędów filtrowania: <n>"
std::string TekstPodsumowania(std::int64_t nCzas, std::size_t nBledow);
// "Nie wybrano żadnej opcji filtrowania."
const std::string& TekstBrakuOpcji();
// "Przerwano filtrowanie."
const std::string& TekstPrzerwania();

// The events of a run, in order: RozpoczetoRun, then for each pair RozpoczetoPlik, the stage
// texts and progress of its passes, and ZakonczonoPlik; ZakonczonoRun last. A refused run
// reports only ZakonczonoRun. All are called on the thread that runs the engine.
class CObserwatorRunu {
public:
    virtual ~CObserwatorRunu() = default;

    // The plan is settled; nPar pairs follow.
    virtual void RozpoczetoRun(int /*nPar*/) {}
    // Pair j starts; strPodpis is the caption of its file (the source's file name).
    virtual void RozpoczetoPlik(int /*j*/, const std::string& /*strPodpis*/) {}
    // A pass starts with this stage text ("Filtrowanie typów", "Filtrowanie obiektów (1/2)" ...).
    virtual void Etap(const std::string& /*strTekst*/) {}
    // How far the current pass has got, 0 to 1000 (per mille); told only when it changes.
    virtual void Postep(int /*nPromile*/) {}
    // A file of pair j (its log, or a pass's input or output) could not be opened; the pair is
    // about to fail with error 0.
    virtual void NieOtwartoPliku(int /*j*/) {}
    // Pair j is done: pBlad is null when its target was made.
    virtual void ZakonczonoPlik(int /*j*/, const CBladPliku* /*pBlad*/) {}
    // The run is over.
    virtual void ZakonczonoRun(const CWynikRunu& /*wynik*/) {}

    // Whether the user asked to stop. Asked before every record and every line of the sections
    // copied, and after every pass, so it must be cheap.
    virtual bool CzyPrzerwac() { return false; }
};
