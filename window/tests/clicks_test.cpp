// A user at the window: real mouse clicks on the cells and real key presses.
#include <QTest>
#include <algorithm>

#include "luoghi.h"
#include "prova.h"

using namespace almanacco;
using namespace almanacco::nomi;
using almanacco::prova::Finestra;

namespace {
using Indici = std::vector<int>;

// A left click on a cell, as a user makes it: only a shown cell can be clicked.
void clicca(Finestra& f, LabelId id) {
  auto& cella = f.cella(id);
  QVERIFY2(cella.isVisibleTo(&f.form), "a hidden cell cannot be clicked");
  QTest::mouseClick(&cella, Qt::LeftButton);
}

// Clicks the cells of a whole date: century, decade, unit, month, day.
void componi(Finestra& f, int giorno, int mese, int anno) {
  clicca(f, lblSecolo(static_cast<std::int16_t>(anno / 100 - 14)));
  clicca(f, lblDecine(static_cast<std::int16_t>(anno / 10 % 10)));
  clicca(f, lblUnità(static_cast<std::int16_t>(anno % 10)));
  clicca(f, lblMese(static_cast<std::int16_t>(mese)));
  clicca(f, lblGiorni(static_cast<std::int16_t>(giorno)));
}

}  // namespace

class TestClick : public prova::ConFinestra {
  Q_OBJECT

 private slots:

  void composes15June1957() {
    auto& f = finestra();
    componi(f, 15, 6, 1957);
    QCOMPARE(f[lblNomeCompleto], std::string("15 Giugno 1957: Sabato"));
    const char* intestazione[] = {"S", "D", "L", "Ma", "Me", "G", "V"};
    for (std::int16_t c = 1; c <= 7; ++c) {
      QCOMPARE(f[lblNome(c)], std::string(intestazione[c - 1]));
      QCOMPARE(f.cella(lblNome(c)).ForeColor(), c == 2 ? kRossoScuro : kNero);
    }
    for (std::int16_t d = 1; d <= 31; ++d)
      QCOMPARE(f.cella(lblGiorni(d)).ForeColor(), (d - 1) % 7 == 1 ? kRossoScuro : kNero);
    QCOMPARE(f.evidenziate(lblGiorni), Indici{15});
    QCOMPARE(f.evidenziate(lblMese), Indici{6});
    QCOMPARE(f.evidenziate(lblSecolo), Indici{5});
    QCOMPARE(f.evidenziate(lblDecine), Indici{5});
    QCOMPARE(f.evidenziate(lblUnità), Indici{7});
  }

  // Every order of the same five clicks gives the same date, also when the chosen day
  // is missing from a month or year clicked on the way, or from the date itself. (An
  // order that would click the day while it is hidden is one no user can make.)
  void theOrderOfClicksDoesNotMatter_data() {
    QTest::addColumn<Indici>("data");  // day, month, century cell, decade, unit
    QTest::addColumn<QString>("riga");
    QTest::newRow("15 October 1782") << Indici{15, 10, 3, 8, 2} << "15 Ottobre 1782: Martedì";
    QTest::newRow("29 February of a leap year")
        << Indici{29, 2, 6, 2, 4} << "29 Febbraio 2024: Giovedì";
    QTest::newRow("the 31st into a 30-day month")
        << Indici{31, 4, 6, 2, 4} << "30 Aprile 2024: Martedì";
    QTest::newRow("a day of the ten that never were")
        << Indici{10, 10, 1, 8, 2} << "4 Ottobre 1582: Giovedì";
  }
  void theOrderOfClicksDoesNotMatter() {
    QFETCH(Indici, data);
    QFETCH(QString, riga);
    const Nome gruppi[] = {lblGiorni, lblMese, lblSecolo, lblDecine, lblUnità};
    Indici ordine{0, 1, 2, 3, 4};
    int ordini = 0;
    do {
      Finestra f({8, 12, 2026});
      const auto possibile = [&](int i) {
        const auto& cella = f.cella(gruppi[i](static_cast<std::int16_t>(data[i])));
        if (!cella.isVisibleTo(&f.form)) return false;
        QTest::mouseClick(const_cast<Etichetta*>(&cella), Qt::LeftButton);
        return true;
      };
      if (!std::all_of(ordine.begin(), ordine.end(), possibile)) continue;
      QCOMPARE(QString::fromStdString(f[lblNomeCompleto]), riga);
      ++ordini;
    } while (std::next_permutation(ordine.begin(), ordine.end()));
    // The day is clickable at least while the month or the year is still to come.
    QVERIFY2(ordini >= 40, qPrintable(QString::number(ordini)));
  }

