// Target files: the default target name of a source, moving targets into one folder, and the
// checks made on the targets before a run writes anything. Pure functions over the pair list,
// shared by the desktop window and the console. Paths and texts are code page 1250.
#pragma once

#include <string>
#include <vector>

#include "filtr/nazwy.h"
#include "swde/naglowek.h"

// The target moved into a folder: the folder, a separator unless it ends with one, and the
// file name of the old target.
std::string CelWKatalogu(const std::string& strKatalog, const std::string& strCel);

// The folder part of a path (up to, not including, its last separator); empty without one.
std::string KatalogPliku(const std::string& strSciezka);

// What the target check found, each list in pair order.
struct CSprawdzenieCelow {
    // Targets whose folder does not exist, or that are folders themselves.
    std::vector<std::string> m_astrBledneFoldery;
    // Targets and their logs that exist (or are links) and would be replaced.
    std::vector<std::string> m_astrIstniejace;
    // Targets named by more than one pair (each listed once): the later pair would overwrite
    // the earlier pair's result.
    std::vector<std::string> m_astrPowtorzone;

    bool CzyBlokuje() const { return !m_astrBledneFoldery.empty() || !m_astrPowtorzone.empty(); }
};

// Checks the targets of every pair; touches nothing.
CSprawdzenieCelow SprawdzPlikiDocelowe(const std::vector<CParaPlikow>& pary);

// The list as the messages show it: the paths separated by ",\n".
std::string ListaSciezek(const std::vector<std::string>& astrSciezki);

// "Poniższe pliki docelowe są umieszczone w nieprawidłowych folderach:\n" + list + closing text.
std::string TekstBlednychFolderow(const std::vector<std::string>& astrSciezki);
// "Poniższe pliki docelowe już istnieją:\n" + list + ".\n\nCzy chcesz je zastąpić ...?"
std::string PytanieOIstniejace(const std::vector<std::string>& astrSciezki);
// "Poniższe pliki docelowe już istnieją:\n" + list + "." (the list without the question).
std::string TekstIstniejacych(const std::vector<std::string>& astrSciezki);
// "Kilka plików źródłowych ma ten sam plik docelowy:\n" + list + "."
std::string TekstPowtorzonych(const std::vector<std::string>& astrSciezki);
