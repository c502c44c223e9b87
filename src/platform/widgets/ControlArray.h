#pragma once
#include <QMetaProperty>
#include <QPointer>
#include <QString>
#include <QWidget>
#include <map>

namespace rd {

// A run-time control array: element 0 is the invisible design-time
// template; Load(i) makes element i from it, with the same parent and the
// template's stored properties (font, size, position, texts, limits...),
// hidden until shown. Each element carries a text Tag. Elements belong to
// their parent widget; the array only finds them.
template <typename T>
class ControlArray {
 public:
  ControlArray() = default;
  explicit ControlArray(T* templateControl) { SetTemplate(templateControl); }

  void SetTemplate(T* templateControl) {
    UnloadAll();
    elements_.clear();
    if (!templateControl) return;
    templateControl->hide();
    elements_[0] = {templateControl, QString()};
  }

  // The new element, or null when i is taken or below 1, or there is no template.
  T* Load(int i) {
    T* model = Item(0);
    if (!model || i < 1 || elements_.count(i)) return nullptr;
    T* control = new T(model->parentWidget());
    CopyProperties(*model, *control);
    control->setObjectName(QStringLiteral("%1_%2").arg(model->objectName()).arg(i));
    control->hide();
    elements_[i] = {control, QString()};
    return control;
  }

  // Element 0 stays; any other loaded element is destroyed.
  bool Unload(int i) {
    auto it = elements_.find(i);
    if (i == 0 || it == elements_.end()) return false;
    if (T* control = it->second.control) {
      control->hide();
      control->deleteLater();
    }
    elements_.erase(it);
    return true;
  }
  void UnloadAll() {
    while (UBound() > 0) Unload(UBound());
  }

  // Loaded elements, the template included.
  int Count() const { return int(elements_.size()); }
  // The highest loaded index; -1 when empty.
  int UBound() const { return elements_.empty() ? -1 : elements_.rbegin()->first; }
  int LBound() const { return elements_.empty() ? 0 : elements_.begin()->first; }

  T* Item(int i) const {
    auto it = elements_.find(i);
    return it == elements_.end() ? nullptr : it->second.control.data();
  }
  T* operator[](int i) const { return Item(i); }
  // The element's index, -1 when it is none of this array's.
  int IndexOf(const QObject* control) const {
    for (const auto& [i, element] : elements_)
      if (element.control == control) return i;
    return -1;
  }

  QString Tag(int i) const {
    auto it = elements_.find(i);
    return it == elements_.end() ? QString() : it->second.tag;
  }
  bool SetTag(int i, const QString& tag) {
    auto it = elements_.find(i);
    if (it == elements_.end()) return false;
    it->second.tag = tag;
    return true;
  }

 private:
  struct Element {
    QPointer<T> control;
    QString tag;
  };

  static void CopyProperties(const T& from, T& to) {
    const QMetaObject* meta = from.metaObject();
    for (int p = 0; p < meta->propertyCount(); ++p) {
      const QMetaProperty property = meta->property(p);
      const QByteArray name = property.name();
      if (!property.isWritable() || !property.isStored() || !property.isDesignable() ||
          name == "objectName" || name == "visible" || name == "windowModality")
        continue;
      property.write(&to, property.read(&from));
    }
    to.setGeometry(from.geometry());
  }

  std::map<int, Element> elements_;
};

}  // namespace rd
