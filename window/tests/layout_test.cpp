// The window as it is created: every control of the layout where it belongs, with its
// texts, fonts and colours.
#include <QFontInfo>
#include <QTest>
#include <algorithm>
#include <map>
#include <optional>
#include <set>

#include "Controlli.h"
#include "Forma.h"
#include "prova.h"

using namespace almanacco;
using namespace almanacco::nomi;
using almanacco::prova::Finestra;

namespace {
// Start-up on the day the layout itself shows, so that the captions start-up rewrites
// come out as the layout creates them.
constexpr Data kGiugno1957{15, 6, 1957};

// Which of the groups that a printed calendar sets in one size a label belongs to: the
// days, the months, the centuries, the digits of both blocks, the weekday header and the
// group headings; none for the rest.
std::optional<int> gruppoDiTesti(const Controllo& c) {
  const std::string_view gruppi[] = {lblGiorni.testo, lblMese.testo,  lblSecolo.testo,
                                     lblDecine.testo, lblUnità.testo, lblNome.testo};
  constexpr int kGruppo[] = {0, 1, 2, 3, 3, 4};
  for (std::size_t g = 0; g < std::size(gruppi); ++g)
    if (c.nome.testo == gruppi[g]) return kGruppo[g];
  if (c.nome.testo == lblSCritteVarie.testo && c.indice <= 4) return 5;
  return std::nullopt;
}

bool cambiataDallAvvio(const Controllo& c) {
  for (const Nome holder :
       {lblGiornoSel, lblMeseSel, lblSecoloSel, lblDecineSel, lblUnitàSel, lblRestoAnno, lblIndice})
    if (c.nome.testo == holder.testo) return true;
  return false;
}
}  // namespace

class TestLayout : public QObject {
  Q_OBJECT

 private slots:
  void everyControlAsTheTableSays() {
    Finestra f(kGiugno1957);
    const auto* frame1 = f.form.controllo(Frame1);
    QVERIFY(frame1 != nullptr);
    for (const Controllo& riga : tabellaControlli()) {
      const QByteArray chi = QByteArray(riga.nome.testo.data(), riga.nome.testo.size()) + '(' +
                             QByteArray::number(riga.indice) + ')';
      const auto* c = f.form.controllo(riga.id());
      QVERIFY2(c != nullptr, chi);
      QCOMPARE(c->Left(), riga.left);
      QCOMPARE(c->Top(), riga.top);
      QCOMPARE(c->Width(), riga.width);
      QCOMPARE(c->Height(), riga.height);
      // June has no 31st, so start-up hides that cell.
      QVERIFY2(c->isHidden() == (!riga.visibile || riga.id() == lblGiorni(31)), chi);
      QVERIFY2(c->parentWidget() == (riga.inFrame1 ? static_cast<const QWidget*>(frame1) : &f.form),
               chi);
      QVERIFY2(c->focusPolicy() == Qt::NoFocus, chi);
      if (riga.tipo == Tipo::Forma) {
        const auto* forma = f.form.forma(riga.indice);
        QCOMPARE(forma->spessore(), riga.spessore);
        QCOMPARE(forma->linea(), riga.testo);
        QCOMPARE(forma->riempimento().has_value(), riga.pieno);
      }
      if (riga.tipo != Tipo::Etichetta) continue;
      const auto& e = f.cella(riga.id());
      if (!cambiataDallAvvio(riga)) QCOMPARE(e.Caption().toStdString(), riga.caption);
      QCOMPARE(e.opaca(), riga.opaca);
      QCOMPARE(e.bordo(), riga.bordo);
      QCOMPARE(e.FontSize(), riga.punti);
      QVERIFY2(e.font().bold(), chi);
      const bool selezionata = e.BackColor() == kRosa && riga.sfondo == kBianco;
      QVERIFY2(e.BackColor() == riga.sfondo || selezionata, chi);
      // Start-up paints the header and the days black, and the Sunday column dark red.
      if (riga.nome.testo != lblGiorni.testo && riga.nome.testo != lblNome.testo)
        QVERIFY2(e.ForeColor() == riga.testo, chi);
    }
  }

