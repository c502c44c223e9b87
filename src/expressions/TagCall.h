#pragma once
#include <QString>
#include <optional>

namespace rd {

class EditorFields;

// The arguments a tag function gets, by position, as the field column being
// expanded lays them out:
//   Value   (DefaultValue, Calculate, GridCalculate): window, argument
//   Format  (DisplayFormat, SaveFormat): window, current value, argument
//   BillID  (CustomBillID): template, RsName, Field, commit flag, argument
struct TagCall {
  enum class Context { Value, Format, BillID };

  Context context = Context::Value;
  EditorFields* window = nullptr;
  QString current;  // Format: the control's current text or value
  QString argument;
  QString billTemplate, rsName, field;  // BillID
  bool commit = false;
  // Value: the field whose expression is being worked out, and that
  // expression, named when a read of it fails.
  QString valueOf, expression;

  static TagCall Value(EditorFields* window, const QString& argument = QString(),
                       const QString& valueOf = QString(), const QString& expression = QString());
  static TagCall Format(EditorFields* window, const QString& current,
                        const QString& argument = QString());
  static TagCall BillID(const QString& billTemplate, const QString& rsName, const QString& field,
                        bool commit, const QString& argument = QString());

  // The text at a position; nothing where this context has none. A window
  // has no text.
  std::optional<QString> Text(int position) const;
  // The window at position 0; null where position 0 is not a window.
  EditorFields* Window() const { return context == Context::BillID ? nullptr : window; }
};

}  // namespace rd
