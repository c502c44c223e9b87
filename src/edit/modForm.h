#pragma once
#include <QString>

class QComboBox;
class QPushButton;
class QWidget;

namespace rd {

class FieldControls;

// Opens the option picker for an option button (tag: label index,
// OptionRs, ReturnField joined by "|") of an editor window, which must
// offer the properties ReturnValue and OKFlag. A confirmed row's values go
// into the mapped fields, the first target getting the focus; true then.
bool SelectOption(QWidget* editor, FieldControls& fields, const QString& buttonTag);

// Fills a combo box from the first source of the mapping on optionRs.
bool FillCombo(QComboBox* combo, const QString& optionRs, const QString& returnField);

}  // namespace rd
