#include "designer/frmToolbarEdit.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStyle>
#include <initializer_list>

#include "core/modCommon.h"
#include "platform/ui/ProgramFolder.h"
#include "platform/ui/Ui.h"
#include "platform/widgets/ButtonRow.h"
#include "platform/widgets/FlexGrid.h"
#include "platform/widgets/ReadOnlyLook.h"

namespace rd {

namespace {
const QString kStandard = QStringLiteral("Standard");
const QString kCustom = QStringLiteral("Custom");
constexpr const char* kStandardKeys[] = {"Add", "Modify", "Delete", "Query", "Print"};
constexpr int kTypeColumn = 3;
constexpr int kRowGone = 1213;
constexpr int kRowNotAdded = 1214;

QLabel* Caption(const char* text, QWidget* buddy, QWidget* parent) {
  auto* label = new QLabel(QString::fromLatin1(text), parent);
  label->setBuddy(buddy);
  return label;
}

void Lock(QWidget* box, bool locked) {
  if (auto* line = qobject_cast<QLineEdit*>(box)) line->setReadOnly(locked);
  if (auto* text = qobject_cast<QPlainTextEdit*>(box)) text->setReadOnly(locked);
  ShowAsReadOnly(box, locked);
}
}  // namespace

frmToolbarEdit::frmToolbarEdit(QWidget* parent)
    : QDialog(parent),
      cboButtonType_(new QComboBox(this)),
      cboText_(new QComboBox(this)),
      txtToolTipText_(new QLineEdit(this)),
      txtImage_(new QLineEdit(this)),
      cmdImage_(new QPushButton(QStringLiteral("..."), this)),
      txtFunction_(new QLineEdit(this)),
      txtPara_{new QPlainTextEdit(this), new QPlainTextEdit(this), new QPlainTextEdit(this)},
      cmdOK_(new QPushButton(QStringLiteral("OK"), this)),
      cmdCancel_(new QPushButton(QStringLiteral("Cancel"), this)) {
  setObjectName(QStringLiteral("frmToolbarEdit"));
  setWindowTitle(QStringLiteral("Toolbar Edit"));
  cboButtonType_->setObjectName(QStringLiteral("cboButtonType"));
  cboText_->setObjectName(QStringLiteral("cboText"));
  txtToolTipText_->setObjectName(QStringLiteral("txtToolTipText"));
  txtImage_->setObjectName(QStringLiteral("txtImage"));
  cmdImage_->setObjectName(QStringLiteral("cmdImage"));
  txtFunction_->setObjectName(QStringLiteral("txtFunction"));
  for (int i = 0; i < 3; ++i) {
    txtPara_[i]->setObjectName("txtPara" + QString::number(i + 1));
    txtPara_[i]->setTabChangesFocus(true);
    txtPara_[i]->setFixedHeight(txtPara_[i]->fontMetrics().lineSpacing() * 3 + 12);
  }
  cmdOK_->setObjectName(QStringLiteral("cmdOK"));
  cmdCancel_->setObjectName(QStringLiteral("cmdCancel"));
  cboText_->setEditable(true);
  cboText_->setInsertPolicy(QComboBox::NoInsert);
  cmdOK_->setDefault(true);

  auto* fields = new QGridLayout;
  fields->addWidget(Caption("Button Type", cboButtonType_, this), 0, 0);
  fields->addWidget(cboButtonType_, 0, 1, 1, 2);
  fields->addWidget(Caption("Text", cboText_, this), 1, 0);
  fields->addWidget(cboText_, 1, 1, 1, 2);
  fields->addWidget(Caption("ToolTipText", txtToolTipText_, this), 2, 0);
  fields->addWidget(txtToolTipText_, 2, 1, 1, 2);
  fields->addWidget(Caption("Image", txtImage_, this), 3, 0);
  fields->addWidget(txtImage_, 3, 1);
  fields->addWidget(cmdImage_, 3, 2);
  fields->addWidget(Caption("Function", txtFunction_, this), 4, 0);
  fields->addWidget(txtFunction_, 4, 1, 1, 2);
  const char* parameters[] = {"Parameter1", "Parameter2", "Parameter3"};
  for (int i = 0; i < 3; ++i) {
    fields->addWidget(Caption(parameters[i], txtPara_[i], this), 5 + i, 0, Qt::AlignTop);
    fields->addWidget(txtPara_[i], 5 + i, 1, 1, 2);
  }
  fields->setColumnStretch(1, 1);
  QHBoxLayout* buttons = ButtonRow({cmdOK_, cmdCancel_});
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(fields);
  layout->addLayout(buttons);
  resize(420, sizeHint().height());

  connect(cboButtonType_, &QComboBox::activated, this, &frmToolbarEdit::cboButtonType_Click);
  connect(cmdImage_, &QPushButton::clicked, this, &frmToolbarEdit::cmdImage_Click);
  connect(cmdOK_, &QPushButton::clicked, this, &frmToolbarEdit::cmdOK_Click);
  connect(cmdCancel_, &QPushButton::clicked, this, &QDialog::reject);
}

bool frmToolbarEdit::InitControl() {
  cboButtonType_->clear();
  cboButtonType_->addItems({kStandard, kCustom});
  SelectType(kStandard);
  return true;
}

void frmToolbarEdit::SelectType(const QString& type) {
  cboButtonType_->setCurrentIndex(cboButtonType_->findText(type));
  cboButtonType_Click();
}

void frmToolbarEdit::cboButtonType_Click() {
  const bool standard = cboButtonType_->currentText().toLower() == QLatin1String("standard");
  const QString typed = cboText_->currentText();
  cboText_->clear();
  if (standard) {
    if (formTemplateName_.toLower() == QLatin1String("multirs"))
      cboText_->addItem(QStringLiteral("View"));
    for (const char* key : kStandardKeys) cboText_->addItem(QString::fromLatin1(key));
  }
  cboText_->setCurrentIndex(-1);
  cboText_->setEditText(typed);
  for (QWidget* box : std::initializer_list<QWidget*>{txtToolTipText_, txtImage_, txtFunction_,
                                                      txtPara_[0], txtPara_[1], txtPara_[2]})
    Lock(box, standard);
  cmdImage_->setEnabled(!standard);
}

bool frmToolbarEdit::GetData() {
  if (!gird_ || id_ < 1 || id_ >= gird_->Rows()) return false;
  const int r = id_;
  const bool standard = gird_->TextMatrix(r, kTypeColumn).toLower() == QLatin1String("standard");
  SelectType(standard ? kStandard : kCustom);
  cboText_->setEditText(gird_->TextMatrix(r, 4));
  txtToolTipText_->setText(gird_->TextMatrix(r, 5));
  txtImage_->setText(gird_->TextMatrix(r, 6));
  txtFunction_->setText(gird_->TextMatrix(r, 7));
  for (int i = 0; i < 3; ++i) txtPara_[i]->setPlainText(gird_->TextMatrix(r, 8 + i));
  return true;
}

void frmToolbarEdit::cmdImage_Click() {
  const QString file =
      Ui::Instance().GetOpenFileName(QStringLiteral("Open"), ProgramFolder::File("icons/"),
                                     QStringLiteral("All Files (*)"), this);
  if (!file.isEmpty()) txtImage_->setText(file);
}

bool frmToolbarEdit::SaveData() {
  int row = id_;
  if (editMode_ == 0) {
    if (!gird_ || !gird_->AddItem(QString())) return Refuse(kRowNotAdded);
    row = gird_->Rows() - 1;
  } else if (!gird_ || row < 1 || row >= gird_->Rows()) {
    return Refuse(kRowGone);
  }
  const QString texts[] = {menuID_,
                           cboButtonType_->currentText(),
                           cboText_->currentText(),
                           txtToolTipText_->text(),
                           txtImage_->text(),
                           txtFunction_->text(),
                           txtPara_[0]->toPlainText(),
                           txtPara_[1]->toPlainText(),
                           txtPara_[2]->toPlainText()};
  for (int i = 0; i < 9; ++i) gird_->SetTextMatrix(row, 2 + i, texts[i]);
  return true;
}

bool frmToolbarEdit::Refuse(int textKey) {
  MsgBox(GetLangString(textKey), MsgIcon::Exclamation, MsgButtons::OkOnly, windowTitle(), this);
  return false;
}

void frmToolbarEdit::cmdOK_Click() {
  if (SaveData()) accept();
}

}  // namespace rd
