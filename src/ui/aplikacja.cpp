#include "ui/aplikacja.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QPainter>
#include <QPixmap>
#include <QPolygonF>
#include <QTranslator>

bool PrzygotujAplikacje(QApplication& aplikacja) {
    QLocale::setDefault(QLocale(QLocale::Polish, QLocale::Poland));
    auto* pTlumacz = new QTranslator(&aplikacja);
    // Beside the program first (a Windows installation), then where Qt keeps its translations.
    const QString astrKatalogi[] = {QApplication::applicationDirPath() + "/translations",
                                    QApplication::applicationDirPath(),
                                    QLibraryInfo::path(QLibraryInfo::TranslationsPath)};
    for (const QString& strKatalog : astrKatalogi) {
        if (pTlumacz->load(QStringLiteral("qtbase_pl"), strKatalog))
            return QApplication::installTranslator(pTlumacz);
    }
    delete pTlumacz;
    return false;
}

QIcon IkonaProgramu() {
    QIcon ikona;
    for (const int n : {16, 24, 32, 48, 64}) {
        QPixmap obraz(n, n);
        obraz.fill(Qt::transparent);
        QPainter malarz(&obraz);
        malarz.setRenderHint(QPainter::Antialiasing);
        malarz.scale(n / 64.0, n / 64.0);
        // A sheet with a folded corner and lines of data.
        malarz.setPen(QPen(QColor(70, 70, 70), 2.5));
        malarz.setBrush(Qt::white);
        malarz.drawPolygon(QPolygonF({{10, 3}, {40, 3}, {52, 15}, {52, 61}, {10, 61}}));
        malarz.setPen(QPen(QColor(40, 90, 160), 4));
        for (const int y : {18, 27, 36})
            malarz.drawLine(17, y, 44, y);
        // A funnel: what passes through is filtered.
        malarz.setPen(QPen(QColor(110, 20, 20), 2));
        malarz.setBrush(QColor(205, 45, 40));
        malarz.drawPolygon(QPolygonF({{28, 34}, {62, 34}, {49, 47}, {49, 62}, {41, 62}, {41, 47}}));
        ikona.addPixmap(obraz);
    }
    return ikona;
}
