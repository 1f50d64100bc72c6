// The window as a screen reader sees it, through Qt's accessibility interfaces: roles,
// names, checked states, the press action, and the update events that keep it current.
#include <QtGui/private/qguiapplication_p.h>
#include <QtGui/qpa/qplatformaccessibility.h>
#include <QtGui/qpa/qplatformintegration.h>
#include <QAccessible>
#include <QTest>

#include "Accessibilita.h"
#include "prova.h"

using namespace almanacco;
using namespace almanacco::nomi;
using almanacco::prova::Finestra;

namespace {

struct Evento {
  QAccessible::Event tipo;
  QObject* oggetto;
  bool spunta;  // a state change of the checked state
};
std::vector<Evento> eventi;

void registra(QAccessibleEvent* evento) {
  const bool spunta = evento->type() == QAccessible::StateChanged &&
                      static_cast<QAccessibleStateChangeEvent*>(evento)->changedStates().checked;
  eventi.push_back({evento->type(), evento->object(), spunta});
}

bool ricevuto(QAccessible::Event tipo, QObject* oggetto) {
  return std::any_of(eventi.begin(), eventi.end(),
                     [&](const Evento& e) { return e.tipo == tipo && e.oggetto == oggetto; });
}

QAccessibleInterface* faccia(QObject* oggetto) {
  return QAccessible::queryAccessibleInterface(oggetto);
}

QAccessibleInterface* gruppo(const Finestra& f, Gruppo g) {
  return faccia(f.form.oggettoGruppo(g));
}

QStringList nomiDeiFigli(QAccessibleInterface* genitore) {
  QStringList nomi;
  for (int i = 0; i < genitore->childCount(); ++i)
    nomi << genitore->child(i)->text(QAccessible::Name);
  return nomi;
}

}  // namespace

class TestAccessibilita : public prova::ConFinestra {
  Q_OBJECT

 private slots:
  void initTestCase() {
    // As the program does, and as a screen reader would: the faces installed,
    // accessibility on, and every update caught here.
    accessibile::installa();
    QAccessible::installUpdateHandler(registra);
    QPlatformAccessibility* piattaforma =
        QGuiApplicationPrivate::platformIntegration()->accessibility();
    QVERIFY(piattaforma != nullptr);
    piattaforma->setActive(true);
  }
  void init() {
    ConFinestra::init();
    eventi.clear();
  }

  // The window holds its texts and five named groups of radio buttons, one checked each.
  void theTreeIsNamedAndChecked() {
    auto& f = finestra();
    QAccessibleInterface* finestra = faccia(&f.form);
    QCOMPARE(finestra->text(QAccessible::Name), QStringLiteral("Mesi"));
    const QStringList figli = nomiDeiFigli(finestra);
    for (const char* atteso :
         {"Lunario?", "Giorno", "Mese", "Secolo", "Decina", "Unità", "8 Dicembre 2026: Martedì"})
      QVERIFY2(figli.contains(QString::fromUtf8(atteso)), atteso);
    // The header by its weekdays' full names, December 2026 beginning on a Tuesday; its
    // cells still show their letters.
    QStringList intestazione;
    for (std::int16_t c = 1; c <= 7; ++c)
      intestazione << faccia(&f.cella(lblNome(c)))->text(QAccessible::Name);
    QCOMPARE(intestazione, QString::fromUtf8("Martedì Mercoledì Giovedì Venerdì Sabato Domenica "
                                             "Lunedì")
                               .split(' '));
    QCOMPARE(f[lblNome(1)], std::string("Ma"));
    QCOMPARE(figli.size(), 21);  // 8 texts, 7 weekdays, 5 groups and the result line
    QCOMPARE(faccia(&f.cella(lblSCritteVarie(5)))->role(), QAccessible::Heading);
    QCOMPARE(faccia(&f.cella(lblNomeCompleto))->role(), QAccessible::StaticText);

    const struct {
      Gruppo g;
      int quanti;
      const char *primo, *ultimo, *scelto;
    } gruppi[] = {{Gruppo::Giorno, 31, "1", "31", "8"},
                  {Gruppo::Mese, 12, "Gennaio", "Dicembre", "Dicembre"},
                  {Gruppo::Secolo, 8, "1500", "2200", "2000"},
                  {Gruppo::Decina, 10, "1", "0", "2"},
                  {Gruppo::Unità, 10, "1", "0", "6"}};
    for (const auto& atteso : gruppi) {
      QAccessibleInterface* g = gruppo(f, atteso.g);
      QCOMPARE(g->role(), QAccessible::Grouping);
      QCOMPARE(g->parent(), finestra);
      QCOMPARE(g->childCount(), atteso.quanti);
      QCOMPARE(g->child(0)->text(QAccessible::Name), QString::fromUtf8(atteso.primo));
      QCOMPARE(g->child(atteso.quanti - 1)->text(QAccessible::Name),
               QString::fromUtf8(atteso.ultimo));
      QStringList spuntati;
      for (int i = 0; i < g->childCount(); ++i) {
        QAccessibleInterface* cella = g->child(i);
        QCOMPARE(cella->role(), QAccessible::RadioButton);
        QCOMPARE(cella->parent(), g);
        QCOMPARE(g->indexOfChild(cella), i);
        QVERIFY(cella->state().checkable);
        if (cella->state().checked) spuntati << cella->text(QAccessible::Name);
      }
      QCOMPARE(spuntati, QStringList{QString::fromUtf8(atteso.scelto)});
    }
    QCOMPARE(faccia(&f.cella(lblGiorni(8)))->text(QAccessible::Description),
             QStringLiteral("Giorno. 8 Dicembre 2026: Martedì"));
    QCOMPARE(faccia(&f.cella(lblGiorni(9)))->text(QAccessible::Description),
             QStringLiteral("Giorno"));
  }

