#pragma once
#include <QString>
#include <initializer_list>

class QComboBox;

namespace rd {

// Adds the first column of every row of the query to each list; a query
// that fails has shown why and adds nothing.
void AddQueryRows(const QString& sql, std::initializer_list<QComboBox*> lists);

}  // namespace rd
