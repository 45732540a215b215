#!/usr/bin/env python3
"""Writes examples/obreb_przykladowy.swd: a small synthetic precinct in the SWDE exchange format
(CR LF line ends, Polish letters in ISO-8859-2). Every name, number and address is invented.
The PESEL numbers are built so that their check digits are wrong; three of the identity document
numbers (G5DOS) happen to be valid, which `kelvor-cli --check` of the example shows and which the
bundled configuration removes."""
import os

linie = []


def w(*wiersze):
    linie.extend(wiersze)


def rekord(rodzaj, typ, ident, status="11", elementy=(), geometria=None):
    w(f"{rodzaj},,{typ},{ident},{ident}_{typ[2:].lower()},{status};")
    if geometria:
        w("GL;", *geometria, "GX;")
    w(*elementy, "X;")


def pesel(i):
    cyfry = f"{55 + i % 40:02d}{i % 12 + 1:02d}{i % 27 + 1:02d}{3000 + 37 * i:04d}"
    suma = sum(int(c) * waga for c, waga in zip(cyfry, [1, 3, 7, 9, 1, 3, 7, 9, 1, 3]))
    return cyfry + str((10 - suma % 10 + 1) % 10)  # deliberately not the right check digit


JEDN = "146599_9"
OBR = JEDN + ".0001"
DOK_GRANICE, DOK_BUDYNKI, DOK_PRAWO, DOK_DZIERZAWA, DOK_ZMIANA, DOK_AKT = range(9001, 9007)

w("SWDE.w.2.00.(C) GUGiK 2000;", "SN;",
  f"NS,TR,{JEDN}", "NS,TN,Starostwo Powiatowe w Przykładowie",
  "NS,TA,ul. Długa 1, 43-999 Przykładowo", "NS,TO,Jan Wzorcowy",
  "NS,DN,2024-03-15", "NS,ZN,Ewidencja przykładowa", "NS,ZR,1.0",
  "NS,ZD,Obręb 0001 Przykładowo (dane syntetyczne)", "NS,OP,Przekazanie danych do projektu",
  "NS,OR,000000000", "NS,ON,Biuro Projektowe \"Szkic\"", "NS,OA,ul. Krótka 2, 43-998 Wzorcowo",
  "NS,OO,Anna Próbna", "NS,UX,2000/18", "NU,UWAGA,Dane wyłącznie do prób", "SX;")
w("SP;", "UW,PL-2000:S6;", "DK,0.10;", "SX;")
w("ST;", "RT,1,G5DZE,DZE,,;", "D,G5NAZ,D,Działka ewidencyjna;", "X;",
  "RT,2,G5BUD,BUD,,;", "D,G5NAZ,D,Budynek;", "X;", "SX;")
w("SO;")

# Documents and the territorial units.
w("C;Dokumenty")
dokumenty = {DOK_GRANICE: ("Operat pomiarowy P.1465.1998.12", "1998-05-12"),
             DOK_BUDYNKI: ("Inwentaryzacja budynków P.1465.2005.3", "2005-10-03"),
             DOK_PRAWO: ("Akt notarialny Rep. A 1234/2001", "2001-02-20"),
             DOK_DZIERZAWA: ("Umowa dzierżawy nr 7/2015", "2015-06-30"),
             DOK_ZMIANA: ("Wniosek o zmianę, dziennik 2019/15", "2019-04-02"),
             DOK_AKT: ("Postanowienie Sądu Rejonowego, sygn. I Ns 99/20", "2020-11-05")}
for ident, (opis, data) in dokumenty.items():
    rekord("RO", "G5DOK", ident, elementy=[
        "D,G5KDK,D,1;", f"D,G5DTD,D,{data};", f"D,G5SYG,D,{opis};",
        "D,G5NSR,D,Sąd Rejonowy w Przykładowie;", f"D,G5DTP,D,{data};"])

w("C;Jednostka ewidencyjna, obręb, rejon statystyczny")
rekord("RO", "G5JEW", 1, elementy=[f"D,G5IDJ,D,{JEDN};", "D,G5NAZ,D,Przykładowo;",
                                   f"WG,G5RKRG,G5DOK,{DOK_GRANICE};"])
rekord("RO", "G5OBR", 2, elementy=["D,G5NRO,D,0001;", "D,G5NAZ,D,Przykładowo;",
                                   "D,G5PEW,D,1834512;", "WG,G5RJEW,G5JEW,1;",
                                   f"WG,G5RKRG,G5DOK,{DOK_GRANICE};"])
rekord("RO", "G5RST", 3, elementy=["D,G5NRS,D,0042;", f"WG,G5RKRG,G5DOK,{DOK_GRANICE};"])

