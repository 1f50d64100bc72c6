#include "MisuraComune.h"

#include <QFontMetricsF>
#include <algorithm>
#include <cmath>
#include <utility>

#include "Etichetta.h"

namespace almanacco {

namespace {
constexpr int kAllineamento = Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap;
constexpr double kGradino = 0.25;  // points from one step of the ladder to the next

// What a text takes of a rectangle at one size: the height of its wrapped lines and the
// ink width of its widest word. It fits with all its lines above the bottom edge, and no
// word whose ink is wider than the rectangle by more than a pixel at either side.
struct Ingombro {
  qreal altezza = 0, larghezza = 0;
};

bool entraInAltezza(qreal altezza, const QRect& area) {
  return altezza <= area.height();
}
bool entraInLarghezza(qreal larghezza, const QRect& area) {
  return larghezza <= area.width() + 2;
}

// A text of letters and digits alone has nowhere to break: it stays on one line, whose
// height is the font's, whatever the text.
bool unaRiga(const QString& testo) {
  return !testo.isEmpty() &&
         std::all_of(testo.begin(), testo.end(), [](QChar c) { return c.isLetterOrNumber(); });
}

// Texts measured at one size: one set of metrics for them all, and the height of a line
// taken once.
class Metro {
 public:
  explicit Metro(const QFont& carattere) : metriche_(carattere) {}

  Ingombro ingombro(const QRect& area, const QString& testo) {
    return {altezza(area, testo), larghezza(testo)};
  }
  bool ciSta(const QRect& area, const QString& testo) {
    return entraInAltezza(altezza(area, testo), area) && entraInLarghezza(larghezza(testo), area);
  }

 private:
  qreal altezza(const QRect& area, const QString& testo) {
    const auto misura = [&] {
      return metriche_.boundingRect(QRectF(area), kAllineamento, testo).height();
    };
    if (!unaRiga(testo)) return misura();
    if (!riga_) riga_ = misura();
    return *riga_;
  }
  qreal larghezza(const QString& testo) const {
    qreal larga = 0;
    for (const QString& parola : testo.split(QLatin1Char(' '), Qt::SkipEmptyParts))
      larga = std::max(larga, metriche_.tightBoundingRect(parola).width());
    return larga;
  }

  QFontMetricsF metriche_;
  std::optional<qreal> riga_;
};

// The step of the ladder from `cima` at or just below `punti`, and never below its last.
double gradinoSotto(double cima, double punti) {
  const double ultimo = cima > 1 ? std::ceil((cima - 1) / kGradino) : 0;
  const double giù = std::isfinite(punti) ? std::ceil((cima - punti) / kGradino) : ultimo;
  return cima - kGradino * std::clamp(giù, 0.0, ultimo);
}
}  // namespace

bool ciSta(const QFont& carattere, const QRect& area, const QString& testo) {
  return Metro(carattere).ciSta(area, testo);
}

double piùGrandeCheRegge(double cima, double da, const std::function<bool(double)>& regge) {
  double punti = da;
  while (punti > 1 && !regge(punti)) punti -= kGradino;
  if (punti != da) return punti;
  while (punti + kGradino <= cima && regge(punti + kGradino)) punti += kGradino;
  return punti;
}

MisuraComune::MisuraComune(std::vector<const Etichetta*> celle, bool testiCheGirano)
    : celle_(std::move(celle)), testiCheGirano_(testiCheGirano) {}

double MisuraComune::punti() const {
  if (!punti_) punti_ = decidi();
  return *punti_;
}

double MisuraComune::decidi() const {
  if (celle_.empty()) return 0;
  // Every cell with the texts it must take; with moving texts, a cell of a size already
  // listed adds nothing.
  struct Coppia {
    QRect area;
    QString testo;
  };
  std::vector<Coppia> coppie;
  std::vector<QSize> misure;
  for (const Etichetta* cella : celle_) {
    if (!testiCheGirano_) {
      coppie.push_back({cella->rect(), cella->Caption()});
      continue;
    }
    if (std::find(misure.begin(), misure.end(), cella->size()) != misure.end()) continue;
    misure.push_back(cella->size());
    for (const Etichetta* altra : celle_) coppie.push_back({cella->rect(), altra->Caption()});
  }

  QFont carattere = celle_.front()->font();
  double cima = carattere.pointSizeF();
  for (const Etichetta* cella : celle_) cima = std::min(cima, cella->font().pointSizeF());

  // The ladder's last step is taken as it comes, fitting or not.
  if (cima <= 1) return cima;

  // Each text measured once, at the top: most screens need no smaller size. A text's
  // height and ink grow in proportion to the size, near enough to tell the step where
  // the group fits to within a step or two.
  carattere.setPointSizeF(cima);
  bool entrano = true;
  double previsto = cima;
  {
    Metro metro(carattere);
    for (const Coppia& c : coppie) {
      const Ingombro i = metro.ingombro(c.area, c.testo);
      if (entraInAltezza(i.altezza, c.area) && entraInLarghezza(i.larghezza, c.area)) continue;
      entrano = false;
      const double alta = i.altezza > 0 ? c.area.height() / i.altezza : 1.0;
      const double larga = i.larghezza > 0 ? (c.area.width() + 2) / i.larghezza : 1.0;
      previsto = std::min(previsto, cima * std::min(alta, larga));
    }
  }
  if (entrano) return cima;

  // The top does not fit, so the ladder is searched below it, from the step foreseen; at
  // each step one set of metrics serves every text.
  const double sotto = cima - kGradino;
  return piùGrandeCheRegge(sotto, gradinoSotto(sotto, previsto), [&](double punti) {
    carattere.setPointSizeF(punti);
    Metro metro(carattere);
    return std::all_of(coppie.begin(), coppie.end(),
                       [&](const Coppia& c) { return metro.ciSta(c.area, c.testo); });
  });
}

}  // namespace almanacco
