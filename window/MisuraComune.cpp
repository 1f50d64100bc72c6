#include "MisuraComune.h"

#include <QFontMetricsF>
#include <QStringList>
#include <algorithm>
#include <cmath>
#include <utility>

namespace almanacco {

namespace {
constexpr double kGradino = 0.25;  // points from one step of the ladder to the next

// A text fits a rectangle with all its lines above the bottom edge, and no word whose ink
// is wider than the rectangle by more than a pixel at either side.
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

  // The height of the text's wrapped lines.
  qreal altezza(const QRect& area, const QString& testo) {
    const auto misura = [&] {
      return metriche_.boundingRect(QRectF(area), kAllineamentoDelTesto, testo).height();
    };
    if (!unaRiga(testo)) return misura();
    if (!riga_) riga_ = misura();
    return *riga_;
  }
  // The ink width of its widest word.
  qreal larghezza(const QString& testo) const {
    qreal larga = 0;
    for (const QString& parola : testo.split(QLatin1Char(' '), Qt::SkipEmptyParts))
      larga = std::max(larga, metriche_.tightBoundingRect(parola).width());
    return larga;
  }
  bool ciSta(const QRect& area, const QString& testo) {
    return entraInAltezza(altezza(area, testo), area) && entraInLarghezza(larghezza(testo), area);
  }

  // The highest step below `cima`, the size measured, at which the text's lines, each
  // shrunk in proportion, could be few enough to fit the height: as many as the height
  // holds, the whole text's length no longer than they are wide together.
  double gradinoPerAltezza(double cima, const QRect& area, const QString& testo) const {
    const qreal riga = metriche_.height(), interlinea = metriche_.leading();
    const qreal lunghezza = metriche_.horizontalAdvance(testo);
    double punti = cima - kGradino;
    for (; punti > 1; punti -= kGradino) {
      const double r = punti / cima;
      const double righe = std::floor((area.height() + interlinea * r) / ((riga + interlinea) * r));
      if (righe >= 1 && lunghezza * r <= righe * area.width()) break;
    }
    return punti;
  }

 private:
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

double piùGrandeCheRegge(double cima, double da, const std::function<bool(double)>& regge) {
  double punti = da;
  while (punti > 1 && !regge(punti)) punti -= kGradino;
  if (punti != da) return punti;
  while (punti + kGradino <= cima && regge(punti + kGradino)) punti += kGradino;
  return punti;
}

double puntiCheCiStanno(QFont carattere, const std::vector<TestoInArea>& testi) {
  // The ladder's last step is taken as it comes, fitting or not.
  const double cima = carattere.pointSizeF();
  if (cima <= 1) return cima;

  // Each text measured once, at the top: most screens need no smaller size. Heights and
  // ink grow in proportion to the size, near enough to tell the step where all fit to
  // within a step or two. A text too tall for its rectangle has its lines counted: as
  // they grow lower they may also grow fewer.
  bool entrano = true;
  double previsto = cima;
  {
    Metro metro(carattere);
    for (const TestoInArea& t : testi) {
      const qreal alta = metro.altezza(t.area, t.testo);
      if (!entraInAltezza(alta, t.area)) {
        entrano = false;
        previsto =
            std::min(previsto, unaRiga(t.testo) ? cima * t.area.height() / alta
                                                : metro.gradinoPerAltezza(cima, t.area, t.testo));
        continue;
      }
      const qreal larga = metro.larghezza(t.testo);
      if (entraInLarghezza(larga, t.area)) continue;
      entrano = false;
      previsto = std::min(previsto, cima * (t.area.width() + 2) / larga);
    }
  }
  if (entrano) return cima;

  // The top does not fit, so the ladder is searched below it, from the step foreseen; at
  // each step one set of metrics serves every text.
  const double sotto = cima - kGradino;
  return piùGrandeCheRegge(sotto, gradinoSotto(sotto, previsto), [&](double punti) {
    carattere.setPointSizeF(punti);
    Metro metro(carattere);
    return std::all_of(testi.begin(), testi.end(),
                       [&](const TestoInArea& t) { return metro.ciSta(t.area, t.testo); });
  });
}

MisuraComune::MisuraComune(std::vector<const CellaDiGruppo*> celle, bool testiCheGirano)
    : celle_(std::move(celle)), testiCheGirano_(testiCheGirano) {}

double MisuraComune::punti() const {
  if (!punti_) punti_ = decidi();
  return *punti_;
}

double MisuraComune::decidi() const {
  if (celle_.empty()) return 0;
  // Every cell with the texts it must take; with moving texts, a cell of a size already
  // listed adds nothing.
  std::vector<TestoInArea> testi;
  std::vector<QSize> misure;
  for (const CellaDiGruppo* cella : celle_) {
    if (!testiCheGirano_) {
      testi.push_back({cella->area(), cella->testo()});
      continue;
    }
    if (std::find(misure.begin(), misure.end(), cella->area().size()) != misure.end()) continue;
    misure.push_back(cella->area().size());
    for (const CellaDiGruppo* altra : celle_) testi.push_back({cella->area(), altra->testo()});
  }
  QFont carattere = celle_.front()->carattere();
  for (const CellaDiGruppo* cella : celle_)
    carattere.setPointSizeF(std::min(carattere.pointSizeF(), cella->carattere().pointSizeF()));
  return puntiCheCiStanno(carattere, testi);
}

}  // namespace almanacco
