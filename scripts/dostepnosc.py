#!/usr/bin/python3
# Reads the running window over AT-SPI as a screen reader does and lists every field, list,
# button and bar with the name and description it is announced by; fails when one has no name.
import sys
import time

import pyatspi

ROLE = {'text', 'entry', 'spin button', 'date editor', 'list', 'push button', 'progress bar',
        'check box'}


def okno():
    for _ in range(60):
        pulpit = pyatspi.Registry.getDesktop(0)
        for i in range(pulpit.childCount):
            aplikacja = pulpit.getChildAtIndex(i)
            if aplikacja is not None and aplikacja.name == 'kelvor':
                return aplikacja
        time.sleep(0.5)
    return None


def przejdz(obiekt, bez_nazwy):
    try:
        rola = obiekt.getRoleName()
    except Exception:
        return
    if rola in ROLE:
        print(f'{rola}\t{obiekt.name}\t{obiekt.description}')
        if not obiekt.name:
            bez_nazwy.append(rola)
    for i in range(obiekt.childCount):
        przejdz(obiekt.getChildAtIndex(i), bez_nazwy)


aplikacja = okno()
if aplikacja is None:
    print('the window did not appear on the accessibility bus')
    sys.exit(1)
bez_nazwy = []
przejdz(aplikacja, bez_nazwy)
if bez_nazwy:
    print(f'{len(bez_nazwy)} without a name: {", ".join(bez_nazwy)}')
    sys.exit(1)
print('every field has its own name')
