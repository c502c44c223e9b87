#pragma once
#include <QString>

class QObject;
class QWidget;

namespace rd {

// Copies the picked bill's header into the editor's fields and, when the
// button maps detail columns, its rows into the editor's detail grid
// (vsData), then runs the editor's GridCalculate. Nothing is saved. A copy
// that cannot be made whole shows one message, changes nothing and gives
// false. The master-detail viewer ("frmMultiView") takes no copy.
// moduleName is not used.
bool FillBillForm(QWidget* editor, const QString& moduleName, QObject* button,
                  const QString& parameter1, const QString& key, const QString& picked);

}  // namespace rd
