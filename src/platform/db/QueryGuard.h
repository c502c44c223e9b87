#pragma once
#include <QString>

namespace rd {

// Whether a statement text is one query that only reads: it begins with
// SELECT or WITH, and outside quotes, brackets and parentheses it holds no
// second statement and no word that writes (INTO, INSERT, UPDATE, DELETE,
// ...). For servers whose driver cannot say so of a prepared statement.
bool IsSingleQuery(const QString& sql);

// The "?" placeholders of a statement, outside quotes, brackets and
// comments; -1 when the text holds no statement at all.
int PlaceholderCount(const QString& sql);

}  // namespace rd