  void monthsAndDays_data() {
    QTest::addColumn<int>("anno");
    QTest::addColumn<int>("giornoPrima");
    QTest::addColumn<int>("mesePrima");
    QTest::addColumn<int>("mese");
    QTest::addColumn<Indici>("nascosti");
    QTest::addColumn<int>("giornoDopo");
    QTest::addColumn<QString>("riga");
    // Days from history: the month clicked again after the date is composed.
    const Indici ottobre1582{5, 6, 7, 8, 9, 10, 11, 12, 13, 14};
    QTest::newRow("1900 is no leap year")
        << 1900 << 1 << 1 << 1 << Indici{} << 1 << "1 Gennaio 1900: Lunedì";
    QTest::newRow("the last Julian day")
        << 1582 << 4 << 10 << 10 << ottobre1582 << 4 << "4 Ottobre 1582: Giovedì";
    QTest::newRow("a Julian day under the Gregorian header")
        << 1582 << 1 << 10 << 10 << ottobre1582 << 1 << "1 Ottobre 1582: Lunedì";
    QTest::newRow("the first Gregorian day")
        << 1582 << 15 << 10 << 10 << ottobre1582 << 15 << "15 Ottobre 1582: Venerdì";
    QTest::newRow("1500 is a Julian leap year")
        << 1500 << 29 << 2 << 2 << Indici{30, 31} << 29 << "29 Febbraio 1500: Sabato";
    QTest::newRow("1700 is not") << 1700 << 28 << 2 << 2 << Indici{29, 30, 31} << 28
                                 << "28 Febbraio 1700: Domenica";
    QTest::newRow("the last day offered")
        << 2299 << 31 << 12 << 12 << Indici{} << 31 << "31 Dicembre 2299: Domenica";
    // A month click brings the month's days.
    QTest::newRow("31 January to April")
        << 2024 << 31 << 1 << 4 << Indici{31} << 30 << "30 Aprile 2024: Martedì";
    QTest::newRow("30 March to April keeps the 30th")
        << 2024 << 30 << 3 << 4 << Indici{31} << 30 << "30 Aprile 2024: Martedì";
    QTest::newRow("February of a leap year")
        << 2024 << 30 << 1 << 2 << Indici{30, 31} << 29 << "29 Febbraio 2024: Giovedì";
    QTest::newRow("29 January to a leap February")
        << 2024 << 29 << 1 << 2 << Indici{30, 31} << 29 << "29 Febbraio 2024: Giovedì";
    QTest::newRow("February of a common year")
        << 2023 << 29 << 1 << 2 << Indici{29, 30, 31} << 28 << "28 Febbraio 2023: Martedì";
    QTest::newRow("February 1900 has no 29th")
        << 1900 << 29 << 1 << 2 << Indici{29, 30, 31} << 28 << "28 Febbraio 1900: Mercoledì";
    QTest::newRow("February 2000 has one")
        << 2000 << 29 << 1 << 2 << Indici{30, 31} << 29 << "29 Febbraio 2000: Martedì";
    QTest::newRow("March after February shows them all")
        << 2023 << 5 << 2 << 3 << Indici{} << 5 << "5 Marzo 2023: Domenica";
  }
  void monthsAndDays() {
    QFETCH(int, anno);
    QFETCH(int, giornoPrima);
    QFETCH(int, mesePrima);
    QFETCH(int, mese);
    QFETCH(Indici, nascosti);
    QFETCH(int, giornoDopo);
    QFETCH(QString, riga);
    auto& f = finestra();
    componi(f, giornoPrima, mesePrima, anno);
    clicca(f, lblMese(static_cast<std::int16_t>(mese)));
    QCOMPARE(f.giorniNascosti(), nascosti);
    QCOMPARE(f.evidenziate(lblGiorni), Indici{giornoDopo});
    QCOMPARE(f[lblGiornoSel], std::to_string(giornoDopo));
    QCOMPARE(f[lblFinale(0)], std::to_string(giornoDopo));
    QCOMPARE(QString::fromStdString(f[lblNomeCompleto]), riga);
  }

