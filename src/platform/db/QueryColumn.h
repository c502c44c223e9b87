#pragma once
#include <QByteArray>
#include <QString>
#include <QVariant>
#include <cstdint>
#include <vector>

namespace rd {

// One column of fetched rows, stored by the type of its values: whole
// numbers or reals in one array, texts (UTF-8) and bytes in one buffer with
// an end offset per row, and a null bitmap. A column whose values mix types
// falls back to one QVariant per row.
//
// Values read back as the database driver gives them: whole numbers as
// qlonglong, reals as double, texts as QString, bytes as QByteArray and
// NULL as a null QString-typed QVariant.
class QueryColumn {
 public:
  enum class Kind { Null, Integer, Real, Text, Blob, Variant };

  Kind kind() const { return kind_; }
  int size() const { return size_; }

  bool IsNull(int row) const { return (nulls_[size_t(row) >> 6] >> (row & 63)) & 1; }
  // Whether the value is a number (not NULL).
  bool IsNumber(int row) const;
  QVariant Value(int row) const;
  // The value as the program shows it ("" for NULL).
  QString Text(int row) const;

  void AppendNull();
  void AppendInteger(qint64 value);
  void AppendReal(double value);
  void AppendText(const char* utf8, qsizetype bytes);
  void AppendBlob(const char* data, qsizetype bytes);
  // Any value; numbers, texts and bytes go to their typed store.
  void Append(const QVariant& value);
  // The value of another column's row, as it is stored there.
  void AppendFrom(const QueryColumn& from, int row);

 private:
  // Makes the column able to take a value of this kind; false once it has
  // fallen back to QVariants.
  bool Accepts(Kind kind);
  void FallBackToVariants();
  void AppendBytes(const char* data, qsizetype bytes);
  void AppendVariant(const QVariant& value);
  void MarkNotNull();
  const char* BytesOf(int row, qsizetype* length) const;

  Kind kind_ = Kind::Null;
  int size_ = 0;
  std::vector<std::uint64_t> nulls_;  // bit set: NULL
  std::vector<qint64> integers_;
  std::vector<double> reals_;
  std::vector<char> bytes_;
  std::vector<qint64> ends_;  // end of each row's bytes
  std::vector<QVariant> variants_;
};

}  // namespace rd
