// A run-notification implementation that records every call, for tests. The answer to the
// next question and the moment a cancel request appears can be set.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "swde/powiadomienia.h"

class CPowiadomieniaTestowe : public CPowiadomienia {
public:
    struct CKomunikat {
        std::string strTekst;
        ERodzajKomunikatu eRodzaj;
    };

    void PokazPostep() override { zdarzenia.push_back("pokaz"); }
    void UkryjPostep() override { zdarzenia.push_back("ukryj"); }
    void UstawPlik(const std::string& t) override { strPlik = t; }
    void UstawEtap(const std::string& t) override {
        etapy.push_back(strPlik + ": " + t);
        if (przyEtapie) przyEtapie(t);
    }
    void UstawPostep(int n) override {
        postep.push_back(n < GornaGranica() ? n : GornaGranica());
        if (przyPostepie) przyPostepie(n);
    }
    bool CzyPrzerwac() const override { return bPrzerwij; }
    int LiczbaWierszy() override { return static_cast<int>(wiersze.size()); }
    void ZaznaczWiersz(int j) override { zaznaczone.push_back(j); }
    std::string TekstWiersza(int j) override { return wiersze.at(static_cast<std::size_t>(j)); }
    void PokazPare(int j) override { pokazanePary.push_back(j); }
    void WyczyscNaglowki() override { ++nWyczyszczen; }
    void WlaczOkno(bool b) override { zdarzenia.push_back(b ? "okno+" : "okno-"); }
    void WlaczPrzetwarzaj(bool b) override { zdarzenia.push_back(b ? "przetwarzaj+" : "przetwarzaj-"); }
    bool Komunikat(const std::string& t, ERodzajKomunikatu r) override {
        komunikaty.push_back({t, r});
        return r == ERodzajKomunikatu::Pytanie ? bOdpowiedzTak : true;
    }

    // Settings of the test.
    std::vector<std::string> wiersze;  // rows of the source list
    bool bPrzerwij = false;
    bool bOdpowiedzTak = true;
    std::function<void(const std::string&)> przyEtapie;  // may set bPrzerwij
    std::function<void(int)> przyPostepie;

    // What was called.
    std::string strPlik;
    std::vector<std::string> etapy;
    std::vector<int> postep;
    std::vector<std::string> zdarzenia;
    std::vector<int> zaznaczone;
    std::vector<int> pokazanePary;
    int nWyczyszczen = 0;
    std::vector<CKomunikat> komunikaty;
};