  // The window opened in another place's calendar hides the days that never were there,
  // and its stand-in for a day the month lacks is the nearest earlier day, or the first.
  void theCalendarOfAnotherPlace_data() {
    QTest::addColumn<QString>("calendario");
    QTest::addColumn<Indici>("data");  // the day chosen, the month clicked, the year
    QTest::addColumn<Indici>("nascosti");
    QTest::addColumn<QString>("riga");
    const Indici settembre1752{3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 31};
    QTest::newRow("GB, the last Julian day")
        << "GB" << Indici{2, 9, 1752} << settembre1752 << "2 Settembre 1752: Mercoledì";
    QTest::newRow("GB, a day of the eleven that never were")
        << "GB" << Indici{10, 9, 1752} << settembre1752 << "2 Settembre 1752: Mercoledì";
    QTest::newRow("GB, the first Gregorian day")
        << "GB" << Indici{14, 9, 1752} << settembre1752 << "14 Settembre 1752: Giovedì";
    QTest::newRow("GB, Charles I beheaded")
        << "GB" << Indici{30, 1, 1649} << Indici{} << "30 Gennaio 1649: Martedì";
    QTest::newRow("RU, February 1918 begins on the 14th")
        << "RU" << Indici{5, 2, 1918}
        << Indici{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 29, 30, 31}
        << "14 Febbraio 1918: Giovedì";
    QTest::newRow("SE, February 1753 ends on the 17th")
        << "SE" << Indici{28, 2, 1753}
        << Indici{18, 19, 20, 21, 22, 23, 24, 25, 26, 27, 28, 29, 30, 31}
        << "17 Febbraio 1753: Mercoledì";
    QTest::newRow("Julian throughout, 1700 is leap")
        << "giuliano" << Indici{29, 2, 1700} << Indici{30, 31} << "29 Febbraio 1700: Giovedì";
    QTest::newRow("SE, no 29 February in 1700")
        << "SE" << Indici{29, 2, 1700} << Indici{29, 30, 31} << "28 Febbraio 1700: Mercoledì";
    QTest::newRow("SE, a 30 February in 1712")
        << "SE" << Indici{30, 2, 1712} << Indici{31} << "30 Febbraio 1712: Venerdì";
  }
  void theCalendarOfAnotherPlace() {
    QFETCH(QString, calendario);
    QFETCH(Indici, data);
    QFETCH(Indici, nascosti);
    QFETCH(QString, riga);
    Finestra f({8, 12, 2026}, SchermoTwips{15360, 11520}, *luogoDi(calendario.toStdString()).luogo);
    f.form.show();
    // The day first, while today's month shows it; then the year and the month.
    clicca(f, lblGiorni(static_cast<std::int16_t>(data[0])));
    clicca(f, lblSecolo(static_cast<std::int16_t>(data[2] / 100 - 14)));
    clicca(f, lblDecine(static_cast<std::int16_t>(data[2] / 10 % 10)));
    clicca(f, lblUnità(static_cast<std::int16_t>(data[2] % 10)));
    clicca(f, lblMese(static_cast<std::int16_t>(data[1])));
    QCOMPARE(f.giorniNascosti(), nascosti);
    QCOMPARE(QString::fromStdString(f[lblNomeCompleto]), riga);
    // The description names the place's change; Italy's is the window's own.
    const Luogo& luogo = *luogoDi(calendario.toStdString()).luogo;
    const std::string descrizione = f[lblSCritteVarie(8)];
    QVERIFY2(descrizione.find(std::string(luogo.nel) +
                              (luogo.conto.quanti() > 1 ? " a partire dal " : ", per ogni anno")) !=
                 std::string::npos,
             descrizione.c_str());
  }

  // A change of year brings the month's days with it, and the chosen day comes back
  // with a year that has it.
  void aNewYearBringsItsOwnDays() {
    auto& f = finestra();
    componi(f, 29, 2, 2024);
    clicca(f, lblUnità(3));
    QCOMPARE(f.giorniNascosti(), (Indici{29, 30, 31}));
    QCOMPARE(f.evidenziate(lblGiorni), Indici{28});
    QCOMPARE(f[lblNomeCompleto], std::string("28 Febbraio 2023: Martedì"));
    clicca(f, lblUnità(4));
    QCOMPARE(f.giorniNascosti(), (Indici{30, 31}));
    QCOMPARE(f.evidenziate(lblGiorni), Indici{29});
    QCOMPARE(f[lblNomeCompleto], std::string("29 Febbraio 2024: Giovedì"));
  }

