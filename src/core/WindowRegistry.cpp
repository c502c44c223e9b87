#include "core/WindowRegistry.h"

#include <QHash>

namespace rd {
namespace {
QHash<QString, WindowRegistry::Factory>& factories() {
  static QHash<QString, WindowRegistry::Factory> f;
  return f;
}
}  // namespace

void WindowRegistry::Register(const QString& className, Factory factory) {
  factories().insert(className, std::move(factory));
}

bool WindowRegistry::Has(const QString& className) { return factories().contains(className); }

QWidget* WindowRegistry::Create(const QString& className, QWidget* parent) {
  auto it = factories().constFind(className);
  return it == factories().constEnd() ? nullptr : (*it)(parent);
}

}  // namespace rd
