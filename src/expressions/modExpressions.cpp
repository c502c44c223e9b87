#include "expressions/modExpressions.h"

#include <QHash>
#include <memory>

#include "core/Globals.h"
#include "core/modCommon.h"
#include "core/modDatabase.h"
#include "expressions/BoundExpression.h"
#include "expressions/CompiledAssignments.h"
#include "expressions/TagRunner.h"
#include "expressions/TagSpan.h"
#include "platform/db/Recordset.h"
#include "platform/format/Format.h"
#include "platform/ui/Ui.h"

namespace rd {

namespace {

enum class Kind { Plain, WithTags, InputCondition };

// Parsed expressions without fields, by kind and text.
std::shared_ptr<const BoundExpression> cached(Kind kind, const QString& text) {
  static QHash<QString, std::shared_ptr<const BoundExpression>> cache;
  const QString key = QChar(u'0' + int(kind)) + text;
  auto it = cache.constFind(key);
  if (it != cache.constEnd()) return it.value();
  if (cache.size() > 1024) cache.clear();
  BoundExpression::Options options;
  QList<BoundExpression::Name> names;
  options.tags = kind == Kind::WithTags;
  if (kind == Kind::InputCondition) {
    options.now = true;
    names << BoundExpression::Name{QStringLiteral("1"), true};
  }
  auto compiled = std::make_shared<const BoundExpression>(BoundExpression::Compile(text, names, options));
  cache.insert(key, compiled);
  return compiled;
}

void showRangeFailure(int key, const QString& caption) {
  MsgBox(ReplaceParams(GetLangString(key), {caption}), MsgIcon::Exclamation, MsgButtons::OkOnly,
         AppTitle);
}

// The converter's result for a text: its tags, or a "Name(argument)" call
// with "@1" standing for the text, its quotes doubled since the argument
// may be a query; nothing when it has neither. *ok turns false when it
// names a function that does not exist.
std::optional<QString> convert(const QString& converter, const QString& text, bool* ok) {
  if (!TagSpan::Find(converter, TagArgument::Rest).isEmpty())
    return ApplyFormatTags(nullptr, converter, text, FormatUse::Save, ok);
  const int open = converter.indexOf(QLatin1Char('('));
  if (open < 0) return std::nullopt;
  const QString name = converter.left(open);
  const QString rest = converter.mid(open + 1);
  const QString quoted = QString(text).replace(QLatin1Char('\''), QLatin1String("''"));
  const QString argument = ReplaceParams(rest.isEmpty() ? rest : rest.chopped(1), {quoted});
  TagRunner runner;
  const std::optional<QString> result = runner.Call(name, TagCall::Value(nullptr, argument));
  if (!result) *ok = false;
  return result.value_or(QString());
}

// The custom rule's answer; nothing when the converter failed (its message
// shown).
std::optional<bool> customRule(const QString& value, const QString& inputExp,
                               const QString& converter) {
  const QString serverTime = GetServerDate(ServerType);
  QString convertedValue = value, convertedTime = serverTime;
  if (!converter.isEmpty()) {
    bool ok = true;
    const auto v = convert(converter, value, &ok);
    if (!ok) return std::nullopt;
    if (!v) return EvalCondition(QString());
    convertedValue = *v;
    convertedTime = convert(converter, serverTime, &ok).value_or(QString());
    if (!ok) return std::nullopt;
  }
  const QStringList values{convertedValue};
  BoundExpression::Inputs inputs;
  inputs.values = &values;
  inputs.now = convertedTime;
  return cached(Kind::InputCondition, inputExp)->EvaluateCondition(inputs);
}

bool storeValue(EditorFields& window, const FieldDef& field, const QString& value) {
  if (field.kind == ControlKind::Other) return false;
  return window.SetValue(field, value);
}

}  // namespace

QString GetSqlValue(const QString& sql, const QString& format) {
  if (!DbConnection) return QString();
  const Connection::BoundedRead bound(DbConnection.get(), Connection::ReadKind::Lookup);
  Recordset rs;
  if (!OpenRecordset(sql, rs) || rs.Eof() || rs.FieldCount() == 0) return QString();
  const QVariant value = rs.Fields(0).Value;
  if (value.isNull()) return QString();
  if (format.isEmpty()) return rs.Fields(0).Text();
  return Format(VbValue::FromVariant(value), format);
}

bool CheckInputRange(const QString& value, const QString& inputRange, const QString& inputExp,
                     const QString& converter, const QString& caption) {
  int failure = 0;
  if (inputRange == QLatin1String("Any")) {
    return true;
  } else if (inputRange == QLatin1String("Digital")) {
    double number = 0;
    if (!value.trimmed().isEmpty() && !VbValue::TextToNumber(value, &number)) failure = 1008;
  } else if (inputRange == QLatin1String("Letter")) {
    if (!IsLetter(value)) failure = 1009;
  } else if (inputRange == QLatin1String("DigitalOrLetter")) {
    if (!IsDigitalOrLetter(value)) failure = 1010;
  } else if (inputRange == QLatin1String("Email")) {
    if (!IsEmail(value)) failure = 1098;
  } else if (inputRange == QLatin1String("Custom")) {
    const std::optional<bool> passes = customRule(value, inputExp, converter);
    if (!passes) return false;
    if (!*passes) failure = 1011;
  } else {
    return false;
  }
  if (failure == 0) return true;
  showRangeFailure(failure, caption);
  return false;
}

bool IsLetter(const QString& text) {
  for (QChar c : text) {
    const char16_t u = c.unicode();
    if (!((u >= 'A' && u <= 'Z') || (u >= 'a' && u <= 'z') || u == 8 || u == 9 || u == 10 ||
          u == 13))
      return false;
  }
  return true;
}

bool IsDigitalOrLetter(const QString& text) {
  for (QChar c : text) {
    const char16_t u = c.unicode();
    if (!((u >= 'A' && u <= 'Z') || (u >= 'a' && u <= 'z') || (u >= '0' && u <= '9')))
      return false;
  }
  return true;
}

bool IsEmail(const QString& text) {
  return text.contains(QLatin1Char('@')) && text.contains(QLatin1Char('.'));
}

bool EvalCondition(const QString& expr) {
  return cached(Kind::Plain, expr)->EvaluateCondition(BoundExpression::Inputs());
}

QString GetBillID(const QString& billTemplate, const QString& rsName, const QString& field,
                  bool commit, bool* ok) {
  const QString text = billTemplate.trimmed();
  if (text.isEmpty()) return QString();
  TagRunner runner;
  QString result;
  int done = 0;
  for (const TagSpan& tag : TagSpan::Find(text, TagArgument::SecondItem)) {
    result += QStringView(text).mid(done, tag.start - done);
    if (tag.argumentStart >= 0) {
      const std::optional<QString> part =
          runner.Call(tag.name, TagCall::BillID(text, rsName, field, commit, tag.Argument(text)));
      if (!part && ok) *ok = false;
      result += part.value_or(QString());
    }
    done = tag.start + tag.length;
  }
  return result + text.mid(done);
}

void CalculateField(EditorFields& window, const QString& labelTag) {
  const QStringList parts = labelTag.split(QLatin1Char('|'));
  if (parts.size() >= 12) ExecCalculate(window, parts[FieldDef::kCalculate]);
}

QString EvalExpression(const QString& expr) {
  return cached(Kind::Plain, expr)->EvaluateText(BoundExpression::Inputs());
}

bool ExecCalculate(EditorFields& window, const QString& expr) {
  if (expr.isEmpty()) return true;
  const std::shared_ptr<const CompiledAssignments> compiled = window.Compiled(expr);
  const std::vector<FieldDef>& fields = window.Fields();
  QStringList values(int(fields.size()));
  for (int i : compiled->FieldsRead()) values[i] = window.Value(fields[i]);

  TagRunner runner(&window);
  bool tagFailed = false;
  QString valueOf;
  BoundExpression::Inputs inputs;
  inputs.values = &values;
  inputs.tag = [&](const QString& name, const QString& argument) {
    const std::optional<QString> result =
        runner.Call(name, TagCall::Value(&window, argument, valueOf, expr));
    if (!result) tagFailed = true;
    return result.value_or(QString());
  };
  // A result a failed tag stood in for leaves its field as it was.
  bool allStored = true;
  for (const CompiledAssignments::Item& item : compiled->Items()) {
    tagFailed = false;
    valueOf = item.target >= 0 ? fields[item.target].Field() : QString();
    const QString result = item.expression.EvaluateText(inputs);
    if (tagFailed)
      allStored = false;
    else if (item.target >= 0)
      storeValue(window, fields[item.target], result);
  }
  return allStored;
}

bool SetDefaultValue(EditorFields& window) {
  TagRunner runner(&window);
  QString valueOf, expression;
  BoundExpression::Inputs inputs;
  inputs.tag = [&](const QString& name, const QString& argument) {
    return runner.Call(name, TagCall::Value(&window, argument, valueOf, expression))
        .value_or(QString());
  };
  const std::vector<FieldDef> fields = window.Fields();
  for (const FieldDef& field : fields) {
    if (field.kind == ControlKind::DateTime) {
      window.SetValue(field, GetServerDate(ServerType));
      continue;
    }
    const QString defaultValue = field.Part(FieldDef::kDefaultValue);
    if (defaultValue.isEmpty()) continue;
    valueOf = field.Field();
    expression = defaultValue;
    QString value = cached(Kind::WithTags, defaultValue)->EvaluateText(inputs);
    GetSpecFieldValue(value, field.Part(FieldDef::kSpecField), kSpecNewForm);
    if (field.IsTextLike() || field.kind == ControlKind::Check) window.SetValue(field, value);
  }
  return true;
}

bool SetDisplayFormat(EditorFields& window) {
  const std::vector<FieldDef> fields = window.Fields();
  for (const FieldDef& field : fields) {
    if (field.parts.size() < 11) return false;
    const QString format = field.Part(FieldDef::kDisplayFormat);
    if (field.IsTextLike()) {
      if (format.contains(QLatin1Char('<')))
        window.SetValue(field,
                        ApplyFormatTags(&window, format, window.Value(field), FormatUse::Display));
    } else if (field.kind == ControlKind::DateTime) {
      for (const TagSpan& tag : TagSpan::Find(format, TagArgument::Rest))
        if (tag.argumentStart >= 0) window.SetPickerFormat(field.index, tag.Argument(format));
    }
  }
  return true;
}

QString ApplyFormatTags(EditorFields* window, const QString& format, const QString& value,
                        FormatUse use, bool* ok) {
  TagRunner runner(window);
  QString text = value;
  for (const TagSpan& tag : TagSpan::Find(format, TagArgument::Rest)) {
    if (tag.argumentStart < 0) continue;
    const QString input = use == FormatUse::Display ? text : value;
    const std::optional<QString> result =
        runner.Call(tag.name, TagCall::Format(window, input, tag.Argument(format)));
    if (!result && ok) *ok = false;
    text = result.value_or(text);
  }
  return text;
}

QString GetSpecFieldValue(QString& value, const QString& specField, int mode) {
  const QString audit = specField.toLower();
  const bool creation = audit == QLatin1String("createdby") || audit == QLatin1String("creationdate");
  const bool modification =
      audit == QLatin1String("modifiedby") || audit == QLatin1String("modifieddate");
  const bool user = audit == QLatin1String("createdby") || audit == QLatin1String("modifiedby");
  if ((mode == kSpecNewForm && creation) || (mode == kSpecInsert && creation) ||
      (mode == kSpecUpdate && modification))
    value = user ? (UserInfo ? UserInfo->LoginUser : QString()) : GetServerDate(ServerType);
  else if (mode == kSpecNewForm && modification)
    value.clear();
  return value;
}

}  // namespace rd
