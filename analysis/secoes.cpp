#include <cmath>

#include "analysis/envoltoria.h"

namespace galeria {

double espessuraQuina(double hp, double mh, double h, double mv) {
  if (mh == 0.0 || mv == 0.0) return (hp + h) / 2.0 * std::sqrt(2.0);
  // Distance from the outer corner to the haunch face.
  return (mh * h + mv * hp + mv * mh) / std::sqrt(mh * mh + mv * mv);
}

const char* rotuloLocal(int local) {
  switch ((local + 1) / 2) {
    case 1:
      return "Meio Inferior";
    case 2:
      return "Quina Inferior";
    case 3:
      return "Meio Parede";
    case 4:
      return "Quina Superior";
    case 5:
      return "Meio Superior";
    default:
      return "";
  }
}

const char* faceLocal(int local) { return local % 2 == 1 ? "Externa" : "Interna"; }

}  // namespace galeria
