#pragma once
// A small editor window over FieldControls, and the sample database with a
// user logged in, for the expression routines.
#include <QWidget>
#include <QtTest>
#include <memory>

#include "core/Globals.h"
#include "core/modDatabase.h"
#include "edit/FieldControls.h"
#include "support/ScriptedUi.h"
#include "support/TestProgramFolder.h"

namespace exprfixture {

// The parts of a FieldDefTag after Field, ControlType and index.
struct Def {
  QString calculate, defaultValue, displayFormat, specField;
  QString inputRange = "Any", inputExp, saveFormat;
};

class TestWindow : public QWidget {
 public:
  TestWindow() : fields(this) { setWindowTitle("Test Editor"); }

  // Loads a label and its input control; gives the label index.
  int Add(const QString& field, const QString& controlType, const Def& def = Def()) {
    const int label = fields.Label1.UBound() + 1;
    fields.Label1.Load(label);
    int index = 0;
    const rd::ControlKind kind = rd::FieldDef::KindOf(controlType);
    if (kind != rd::ControlKind::Other) fields.LoadControl(kind, &index);
    const QStringList parts{field, controlType, QString::number(index), "False", "False", "0",
                            def.inputRange, def.inputExp, "False", "", def.calculate,
                            def.defaultValue, def.displayFormat, def.saveFormat, def.specField};
    fields.Label1.SetTag(label, parts.join('|'));
    return label;
  }
  const rd::FieldDef& Field(const QString& name) { return *fields.FindField(name); }
  QString Value(const QString& name) { return fields.Value(Field(name)); }
  void Set(const QString& name, const QString& value) {
    QVERIFY(fields.SetValue(Field(name), value));
  }

  rd::FieldControls fields;
};

// The sample database open as DbConnection, user "Mary-Ann" logged in.
class Database {
 public:
  Database() : folder_(std::make_unique<TestProgramFolder>()) {
    rd::ConfigFile = folder_->File("Config.ini");
    rd::LanguageFile = folder_->File("Language/1033.ini");
    rd::AppTitle = "RecordDesk";
    rd::ServerType = "ACCESS";
    rd::DbConnection = rd::Connection::OpenSqlite(folder_->DatabasePath());
    rd::UserInfo = std::make_unique<rd::clsUserInfo>();
    rd::UserInfo->LoginUser = "Mary-Ann";
  }
  ~Database() { rd::ReleaseGlobals(); }
  bool Ok() const { return folder_->Ok() && rd::DbConnection; }
  QString Path() const { return folder_->DatabasePath(); }

 private:
  std::unique_ptr<TestProgramFolder> folder_;
};

// The first column of the first row of a query.
inline QString Scalar(const QString& sql) {
  rd::Recordset rs;
  if (!rd::OpenRecordset(sql, rs) || rs.Eof()) return "<none>";
  return rs.Fields(0).Text();
}

}  // namespace exprfixture
