#pragma once
#include <QString>

namespace rd {

// The folder the program reads its settings, languages and database from:
// the executable's folder unless a test sets another.
namespace ProgramFolder {
QString Path();
void SetPath(const QString& folder);
// Path() + "/" + relative
QString File(const QString& relative);
}  // namespace ProgramFolder

}  // namespace rd
