// A field calculation run through ExecCalculate on an editor's controls,
// with changing values; and the floor that storing into a line edit sets.
#include <QApplication>
#include <QElapsedTimer>
#include <QWidget>
#include <cstdio>

#include "expressions/modExpressions.h"
#include "edit/FieldControls.h"

namespace {

constexpr int kRuns = 100000;

int addField(rd::FieldControls& fields, const QString& name) {
  const int label = fields.Label1.UBound() + 1;
  fields.Label1.Load(label);
  int index = 0;
  fields.LoadControl(rd::ControlKind::Text, &index);
  fields.Label1.SetTag(label, name + "|Text|" + QString::number(index) +
                                  "|False|False|0|Digital||False||||||");
  return index;
}

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
  QApplication app(argc, argv);
  QWidget window;
  rd::FieldControls fields(&window);
  QLineEdit* qty = fields.Text1[addField(fields, "Qty")];
  QLineEdit* price = fields.Text1[addField(fields, "Price")];
  QLineEdit* discount = fields.Text1[addField(fields, "Discount")];
  QLineEdit* amount = fields.Text1[addField(fields, "Amount")];
  const QString calculate = "Amount=@Qty*@Price-@Discount";

  QElapsedTimer timer;
  qint64 calculating = 0;
  double checksum = 0;
  for (int i = 0; i < kRuns; ++i) {
    qty->setText(QString::number(i % 100));
    price->setText(QString::number(9.5 + i % 7));
    discount->setText(QString::number(i % 3));
    timer.start();
    rd::ExecCalculate(fields, calculate);
    calculating += timer.nsecsElapsed();
    checksum += amount->text().toDouble();
  }
  std::printf("exec_calculate_100k: %.2f ms\n", calculating / 1e6);

  QLineEdit* probe = fields.Text1[addField(fields, "Probe")];
  timer.start();
  for (int i = 0; i < kRuns; ++i) probe->setText(QString::number(i));
  std::printf("line_edit_settext_100k: %.2f ms\n", timer.nsecsElapsed() / 1e6);
  std::printf("checksum: %.1f units\n", checksum);
  return 0;
}
