#include "edit/RecordForm.h"

#include <QApplication>
#include <QEvent>
#include <QFocusEvent>
#include <QPalette>
#include <algorithm>

#include "browse/RecordSource.h"
#include "core/Globals.h"
#include "core/modCommon.h"
#include "core/modDatabase.h"
#include "expressions/modExpressions.h"
#include "platform/db/Recordset.h"
#include "platform/script/VbValue.h"
#include "platform/ui/Twips.h"
#include "platform/ui/Ui.h"
#include "platform/widgets/ComboLock.h"
#include "platform/widgets/FlexGrid.h"
#include "platform/widgets/TypingLimit.h"
#include "platform/widgets/ReadOnlyLook.h"

namespace rd {

namespace {

constexpr int kRequired = 1004;
constexpr int kKeyTaken = 1005;
constexpr int kTooLong = 1007;
constexpr char kLabelProperty[] = "rdLabel";

QString flag(bool value) { return value ? QStringLiteral("True") : QStringLiteral("False"); }

bool isTrue(const QString& tagPart) { return tagPart == QLatin1String("True"); }

// A number shown with digit grouping ("1,234.50", from a display format)
// is saved as the plain number, so a number column never receives text.
QString savedNumber(const FieldDef& field, const QString& value) {
  double number = 0;
  if (!value.contains(QLatin1Char(',')) || VbValue::ParseNumber(value, &number) ||
      !VbValue::TextToNumber(value, &number))
    return value;
  if (field.Part(FieldDef::kDisplayFormat).isEmpty() &&
      field.Part(FieldDef::kInputRange).trimmed() != QLatin1String("Digital"))
    return value;
  return value.trimmed().remove(QLatin1Char(','));
}

// Text as the database compares it: case and trailing blanks ignored.
QString comparable(const QString& text) {
  QString t = text;
  while (t.endsWith(QLatin1Char(' '))) t.chop(1);
  return t.toCaseFolded();
}

// The caption's first line on the middle of its control's first line,
// however tall the label is.
void alignCaption(QLabel* label, int controlHeight) {
  const int line = Twips::ToPx(375);
  const int top = (std::min(controlHeight, line) - label->fontMetrics().height()) / 2;
  label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  label->setContentsMargins(0, std::max(top, 0), 0, 0);
}

}  // namespace

RecordForm::RecordForm(QWidget* window) : QObject(window), FieldControls(window), window_(window) {
  auto* select = new QPushButton(QStringLiteral("..."), window);
  select->setObjectName(QStringLiteral("cmdSelect"));
  select->setGeometry(Twips::ToPx(0, 0, 375, 375));
  cmdSelect.SetTemplate(select);
}

QWidget* RecordForm::InputControl(int label) const {
  const FieldDef def = FieldDef::FromTag(label, Label1.Tag(label));
  return Control(def.kind, def.index);
}

void RecordForm::setupControl(QWidget* control, ControlKind kind, bool readOnly, bool isShow) {
  switch (kind) {
    case ControlKind::Text:
      static_cast<QLineEdit*>(control)->setReadOnly(readOnly);
      if (readOnly) ShowAsReadOnly(control, true);
      break;
    case ControlKind::TextArea:
      static_cast<QPlainTextEdit*>(control)->setReadOnly(readOnly);
      if (readOnly) ShowAsReadOnly(control, true);
      break;
    case ControlKind::Combo:
    case ControlKind::ComboList:
      if (readOnly) LockCombo(static_cast<QComboBox*>(control));
      if (readOnly) ShowAsReadOnly(control, true);
      break;
    case ControlKind::DateTime:
    case ControlKind::Check:
      control->setEnabled(!readOnly);
      break;
    case ControlKind::Other: break;
  }
  control->setFocusPolicy(readOnly ? Qt::NoFocus : Qt::StrongFocus);
  control->installEventFilter(this);
  if (auto* combo = qobject_cast<QComboBox*>(control)) {
    connect(combo, &QComboBox::activated, this, [this, combo, kind] {
      emit FieldEvent(labelOf(combo), kind, false);
    });
  } else if (auto* picker = qobject_cast<DTPicker*>(control)) {
    connect(picker, &DTPicker::LostFocus, this, [this, picker] {
      emit FieldEvent(labelOf(picker), ControlKind::DateTime, true);
    });
  }
  control->setVisible(isShow);
}

bool RecordForm::Build(const QString& rsName, const FormLayout& layout, int top) {
  Recordset rs;
  if (!RecordSource::OpenFieldRows(rsName, rs, layout.orderById))
    return false;
  int column = 1, row = 1, areas = 0, left = layout.left, currentTop = top;
  int w = 0, h = 0;
  lastTop_ = top;
  for (; !rs.Eof(); rs.MoveNext()) {
    const int k = Label1.Count();
    QLabel* label = Label1.Load(k);
    if (!label) break;
    auto text = [&rs](const char* name) { return NullToStr(rs.Value(QLatin1String(name))); };
    auto boolean = [&rs](const char* name) { return VariantToBoolean(rs.Value(QLatin1String(name))); };
    const QString field = text("Field"), controlType = text("ControlType");
    const bool isShow = boolean("IsShow");
    const bool readOnly = layout.readOnly || boolean("IsReadOnly");
    const bool isBillID = boolean("IsBillID");
    const QString optionRs = text("OptionRs"), returnField = text("ReturnField");
    const QString maxLength = text("MaxLength");

    if (isShow) {
      const bool area = controlType.compare(QLatin1String("TextArea"), Qt::CaseInsensitive) == 0;
      if (area && column > 1) {
        column = 1;
        ++row;
      }
      left = (column - 1) * layout.columnWidth + layout.left;
      currentTop = top + (row - 1) * layout.rowHeight + areas * layout.areaExtra;
      lastTop_ = currentTop;
      if (area) {
        ++areas;
        column = 1;
        ++row;
      } else if (column >= layout.columns) {
        column = 1;
        ++row;
      } else {
        ++column;
      }
    }
    label->setText(text("Language"));
    label->move(Twips::ToPx(left), Twips::ToPx(currentTop));
    QString tag = field + '|' + controlType;

    const ControlKind kind = FieldDef::KindOf(controlType);
    int j = 0;
    QWidget* control = LoadControl(kind, &j);
    if (control) {
      control->move(label->x() + label->width(), label->y());
      control->setProperty(kLabelProperty, k);
      w = Twips::FromPx(control->width());
      h = Twips::FromPx(control->height());
      tag += '|' + QString::number(j);
      switch (kind) {
        case ControlKind::Text:
          Text1.SetTag(j, QString::number(k));
          LimitTyping(Text1[j], maxLength.toInt());
          if (isBillID) Text1[j]->setText(GetBillID(text("CustomBillID"), rsName, field, false));
          break;
        case ControlKind::TextArea:
          Text2.SetTag(j, QString::number(k));
          LimitTyping(Text2[j], maxLength.toInt());
          break;
        case ControlKind::Combo:
          Combo1.SetTag(j, QString::number(k));
          if (!optionRs.isEmpty()) FillCombo(Combo1[j], optionRs, returnField);
          Combo1[j]->setEditText(QString());
          break;
        case ControlKind::ComboList:
          Combo2.SetTag(j, QString::number(k));
          if (!optionRs.isEmpty()) FillCombo(Combo2[j], optionRs, returnField);
          break;
        case ControlKind::DateTime:
          DTPicker1.SetTag(j, QString::number(k));
          DTPicker1[j]->SetCustomFormat(text("DisplayFormat"));
          SetFieldValue(kind, j, GetServerDate(ServerType));
          break;
        case ControlKind::Check:
          Check1.SetTag(j, QString::number(k));
          Check1[j]->setText(label->text());
          break;
        case ControlKind::Other: break;
      }
      setupControl(control, kind, readOnly, isShow);
    } else {
      tag += '|';  // no control: the later parts keep their places
    }

    if (!optionRs.isEmpty() && isShow) {
      const int s = cmdSelect.UBound() + 1;
      if (QPushButton* button = cmdSelect.Load(s)) {
        button->setText(QStringLiteral("..."));
        button->move(label->x() + label->width() + Twips::ToPx(w), label->y());
        cmdSelect.SetTag(s, QString::number(k) + '|' + optionRs + '|' + returnField);
        button->setEnabled(!layout.readOnly);
        connect(button, &QPushButton::clicked, this, [this, s] { emit SelectClicked(s); });
        button->show();
      }
    }

    tag += '|' + flag(boolean("IsInput")) + '|' + flag(boolean("IsKey")) + '|' + maxLength + '|' +
           text("InputRange") + '|' + text("InputExp") + '|' + flag(isBillID) + '|' +
           text("CustomBillID") + '|' + text("Calculate") + '|' + text("DefaultValue") + '|' +
           text("DisplayFormat") + '|' + text("SaveFormat") + '|' + text("SpecField");
    Label1.SetTag(k, tag);
    alignCaption(label, control ? control->height() : label->height());
    label->setVisible(isShow && !(kind == ControlKind::Check && control));
  }
  lastHeight_ = h;
  return true;
}

bool RecordForm::LoadData(const FlexGrid& grid, int row) {
  for (const FieldDef& field : Fields()) {
    QString value = grid.TextMatrix(row, field.label);
    value = GetSpecFieldValue(value, field.Part(FieldDef::kSpecField), kSpecLoad);
    if (field.kind == ControlKind::ComboList)
      if (QComboBox* combo = Combo2[field.index]) combo->setCurrentIndex(-1);
    SetValue(field, value);
  }
  return true;
}

void RecordForm::RecalculateAll() {
  for (int k = 1; k < Label1.Count(); ++k) CalculateField(*this, Label1.Tag(k));
}

bool RecordForm::fail(const QString& text, const FieldDef& field) {
  if (!text.isEmpty()) MsgBox(text, MsgIcon::Exclamation, MsgButtons::OkOnly, Caption(), window_);
  if (QWidget* control = Control(field.kind, field.index)) control->setFocus();
  return false;
}

std::optional<bool> RecordForm::keyTaken(const FieldDef& field, const QString& key,
                                         const KeyScope& scope) const {
  if (scope.grid) {
    const QString wanted = comparable(key);
    for (int r = 1; r < scope.grid->Rows(); ++r)
      if (r != scope.gridRow && comparable(scope.grid->TextMatrix(r, field.label)) == wanted)
        return true;
    return false;
  }
  QString condition = QuoteName(field.Field()) + '=' + SqlLiteral(key);
  if (scope.editMode != 0) condition += " and ID<>" + QString::number(scope.recordId);
  Recordset rs;
  if (!OpenRecordset(scope.selectSQL + ' ' + RecordSource::ApplyFilter(scope.whereArea, condition),
                     rs, 1))
    return std::nullopt;
  return rs.RecordCount() > 0;
}

bool RecordForm::CheckData(const KeyScope& scope) {
  for (const FieldDef& field : Fields()) {
    QWidget* control = Control(field.kind, field.index);
    if (!control || control->isHidden()) continue;
    if (!field.IsTextLike() && field.kind != ControlKind::DateTime) continue;
    const QString caption = Label1[field.label] ? Label1[field.label]->text() : QString();
    const QString inputRange = field.Part(FieldDef::kInputRange).trimmed();
    const QString inputExp = field.Part(FieldDef::kInputExp).trimmed();
    const QString saveFormat = field.Part(FieldDef::kSaveFormat).trimmed();
    auto message = [&caption](int key) { return ReplaceParams(GetLangString(key), {caption}); };

    // A picker's value is checked as it will be saved; a text's as typed.
    const bool picker = field.kind == ControlKind::DateTime;
    bool tagsOk = true;
    QString value = Value(field);
    if (!picker)
      value = value.trimmed();
    else if (!saveFormat.isEmpty())
      value = ApplyFormatTags(this, saveFormat, value, FormatUse::Save, &tagsOk);
    if (!tagsOk) return fail(QString(), field);
    if (field.IsTextLike() && isTrue(field.Part(FieldDef::kIsInput)) && value.isEmpty())
      return fail(message(kRequired), field);
    // A key is measured as it will be stored.
    QString measured = value;
    if (isTrue(field.Part(FieldDef::kIsKey))) {
      const QString key = picker || saveFormat.isEmpty()
                              ? value
                              : ApplyFormatTags(this, saveFormat, value, FormatUse::Save, &tagsOk);
      if (!tagsOk) return fail(QString(), field);
      measured = key;
      const std::optional<bool> taken = keyTaken(field, key, scope);
      if (!taken) return fail(QString(), field);
      if (*taken) return fail(message(kKeyTaken), field);
    }
    bool ok = false;
    const int maxLength = field.Part(FieldDef::kMaxLength).trimmed().toInt(&ok);
    if (field.IsTextLike() && ok && maxLength > 0 && measured.size() > maxLength)
      return fail(message(kTooLong), field);
    if (!CheckInputRange(value, inputRange, inputExp, saveFormat, caption))
      return fail(QString(), field);
  }
  return true;
}

std::optional<SqlTemplate::Values> RecordForm::SaveValues(int editMode, const QString& rsName) {
  billTexts_.clear();
  SqlTemplate::Values values;
  for (const FieldDef& field : Fields()) {
    const QString saveFormat = field.Part(FieldDef::kSaveFormat);
    QString value;
    if (field.kind == ControlKind::Text && editMode == 0 &&
        isTrue(field.Part(FieldDef::kIsBillID)) &&
        !field.Part(FieldDef::kCustomBillID).trimmed().isEmpty()) {
      QLineEdit* edit = Text1[field.index];
      if (!edit) continue;
      billTexts_.emplace_back(field.index, edit->text());
      bool numbered = true;
      const QString number =
          GetBillID(field.Part(FieldDef::kCustomBillID), rsName, field.Field(), true, &numbered);
      if (!numbered || (DbConnection && DbConnection->RollbackOnly())) return std::nullopt;
      edit->setText(number);
    }
    bool tagsOk = true;
    if (field.IsTextLike()) {
      const QString text = savedNumber(field, Value(field));
      if (saveFormat.isEmpty())
        value = text;
      else if (!text.trimmed().isEmpty())
        value = ApplyFormatTags(this, saveFormat, text, FormatUse::Save, &tagsOk);
    } else if (field.kind == ControlKind::DateTime) {
      value = saveFormat.isEmpty()
                  ? Value(field)
                  : ApplyFormatTags(this, saveFormat, Value(field), FormatUse::Save, &tagsOk);
    } else if (field.kind == ControlKind::Check) {
      values.emplace_back(field.Field(), Value(field));
      continue;
    } else {
      continue;
    }
    if (!tagsOk) return std::nullopt;
    GetSpecFieldValue(value, field.Part(FieldDef::kSpecField),
                      editMode == 0 ? kSpecInsert : kSpecUpdate);
    values.emplace_back(field.Field(), value);
  }
  return values;
}

void RecordForm::RestoreBillTexts() {
  for (const auto& [index, text] : billTexts_)
    if (QLineEdit* edit = Text1[index]) edit->setText(text);
  billTexts_.clear();
}

bool RecordForm::ClearData(const QString& rsName) {
  const std::vector<FieldDef> fields = Fields();
  for (auto it = fields.rbegin(); it != fields.rend(); ++it) {
    const FieldDef& field = *it;
    QWidget* control = Control(field.kind, field.index);
    if (!control) continue;
    switch (field.kind) {
      case ControlKind::Text:
        SetValue(field, isTrue(field.Part(FieldDef::kIsBillID))
                            ? GetBillID(field.Part(FieldDef::kCustomBillID), rsName,
                                        field.Field(), false)
                            : QString());
        break;
      case ControlKind::TextArea:
      case ControlKind::Combo: SetValue(field, QString()); break;
      case ControlKind::ComboList:
        if (Combo2[field.index]->count() > 0) Combo2[field.index]->setCurrentIndex(0);
        break;
      case ControlKind::DateTime: SetValue(field, GetServerDate(ServerType)); break;
      case ControlKind::Check: SetValue(field, QStringLiteral("0")); break;
      case ControlKind::Other: continue;
    }
    if (control->isVisibleTo(window_) && control->isEnabled() && control->focusPolicy() != Qt::NoFocus)
      control->setFocus();
  }
  return true;
}

bool RecordForm::FillCombo(QComboBox* combo, const QString& optionRs, const QString& mapping) {
  if (!combo) return false;
  Recordset source;
  if (!RecordSource::OpenFieldRows(optionRs, source, false) ||
      source.Eof())
    return false;
  Recordset rows;
  if (!OpenRecordset(NullToStr(source.Value("SelectSQL")), rows, 1)) return false;
  const QString column = mapping.section(QLatin1Char(';'), 0, 0).section(QLatin1Char('='), 1).trimmed();
  const int c = rows.FieldIndex(column);
  if (c >= 0)
    for (rows.MoveFirst(); !rows.Eof(); rows.MoveNext()) combo->addItem(rows.Fields(c).Text());
  if (combo->count() > 0) combo->setCurrentIndex(0);
  return true;
}

int RecordForm::labelOf(QObject* control) const {
  return control ? control->property(kLabelProperty).toInt() : 0;
}

void RecordForm::FinishEditing() {
  QWidget* focused = QApplication::focusWidget();
  if (!focused || labelOf(focused) == 0) return;
  QFocusEvent out(QEvent::FocusOut, Qt::OtherFocusReason);
  eventFilter(focused, &out);
}

bool RecordForm::eventFilter(QObject* watched, QEvent* event) {
  const QEvent::Type type = event->type();
  if (type == QEvent::FocusIn || type == QEvent::FocusOut) {
    const bool out = type == QEvent::FocusOut;
    const int k = labelOf(watched);
    if (k > 0) {
      if (qobject_cast<QPlainTextEdit*>(watched)) {
        emit TextAreaFocus(!out);
        if (out) emit FieldEvent(k, ControlKind::TextArea, true);
      } else if (out && qobject_cast<QLineEdit*>(watched)) {
        emit FieldEvent(k, ControlKind::Text, true);
      } else if (out && qobject_cast<QCheckBox*>(watched)) {
        emit FieldEvent(k, ControlKind::Check, true);
      } else if (out) {
        if (auto* combo = qobject_cast<QComboBox*>(watched); combo && combo->isEditable())
          emit FieldEvent(k, ControlKind::Combo, true);
      }
    }
  }
  return QObject::eventFilter(watched, event);
}

}  // namespace rd