# Addresses: the last one is referred to by nothing.
w("C;Adresy")
ulice = ["ul. Polna", "ul. Leśna", "ul. Źródlana", "ul. Łąkowa", "ul. Długa, róg Krótkiej",
         "ul. Ślężna", "ul. Żytnia", "ul. Ogrodowa", "ul. Kwiatowa", "ul. Sadowa", "ul. Wiśniowa",
         "ul. Stara"]
for i, ulica in enumerate(ulice):
    rekord("RO", "G5ADR", 8001 + i, elementy=[
        "D,G5KRJ,D,PL;", "D,G5WJD,D,śląskie;", "D,G5PWJ,D,przykładowy;",
        "D,G5GMN,D,Przykładowo;", "D,G5MSC,D,Przykładowo;", f"D,G5ULC,D,{ulica};",
        f"D,G5NRA,D,{i + 1};", "D,G5KOD,D,43-999;", "D,G5PCZ,D,Przykładowo;"])

# Owners: people, institutions, married couples.
w("C;Podmioty")
imiona = [("Adam", "Przykładowski", 1), ("Barbara", "Przykładowska", 2), ("Cezary", "Wzorcowy", 1),
          ("Danuta", "Wzorcowa", 2), ("Edward", "Testowicz", 1), ("Felicja", "Próbna", 2),
          ("Grzegorz", "Zmyślony", 1), ("Halina", "Zmyślona", 2), ("Ignacy", "Ćwiczebny", 1),
          ("Jadwiga", "Fikcyjna", 2), ("Kazimierz", "Umowny", 1), ("Lucyna", "Szkicowa", 2),
          ("Marian", "Żartobliwy", 1), ("Natalia", "Śniadecka-Próbna", 2),
          ("Oskar", "Łatwowierny", 1), ("Paulina", "Niepotrzebna", 2)]
for i, (imie, nazwisko, plec) in enumerate(imiona):
    elementy = ["D,G5STI,D,1;", f"D,G5PLC,D,{plec};", f"D,G5PSL,D,{pesel(i)};",
                f"D,G5NZW,D,{nazwisko};", f"D,G5PIM,D,{imie};", "D,G5IOJ,D,Jan;",
                "D,G5IMT,D,Maria;", "D,G5OBL,D,PL;", f"D,G5DOS,D,ZZZ{100000 + 7 * i};",
                "D,G5DTW,D,2021-01-15T10:00:00;"]
    if i < 15:  # the last person is linked to nothing at all
        elementy.append(f"WG,G5RADR,G5ADR,{8001 + i % 11};")
    rekord("RO", "G5OSF", 7001 + i, elementy=elementy)
rekord("RO", "G5OSF", 7090, status="12", elementy=[
    "D,G5STI,D,1;", "D,G5PLC,D,1;", f"D,G5PSL,D,{pesel(90)};", "D,G5NZW,D,Dawny;",
    "D,G5PIM,D,Roman;", "WG,G5RADR,G5ADR,8001;"])
instytucje = [("Spółdzielnia Mieszkaniowa \"Przykład\"", "SM Przykład"),
              ("Gmina Przykładowo", "Gmina"), ("Skarb Państwa", "SP")]
for i, (pelna, skrot) in enumerate(instytucje):
    rekord("RO", "G5INS", 7101 + i, elementy=[
        f"D,G5STI,D,{i + 2};", f"D,G5NPE,D,{pelna};", f"D,G5NSK,D,{skrot};",
        f"D,G5RGN,D,00000{i}000;", f"D,G5NIP,D,000000000{i};", f"WG,G5RADR,G5ADR,{8008 + i};"])
for i in range(3):  # couples of the people 1+2, 3+4, 5+6
    rekord("RO", "G5MLZ", 7201 + i, elementy=[
        f"WG,G5RŻONA,G5OSF,{7002 + 2 * i};", f"WG,G5RMĄŻ,G5OSF,{7001 + 2 * i};"])

# Register units: 12 of land (1), 4 of buildings (2), 4 of premises (3).
w("C;Jednostki rejestrowe")
for i in range(20):
    rodzaj = 1 if i < 12 else 2 if i < 16 else 3
    koniec = ";" if i % 2 else ""  # both spellings of the value occur
    rekord("RO", "G5JDR", 6001 + i, elementy=[
        f"D,G5TJR,D,{rodzaj}{koniec}", f"D,G5IJR,D,{OBR}.{'GBL'[rodzaj - 1]}{i + 1};",
        "WG,G5ROBR,G5OBR,2;"])