  void fontsAreTheLiberationFaces() {
    Finestra f(kGiugno1957);
    for (const Controllo& riga : tabellaControlli()) {
      if (riga.tipo != Tipo::Etichetta) continue;
      const QString atteso = riga.faccia == Faccia::Arial ? "Liberation Sans" : "Liberation Serif";
      const QString trovato = QFontInfo(f.cella(riga.id()).font()).family();
      QVERIFY2(trovato == atteso,
               qPrintable("label " + QString::fromUtf8(riga.nome.testo.data()) + " is drawn in " +
                          trovato + ", not " + atteso + ": is fonts-liberation installed?"));
    }
  }

  void cellsWhereTheLayoutPutsThem_data() {
    QTest::addColumn<QString>("nome");
    QTest::addColumn<int>("indice");
    QTest::addColumn<QRectF>("twips");
    QTest::newRow("day 1") << "lblGiorni" << 1 << QRectF(1365, 4725, 435, 435);
    QTest::newRow("day 7") << "lblGiorni" << 7 << QRectF(4515, 4725, 435, 435);
    QTest::newRow("day 29") << "lblGiorni" << 29 << QRectF(1365, 6825, 435, 435);
    QTest::newRow("day 31") << "lblGiorni" << 31 << QRectF(2415, 6825, 435, 435);
    QTest::newRow("Sunday header short of its column")
        << "lblNome" << 7 << QRectF(4470, 4200, 435, 435);
    QTest::newRow("GEN") << "lblMese" << 1 << QRectF(5355, 5040, 855, 435);
    QTest::newRow("DIC") << "lblMese" << 12 << QRectF(7245, 6615, 855, 435);
    QTest::newRow("2200") << "lblSecolo" << 8 << QRectF(9450, 6825, 855, 435);
    QTest::newRow("decade 0") << "lblDecine" << 0 << QRectF(11235, 6825, 435, 435);
    QTest::newRow("decade 9") << "lblDecine" << 9 << QRectF(11760, 6300, 435, 435);
    QTest::newRow("unit 1") << "lblUnità" << 1 << QRectF(12600, 5250, 435, 435);
    QTest::newRow("unit 0") << "lblUnità" << 0 << QRectF(13125, 6825, 435, 435);
    QTest::newRow("result") << "lblNomeCompleto" << -1 << QRectF(3420, 8190, 8520, 750);
    QTest::newRow("pink box") << "Shpvari" << 9 << QRectF(3420, 8085, 8520, 855);
    QTest::newRow("hidden spare century in the frame")
        << "lblSecolo" << 0 << QRectF(945, 945, 855, 435);
  }
  void cellsWhereTheLayoutPutsThem() {
    QFETCH(QString, nome);
    QFETCH(int, indice);
    QFETCH(QRectF, twips);
    Finestra f(kGiugno1957);
    const QByteArray utf8 = nome.toUtf8();
    const auto* c = f.form.controllo(
        {std::string_view(utf8.constData(), utf8.size()), static_cast<std::int16_t>(indice)});
    QVERIFY(c != nullptr);
    QCOMPARE(QRectF(c->Left(), c->Top(), c->Width(), c->Height()), twips);
    // 15 twips to a pixel at the design size, each edge rounded on its own.
    QCOMPARE(c->geometry(), QRect(qRound(twips.left() / 15), qRound(twips.top() / 15),
                                  qRound(twips.right() / 15) - qRound(twips.left() / 15),
                                  qRound(twips.bottom() / 15) - qRound(twips.top() / 15)));
  }

  void lblFinaleHasNoSecondPiece() {
    Finestra f(kGiugno1957);
    QVERIFY(f.form.controllo(lblFinale(2)) == nullptr);
    QVERIFY(f.form.controllo(lblFinale(3)) != nullptr);
  }

  void theWindowItself() {
    Finestra f(kGiugno1957);
    QCOMPARE(f.form.windowTitle(), QString("Mesi"));
    QVERIFY(f.form.windowFlags() & Qt::FramelessWindowHint);
    QCOMPARE(f.form.geometry(), QRect(0, 0, 1024, 768));
    QCOMPARE(f.form.Width(), 15360.0F);
    QCOMPARE(f.form.Height(), 11520.0F);
    QCOMPARE(f[lblSCritteVarie(5)], std::string("Lunario?"));
  }

