#pragma once
#include <QString>

namespace rd {

class FlexGrid;

// What a module's browse window offers to the main window, its editors and
// the expression routines.
class ModuleWindow {
 public:
  virtual ~ModuleWindow() = default;

  QString ModuleName() const { return moduleName_; }
  void SetModuleName(const QString& v) { moduleName_ = v; }
  QString RsName() const { return rsName_; }
  void SetRsName(const QString& v) { rsName_ = v; }
  QString RsName2() const { return rsName2_; }
  void SetRsName2(const QString& v) { rsName2_ = v; }
  QString Relation() const { return relation_; }
  void SetRelation(const QString& v) { relation_ = v; }

  // Builds the window from its members; false, with one message shown,
  // when it cannot open.
  virtual bool InitControl() = 0;
  // Reads the records again; the filter is an SQL condition or empty.
  virtual bool RefreshData(const QString& filter = QString()) = 0;
  virtual QString SelectSQL() const = 0;
  virtual QString WhereArea() const = 0;
  virtual QString OrderArea() const = 0;
  virtual FlexGrid* vsData() = 0;

 private:
  QString moduleName_, rsName_, rsName2_, relation_;
};

}  // namespace rd