# Boundary points (graphic records), referred to by the parcel outlines.
w("C;Punkty graniczne")
for i in range(48):
    rekord("RP", "G5PZG", 4001 + i, elementy=[
        f"D,G5IDP,D,{OBR}.{i + 1};", f"D,G5ZRD,D,{1 + i % 3};", "D,G5BPP,D,1;",
        f"WG,G5RKRG,G5DOK,{DOK_GRANICE};", f"K,{5541200 + 13 * i}.{i % 100:02d},{6612000 + 17 * i}.50;"])


def obrys(pierwszy, ile=4):
    punkty = [f"P,P,G5PZG,{4001 + (pierwszy + k) % 48};" for k in range(ile)]
    return punkty + [punkty[0]]


# Parcels: two per land unit; the historical parcel 5090 was split into 5023 and 5024.
w("C;Działki ewidencyjne")
for i in range(24):
    rekord("RO", "G5DZE", 5001 + i, geometria=obrys(2 * i), elementy=[
        f"D,G5IDD,D,{OBR}.{i + 1}/{1 + i % 3};", f"D,G5NOS,D,{5 + i % 4};",
        f"D,G5PEW,D,{700 + 53 * i};", "D,G5DTU,D,2019-06-01T08:30:00;",
        f"WG,G5RJDR,G5JDR,{6001 + i // 2};", f"WG,G5RADR,G5ADR,{8001 + i % 11};",
        f"WG,G5RPWŁ,G5DOK,{DOK_PRAWO};", f"WG,G5RKRG,G5DOK,{DOK_GRANICE};"])
rekord("RO", "G5DZE", 5090, status="12", geometria=obrys(44), elementy=[
    f"D,G5IDD,D,{OBR}.23;", "D,G5PEW,D,2100;", "WG,G5RJDR,G5JDR,6012;",
    f"WG,G5RKRG,G5DOK,{DOK_GRANICE};"])
for i in range(24):  # land-use classes, one or two per parcel
    for k in range(1 + i % 2):
        rekord("RO", "G5KLU", 5501 + 2 * i + k, elementy=[
            f"D,G5OFU,D,{'RŁS'[k + i % 2]};", f"D,G5OZK,D,{['IIIa', 'IVb', 'V'][(i + k) % 3]};",
            f"D,G5PEW,D,{300 + 11 * i};", f"WG,G5RDZE,G5DZE,{5001 + i};"])

# Buildings: the first four form units of their own (units 6013..6016).
w("C;Budynki")
for i in range(8):
    elementy = [f"D,G5IDB,D,{OBR}.{2 * i + 1}/1.{i + 1}_BUD;", "D,G5FSB,D,2;",
                f"D,G5RBB,D,{1960 + 5 * i};", "D,G5LKP,D,1;", f"D,G5LKN,D,{2 + i % 3};",
                f"D,G5PEW,D,{120 + 9 * i};", "D,G5SCN,D,1;", f"D,G5WRT,D,{250000 + 1000 * i};",
                f"WG,G5RDZE,G5DZE,{5001 + 2 * i};", f"WG,G5RADR,G5ADR,{8001 + i};",
                f"WG,G5RKRG,G5DOK,{DOK_BUDYNKI};"]
    if i < 4:
        elementy.append(f"WG,G5RJDR,G5JDR,{6013 + i};")
    rekord("RO", "G5BUD", 3001 + i, elementy=elementy,
           geometria=[f"K,{5541300 + 20 * i}.00,{6612100 + 20 * i}.00;", f"K,{5541310 + 20 * i}.00,{6612100 + 20 * i}.00;",
                      f"K,{5541310 + 20 * i}.00,{6612112 + 20 * i}.00;"])

# Premises: three per building of the first four; the first of each is a unit of its own.
w("C;Lokale")
for i in range(12):
    elementy = [f"D,G5IDL,D,{OBR}.{i + 1}_BUD.{i % 3 + 1}_LOK;", "D,G5TLOK,D,1;",
                f"D,G5PPP,D,{12 + i}.5;", f"D,G5LIZ,D,{2 + i % 3};", "D,G5LPP,D,1;",
                f"WG,G5RBUD,G5BUD,{3001 + i // 3};", f"WG,G5RADR,G5ADR,{8001 + i // 3};"]
    if i % 3 == 0:
        elementy += [f"WG,G5RJDR,G5JDR,{6017 + i // 3};", f"WG,G5RPWŁ,G5DOK,{DOK_PRAWO};"]
    rekord("RO", "G5LKL", 2001 + i, elementy=elementy)
for i in range(4):  # rights to the land that go with the premises units
    rekord("RO", "G5JRZ", 1501 + i, elementy=[
        f"WG,G5RJRW,G5JDR,{6017 + i};", f"WG,G5RJRO,G5JDR,{6001 + i};",
        f"WG,G5RDOK,G5DOK,{DOK_PRAWO};"])

