#include "browse/SqlLiteral.h"

namespace rd {

QString SqlLiteral(const QString& text) {
  QString quoted = text;
  quoted.replace(QLatin1Char('\''), QLatin1String("''"));
  return QLatin1Char('\'') + quoted + QLatin1Char('\'');
}

}  // namespace rd
