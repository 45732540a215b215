#include "ui/tekst.h"

#include <QDir>
#include <QFileInfo>

#include "swde/kodowanie.h"

QString Q(const std::string& strCp1250) {
    return QString::fromStdString(kodowanie::Cp1250DoUtf8(strCp1250));
}

std::string Cp(const QString& str) {
    return kodowanie::Utf8DoCp1250(str.toStdString());
}

bool SciezkaSilnika(const QString& strSciezka, std::string& strCp1250) {
    const QString strPelna = QDir::toNativeSeparators(QFileInfo(strSciezka).absoluteFilePath());
    strCp1250 = Cp(strPelna);
    return Q(strCp1250) == strPelna;
}

QString SciezkaOkna(const std::string& strCp1250) {
    return QDir::toNativeSeparators(Q(strCp1250));
}

QString TekstNazwySpozaStrony(const QString& strSciezka) {
    return QStringLiteral("Nazwa pliku zawiera znaki, których program nie obsługuje "
                          "(spoza strony kodowej 1250):\n") +
           QDir::toNativeSeparators(strSciezka);
}
