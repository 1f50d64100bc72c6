// A user without a mouse: Tab among the groups, arrows, Home, End and Space on the cells,
// checked against the result line and the highlights; and a mouse user who never sees a
// focus mark.
#include <QApplication>
#include <QClipboard>
#include <QTest>

#include "Controlli.h"
#include "prova.h"

using namespace almanacco;
using namespace almanacco::nomi;
using almanacco::prova::Finestra;

Q_DECLARE_METATYPE(almanacco::Data)

namespace {

// Shift+Tab, as one number in a list of keys.
constexpr int kMaiuscolo = 0x02000000;
constexpr int kBacktab = Qt::Key_Tab | kMaiuscolo;

// Keys as a user types them, Shift+Tab as one number in a list.
void digita(Finestra& f, const QList<int>& tasti) {
  for (const int tasto : tasti)
    prova::digita(f.form, static_cast<Qt::Key>(tasto & ~kMaiuscolo),
                  (tasto & kMaiuscolo) ? Qt::ShiftModifier : Qt::NoModifier);
}

Etichetta* cellaConIlSegno(const Finestra& f) {
  for (const Controllo& riga : tabellaControlli())
    if (auto* e = f.form.etichetta(riga.id()); e && e->segnoFuoco()) return e;
  return nullptr;
}

}  // namespace

class TestTastiera : public QObject {
  Q_OBJECT

 private slots:
  void keysComposeDates_data() {
    QTest::addColumn<Data>("oggi");
    QTest::addColumn<QList<int>>("tasti");
    QTest::addColumn<QString>("riga");
    using Q = QList<int>;
    const Data dicembre{8, 12, 2026};
    QTest::newRow("Right: the next day")
        << dicembre << Q{Qt::Key_Right} << "9 Dicembre 2026: Mercoledì";
    QTest::newRow("15 June 1957, group by group")
        << dicembre
        << Q{Qt::Key_Down, Qt::Key_Tab,   Qt::Key_Up,    Qt::Key_Up,    Qt::Key_Tab, Qt::Key_Left,
             Qt::Key_Tab,  Qt::Key_Right, Qt::Key_Right, Qt::Key_Right, Qt::Key_Tab, Qt::Key_Right}
        << "15 Giugno 1957: Sabato";
    QTest::newRow("Shift+Tab wraps to the unit")
        << dicembre << Q{kBacktab, Qt::Key_Home} << "8 Dicembre 2021: Mercoledì";
    QTest::newRow("Tab wraps back to the day")
        << dicembre
        << Q{Qt::Key_Tab, Qt::Key_Tab, Qt::Key_Tab, Qt::Key_Tab, Qt::Key_Tab, Qt::Key_End}
        << "31 Dicembre 2026: Giovedì";
    QTest::newRow("the 0 under the 8")
        << dicembre << Q{kBacktab, Qt::Key_Down, Qt::Key_Left, Qt::Key_Down}
        << "8 Dicembre 2020: Martedì";
    QTest::newRow("nothing wraps at an edge")
        << dicembre << Q{Qt::Key_Home, Qt::Key_Left, Qt::Key_Up} << "1 Dicembre 2026: Martedì";
    // A month key brings the month's length: the 31st shows as the 28th, and End then
    // stops at the last day shown.
    QTest::newRow("into February")
        << Data{31, 1, 2023} << Q{Qt::Key_Tab, Qt::Key_Right, kBacktab, Qt::Key_End}
        << "28 Febbraio 2023: Martedì";
    QTest::newRow("no hidden day is a target")
        << Data{28, 2, 2023}
        << Q{Qt::Key_Tab, Qt::Key_Home, Qt::Key_Right, kBacktab, Qt::Key_Right, Qt::Key_Down}
        << "28 Febbraio 2023: Martedì";
    // A year key brings the year's days: 10 October 1582 never was, and the day before
    // the ten that never were stands for it.
    QTest::newRow("into 1582 by the unit")
        << Data{10, 10, 1581} << Q{kBacktab, Qt::Key_Right} << "4 Ottobre 1582: Giovedì";
    QTest::newRow("and out again, to the chosen day")
        << Data{10, 10, 1581} << Q{kBacktab, Qt::Key_Right, Qt::Key_Right}
        << "10 Ottobre 1583: Lunedì";
    QTest::newRow("across and down over the ten missing days")
        << Data{4, 10, 1582} << Q{Qt::Key_Right, Qt::Key_Left, Qt::Key_Down}
        << "18 Ottobre 1582: Lunedì";
    // After 2299 no century is highlighted: Tab lands on 1500, Space chooses it.
    QTest::newRow("Space in a group with no highlight")
        << Data{1, 1, 2300} << Q{Qt::Key_Tab, Qt::Key_Tab, Qt::Key_Space}
        << "1 Gennaio 1500: Mercoledì";
    QTest::newRow("Escape and letters do nothing")
        << dicembre << Q{Qt::Key_Escape, Qt::Key_A, Qt::Key_5} << "8 Dicembre 2026: Martedì";
  }
  void keysComposeDates() {
    QFETCH(Data, oggi);
    QFETCH(QList<int>, tasti);
    QFETCH(QString, riga);
    Finestra f(oggi);
    f.form.show();
    QVERIFY(QTest::qWaitForWindowActive(&f.form));
    digita(f, tasti);
    QCOMPARE(QString::fromStdString(f[lblNomeCompleto]), riga);
    QVERIFY(f.form.isVisible());
  }

