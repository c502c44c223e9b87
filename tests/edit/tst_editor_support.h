#pragma once
// The sample database with a browse window as the opener of the record
// editor, and helpers that reach the editor's fields by name.
#include <QtTest>
#include <memory>

#include "browse/BrowseFixture.h"
#include "browse/frmSingleTable.h"
#include "edit/RecordForm.h"
#include "edit/frmEdit.h"
#include "platform/widgets/FlexGrid.h"
#include "platform/widgets/Toolbar.h"

namespace editorsupport {

class Bench {
 public:
  // A browse window of the module over rsName, refreshed.
  void Browse(const QString& module, const QString& rsName) {
    browse = std::make_unique<rd::frmSingleTable>();
    browse->SetModuleName(module);
    browse->SetRsName(rsName);
    browse->setWindowTitle(module);
    browse->InitControl();
    QVERIFY(browse->RefreshData());
  }
  // The editor on the browse window; row is the grid row in modify mode.
  rd::frmEdit& Open(int mode, int row = 0, bool allowAdd = true) {
    editor = std::make_unique<rd::frmEdit>();
    editor->SetForm(browse.get());
    editor->SetEditMode(mode);
    editor->SetAllowAdd(allowAdd);
    editor->SetModuleName(browse->ModuleName());
    editor->SetRsName(browse->RsName());
    editor->SetID(row);
    editor->Load();
    editor->setWindowTitle("Edit");
    return *editor;
  }
  // The grid row whose column holds text; -1 when none.
  int GridRow(int column, const QString& text) const {
    rd::FlexGrid* grid = browse->vsData();
    for (int r = 1; r < grid->Rows(); ++r)
      if (grid->TextMatrix(r, column) == text) return r;
    return -1;
  }
  const rd::FieldDef& Field(const QString& name) const {
    const rd::FieldDef* def = editor->Fields().FindField(name);
    if (!def) qFatal("no field %s", qPrintable(name));
    return *def;
  }
  QString Get(const QString& name) const { return editor->Fields().Value(Field(name)); }
  void Set(const QString& name, const QString& value) {
    QVERIFY(editor->Fields().SetValue(Field(name), value));
  }
  QString Cell(const QString& sql) const {
    rd::Recordset rs;
    if (!rd::OpenRecordset(sql, rs) || rs.Eof()) return "<no row>";
    return rs.Fields(0).Value.isNull() ? "<null>" : rs.Fields(0).Text();
  }

  browsefixture::Database db;
  std::unique_ptr<rd::frmSingleTable> browse;
  std::unique_ptr<rd::frmEdit> editor;
};

}  // namespace editorsupport
