#pragma once
#include <QString>
#include <QStringList>
#include <QVariantList>
#include <utility>
#include <vector>

namespace rd {

// A stored statement of a record source (insert, update or delete),
// filled with the values of a record.
//
// Placeholders are "@" + a field name (exact case), found in one pass over
// the statement: a placeholder matches only a whole name (the longest field
// name that is not followed by a further letter, digit or "_"), and an
// inserted value is never scanned again. The first entry of a name wins;
// unknown placeholders stay as written.
class SqlTemplate {
 public:
  using Values = std::vector<std::pair<QString, QString>>;  // field, value

  // The text before the first "|".
  static QString Statement(const QString& stored);
  // Replaces every placeholder by SqlStr of its value.
  static QString Fill(const QString& statement, const Values& values);

  // The statement split once at its placeholders for these field names;
  // the values given later come in the same order.
  SqlTemplate(const QString& statement, const QStringList& names);
  QString Fill(const QStringList& values) const;

  // The statement with "?" for the values it binds: a placeholder that is
  // a whole quoted literal ('@Field') binds its value as SqlStr would have
  // it stored (empty is NULL); a bare placeholder binds a plain
  // non-negative 64-bit integer. Every other placeholder is filled as by
  // Fill, so the statement stores what the filled one would.
  struct Bound {
    QString sql;
    QVariantList values;
  };
  Bound Bind(const QStringList& values) const;

  // The statement Bind gives every line whose bare placeholders all get
  // plain integers, built once; empty when Bind fills some placeholder
  // whatever its value, so that no two lines need share a text.
  const QString& Shared() const { return shared_; }
  // Bind's values for such a line; false when there is no shared
  // statement or a bare value is not a plain integer.
  bool BindShared(const QStringList& values, QVariantList* out) const;

 private:
  enum class Kind { Filled, Quoted, Bare };
  struct Piece {
    QString before;  // the statement's text up to the placeholder
    int value;       // index into the values
    Kind kind;
  };
  void Scan(const QString& statement, const QStringList& names);
  static void AppendFilled(QString& out, const Piece& piece, const QString& value);
  // Appends the value that takes the place of a "?"; false when the piece
  // is filled into the text instead.
  bool BindPiece(const Piece& piece, const QString& value, QVariantList& out) const;

  std::vector<Piece> pieces_;
  QString tail_;
  bool bindable_ = true;
  QString shared_;
};

}  // namespace rd
