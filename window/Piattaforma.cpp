#include "Piattaforma.h"

#include <QDate>
#include <QGuiApplication>
#include <QScreen>

namespace almanacco {

namespace {
constexpr double kTwipsPerPollice = 1440;
constexpr double kTwipsPerPixelUsuali = 15;  // 96 dots per inch

double twipsDaDpi(double puntiPerPollice) {
  return puntiPerPollice > 0 ? kTwipsPerPollice / puntiPerPollice : kTwipsPerPixelUsuali;
}
}  // namespace

Data PiattaformaDiSistema::oggi() const {
  const QDate data = QDate::currentDate();
  return {data.day(), data.month(), data.year()};
}

std::optional<SchermoTwips> PiattaformaDiSistema::schermo() const {
  const QScreen* schermo = QGuiApplication::primaryScreen();
  if (schermo == nullptr) return std::nullopt;
  const QSize pixel = schermo->size();
  return SchermoTwips{pixel.width() * twipsDaDpi(schermo->logicalDotsPerInchX()),
                      pixel.height() * twipsDaDpi(schermo->logicalDotsPerInchY())};
}

double PiattaformaDiSistema::twipsPerPixel() const {
  const QScreen* schermo = QGuiApplication::primaryScreen();
  return twipsDaDpi(schermo ? schermo->logicalDotsPerInchY() : 0);
}

}  // namespace almanacco
