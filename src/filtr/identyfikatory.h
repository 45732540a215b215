// Polish personal identifiers found in free text: PESEL, NIP, identity card and passport
// numbers, recognised by their form and their check digits.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

enum class ERodzajIdentyfikatora { Pesel, Nip, DowodOsobisty, Paszport };
constexpr int LICZBA_RODZAJOW_IDENTYFIKATOROW = 4;

// The validators take the identifier alone in its plain form: only digits for PESEL and NIP,
// the letters and digits without a space for the two documents.
// PESEL: 11 digits, a valid check digit and a real date of birth (the month carries the century).
bool CzyPesel(std::string_view str);
// NIP: 10 digits with a valid check digit, not starting with 0 (no tax office code does).
bool CzyNip(std::string_view str);
// Identity card: three letters and six digits, the first digit being the check digit.
bool CzyDowodOsobisty(std::string_view str);
// Passport: two letters and seven digits, the first digit being the check digit.
bool CzyPaszport(std::string_view str);

struct CIdentyfikator {
    ERodzajIdentyfikatora m_eRodzaj;
    std::string m_str;           // plain form: no dashes, no space, letters as written
    std::size_t m_nPoczatek = 0; // where it stands in the text, as written
    std::size_t m_nDlugosc = 0;
};

// Every valid identifier that stands alone in the text (no letter, digit or byte above 127 right
// before or after it): 11 digits, 10 digits or a NIP written with dashes (3-3-2-2 or 3-2-2-3),
// three letters and six digits, two letters and seven digits (one blank may stand between the
// letters and the digits). The list is emptied first.
void ZnajdzIdentyfikatory(std::string_view strTekst, std::vector<CIdentyfikator>& wynik);

// The identifier with everything after its first four characters replaced by "*".
std::string Zamaskuj(std::string_view str);
// The text with every identifier found in it replaced by its masked plain form.
std::string ZamaskujIdentyfikatory(std::string_view strTekst);