# Ownership shares: one or two per unit; possession shares of the institutions.
w("C;Udziały")
udzial = 1001
for jdr in range(20):
    wlasciciele = [7001 + jdr % 15] if jdr % 3 else [7001 + jdr % 15, 7101 + jdr % 3]
    for podmiot in wlasciciele:
        typ = "G5OSF" if podmiot < 7100 else "G5INS"
        rekord("RO", "G5UDZ", udzial, elementy=[
            "D,G5RWD,D,1;", "D,G5LCL,D,1;", f"D,G5MNK,D,{len(wlasciciele)};",
            f"WG,G5RWŁS,G5JDR,{6001 + jdr};", f"WG,G5RPOD,{typ},{podmiot};"])
        udzial += 1
rekord("RO", "G5UDZ", 1090, status="12", elementy=[
    "D,G5RWD,D,1;", "D,G5LCL,D,1;", "D,G5MNK,D,1;", "WG,G5RWŁS,G5JDR,6012;",
    "WG,G5RPOD,G5OSF,7090;"])
rekord("RO", "G5UDZ", 1091, elementy=[  # a couple's joint share
    "D,G5RWD,D,1;", "D,G5LCL,D,1;", "D,G5MNK,D,1;", "WG,G5RWŁS,G5JDR,6010;",
    "WG,G5RPOD,G5MLZ,7201;"])
for i in range(4):
    rekord("RO", "G5UDW", 1101 + i, elementy=[
        "D,G5RWD,D,4;", "D,G5DWW,D,2030-12-31;", f"WG,G5RWŁD,G5JDR,{6011 + i};",
        f"WG,G5RPOD,G5INS,{7101 + i % 3};"])

# Leases: lease 1201 covers a building only, lease 1202 covers two parcels.
w("C;Dzierżawy")
for i in range(2):
    rekord("RO", "G5DZW", 1201 + i, elementy=[
        "D,G5GSP,D,1;", f"D,G5LPIS,D,{40000 + i};", f"WG,G5RDOK,G5DOK,{DOK_DZIERZAWA};"])
rekord("RO", "G5PDZ", 1301, elementy=["WG,G5RPRZ,G5DZW,1201;", "WG,G5REPZ,G5BUD,3001;"])
rekord("RO", "G5PDZ", 1302, elementy=["WG,G5RPRZ,G5DZW,1202;", "WG,G5REPZ,G5DZE,5005;",
                                      "WG,G5REPZ,G5BUD,3002;"])
rekord("RO", "G5PDZ", 1303, elementy=["WG,G5RPRZ,G5DZW,1202;", "WG,G5REPZ,G5DZE,5006;"])
for i in range(3):
    rekord("RO", "G5UDD", 1401 + i, elementy=[
        "D,G5LCL,D,1;", f"D,G5MNK,D,{1 + i // 2};", f"WG,G5RWPZ,G5DZW,{1201 + i // 2};",
        f"WG,G5RPOD,G5OSF,{7005 + i};"])

# Changes, boundaries and contours.
w("C;Zmiany")
for i in range(3):
    rekord("RO", "G5ZMN", 9501 + i, elementy=[
        f"D,G5NRZ,D,2019/{15 + i};", "D,G5STZ,D,1;", f"D,G5DZZ,D,2019-04-{2 + i:02d};",
        f"WG,G5ROBJ,G5DZE,{5023 + i % 2};", f"WG,G5ROBJ,G5BUD,{3001 + i};",
        f"WG,G5RDOK,G5DOK,{DOK_ZMIANA};", f"WG,G5RPOD,G5OSF,{7001 + i};"])
w("C;Granice i kontury")
for i in range(4):
    rekord("RO", "G5GRN", 9601 + i, geometria=[f"P,P,G5PZG,{4001 + i};", f"P,P,G5PZG,{4002 + i};"],
           elementy=[f"WG,G5RKRG,G5DOK,{DOK_GRANICE};"])
for i, typ in enumerate(["G5UZG", "G5UZG", "G5KKL", "G5KKL"]):
    rekord("RO", typ, 9701 + i, geometria=obrys(10 * i, 3), elementy=[
        f"D,G5OFU,D,{'RB'[i % 2]};", "WG,G5ROBR,G5OBR,2;"])

w("SX;", "SWDEX;")

sciezka = os.path.join(os.path.dirname(os.path.abspath(__file__)), "obreb_przykladowy.swd")
with open(sciezka, "wb") as plik:
    plik.write("\r\n".join(linie).encode("iso-8859-2") + b"\r\n")
print(sciezka, len(linie), "lines")
