// Field expression evaluation: parsed once with bound values, and the
// text-substitution way (values written into the text, parsed every time).
#include <QElapsedTimer>
#include <QString>
#include <cstdio>

#include "platform/script/VbExpression.h"

using rd::VbExpression;
using rd::VbValue;

namespace {

constexpr int kEvaluations = 100000;

void print(const char* figure, const QElapsedTimer& timer) {
  std::printf("%s: %.2f ms\n", figure, timer.nsecsElapsed() / 1e6);
}

}  // namespace

int main() {
  double checksum = 0;

  VbExpression bound = VbExpression::Parse("Qty*Price-Discount");
  QList<VbValue> values(3);
  QElapsedTimer timer;
  timer.start();
  for (int i = 0; i < kEvaluations; ++i) {
    values[0] = VbValue::Integer(i % 100);
    values[1] = VbValue::Double(9.5 + (i % 7));
    values[2] = VbValue::Integer(i % 3);
    checksum += bound.Evaluate(values).ToDouble();
  }
  print("evaluations_100k", timer);

  VbExpression fields = VbExpression::Parse("@Qty*@Price-@Discount");
  timer.start();
  for (int i = 0; i < kEvaluations; ++i) {
    VbValue qty = VbValue::Integer(i % 100), price = VbValue::Double(9.5 + (i % 7)), discount = VbValue::Integer(i % 3);
    auto lookup = [&](const QString& name) -> std::optional<VbValue> {
      if (name.compare(QLatin1String("@Qty"), Qt::CaseInsensitive) == 0) return qty;
      if (name.compare(QLatin1String("@Price"), Qt::CaseInsensitive) == 0) return price;
      return discount;
    };
    checksum += fields.Evaluate(lookup).ToDouble();
  }
  print("evaluations_100k_lookup", timer);

  timer.start();
  for (int i = 0; i < kEvaluations; ++i) {
    QString text = QString::number(i % 100) + QLatin1Char('*') + QString::number(9.5 + (i % 7)) +
                   QLatin1Char('-') + QString::number(i % 3);
    checksum += VbExpression::Eval(text).ToDouble();
  }
  print("evaluations_100k_reparsed", timer);

  std::printf("checksum: %.1f units\n", checksum);
  return 0;
}