  // Five presses compose a date exactly as five clicks do, and each change is announced.
  void pressesComposeADateAndAnnounceIt() {
    auto& f = finestra();
    const LabelId celle[] = {lblSecolo(5), lblDecine(5), lblUnità(7), lblMese(6), lblGiorni(15)};
    for (const LabelId id : celle) {
      QAccessibleInterface* cella = faccia(&f.cella(id));
      QCOMPARE(cella->actionInterface()->actionNames(),
               QStringList{QAccessibleActionInterface::pressAction()});
      cella->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
      QVERIFY(cella->state().checked);
    }
    QCOMPARE(faccia(&f.cella(lblNomeCompleto))->text(QAccessible::Name),
             QStringLiteral("15 Giugno 1957: Sabato"));
    QCOMPARE(f.form.gruppoAttivo(), Gruppo::Giorno);
    QCOMPARE(faccia(&f.cella(lblGiorni(15)))->text(QAccessible::Description),
             QStringLiteral("Giorno. 15 Giugno 1957: Sabato"));

    QVERIFY(ricevuto(QAccessible::NameChanged, &f.cella(lblNomeCompleto)));
    QVERIFY(ricevuto(QAccessible::NameChanged, &f.cella(lblNome(1))));  // the header turned
    QVERIFY(ricevuto(QAccessible::DescriptionChanged, &f.cella(lblGiorni(15))));
    QVERIFY(ricevuto(QAccessible::DescriptionChanged, &f.cella(lblMese(6))));
    for (QObject* cella : {&f.cella(lblGiorni(8)), &f.cella(lblGiorni(15))})
      QVERIFY(std::any_of(eventi.begin(), eventi.end(),
                          [&](const Evento& e) { return e.oggetto == cella && e.spunta; }));
    // June has no 31st: the day group says it lost that cell, and shows 30.
    QVERIFY(ricevuto(QAccessible::ObjectDestroyed, &f.cella(lblGiorni(31))));
    QCOMPARE(gruppo(f, Gruppo::Giorno)->childCount(), 30);
    QVERIFY(!nomiDeiFigli(gruppo(f, Gruppo::Giorno)).contains(QStringLiteral("31")));

    // When the result line stays, a press announces nothing new on it.
    eventi.clear();
    faccia(&f.cella(lblGiorni(15)))
        ->actionInterface()
        ->doAction(QAccessibleActionInterface::pressAction());
    QVERIFY(!ricevuto(QAccessible::NameChanged, &f.cella(lblNomeCompleto)));
    QVERIFY(!ricevuto(QAccessible::DescriptionChanged, &f.cella(lblGiorni(15))));
  }

  // A text no reader has taken since its last announced change is cached nowhere: its
  // next change goes unannounced, until a reader takes it again.
  void announcesWhatAReaderMayHold() {
    auto& f = finestra();
    QObject* riga = &f.cella(lblNomeCompleto);
    const auto premi = [&](std::int16_t giorno) {
      eventi.clear();
      faccia(&f.cella(lblGiorni(giorno)))
          ->actionInterface()
          ->doAction(QAccessibleActionInterface::pressAction());
      return ricevuto(QAccessible::NameChanged, riga);
    };
    QVERIFY(premi(9));
    QVERIFY(!premi(10));
    QCOMPARE(faccia(riga)->text(QAccessible::Name), QStringLiteral("10 Dicembre 2026: Giovedì"));
    QVERIFY(premi(11));
  }
};

QTEST_MAIN(TestAccessibilita)
#include "accessibility_test.moc"
