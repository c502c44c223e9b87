#pragma once
#include <QString>

#include "expressions/EditorFields.h"

namespace rd {

// Modes of GetSpecFieldValue.
enum SpecFieldMode { kSpecNewForm = 0, kSpecInsert = 1, kSpecLoad = 2, kSpecUpdate = 3 };

// First column of the first row of sql on DbConnection; "" for null, no
// row or a failed query. A non-empty format goes through Format.
QString GetSqlValue(const QString& sql, const QString& format = QString());

// The input rule of a field (inputRange compared exactly): "Any",
// "Digital", "Letter", "DigitalOrLetter", "Email" or "Custom" (inputExp, a
// condition on "@1" and "now()"). A failure shows its message, titled
// AppTitle, and gives false; any other rule gives false silently.
// converter is the field's save format: its tags (or a "Name(argument)"
// call) convert the value and the server time before the condition; a
// converter naming no function fails after its one message.
bool CheckInputRange(const QString& value, const QString& inputRange, const QString& inputExp,
                     const QString& converter, const QString& caption);

bool IsLetter(const QString& text);           // A-Z, a-z, codes 8, 9, 10, 13
bool IsDigitalOrLetter(const QString& text);  // 0-9, A-Z, a-z
bool IsEmail(const QString& text);            // holds "@" and "."

// True when the condition evaluates to True; any error is false.
bool EvalCondition(const QString& expr);

// The bill-number template with its tags expanded; commit false previews,
// true takes the number (joining the caller's transaction). A function
// that does not exist is reported once and sets *ok to false.
QString GetBillID(const QString& billTemplate, const QString& rsName, const QString& field,
                  bool commit, bool* ok = nullptr);

// Runs the Calculate of the field whose label tag is given.
void CalculateField(EditorFields& window, const QString& labelTag);

// An expression's value as text; see BoundExpression::EvaluateText.
QString EvalExpression(const QString& expr);

// Runs an assignment list (Field=expression;...) on the window: "@Field"
// stands for a field's value as it was before the first item ran. False when
// a tag of an item failed: that item stored nothing.
bool ExecCalculate(EditorFields& window, const QString& expr);

// Fills every field's default value (a DateTime field gets the server time).
bool SetDefaultValue(EditorFields& window);

// Applies every field's display format; false when a label tag is too short.
bool SetDisplayFormat(EditorFields& window);

// How the tags of a format combine: a display format applies them one
// after the other; in a save format every tag gets the control's own
// value and the last tag's result is the value.
enum class FormatUse { Display, Save };

// A value through the tags of a format, in order: each function gets the
// window, a value (as use says) and the argument (everything after the
// first ":"). A function that does not exist is reported once, leaves the
// value as it is and sets *ok to false.
QString ApplyFormatTags(EditorFields* window, const QString& format, const QString& value,
                        FormatUse use, bool* ok = nullptr);

// The value of an audit column (specField, any case) in a mode; value is
// updated too. Other fields and modes keep the value.
QString GetSpecFieldValue(QString& value, const QString& specField, int mode);

}  // namespace rd
