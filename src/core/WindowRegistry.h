#pragma once
#include <QString>
#include <functional>

class QWidget;

namespace rd {

// Creates windows of later folders by the class name they are known by
// ("frmSingleTable", "frmEdit", ...). The program registers every window
// class at start-up; a class not registered yet creates nothing.
class WindowRegistry {
 public:
  using Factory = std::function<QWidget*(QWidget* parent)>;

  static void Register(const QString& className, Factory factory);
  static bool Has(const QString& className);
  // A new window of that class, or null.
  static QWidget* Create(const QString& className, QWidget* parent = nullptr);
};

}  // namespace rd
