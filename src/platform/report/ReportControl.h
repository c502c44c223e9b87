#pragma once
#include <QFont>
#include <QString>

namespace rd {

// One control of a report section, placed in twips from the section's
// top-left corner. A label prints its Caption, a text box the value of its
// DataField in the current record, a line runs across Width at Top.
// Hidden controls print nothing.
struct ReportControl {
  enum Kind { Label, TextBox, Line };

  Kind kind = Label;
  QString Name;
  QString Caption;
  QString DataField;
  int Left = 0;
  int Top = 0;
  int Width = 0;
  int Height = 0;
  bool Visible = true;
  QFont Font;
};

}  // namespace rd
