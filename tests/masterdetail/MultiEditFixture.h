#pragma once
// The sample database opened as after an administrator's login, and a
// stand-in master browse window over the SalesBills module whose grid holds
// the stored bills.
#include <QtTest>
#include <QWidget>

#include "browse/RecordSource.h"
#include "core/Globals.h"
#include "core/ModuleWindow.h"
#include "core/modDatabase.h"
#include "platform/widgets/FlexGrid.h"
#include "support/SampleDatabase.h"

namespace multieditfixture {

class Database : public SampleDatabase {
 public:
  Database() {
    rd::UserInfo = std::make_unique<rd::clsUserInfo>();
    rd::UserInfo->LoginUser = "admin";
  }
  static QString Text(const QString& sql) {
    rd::Recordset rs;
    return rd::OpenRecordset(sql, rs) && !rs.Eof() ? rd::NullToStr(rs.Fields(0).Value) : "?";
  }
  // Every row of a table, one text per row, for before/after comparisons.
  static QStringList Dump(const QString& table) {
    rd::Recordset rs;
    QStringList rows;
    if (!rd::OpenRecordset("select * from " + table + " order by 1, 2", rs)) return {"?"};
    for (; !rs.Eof(); rs.MoveNext()) {
      QStringList cells;
      for (int i = 0; i < rs.FieldCount(); ++i) cells << rd::NullToStr(rs.Fields(i).Value);
      rows << cells.join('|');
    }
    return rows;
  }
};

class Opener : public QWidget, public rd::ModuleWindow {
 public:
  Opener() : grid_(new rd::FlexGrid(this)) {
    SetModuleName("SalesBills");
    SetRsName("SalesBill");
    SetRsName2("SalesBillLine");
    SetRelation("BillNo=BillNo");
    setWindowTitle("Sales Bills");
    RefreshData();
    refreshes = 0;
  }
  bool InitControl() override { return true; }
  bool RefreshData(const QString& filter = QString()) override {
    ++refreshes;
    rd::RecordSource source;
    source.Load(RsName());
    rd::Recordset rs;
    const bool ok = rd::OpenRecordset(
        rd::RecordSource::Query(source.SelectSQL(),
                                rd::RecordSource::ApplyFilter(source.WhereArea(), filter),
                                "order by ID"),
        rs);
    grid_->SetDataSource(rs);
    return ok;
  }
  QString SelectSQL() const override { return {}; }
  QString WhereArea() const override { return {}; }
  QString OrderArea() const override { return {}; }
  rd::FlexGrid* vsData() override { return grid_; }
  int refreshes = 0;

 private:
  rd::FlexGrid* grid_;
};

}  // namespace multieditfixture
