#pragma once
#include <QObject>
#include <QVariantList>

namespace rd {

// The system functions a toolbar button may name. Each public invokable
// takes one parameter list: the window, its ModuleName, the clicked button
// and the argument text.
class clsToolbar : public QObject {
  Q_OBJECT
 public:
  explicit clsToolbar(QObject* parent = nullptr);

  Q_INVOKABLE void Test(const QVariantList& params);
  // Opens the bill picker over the window; the button's first parameter
  // holds its three queries, the argument the key column.
  Q_INVOKABLE void ListBillForm(const QVariantList& params);

  // Calls the system function of that name (case ignored); false, with the
  // reason in *error, when this class offers none such.
  bool Call(const QString& method, const QVariantList& params, QString* error);
};

}  // namespace rd
