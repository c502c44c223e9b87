#pragma once
#include <QString>

class QWidget;

namespace rd {

// Opens a web page or mail address in the program the desktop has for it;
// where there is none, tells the user so, naming the address.
bool OpenAddress(const QString& url, QWidget* parent = nullptr);

}  // namespace rd
