// Start-up on chosen days and screens: today's cells, header and result line, and the
// layout fitted to the screen.
#include <QTest>
#include <cmath>

#include "Avvio.h"
#include "Controlli.h"
#include "prova.h"

using namespace almanacco;
using namespace almanacco::nomi;
using almanacco::prova::Finestra;

Q_DECLARE_METATYPE(std::optional<almanacco::SchermoTwips>)

namespace {
using Indici = std::vector<int>;
}

class TestAvvio : public QObject {
  Q_OBJECT

 private slots:
  // Why no window opened, from what Qt said while starting its platform.
  void namesTheCauseOfAFailedStart_data() {
    QTest::addColumn<QStringList>("messaggi");
    QTest::addColumn<QString>("causa");
    const QString pianta = QStringLiteral(
        "Could not load the Qt platform plugin \"%1\" in \"\" even though it was found.");
    QTest::newRow("X11 display") << QStringList{"could not connect to display :99",
                                                pianta.arg("xcb")}
                                 << "impossibile aprire il display :99";
    QTest::newRow("Wayland, then X11 with no display named")
        << QStringList{"Failed to create wl_display (No such file or directory)",
                       pianta.arg("wayland"), "could not connect to display ", pianta.arg("xcb")}
        << "impossibile aprire il display Wayland wayland-9";
    QTest::newRow("Wayland's plugin missing")
        << QStringList{"Could not find the Qt platform plugin \"wayland\" in \"\""}
        << "la piattaforma grafica \"wayland\" non è disponibile (pacchetto qt6-wayland)";
    QTest::newRow("a plugin that does not start")
        << QStringList{pianta.arg("eglfs")} << "la piattaforma grafica \"eglfs\" non si avvia";
    QTest::newRow("nothing understood") << QStringList{"This application failed to start"}
                                        << QString::fromUtf8(kServeUnDisplay.data());
  }
  void namesTheCauseOfAFailedStart() {
    QFETCH(QStringList, messaggi);
    QFETCH(QString, causa);
    std::vector<std::string> testi;
    for (const QString& m : messaggi) testi.push_back(m.toStdString());
    QCOMPARE(QString::fromStdString(causaDelFallimento(testi, "wayland-9")), causa);
  }

  void opensOnToday_data() {
    QTest::addColumn<int>("giorno");
    QTest::addColumn<int>("mese");
    QTest::addColumn<int>("anno");
    QTest::addColumn<QStringList>("holders");  // day, month, century, decade, unit, year
    QTest::addColumn<QString>("riga");
    QTest::addColumn<Indici>("nascosti");
    QTest::newRow("7 March 2024") << 7 << 3 << 2024 << QStringList{"7", "3", "6", "2", "4", "2024"}
                                  << "7 Marzo 2024: Giovedì" << Indici{};
    QTest::newRow("the 5th, not the 05th")
        << 5 << 7 << 1999 << QStringList{"5", "7", "5", "9", "9", "1999"} << "5 Luglio 1999: Lunedì"
        << Indici{};
    QTest::newRow("October is 10, not 1")
        << 1 << 10 << 2026 << QStringList{"1", "10", "6", "2", "6", "2026"}
        << "1 Ottobre 2026: Giovedì" << Indici{};
    QTest::newRow("last day the window offers")
        << 31 << 12 << 2299 << QStringList{"31", "12", "8", "9", "9", "2299"}
        << "31 Dicembre 2299: Domenica" << Indici{};
    QTest::newRow("a year past the centuries: no century cell")
        << 4 << 5 << 2300 << QStringList{"4", "5", "0", "0", "0", "00"} << "4 Maggio 00: Martedì"
        << Indici{};
    QTest::newRow("a three-digit year")
        << 2 << 8 << 999 << QStringList{"2", "8", "0", "9", "9", "99"} << "2 Agosto 99: Venerdì"
        << Indici{};
    QTest::newRow("a February opens with its own days")
        << 10 << 2 << 2023 << QStringList{"10", "2", "6", "2", "3", "2023"}
        << "10 Febbraio 2023: Venerdì" << Indici{29, 30, 31};
    QTest::newRow("an April has no 31st")
        << 30 << 4 << 2026 << QStringList{"30", "4", "6", "2", "6", "2026"}
        << "30 Aprile 2026: Giovedì" << Indici{31};
    QTest::newRow("29 February 2400 is in the Julian year 00")
        << 29 << 2 << 2400 << QStringList{"29", "2", "0", "0", "0", "00"}
        << "29 Febbraio 00: Domenica" << Indici{30, 31};
  }
  void opensOnToday() {
    QFETCH(int, giorno);
    QFETCH(int, mese);
    QFETCH(int, anno);
    QFETCH(QStringList, holders);
    QFETCH(QString, riga);
    QFETCH(Indici, nascosti);
    Finestra f({giorno, mese, anno});
    const LabelId ids[] = {lblGiornoSel, lblMeseSel,  lblSecoloSel,
                           lblDecineSel, lblUnitàSel, lblAnno};
    for (int i = 0; i < 6; ++i) QCOMPARE(QString::fromStdString(f[ids[i]]), holders[i]);
    QCOMPARE(QString::fromStdString(f[lblNomeCompleto]), riga);
    QCOMPARE(f[lblFinale(0)], holders[0].toStdString());

    // One highlighted cell per group, the one its holder names; none for no century.
    const Nome gruppi[] = {lblGiorni, lblMese, lblSecolo, lblDecine, lblUnità};
    for (int i = 0; i < 5; ++i) {
      const bool senzaSecolo = i == 2 && holders[2] == "0";
      QCOMPARE(f.evidenziate(gruppi[i]), senzaSecolo ? Indici{} : Indici{holders[i].toInt()});
    }
    // The day cells are the month's own from the start.
    QCOMPARE(f.giorniNascosti(), nascosti);
  }

