#include "edit/frmOption.h"

#include <QPushButton>

#include "browse/RecordSource.h"
#include "core/modCommon.h"
#include "core/modDatabase.h"
#include "platform/db/Recordset.h"
#include "platform/ui/Twips.h"
#include "platform/widgets/FlexGrid.h"

namespace rd {

namespace {
constexpr int kOk = 1038;
constexpr int kCancel = 1039;
}  // namespace

frmOption::frmOption(QWidget* parent)
    : QDialog(parent),
      vsData_(new FlexGrid(this)),
      cmdOK_(new QPushButton(this)),
      cmdCancel_(new QPushButton(this)) {
  setWindowFlags(windowFlags() & ~Qt::WindowMaximizeButtonHint & ~Qt::WindowContextHelpButtonHint);
  vsData_->setObjectName(QStringLiteral("vsData"));
  cmdOK_->setObjectName(QStringLiteral("cmdOK"));
  cmdCancel_->setObjectName(QStringLiteral("cmdCancel"));
  vsData_->setGeometry(Twips::ToPx(0, 0, 7380, 4560));
  cmdOK_->setGeometry(Twips::ToPx(4440, 4680, 1335, 375));
  cmdCancel_->setGeometry(Twips::ToPx(6000, 4680, 1335, 375));
  resize(Twips::ToPx(7380), Twips::ToPx(5130));
  cmdOK_->setText(GetLangString(kOk));
  cmdCancel_->setText(GetLangString(kCancel));
  cmdOK_->setDefault(true);
  connect(cmdOK_, &QPushButton::clicked, this, &frmOption::cmdOK_Click);
  connect(cmdCancel_, &QPushButton::clicked, this, &frmOption::cmdCancel_Click);
  connect(vsData_, &FlexGrid::DblClick, this, [this](int row) {
    if (row > 0) cmdOK_Click();
  });
}

bool frmOption::RefreshData() {
  Recordset source;
  if (!RecordSource::OpenFieldRows(rsName_, source))
    return false;
  Recordset rows;
  if (source.Eof() || !OpenRecordset(NullToStr(source.Value("SelectSQL")), rows, 1)) return false;
  vsData_->SetDataSource(rows);
  int i = 1;
  for (source.MoveFirst(); !source.Eof() && i < vsData_->Cols(); source.MoveNext(), ++i) {
    vsData_->SetTextMatrix(0, i, NullToStr(source.Value("Language")));
    vsData_->SetColHidden(i, !VariantToBoolean(source.Value("IsShow")));
  }
  vsData_->Refresh();
  return true;
}

void frmOption::cmdOK_Click() {
  const int row = vsData_->SelectedRow(0);
  if (row > 0 && form_) {
    QStringList values;
    for (const QString& source : returnField_.split(QLatin1Char(';'))) {
      QString value;
      for (int i = 1; i < vsData_->Cols(); ++i)
        if (vsData_->ColKey(i).compare(source, Qt::CaseInsensitive) == 0) {
          value = vsData_->TextMatrix(row, i);
          break;
        }
      values << value;  // a missing source keeps its place
    }
    form_->setProperty("ReturnValue", values.join(QLatin1Char(';')));
    form_->setProperty("OKFlag", true);
  }
  accept();
}

void frmOption::cmdCancel_Click() { reject(); }

}  // namespace rd
