// A run observer that records every event, for tests. The moment a cancel request appears can
// be set.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "filtr/zdarzenia.h"

class CObserwatorTestowy : public CObserwatorRunu {
public:
    void RozpoczetoRun(int nPar) override { zdarzenia.push_back("run " + std::to_string(nPar)); }
    void RozpoczetoPlik(int j, const std::string& strPodpis) override {
        zdarzenia.push_back("plik " + std::to_string(j));
        strPlik = strPodpis;
    }
    void Etap(const std::string& t) override {
        etapy.push_back(strPlik + ": " + t);
        if (przyEtapie)
            przyEtapie(t);
    }
    void Postep(int n) override {
        postep.push_back(n);
        if (przyPostepie)
            przyPostepie(n);
    }
    void NieOtwartoPliku(int j) override { nieOtwarte.push_back(j); }
    void ZakonczonoPlik(int j, const CBladPliku* pBlad) override {
        zdarzenia.push_back((pBlad ? "blad " : "gotowe ") + std::to_string(j));
    }
    void ZakonczonoRun(const CWynikRunu& w) override {
        zdarzenia.push_back("koniec");
        wynik = w;
    }
    bool CzyPrzerwac() override { return bPrzerwij; }

    // Settings of the test.
    bool bPrzerwij = false;
    std::function<void(const std::string&)> przyEtapie; // may set bPrzerwij
    std::function<void(int)> przyPostepie;

    // What was reported.
    std::string strPlik;
    std::vector<std::string> etapy;
    std::vector<int> postep;
    std::vector<std::string> zdarzenia;
    std::vector<int> nieOtwarte;
    CWynikRunu wynik;
};
