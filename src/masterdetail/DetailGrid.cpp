#include "masterdetail/DetailGrid.h"

#include "browse/RecordSource.h"
#include "core/ModuleRelation.h"
#include "core/modCommon.h"
#include "core/modDatabase.h"
#include "platform/db/Recordset.h"
#include "platform/ui/Ui.h"
#include "platform/widgets/FlexGrid.h"

namespace rd {

bool DetailGrid::Refresh(FlexGrid& grid, const QString& rsName, const QString& filter,
                         Query* query) {
  Recordset rs;
  if (!RecordSource::OpenFieldRows(rsName, rs)) {
    grid.SetRows(1);
    return false;
  }
  if (rs.Eof()) {
    grid.SetRows(1);
    MsgBox(ReplaceParams(GetLangString(1212), {rsName}),
           MsgIcon::Critical, MsgButtons::OkOnly, QString(), grid.window());
    return false;
  }
  Query q;
  q.selectSQL = NullToStr(rs.Value("SelectSQL"));
  q.whereArea = RecordSource::ApplyFilter(NullToStr(rs.Value("WhereArea")), filter);
  q.orderArea = NullToStr(rs.Value("OrderArea"));
  q.gridCalculate = NullToStr(rs.Value("GridCalculate"));
  if (query) *query = q;

  Recordset rows;
  const bool opened =
      OpenRecordset(RecordSource::Query(q.selectSQL, q.whereArea, q.orderArea), rows, 1);
  grid.SetDataSource(rows);
  grid.SetTag(q.gridCalculate);
  int col = 1;
  for (rs.MoveFirst(); !rs.Eof() && col < grid.Cols(); rs.MoveNext(), ++col) {
    grid.SetTextMatrix(0, col, NullToStr(rs.Value("Language")));
    grid.SetColHidden(col, !VariantToBoolean(rs.Value("IsShow")));
  }
  grid.Refresh();
  return opened;
}

QString DetailGrid::RelationFilter(const QString& relation, const QString& masterValue) {
  const std::optional<ModuleRelation> link = ModuleRelation::Parse(relation);
  if (!link) return QStringLiteral("1=0");
  return link->detailField + '=' + SqlLiteral(masterValue);
}

}  // namespace rd
