// The window's system menu, where the platform has one (Windows); elsewhere these do nothing.
#pragma once

namespace menu_systemowe {

// Appends a separator and an item with the command number to the window's system menu.
void Dodaj(void* pOkno, unsigned nPolecenie, const wchar_t* szTekst);
// Whether a native message is the choice of that item.
bool CzyWybrano(const void* pKomunikat, unsigned nPolecenie);

} // namespace menu_systemowe