  void fitsTheScreen_data() {
    QTest::addColumn<std::optional<SchermoTwips>>("schermo");
    QTest::addColumn<QRectF>("giorno1");  // lblGiorni(1) in twips after start-up
    QTest::addColumn<double>("punti");    // its font size
    QTest::addColumn<double>("titolo");   // the title's font size
    QTest::addColumn<QSizeF>("finestra");
    const auto schermo = [](double w, double h) { return std::optional{SchermoTwips{w, h}}; };
    QTest::newRow("1024x768 at 15: as drawn")
        << schermo(15360, 11520) << QRectF(1365, 4725, 435, 435) << 14.25 << 36.0
        << QSizeF(15360, 11520);
    QTest::newRow("1366x768: height as drawn, so no change")
        << schermo(20490, 11520) << QRectF(1365, 4725, 435, 435) << 14.25 << 36.0
        << QSizeF(15360, 11520);
    QTest::newRow("1280x1024") << schermo(19200, 15360) << QRectF(1706.25, 6300, 543.75, 580)
                               << 16.8369 << 42.5354 << QSizeF(19200, 15360);
    QTest::newRow("1920x1080: cells wider than tall")
        << schermo(28800, 16200) << QRectF(2559.375, 6644.53125, 815.625, 611.71875)
        << 14.25 * 16200 / 13000 << 36 * 16200 / 13000.0 << QSizeF(28800, 16200);
    QTest::newRow("800x600") << schermo(12000, 9000)
                             << QRectF(1066.40625, 3691.40625, 339.84375, 339.84375)
                             << 14.25 * 9000 / 13000 << 36 * 9000 / 13000.0 << QSizeF(12000, 9000);
    QTest::newRow("1024x768 at 12 twips a pixel")
        << schermo(12288, 9216) << QRectF(1092, 3780, 348, 348) << 14.25 * 9216 / 13000
        << 36 * 9216 / 13000.0 << QSizeF(12288, 9216);
    QTest::newRow("no screen: as drawn")
        << std::optional<SchermoTwips>{} << QRectF(1365, 4725, 435, 435) << 14.25 << 36.0
        << QSizeF(15360, 11520);
    QTest::newRow("a screen of zero size: as drawn")
        << schermo(0, 0) << QRectF(1365, 4725, 435, 435) << 14.25 << 36.0 << QSizeF(15360, 11520);
    QTest::newRow("a screen of no height: as drawn")
        << schermo(19200, 0) << QRectF(1365, 4725, 435, 435) << 14.25 << 36.0
        << QSizeF(15360, 11520);
  }
  void fitsTheScreen() {
    QFETCH(std::optional<SchermoTwips>, schermo);
    QFETCH(QRectF, giorno1);
    QFETCH(double, punti);
    QFETCH(double, titolo);
    QFETCH(QSizeF, finestra);
    Finestra f({7, 3, 2024}, schermo);
    const auto& g = f.cella(lblGiorni(1));
    QCOMPARE(QRectF(g.Left(), g.Top(), g.Width(), g.Height()), giorno1);
    QVERIFY2(std::abs(g.FontSize() - punti) < 1e-3, qPrintable(QString::number(g.FontSize())));
    QVERIFY(std::abs(f.cella(lblSCritteVarie(5)).FontSize() - titolo) < 1e-3);
    QCOMPARE(QSizeF(f.form.Width(), f.form.Height()), finestra);
    // Hidden controls keep the layout's own place and font, whatever the screen.
    const auto& holder = f.cella(lblGiornoSel);
    QCOMPARE(QRectF(holder.Left(), holder.Top(), holder.Width(), holder.Height()),
             QRectF(4515, 6825, 435, 435));
    QCOMPARE(f.cella(lblFinale(1)).FontSize(), 27.75F);
    QCOMPARE(f.cella(lblNome(0)).Left(), 5625.0F);
    // The spare day cell is scaled with its array.
    QCOMPARE(f.cella(lblGiorni(0)).Left(), static_cast<float>(3420 * giorno1.width() / 435));
  }

  void scaledCellsStillTileWithoutGaps() {
    // 1280x1024: 1706.25 twips is 113.75 pixels; rounding edges, not sizes, keeps the
    // gap between neighbouring days the same everywhere on the row.
    Finestra f({7, 3, 2024}, SchermoTwips{19200, 15360});
    for (std::int16_t d = 1; d < 7; ++d) {
      const QRect a = f.cella(lblGiorni(d)).geometry(), b = f.cella(lblGiorni(d + 1)).geometry();
      const int passo = b.left() - a.left();
      QVERIFY2(passo == 43 || passo == 44, qPrintable(QString::number(passo)));
    }
    QCOMPARE(f.form.size(), QSize(1280, 1024));
  }
};

QTEST_MAIN(TestAvvio)
#include "startup_test.moc"
