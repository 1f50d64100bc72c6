// At a device pixel ratio of 2 the layout and its adaptation work in logical pixels: the
// window fills its logical screen as it does at 1, drawn with twice the pixels.
#include <QGuiApplication>
#include <QScreen>
#include <QTest>
#include <cmath>

#include "Etichetta.h"
#include "Piattaforma.h"
#include "frmAlmanacco.h"

using namespace almanacco;
using namespace almanacco::nomi;

class TestHiDpi : public QObject {
  Q_OBJECT

 private slots:
  void fillsItsLogicalScreen() {
    QCOMPARE(qApp->devicePixelRatio(), 2.0);
    const PiattaformaDiSistema sistema;
    QCOMPARE(sistema.twipsPerPixel(), 15.0);  // logical pixels, at 96 dots per inch
    frmAlmanacco form(sistema);
    form.show();
    const QSize schermo = QGuiApplication::primaryScreen()->size();
    QCOMPARE(form.size(), schermo);
    QCOMPARE(form.grab().size(), schermo * 2);

    // A cell keeps its place in proportion to the screen, in logical pixels.
    const double fx = schermo.width() / 1024.0, fy = schermo.height() / 768.0;
    const QRect giorno = form.etichetta(lblGiorni(1))->geometry();
    QCOMPARE(giorno.x(), static_cast<int>(std::lround(1365 / 15.0 * fx)));
    QCOMPARE(giorno.y(), static_cast<int>(std::lround(4725 / 15.0 * fy)));
    QVERIFY(form.etichetta(lblNomeCompleto)->geometry().bottom() < schermo.height());
  }
};

QTEST_MAIN(TestHiDpi)
#include "hidpi_test.moc"
