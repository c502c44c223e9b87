#include "expressions/FieldDef.h"

namespace rd {

ControlKind FieldDef::KindOf(const QString& controlType) {
  if (controlType == QLatin1String("Text")) return ControlKind::Text;
  if (controlType == QLatin1String("TextArea")) return ControlKind::TextArea;
  if (controlType == QLatin1String("Combo")) return ControlKind::Combo;
  if (controlType == QLatin1String("ComboList")) return ControlKind::ComboList;
  if (controlType == QLatin1String("DateTime")) return ControlKind::DateTime;
  if (controlType == QLatin1String("Check")) return ControlKind::Check;
  return ControlKind::Other;
}

FieldDef FieldDef::FromTag(int label, const QString& tag) {
  FieldDef def;
  def.label = label;
  def.parts = tag.split(QLatin1Char('|'));
  def.field_ = def.Part(kField);
  def.kind = KindOf(def.Part(kControlType));
  bool ok = false;
  def.index = def.Part(kIndex).toInt(&ok);
  if (!ok) def.kind = ControlKind::Other;
  return def;
}

}  // namespace rd
