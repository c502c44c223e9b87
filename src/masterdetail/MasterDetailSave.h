#pragma once
#include <QString>

#include "core/SqlTemplate.h"
#include "core/modDatabase.h"

namespace rd {

class EditorFields;

// Writes one master record and all its detail rows through the record
// sources' templates: the master insert or update (the whole text), in
// modify mode the detail delete, then one detail insert per grid row, its
// values bound to one statement prepared once for every line whose values
// all bind. The caller holds the transaction around it.
class MasterDetailSave {
 public:
  // Reads the master's insert (editMode 0) or update template and the
  // detail's insert and delete templates; false with *error when a source
  // has no field rows (a failed read has shown its own message).
  bool LoadTemplates(const QString& rsName, const QString& rsName2, int editMode, QString* error);

  struct Link {
    QString masterField, detailField;  // the module's relation
    QString value;                     // the master's relation value as saved
    QString storedValue;               // modify: the value the stored rows carry
  };
  // Runs the statements; rows is the editor's detail grid (rows 1 up,
  // columns keyed by field). A new master linked by its ID gives its
  // detail rows the ID the database gave it. False with *error at the
  // first statement that fails, or when the update finds no stored master.
  bool Write(const SqlTemplate::Values& master, int editMode, Link link, const EditorFields& rows,
             QString* error);

 private:
  static bool run(const QString& sql, QString* error, int* rowsAffected = nullptr);
  static bool runBound(const RepeatedSQL& statement, const QVariantList& values, QString* error);
  static bool readNewId(QString* id, QString* error);

  QString master_, detailInsert_, detailDelete_;
};

}  // namespace rd