  void aHiddenDayTakesNoClick() {
    auto& f = finestra();
    componi(f, 10, 2, 2023);
    const std::string prima = f[lblNomeCompleto];
    // Where day 30 was, the click falls on the window behind it.
    QTest::mouseClick(&f.form, Qt::LeftButton, {}, f.cella(lblGiorni(30)).geometry().center());
    QCOMPARE(f[lblNomeCompleto], prima);
    QCOMPARE(f.evidenziate(lblGiorni), Indici{10});
    // Nor does one hidden while the button is down, when a screen reader's press of
    // another cell changes the month.
    auto& trenta = f.cella(lblGiorni(30));
    componi(f, 10, 1, 2023);
    QTest::mousePress(&trenta, Qt::LeftButton);
    f.form.premi(Gruppo::Mese, 2);
    QTest::mouseRelease(&trenta, Qt::LeftButton);
    QCOMPARE(f[lblNomeCompleto], std::string("10 Febbraio 2023: Venerdì"));
  }

  void clickingTheSelectedCellAgain() {
    auto& f = finestra();
    componi(f, 31, 1, 2024);
    for (const LabelId id : {lblMese(1), lblGiorni(31), lblSecolo(6), lblDecine(2), lblUnità(4)})
      clicca(f, id);
    QCOMPARE(f.evidenziate(lblMese), Indici{1});
    QCOMPARE(f.evidenziate(lblGiorni), Indici{31});
    QCOMPARE(f.evidenziate(lblUnità), Indici{4});
    QCOMPARE(f[lblNomeCompleto], std::string("31 Gennaio 2024: Mercoledì"));
  }

  void aDayClickLeavesTheHeader() {
    auto& f = finestra();
    componi(f, 1, 6, 1957);
    // Put a header the month does not have; a day click must read it, not rebuild it.
    f.cella(lblNome(3)).setCaption("G");
    clicca(f, lblGiorni(17));
    QCOMPARE(f[lblNome(3)], std::string("G"));
    QCOMPARE(f[lblNomeCompleto], std::string("17 Giugno 1957: Giovedì"));
  }

  void aRightClickDoesNothing() {
    auto& f = finestra();
    QTest::mouseClick(&f.cella(lblGiorni(20)), Qt::RightButton);
    QCOMPARE(f.evidenziate(lblGiorni), Indici{8});
  }

  void theFirstCenturyClickAfterAStartWithoutOne() {
    Finestra f({4, 5, 2300});
    f.form.show();
    QCOMPARE(f.evidenziate(lblSecolo), Indici{});
    clicca(f, lblSecolo(8));
    QCOMPARE(f.evidenziate(lblSecolo), Indici{8});
    QCOMPARE(f[lblAnno], std::string("2200"));
  }

  void keys_data() {
    QTest::addColumn<int>("tasto");
    QTest::addColumn<int>("modificatori");
    QTest::addColumn<bool>("chiude");
    QTest::newRow("Enter") << int(Qt::Key_Return) << int(Qt::NoModifier) << true;
    QTest::newRow("keypad Enter") << int(Qt::Key_Enter) << int(Qt::KeypadModifier) << true;
    QTest::newRow("Shift+Enter") << int(Qt::Key_Return) << int(Qt::ShiftModifier) << true;
    QTest::newRow("Ctrl+Enter") << int(Qt::Key_Return) << int(Qt::ControlModifier) << true;
    QTest::newRow("Escape") << int(Qt::Key_Escape) << int(Qt::NoModifier) << false;
    QTest::newRow("Space") << int(Qt::Key_Space) << int(Qt::NoModifier) << false;
    QTest::newRow("a letter") << int(Qt::Key_Q) << int(Qt::NoModifier) << false;
    QTest::newRow("a digit") << int(Qt::Key_1) << int(Qt::NoModifier) << false;
    QTest::newRow("F4") << int(Qt::Key_F4) << int(Qt::AltModifier) << false;
  }
  void keys() {
    QFETCH(int, tasto);
    QFETCH(int, modificatori);
    QFETCH(bool, chiude);
    auto& f = finestra();
    QTest::keyClick(&f.form, static_cast<Qt::Key>(tasto), Qt::KeyboardModifiers(modificatori));
    QCOMPARE(f.form.isVisible(), !chiude);
  }

  void theHiddenExitLabelClosesLikeEnter() {
    auto& f = finestra();
    QVERIFY(f.cella(Label2).isHidden());
    f.form.Label2_Click();
    QVERIFY(!f.form.isVisible());
  }
};

QTEST_MAIN(TestClick)
#include "clicks_test.moc"