  // The desktop's copy keys put the answer on the clipboard, and change nothing shown.
  void theCopyKeysCopyTheAnswer_data() {
    QTest::addColumn<int>("tasto");
    QTest::newRow("Ctrl+C") << int(Qt::Key_C);
    QTest::newRow("Ctrl+Insert") << int(Qt::Key_Insert);
  }
  void theCopyKeysCopyTheAnswer() {
    QFETCH(int, tasto);
    Finestra f({15, 6, 1957});
    f.form.show();
    QVERIFY(QTest::qWaitForWindowActive(&f.form));
    QGuiApplication::clipboard()->clear();
    const QImage prima = f.form.grab().toImage();
    prova::digita(f.form, static_cast<Qt::Key>(tasto), Qt::ControlModifier);
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("15 Giugno 1957: Sabato"));
    QCOMPARE(f.form.grab().toImage(), prima);
  }

  // What the copy keys put on the clipboard the paste keys read back: the copied date
  // comes back after other clicks.
  void aCopiedAnswerPastesBack() {
    Finestra f({15, 6, 1957});
    f.form.show();
    QVERIFY(QTest::qWaitForWindowActive(&f.form));
    prova::digita(f.form, Qt::Key_C, Qt::ControlModifier);
    for (const LabelId cella : {lblSecolo(2), lblMese(3), lblGiorni(29)})
      QTest::mouseClick(&f.cella(cella), Qt::LeftButton);
    QCOMPARE(f[lblNomeCompleto], std::string("29 Marzo 1657: Giovedì"));
    prova::digita(f.form, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(f[lblNomeCompleto], std::string("15 Giugno 1957: Sabato"));
    QCOMPARE(f.evidenziate(lblMese), std::vector<int>{6});
  }

  // The paste keys read the clipboard as the terminal reads a date. A date the window
  // offers chooses its five cells; anything else leaves every pixel and tells why.
  void thePasteKeysChooseADate_data() {
    QTest::addColumn<QString>("testo");
    QTest::addColumn<QString>("riga");  // empty: refused
    QTest::addColumn<QString>("perché");
    QTest::newRow("a date, blanks and a line end around")
        << QStringLiteral(" 29/2/1500\r\n") << QStringLiteral("29 Febbraio 1500: Sabato") << "";
    QTest::newRow("Julian, before the reform")
        << QStringLiteral("1582-10-04") << QStringLiteral("4 Ottobre 1582: Giovedì") << "";
    QTest::newRow("two dates") << QStringLiteral("1/1/2000\n2/1/2000") << ""
                               << QStringLiteral("non è una data");
    QTest::newRow("a day that never was")
        << QStringLiteral("10/10/1582") << ""
        << QStringLiteral("in Italia al 4 ottobre 1582 seguì il 15");
    QTest::newRow("a year the window does not offer")
        << QStringLiteral("12/10/1492") << "" << QStringLiteral("dal 1500 al 2299");
    QTest::newRow("a year cut short")
        << QStringLiteral("15/6/57") << "" << QStringLiteral("anno incompleto: 57");
    QTest::newRow("the window's own answer") << QStringLiteral("8 Dicembre 2026: Martedì")
                                             << QStringLiteral("8 Dicembre 2026: Martedì") << "";
    QTest::newRow("a document's date in words") << QStringLiteral("sabato, 1° gennaio 1600")
                                                << QStringLiteral("1 Gennaio 1600: Sabato") << "";
    QTest::newRow("a month in Roman numerals")
        << QStringLiteral("4.X.1582") << QStringLiteral("4 Ottobre 1582: Giovedì") << "";
    QTest::newRow("a weekday the date does not have")
        << QStringLiteral("lunedì 2 giugno 1957") << ""
        << QStringLiteral("cade di domenica, non di lunedì");
  }
  void thePasteKeysChooseADate() {
    QFETCH(QString, testo);
    QFETCH(QString, riga);
    QFETCH(QString, perché);
    for (const auto& [tasto, modificatore] : {std::pair{Qt::Key_V, Qt::ControlModifier},
                                              std::pair{Qt::Key_Insert, Qt::ShiftModifier}}) {
      Finestra f({15, 6, 1957});
      f.form.show();
      QVERIFY(QTest::qWaitForWindowActive(&f.form));
      QGuiApplication::clipboard()->setText(testo);
      const QImage prima = f.form.grab().toImage();
      prova::digita(f.form, tasto, modificatore);
      const QString descrizione = f.form.descrizione(f.form.gruppoAttivo(), f.form.cellaAttiva());
      if (riga.isEmpty()) {
        QCOMPARE(f.form.grab().toImage(), prima);
        QVERIFY2(descrizione.contains(perché), qPrintable(descrizione));
        continue;
      }
      QCOMPARE(QString::fromStdString(f[lblNomeCompleto]), riga);
      QCOMPARE(descrizione, QStringLiteral("Giorno. ") + riga);
      // The cells that clicks would have chosen, and only those: day, century, decade, unit.
      const QStringList parti = riga.split(' ');
      const int anno = parti[2].chopped(1).toInt();
      std::vector<int> scelte;
      for (const Nome gruppo : {lblGiorni, lblSecolo, lblDecine, lblUnità, lblMese})
        for (const int i : f.evidenziate(gruppo)) scelte.push_back(i);
      QCOMPARE(scelte.size(), std::size_t{5});
      scelte.pop_back();
      QCOMPARE(scelte,
               (std::vector<int>{parti[0].toInt(), anno / 100 - 14, anno / 10 % 10, anno % 10}));
    }
  }

  // The focus mark comes with a key and goes with the next click; it stays inside the
  // cell, whose highlight still shows at its centre.
  void theFocusMarkIsForKeysOnly() {
    Finestra f({15, 6, 1957});
    f.form.show();
    QVERIFY(QTest::qWaitForWindowActive(&f.form));
    const QImage foto(QStringLiteral(ALMANACCO_FOTO));
    QVERIFY(!foto.isNull());
    const auto comeLaFoto = [&] {
      return f.form.grab().toImage() == foto.convertToFormat(f.form.grab().toImage().format());
    };

    // Mouse alone, every group and back: not one pixel differs from the README's picture.
    for (const LabelId cella : {lblGiorni(3), lblSecolo(2), lblDecine(9), lblUnità(0),
                                lblGiorni(15), lblSecolo(5), lblDecine(5), lblUnità(7)})
      QTest::mouseClick(&f.cella(cella), Qt::LeftButton);
    QCOMPARE(cellaConIlSegno(f), nullptr);
    QVERIFY(comeLaFoto());

    digita(f, {Qt::Key_Tab});  // from the unit, last clicked, round to the day
    QCOMPARE(cellaConIlSegno(f), &f.cella(lblGiorni(15)));
    const QImage cella = f.cella(lblGiorni(15)).grab().toImage();
    QCOMPARE(cella.pixelColor(cella.rect().center()), QColor(255, 192, 192));
    QVERIFY(!comeLaFoto());

    QTest::mouseClick(&f.cella(lblDecine(5)), Qt::LeftButton);
    QCOMPARE(cellaConIlSegno(f), nullptr);
    QCOMPARE(f.form.gruppoAttivo(), Gruppo::Decina);
    QVERIFY(comeLaFoto());
  }
};

QTEST_MAIN(TestTastiera)
#include "keyboard_test.moc"
