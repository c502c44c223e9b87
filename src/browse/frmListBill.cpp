#include "browse/frmListBill.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

#include "browse/FillBillForm.h"
#include "core/modCommon.h"
#include "core/modDatabase.h"
#include "platform/db/Recordset.h"
#include "platform/widgets/ButtonRow.h"
#include "platform/widgets/FlexGrid.h"

namespace rd {

frmListBill::frmListBill(QWidget* parent)
    : QDialog(parent),
      vsData_(new FlexGrid(this)),
      cmdOK_(new QPushButton(GetLangString(1038), this)),
      cmdCancel_(new QPushButton(GetLangString(1039), this)) {
  setObjectName(QStringLiteral("frmListBill"));
  setWindowTitle(GetLangString(1116));
  vsData_->setObjectName(QStringLiteral("vsData"));
  cmdOK_->setDefault(true);
  QHBoxLayout* buttons = ButtonRow({cmdOK_, cmdCancel_});
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(vsData_);
  layout->addLayout(buttons);
  resize(640, 400);
  connect(cmdOK_, &QPushButton::clicked, this, &frmListBill::cmdOK_Click);
  connect(cmdCancel_, &QPushButton::clicked, this, &frmListBill::cmdCancel_Click);
  connect(vsData_, &FlexGrid::DblClick, this, [this](int row) {
    if (row > 0) cmdOK_Click();
  });
}

void frmListBill::GetData() {
  Recordset rs;
  if (!OpenRecordset(sql_.section(QLatin1Char(';'), 0, 0), rs)) return;
  vsData_->SetDataSource(rs);
  for (int col = 1; col < vsData_->Cols(); ++col)
    vsData_->SetTextMatrix(0, col, GetFieldCaption(vsData_->ColKey(col)));
  vsData_->Refresh();
}

void frmListBill::cmdOK_Click() {
  const int row = vsData_->ActionRow();
  if (row > 0) {
    QString picked;
    for (int col = 1; col < vsData_->Cols(); ++col) {
      if (vsData_->ColKey(col).compare(key_, Qt::CaseInsensitive) == 0) {
        picked = vsData_->TextMatrix(row, col);
        break;
      }
    }
    FillBillForm(form_, moduleName_, button_, sql_, key_, picked);
  }
  accept();
}

void frmListBill::cmdCancel_Click() { reject(); }

}  // namespace rd