  void theResultLiesOnItsPinkBox() {
    Finestra f(kGiugno1957);
    const auto figli = f.form.children();
    QVERIFY(figli.indexOf(f.form.forma(9)) < figli.indexOf(f.form.controllo(lblNomeCompleto)));
    const QImage immagine = f.form.grab().toImage();
    // Inside the box, left of the centred text: pink. Its corner: the outline.
    QCOMPARE(immagine.pixelColor(233, 545), QColor(255, 192, 192));
    QVERIFY(immagine.pixelColor(228, 539).lightness() < 100);
    // Somewhere on the line the text is drawn in the dark text colour.
    bool scritta = false;
    for (int x = 240; x < 790 && !scritta; ++x)
      scritta = immagine.pixelColor(x, 567).lightness() < 80;
    QVERIFY(scritta);
  }

  void longTextsAsWritten() {
    Finestra f(kGiugno1957);
    const std::string istruzioni = f[lblSCritteVarie(9)];
    QVERIFY(istruzioni.find("(premi  INVIO per uscire).") != std::string::npos);
    QVERIFY(f[lblSCritteVarie(8)].starts_with("Per sapere all'istante in quale giorno"));
    QVERIFY(f[lblSCritteVarie(8)].ends_with("fino al 31 Dicembre 2299!"));
    QCOMPARE(f[lblSCritteVarie(3)], std::string("Unità"));
  }

  // On a portrait screen the layout follows the narrow width while the fonts follow the
  // tall height; every shown text is still drawn whole: no word's ink wider than its
  // label by more than a pixel at either side (as "Ma" is drawn at the design size), no
  // line taller. And each group of like texts looks set in one size: the heights of its
  // cells' ink differ by a pixel at most, or by 8% where they are larger.
  void everyTextFitsItsLabel_data() {
    QTest::addColumn<QSize>("pixel");
    // At the smallest size the ink of round digits, such as "30", stands out by a pixel
    // above and below that of flat ones, such as "17", in one point size.
    QTest::addColumn<bool>("inchiostroUguale");
    QTest::newRow("1080x1920") << QSize(1080, 1920) << true;
    QTest::newRow("768x1024") << QSize(768, 1024) << true;
    QTest::newRow("1024x768") << QSize(1024, 768) << true;
    QTest::newRow("1920x1080") << QSize(1920, 1080) << true;
    QTest::newRow("800x600") << QSize(800, 600) << false;
  }
  void everyTextFitsItsLabel() {
    QFETCH(QSize, pixel);
    QFETCH(bool, inchiostroUguale);
    Finestra f(kGiugno1957, SchermoTwips{pixel.width() * 15.0f, pixel.height() * 15.0f});
    int controllate = 0;
    std::map<int, std::map<qreal, QString>> inchiostri;  // group, ink height, a caption
    std::map<int, std::set<qreal>> punti;
    for (const Controllo& riga : tabellaControlli()) {
      if (riga.tipo != Tipo::Etichetta) continue;
      const auto& e = f.cella(riga.id());
      if (!e.isVisibleTo(&f.form) || e.Caption().isEmpty()) continue;
      const QFontMetricsF metriche(e.fontDelTesto());
      const QString chi =
          e.Caption() + QStringLiteral(" at %1 pt").arg(e.fontDelTesto().pointSizeF());
      for (const QString& parola : e.Caption().split(QLatin1Char(' '), Qt::SkipEmptyParts))
        QVERIFY2(metriche.tightBoundingRect(parola).width() <= e.width() + 2, qPrintable(chi));
      QVERIFY2(metriche.height() <= e.height(), qPrintable(chi));
      if (const auto gruppo = gruppoDiTesti(riga)) {
        inchiostri[*gruppo][metriche.tightBoundingRect(e.Caption()).height()] = chi;
        punti[*gruppo].insert(e.fontDelTesto().pointSizeF());
      }
      ++controllate;
    }
    QVERIFY(controllate > 80);
    QCOMPARE(inchiostri.size(), std::size_t{6});
    for (const auto& [gruppo, misure] : punti) QCOMPARE(misure.size(), std::size_t{1});
    if (!inchiostroUguale) return;
    for (const auto& [gruppo, altezze] : inchiostri) {
      const auto& [bassa, testoBasso] = *altezze.begin();
      const auto& [alta, testoAlto] = *altezze.rbegin();
      QVERIFY2(alta - bassa <= std::max(1.0, 0.08 * alta),
               qPrintable(QStringLiteral("%1 is %2 px high, %3 %4 px")
                              .arg(testoAlto)
                              .arg(alta)
                              .arg(testoBasso)
                              .arg(bassa)));
    }
  }
};

QTEST_MAIN(TestLayout)
#include "layout_test.moc"
