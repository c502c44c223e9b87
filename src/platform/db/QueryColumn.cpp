#include "platform/db/QueryColumn.h"

#include <limits>

#include "platform/text/AnsiText.h"

namespace rd {

namespace {

QVariant NullValue() { return QVariant(QMetaType::fromType<QString>()); }

bool IsNumberType(int typeId) {
  switch (typeId) {
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::Double:
    case QMetaType::Float:
      return true;
    default:
      return false;
  }
}

}  // namespace

bool QueryColumn::IsNumber(int row) const {
  if (IsNull(row)) return false;
  switch (kind_) {
    case Kind::Integer:
    case Kind::Real:
      return true;
    case Kind::Variant:
      return IsNumberType(variants_[row].typeId());
    default:
      return false;
  }
}

const char* QueryColumn::BytesOf(int row, qsizetype* length) const {
  const qint64 begin = row ? ends_[row - 1] : 0;
  *length = qsizetype(ends_[row] - begin);
  // A non-null pointer even for an empty buffer: '' is an empty text, not NULL.
  return bytes_.empty() ? "" : bytes_.data() + begin;
}

QVariant QueryColumn::Value(int row) const {
  if (IsNull(row)) return NullValue();
  qsizetype length = 0;
  switch (kind_) {
    case Kind::Integer:
      return QVariant(qlonglong(integers_[row]));
    case Kind::Real:
      return QVariant(reals_[row]);
    case Kind::Text: {
      const char* data = BytesOf(row, &length);
      return QVariant(QString::fromUtf8(data, length));
    }
    case Kind::Blob: {
      const char* data = BytesOf(row, &length);
      return QVariant(QByteArray(data, length));
    }
    case Kind::Variant:
      return variants_[row];
    case Kind::Null:
      break;
  }
  return NullValue();
}

QString QueryColumn::Text(int row) const {
  if (IsNull(row)) return QString();
  switch (kind_) {
    case Kind::Integer:
      return QString::number(integers_[row]);
    case Kind::Text: {
      qsizetype length = 0;
      const char* data = BytesOf(row, &length);
      return QString::fromUtf8(data, length);
    }
    default:
      return VariantText(Value(row));
  }
}

void QueryColumn::AppendNull() {
  if (size_t(size_) >> 6 >= nulls_.size()) nulls_.push_back(0);
  nulls_[size_t(size_) >> 6] |= std::uint64_t(1) << (size_ & 63);
  switch (kind_) {
    case Kind::Integer:
      integers_.push_back(0);
      break;
    case Kind::Real:
      reals_.push_back(0);
      break;
    case Kind::Text:
    case Kind::Blob:
      ends_.push_back(ends_.empty() ? 0 : ends_.back());
      break;
    case Kind::Variant:
      variants_.emplace_back();
      break;
    case Kind::Null:
      break;
  }
  ++size_;
}

void QueryColumn::MarkNotNull() {
  if (size_t(size_) >> 6 >= nulls_.size()) nulls_.push_back(0);
  ++size_;
}

bool QueryColumn::Accepts(Kind kind) {
  if (kind_ == kind) return true;
  if (kind_ == Kind::Null) {
    // The rows so far are all NULL: give them empty slots of the new kind.
    kind_ = kind;
    if (kind == Kind::Integer) integers_.assign(size_t(size_), 0);
    if (kind == Kind::Real) reals_.assign(size_t(size_), 0);
    if (kind == Kind::Text || kind == Kind::Blob) ends_.assign(size_t(size_), 0);
    return true;
  }
  FallBackToVariants();
  return false;
}

void QueryColumn::FallBackToVariants() {
  if (kind_ == Kind::Variant) return;
  std::vector<QVariant> values;
  values.reserve(size_t(size_));
  for (int r = 0; r < size_; ++r) values.push_back(IsNull(r) ? QVariant() : Value(r));
  kind_ = Kind::Variant;
  variants_ = std::move(values);
  integers_ = {};
  reals_ = {};
  bytes_ = {};
  ends_ = {};
}

void QueryColumn::AppendVariant(const QVariant& value) {
  FallBackToVariants();
  variants_.push_back(value);
  MarkNotNull();
}

void QueryColumn::AppendInteger(qint64 value) {
  if (!Accepts(Kind::Integer)) return AppendVariant(QVariant(qlonglong(value)));
  integers_.push_back(value);
  MarkNotNull();
}

void QueryColumn::AppendReal(double value) {
  if (!Accepts(Kind::Real)) return AppendVariant(QVariant(value));
  reals_.push_back(value);
  MarkNotNull();
}

void QueryColumn::AppendBytes(const char* data, qsizetype bytes) {
  if (bytes > 0) bytes_.insert(bytes_.end(), data, data + bytes);
  ends_.push_back(qint64(bytes_.size()));
  MarkNotNull();
}

void QueryColumn::AppendText(const char* utf8, qsizetype bytes) {
  if (!Accepts(Kind::Text)) return AppendVariant(QVariant(QString::fromUtf8(utf8, bytes)));
  AppendBytes(utf8, bytes);
}

void QueryColumn::AppendBlob(const char* data, qsizetype bytes) {
  if (!Accepts(Kind::Blob)) return AppendVariant(QVariant(QByteArray(data, bytes)));
  AppendBytes(data, bytes);
}

void QueryColumn::Append(const QVariant& value) {
  if (!value.isValid() || value.isNull()) return AppendNull();
  switch (value.typeId()) {
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::Short:
    case QMetaType::UShort:
    case QMetaType::Long:
      return AppendInteger(value.toLongLong());
    case QMetaType::ULong:
    case QMetaType::ULongLong:
      if (value.toULongLong() <= quint64(std::numeric_limits<qint64>::max()))
        return AppendInteger(value.toLongLong());
      return AppendVariant(value);
    case QMetaType::Double:
    case QMetaType::Float:
      return AppendReal(value.toDouble());
    case QMetaType::QString: {
      const QByteArray utf8 = value.toString().toUtf8();
      return AppendText(utf8.constData(), utf8.size());
    }
    case QMetaType::QByteArray: {
      const QByteArray bytes = value.toByteArray();
      return AppendBlob(bytes.constData(), bytes.size());
    }
    default:
      return AppendVariant(value);
  }
}

void QueryColumn::AppendFrom(const QueryColumn& from, int row) {
  if (from.IsNull(row)) return AppendNull();
  qsizetype length = 0;
  switch (from.kind_) {
    case Kind::Integer:
      return AppendInteger(from.integers_[size_t(row)]);
    case Kind::Real:
      return AppendReal(from.reals_[size_t(row)]);
    case Kind::Text: {
      const char* data = from.BytesOf(row, &length);
      return AppendText(data, length);
    }
    case Kind::Blob: {
      const char* data = from.BytesOf(row, &length);
      return AppendBlob(data, length);
    }
    default:
      return Append(from.Value(row));
  }
}

}  // namespace rd
