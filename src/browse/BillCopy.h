#pragma once
#include <QString>
#include <QStringList>
#include <optional>
#include <utility>
#include <vector>

namespace rd {

class EditorFields;

// Everything a bill copy writes into an editor, read from the database
// before anything is written, so that a failure leaves the editor alone.
// Parameter1 holds the list, header and detail queries joined by ";"; the
// header mapping pairs editor fields with header columns, the detail
// mapping detail-grid column keys with detail columns ("target=source;...").
class BillCopy {
 public:
  using Pairs = std::vector<std::pair<QString, QString>>;

  // Reads the header's first row and, for a detail copy, every detail
  // record laid out for the grid columns gridKeys (index 0 the fixed
  // column). Nothing, with the reason in *error, when the copy cannot be
  // made whole; a query that failed to open has shown its own message and
  // leaves *error empty.
  static std::optional<BillCopy> Read(const QString& parameter1, const QString& key,
                                      const QString& picked, const QString& buttonTag,
                                      const QStringList& gridKeys, bool hasGrid,
                                      QString* error);

  // "target=source" pairs joined by ";"; empty pieces are skipped.
  static std::optional<Pairs> ParseMapping(const QString& mapping, QString* error);
  // Every "@" + key (case ignored) replaced by value, its quotes doubled.
  static QString ReplacePlaceholder(const QString& sql, const QString& key, const QString& value);

  // Writes the header values into the fields that a pair names. When a
  // field cannot take its value, the fields written are set back and false
  // comes with the reason in *error.
  bool ApplyHeader(EditorFields& fields, QString* error) const;

  bool CopiesDetail() const { return copiesDetail_; }
  // The new grid rows: cells 1 to Cols - 1 (cell 0 empty).
  const std::vector<QStringList>& DetailRows() const { return detailRows_; }

 private:
  Pairs header_;  // target, value
  bool copiesDetail_ = false;
  std::vector<QStringList> detailRows_;
};

}  // namespace rd
