#include "expressions/EditorFields.h"

#include "expressions/CompiledAssignments.h"

namespace rd {

EditorFields::~EditorFields() = default;

const std::vector<FieldDef>& EditorFields::Fields() const {
  const int count = std::max(0, LabelCount() - 1);
  bool same = tags_.size() == count;
  for (int i = 0; same && i < count; ++i) same = tags_[i] == LabelTag(i + 1);
  if (!same) {
    tags_.clear();
    fields_.clear();
    compiled_.clear();
    for (int i = 1; i <= count; ++i) {
      tags_ << LabelTag(i);
      fields_.push_back(FieldDef::FromTag(i, tags_.back()));
    }
  }
  return fields_;
}

const FieldDef* EditorFields::FindField(const QString& name) const {
  for (const FieldDef& field : Fields())
    if (field.Field().compare(name, Qt::CaseInsensitive) == 0) return &field;
  return nullptr;
}

std::shared_ptr<const CompiledAssignments> EditorFields::Compiled(const QString& assignments) const {
  const std::vector<FieldDef>& fields = Fields();
  auto it = compiled_.constFind(assignments);
  if (it != compiled_.constEnd()) return it.value();
  if (compiled_.size() > 256) compiled_.clear();
  auto compiled = std::make_shared<const CompiledAssignments>(
      CompiledAssignments::Compile(assignments, fields));
  compiled_.insert(assignments, compiled);
  return compiled;
}

}  // namespace rd
